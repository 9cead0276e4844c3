// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// What a check of a journal folder found.
struct JournalCheck
{
    // False at the first line that breaks the chain; file and line name it.
    bool ok = true;
    QString file; // "2026-12.jsonl", or "HEAD"
    int line = 0; // in that file, from 1; 0 when the file as a whole is meant
    QString problem;
    // What a stop while writing leaves, which is no breach: a line cut off
    // at the end, a head one line behind.  The program takes it up at its
    // next start.
    QStringList warnings;
    qint64 lines = 0; // whole journal lines checked

    // "2026-12.jsonl, line 4: ..." for the operator.
    QString text() const;
};

// Checks every month file of folder and its head: each line whole and of
// this journal, numbered one after the other, chained by the hash of the line
// before, the first line of each month naming the month before, and the head
// naming the last line and the number of lines.  The one line a stop cuts
// off (no line end) passes when the line after it records it ("journal
// recovered") or when it is the last piece of the journal.  Stops at the
// first broken line; a break that a start found and recorded (a last line
// other than the head named, lines past the head, lines that are no journal
// lines) is named first at every check, and the lines after it are checked
// on.
JournalCheck checkJournal(const QString &folder);
