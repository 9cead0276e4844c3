// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>

// What the code reader after one coder made of a job's codes: the batch
// record's reader counts, one row per job, coder and reader.
struct ReaderCounts
{
    qint64 jobId = 0;
    QString coder;  // the coder's IP text, as the job's coders are named
    QString reader; // the reader's name in korvex.conf ("1" of [reader.1])
    qint64 good = 0;
    qint64 bad = 0;
    qint64 noRead = 0;
    qint64 notCompared = 0; // read while the codes could not be known
    QDateTime updatedAt;
};

// One daily challenge of a coder's reader: a deliberately wrong or missing
// code must stop the coder within the product's number of bad reads.
struct ChallengeRecord
{
    qint64 id = 0;
    QString coder; // IP text
    QString reader;
    qint64 jobId = 0; // 0: the coder ran no job
    bool passed = false;
    QString by; // who started it
    QDateTime startedAt;
    QDateTime endedAt;
    int readsSeen = 0;
    QString detail; // why it failed, in words; empty when it passed

    static QString resultName(bool passed)
    {
        return passed ? QStringLiteral("passed") : QStringLiteral("failed");
    }
};
