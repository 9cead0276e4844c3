// SPDX-License-Identifier: GPL-3.0-or-later
#include "planthostsettings.h"

#include "plantsettings.h"

#include "sparkplugpayload.h"

#include <QFileInfo>
#include <QSettings>

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
    PlantSettings::readBrokerUrl(ini, &b, fail);
    settings->hostId = ini.value(QStringLiteral("host_id")).toString();
    if (settings->hostId.isEmpty() || !Sparkplug::isValidId(settings->hostId))
        fail(QStringLiteral("host_id \"%1\" must be a host ID without \"/\", \"+\" and \"#\"")
                 .arg(settings->hostId));
    const QString primary =
        ini.value(QStringLiteral("primary"), QStringLiteral("false")).toString().toLower();
    if (primary != QLatin1String("true") && primary != QLatin1String("false"))
        fail(QStringLiteral("primary must be true or false, not \"%1\"").arg(primary));
    settings->primary = primary == QLatin1String("true");
    PlantSettings::readBrokerAccount(ini, &b, fail);
    b.clientId = QStringLiteral("korvex-host-%1").arg(settings->hostId);
    return errors->isEmpty();
}
