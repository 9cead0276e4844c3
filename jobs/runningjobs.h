// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records.h"

#include <QHash>
#include <QList>
#include <QString>

// The jobs a station runs, kept in "Jobs/running.json" from the moment a
// job's message may go out until its end is recorded.  A service that dies
// (a kill, the power) finds them there when it starts again: their coders
// may still print the job's message, so the job goes on being known and can
// be ended like any other, and each coder that comes back is taken as one
// that reconnected during the job.
namespace RunningJobs {

constexpr const char *kFileName = "running.json";

// An entry whose record has no id (0) is a job that was being started: its
// batch record may or may not have been written when the service stopped,
// and its message was not sent yet.
struct Entry
{
    JobRecord record;    // what the batch record holds of the job (without coders' states)
    QString messageName; // the filled message in "Jobs/"
    QHash<QString, qint64> coderIds; // IP text -> its coder's id in the batch record
};

QByteArray toJson(const QList<Entry> &jobs);
// False with the reason for a file that is not one of these.
bool fromJson(const QByteArray &bytes, QList<Entry> *jobs, QString *error);

// Writes the file whole (an empty list removes it); false with the reason.
bool save(const QString &folder, const QList<Entry> &jobs, QString *error);
// The jobs of the file; none when there is none.  A file that cannot be
// read is put aside (see keepAside) and *problem says so.
QList<Entry> load(const QString &folder, QString *problem);

// Renames a file that cannot be read to "<path>.damaged-<UTC time>", never
// overwriting it, so that someone can still look into it.  Returns the name
// it has now (path itself when it could not be renamed).
QString keepAside(const QString &path);

} // namespace RunningJobs
