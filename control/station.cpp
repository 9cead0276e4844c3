// SPDX-License-Identifier: GPL-3.0-or-later
#include "station.h"

#include "commandjournal.h"
#include "fleet.h"
#include "journal.h"
#include "printparameters.h"
#include "session.h"
#include "stationsettings.h"
#include "userstore.h"

#include <QDir>
#include <QFileInfo>

namespace {

constexpr quint8 kFourHeads = 0x0f;

} // namespace

Station::Station(Options options, QObject *parent)
    : QObject(parent), m_options(std::move(options)),
      m_settings(std::make_unique<StationSettings>(
          m_options.settingsPath.isEmpty() ? QString::fromLatin1(StationSettings::kFileName)
                                           : m_options.settingsPath)),
      m_fleet(std::make_unique<Fleet>()), m_journal(std::make_unique<Journal>()),
      m_commands(std::make_unique<CommandJournal>(m_fleet.get(), m_journal.get())),
      m_users(std::make_unique<UserStore>()),
      m_session(std::make_unique<Session>(m_users.get(), m_commands.get()))
{
    m_settings->load(m_options.settingsRequired, &m_settingsErrors);
    m_session->setJobsEnabled(m_settings->jobsEnabled());
    m_fleet->setSettings(m_settings.get());
    connect(m_fleet.get(), &Fleet::note, this, &Station::note);
    connect(m_fleet.get(), &Fleet::problem, this, &Station::problem);
    connect(m_commands.get(), &CommandJournal::problem, this, &Station::problem);
}

Station::~Station()
{
    // The session and the recorder let go of what they follow first.
    m_session.reset();
    m_commands.reset();
}

QString Station::messageFolder() const
{
    return QString::fromLatin1(kMessageFolder);
}

CommandResult Station::open()
{
    for (const char *folder : {kMessageFolder, "devices"}) {
        if (!QDir().mkpath(QString::fromLatin1(folder)))
            return CommandResult::failed(
                CommandResult::Action::Listen,
                tr("Cannot create the folder %1 in %2.")
                    .arg(QString::fromLatin1(folder), QDir::currentPath()));
    }
    if (m_options.carryOverRemarkNames) {
        const QString unkept = m_settings->carryOverRemarkNames();
        if (!unkept.isEmpty())
            emit problem(unkept);
    }
    m_commands->open();
    // With users on, nothing is done without its journal line.
    const QString usersProblem = m_session->load();
    if (!usersProblem.isEmpty())
        emit problem(usersProblem);
    const quint16 port = m_options.port.value_or(m_settings->port().value_or(Fleet::kDefaultPort));
    return m_fleet->listen(port);
}

quint8 Station::headMaskOf(const QList<int> &coders) const
{
    quint8 mask = kFourHeads;
    for (int descriptor : coders) {
        const Coder *coder = m_fleet->coder(descriptor);
        if (coder && !coder->parameterBlock.isEmpty())
            mask &= quint8(PrintParameters::fromBytes(coder->parameterBlock).headEnableMask);
    }
    return mask & kFourHeads;
}

MessageCheckResult Station::check(const QString &path, const QList<int> &coders) const
{
    if (!m_options.check) {
        MessageCheckResult unchecked;
        unchecked.loaded = true;
        return unchecked;
    }
    return m_options.check(path, headMaskOf(coders));
}

CommandResult Station::apply(const QString &path, const QList<int> &coders,
                             const CommandOrigin &origin, Findings findings)
{
    bool anyCoder = false;
    for (int descriptor : coders)
        anyCoder = anyCoder || m_fleet->coder(descriptor);
    // Without a coder the Fleet says so; a file that is not there, too
    // large or not plain is the Fleet's to refuse with its own words.
    const QFileInfo info(path);
    if (!anyCoder || !info.isFile() || info.size() > Fleet::kMaxMessageBytes)
        return m_fleet->apply(path, coders, origin);
    const QString name = info.fileName();
    const MessageCheckResult checked = check(path, coders);
    if (!checked.loaded)
        return refuse(
            path, coders, origin,
            tr("%1 was not sent: it does not load as a message (%2).").arg(name, checked.error));
    if (!checked.findings.isEmpty()) {
        if (findings != Findings::SendAnyway || origin.isRemote())
            return refuse(path, coders, origin,
                          tr("%1 was not sent: the pre-flight check found: %2")
                              .arg(name, checked.findings.join(QStringLiteral("; "))));
        const QString refused = m_session->refusal(Permission::SendAnyway);
        if (!refused.isEmpty())
            return refuse(path, coders, origin,
                          tr("%1 was not sent despite its findings: %2").arg(name, refused));
    }
    return m_fleet->apply(path, coders, origin);
}

CommandResult Station::refuse(const QString &path, const QList<int> &coders,
                              const CommandOrigin &origin, const QString &text)
{
    CommandRecord command;
    command.action = CommandResult::Action::Apply;
    command.fileName = QFileInfo(path).fileName();
    command.origin = origin;
    for (int descriptor : coders) {
        if (const Coder *coder = m_fleet->coder(descriptor))
            command.coders << *coder;
    }
    const CommandResult result = CommandResult::failed(CommandResult::Action::Apply, text);
    m_commands->after(command, result);
    emit problem(text);
    return result;
}
