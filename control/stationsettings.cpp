// SPDX-License-Identifier: GPL-3.0-or-later
#include "stationsettings.h"

#include "boundedread.h"
#include "devicestore.h"
#include "inifile.h"
#include "writewhole.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

const QString kServer = QStringLiteral("server");
const QString kPort = QStringLiteral("port");
const QString kRemarkNames = QStringLiteral("remark_names");
const QString kWindow = QStringLiteral("window");
const QString kLanguage = QStringLiteral("language");
const QString kJobs = QStringLiteral("jobs");
const QString kEnabled = QStringLiteral("enabled");

QString tr(const char *text)
{
    return QCoreApplication::translate("StationSettings", text);
}

// The file's text, or why it cannot be read; a missing file reads as empty.
bool readText(const QString &path, QByteArray *text, QString *error)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        text->clear();
        return true;
    }
    if (!info.isFile()) {
        *error = QCoreApplication::translate("StationSettings", "not a plain file");
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return false;
    }
    *text = readAtMost(file, StationSettings::kMaxFileBytes);
    if (text->size() > StationSettings::kMaxFileBytes) {
        *error = QCoreApplication::translate("StationSettings", "larger than %1 KiB")
                     .arg(StationSettings::kMaxFileBytes / 1024);
        return false;
    }
    return true;
}

} // namespace

StationSettings::StationSettings(const QString &path) : m_path(path) {}

bool StationSettings::load(bool required, QStringList *errors)
{
    m_port.reset();
    m_remarkNames.clear();
    m_language.clear();
    m_jobsEnabled = false;
    if (m_path.isEmpty())
        return true;
    const auto fail = [&](const QString &text) {
        *errors << QStringLiteral("%1: %2").arg(m_path, text);
        return false;
    };
    if (!QFileInfo::exists(m_path))
        return required ? fail(tr("no such settings file")) : true;
    QByteArray text;
    QString error;
    if (!readText(m_path, &text, &error))
        return fail(tr("cannot be read (%1)").arg(error));
    const IniFile ini = IniFile::parse(text);
    bool ok = true;
    if (ini.contains(kServer, kPort)) {
        bool number = false;
        const QString value = ini.value(kServer, kPort);
        const uint port = value.toUInt(&number);
        if (!number || port == 0 || port > 65535)
            ok = fail(tr("[server] port must be a number from 1 to 65535, not \"%1\"").arg(value));
        else
            m_port = quint16(port);
    }
    m_language = ini.value(kWindow, kLanguage).trimmed();
    for (const QString &ipText : ini.keys(kRemarkNames))
        m_remarkNames.insert(ipText, ini.value(kRemarkNames, ipText));
    if (ini.contains(kJobs, kEnabled)) {
        const QString value = ini.value(kJobs, kEnabled).trimmed().toLower();
        if (value == QLatin1String("true") || value == QLatin1String("yes") ||
            value == QLatin1String("on") || value == QLatin1String("1"))
            m_jobsEnabled = true;
        else if (value != QLatin1String("false") && value != QLatin1String("no") &&
                 value != QLatin1String("off") && value != QLatin1String("0"))
            ok = fail(tr("[jobs] enabled must be true or false, not \"%1\"")
                          .arg(ini.value(kJobs, kEnabled)));
    }
    return ok;
}

QString StationSettings::store(const QString &section, const QString &key,
                               const std::optional<QString> &value)
{
    if (m_path.isEmpty())
        return QString();
    QByteArray text;
    QString error;
    if (!readText(m_path, &text, &error))
        return tr("%1 cannot be read (%2)").arg(m_path, error);
    // Qt's save file would write through a link to whatever it names.
    if (QFileInfo(m_path).isSymLink())
        return tr("%1 is a link; change the file it names").arg(m_path);
    IniFile ini = IniFile::parse(text);
    if (value)
        ini.setValue(section, key, *value);
    else
        ini.remove(section, key);
    QSaveFile out(m_path);
    out.setDirectWriteFallback(false);
    QString reason;
    if (!out.open(QIODevice::WriteOnly) || !writeWhole(out, ini.toText(), &reason) ||
        !out.commit()) {
        if (reason.isEmpty())
            reason = out.errorString();
        out.cancelWriting();
        return tr("%1 cannot be written (%2)").arg(m_path, reason);
    }
    return QString();
}

QString StationSettings::setPort(quint16 port)
{
    m_port = port;
    const QString error = store(kServer, kPort, QString::number(port));
    return error.isEmpty() ? QString()
                           : tr("The port holds until the program ends: %1.").arg(error);
}

QString StationSettings::setRemarkName(const QString &ipText, const QString &name)
{
    if (name.isEmpty())
        m_remarkNames.remove(ipText);
    else
        m_remarkNames.insert(ipText, name);
    const QString error =
        store(kRemarkNames, ipText, name.isEmpty() ? std::nullopt : std::optional<QString>(name));
    return error.isEmpty() ? QString()
                           : tr("The name holds until the program ends: %1.").arg(error);
}

QString StationSettings::carryOverRemarkNames()
{
    if (m_path.isEmpty() || DeviceStore::remarkNamesCarriedOver())
        return QString();
    QMap<QString, QString> added;
    const QMap<QString, QString> old = DeviceStore::remarkNames();
    for (auto it = old.cbegin(); it != old.cend(); ++it) {
        if (!it.value().isEmpty() && !m_remarkNames.contains(it.key()))
            added.insert(it.key(), it.value());
    }
    for (auto it = added.cbegin(); it != added.cend(); ++it)
        m_remarkNames.insert(it.key(), it.value());
    for (auto it = added.cbegin(); it != added.cend(); ++it) {
        const QString error = store(kRemarkNames, it.key(), it.value());
        if (!error.isEmpty())
            return tr("The remark names of this account are used, but not yet kept in the "
                      "settings: %1.")
                .arg(error);
    }
    DeviceStore::setRemarkNamesCarriedOver();
    return QString();
}
