// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>

// The one source of the current local date and time for items whose text
// depends on it (date/time, shift code).  Tests pin it to a fixed moment.
class Clock
{
public:
    static QDateTime now();

    // Pins now() to `at` while the object lives; the clock in use before
    // (the system clock or an outer pin) comes back when it is destroyed.
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
