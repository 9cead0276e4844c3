// SPDX-License-Identifier: GPL-3.0-or-later
#include "barcodecanvas.h"

#include "pixellimit.h"

#include <QFont>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstring>

namespace {

// Premultiplied ARGB: untouched pixels are fully transparent.
constexpr quint32 kUntouched = 0x00000000u;
constexpr quint32 kBar = 0xFF000000u;
constexpr quint32 kSpace = 0xFFFFFFFFu;

// Largest picture drawn, in pixels (a module width or height read from a
// file may be anything).
constexpr qint64 kMaxPixels = 64 * 1024 * 1024;

struct cellKey
{
    ushort ch;
    int module;
    int boxWidth;
    int boxHeight;
    bool operator==(const cellKey &o) const
    {
        return ch == o.ch && module == o.module && boxWidth == o.boxWidth &&
               boxHeight == o.boxHeight;
    }
};

uint qHash(const cellKey &k, uint seed = 0)
{
    return ::qHash(quint64(k.ch) << 48 ^ quint64(k.module) << 32 ^ quint64(k.boxWidth) << 16 ^
                       quint64(k.boxHeight),
                   seed);
}

// One character drawn centred in an empty box, as QPainter::drawText draws
// it in the box of the text line (the same pixels, clipped the same way),
// and the part of the box that holds ink.
struct characterCell
{
    QImage image;
    QRect inked;
};

// Boxes of one symbol repeat, so the cells are kept; the key holds all that
// shapes a cell.
const characterCell &cellFor(QChar ch, int module, int boxWidth, int boxHeight)
{
    static QHash<cellKey, characterCell> cells;
    const cellKey key{ch.unicode(), module, boxWidth, boxHeight};
    auto found = cells.constFind(key);
    if (found != cells.constEnd())
        return *found;
    if (cells.size() > 1024)
        cells.clear(); // many sizes in one session: start again
    characterCell cell;
    cell.image = QImage(boxWidth, boxHeight, QImage::Format_ARGB32_Premultiplied);
    cell.image.fill(Qt::transparent);
    QPainter painter(&cell.image);
    QFont font("arial");
    font.setPixelSize(5 * module + 10);
    font.setCapitalization(QFont::SmallCaps);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRect(0, 0, boxWidth, boxHeight), Qt::AlignCenter, QString(ch));
    painter.end();
    for (int y = 0; y < boxHeight; ++y) {
        const auto *line = reinterpret_cast<const quint32 *>(cell.image.constScanLine(y));
        for (int x = 0; x < boxWidth; ++x) {
            if (line[x] != 0)
                cell.inked |= QRect(x, y, 1, 1);
        }
    }
    return *cells.insert(key, cell);
}

// "Destination over" for one premultiplied pixel: the source only shows
// where the destination is not yet opaque.
inline quint32 under(quint32 dst, quint32 src)
{
    if (dst == kUntouched)
        return src;
    const quint32 room = 255 - (dst >> 24);
    if (room == 0 || src == 0)
        return dst;
    quint32 out = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const quint32 d = (dst >> shift) & 0xFF;
        const quint32 s = (src >> shift) & 0xFF;
        out |= qMin<quint32>(255, d + (s * room + 127) / 255) << shift;
    }
    return out;
}

} // namespace

barcodeCanvas::barcodeCanvas(int width, int module, int barHeight, bool showText)
    : m_width(width), m_height(showText ? barHeight * 3 / 2 : barHeight), m_module(module),
      m_barHeight(barHeight), m_showText(showText)
{
    if (width <= 0 || m_height <= 0 || module <= 0 || qint64(width) * m_height > kMaxPixels) {
        m_width = 0;
        m_height = 0;
        return;
    }
    m_colour.fill(kUntouched, width);
    m_columnHeight.fill(0, width);
}

void barcodeCanvas::paintColumns(int x, int count, quint32 colour, int height)
{
    const int first = qMax(0, x);
    const int end = qMin(m_width, x + count);
    for (int c = first; c < end; ++c) {
        if (m_columnHeight[c] == 0) {
            m_colour[c] = colour;
            m_columnHeight[c] = height;
        }
    }
}

int barcodeCanvas::modules(int x, const char *pattern, int height)
{
    for (const char *p = pattern; *p; ++p, x += m_module)
        paintColumns(x, m_module, *p == '1' ? kBar : kSpace, height);
    return x;
}

int barcodeCanvas::elements(int x, const char *widths, int height)
{
    bool bar = true;
    for (const char *p = widths; *p; ++p, bar = !bar) {
        const int modules = *p - '0';
        paintColumns(x, modules * m_module, bar ? kBar : kSpace, height);
        x += modules * m_module;
    }
    return x;
}

void barcodeCanvas::character(int x, int boxWidth, QChar ch)
{
    if (m_showText && m_width > 0)
        m_text.append({x, boxWidth, ch});
}

void barcodeCanvas::centredLine(const QString &text, int boxModules)
{
    const int box = boxModules * m_module;
    const int left = (m_width - box * text.size()) / 2;
    for (int i = 0; i < text.size(); ++i)
        character(left + i * box, box, text.at(i));
}

QPixmap barcodeCanvas::finish()
{
    // The module and height limits still allow gigabytes together.
    if (m_width == 0 || !PixelLimit::grantArea(m_width, m_height))
        return {};
    QImage image(m_width, m_height, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return {};
    const int *heights = m_columnHeight.constData();
    const quint32 *colours = m_colour.constData();

    // Rows change only where some column's modules end (two or three
    // heights per symbol): build each distinct row once and copy it down.
    QVector<int> ends{m_height};
    for (int c = 0; c < m_width; ++c) {
        if (heights[c] > 0 && heights[c] < m_height && !ends.contains(heights[c]))
            ends.append(heights[c]);
    }
    std::sort(ends.begin(), ends.end());
    QVector<quint32> rowBuffer(m_width);
    quint32 *row = rowBuffer.data();
    const size_t rowBytes = size_t(m_width) * sizeof(quint32);
    int y = 0;
    for (int end : qAsConst(ends)) {
        for (int c = 0; c < m_width; ++c)
            row[c] = heights[c] > y ? colours[c] : kUntouched;
        for (; y < end; ++y)
            std::memcpy(image.scanLine(y), row, rowBytes);
    }

    const int top = m_barHeight + 2;
    const int boxHeight = m_barHeight / 5;
    for (const textBox &box : qAsConst(m_text)) {
        if (box.width <= 0 || boxHeight <= 0)
            continue;
        const characterCell &cell = cellFor(box.ch, m_module, box.width, boxHeight);
        const QRect inked = cell.inked.intersected(
            QRect(-box.x, -top, m_width, m_height)); // clipped to the picture
        for (int cy = inked.top(); cy <= inked.bottom(); ++cy) {
            const auto *src = reinterpret_cast<const quint32 *>(cell.image.constScanLine(cy));
            auto *dst = reinterpret_cast<quint32 *>(image.scanLine(top + cy)) + box.x;
            for (int cx = inked.left(); cx <= inked.right(); ++cx)
                dst[cx] = under(dst[cx], src[cx]);
        }
    }
    // The picture has transparent pixels by construction: no need for Qt to
    // look for them.
    return QPixmap::fromImage(std::move(image), Qt::NoOpaqueDetection);
}
