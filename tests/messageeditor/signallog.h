// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMetaMethod>
#include <QSignalSpy>
#include <QStringList>
#include <memory>
#include <vector>

// Records every signal that an object's own class declares, so that a test
// sees both what was emitted and that nothing else was.
class signalLog
{
public:
    explicit signalLog(QObject *watched)
    {
        const QMetaObject *meta = watched->metaObject();
        for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
            const QMetaMethod method = meta->method(i);
            if (method.methodType() != QMetaMethod::Signal)
                continue;
            // QSignalSpy takes the signal in the form SIGNAL() produces.
            m_spies.push_back({method.name(), std::make_unique<QSignalSpy>(
                                                  watched, "2" + method.methodSignature())});
        }
    }

    // One "name(arguments)" per emission, sorted: spies of different
    // signals cannot tell their relative order.
    QStringList entries() const
    {
        QStringList out;
        for (const auto &s : m_spies) {
            for (const QList<QVariant> &args : *s.spy) {
                QStringList shown;
                for (const QVariant &a : args)
                    shown << a.toString();
                out << QString::fromLatin1(s.name) + '(' + shown.join(',') + ')';
            }
        }
        out.sort();
        return out;
    }

private:
    struct watchedSignal
    {
        QByteArray name;
        std::unique_ptr<QSignalSpy> spy;
    };
    std::vector<watchedSignal> m_spies;
};
