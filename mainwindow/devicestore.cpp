// SPDX-License-Identifier: GPL-3.0-or-later
#include "devicestore.h"

#include <QSettings>

namespace {

const QString Organization = QStringLiteral("KorvexSoftWare");
const QString PortKey = QStringLiteral("NetWork/ServerPort");
const QString RemarkGroup = QStringLiteral("DeviceRemarkName");

QString remarkKey(const QString &ipText)
{
    return RemarkGroup + QLatin1Char('/') + ipText;
}

} // namespace

namespace DeviceStore {

std::optional<int> serverPort()
{
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, Organization);
    bool ok = false;
    const int port = store.value(PortKey).toInt(&ok);
    if (!ok)
        return std::nullopt;
    return port;
}

void setServerPort(int port)
{
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, Organization);
    store.setValue(PortKey, port);
}

QString remarkName(const QString &ipText)
{
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, Organization);
    return store.value(remarkKey(ipText)).toString();
}

void setRemarkName(const QString &ipText, const QString &name)
{
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, Organization);
    store.setValue(remarkKey(ipText), name);
}

} // namespace DeviceStore
