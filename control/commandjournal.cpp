// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandjournal.h"

#include "commandkind.h"
#include "fleet.h"
#include "journal.h"
#include "journalactions.h"
#include "parameterchanges.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QTemporaryFile>

namespace {

QJsonArray codersJson(const QList<Coder> &coders)
{
    QJsonArray list;
    for (const Coder &coder : coders) {
        QJsonObject entry{{QStringLiteral("ip"), coder.ipText}};
        if (!coder.remarkName.isEmpty())
            entry.insert(QStringLiteral("name"), coder.remarkName);
        list.append(entry);
    }
    return list;
}

QJsonArray changesJson(const QList<ParameterChange> &changes)
{
    QJsonArray list;
    for (const ParameterChange &change : changes) {
        QJsonObject entry{{QStringLiteral("field"), change.field},
                          {QStringLiteral("new"), change.after}};
        if (!change.before.isEmpty())
            entry.insert(QStringLiteral("old"), change.before);
        if (!change.unit.isEmpty())
            entry.insert(QStringLiteral("unit"), change.unit);
        list.append(entry);
    }
    return list;
}

// Coders that had the same block share one group: one list of changes.
QJsonArray parameterGroups(const CommandRecord &command)
{
    QJsonArray groups;
    QHash<QByteArray, int> byBlock;
    for (const Coder &coder : command.coders) {
        const bool known = coder.parameterBlock.size() >= PrintParameters::kSize;
        const QByteArray key = known ? coder.parameterBlock.left(PrintParameters::kSize) : "";
        const auto found = byBlock.constFind(key);
        if (found != byBlock.constEnd()) {
            QJsonObject group = groups.at(*found).toObject();
            QJsonArray ips = group.value(QLatin1String("coders")).toArray();
            ips.append(coder.ipText);
            group.insert(QStringLiteral("coders"), ips);
            groups[*found] = group;
            continue;
        }
        const QList<ParameterChange> changes =
            known ? parameterChanges(PrintParameters::fromBytes(coder.parameterBlock),
                                     command.parameters)
                  : parameterValues(command.parameters);
        byBlock.insert(key, groups.size());
        groups.append(QJsonObject{{QStringLiteral("coders"), QJsonArray{coder.ipText}},
                                  {QStringLiteral("fields"), changesJson(changes)}});
    }
    return groups;
}

// The origin's keys of a line from the plant bus, and the user it is
// written under; empty for this PC's own user.
QString addOrigin(const CommandOrigin &origin, QJsonObject *fields)
{
    if (!origin.isRemote())
        return QString();
    fields->insert(QStringLiteral("via"), origin.via);
    fields->insert(QStringLiteral("account"), origin.account);
    // Whoever wrote the command may have put any name there.
    if (!origin.user.isEmpty()) {
        fields->insert(QStringLiteral("claimed"), true);
        return origin.user;
    }
    return origin.account.isEmpty() ? origin.via : origin.account;
}

QString text(const QJsonObject &line, const char *key)
{
    return line.value(QLatin1String(key)).toString();
}

QString shortHash(const QString &hex)
{
    return hex.isEmpty() ? CommandJournal::tr("none") : hex.left(12) + QStringLiteral("…");
}

// Empty for a file that is not there or cannot be read.
QString fileSha256(const QString &path)
{
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return QString();
    return QString::fromLatin1(hash.result().toHex());
}

} // namespace

CommandJournal::CommandJournal(Fleet *fleet, Journal *journal, QObject *parent)
    : QObject(parent), m_fleet(fleet), m_journal(journal), m_user(Journal::systemUserName())
{
    m_fleet->setRecorder(this);
    connect(m_journal, &Journal::problem, this, &CommandJournal::problem);
    // The journal working again is news like a command done.
    connect(m_journal, &Journal::note, fleet, &Fleet::note);
}

CommandJournal::~CommandJournal()
{
    m_fleet->setRecorder(nullptr);
}

QString CommandJournal::messageSaving(const QString &path)
{
    m_beforeSave.insert(path, fileSha256(path));
    if (!m_failClosed)
        return QString();
    // The line is written after the save, when the new SHA-256 is known:
    // make sure first that it can be.
    QTemporaryFile probe(m_journal->folder() + QStringLiteral("/probe-XXXXXX"));
    if (!QDir().mkpath(m_journal->folder()) || !probe.open() || probe.write("x", 1) != 1 ||
        !probe.flush())
        return tr("%1 is not saved: the journal cannot be written (%2).")
            .arg(QDir::toNativeSeparators(path), probe.errorString());
    return QString();
}

