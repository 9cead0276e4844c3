// SPDX-License-Identifier: GPL-3.0-or-later
#include "boundedread.h"

#include <QFile>
#include <QFileInfo>
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

PlainFile PlainFile::read(const QString &path, qint64 limit, bool textMode)
{
    PlainFile result;
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        result.problem = Problem::NotPlain;
        return result;
    }
    if (info.size() > limit) {
        result.problem = Problem::TooLarge;
        return result;
    }
    QFile file(path);
    if (!file.open(textMode ? QIODevice::ReadOnly | QIODevice::Text : QIODevice::ReadOnly)) {
        result.problem = Problem::CannotOpen;
        result.error = file.errorString();
        return result;
    }
    result.bytes = readAtMost(file, limit);
    if (result.bytes.size() > limit) {
        result.bytes.clear();
        result.problem = Problem::TooLarge;
    } else if (file.error() != QFileDevice::NoError) {
        result.bytes.clear();
        result.problem = Problem::ReadFailed;
        result.error = file.errorString();
    }
    return result;
}
