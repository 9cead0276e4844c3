// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QObject>
#include <QQueue>
#include <QTimer>

// Writes the local copies of files sent to coders, one per turn of the event
// loop. Each copy is synced to disk (some milliseconds); a hundred coders
// written in one go would freeze the window and hold back the sends.
class DeviceCopyQueue : public QObject
{
    Q_OBJECT
public:
    explicit DeviceCopyQueue(QObject *parent = nullptr);

    // Replaces devices/<ipText>/<name> with content, soon.
    void enqueue(const QString &ipText, const QString &name, const QByteArray &content);
    bool isEmpty() const { return m_pending.isEmpty(); }

signals:
    void copyFailed(const QString &ipText, const QString &reason);

private:
    void writeNext();

    struct Copy
    {
        QString ipText;
        QString name;
        QByteArray content; // shared with the frame's source, not duplicated
    };
    QQueue<Copy> m_pending;
    QTimer m_timer;
};
