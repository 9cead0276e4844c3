// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "usernotifier.h"

#include <functional>
#include <utility>

// While it lives, what the document layer would show in a message box goes
// to a function instead (the event log): a message that a coder sent is
// shown in the preview without a box that nobody at the PC asked for, and a
// coder cannot stack boxes on the operator's screen.  Restores the notifier
// that was in use when it goes.
class RedirectedNotifier : public UserNotifier
{
public:
    explicit RedirectedNotifier(std::function<void(const QString &)> sink)
        : m_sink(std::move(sink)), m_previous(&UserNotifier::current())
    {
        UserNotifier::install(this);
    }
    ~RedirectedNotifier() override { UserNotifier::install(m_previous); }
    RedirectedNotifier(const RedirectedNotifier &) = delete;
    RedirectedNotifier &operator=(const RedirectedNotifier &) = delete;

    void notify(Kind, QWidget *, const QString &, const QString &text) override { m_sink(text); }

private:
    std::function<void(const QString &)> m_sink;
    UserNotifier *m_previous;
};
