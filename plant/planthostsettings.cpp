// SPDX-License-Identifier: GPL-3.0-or-later
#include "planthostsettings.h"

#include "plantsettings.h"

#include "sparkplugpayload.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QUrl>

bool PlantHostSettings::load(const QString &path, PlantHostSettings *settings, QStringList *errors)
{
    *settings = PlantHostSettings();
    errors->clear();
    if (!QFileInfo(path).isFile())
        return true;
    QSettings ini(path, QSettings::IniFormat);
    if (ini.status() != QSettings::NoError) {
        *errors << QStringLiteral("%1: not a readable settings file").arg(path);
        return false;
    }
    const auto fail = [&](const QString &text) {
        *errors << path + QStringLiteral(": [plant] ") + text;
    };
    ini.beginGroup(QStringLiteral("plant"));
    settings->enabled = !ini.childKeys().isEmpty();
    if (!settings->enabled)
        return true;
    BrokerSettings &b = settings->broker;
    const QString urlText = ini.value(QStringLiteral("url")).toString();
    const QUrl url(urlText);
    if (!url.isValid() || url.host().isEmpty() ||
        (url.scheme() != QLatin1String("mqtt") && url.scheme() != QLatin1String("mqtts")))
        fail(QStringLiteral("url must be mqtt://host[:port] or mqtts://host[:port], not \"%1\"")
                 .arg(urlText));
    b.host = url.host();
    b.tls = url.scheme() == QLatin1String("mqtts");
    b.port = quint16(url.port(b.tls ? 8883 : 1883));
    settings->hostId = ini.value(QStringLiteral("host_id")).toString();
    if (settings->hostId.isEmpty() || !Sparkplug::isValidId(settings->hostId))
        fail(QStringLiteral("host_id \"%1\" must be a host ID without \"/\", \"+\" and \"#\"")
                 .arg(settings->hostId));
    const QString primary =
        ini.value(QStringLiteral("primary"), QStringLiteral("false")).toString().toLower();
    if (primary != QLatin1String("true") && primary != QLatin1String("false"))
        fail(QStringLiteral("primary must be true or false, not \"%1\"").arg(primary));
    settings->primary = primary == QLatin1String("true");
    b.user = ini.value(QStringLiteral("user")).toString();
    const QString passwordFile = ini.value(QStringLiteral("password_file")).toString();
    if (!passwordFile.isEmpty()) {
        const QString why = PlantSettings::unreadable(passwordFile);
        QFile file(passwordFile);
        if (!why.isEmpty() || !file.open(QIODevice::ReadOnly))
            fail(QStringLiteral("cannot read the password file %1: %2")
                     .arg(passwordFile, why.isEmpty() ? file.errorString() : why));
        else
            b.password = QString::fromUtf8(file.readLine(4096)).trimmed();
    }
    b.caFile = ini.value(QStringLiteral("ca_file")).toString();
    b.certFile = ini.value(QStringLiteral("cert_file")).toString();
    b.keyFile = ini.value(QStringLiteral("key_file")).toString();
    const QList<std::pair<const char *, QString>> tlsFiles{
        {"ca_file", b.caFile}, {"cert_file", b.certFile}, {"key_file", b.keyFile}};
    for (const auto &[key, file] : tlsFiles) {
        const QString why = file.isEmpty() ? QString() : PlantSettings::unreadable(file);
        if (!why.isEmpty())
            fail(QStringLiteral("cannot read the %1 %2: %3").arg(QLatin1String(key), file, why));
    }
    if (b.tls && b.caFile.isEmpty())
        fail(QStringLiteral("mqtts needs ca_file, the authority of the broker's certificate"));
    b.clientId = QStringLiteral("korvex-host-%1").arg(settings->hostId);
    return errors->isEmpty();
}
