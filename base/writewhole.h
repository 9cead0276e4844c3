// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

class QFileDevice;

// Writes all of bytes and flushes what Qt buffers, or returns false with the
// system's reason in *reason.  A write or flush that the disk cut short
// leaves "Unknown error" behind; writing the rest fails at once and tells
// why (disk full, file too large).  Qt 5.15's QSaveFile::commit() renames
// even when the final flush failed, so callers cancel on false, after taking
// the reason: cancelWriting() replaces it with its own.
bool writeWhole(QFileDevice &out, const QByteArray &bytes, QString *reason);
