// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "remotelines.h"

#include <QObject>

class QListWidget;
struct Product;

// The Jobs view's coders of the plant's other lines.  Checked in the device
// list as this PC's coders are, they are given the job as a command each
// through RemoteLines (the role RunJobs, the journal with node and device,
// the outcome in the event log); their own lines check it all again against
// the catalogue and run it.  What the view shows of them is what their lines
// say (Job/State, Job/Lot, Job/Verified): a coder is never shown verified in
// the job before its line says so of that very job.
class RemoteJobs : public QObject
{
    Q_OBJECT
public:
    explicit RemoteJobs(CoderListModel *model, QObject *parent = nullptr);

    // None: the window follows no line, every coder is this PC's.
    void setLines(RemoteLines *lines);
    // This PC's coders among coders, for the job runner.
    QList<int> localOf(const QList<int> &coders) const;
    // The names of the remote coders among coders; those the product is not
    // for also in *barred.
    QStringList namesOf(const QList<int> &coders, const Product &product,
                        QStringList *barred) const;
    // Sends the job to the remote coders among coders; the names of those it
    // went to.  They make the view's remote part of the job (changed()).
    QStringList start(const QList<int> &coders, const RemoteLines::Job &job);
    // Starts printing on the job's coders whose line says they are verified;
    // false when none is.
    bool startVerified();
    // Asks the lines to end the job on its coders; those told leave the
    // view's job.  False when the view gave no line a job.  Tells changed().
    bool end();
    bool hasJob() const { return !m_coders.isEmpty(); }
    // Why "Start printing" started none of them.
    static QString notVerified();
    // Why "End job" did not reach the lines, for a job only on their coders.
    static QString notEnded(const QString &why);
    // Where a job went: this PC's job jobId (0: none) and the lines' coders.
    static QString whereText(qint64 jobId, const QString &lot, const QStringList &remote);
    // A line per coder of the job in list: "<coder>: <what its line says>".
    void listStages(QListWidget *list) const;

signals:
    // A coder of the job changed as its line told, or the job ended.
    void changed();

private:
    QString nameOf(const CoderListModel::RemoteRow &row) const;
    // The row shows the job the view sent (its line took it up).
    bool showsTheJob(const CoderListModel::RemoteRow &row) const;

    CoderListModel *m_model;
    RemoteLines *m_lines = nullptr;
    RemoteLines::Job m_job;
    QList<int> m_coders;
};
