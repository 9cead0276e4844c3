// SPDX-License-Identifier: GPL-3.0-or-later
#include "pixellimit.h"

#include <algorithm>

namespace PixelLimit {

LoadBudget::LoadBudget(qint64 pixels)
    : m_left(active() ? std::min(pixels, active()->m_left) : pixels), m_outer(active())
{
    active() = this;
}

LoadBudget::~LoadBudget()
{
    active() = m_outer;
}

bool LoadBudget::charge(qint64 width, qint64 height)
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

LoadBudget *&LoadBudget::active()
{
    static LoadBudget *current = nullptr;
    return current;
}

} // namespace PixelLimit
