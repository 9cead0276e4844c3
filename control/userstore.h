// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "roles.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// The users of this PC and their roles, in "users.json" of the working
// folder: written whole (QSaveFile), readable by its owner only, holding
// for each user a salted PBKDF2-SHA256 hash of the password and never the
// password.  Without the file users are off: one operator, as before.
//
//   {"format":1,"enabled":true,"idleMinutes":15,"users":[{"name":"anna",
//    "role":"Administrator","salt":"<base64>","rounds":100000,
//    "hash":"<base64>"}]}
//
// Five wrong passwords lock a name for a minute (in this program).
class UserStore
{
public:
    static constexpr int kDefaultRounds = 100000;
    static constexpr int kMaxNameChars = 64;
    static constexpr int kMaxFailures = 5;
    static constexpr int kLockSeconds = 60;
    static constexpr int kDefaultIdleMinutes = 15;
    // A users file is small; anything larger is not one.
    static constexpr qint64 kMaxFileBytes = 1024 * 1024;

    struct User
    {
        QString name;
        Role role = Role::Operator;
        QByteArray salt;
        int rounds = kDefaultRounds;
        QByteArray hash;
    };
    struct Result
    {
        bool ok = true;
        QString error;
    };
    struct SignIn
    {
        bool ok = false;
        Role role = Role::Operator;
        QString error;
    };

    explicit UserStore(const QString &path = QStringLiteral("users.json"));

    // The rounds of new hashes (tests; never fewer than 1).
    void setRounds(int rounds) { m_rounds = qMax(1, rounds); }
    void setClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }

    QString path() const { return m_path; }
    // Reads the file.  A missing file is no error: users are off.  A file
    // that is damaged, too large, not this account's or readable by others
    // is refused with the reason and the way to recover; damaged() tells.
    Result load();
    // Writes the file whole, readable and writable by its owner only.
    Result save() const;
    bool damaged() const { return m_damaged; }
    bool enabled() const { return m_enabled; }
    void setEnabled(bool on) { m_enabled = on; }
    int idleMinutes() const { return m_idleMinutes; }
    void setIdleMinutes(int minutes) { m_idleMinutes = qBound(1, minutes, 24 * 60); }
    QList<User> users() const { return m_users; }
    int administrators() const;

    // Why a name may not be a user's: empty, over kMaxNameChars, a control
    // character, a path separator, or spaces around it.  Empty when it may.
    static QString nameProblem(const QString &name);
    // Adds the user, or gives an existing one a new role and password.
    Result setUser(const QString &name, Role role, const QString &password);
    // The last administrator stays while users are on.
    Result removeUser(const QString &name);
    SignIn signIn(const QString &name, const QString &password);

    // The words that name the way back from a damaged users file.
    static QString recoveryHint();

    // What the repair did to the users file.
    struct Repair
    {
        bool ok = false;
        QString error;
        bool anew = false; // a file was there, and its users are not kept
        QStringList kept;  // the other users, kept
        QStringList said;  // what was done beyond adding the administrator
    };
    // "KorvexControl --create-admin NAME": makes name an administrator of
    // the users file at path and switches users on.  The other users stay
    // when the file is this account's, no other account could write it and
    // it reads (one readable by others is made the owner's alone, and said
    // so, since the hashes could be read); a damaged file, another
    // account's, one that others could write is written anew without its
    // users.  A link is removed, never followed: what it points to stays.
    static Repair createAdministrator(const QString &path, const QString &name,
                                      const QString &password);

private:
    // Takes the users and settings from bytes; false when they are no users file.
    bool parse(const QByteArray &bytes);
    QByteArray derive(const QString &password, const QByteArray &salt, int rounds) const;

    QString m_path;
    int m_rounds = kDefaultRounds;
    std::function<QDateTime()> m_clock;
    bool m_enabled = false;
    bool m_damaged = false;
    int m_idleMinutes = kDefaultIdleMinutes;
    QList<User> m_users;
    struct Failures
    {
        int count = 0;
        QDateTime lockedUntil;
    };
    QHash<QString, Failures> m_failures;
};
