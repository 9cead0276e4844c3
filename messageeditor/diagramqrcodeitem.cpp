// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagramqrcodeitem.h"

#include "qrcodepicture.h"

diagramQRCodeItem::diagramQRCodeItem(QGraphicsItem *parent) : diagramPictureBase(false, parent)
{
    setParams(m_params);
}

bool diagramQRCodeItem::setParams(const qrCodeParams &params)
{
    m_params = params;
    QPixmap picture;
    if (!qrCodePicture::render(m_params, &picture))
        return false;
    setSource(picture);
    return true;
}
