// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>

// Connection events and sends ("client ip:", "send data:", ...); off by default,
// QT_LOGGING_RULES="korvex.link.debug=true" switches them on.
Q_DECLARE_LOGGING_CATEGORY(lcLink)
// One line per received frame header; off by default because a busy coder
// sends many small frames. Enable with QT_LOGGING_RULES="korvex.link.frames=true".
Q_DECLARE_LOGGING_CATEGORY(lcFrames)

#include <QByteArray>

// The first bytes of data in hexadecimal, with the total size when cut, so a
// 200 KiB file frame does not flood the log.
QByteArray hexPreview(const QByteArray &data, int maxBytes = 32);
