// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagrambaritem.h"

#include "barcodepainter.h"

diagramBarItem::diagramBarItem(QGraphicsItem *parent) : diagramPictureBase(false, parent)
{
    render();
}

void diagramBarItem::setSettings(const barcodeSettings &settings)
{
    m_settings = settings;
    render();
}

void diagramBarItem::setContent(const QString &content)
{
    m_settings.content = content;
    render();
}

void diagramBarItem::setSymbology(int index)
{
    m_settings.symbology = index;
    render();
}

void diagramBarItem::setShowText(bool on)
{
    m_settings.showText = on;
    render();
}

void diagramBarItem::render()
{
    setSource(barcodePainter::render(*this, m_settings.content));
}
