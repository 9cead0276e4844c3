// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "roles.h"
#include "userstore.h"

#include <QObject>

#include <functional>

class CommandJournal;

// Who works at this PC now.  With users off, everyone may do everything, as
// before, under the system login name.  With users on, nothing is done
// until someone signs in, and then only what their role allows; the
// journal's lines carry their name, and an action whose line cannot be
// written is refused (the command journal fails closed).  Signing in and
// out, refused sign-ins and every change to the users are journaled.
// The window's commands are checked here; commands from the plant bus are
// governed by the broker's access list and are not.
class Session : public QObject
{
    Q_OBJECT
public:
    Session(UserStore *store, CommandJournal *journal, QObject *parent = nullptr);
    ~Session() override;

    UserStore *store() const { return m_store; }
    // Reads the users file; the reason when it cannot be trusted (then users
    // are on and nobody can sign in).
    QString load();
    bool usersOn() const { return m_store->enabled(); }
    bool signedIn() const { return !m_user.isEmpty(); }
    QString userName() const { return m_user; }
    Role role() const { return m_role; }
    // The origin (via) of a message the window sends in a job: checked as
    // running jobs, not as sending a message.
    static constexpr const char *kJobVia = "jobs view";

    // Empty when the permission is had now, else why not, in words.
    QString refusal(Permission permission) const;
    // With jobs on ([jobs] enabled), sending a message outside a job is a
    // Supervisor's.
    void setJobsEnabled(bool on);
    bool jobsEnabled() const { return m_jobsEnabled; }

    UserStore::SignIn signIn(const QString &name, const QString &password);
    // why: "idle", "signed out" ...
    void signOut(const QString &why);
    // Creates the first administrator, switches users on and signs them in.
    UserStore::Result switchOn(const QString &admin, const QString &password);
    UserStore::Result switchOff();
    UserStore::Result setUser(const QString &name, Role role, const QString &password);
    UserStore::Result removeUser(const QString &name);
    UserStore::Result setIdleMinutes(int minutes);

signals:
    void changed();

private:
    // Writes the line (as the signed-in user, or as who when given) and,
    // when the users file changes, the file; refused as the journal says.
    UserStore::Result change(const QString &action, const QJsonObject &fields,
                             const std::function<UserStore::Result()> &apply);
    void follow();

    UserStore *m_store;
    CommandJournal *m_journal;
    QString m_user;
    Role m_role = Role::Operator;
    bool m_jobsEnabled = false;
};
