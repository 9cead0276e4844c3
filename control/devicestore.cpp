// SPDX-License-Identifier: GPL-3.0-or-later
#include "devicestore.h"

#include <QSettings>

namespace {

const QString kOrganization = QStringLiteral("KorvexSoftWare");
const QString kPortKey = QStringLiteral("NetWork/ServerPort");
const QString kRemarkGroup = QStringLiteral("DeviceRemarkName");

QString remarkKey(const QString &ipText)
{
    return kRemarkGroup + QLatin1Char('/') + ipText;
}

} // namespace

namespace DeviceStore {

std::optional<int> serverPort()
{
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, kOrganization);
    bool ok = false;
    const int port = store.value(kPortKey).toInt(&ok);
    if (!ok)
        return std::nullopt;
    return port;
}

void setServerPort(int port)
{
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, kOrganization);
    store.setValue(kPortKey, port);
}

QString remarkName(const QString &ipText)
{
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, kOrganization);
    return store.value(remarkKey(ipText)).toString();
}

void setRemarkName(const QString &ipText, const QString &name)
{
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, kOrganization);
    store.setValue(remarkKey(ipText), name);
}

} // namespace DeviceStore
