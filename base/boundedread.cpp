// SPDX-License-Identifier: GPL-3.0-or-later
#include "boundedread.h"

#include <QIODevice>

QByteArray readAtMost(QIODevice &file, qint64 limit)
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
