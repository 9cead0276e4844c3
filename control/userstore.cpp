// SPDX-License-Identifier: GPL-3.0-or-later
#include "userstore.h"

#include "boundedread.h"
#include "controlcharacter.h"
#include "writewhole.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPasswordDigestor>
#include <QRandomGenerator>
#include <QSaveFile>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("UserStore", text);
}

// The same time whatever the bytes, so that a guess learns nothing from it.
bool sameBytes(const QByteArray &a, const QByteArray &b)
{
    if (a.size() != b.size())
        return false;
    unsigned char diff = 0;
    for (int i = 0; i < a.size(); ++i)
        diff |= static_cast<unsigned char>(a.at(i) ^ b.at(i));
    return diff == 0;
}

UserStore::Result failed(const QString &error)
{
    return {false, error};
}

} // namespace

UserStore::UserStore(const QString &path)
    : m_path(path), m_clock([] { return QDateTime::currentDateTimeUtc(); })
{
}

QString UserStore::recoveryHint()
{
    return tr("Nobody can sign in until an administrator runs \"KorvexControl --create-admin "
              "NAME\" in this folder.");
}

int UserStore::administrators() const
{
    return int(std::count_if(m_users.cbegin(), m_users.cend(),
                             [](const User &u) { return u.role == Role::Administrator; }));
}

UserStore::Result UserStore::load()
{
    m_users.clear();
    m_enabled = false;
    m_damaged = false;
    m_idleMinutes = kDefaultIdleMinutes;
    const QFileInfo info(m_path);
    if (!info.exists() && !info.isSymLink())
        return {};
    // From here on, a file we cannot trust leaves users on with nobody able
    // to sign in: never an open door.
    m_enabled = true;
    m_damaged = true;
    const auto refuse = [&](const QString &why) {
        return failed(tr("The users file %1 %2. %3").arg(m_path, why, recoveryHint()));
    };
    if (info.isSymLink() || !info.isFile())
        return refuse(tr("is not a plain file"));
#ifndef Q_OS_WIN
    struct stat st = {};
    if (::stat(QFile::encodeName(m_path).constData(), &st) != 0)
        return refuse(tr("cannot be read"));
    if (st.st_uid != ::getuid())
        return refuse(tr("belongs to another account"));
    if (st.st_mode & (S_IRWXG | S_IRWXO))
        return refuse(tr("may be read or written by other accounts"));
#endif
    const PlainFile file = PlainFile::read(m_path, kMaxFileBytes);
    if (file.problem == PlainFile::Problem::TooLarge)
        return refuse(tr("is too large"));
    if (!file.ok())
        return refuse(tr("cannot be read (%1)").arg(file.error));
    if (!parse(file.bytes))
        return refuse(tr("is damaged"));
    if (m_enabled && administrators() == 0)
        return refuse(tr("names no administrator"));
    m_damaged = false;
    return {};
}

bool UserStore::parse(const QByteArray &bytes)
{
    QJsonParseError parse;
    const QJsonObject root = QJsonDocument::fromJson(bytes, &parse).object();
    if (parse.error != QJsonParseError::NoError || root.value(QLatin1String("format")).toInt() != 1)
        return false;
    QList<User> users;
    for (const QJsonValue &value : root.value(QLatin1String("users")).toArray()) {
        const QJsonObject o = value.toObject();
        User user;
        user.name = o.value(QLatin1String("name")).toString();
        const std::optional<Role> role = Roles::fromName(o.value(QLatin1String("role")).toString());
        user.salt = QByteArray::fromBase64(o.value(QLatin1String("salt")).toString().toLatin1());
        user.rounds = o.value(QLatin1String("rounds")).toInt();
        user.hash = QByteArray::fromBase64(o.value(QLatin1String("hash")).toString().toLatin1());
        if (!nameProblem(user.name).isEmpty() || !role || user.salt.size() < 16 ||
            user.rounds < 1 || user.hash.size() != 32)
            return false;
        user.role = *role;
        users << user;
    }
    m_users = users;
    m_enabled = root.value(QLatin1String("enabled")).toBool();
    setIdleMinutes(root.value(QLatin1String("idleMinutes")).toInt(kDefaultIdleMinutes));
    return true;
}

