// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QString>

// Writes all of bytes and flushes what Qt buffers, or returns false with the
// system's reason in *reason.  A write or flush that the disk cut short
// leaves "Unknown error" behind; writing the rest fails at once and tells
// why (disk full, file too large).  Qt 5.15's QSaveFile::commit() renames
// even when the final flush failed, so callers cancel on false.
inline bool writeWhole(QFileDevice &out, const QByteArray &bytes, QString *reason)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 n = out.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0) {
            *reason = out.errorString();
            return false;
        }
        done += n;
    }
    // A flush cut short gives no reason either; flushing the rest does.
    if (out.flush() || out.flush())
        return true;
    *reason = out.errorString();
    return false;
}
