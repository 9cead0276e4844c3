// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <QtGlobal>

namespace ResidentMemory {

// Resident memory of this process in KiB (VmRSS), or -1 without /proc.
inline qint64 kib()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

} // namespace ResidentMemory