UserStore::Result UserStore::save() const
{
    QJsonArray users;
    for (const User &u : m_users) {
        users.append(QJsonObject{{QStringLiteral("name"), u.name},
                                 {QStringLiteral("role"), Roles::name(u.role)},
                                 {QStringLiteral("salt"), QString::fromLatin1(u.salt.toBase64())},
                                 {QStringLiteral("rounds"), u.rounds},
                                 {QStringLiteral("hash"), QString::fromLatin1(u.hash.toBase64())}});
    }
    const QByteArray bytes =
        QJsonDocument(QJsonObject{{QStringLiteral("format"), 1},
                                  {QStringLiteral("enabled"), m_enabled},
                                  {QStringLiteral("idleMinutes"), m_idleMinutes},
                                  {QStringLiteral("users"), users}})
            .toJson(QJsonDocument::Indented);
    // QSaveFile would replace what a link points to, and leave the link.
    if (QFileInfo(m_path).isSymLink())
        return failed(tr("Cannot write %1: it is a link, which is not followed").arg(m_path));
    QSaveFile file(m_path);
    // The old file's permissions would be taken over: the new one is the
    // owner's alone before a byte is in it.
    if (!file.open(QIODevice::WriteOnly))
        return failed(tr("Cannot write %1: %2").arg(m_path, file.errorString()));
    QString reason;
#ifndef Q_OS_WIN
    if (::fchmod(file.handle(), S_IRUSR | S_IWUSR) != 0) {
        file.cancelWriting();
        return failed(tr("Cannot write %1: its permissions cannot be set").arg(m_path));
    }
#endif
    if (!writeWhole(file, bytes, &reason)) {
        file.cancelWriting();
        return failed(tr("Cannot write %1: %2").arg(m_path, reason));
    }
    if (!file.commit())
        return failed(tr("Cannot write %1: %2").arg(m_path, file.errorString()));
    return {};
}

QString UserStore::nameProblem(const QString &name)
{
    if (name.isEmpty())
        return tr("A user name cannot be empty.");
    if (name.size() > kMaxNameChars)
        return tr("A user name has at most %1 characters.").arg(kMaxNameChars);
    if (name.trimmed() != name)
        return tr("A user name cannot begin or end with a space.");
    for (const QChar c : name) {
        // Format characters too: a right-to-left mark would show the name
        // reversed in the journal.
        if (isControlCharacter(c) || c.category() == QChar::Other_Format)
            return tr("A user name cannot hold control characters.");
        if (c == QLatin1Char('/') || c == QLatin1Char('\\'))
            return tr("A user name cannot hold / or \\.");
    }
    return QString();
}

QByteArray UserStore::derive(const QString &password, const QByteArray &salt, int rounds) const
{
    return QPasswordDigestor::deriveKeyPbkdf2(QCryptographicHash::Sha256, password.toUtf8(), salt,
                                              rounds, 32);
}

UserStore::Result UserStore::setUser(const QString &name, Role role, const QString &password)
{
    const QString problem = nameProblem(name);
    if (!problem.isEmpty())
        return failed(problem);
    if (password.isEmpty())
        return failed(tr("A password cannot be empty."));
    User user;
    user.name = name;
    user.role = role;
    user.rounds = m_rounds;
    user.salt.resize(16);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32 *>(user.salt.data()), 4);
    user.hash = derive(password, user.salt, user.rounds);
    for (User &existing : m_users) {
        if (existing.name == name) {
            if (existing.role == Role::Administrator && role != Role::Administrator &&
                administrators() == 1)
                return failed(tr("%1 is the last administrator.").arg(name));
            existing = user;
            return {};
        }
    }
    m_users << user;
    return {};
}

UserStore::Result UserStore::removeUser(const QString &name)
{
    for (int i = 0; i < m_users.size(); ++i) {
        if (m_users.at(i).name != name)
            continue;
        if (m_users.at(i).role == Role::Administrator && administrators() == 1)
            return failed(tr("%1 is the last administrator.").arg(name));
        m_users.removeAt(i);
        return {};
    }
    return failed(tr("There is no user %1.").arg(name));
}

