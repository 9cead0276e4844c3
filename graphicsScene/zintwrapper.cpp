// SPDX-License-Identifier: GPL-3.0-or-later
#include "zintwrapper.h"

#include "documentlog.h"
#include "pixellimit.h"

#include <QDebug>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPixmapCache>
#include <QtMath>

#include <zint.h>

#include <algorithm>
#include <cstdio>

namespace Zint {

namespace {

// Margin, in pixels, left free above and to the left of the symbol.
constexpr int kMarginPixels = 5;
// Size of the picture that shows Zint's error text.
constexpr int kErrorWidth = 800;
constexpr int kErrorHeight = 300;
const QString kTextFamily = QStringLiteral("Helvetica");

// Zint takes colours as "RRGGBB", or "RRGGBBAA" when not opaque.
void writeColour(char *target, const QColor &colour)
{
    if (colour.alpha() == 255)
        std::snprintf(target, 10, "%02X%02X%02X", colour.red(), colour.green(), colour.blue());
    else
        std::snprintf(target, 10, "%02X%02X%02X%02X", colour.red(), colour.green(), colour.blue(),
                      colour.alpha());
}

// Colour codes of Zint's vector rectangles: -1 the foreground, 1 to 8 fixed
// colours, anything else black.
QColor rectangleColour(int code, const QColor &foreground)
{
    static const Qt::GlobalColor kFixed[] = {Qt::cyan,   Qt::blue,  Qt::magenta, Qt::red,
                                             Qt::yellow, Qt::green, Qt::black,   Qt::white};
    if (code == -1)
        return foreground;
    if (code >= 1 && code <= 8)
        return kFixed[code - 1];
    return Qt::black;
}

QFont textFont(int pixelSize)
{
    QFont font(kTextFamily);
    font.setPixelSize(std::max(1, pixelSize));
    return font;
}

QString convertedText(const QString &text)
{
    QString converted = text;
    converted.replace(QLatin1Char('['), QLatin1Char('('))
        .replace(QLatin1Char(']'), QLatin1Char(')'));
    return converted;
}

// Qt's raster engine keeps the glyphs it draws only below 64 pixels; larger
// ones it fills from their outlines on every drawText, which was three
// quarters of the time of an EAN-13 with its digits (40 vector units, 80
// pixels at the default scale).  Large text is therefore laid down from
// cells kept here: each character drawn once per font and colour.
class LargeGlyphs
{
public:
    static constexpr int kSmallestPixelSize = 64;
    static constexpr int kMaxCells = 512;

    void draw(QPainter &painter, const QFont &font, const QColor &colour, QPointF pen,
              const QString &text)
    {
        const QFontMetricsF metrics(font);
        const QString prefix =
            font.key() + QLatin1Char('/') + QString::number(colour.rgba(), 16) + QLatin1Char('/');
        for (const uint code : text.toUcs4()) {
            const QString character = QString::fromUcs4(&code, 1);
            const Cell &cell = cellFor(prefix + character, font, colour, metrics, character);
            painter.drawImage(QPointF(pen.x() + cell.offset.x(), pen.y() + cell.offset.y()),
                              cell.image);
            pen.rx() += metrics.horizontalAdvance(character);
        }
    }

private:
    struct Cell
    {
        QImage image;
        QPoint offset; // of the cell's top left from the pen on the baseline
    };

