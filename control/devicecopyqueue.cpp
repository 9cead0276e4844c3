// SPDX-License-Identifier: GPL-3.0-or-later
#include "devicecopyqueue.h"

#include "devicefolder.h"

DeviceCopyQueue::DeviceCopyQueue(QObject *parent) : QObject(parent)
{
    m_timer.setInterval(0);
    connect(&m_timer, &QTimer::timeout, this, &DeviceCopyQueue::writeNext);
}

void DeviceCopyQueue::enqueue(const QString &ipText, const QString &name, const QByteArray &content)
{
    m_pending.enqueue({ipText, name, content});
    m_timer.start();
}

void DeviceCopyQueue::writeNext()
{
    if (m_pending.isEmpty()) {
        m_timer.stop();
        return;
    }
    const Copy copy = m_pending.dequeue();
    QString error;
    if (!DeviceFolder::writeFile(copy.ipText, copy.name, copy.content, &error))
        emit copyFailed(copy.ipText, error);
    if (m_pending.isEmpty())
        m_timer.stop();
}