UserStore::SignIn UserStore::signIn(const QString &name, const QString &password)
{
    SignIn result;
    if (m_damaged) {
        result.error = recoveryHint();
        return result;
    }
    const QDateTime now = m_clock();
    Failures &failures = m_failures[name];
    if (failures.lockedUntil.isValid() && now < failures.lockedUntil) {
        result.error = tr("%1 is locked for %2 more seconds after %3 wrong passwords.")
                           .arg(name)
                           .arg(qMax<qint64>(1, now.secsTo(failures.lockedUntil)))
                           .arg(kMaxFailures);
        return result;
    }
    // An unknown name costs the same as a known one and says the same.
    const auto found = std::find_if(m_users.cbegin(), m_users.cend(),
                                    [&](const User &u) { return u.name == name; });
    const QByteArray salt = found != m_users.cend() ? found->salt : QByteArray(16, 'x');
    const int rounds = found != m_users.cend() ? found->rounds : m_rounds;
    const QByteArray hash = derive(password, salt, rounds);
    if (found != m_users.cend() && sameBytes(hash, found->hash)) {
        m_failures.remove(name);
        result.ok = true;
        result.role = found->role;
        return result;
    }
    if (++failures.count >= kMaxFailures) {
        failures.count = 0;
        failures.lockedUntil = now.addSecs(kLockSeconds);
        result.error = tr("Wrong name or password. %1 is locked for a minute.").arg(name);
    } else {
        result.error = tr("Wrong name or password.");
    }
    return result;
}

UserStore::Repair UserStore::createAdministrator(const QString &path, const QString &name,
                                                 const QString &password)
{
    Repair repair;
    const auto stop = [&](const QString &error) {
        repair.error = error;
        return repair;
    };
    UserStore store(path);
    const QFileInfo info(path);
    bool keep = false;
    if (info.isSymLink()) {
        // Never followed: the link itself goes, what it points to stays.
        const QString target = info.symLinkTarget();
        if (!QFile::remove(path))
            return stop(tr("%1 is a link to %2 that cannot be removed; nothing changed.")
                            .arg(path, target));
        repair.said << tr("%1 was a link to %2: the link is removed and %1 written anew; %2 is "
                          "left as it was.")
                           .arg(path, target);
    } else if (info.exists() && !info.isFile()) {
        return stop(tr("%1 is not a plain file; nothing changed.").arg(path));
    } else if (info.exists()) {
        bool ownedHere = true, othersWrite = false, othersRead = false;
#ifndef Q_OS_WIN
        struct stat st = {};
        if (::stat(QFile::encodeName(path).constData(), &st) != 0)
            return stop(tr("%1 cannot be read; nothing changed.").arg(path));
        ownedHere = st.st_uid == ::getuid();
        othersWrite = st.st_mode & (S_IWGRP | S_IWOTH);
        othersRead = st.st_mode & (S_IRGRP | S_IROTH);
#endif
        const PlainFile file = PlainFile::read(path, kMaxFileBytes);
        if (!ownedHere)
            repair.said << tr("%1 belonged to another account, who could have put any user "
                              "there: it is written anew without its users.")
                               .arg(path);
        else if (othersWrite)
            repair.said << tr("%1 could be written by other accounts, who could have put any "
                              "user there: it is written anew without its users.")
                               .arg(path);
        else if (!file.ok() || !store.parse(file.bytes))
            repair.said << tr("%1 was damaged: it is written anew without its users.").arg(path);
        else
            keep = true;
        if (keep && othersRead)
            repair.said << tr("%1 could be read by other accounts: it is now readable by its "
                              "owner only. The users kept should change their passwords, whose "
                              "hashes could be read.")
                               .arg(path);
    }
    if (!keep)
        store = UserStore(path);
    repair.anew = !keep && (info.exists() || info.isSymLink());
    for (const User &user : store.m_users) {
        if (user.name != name)
            repair.kept << user.name;
    }
    if (!repair.kept.isEmpty())
        repair.said
            << tr("The other users are kept: %1.").arg(repair.kept.join(QStringLiteral(", ")));
    Result result = store.setUser(name, Role::Administrator, password);
    store.setEnabled(true);
    if (result.ok)
        result = store.save();
    if (!result.ok)
        return stop(result.error);
    repair.ok = true;
    return repair;
}
