// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "qrcodeparams.h"

#include <QPixmap>

// Draws a QR code symbol encoded by libqrencode (8-bit mode, UTF-8).
namespace qrCodePicture {

// Largest side of a picture in pixels.  Beyond it the raster engine cannot
// address the pixels; a scale read from a file must not make us try.
constexpr int kMaxSide = 32767;

// The symbol picture: scale pixels per module, no quiet zone; with converse
// a one-module border is added and dark and light are swapped.  Returns
// false, leaving picture untouched, when the encoder gives no symbol (the
// content is over the capacity of version 40 at the level, or the version
// is out of range) or the picture would be too large.
bool render(const qrCodeParams &params, QPixmap *picture);

} // namespace qrCodePicture
