// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QtGlobal>

// Collects Qt's complaint about a form slot whose name matches no signal
// ("on_<object>_<signal>" with a wrong object or signal name): such a slot
// is silently never called.  Tests check seen() stays empty.
class slotNamingGuard
{
public:
    slotNamingGuard() { s_previous = qInstallMessageHandler(&slotNamingGuard::handle); }
    ~slotNamingGuard() { qInstallMessageHandler(s_previous); }

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
        if (s_previous)
            s_previous(type, context, message);
    }

    static inline QtMessageHandler s_previous = nullptr;
};
