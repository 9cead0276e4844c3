// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPainter>
#include <QPixmap>

// The surface one linear symbol is drawn on.  Every module is a whole
// number of pixels so that the picture maps one-to-one onto printer dots.
// The image starts as transparent white and is painted "destination over":
// the first paint of a pixel wins, later paint only fills what is untouched.
class barcodeCanvas
{
public:
    // width in pixels; module = pixels per narrow module; barHeight = H in
    // pixels.  The picture is H high, or 1.5·H with the text line.
    barcodeCanvas(int width, int module, int barHeight, bool showText);

    int module() const { return m_module; }
    int barHeight() const { return m_barHeight; }
    // ⌊1.08·H⌋: the height of the EAN/UPC guard bars.
    int guardHeight() const { return m_barHeight * 108 / 100; }
    int width() const { return m_image.width(); }
    bool showsText() const { return m_showText; }

    // Draws '1' (bar) and '0' (space) modules from x, each one module wide
    // and height pixels high; returns the x after the last module.
    int modules(int x, const char *pattern, int height);
    // Draws elements given as widths in modules ("212222"), bar first.
    int elements(int x, const char *widths, int height);
    // One human-readable character centred in the box [x, x + boxWidth) of
    // the text line (y from H + 2, ⌊0.2·H⌋ high).
    void character(int x, int boxWidth, QChar ch);
    // The whole text in boxes boxModules wide, the row centred in the picture.
    void centredLine(const QString &text, int boxModules);

    QPixmap finish();

private:
    QImage m_image;
    QPainter m_painter;
    int m_module;
    int m_barHeight;
    bool m_showText;
};
