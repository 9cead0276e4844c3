// SPDX-License-Identifier: GPL-3.0-or-later
#include "remotejobs.h"

#include "jobspanel.h"
#include "product.h"

#include <QListWidget>

RemoteJobs::RemoteJobs(CoderListModel *model, QObject *parent) : QObject(parent), m_model(model) {}

void RemoteJobs::setLines(RemoteLines *lines)
{
    if (m_lines)
        disconnect(m_lines, nullptr, this, nullptr);
    m_lines = lines;
    if (m_lines) {
        connect(m_lines, &RemoteLines::shown, this, [this](int descriptor) {
            if (m_coders.contains(descriptor))
                emit changed();
        });
    }
}

QList<int> RemoteJobs::localOf(const QList<int> &coders) const
{
    QList<int> local;
    for (const int descriptor : coders) {
        if (!m_model->remote(descriptor))
            local << descriptor;
    }
    return local;
}

QString RemoteJobs::nameOf(const CoderListModel::RemoteRow &row) const
{
    const QString coder = row.remarkName.isEmpty()
                              ? row.ipText
                              : QStringLiteral("%1 (%2)").arg(row.remarkName, row.ipText);
    return tr("%1 on %2").arg(coder, row.node);
}

QStringList RemoteJobs::namesOf(const QList<int> &coders, const Product &product,
                                QStringList *barred) const
{
    QStringList names;
    for (const int descriptor : coders) {
        const CoderListModel::RemoteRow *row = m_model->remote(descriptor);
        if (!row)
            continue;
        names << nameOf(*row);
        if (product.id && !product.mayRunOn(row->ipText, row->remarkName))
            barred->append(nameOf(*row));
    }
    return names;
}

QStringList RemoteJobs::start(const QList<int> &coders, const RemoteLines::Job &job)
{
    QList<int> remote;
    for (const int descriptor : coders) {
        if (m_model->remote(descriptor))
            remote << descriptor;
    }
    m_coders.clear();
    m_job = job;
    if (remote.isEmpty() || !m_lines) {
        emit changed();
        return {};
    }
    // RemoteLines says in the event log why a coder was not given the job.
    m_lines->take(RemoteLines::Order::StartJob, remote, QString(), QByteArray(), job, &m_coders);
    QStringList names;
    for (const int descriptor : qAsConst(m_coders))
        names << nameOf(*m_model->remote(descriptor));
    emit changed();
    return names;
}

bool RemoteJobs::showsTheJob(const CoderListModel::RemoteRow &row) const
{
    return row.lot == m_job.lot &&
           row.job == QStringLiteral("%1 (%2)").arg(m_job.order, m_job.product);
}

bool RemoteJobs::startVerified()
{
    QList<int> verified;
    for (const int descriptor : qAsConst(m_coders)) {
        const CoderListModel::RemoteRow *row = m_model->remote(descriptor);
        if (row && !row->stale && showsTheJob(*row) && !row->mismatch &&
            row->stage == JobsPanel::stageText(JobRunner::Stage::Verified))
            verified << descriptor;
    }
    if (verified.isEmpty() || !m_lines)
        return false;
    m_lines->take(RemoteLines::Order::Start, verified);
    return true;
}

bool RemoteJobs::end()
{
    if (m_coders.isEmpty() || !m_lines)
        return false;
    // Those whose line was not told stay in the view's job, to be ended again.
    QList<int> sent;
    m_lines->take(RemoteLines::Order::EndJob, m_coders, QString(), QByteArray(), RemoteLines::Job(),
                  &sent);
    for (const int descriptor : qAsConst(sent))
        m_coders.removeAll(descriptor);
    emit changed();
    return true;
}

void RemoteJobs::listStages(QListWidget *list) const
{
    for (const int descriptor : m_coders) {
        const CoderListModel::RemoteRow *row = m_model->remote(descriptor);
        QString text;
        bool problem = true;
        if (!row) {
            text = tr("a coder gone");
        } else if (row->stale) {
            text = tr("%1: its line is not heard of").arg(nameOf(*row));
        } else if (!showsTheJob(*row)) {
            // Until its line tells this job, what it told of another is not shown.
            text = tr("%1: sent, its line has not taken it up").arg(nameOf(*row));
            problem = false;
        } else {
            text = tr("%1: %2").arg(nameOf(*row), row->stage);
            problem = row->mismatch;
        }
        auto *item = new QListWidgetItem(text, list);
        item->setData(Qt::UserRole, descriptor);
        item->setToolTip(text);
        if (problem)
            item->setForeground(QColor(200, 0, 0));
    }
}

QString RemoteJobs::whereText(qint64 jobId, const QString &lot, const QStringList &remote)
{
    const QString coders = remote.join(QStringLiteral(", "));
    return jobId ? tr("Lot %1: job %2 runs on this PC's coders; sent to their lines for %3.")
                       .arg(lot)
                       .arg(jobId)
                       .arg(coders)
                 : tr("Lot %1: no coder of this PC; sent to their lines for %2.").arg(lot, coders);
}

QString RemoteJobs::notVerified()
{
    return tr("Not started: no line says a coder of the job is verified.");
}

QString RemoteJobs::notEnded(const QString &why)
{
    return tr("The job of the lines' coders was not ended: %1").arg(why);
}
