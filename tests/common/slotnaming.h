// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QtGlobal>

// Collects Qt's complaint about a form slot whose name matches no signal
// ("on_<object>_<signal>" with a wrong object or signal name): such a slot
// is silently never called.  Call install() in initTestCase(), after QtTest
// installed its own message handler, which this one passes every message
// on to; compare take() with an empty list in cleanup().
namespace SlotNaming {

inline QStringList &seen()
{
    static QStringList messages;
    return messages;
}

inline QtMessageHandler &previousHandler()
{
    static QtMessageHandler handler = nullptr;
    return handler;
}

inline void handle(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.contains(QLatin1String("QMetaObject::connectSlotsByName: No matching signal")))
        seen() << message;
    if (previousHandler())
        previousHandler()(type, context, message);
}

inline void install()
{
    if (!previousHandler())
        previousHandler() = qInstallMessageHandler(&handle);
}

// The complaints since the last call.
inline QStringList take()
{
    QStringList messages;
    messages.swap(seen());
    return messages;
}

} // namespace SlotNaming
