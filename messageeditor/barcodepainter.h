// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QString>

class diagramBarItem;

// Draws the linear barcodes of the standalone editor.  The symbology index
// is the order of the barcode panel's list.
namespace barcodePainter {

enum Symbology { Ean13 = 0, Ean8 = 1, Code39 = 2, Code93 = 3, UpcA = 4, UpcE = 5, Code128 = 6 };

// The error code of refused content is the symbology index + 1.
enum Error {
    NoError = 0,
    Ean13Error = 1,
    Ean8Error = 2,
    Code39Error = 3,
    Code93Error = 4,
    UpcAError = 5,
    UpcEError = 6,
    Code128Error = 7
};

struct Symbol
{
    QPixmap picture;
    int error = NoError;
};

// Largest sizes drawn: a module wider than the tallest print head, or bars
// taller than this, can only come from a damaged file.
constexpr int kMaxModule = 1200;
constexpr int kMaxBarHeight = 100000;
// Longest content drawn, so that no picture size overflows.
constexpr int kMaxContentLength = 100000;

// The picture of one symbol, without any message box.  module = pixels per
// narrow module, barHeight = H in pixels.  An unknown symbology, or a size or
// content length beyond the limits above, gives an empty picture; refused
// content gives the picture as far as it was drawn.
Symbol paint(int symbology, const QString &content, int module, int barHeight, bool showText);

// The picture for the item's symbology, module width, bar height and text
// flag; refused content shows the barcode error box first, or joins the
// list of a refusedBarcodes that lives.
QPixmap render(const diagramBarItem &item, const QString &content);

// The translated text of an error code.
QString errorText(int code);
// The barcode error box, through the editor's message-box seam.
void showError(int code);

} // namespace barcodePainter
