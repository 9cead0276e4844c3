// SPDX-License-Identifier: GPL-3.0-or-later
#include "editorclock.h"

namespace {
// Invalid while nothing has pinned the clock.
QDateTime pinned;
} // namespace

QDateTime editorClock::now()
{
    return pinned.isValid() ? pinned : QDateTime::currentDateTime();
}

editorClock::Pin::Pin(const QDateTime &at) : m_previous(pinned)
{
    pinned = at;
}

editorClock::Pin::~Pin()
{
    pinned = m_previous;
}
