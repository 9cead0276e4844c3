// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Font families of the panels' font lists, by list index.  An index outside
// a list selects "simsun".
namespace fontFamilies {
// Text items (16 entries).
QString forText(int index);
// Counter and time items: the text list without its last entry.
QString forCounterOrTime(int index);
// Counter-2 items (16 entries, another order).
QString forCounter2(int index);
} // namespace fontFamilies
