// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// The record that carries a message file: command 0x10 to a coder, and the
// coder's current-file reply (command 0x40).
//   uint8        nameLength
//   nameLength   name (no directory part, no terminator)
//   uint32 BE    contentLength, 0xFFFFFFFF for an empty or unreadable file
//   ...          content, the file's bytes as stored
//
// Every name read from a peer passes isSafeFileName() before the record is
// accepted, because callers join it to a folder of ours.
class FileRecord
{
public:
    // Longest name, in UTF-8 bytes, that nameLength can carry.
    static constexpr int kMaxNameBytes = 255;
    static constexpr quint32 kNoContent = 0xFFFFFFFFu;

    QString name;
    QByteArray content;

    // Builds the file-transfer record (name in UTF-8). An empty content is
    // sent as "no content". Refuses, with a message in *error, a name that is
    // not a plain file name or whose UTF-8 form is longer than kMaxNameBytes.
    static bool encode(const QString &name, const QByteArray &content, QByteArray *record,
                       QString *error);

    // Reads a coder's current-file reply: the name is Latin-1 and ends early
    // at a NUL byte; the 4-byte length is skipped unchecked and every later
    // byte is the content, as coders have always sent it.
    static bool parseCurrentFile(const QByteArray &payload, FileRecord *record, QString *error);

    // Reads a file-transfer record as a coder does: UTF-8 name, content of
    // exactly contentLength bytes.
    static bool parseFileTransfer(const QByteArray &payload, FileRecord *record, QString *error);

    // True for a plain file name only (the rule of safefilename.h, which
    // also bounds it to kMaxNameBytes of UTF-8), so it cannot leave the
    // folder it is joined to on any system.
    static bool isSafeFileName(const QString &name);
};
