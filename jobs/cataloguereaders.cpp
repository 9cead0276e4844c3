// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogue's records of the code readers: the reads counted per job and
// the daily challenges.
#include "catalogue.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("Catalogue", text);
}

QString text(const QString &value)
{
    return value.isNull() ? QString(QLatin1String("")) : value;
}

} // namespace

CatalogueStatus Catalogue::recordReaderCounts(const ReaderCounts &c)
{
    CatalogueStatus status = ready();
    if (!status.ok() || !(status = begin()).ok())
        return status;
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral(
        "INSERT INTO reader_counts (job_id, coder, reader, good, bad, no_read, not_compared,"
        " updated_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"
        " ON CONFLICT (job_id, coder, reader) DO UPDATE SET good = excluded.good,"
        " bad = excluded.bad, no_read = excluded.no_read, not_compared = excluded.not_compared,"
        " updated_at = excluded.updated_at"));
    q.addBindValue(c.jobId);
    q.addBindValue(text(c.coder));
    q.addBindValue(text(c.reader));
    q.addBindValue(c.good);
    q.addBindValue(c.bad);
    q.addBindValue(c.noRead);
    q.addBindValue(c.notCompared);
    q.addBindValue(stamp(c.updatedAt));
    if (!q.exec())
        status = failed(q, tr("record the reads of job %1").arg(c.jobId));
    if (status.ok())
        status = commit();
    else
        rollback();
    return status;
}

CatalogueStatus Catalogue::readerCounts(qint64 jobId, QList<ReaderCounts> *out)
{
    out->clear();
    CatalogueStatus status = ready();
    if (!status.ok())
        return status;
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("SELECT coder, reader, good, bad, no_read, not_compared, updated_at"
                             " FROM reader_counts WHERE job_id = ? ORDER BY coder, reader"));
    q.addBindValue(jobId);
    if (!q.exec())
        return failed(q, tr("read the reads of job %1").arg(jobId));
    while (q.next()) {
        ReaderCounts c;
        c.jobId = jobId;
        c.coder = q.value(0).toString();
        c.reader = q.value(1).toString();
        c.good = q.value(2).toLongLong();
        c.bad = q.value(3).toLongLong();
        c.noRead = q.value(4).toLongLong();
        c.notCompared = q.value(5).toLongLong();
        c.updatedAt = timeFromText(q.value(6).toString());
        out->append(c);
    }
    if (q.lastError().isValid())
        return failed(q, tr("read the reads of job %1").arg(jobId));
    return {};
}

CatalogueStatus Catalogue::addChallenge(ChallengeRecord *c)
{
    if (c->by.isEmpty())
        return CatalogueStatus::failure(CatalogueStatus::Kind::Invalid,
                                        tr("A challenge test needs who started it."));
    CatalogueStatus status = ready();
    if (!status.ok() || !(status = begin()).ok())
        return status;
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral(
        "INSERT INTO reader_challenges (coder, reader, job_id, result, started_by, started_at,"
        " ended_at, reads_seen, detail) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?) RETURNING id"));
    q.addBindValue(text(c->coder));
    q.addBindValue(text(c->reader));
    q.addBindValue(c->jobId > 0 ? QVariant(c->jobId) : QVariant(QVariant::LongLong));
    q.addBindValue(ChallengeRecord::resultName(c->passed));
    q.addBindValue(text(c->by));
    q.addBindValue(stamp(c->startedAt));
    q.addBindValue(stamp(c->endedAt));
    q.addBindValue(c->readsSeen);
    q.addBindValue(text(c->detail));
    if (!q.exec() || !q.next())
        status = failed(q, tr("record the challenge test of %1").arg(c->coder));
    else
        c->id = q.value(0).toLongLong();
    q.finish();
    if (status.ok())
        status = commit();
    else
        rollback();
    return status;
}

CatalogueStatus Catalogue::challenges(const QDateTime &from, const QDateTime &to,
                                      const QString &coder, QList<ChallengeRecord> *out)
{
    out->clear();
    CatalogueStatus status = ready();
    if (!status.ok())
        return status;
    QString sql = QStringLiteral("SELECT id, coder, reader, job_id, result, started_by, "
                                 "started_at, ended_at, reads_seen, detail"
                                 " FROM reader_challenges WHERE 1 = 1");
    if (from.isValid())
        sql += QStringLiteral(" AND ended_at >= ?");
    if (to.isValid())
        sql += QStringLiteral(" AND ended_at < ?");
    if (!coder.isEmpty())
        sql += QStringLiteral(" AND coder = ?");
    sql += QStringLiteral(" ORDER BY ended_at, id LIMIT %1").arg(kMaxPage);
    QSqlQuery q(m_db);
    q.prepare(sql);
    if (from.isValid())
        q.addBindValue(timeText(from));
    if (to.isValid())
        q.addBindValue(timeText(to));
    if (!coder.isEmpty())
        q.addBindValue(coder);
    if (!q.exec())
        return failed(q, tr("read the challenge tests"));
    while (q.next()) {
        ChallengeRecord c;
        c.id = q.value(0).toLongLong();
        c.coder = q.value(1).toString();
        c.reader = q.value(2).toString();
        c.jobId = q.value(3).toLongLong();
        c.passed = q.value(4).toString() == ChallengeRecord::resultName(true);
        c.by = q.value(5).toString();
        c.startedAt = timeFromText(q.value(6).toString());
        c.endedAt = timeFromText(q.value(7).toString());
        c.readsSeen = q.value(8).toInt();
        c.detail = q.value(9).toString();
        out->append(c);
    }
    if (q.lastError().isValid())
        return failed(q, tr("read the challenge tests"));
    return {};
}
