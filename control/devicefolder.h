// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// The per-coder folders "devices/" + IP text: copies of the files sent to a
// coder and of the file it reports as current. Nothing is ever written
// outside such a folder, and a file is replaced whole or not at all.
namespace DeviceFolder {

constexpr int kMaxFileNameBytes = 255; // the longest name most file systems take

// "devices/<ipText>", relative to the working folder.
QString path(const QString &ipText);

// Creates the folder when missing; false with a reason in *error.
bool ensure(const QString &ipText, QString *error);

// Replaces devices/<ipText>/<name> with content, atomically. Refuses an
// empty or unsafe IP text, and a name that is not a plain file name or is
// longer than kMaxFileNameBytes in UTF-8.
bool writeFile(const QString &ipText, const QString &name, const QByteArray &content,
               QString *error);

} // namespace DeviceFolder
