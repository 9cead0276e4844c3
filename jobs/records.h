// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QPair>
#include <QString>

// A save of a message file in the designer: the version by its SHA-256 and
// who saved it, so that its signer can be told apart from its author.
struct TemplateSave
{
    QString templateName;
    QString sha256; // lower-case hex of the file's bytes
    QString savedBy;
    QDateTime savedAt;
};

// The signature releasing one version of a template for production.
struct Approval
{
    enum class Method { Password, Unsigned };
    qint64 id = 0;
    QString templateName;
    QString sha256;
    QString signerName; // the printed name, as shown on the batch record
    QString account;    // the user account, or the system login with users off
    QDateTime signedAt;
    QString meaning; // "Approved for production"
    // Password: name and password entered again when signing; Unsigned: users
    // are off, so nobody's identity was checked.
    Method method = Method::Password;

    static QString methodName(Method m)
    {
        return m == Method::Password ? QStringLiteral("password") : QStringLiteral("unsigned");
    }
};

// One coder of a job: what was sent to it and what it reported back.
struct JobCoderRecord
{
    qint64 id = 0;
    qint64 jobId = 0;
    QString ip;
    QString remarkName;
    QString sentSha256;
    QString readBackSha256; // empty: nothing read back (yet)
    QString result;         // "verified", "mismatch", "no reply", ... as the job engine words it
    QDateTime resultAt;
    QDateTime startedAt; // invalid: not started (yet)
    QDateTime stoppedAt;
};

// The batch record of one job.
struct JobRecord
{
    qint64 id = 0;
    QString productCode;
    QString orderNumber;
    QString lot;
    QList<QPair<QString, QString>> fieldValues; // field name, value, in the product's order
    QString templateName;
    QString templateSha256;
    qint64 approvalId = 0; // the signature the template version was run under; 0: none
    QString messageSha256; // of the filled message sent to the coders
    QString startedBy;
    QDateTime startedAt;
    QString endedBy; // empty while the job runs
    QDateTime endedAt;
    QList<JobCoderRecord> coders;

    // The record as CSV (UTF-8 with a byte order mark, a header row): one row per coder, each
    // carrying the job's own columns, or one row without coder columns for a
    // job without coders.  Field values are one column "fields" of
    // name=value pairs separated by "; ".
    QByteArray toCsv() const;
};

// Which jobs to list: those started in [from, to) (either end open when
// invalid) and, when lot is not empty, of that lot.
struct JobQuery
{
    QDateTime from;
    QDateTime to;
    QString lot;
    int limit = 1000;
};
