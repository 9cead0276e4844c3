// SPDX-License-Identifier: GPL-3.0-or-later
#include "devicestore.h"

#include <QSettings>

namespace {

const QString kOrganization = QStringLiteral("KorvexSoftWare");
const QString kRemarkGroup = QStringLiteral("DeviceRemarkName");
const QString kCarriedOverKey = QStringLiteral("Station/remarkNamesCarriedOver");

QString remarkKey(const QString &ipText)
{
    return kRemarkGroup + QLatin1Char('/') + ipText;
}

} // namespace

namespace DeviceStore {

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

QMap<QString, QString> remarkNames()
{
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, kOrganization);
    store.beginGroup(kRemarkGroup);
    QMap<QString, QString> names;
    for (const QString &key : store.childKeys())
        names.insert(key, store.value(key).toString());
    return names;
}

bool remarkNamesCarriedOver()
{
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, kOrganization);
    return store.value(kCarriedOverKey).toBool();
}

void setRemarkNamesCarriedOver()
{
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, kOrganization);
    store.setValue(kCarriedOverKey, true);
}

} // namespace DeviceStore
