// SPDX-License-Identifier: GPL-3.0-or-later
#include "barcodecanvas.h"

#include <QFont>

namespace {
const QColor Bar(0, 0, 0, 255);
const QColor Space(255, 255, 255, 255);
} // namespace

barcodeCanvas::barcodeCanvas(int width, int module, int barHeight, bool showText)
    : m_module(module), m_barHeight(barHeight), m_showText(showText)
{
    const int height = showText ? barHeight * 3 / 2 : barHeight;
    // Contents read from a file may carry any number: a size Qt cannot
    // allocate leaves a null image, and every draw below does nothing.
    if (width <= 0 || height <= 0 || module <= 0)
        return;
    m_image = QImage(width, height, QImage::Format_ARGB32);
    if (m_image.isNull())
        return;
    m_image.fill(0x00FFFFFFu);
    m_painter.begin(&m_image);
    m_painter.setCompositionMode(QPainter::CompositionMode_DestinationOver);
    QFont font("arial");
    font.setPixelSize(5 * module + 10);
    font.setCapitalization(QFont::SmallCaps);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0);
    m_painter.setFont(font);
    m_painter.setPen(Qt::black);
}

int barcodeCanvas::modules(int x, const char *pattern, int height)
{
    for (const char *p = pattern; *p; ++p, x += m_module) {
        if (m_painter.isActive())
            m_painter.fillRect(x, 0, m_module, height, *p == '1' ? Bar : Space);
    }
    return x;
}

int barcodeCanvas::elements(int x, const char *widths, int height)
{
    bool bar = true;
    for (const char *p = widths; *p; ++p, bar = !bar) {
        for (int i = 0; i < *p - '0'; ++i, x += m_module) {
            if (m_painter.isActive())
                m_painter.fillRect(x, 0, m_module, height, bar ? Bar : Space);
        }
    }
    return x;
}

void barcodeCanvas::character(int x, int boxWidth, QChar ch)
{
    if (!m_painter.isActive() || !m_showText)
        return;
    m_painter.drawText(QRect(x, m_barHeight + 2, boxWidth, m_barHeight / 5), Qt::AlignCenter,
                       QString(ch));
}

void barcodeCanvas::centredLine(const QString &text, int boxModules)
{
    const int box = boxModules * m_module;
    const int left = (width() - box * text.size()) / 2;
    for (int i = 0; i < text.size(); ++i)
        character(left + i * box, box, text.at(i));
}

QPixmap barcodeCanvas::finish()
{
    if (m_painter.isActive())
        m_painter.end();
    return QPixmap::fromImage(m_image);
}