void CommandJournal::messageSaved(const QString &path)
{
    const QString refused =
        record(JournalAction::kMessageSaved,
               {{QStringLiteral("file"), QFileInfo(path).fileName()},
                {QStringLiteral("path"), QDir::current().relativeFilePath(path)},
                {QStringLiteral("sha256Before"), m_beforeSave.take(path)},
                {QStringLiteral("sha256After"), fileSha256(path)}});
    if (!refused.isEmpty())
        emit problem(tr("%1 was saved, but: %2").arg(path, refused));
}

void CommandJournal::open()
{
    QString error;
    if (!m_journal->open(&error))
        emit problem(tr("The journal cannot be used: %1").arg(error));
    for (const QString &found : m_journal->takeNotes())
        emit problem(found);
}

QString CommandJournal::record(const QString &action, const QJsonObject &fields,
                               const QString &user)
{
    const JournalWrite written = m_journal->append(user.isEmpty() ? m_user : user, action, fields);
    for (const QString &found : m_journal->takeNotes())
        emit problem(found);
    if (written.ok)
        return QString();
    if (m_failClosed)
        return tr("Not done: its journal line cannot be written (%1)").arg(written.error);
    emit problem(tr("Not in the journal (%1): %2").arg(action, written.error));
    return QString();
}

QString CommandJournal::actionKey(CommandResult::Action action)
{
    return CommandKind::of(action).journalAction;
}

QString CommandJournal::before(const CommandRecord &command)
{
    if (m_policy) {
        const QString refused = m_policy(command);
        if (!refused.isEmpty())
            return refused;
    }
    QJsonObject fields;
    if (!command.coders.isEmpty())
        fields.insert(QStringLiteral("coders"), codersJson(command.coders));
    switch (command.action) {
    case CommandResult::Action::Apply:
        fields.insert(QStringLiteral("file"), command.fileName);
        fields.insert(QStringLiteral("sha256"), command.sha256);
        fields.insert(QStringLiteral("bytes"), command.bytes);
        break;
    case CommandResult::Action::Parameters:
        fields.insert(QStringLiteral("changes"), parameterGroups(command));
        break;
    case CommandResult::Action::Listen:
        fields.insert(QStringLiteral("old"), command.previousPort);
        fields.insert(QStringLiteral("new"), command.port);
        break;
    case CommandResult::Action::RemarkName:
        fields.insert(QStringLiteral("old"), command.coders.value(0).remarkName);
        fields.insert(QStringLiteral("new"), command.remarkName);
        break;
    case CommandResult::Action::Start:
    case CommandResult::Action::Stop:
        break;
    }
    const QString user = addOrigin(command.origin, &fields);
    return record(actionKey(command.action), fields, user);
}

void CommandJournal::after(const CommandRecord &command, const CommandResult &result)
{
    if (result.ok && result.problems.isEmpty())
        return;
    QList<Coder> missed;
    for (const Coder &coder : command.coders) {
        if (!result.reached.contains(coder.descriptor))
            missed << coder;
    }
    QJsonObject fields{
        {QStringLiteral("command"), actionKey(command.action)},
        {QStringLiteral("problems"),
         QJsonArray::fromStringList(result.ok ? result.problems : QStringList{result.error})}};
    if (!missed.isEmpty())
        fields.insert(QStringLiteral("coders"), codersJson(missed));
    const QString user = addOrigin(command.origin, &fields);
    // The command is done by now: a refusal here would change nothing.
    const QString refused = record(JournalAction::kCommandFailed, fields, user);
    if (!refused.isEmpty())
        emit problem(refused);
}

QStringList CommandJournal::coderNames(const QJsonObject &line)
{
    QStringList names;
    for (const QJsonValue &entry : line.value(QLatin1String("coders")).toArray()) {
        const QJsonObject coder = entry.toObject();
        const QString ip = text(coder, "ip"), name = text(coder, "name");
        names << (name.isEmpty() ? ip : QStringLiteral("%1 (%2)").arg(ip, name));
    }
    return names;
}

