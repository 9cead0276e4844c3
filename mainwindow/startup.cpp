// SPDX-License-Identifier: GPL-3.0-or-later
#include "startup.h"

#include <QApplication>
#include <QFile>

namespace Startup {

QString styleSheet()
{
    QFile file(QStringLiteral(":/qss/myMainWindow.qss"));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    const QByteArray bytes = file.readAll();
    const int nul = bytes.indexOf('\0');
    return QString::fromLatin1(nul >= 0 ? bytes.left(nul) : bytes);
}

void configure(QApplication &app)
{
    app.setStyleSheet(styleSheet());
    QCoreApplication::setOrganizationName(QStringLiteral("VexaSettings"));
    QCoreApplication::setApplicationName(QStringLiteral("KorvexSoftWare"));
}

} // namespace Startup
