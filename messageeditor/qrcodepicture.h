// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "qrcodeparams.h"

#include <QPixmap>

// Draws a QR code symbol encoded by libqrencode (8-bit mode, UTF-8).
namespace qrCodePicture {

// The symbol picture: scale pixels per module, no quiet zone; with converse
// a one-module border is added and dark and light are swapped.  Returns
// false, leaving picture untouched, when the encoder gives no symbol (the
// content is over the capacity of version 40 at the level, or the version
// is out of range) or the picture would be over PixelLimit: a scale
// read from a file must not make the editor take gigabytes.  The panel's
// versions 1 to 5 at its largest scale, 77, make 3003 pixels a side at
// most, well inside the limit; content that needs version 15 or more does
// not fit at that scale.
bool render(const qrCodeParams &params, QPixmap *picture);

} // namespace qrCodePicture
