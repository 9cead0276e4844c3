// SPDX-License-Identifier: GPL-3.0-or-later
#include "qrcodepicture.h"

#include "pixellimit.h"

#include <QBitmap>
#include <QImage>
#include <QPainter>
#include <memory>
#include <qrencode.h>

namespace {

QRecLevel encoderLevel(int level)
{
    switch (level) {
    case 0:
        return QR_ECLEVEL_L;
    case 1:
        return QR_ECLEVEL_M;
    case 3:
        return QR_ECLEVEL_H;
    default:
        return QR_ECLEVEL_Q;
    }
}

} // namespace

namespace qrCodePicture {

bool render(const qrCodeParams &params, QPixmap *picture)
{
    const QByteArray utf8 = params.content.toUtf8();
    std::unique_ptr<QRcode, decltype(&QRcode_free)> code(
        QRcode_encodeString(utf8.constData(), params.version, encoderLevel(params.level), QR_MODE_8,
                            1),
        &QRcode_free);
    if (!code)
        return false;

    const int n = code->width > 0 ? code->width : 1;
    const qint64 scale = params.scale;
    const qint64 offset = params.converse ? scale : 0;
    const qint64 side = n * scale + 2 * offset;
    if (side > 0 && !PixelLimit::grant(side, side))
        return false;
    if (side <= 0) {
        *picture = QPixmap();
        return true;
    }

    QImage image{int(side), int(side), QImage::Format_ARGB32};
    if (image.isNull())
        return false;
    image.fill(Qt::white);
    QPainter painter(&image);
    const unsigned char *module = code->data;
    for (int r = 0; r < code->width; ++r) {
        for (int c = 0; c < code->width; ++c, ++module) {
            if (*module & 1)
                painter.fillRect(int(offset + c * scale), int(offset + r * scale), int(scale),
                                 int(scale), Qt::black);
        }
    }
    painter.end();

    QPixmap result = QPixmap::fromImage(image);
    if (params.converse)
        result = result.createMaskFromColor(Qt::black, Qt::MaskInColor);
    *picture = result;
    return true;
}

} // namespace qrCodePicture