QString CommandJournal::details(const QJsonObject &line)
{
    const QString action = text(line, "action");
    QStringList parts;
    if (action == JournalAction::kMessageSent) {
        parts << tr("%1, %2 bytes, SHA-256 %3")
                     .arg(text(line, "file"))
                     .arg(qint64(line.value(QLatin1String("bytes")).toDouble()))
                     .arg(shortHash(text(line, "sha256")));
    } else if (action == JournalAction::kPrintParameters) {
        for (const QJsonValue &value : line.value(QLatin1String("changes")).toArray()) {
            const QJsonObject group = value.toObject();
            QStringList fields;
            for (const QJsonValue &f : group.value(QLatin1String("fields")).toArray()) {
                const QJsonObject field = f.toObject();
                fields << ParameterChange{text(field, "field"), text(field, "old"),
                                          text(field, "new"), text(field, "unit")}
                              .text();
            }
            QStringList ips;
            for (const QJsonValue &ip : group.value(QLatin1String("coders")).toArray())
                ips << ip.toString();
            parts << QStringLiteral("%1: %2").arg(
                ips.join(QLatin1String(", ")),
                fields.isEmpty() ? tr("unchanged") : fields.join(QLatin1String(", ")));
        }
    } else if (action == JournalAction::kRemarkName || action == JournalAction::kPort) {
        const QString was = line.value(QLatin1String("old")).toVariant().toString();
        const QString now = line.value(QLatin1String("new")).toVariant().toString();
        parts << QStringLiteral("%1 → %2").arg(was.isEmpty() ? tr("none") : was,
                                               now.isEmpty() ? tr("none") : now);
    } else if (action == JournalAction::kMessageSaved) {
        parts << tr("%1, SHA-256 %2 → %3")
                     .arg(text(line, "file"), shortHash(text(line, "sha256Before")),
                          shortHash(text(line, "sha256After")));
    } else if (action == JournalAction::kCommandFailed) {
        QStringList problems;
        for (const QJsonValue &p : line.value(QLatin1String("problems")).toArray())
            problems << p.toString();
        parts << text(line, "command") + QStringLiteral(": ") + problems.join(QLatin1Char(' '));
    } else if (action == JournalAction::kJournalRecovered) {
        const int cut = line.value(QLatin1String("cut")).toArray().size();
        if (cut > 0)
            parts << tr("%1 cut-off line(s) recorded").arg(cut);
        const int junk = line.value(QLatin1String("notJournalLines")).toArray().size();
        if (junk > 0)
            parts << tr("%1 line(s) that are no journal lines recorded").arg(junk);
        for (const QJsonValue &changed : line.value(QLatin1String("changed")).toArray())
            parts << tr("line %1 changed after its head named it")
                         .arg(qint64(changed.toObject().value(QLatin1String("number")).toDouble()));
        const QJsonArray unnamed = line.value(QLatin1String("unnamed")).toArray();
        if (!unnamed.isEmpty())
            parts << tr("lines %1 to %2 never named by the head")
                         .arg(qint64(
                             unnamed.first().toObject().value(QLatin1String("number")).toDouble()))
                         .arg(qint64(line.value(QLatin1String("number")).toDouble()) - 1);
        if (line.contains(QLatin1String("head")))
            parts << tr("head %1").arg(text(line, "head"));
    } else if (action == JournalAction::kSignIn || action == JournalAction::kUserSet) {
        parts << QStringLiteral("%1 %2").arg(text(line, "name"), text(line, "role")).trimmed();
    } else if (action == JournalAction::kSignInRefused || action == JournalAction::kUserRemoved ||
               action == JournalAction::kAdministratorCreated) {
        parts << text(line, "name");
    } else if (action == JournalAction::kUsersOn) {
        parts << tr("first administrator %1").arg(text(line, "administrator"));
    } else if (action == JournalAction::kIdleTime) {
        parts << tr("%1 minutes").arg(line.value(QLatin1String("minutes")).toInt());
    }
    if (line.contains(QLatin1String("reason")))
        parts << text(line, "reason");
    if (!text(line, "via").isEmpty()) {
        parts << (line.value(QLatin1String("claimed")).toBool()
                      ? tr("over %1, broker account %2, user as claimed")
                      : tr("over %1, broker account %2"))
                     .arg(text(line, "via").toUpper(), text(line, "account"));
    }
    return parts.join(QLatin1String("; "));
}
