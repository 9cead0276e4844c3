// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock.h"

namespace {
// Invalid while no test has pinned the clock.
QDateTime pinned;
} // namespace

QDateTime Clock::now()
{
    return pinned.isValid() ? pinned : QDateTime::currentDateTime();
}

Clock::Pin::Pin(const QDateTime &at) : m_previous(pinned)
{
    pinned = at;
}

Clock::Pin::~Pin()
{
    pinned = m_previous;
}
