// SPDX-License-Identifier: GPL-3.0-or-later
#include "databasesettings.h"

#include "boundedread.h"
#include "inifile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

constexpr qint64 kMaxConfBytes = 1024 * 1024;
constexpr qint64 kMaxPasswordBytes = 4096;
const QString kSection = QStringLiteral("database");

QString tr(const char *text)
{
    return QCoreApplication::translate("DatabaseSettings", text);
}

} // namespace

DatabaseSettings DatabaseSettings::sqlite(const QString &path)
{
    DatabaseSettings s;
    s.driver = Driver::Sqlite;
    s.sqlitePath = path;
    return s;
}

bool DatabaseSettings::fromIni(const IniFile &conf, const QString &workDir, DatabaseSettings *out,
                               QString *error)
{
    *out = sqlite(QDir(workDir).absoluteFilePath(QLatin1String(kSqliteFileName)));
    if (conf.keys(kSection).isEmpty())
        return true;
    DatabaseSettings s;
    s.driver = Driver::Postgres;
    s.host = conf.value(kSection, QStringLiteral("host")).trimmed();
    s.database = conf.value(kSection, QStringLiteral("database")).trimmed();
    s.user = conf.value(kSection, QStringLiteral("user")).trimmed();
    for (const auto &[key, value] : {std::pair<const char *, QString>{"host", s.host},
                                     {"database", s.database},
                                     {"user", s.user}}) {
        if (value.isEmpty()) {
            *error =
                tr("The [database] section of korvex.conf has no \"%1\".").arg(QLatin1String(key));
            return false;
        }
    }
    const QString port = conf.value(kSection, QStringLiteral("port")).trimmed();
    if (!port.isEmpty()) {
        bool ok = false;
        s.port = port.toInt(&ok);
        if (!ok || s.port < 1 || s.port > 65535) {
            *error =
                tr("The port \"%1\" in [database] of korvex.conf is not a port number.").arg(port);
            return false;
        }
    }
    const QString mode = conf.value(kSection, QStringLiteral("sslmode")).trimmed();
    if (!mode.isEmpty()) {
        static const QStringList kModes = {
            QStringLiteral("disable"), QStringLiteral("allow"),     QStringLiteral("prefer"),
            QStringLiteral("require"), QStringLiteral("verify-ca"), QStringLiteral("verify-full")};
        if (!kModes.contains(mode)) {
            *error = tr("The sslmode \"%1\" in [database] of korvex.conf is none of %2.")
                         .arg(mode, kModes.join(QLatin1String(", ")));
            return false;
        }
        s.sslMode = mode;
    }
    const QString passwordFile = conf.value(kSection, QStringLiteral("password_file")).trimmed();
    if (!passwordFile.isEmpty()) {
        const QString path = QDir(workDir).absoluteFilePath(passwordFile);
        QFile file(path);
        if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
            *error =
                tr("The database password file %1 cannot be read: %2")
                    .arg(path, QFileInfo(path).isFile() ? file.errorString() : tr("no such file"));
            return false;
        }
        const QByteArray bytes = readAtMost(file, kMaxPasswordBytes);
        if (bytes.size() > kMaxPasswordBytes) {
            *error = tr("The database password file %1 is over %2 bytes.")
                         .arg(path)
                         .arg(kMaxPasswordBytes);
            return false;
        }
        s.password = QString::fromUtf8(bytes.split('\n').value(0)).remove(QLatin1Char('\r'));
    }
    *out = s;
    return true;
}

bool DatabaseSettings::fromWorkDir(const QString &workDir, DatabaseSettings *out, QString *error)
{
    const QString path = QDir(workDir).absoluteFilePath(QStringLiteral("korvex.conf"));
    QFile file(path);
    if (!file.exists())
        return fromIni(IniFile(), workDir, out, error);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = tr("%1 cannot be read: %2").arg(path, file.errorString());
        return false;
    }
    const QByteArray text = readAtMost(file, kMaxConfBytes);
    if (text.size() > kMaxConfBytes) {
        *error = tr("%1 is over %2 bytes.").arg(path).arg(kMaxConfBytes);
        return false;
    }
    return fromIni(IniFile::parse(text), workDir, out, error);
}

QString DatabaseSettings::describe() const
{
    if (driver == Driver::Sqlite)
        return tr("SQLite %1").arg(QDir::toNativeSeparators(sqlitePath));
    return tr("PostgreSQL %1 on %2:%3").arg(database, host).arg(port);
}
