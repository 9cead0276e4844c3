// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>

#include <functional>

// The screenshot tools run the event loop while they wait for what they
// are about to picture.
namespace Shots {

inline bool waitFor(const std::function<bool()> &done, int ms)
{
    QDeadlineTimer deadline(ms);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

inline void pause(int ms)
{
    waitFor([] { return false; }, ms);
}

} // namespace Shots
