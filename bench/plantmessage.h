// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A long production message for the designer benchmarks: of every 100 items
// 40 texts, 20 dates, 16 serial numbers, 20 shift codes, 2 barcodes (QR
// Code, EAN-13 and Code 128 with their text, in turn) and 2 pictures, on a
// grid of 50 columns 400 dots apart and rows 60 dots apart, the first item a
// text at the top left.  The pictures of 10,000 items take 34 million pixels,
// an eighth of the pixel budget of a load.  The picture file goes to
// "Image/" of the current folder.
namespace PlantMessage {

bool write(const QString &path, int count);

} // namespace PlantMessage
