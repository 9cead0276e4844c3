// SPDX-License-Identifier: GPL-3.0-or-later
#include "appicon.h"
#include "korvexmainwindow.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // The resources live in a static library; register them explicitly.
    Q_INIT_RESOURCE(mainwindow);

    QApplication app(argc, argv);
    Startup::configure(app);
    QApplication::setWindowIcon(applicationIcon());
    // Ties the windows to the menu entry, for the task bar under Wayland.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.korvex.KorvexControl"));

    KorvexMainWindow window;
    window.show();
    return app.exec();
}
