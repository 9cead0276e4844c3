// SPDX-License-Identifier: GPL-3.0-or-later
#include "plantsettings.h"

#include "sparkplugpayload.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QUrl>

namespace {

QString readPassword(const QString &path, QString *error)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        *error =
            QStringLiteral("cannot read the password file %1: %2").arg(path, file.errorString());
        return QString();
    }
    return QString::fromUtf8(file.readLine(4096)).trimmed();
}

} // namespace

bool PlantSettings::load(const QString &path, bool required, PlantSettings *settings,
                         QStringList *errors)
{
    *settings = PlantSettings();
    errors->clear();
    if (!QFileInfo(path).isFile()) {
        if (required)
            *errors << QStringLiteral("%1: no such settings file").arg(path);
        return !required;
    }
    QSettings ini(path, QSettings::IniFormat);
    if (ini.status() != QSettings::NoError) {
        *errors << QStringLiteral("%1: not a readable settings file").arg(path);
        return false;
    }
    const auto fail = [&](const QString &text) { *errors << path + QStringLiteral(": ") + text; };

    if (ini.contains(QStringLiteral("server/port"))) {
        bool ok = false;
        const uint port = ini.value(QStringLiteral("server/port")).toString().toUInt(&ok);
        if (!ok || port == 0 || port > 65535)
            fail(QStringLiteral("[server] port must be a number from 1 to 65535, not \"%1\"")
                     .arg(ini.value(QStringLiteral("server/port")).toString()));
        else
            settings->port = quint16(port);
    }

    ini.beginGroup(QStringLiteral("mqtt"));
    settings->mqtt = !ini.childKeys().isEmpty();
    if (settings->mqtt) {
        BrokerSettings &b = settings->broker;
        const QUrl url(ini.value(QStringLiteral("url")).toString());
        if (!url.isValid() || url.host().isEmpty() ||
            (url.scheme() != QLatin1String("mqtt") && url.scheme() != QLatin1String("mqtts")))
            fail(QStringLiteral("[mqtt] url must be mqtt://host[:port] or mqtts://host[:port], "
                                "not \"%1\"")
                     .arg(ini.value(QStringLiteral("url")).toString()));
        b.host = url.host();
        b.tls = url.scheme() == QLatin1String("mqtts");
        b.port = quint16(url.port(b.tls ? 8883 : 1883));
        settings->group = ini.value(QStringLiteral("group")).toString();
        settings->node = ini.value(QStringLiteral("node")).toString();
        if (!Sparkplug::isValidId(settings->group))
            fail(QStringLiteral("[mqtt] group \"%1\" must be a name without \"/\", \"+\" and \"#\"")
                     .arg(settings->group));
        if (!Sparkplug::isValidId(settings->node))
            fail(QStringLiteral("[mqtt] node \"%1\" must be a name without \"/\", \"+\" and \"#\"")
                     .arg(settings->node));
        b.user = ini.value(QStringLiteral("user")).toString();
        const QString passwordFile = ini.value(QStringLiteral("password_file")).toString();
        if (!passwordFile.isEmpty()) {
            QString error;
            b.password = readPassword(passwordFile, &error);
            if (!error.isEmpty())
                fail(QStringLiteral("[mqtt] ") + error);
        }
        b.caFile = ini.value(QStringLiteral("ca_file")).toString();
        b.certFile = ini.value(QStringLiteral("cert_file")).toString();
        b.keyFile = ini.value(QStringLiteral("key_file")).toString();
        for (const QString &file : {b.caFile, b.certFile, b.keyFile}) {
            if (!file.isEmpty() && !QFileInfo(file).isReadable())
                fail(QStringLiteral("[mqtt] cannot read %1").arg(file));
        }
        if (b.tls && b.caFile.isEmpty())
            fail(QStringLiteral("[mqtt] mqtts needs ca_file, the authority of the broker's "
                                "certificate"));
        b.clientId = QStringLiteral("korvex-%1-%2").arg(settings->group, settings->node);
    }
    ini.endGroup();
    return errors->isEmpty();
}
