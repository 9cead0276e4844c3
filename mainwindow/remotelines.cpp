// SPDX-License-Identifier: GPL-3.0-or-later
#include "remotelines.h"

#include "commandjournal.h"
#include "eventlog.h"
#include "jobspanel.h"
#include "journalactions.h"
#include "roles.h"
#include "session.h"

#include <QJsonArray>
#include <QJsonObject>

namespace {

Permission permissionOf(RemoteLines::Order order)
{
    switch (order) {
    case RemoteLines::Order::Start:
        return Permission::Start;
    case RemoteLines::Order::Stop:
        return Permission::Stop;
    case RemoteLines::Order::Apply:
        return Permission::Apply;
    case RemoteLines::Order::StartJob:
    case RemoteLines::Order::EndJob:
        return Permission::RunJobs;
    case RemoteLines::Order::Parameters:
        break;
    }
    return Permission::Parameters;
}

QString actionOf(RemoteLines::Order order)
{
    switch (order) {
    case RemoteLines::Order::Start:
        return JournalAction::kStart;
    case RemoteLines::Order::Stop:
        return JournalAction::kStop;
    case RemoteLines::Order::Apply:
        return JournalAction::kMessageSent;
    case RemoteLines::Order::StartJob:
        return JournalAction::kJobStarted;
    case RemoteLines::Order::EndJob:
        return JournalAction::kJobEnded;
    case RemoteLines::Order::Parameters:
        break;
    }
    return JournalAction::kPrintParameters;
}

// The line's name of a job stage, in this window's words.
QString stageText(const QString &name)
{
    for (const JobRunner::Stage stage :
         {JobRunner::Stage::Sending, JobRunner::Stage::Verified, JobRunner::Stage::Running,
          JobRunner::Stage::Mismatch, JobRunner::Stage::NotVerified}) {
        if (name == JobRunner::stateName(stage))
            return JobsPanel::stageText(stage);
    }
    return name;
}

} // namespace

RemoteLines::RemoteLines(CoderListModel *model, Session *session, CommandJournal *journal,
                         EventLog *log, QObject *parent)
    : QObject(parent), m_model(model), m_session(session), m_journal(journal), m_log(log)
{
}

void RemoteLines::show(CoderListModel::RemoteRow row)
{
    const QString key = row.node + QLatin1Char('\n') + row.device;
    auto found = m_descriptors.find(key);
    if (found == m_descriptors.end())
        found = m_descriptors.insert(key, m_next--);
    row.descriptor = found.value();
    row.stage = stageText(row.stage);
    m_model->setRemote(row);
    emit shown(row.descriptor);
}

int RemoteLines::descriptorOf(const QString &node, const QString &device) const
{
    return m_descriptors.value(node + QLatin1Char('\n') + device, CoderListModel::kFirstRemote + 1);
}

std::optional<QList<int>> RemoteLines::take(Order order, const QList<int> &coders,
                                            const QString &messageName,
                                            const QByteArray &parameters, const Job &job,
                                            QList<int> *sent)
{
    QList<int> local;
    const QString what = order == Order::StartJob ? tr("Job start")
                         : order == Order::EndJob ? tr("Job end")
                                                  : Roles::permissionText(permissionOf(order));
    for (const int descriptor : coders) {
        const CoderListModel::RemoteRow *row = m_model->remote(descriptor);
        if (!row) {
            local << descriptor;
            continue;
        }
        const auto refuse = [&](const QString &why) {
            m_log->add(EventLog::Level::Problem,
                       tr("%1 for %2 on %3 not sent: %4").arg(what, row->device, row->node, why));
        };
        QString why = m_session->refusal(permissionOf(order));
        if (why.isEmpty() && row->stale)
            why = tr("its line is not heard of");
        if (why.isEmpty() && !m_send)
            why = tr("this window follows no line");
        if (!why.isEmpty()) {
            refuse(why);
            continue;
        }
        QJsonObject coder{{QStringLiteral("ip"), row->ipText}};
        if (!row->remarkName.isEmpty())
            coder.insert(QStringLiteral("name"), row->remarkName);
        QJsonObject fields{{QStringLiteral("coders"), QJsonArray{coder}},
                           {QStringLiteral("node"), row->node},
                           {QStringLiteral("device"), row->device}};
        if (order == Order::Apply)
            fields.insert(QStringLiteral("file"), messageName);
        if (order == Order::StartJob) {
            fields.insert(QStringLiteral("product"), job.product);
            fields.insert(QStringLiteral("order"), job.order);
            fields.insert(QStringLiteral("lot"), job.lot);
        }
        why = m_journal->record(actionOf(order), fields);
        if (!why.isEmpty()) {
            refuse(why);
            continue;
        }
        why = m_send(
            {order, row->node, row->device, messageName, parameters, m_session->userName(), job});
        if (!why.isEmpty()) {
            // The journal has the command: it says that it did not go out.
            fields.insert(QStringLiteral("command"), actionOf(order));
            fields.insert(QStringLiteral("error"), why);
            m_journal->record(JournalAction::kCommandFailed, fields);
            refuse(why);
            continue;
        }
        m_log->add(EventLog::Level::Info,
                   tr("%1 sent to %2 on %3").arg(what, row->device, row->node));
        if (sent)
            sent->append(descriptor);
    }
    if (local.isEmpty() && !coders.isEmpty())
        return std::nullopt;
    return local;
}

void RemoteLines::outcome(const QString &node, const QString &device, const QString &command,
                          const QString &outcome)
{
    const bool done = outcome == QLatin1String("done");
    m_log->add(done ? EventLog::Level::Info : EventLog::Level::Problem,
               tr("%1 for %2 on %3: %4").arg(command, device, node, outcome));
}
