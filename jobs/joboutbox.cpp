// SPDX-License-Identifier: GPL-3.0-or-later
#include "joboutbox.h"

#include "runningjobs.h"

#include "boundedread.h"
#include "catalogue.h"
#include "writewhole.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace {

constexpr int kFileVersion = 1;

QString timeOrEmpty(const QDateTime &t)
{
    return t.isValid() ? Catalogue::timeText(t) : QString();
}

QDateTime timeOrInvalid(const QJsonValue &v)
{
    return v.toString().isEmpty() ? QDateTime() : Catalogue::timeFromText(v.toString());
}

} // namespace

JobOutbox::JobOutbox(Catalogue *catalogue, const QString &folder, QObject *parent)
    : QObject(parent), m_catalogue(catalogue), m_folder(folder)
{
    m_retry.setSingleShot(true);
    connect(&m_retry, &QTimer::timeout, this, &JobOutbox::flush);
    load();
}

QString JobOutbox::filePath() const
{
    return QDir(m_folder).filePath(m_fileName);
}

void JobOutbox::setRetry(int firstMs, int longestMs)
{
    m_firstRetryMs = qMax(1, firstMs);
    m_longestRetryMs = qMax(m_firstRetryMs, longestMs);
    m_nextRetryMs = m_firstRetryMs;
    if (m_retry.isActive())
        m_retry.start(m_nextRetryMs);
}

bool JobOutbox::write(const Write &write)
{
    if (m_queue.isEmpty()) {
        const CatalogueStatus sent = send(write);
        if (sent.ok())
            return true;
        if (sent.kind != CatalogueStatus::Kind::Unavailable) {
            emit problem(
                tr("The batch record cannot take %1: %2").arg(describe(write), sent.reason));
            return false;
        }
        emit problem(tr("The batch record cannot be written now (%1); %2 waits and is written "
                        "when the catalogue is back.")
                         .arg(sent.reason, describe(write)));
    }
    m_queue.append(write);
    save();
    emit waitingChanged(m_queue.size());
    scheduleRetry();
    return false;
}

CatalogueStatus JobOutbox::send(const Write &write)
{
    if (m_writer)
        return m_writer(write);
    if (write.kind == Write::Kind::Coder)
        return m_catalogue->updateJobCoder(write.coder);
    CatalogueStatus ended = m_catalogue->endJob(write.jobId, write.by, write.at);
    // Written by an earlier try whose answer was lost on the way.
    if (ended.kind == CatalogueStatus::Kind::Conflict)
        ended = CatalogueStatus();
    return ended;
}

void JobOutbox::flush()
{
    m_retry.stop();
    const int before = m_queue.size();
    while (!m_queue.isEmpty()) {
        const CatalogueStatus sent = send(m_queue.first());
        if (sent.kind == CatalogueStatus::Kind::Unavailable)
            break;
        const Write done = m_queue.takeFirst();
        if (!sent.ok())
            emit problem(
                tr("The batch record cannot take %1: %2").arg(describe(done), sent.reason));
    }
    if (m_queue.size() != before) {
        save();
        emit waitingChanged(m_queue.size());
    }
    if (m_queue.isEmpty()) {
        m_nextRetryMs = m_firstRetryMs;
        return;
    }
    if (m_queue.size() == before)
        m_nextRetryMs = qMin(m_nextRetryMs * 2, m_longestRetryMs);
    scheduleRetry();
}

void JobOutbox::scheduleRetry()
{
    if (!m_retry.isActive())
        m_retry.start(m_nextRetryMs);
}

QString JobOutbox::describe(const Write &write) const
{
    return write.kind == Write::Kind::End ? tr("the end of job %1").arg(write.jobId)
                                          : tr("the state \"%1\" of coder %2 in job %3")
                                                .arg(write.coder.result, write.coder.ip)
                                                .arg(write.coder.jobId);
}

QByteArray JobOutbox::toJson(const QList<Write> &writes)
{
    QJsonArray list;
    for (const Write &w : writes) {
        if (w.kind == Write::Kind::End) {
            list.append(QJsonObject{{QStringLiteral("kind"), QStringLiteral("end")},
                                    {QStringLiteral("job"), w.jobId},
                                    {QStringLiteral("by"), w.by},
                                    {QStringLiteral("at"), timeOrEmpty(w.at)}});
            continue;
        }
        const JobCoderRecord &c = w.coder;
        list.append(QJsonObject{{QStringLiteral("kind"), QStringLiteral("coder")},
                                {QStringLiteral("job"), c.jobId},
                                {QStringLiteral("id"), c.id},
                                {QStringLiteral("ip"), c.ip},
                                {QStringLiteral("name"), c.remarkName},
                                {QStringLiteral("sent"), c.sentSha256},
                                {QStringLiteral("readBack"), c.readBackSha256},
                                {QStringLiteral("result"), c.result},
                                {QStringLiteral("resultAt"), timeOrEmpty(c.resultAt)},
                                {QStringLiteral("startedAt"), timeOrEmpty(c.startedAt)},
                                {QStringLiteral("stoppedAt"), timeOrEmpty(c.stoppedAt)}});
    }
    return QJsonDocument(QJsonObject{{QStringLiteral("version"), kFileVersion},
                                     {QStringLiteral("writes"), list}})
        .toJson(QJsonDocument::Indented);
}

