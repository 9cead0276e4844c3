// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>

// Where the standalone editor takes the current date and time from.  Time
// items read it once, when they are built; tests pin a fixed moment.
class editorClock
{
public:
    static QDateTime now();

    // Pins now() to `at` while the object lives; the clock in use before
    // (the system clock or an outer pin) comes back when it is destroyed, so
    // a test cannot leave the clock pinned for the next one.
    class Pin
    {
    public:
        explicit Pin(const QDateTime &at);
        ~Pin();
        Pin(const Pin &) = delete;
        Pin &operator=(const Pin &) = delete;

    private:
        QDateTime m_previous; // invalid: the system clock
    };
};
