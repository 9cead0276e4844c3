// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QObject>
#include <QPixmap>
#include <QString>
#include <QStringList>

struct zint_symbol;

namespace Zint {

// Our Qt wrapper over the C API of libzint: holds the symbology, the data and
// the options, encodes them into a fresh Zint symbol and renders that symbol
// into a pixmap.  Lengths are in Zint's X-dimensions unless said otherwise.
class QZint : public QObject
{
    Q_OBJECT
public:
    // Zint symbology numbers the program offers.
    enum Symbology {
        Code39 = 8,
        Ean13 = 13,
        Gs1_128 = 16,
        Code128 = 20,
        Code93 = 25,
        UpcA = 34,
        UpcE = 37,
        Pdf417 = 55,
        QrCode = 58,
        DataMatrix = 71,
        Ean14 = 72,
        Itf14 = 89,
    };
    // Zint input modes the program uses.
    enum InputMode { UnicodeMode = 1, Gs1Mode = 2 };

    explicit QZint(QObject *parent = nullptr);
    ~QZint() override;

    int symbology() const { return m_symbology; }
    void setSymbology(int symbology) { m_symbology = symbology; }
    QString text() const { return m_text; }
    void setText(const QString &text) { m_text = text; }
    // Bar height; 0 lets Zint choose, and encode() then stores its choice.
    int height() const { return m_height; }
    void setHeight(int height) { m_height = height; }
    int borderWidth() const { return m_borderWidth; }
    void setBorderWidth(int width) { m_borderWidth = width; }
    int whitespace() const { return m_whitespace; }
    void setWhitespace(int width) { m_whitespace = width; }
    // Zint's border output options (bind or box bits), 0 for none.
    int borderType() const { return m_borderType; }
    void setBorderType(int type) { m_borderType = type; }
    // Symbology-specific options; for QR Code option 1 is the error
    // correction level (-1 automatic) and option 2 the version (0 automatic).
    int option1() const { return m_option1; }
    void setOption1(int value) { m_option1 = value; }
    int option2() const { return m_option2; }
    void setOption2(int value) { m_option2 = value; }
    int option3() const { return m_option3; }
    void setOption3(int value) { m_option3 = value; }
    int inputMode() const { return m_inputMode; }
    void setInputMode(int mode) { m_inputMode = mode; }
    QColor fgColor() const { return m_fgColor; }
    void setFgColor(const QColor &color) { m_fgColor = color; }
    QColor bgColor() const { return m_bgColor; }
    void setBgColor(const QColor &color) { m_bgColor = color; }
    // Size of one X-dimension in units of Zint's vector output (which is
    // itself two units per X-dimension at scale 1).
    float scale() const { return m_scale; }
    void setScale(float scale) { m_scale = scale; }
    bool showText() const { return m_showText; }
    void setShowText(bool show) { m_showText = show; }
    float dotSize() const { return m_dotSize; }
    void setDotSize(float size) { m_dotSize = size; }

    // Width, in vector units, of the text drawn beside a QR Code or Data
    // Matrix symbol; 0 when there is none.  Set by encode().
    int textBlockWidth() const { return m_textBlockWidth; }
    // Zint's result of the last encode: 0 success, 1-4 warnings, 5+ errors.
    int errorCode() const { return m_errorCode; }
    QString lastError() const { return m_lastError; }
    bool hasErrors() const { return m_errorCode > kMaxWarning; }

    // GS1 data switch: Code 128 and GS1-128 swap, QR Code and Data Matrix
    // take GS1 input; every other symbology stays in Unicode mode.
    void setGS1Mode(bool gs1);

    // Encodes the fields into a fresh symbol and vectorises it.
    void encode();
    // Encodes and paints the symbol with a 5-pixel margin, or a picture of
    // Zint's error text when the data cannot be encoded.
    QPixmap renderPixmap();

    static constexpr int kMaxWarning = 4;

signals:
    void encoded();

private:
    bool isTwoDWithText() const;
    QStringList humanReadableParts() const;
    int humanReadablePixelSize() const;
    QPixmap errorPixmap(const QString &message) const;
    QPixmap drawError(const QString &message) const;
    void paintSymbol(QImage &image) const;

    int m_symbology = QrCode;
    QString m_text = QStringLiteral("123456");
    int m_height = 0;
    int m_borderWidth = 0;
    int m_whitespace = 0;
    int m_borderType = 0;
    int m_option1 = -1;
    int m_option2 = 0;
    int m_option3 = 0;
    int m_inputMode = UnicodeMode;
    QColor m_fgColor = Qt::black;
    QColor m_bgColor = Qt::white;
    float m_scale = 2.0f;
    bool m_showText = false;
    float m_dotSize = 0.8f;
    int m_textBlockWidth = 0;
    int m_errorCode = 0;
    QString m_lastError;

    zint_symbol *m_symbol = nullptr;
};

} // namespace Zint