    const Cell &cellFor(const QString &key, const QFont &font, const QColor &colour,
                        const QFontMetricsF &metrics, const QString &character)
    {
        const auto found = m_cells.constFind(key);
        if (found != m_cells.constEnd())
            return found.value();
        if (m_cells.size() >= kMaxCells)
            m_cells.clear();
        // Room for strokes that reach past the advance or below the descent.
        const int pad = font.pixelSize() / 4 + 1;
        const int ascent = qCeil(metrics.ascent());
        Cell cell;
        cell.image = QImage(qCeil(metrics.horizontalAdvance(character)) + 2 * pad,
                            ascent + qCeil(metrics.descent()) + 2 * pad,
                            QImage::Format_ARGB32_Premultiplied);
        cell.image.fill(Qt::transparent);
        QPainter painter(&cell.image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setFont(font);
        painter.setPen(colour);
        painter.drawText(QPointF(pad, pad + ascent), character);
        painter.end();
        cell.offset = QPoint(-pad, -pad - ascent);
        return m_cells.insert(key, cell).value();
    }

    QHash<QString, Cell> m_cells;
};

// Pictures are drawn in the thread that shows them.
thread_local LargeGlyphs largeGlyphs;

void drawText(QPainter &painter, const QFont &font, const QColor &colour, const QPointF &pen,
              const QString &text)
{
    if (font.pixelSize() >= LargeGlyphs::kSmallestPixelSize) {
        largeGlyphs.draw(painter, font, colour, pen, text);
        return;
    }
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(pen, text);
}

} // namespace

QZint::QZint(QObject *parent) : QObject(parent) {}

QZint::~QZint()
{
    if (m_symbol)
        ZBarcode_Delete(m_symbol);
}

void QZint::setGS1Mode(bool gs1)
{
    m_inputMode = UnicodeMode;
    if (m_symbology == Code128 && gs1)
        m_symbology = Gs1_128;
    else if (m_symbology == Gs1_128 && !gs1)
        m_symbology = Code128;
    else if ((m_symbology == QrCode || m_symbology == DataMatrix) && gs1)
        m_inputMode = Gs1Mode;
}

bool QZint::isTwoDWithText() const
{
    return m_showText && (m_symbology == QrCode || m_symbology == DataMatrix);
}

// The text beside a 2-D symbol, one line per GS1 application identifier:
// "[01]123[17]45" gives "01)123" and "17)45".
QStringList QZint::humanReadableParts() const
{
    return convertedText(m_text).split(QLatin1Char('('), Qt::SkipEmptyParts);
}

// The side text grows with the symbol, up to 47 pixels.
int QZint::humanReadablePixelSize() const
{
    return std::min(int(0.25f * m_symbol->vector->height - 6), 47);
}

void QZint::encode()
{
    if (m_symbol)
        ZBarcode_Delete(m_symbol);
    m_symbol = ZBarcode_Create();
    m_textBlockWidth = 0;
    if (!m_symbol) {
        m_errorCode = ZINT_ERROR_MEMORY;
        m_lastError = QStringLiteral("Out of memory");
        return;
    }
    m_symbol->symbology = m_symbology;
    m_symbol->height = float(m_height);
    m_symbol->scale = m_scale;
    m_symbol->whitespace_width = m_whitespace;
    m_symbol->border_width = m_borderWidth;
    m_symbol->output_options = m_borderType;
    m_symbol->option_1 = m_option1;
    m_symbol->option_2 = m_option2;
    m_symbol->option_3 = m_option3;
    m_symbol->input_mode = m_inputMode;
    m_symbol->show_hrt = m_showText ? 1 : 0;
    m_symbol->dot_size = m_dotSize;
    writeColour(m_symbol->fgcolour, m_fgColor);
    writeColour(m_symbol->bgcolour, m_bgColor);

    const QByteArray data = m_text.toUtf8();
    m_errorCode = ZBarcode_Encode_and_Buffer_Vector(
        m_symbol, reinterpret_cast<const unsigned char *>(data.constData()), data.size(), 0);
    m_lastError = QString::fromUtf8(m_symbol->errtxt);
    qCDebug(lcDocument) << "encode error:" << m_errorCode;
    if (hasErrors() || !m_symbol->vector)
        return;

    // Zint's own choices become ours, so that a later save writes them.
    m_height = int(m_symbol->height);
    m_borderWidth = m_symbol->border_width;
    m_whitespace = m_symbol->whitespace_width;
    m_borderType = m_symbol->output_options & (BARCODE_BIND | BARCODE_BOX);

    if (isTwoDWithText()) {
        const QFontMetrics metrics(textFont(humanReadablePixelSize()));
        int widest = 0;
        for (const QString &part : humanReadableParts())
            widest = std::max(widest, metrics.horizontalAdvance(QLatin1Char('(') + part));
        m_textBlockWidth = widest + 10;
    }
    emit encoded();
}

QPixmap QZint::errorPixmap(const QString &message) const
{
    // Charged to the message's pixel budget like a symbol.  Past it, every
    // item shares one picture (a QPixmap shares its pixels), so that a
    // message of many refused symbols takes no more memory.
    if (!PixelLimit::LoadBudget::charge(kErrorWidth, kErrorHeight)) {
        const QString key = QStringLiteral("korvex-message-too-large");
        QPixmap shared;
        if (!QPixmapCache::find(key, &shared)) {
            shared = drawError(QStringLiteral("Message too large to show"));
            QPixmapCache::insert(key, shared);
        }
        return shared;
    }
    return drawError(message);
}

QPixmap QZint::drawError(const QString &message) const
{
    // Index 0 white, so that filling with 0 clears the picture.
    QImage image(kErrorWidth, kErrorHeight, QImage::Format_Mono);
    image.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    image.fill(0);
    QPainter painter(&image);
    painter.scale(2, 2);
    painter.setFont(textFont(25));
    painter.setPen(Qt::black);
    const int half = message.size() / 2;
    painter.drawText(20, 50, message.left(half));
    painter.drawText(20, 100, message.mid(half));
    painter.end();
    return QPixmap::fromImage(image);
}

QPixmap QZint::renderPixmap()
{
    // Zint picks its own border afresh (ITF-14's bearer box): a box kept
    // from the last encode with the width cleared would vanish.
    m_borderWidth = 0;
    m_borderType = 0;
    encode();
    if (hasErrors() || !m_symbol || !m_symbol->vector)
        return errorPixmap(m_lastError);

    const float s = m_scale;
    const qint64 width =
        qint64(s * (m_symbol->vector->width + m_textBlockWidth)) + 2 * kMarginPixels;
    const qint64 height = qint64(s * m_symbol->vector->height) + 2 * kMarginPixels;
    // A message file from a coder may carry any scale Zint accepts; refuse
    // pictures that would take more memory than a message can use.
    if (!PixelLimit::fits(width, height))
        return errorPixmap(
            QStringLiteral("Symbol too large to show (%1 x %2 pixels)").arg(width).arg(height));
    if (!PixelLimit::LoadBudget::charge(width, height))
        return errorPixmap(QStringLiteral("Message too large to show"));

    QImage image(int(width), int(height), QImage::Format_RGB32);
    image.fill(Qt::white);
    paintSymbol(image);
    return QPixmap::fromImage(image);
}

// The bars at the scale of the picture; the text in a font of the scaled
// size at scaled places, with no transformation: under a scaled painter
// every glyph is filled as a path, which cost three quarters of a linear
// symbol with its text.  Places and sizes are what the scaled painter gave.
void QZint::paintSymbol(QImage &image) const
{
    const zint_vector *vector = m_symbol->vector;
    const qreal s = m_scale;
    QPainter painter(&image);

    for (const zint_vector_rect *r = vector->rectangles; r; r = r->next)
        painter.fillRect(
            QRectF(s * r->x + kMarginPixels, s * r->y + kMarginPixels, s * r->width, s * r->height),
            rectangleColour(r->colour, m_fgColor));

    const auto scaledFont = [s](const QFont &font) {
        QFont scaled = font;
        scaled.setPixelSize(std::max(1, qRound(font.pixelSize() * s)));
        scaled.setStyleStrategy(QFont::NoSubpixelAntialias);
        return scaled;
    };

    if (isTwoDWithText()) {
        // Zint prints no text for 2-D symbols; the lines go to the right.
        const int pixelSize = humanReadablePixelSize();
        if (m_symbology == QrCode)
            qCDebug(lcDocument) << "font pixel:" << pixelSize;
        const QFont font = textFont(pixelSize);
        const QFontMetrics metrics(font);
        const bool putBackParenthesis = convertedText(m_text).contains(QLatin1Char('('));
        const QStringList parts = humanReadableParts();
        const int x = int(20 / s + vector->width);
        for (int i = 0; i < parts.size(); ++i) {
            const QString line = putBackParenthesis ? QLatin1Char('(') + parts.at(i) : parts.at(i);
            drawText(painter, scaledFont(font), Qt::black,
                     QPointF(s * x, s * (i + 1) * metrics.boundingRect(line).height()), line);
        }
    }

    // The human-readable text of linear symbols, placed by Zint.
    const int options = m_symbol->output_options;
    const bool extendable = ZBarcode_Cap(m_symbol->symbology, ZINT_CAP_EXTENDABLE) != 0;
    const bool bold = (options & BOLD_TEXT) && (!extendable || (options & SMALL_TEXT));
    painter.setRenderHint(QPainter::Antialiasing);
    for (const zint_vector_string *str = vector->strings; str; str = str->next) {
        QFont font = textFont(qRound(str->fsize));
        font.setBold(bold);
        const QString text = QString::fromUtf8(reinterpret_cast<const char *>(str->text));
        const qreal textWidth = QFontMetricsF(font).horizontalAdvance(text);
        qreal x = str->x;
        if (str->halign == 2)
            x -= textWidth;
        else if (str->halign != 1)
            x -= textWidth / 2;
        drawText(painter, scaledFont(font), m_fgColor, QPointF(s * x, s * str->y), text);
    }
}

} // namespace Zint
