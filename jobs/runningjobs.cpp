// SPDX-License-Identifier: GPL-3.0-or-later
#include "runningjobs.h"

#include "boundedread.h"
#include "writewhole.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace RunningJobs {

namespace {

constexpr int kVersion = 1;

QString tr(const char *text)
{
    return QCoreApplication::translate("RunningJobs", text);
}

} // namespace

QByteArray toJson(const QList<Entry> &jobs)
{
    QJsonArray list;
    for (const Entry &e : jobs) {
        const JobRecord &r = e.record;
        QJsonArray fields;
        for (const auto &f : r.fieldValues)
            fields.append(QJsonArray{f.first, f.second});
        QJsonArray coders;
        for (const JobCoderRecord &c : r.coders)
            coders.append(QJsonObject{{QStringLiteral("ip"), c.ip},
                                      {QStringLiteral("name"), c.remarkName},
                                      {QStringLiteral("id"), e.coderIds.value(c.ip, c.id)}});
        list.append(QJsonObject{
            {QStringLiteral("job"), r.id},
            {QStringLiteral("message"), e.messageName},
            {QStringLiteral("product"), r.productCode},
            {QStringLiteral("order"), r.orderNumber},
            {QStringLiteral("lot"), r.lot},
            {QStringLiteral("fields"), fields},
            {QStringLiteral("template"), r.templateName},
            {QStringLiteral("templateSha256"), r.templateSha256},
            {QStringLiteral("approval"), r.approvalId},
            {QStringLiteral("sha256"), r.messageSha256},
            {QStringLiteral("startedBy"), r.startedBy},
            {QStringLiteral("startedAt"), r.startedAt.toUTC().toString(Qt::ISODateWithMs)},
            {QStringLiteral("coders"), coders}});
    }
    return QJsonDocument(
               QJsonObject{{QStringLiteral("version"), kVersion}, {QStringLiteral("jobs"), list}})
        .toJson(QJsonDocument::Indented);
}

bool fromJson(const QByteArray &bytes, QList<Entry> *jobs, QString *error)
{
    QJsonParseError parsed;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &parsed);
    if (parsed.error != QJsonParseError::NoError || !doc.isObject()) {
        *error = tr("it is no JSON object (%1)").arg(parsed.errorString());
        return false;
    }
    const QJsonObject root = doc.object();
    if (root.value(QStringLiteral("version")).toInt() != kVersion) {
        *error = tr("it is of no known version");
        return false;
    }
    QList<Entry> found;
    const QJsonArray list = root.value(QStringLiteral("jobs")).toArray();
    for (int i = 0; i < list.size(); ++i) {
        const QJsonObject o = list.at(i).toObject();
        Entry e;
        JobRecord &r = e.record;
        r.id = o.value(QStringLiteral("job")).toVariant().toLongLong();
        e.messageName = o.value(QStringLiteral("message")).toString();
        // The name of a file in "Jobs/", never a path anywhere else.
        if (r.id < 0 || e.messageName.isEmpty() || e.messageName.contains(QLatin1Char('/')) ||
            e.messageName.contains(QLatin1Char('\\')) ||
            e.messageName.startsWith(QLatin1Char('.'))) {
            *error = tr("job %1 of the file names no job or no message of its own").arg(i + 1);
            return false;
        }
        r.productCode = o.value(QStringLiteral("product")).toString();
        r.orderNumber = o.value(QStringLiteral("order")).toString();
        r.lot = o.value(QStringLiteral("lot")).toString();
        for (const QJsonValue &f : o.value(QStringLiteral("fields")).toArray())
            r.fieldValues.append({f.toArray().at(0).toString(), f.toArray().at(1).toString()});
        r.templateName = o.value(QStringLiteral("template")).toString();
        r.templateSha256 = o.value(QStringLiteral("templateSha256")).toString();
        r.approvalId = o.value(QStringLiteral("approval")).toVariant().toLongLong();
        r.messageSha256 = o.value(QStringLiteral("sha256")).toString();
        r.startedBy = o.value(QStringLiteral("startedBy")).toString();
        r.startedAt = QDateTime::fromString(o.value(QStringLiteral("startedAt")).toString(),
                                            Qt::ISODateWithMs);
        for (const QJsonValue &v : o.value(QStringLiteral("coders")).toArray()) {
            const QJsonObject c = v.toObject();
            JobCoderRecord coder;
            coder.jobId = r.id;
            coder.ip = c.value(QStringLiteral("ip")).toString();
            coder.remarkName = c.value(QStringLiteral("name")).toString();
            coder.id = c.value(QStringLiteral("id")).toVariant().toLongLong();
            coder.sentSha256 = r.messageSha256;
            if (coder.ip.isEmpty()) {
                *error = tr("a coder of job %1 has no address").arg(r.id);
                return false;
            }
            e.coderIds.insert(coder.ip, coder.id);
            r.coders << coder;
        }
        found << e;
    }
    *jobs = found;
    return true;
}

bool save(const QString &folder, const QList<Entry> &jobs, QString *error)
{
    const QString path = QDir(folder).filePath(QString::fromLatin1(kFileName));
    if (jobs.isEmpty()) {
        if (QFile::exists(path) && !QFile::remove(path)) {
            *error = tr("%1 cannot be removed").arg(path);
            return false;
        }
        return true;
    }
    if (!QDir().mkpath(folder)) {
        *error = tr("the folder %1 cannot be made").arg(folder);
        return false;
    }
    QSaveFile out(path);
    QString reason;
    if (!out.open(QIODevice::WriteOnly) || !writeWhole(out, toJson(jobs), &reason) ||
        !out.commit()) {
        *error = tr("%1 cannot be written (%2)")
                     .arg(path, reason.isEmpty() ? out.errorString() : reason);
        out.cancelWriting();
        return false;
    }
    return true;
}

QList<Entry> load(const QString &folder, QString *problem)
{
    const QString path = QDir(folder).filePath(QString::fromLatin1(kFileName));
    if (!QFile::exists(path))
        return {};
    const PlainFile file = PlainFile::read(path);
    QString error =
        file.ok() || !file.error.isEmpty() ? file.error : tr("it is too large or no plain file");
    QList<Entry> found;
    if (file.ok() && fromJson(file.bytes, &found, &error))
        return found;
    const QString aside = keepAside(path);
    *problem = tr("%1 cannot be read (%2); it is kept as %3. Jobs that ran when the service "
                  "stopped are not known to it, and their batch records stay open.")
                   .arg(path, error, aside);
    return {};
}

QString keepAside(const QString &path)
{
    const QString aside =
        path + QStringLiteral(".damaged-") +
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddHHmmss"));
    return QFile::rename(path, aside) ? aside : path;
}

} // namespace RunningJobs
