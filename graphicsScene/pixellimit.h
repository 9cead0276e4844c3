// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// The largest picture an item makes.  Sizes come from message files, which
// coders also send, so they are checked before any memory is taken.
namespace PixelLimit {
constexpr qint64 kMaxSide = 32767;              // pixels; the raster painter's coordinate range
constexpr qint64 kMaxArea = 32LL * 1024 * 1024; // pixels; 128 MiB at 32 bits a pixel

inline bool fits(qint64 width, qint64 height)
{
    return width > 0 && height > 0 && width <= kMaxSide && height <= kMaxSide &&
           width * height <= kMaxArea;
}
} // namespace PixelLimit