bool JobOutbox::fromJson(const QByteArray &json, QList<Write> *writes, QString *error)
{
    QJsonParseError parsed;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parsed);
    if (!document.isObject()) {
        *error =
            parsed.error != QJsonParseError::NoError
                ? tr("it is no JSON (%1 at byte %2)").arg(parsed.errorString()).arg(parsed.offset)
                : tr("it holds no object");
        return false;
    }
    const QJsonObject top = document.object();
    if (top.value(QStringLiteral("version")).toInt() != kFileVersion) {
        *error = tr("its version %1 is not %2")
                     .arg(top.value(QStringLiteral("version")).toVariant().toString())
                     .arg(kFileVersion);
        return false;
    }
    QList<Write> found;
    const QJsonArray list = top.value(QStringLiteral("writes")).toArray();
    for (int i = 0; i < list.size(); ++i) {
        const QJsonObject o = list.at(i).toObject();
        const QString kind = o.value(QStringLiteral("kind")).toString();
        const qint64 job = o.value(QStringLiteral("job")).toVariant().toLongLong();
        Write w;
        if (kind == QLatin1String("end")) {
            w.kind = Write::Kind::End;
            w.jobId = job;
            w.by = o.value(QStringLiteral("by")).toString();
            w.at = timeOrInvalid(o.value(QStringLiteral("at")));
        } else if (kind == QLatin1String("coder")) {
            JobCoderRecord &c = w.coder;
            w.jobId = c.jobId = job;
            c.id = o.value(QStringLiteral("id")).toVariant().toLongLong();
            c.ip = o.value(QStringLiteral("ip")).toString();
            c.remarkName = o.value(QStringLiteral("name")).toString();
            c.sentSha256 = o.value(QStringLiteral("sent")).toString();
            c.readBackSha256 = o.value(QStringLiteral("readBack")).toString();
            c.result = o.value(QStringLiteral("result")).toString();
            c.resultAt = timeOrInvalid(o.value(QStringLiteral("resultAt")));
            c.startedAt = timeOrInvalid(o.value(QStringLiteral("startedAt")));
            c.stoppedAt = timeOrInvalid(o.value(QStringLiteral("stoppedAt")));
        } else {
            *error = tr("write %1 is of no known kind (\"%2\")").arg(i + 1).arg(kind);
            return false;
        }
        if (job <= 0 || (w.kind == Write::Kind::Coder && w.coder.id <= 0)) {
            *error = tr("write %1 names no job or coder record").arg(i + 1);
            return false;
        }
        found << w;
    }
    *writes = found;
    return true;
}

void JobOutbox::save()
{
    const QString path = filePath();
    QString reason;
    if (m_queue.isEmpty()) {
        if (QFile::exists(path) && !QFile::remove(path))
            emit problem(
                tr("%1 cannot be removed; its writes are all in the catalogue.").arg(path));
        return;
    }
    if (!QDir().mkpath(m_folder)) {
        reason = tr("the folder cannot be made");
    } else {
        QSaveFile out(path);
        if (!out.open(QIODevice::WriteOnly) || !writeWhole(out, toJson(m_queue), &reason) ||
            !out.commit()) {
            if (reason.isEmpty())
                reason = out.errorString();
            out.cancelWriting();
        }
    }
    if (!reason.isEmpty())
        emit problem(tr("The %1 waiting batch-record writes cannot be kept in %2 (%3): a restart "
                        "now would lose them.")
                         .arg(m_queue.size())
                         .arg(path, reason));
}

// A file that cannot be read is put aside, never overwritten: someone can
// still bring its writes in by hand.
void JobOutbox::load()
{
    const QString path = filePath();
    if (!QFile::exists(path))
        return;
    const PlainFile file = PlainFile::read(path);
    QString error =
        file.ok() || !file.error.isEmpty() ? file.error : tr("it is too large or no plain file");
    QList<Write> found;
    if (file.ok() && fromJson(file.bytes, &found, &error)) {
        m_queue = found;
        if (!m_queue.isEmpty())
            QTimer::singleShot(0, this, &JobOutbox::flush);
        return;
    }
    const QString aside = RunningJobs::keepAside(path);
    const bool moved = aside != path;
    if (!moved)
        m_fileName = QStringLiteral("outbox-") +
                     QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddHHmmss")) +
                     QStringLiteral(".json");
    const QString text = tr("%1 cannot be read (%2); it is kept as %3 and no write of it is "
                            "in the batch record.")
                             .arg(path, error, moved ? aside : path);
    QTimer::singleShot(0, this, [this, text] { emit problem(text); });
}
