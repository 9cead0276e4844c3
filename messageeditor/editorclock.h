// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <functional>

// Where the standalone editor takes the current date and time from.  Time
// items read it once, when they are built; tests install a fixed moment.
class editorClock
{
public:
    using Source = std::function<QDateTime()>;

    static QDateTime now();
    // An empty source restores the system clock.
    static void install(Source source);
};
