// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QtGlobal>

// The largest picture an item makes or reads.  Sizes and picture paths come
// from message files, which coders and other PCs write, so they are checked
// before any pixel memory is taken.
namespace PixelLimit {

constexpr qint64 kMaxSide = 32767;              // pixels; the raster painter's coordinate range
constexpr qint64 kMaxArea = 32LL * 1024 * 1024; // pixels; 128 MiB at 32 bits a pixel
// All the pictures of one message as it loads: a message of many items,
// each just under kMaxArea, would otherwise ask for gigabytes.
constexpr qint64 kMaxLoadArea = 256LL * 1024 * 1024; // pixels; 1 GiB at 32 bits a pixel

inline bool fits(qint64 width, qint64 height)
{
    return width > 0 && height > 0 && width <= kMaxSide && height <= kMaxSide &&
           width * height <= kMaxArea;
}

inline bool fits(const QSize &size)
{
    return fits(size.width(), size.height());
}

// While a LoadBudget lives (the loading of one message, on the GUI thread),
// every picture an item makes is charged to it; a picture that no longer
// fits is refused like one over kMaxArea.  A budget made inside another
// never grants more than the outer one has left.
class LoadBudget
{
public:
    explicit LoadBudget(qint64 pixels = kMaxLoadArea);
    ~LoadBudget();
    LoadBudget(const LoadBudget &) = delete;
    LoadBudget &operator=(const LoadBudget &) = delete;

    // Pictures refused since this budget was made.
    int refused() const { return m_refused; }

    // True, with the pixels charged, when the picture fits what is left (or
    // no budget is active).
    static bool charge(qint64 width, qint64 height);

private:
    static LoadBudget *&active();

    qint64 m_left;
    int m_refused = 0;
    LoadBudget *m_outer;
};

// A picture of this size may be made now: within kMaxSide and kMaxArea and,
// while a message loads, within what its budget has left (then charged to it).
inline bool grant(qint64 width, qint64 height)
{
    return fits(width, height) && LoadBudget::charge(width, height);
}

inline bool grant(const QSize &size)
{
    return grant(size.width(), size.height());
}

// The same for a picture written pixel by pixel, without a painter (a
// barcode): only its area is bounded, so a long symbol may be wider than
// kMaxSide.
inline bool grantArea(qint64 width, qint64 height)
{
    return width > 0 && height > 0 && width * height <= kMaxArea &&
           LoadBudget::charge(width, height);
}

} // namespace PixelLimit
