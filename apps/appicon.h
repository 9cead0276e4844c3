// SPDX-License-Identifier: GPL-3.0-or-later
// The program's icon for its windows and the task bar, from the sizes that
// tools/icons/make_icons.py draws into packaging/icons/ and the program's own
// appicon.qrc puts under ":/appicon".
#ifndef APPICON_H
#define APPICON_H

#include <QIcon>
#include <QString>

inline QIcon applicationIcon()
{
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/appicon/%1.png").arg(size), QSize(size, size));
    return icon;
}

#endif // APPICON_H
