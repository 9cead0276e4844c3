// SPDX-License-Identifier: GPL-3.0-or-later
#include "readersettings.h"

#include "boundedread.h"
#include "inifile.h"

#include <QFileInfo>

QList<ReaderSettings> ReaderSettings::load(const QString &path, QStringList *errors)
{
    if (path.isEmpty() || !QFileInfo::exists(path))
        return {};
    const PlainFile file = PlainFile::read(path, 1024 * 1024);
    if (!file.ok()) {
        *errors << QStringLiteral("%1: cannot be read for the code readers%2")
                       .arg(path, file.error.isEmpty() ? QString() : ": " + file.error);
        return {};
    }
    return parse(file.bytes, errors);
}

QList<ReaderSettings> ReaderSettings::parse(const QByteArray &text, QStringList *errors)
{
    const IniFile ini = IniFile::parse(text);
    QList<ReaderSettings> readers;
    const QString prefix = QLatin1String(kSectionPrefix);
    for (const QString &section : ini.sections()) {
        if (!section.startsWith(prefix))
            continue;
        ReaderSettings r;
        r.name = section.mid(prefix.size());
        const auto bad = [&](const QString &why) {
            *errors << QStringLiteral("[%1]: %2; this reader is not watched").arg(section, why);
        };
        r.host = ini.value(section, QStringLiteral("host")).trimmed();
        r.coder = ini.value(section, QStringLiteral("coder")).trimmed();
        bool ok = false;
        const uint port = ini.value(section, QStringLiteral("port")).toUInt(&ok);
        if (r.name.isEmpty()) {
            bad(QStringLiteral("a reader needs a name after \"reader.\""));
            continue;
        }
        if (r.host.isEmpty()) {
            bad(QStringLiteral("host is missing"));
            continue;
        }
        if (!ok || port == 0 || port > 65535) {
            bad(QStringLiteral("port must be a number from 1 to 65535"));
            continue;
        }
        r.port = quint16(port);
        if (r.coder.isEmpty()) {
            bad(QStringLiteral("coder is missing (the remark name or IP of the coder it watches)"));
            continue;
        }
        if (ini.contains(section, QStringLiteral("no_read"))) {
            r.noRead = ini.value(section, QStringLiteral("no_read"));
            if (r.noRead.isEmpty()) {
                bad(QStringLiteral("no_read must not be empty"));
                continue;
            }
        }
        if (ini.contains(section, QStringLiteral("silent_seconds"))) {
            const int seconds = ini.value(section, QStringLiteral("silent_seconds")).toInt(&ok);
            if (!ok || seconds < 0 || seconds > 24 * 3600) {
                bad(QStringLiteral("silent_seconds must be a number of seconds from 0 to 86400"));
                continue;
            }
            r.silentSeconds = seconds;
        }
        readers << r;
    }
    return readers;
}
