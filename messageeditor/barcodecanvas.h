// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QVector>

// The surface one linear symbol is drawn on.  Every module is a whole
// number of pixels so that the picture maps one-to-one onto printer dots.
//
// Pixels start untouched (transparent) and the first paint of a pixel wins:
// later paint only fills what is still untouched.  Modules are bars (opaque
// black) or spaces (opaque white) reaching from the top down to their
// height; human-readable characters are drawn last, centred in their box of
// the text line and clipped to it.  The pixels are written directly rather
// than through QPainter: a symbol is drawn whenever its item changes, and
// the rows of a symbol repeat, so each distinct row is built once.
class barcodeCanvas
{
public:
    // width in pixels; module = pixels per narrow module; barHeight = H in
    // pixels.  The picture is H high, or ⌊1.5·H⌋ with the text line.
    barcodeCanvas(int width, int module, int barHeight, bool showText);

    int module() const { return m_module; }
    int barHeight() const { return m_barHeight; }
    // ⌊1.08·H⌋: the height of the EAN/UPC guard bars.
    int guardHeight() const { return m_barHeight * 108 / 100; }
    int width() const { return m_width; }

    // Draws '1' (bar) and '0' (space) modules from x, each one module wide
    // and height pixels high; returns the x after the last module.
    int modules(int x, const char *pattern, int height);
    // Draws elements given as widths in modules ("212222"), bar first.
    int elements(int x, const char *widths, int height);
    // One human-readable character centred in the box [x, x + boxWidth) of
    // the text line (y from H + 2, ⌊0.2·H⌋ high).  Nothing without text.
    void character(int x, int boxWidth, QChar ch);
    // The whole text in boxes boxModules wide, the row centred in the picture.
    void centredLine(const QString &text, int boxModules);

    // The picture: a null pixmap when the size is not drawable (a module
    // width or height of 0 or less, an area over the editor's pixel limit or
    // past the budget of the message being read, or too large to allocate).
    QPixmap finish();

private:
    struct textBox
    {
        int x;
        int width;
        QChar ch;
    };

    void paintColumns(int x, int count, quint32 colour, int height);

    int m_width;
    int m_height;
    int m_module;
    int m_barHeight;
    bool m_showText;
    // Per column: the colour and the height (rows from the top) of the first
    // module painted there; height 0 = untouched.
    QVector<quint32> m_colour;
    QVector<int> m_columnHeight;
    QVector<textBox> m_text;
};
