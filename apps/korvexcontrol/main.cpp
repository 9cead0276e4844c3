// SPDX-License-Identifier: GPL-3.0-or-later
#include "korvexmainwindow.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // The resources live in a static library; register them explicitly.
    Q_INIT_RESOURCE(mainwindow);

    QApplication app(argc, argv);
    Startup::configure(app);

    KorvexMainWindow window;
    window.show();
    return app.exec();
}
