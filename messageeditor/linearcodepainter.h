// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "barcodepainter.h"

#include <QPair>
#include <QVector>

// Code 39, Code 93 and Code 128 (code set B).  They check the content while
// drawing, so a refused character leaves the characters before it drawn.
namespace linearCodePainter {

// Code 39 / Code 93 value of a character (0 to 42), or -1.
int code39Value(QChar c);
// Code 93 check characters C and K (modulo 47) over the values.
QPair<int, int> code93Checks(const QVector<int> &values);
// Code 128 check value (modulo 103) of a set-B content.
int code128Check(const QString &content);

barcodePainter::Symbol code39(const QString &content, int module, int barHeight, bool showText);
barcodePainter::Symbol code93(const QString &content, int module, int barHeight, bool showText);
barcodePainter::Symbol code128(const QString &content, int module, int barHeight, bool showText);

} // namespace linearCodePainter
