// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowplaces.h"

#include <QSettings>
#include <QSplitter>
#include <QWidget>

namespace {

const QString kOrganization = QStringLiteral("KorvexSoftWare");
const QString kGeometryKey = QStringLiteral("Window/geometry");
const QString kCompactKey = QStringLiteral("Window/compactRows");

QString splitterKey(const QSplitter *splitter)
{
    return QStringLiteral("Window/") + splitter->objectName();
}

} // namespace

namespace WindowPlaces {

bool restore(QWidget *window, const QList<QSplitter *> &splitters)
{
    const QSettings store(QSettings::NativeFormat, QSettings::UserScope, kOrganization);
    if (!window->restoreGeometry(store.value(kGeometryKey).toByteArray()))
        return false;
    for (QSplitter *splitter : splitters)
        splitter->restoreState(store.value(splitterKey(splitter)).toByteArray());
    return true;
}

void save(const QWidget *window, const QList<QSplitter *> &splitters)
{
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, kOrganization);
    store.setValue(kGeometryKey, window->saveGeometry());
    for (const QSplitter *splitter : splitters)
        store.setValue(splitterKey(splitter), splitter->saveState());
}

bool compactRows()
{
    const QSettings store(QSettings::NativeFormat, QSettings::UserScope, kOrganization);
    return store.value(kCompactKey, false).toBool();
}

void saveCompactRows(bool compact)
{
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, kOrganization);
    store.setValue(kCompactKey, compact);
}

} // namespace WindowPlaces
