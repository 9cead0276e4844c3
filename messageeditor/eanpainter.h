// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "barcodepainter.h"

class barcodeCanvas;

// EAN-13, EAN-8, UPC-A and UPC-E.  Their content is checked before any bar
// is drawn; the check digit is always computed, never read from the content.
namespace eanPainter {

// Modulo-10 check digit over 7, 11 or 12 data digits: weight 3 on the
// rightmost digit and every second one to its left, weight 1 on the others.
int checkDigit(const QString &digits);
// The 11-digit UPC-A form of a UPC-E content (number system + 6 digits),
// or the content unchanged when its position 6 is not a digit.
QString expandUpcE(const QString &content);

barcodePainter::Symbol ean13(const QString &content, int module, int barHeight, bool showText);
barcodePainter::Symbol ean8(const QString &content, int module, int barHeight, bool showText);
barcodePainter::Symbol upcA(const QString &content, int module, int barHeight, bool showText);
barcodePainter::Symbol upcE(const QString &content, int module, int barHeight, bool showText);

} // namespace eanPainter
