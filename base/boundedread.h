// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

class QIODevice;

// Reads at most limit + 1 bytes in chunks, so that a small file takes a
// small buffer (QIODevice::read(n) reserves all n bytes first) and a file
// that grew past the limit since it was measured is still caught: more than
// limit bytes back means too large.
QByteArray readAtMost(QIODevice &file, qint64 limit);
