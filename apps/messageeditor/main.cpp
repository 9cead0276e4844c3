// SPDX-License-Identifier: GPL-3.0-or-later
// The standalone message editor: the language named by "language.ini", then
// the main window.
#include "appicon.h"
#include "editorstartup.h"
#include "mainwindow.h"

#include <QApplication>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setWindowIcon(applicationIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("org.korvex.MessageEditor"));
    const std::unique_ptr<QTranslator> translator = editorStartup::prepare();
    MainWindow window;
    window.show();
    return app.exec();
}
