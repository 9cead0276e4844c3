// SPDX-License-Identifier: GPL-3.0-or-later
#include "session.h"

#include "commandjournal.h"
#include "commandkind.h"
#include "journal.h"
#include "journalactions.h"

#include <QJsonObject>

Session::Session(UserStore *store, CommandJournal *journal, QObject *parent)
    : QObject(parent), m_store(store), m_journal(journal)
{
    m_journal->setPolicy([this](const CommandRecord &command) {
        if (command.origin.via == QLatin1String(kJobVia))
            return refusal(Permission::RunJobs);
        return command.origin.isRemote() ? QString()
                                         : refusal(CommandKind::of(command.action).permission);
    });
}

Session::~Session()
{
    m_journal->setPolicy(nullptr);
}

QString Session::load()
{
    const UserStore::Result loaded = m_store->load();
    m_user.clear();
    follow();
    return loaded.error;
}

void Session::follow()
{
    m_journal->setFailClosed(usersOn());
    m_journal->setUser(signedIn() ? m_user : Journal::systemUserName());
    emit changed();
}

QString Session::refusal(Permission permission) const
{
    if (!usersOn())
        return QString();
    if (m_store->damaged())
        return UserStore::recoveryHint();
    if (!signedIn())
        return tr("Sign in to %1.").arg(Roles::permissionText(permission));
    const bool outsideAJob = m_jobsEnabled && permission == Permission::Apply;
    const Role needed = outsideAJob ? Role::Supervisor : Roles::needed(permission);
    if (int(m_role) >= int(needed))
        return QString();
    return tr("Only a %1 may %2; %3 is signed in as %4.")
        .arg(Roles::displayName(needed),
             outsideAJob ? tr("send messages outside a job") : Roles::permissionText(permission),
             m_user, Roles::displayName(m_role));
}

void Session::setJobsEnabled(bool on)
{
    if (m_jobsEnabled == on)
        return;
    m_jobsEnabled = on;
    emit changed();
}

UserStore::SignIn Session::signIn(const QString &name, const QString &password)
{
    UserStore::SignIn result = m_store->signIn(name, password);
    if (!result.ok) {
        // Who tried is not known: the line is the PC's, naming the name given.
        m_journal->record(JournalAction::kSignInRefused,
                          {{QStringLiteral("name"), name.left(UserStore::kMaxNameChars)},
                           {QStringLiteral("reason"), result.error}},
                          Journal::systemUserName());
        return result;
    }
    const QString refused = m_journal->record(
        JournalAction::kSignIn, {{QStringLiteral("role"), Roles::name(result.role)}}, name);
    if (!refused.isEmpty()) {
        result.ok = false;
        result.error = refused;
        return result;
    }
    m_user = name;
    m_role = result.role;
    follow();
    return result;
}

void Session::signOut(const QString &why)
{
    if (!signedIn())
        return;
    // Out in any case: a line that cannot be written keeps nobody signed in.
    m_journal->record(JournalAction::kSignOut, {{QStringLiteral("reason"), why}});
    m_user.clear();
    follow();
}

UserStore::Result Session::change(const QString &action, const QJsonObject &fields,
                                  const std::function<UserStore::Result()> &apply)
{
    if (usersOn()) {
        const QString refused = refusal(Permission::Users);
        if (!refused.isEmpty())
            return {false, refused};
    }
    // Checked on a copy first, so that the line is written only for a change
    // that can be made, and nothing changes without its line.
    UserStore trial = *m_store;
    const UserStore::Result tried = apply();
    if (!tried.ok) {
        *m_store = trial;
        return tried;
    }
    const QString refused = m_journal->record(action, fields);
    if (!refused.isEmpty()) {
        *m_store = trial;
        return {false, refused};
    }
    const UserStore::Result saved = m_store->save();
    if (!saved.ok)
        *m_store = trial;
    follow();
    return saved;
}

UserStore::Result Session::switchOn(const QString &admin, const QString &password)
{
    if (usersOn())
        return {false, tr("Users are on already.")};
    const UserStore::Result result =
        change(JournalAction::kUsersOn, {{QStringLiteral("administrator"), admin}}, [&] {
            const UserStore::Result set = m_store->setUser(admin, Role::Administrator, password);
            m_store->setEnabled(set.ok);
            return set;
        });
    if (!result.ok)
        return result;
    // Signed in as the new administrator without a second password.
    m_user = admin;
    m_role = Role::Administrator;
    m_journal->record(JournalAction::kSignIn,
                      {{QStringLiteral("role"), Roles::name(Role::Administrator)}}, admin);
    follow();
    return result;
}

UserStore::Result Session::switchOff()
{
    const UserStore::Result result = change(JournalAction::kUsersOff, {}, [&] {
        m_store->setEnabled(false);
        return UserStore::Result();
    });
    if (result.ok) {
        m_user.clear();
        follow();
    }
    return result;
}

UserStore::Result Session::setUser(const QString &name, Role role, const QString &password)
{
    return change(JournalAction::kUserSet,
                  {{QStringLiteral("name"), name}, {QStringLiteral("role"), Roles::name(role)}},
                  [&] { return m_store->setUser(name, role, password); });
}

UserStore::Result Session::removeUser(const QString &name)
{
    const UserStore::Result result =
        change(JournalAction::kUserRemoved, {{QStringLiteral("name"), name}},
               [&] { return m_store->removeUser(name); });
    if (result.ok && name == m_user)
        signOut(QStringLiteral("removed"));
    return result;
}

UserStore::Result Session::setIdleMinutes(int minutes)
{
    return change(JournalAction::kIdleTime, {{QStringLiteral("minutes"), minutes}}, [&] {
        m_store->setIdleMinutes(minutes);
        return UserStore::Result();
    });
}
