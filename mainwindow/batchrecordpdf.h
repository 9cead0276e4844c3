// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "readerrecords.h"
#include "records.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QImage>
#include <QString>

// The batch record of one job on one A4 page: product, order, lot, the
// field values, the template and its signature, the filled message's
// SHA-256 with a picture of it as it printed at the job's start, per coder
// the read-back result and its times, the code readers' counts and challenge
// tests, and who started and ended the job.
class BatchRecordPdf
{
    Q_DECLARE_TR_FUNCTIONS(BatchRecordPdf)
public:
    struct Input
    {
        JobRecord job;
        QString productName;
        QString signature;   // TemplateSigning::describe of the job's approval
        QString messagePath; // the filled message; empty: not found
        // What the code readers after its coders made of the codes.
        QList<ReaderCounts> readerCounts;
        QList<ChallengeRecord> challenges;
    };

    // The filled message of the job in folder: the file whose SHA-256 is the
    // one sent, so that the picture is of the very message.  Empty if none.
    static QString findMessage(const QString &folder, const QString &sha256);
    // The message drawn as the designer shows it, its dates as at moment.
    static QImage render(const QString &messagePath, const QDateTime &moment, QString *error);
    // Writes the page whole or not at all (an existing file stays on
    // failure).  Empty when written, else why not.
    static QString write(const Input &input, const QString &path);
};
