// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class IniFile;

// Where the catalogue lives.  Without a [database] section in korvex.conf it
// is the SQLite file korvex.db of the working folder; with one, a PostgreSQL
// server that the PCs of several lines share:
//   [database]
//   host = db.plant.local
//   port = 5432                  ; default 5432
//   database = korvex
//   user = korvex_line1
//   password_file = db.password  ; relative to the working folder; first line
//   sslmode = verify-full        ; disable, allow, prefer (default), require,
//                                ; verify-ca, verify-full
struct DatabaseSettings
{
    enum class Driver { Sqlite, Postgres };
    static constexpr const char *kSqliteFileName = "korvex.db";

    Driver driver = Driver::Sqlite;
    QString sqlitePath;
    QString host;
    int port = 5432;
    QString database;
    QString user;
    QString password;
    QString sslMode = QStringLiteral("prefer");
    // How long a write waits for another program's write to finish (SQLite),
    // and for the server to answer a connection (PostgreSQL).
    int busyTimeoutMs = 5000;
    int connectTimeoutSeconds = 5;

    static DatabaseSettings sqlite(const QString &path);
    // Reads [database] of the parsed korvex.conf; false with the reason when
    // the section is incomplete or the password file cannot be read.
    static bool fromIni(const IniFile &conf, const QString &workDir, DatabaseSettings *out,
                        QString *error);
    // Reads workDir/korvex.conf; a missing file means SQLite in workDir.
    static bool fromWorkDir(const QString &workDir, DatabaseSettings *out, QString *error);
    // "SQLite /path/korvex.db" or "PostgreSQL korvex on db.plant.local:5432".
    QString describe() const;
};
