// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QIODevice>

// Reads at most limit + 1 bytes in chunks, so that a small file takes a
// small buffer (QIODevice::read(n) reserves all n bytes first) and a file
// that grew past the limit since it was measured is still caught.
inline QByteArray readAtMost(QIODevice &file, qint64 limit)
{
    QByteArray bytes;
    while (bytes.size() <= limit) {
        const QByteArray chunk = file.read(qMin<qint64>(64 * 1024, limit + 1 - bytes.size()));
        if (chunk.isEmpty())
            break;
        bytes += chunk;
    }
    return bytes;
}
