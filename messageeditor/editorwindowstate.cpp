// SPDX-License-Identifier: GPL-3.0-or-later
#include "editorwindowstate.h"

#include "messageeditorlog.h"

#include <QMainWindow>
#include <QSettings>

namespace editorWindowState {

namespace {

const QString kGeometryKey = QStringLiteral("window/geometry");
const QString kStateKey = QStringLiteral("window/state");

} // namespace

void restore(QMainWindow *window)
{
    const QSettings settings(QSettings::NativeFormat, QSettings::UserScope,
                             QString::fromLatin1(kOrganization), QString::fromLatin1(kApplication));
    // Both refuse what they cannot read, and the window keeps its own.
    window->restoreGeometry(settings.value(kGeometryKey).toByteArray());
    window->restoreState(settings.value(kStateKey).toByteArray());
}

void save(const QMainWindow *window)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromLatin1(kOrganization), QString::fromLatin1(kApplication));
    settings.setValue(kGeometryKey, window->saveGeometry());
    settings.setValue(kStateKey, window->saveState());
    settings.sync();
    if (settings.status() != QSettings::NoError)
        qCWarning(lcMessageEditor) << "window state not kept in" << settings.fileName();
}

} // namespace editorWindowState
