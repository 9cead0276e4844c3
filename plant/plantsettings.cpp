// SPDX-License-Identifier: GPL-3.0-or-later
#include "plantsettings.h"

#include "sparkplugpayload.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QUrl>

namespace {

// Why a file named in the settings cannot be read; empty when it can.
QString unreadable(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return QStringLiteral("no such file");
    if (!info.isFile())
        return QStringLiteral("not a plain file");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    return QString();
}

QString readPassword(const QString &path, QString *error)
{
    QString why = unreadable(path);
    QFile file(path);
    if (why.isEmpty() && !file.open(QIODevice::ReadOnly))
        why = file.errorString();
    if (!why.isEmpty()) {
        *error = QStringLiteral("cannot read the password file %1: %2").arg(path, why);
        return QString();
    }
    return QString::fromUtf8(file.readLine(4096)).trimmed();
}

// A Sparkplug ID of the [mqtt] section, or why it is none.
QString idProblem(const char *key, const char *what, const QString &id)
{
    if (id.isEmpty())
        return QStringLiteral("[mqtt] %1 is missing: %2, a name without \"/\", \"+\" and \"#\"")
            .arg(QLatin1String(key), QLatin1String(what));
    if (!Sparkplug::isValidId(id))
        return QStringLiteral("[mqtt] %1 \"%2\" must be a name without \"/\", \"+\" and \"#\"")
            .arg(QLatin1String(key), id);
    return QString();
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

    ini.beginGroup(QStringLiteral("mqtt"));
    settings->mqtt = !ini.childKeys().isEmpty();
    if (settings->mqtt) {
        BrokerSettings &b = settings->broker;
        const auto failMqtt = [&](const QString &text) { fail(QStringLiteral("[mqtt] ") + text); };
        readBrokerUrl(ini, &b, failMqtt);
        settings->group = ini.value(QStringLiteral("group")).toString();
        settings->node = ini.value(QStringLiteral("node")).toString();
        for (const QString &problem :
             {idProblem("group", "the Sparkplug group ID", settings->group),
              idProblem("node", "the Sparkplug edge-node ID", settings->node)}) {
            if (!problem.isEmpty())
                fail(problem);
        }
        settings->primaryHost = ini.value(QStringLiteral("primary_host")).toString();
        if (!settings->primaryHost.isEmpty() && !Sparkplug::isValidId(settings->primaryHost))
            fail(QStringLiteral("[mqtt] primary_host \"%1\" must be a host ID without \"/\", "
                                "\"+\" and \"#\"")
                     .arg(settings->primaryHost));
        readBrokerAccount(ini, &b, failMqtt);
        b.clientId = QStringLiteral("korvex-%1-%2").arg(settings->group, settings->node);
    }
    ini.endGroup();
    return errors->isEmpty();
}

void PlantSettings::readBrokerUrl(const QSettings &ini, BrokerSettings *b,
                                  const std::function<void(const QString &)> &fail)
{
    const QString urlText = ini.value(QStringLiteral("url")).toString();
    const QUrl url(urlText);
    if (!url.isValid() || url.host().isEmpty() ||
        (url.scheme() != QLatin1String("mqtt") && url.scheme() != QLatin1String("mqtts")))
        fail(QStringLiteral("url must be mqtt://host[:port] or mqtts://host[:port], not \"%1\"")
                 .arg(urlText));
    b->host = url.host();
    b->tls = url.scheme() == QLatin1String("mqtts");
    b->port = quint16(url.port(b->tls ? 8883 : 1883));
}

void PlantSettings::readBrokerAccount(const QSettings &ini, BrokerSettings *b,
                                      const std::function<void(const QString &)> &fail)
{
    b->user = ini.value(QStringLiteral("user")).toString();
    const QString passwordFile = ini.value(QStringLiteral("password_file")).toString();
    if (!passwordFile.isEmpty()) {
        QString error;
        b->password = readPassword(passwordFile, &error);
        if (!error.isEmpty())
            fail(error);
    }
    b->caFile = ini.value(QStringLiteral("ca_file")).toString();
    b->certFile = ini.value(QStringLiteral("cert_file")).toString();
    b->keyFile = ini.value(QStringLiteral("key_file")).toString();
    const QList<std::pair<const char *, QString>> tlsFiles{
        {"ca_file", b->caFile}, {"cert_file", b->certFile}, {"key_file", b->keyFile}};
    for (const auto &[key, file] : tlsFiles) {
        const QString why = file.isEmpty() ? QString() : unreadable(file);
        if (!why.isEmpty())
            fail(QStringLiteral("cannot read the %1 %2: %3").arg(QLatin1String(key), file, why));
    }
    if (b->tls && b->caFile.isEmpty())
        fail(QStringLiteral("mqtts needs ca_file, the authority of the broker's certificate"));
}
