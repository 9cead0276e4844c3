// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QtGlobal>

// Collects Qt's complaint about a form slot whose name matches no signal
// ("on_<object>_<signal>" with a wrong object or signal name): such a slot
// is silently never called.  Tests check seen() stays empty.  Create it in
// initTestCase(): QtTest installs its own handler when it starts running the
// test object, and this one passes every message on to it.
class slotNamingGuard
{
public:
    slotNamingGuard() { previous() = qInstallMessageHandler(&slotNamingGuard::handle); }
    ~slotNamingGuard() { qInstallMessageHandler(previous()); }

    static QStringList &seen()
    {
        static QStringList messages;
        return messages;
    }

private:
    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        if (message.contains(QLatin1String("QMetaObject::connectSlotsByName: No matching signal")))
            seen() << message;
        if (previous())
            previous()(type, context, message);
    }

    static QtMessageHandler &previous()
    {
        static QtMessageHandler handler = nullptr;
        return handler;
    }
};
