// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;

// Reads at most limit + 1 bytes in chunks, so that a small file takes a
// small buffer (QIODevice::read(n) reserves all n bytes first) and a file
// that grew past the limit since it was measured is still caught: more than
// limit bytes back means too large.
QByteArray readAtMost(QIODevice &file, qint64 limit);

// The largest file the programs read whole: message files, data files, the
// files coders report.
constexpr qint64 kMaxPlainFileBytes = 16 * 1024 * 1024;

// A plain file read whole, at most limit bytes.  A FIFO would block open()
// until some writer appears and a device such as /dev/zero never ends, so
// only plain files are read; a file that is there but not plain, too large
// (before or while it is read), or that cannot be opened or read is told
// apart, with the system's reason where there is one.
struct PlainFile
{
    enum class Problem { None, NotPlain, TooLarge, CannotOpen, ReadFailed };

    QByteArray bytes;
    Problem problem = Problem::None;
    QString error; // the system's reason for CannotOpen and ReadFailed

    bool ok() const { return problem == Problem::None; }

    // textMode: line ends read as "\n", as QIODevice::Text does.
    static PlainFile read(const QString &path, qint64 limit = kMaxPlainFileBytes,
                          bool textMode = false);
};
