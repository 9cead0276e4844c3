// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include <algorithm>

// The largest picture an item makes.  Sizes come from message files, which
// coders also send, so they are checked before any memory is taken.
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

// While a LoadBudget lives (the loading of one message, on the GUI thread),
// every picture an item keeps is charged to it; a picture that no longer
// fits is refused like one over kMaxArea.  A budget made inside another
// never grants more than the outer one has left.
class LoadBudget
{
public:
    explicit LoadBudget(qint64 pixels = kMaxLoadArea)
        : m_left(active() ? std::min(pixels, active()->m_left) : pixels), m_outer(active())
    {
        active() = this;
    }
    ~LoadBudget() { active() = m_outer; }
    LoadBudget(const LoadBudget &) = delete;
    LoadBudget &operator=(const LoadBudget &) = delete;

    // Pictures refused since this budget was made.
    int refused() const { return m_refused; }

    // True, with the pixels charged, when the picture fits what is left (or
    // no budget is active).
    static bool charge(qint64 width, qint64 height)
    {
        LoadBudget *budget = active();
        if (!budget)
            return true;
        if (width * height > budget->m_left) {
            ++budget->m_refused;
            return false;
        }
        budget->m_left -= width * height;
        return true;
    }

private:
    static LoadBudget *&active()
    {
        static LoadBudget *current = nullptr;
        return current;
    }

    qint64 m_left;
    int m_refused = 0;
    LoadBudget *m_outer;
};

} // namespace PixelLimit
