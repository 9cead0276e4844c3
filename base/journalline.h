// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>

#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include <functional>
#include <optional>

// One line of the journal as read back: its own keys taken out and checked
// for shape, the whole object kept for the action's fields.
struct JournalLine
{
    QJsonObject object;
    qint64 number = 0;
    QString id;       // "journal"
    QByteArray prev;  // hex; empty on the first line
    QString prevFile; // on the first line of a month: the file of the line before
    QString action;

    // Null for bytes that are not a journal line: not a JSON object, or a
    // number, identity, "prev", time or action missing or of the wrong kind.
    static std::optional<JournalLine> parse(const QByteArray &raw);
};

// The journal's head file as read back.
struct JournalHead
{
    bool present = false;
    bool damaged = false; // present, but not a head
    QString id;
    qint64 count = 0;
    QByteArray last; // hash of the last line, hex
    QString file;    // the month file of the last line

    // *bytes, when given, receives the file's bytes (at most 64 KiB).
    static JournalHead read(const QString &path, QByteArray *bytes = nullptr);
};

// A line's time as it was on the PC that wrote it: its UTC "time" at its
// "offset" ("+01:00").
QDateTime journalLocalTime(const QJsonObject &line);

// Calls visit for every whole journal line of the month files of folder from
// firstFile to lastFile (names "YYYY-MM.jsonl"; empty: no bound), oldest
// first, until it returns false.  What is not a journal line is passed over:
// checking is journalcheck.h's.  A line written after the clock was set back
// is in a later month than its time.
void forEachJournalLine(const QString &folder, const QString &firstFile, const QString &lastFile,
                        const std::function<bool(const JournalLine &, const QString &file)> &visit);
