// SPDX-License-Identifier: GPL-3.0-or-later
// The standalone message editor: the command line, the language named by
// "language.ini", then the main window.
#include "appicon.h"
#include "editorcommandline.h"
#include "editorstartup.h"
#include "mainwindow.h"

#include <QApplication>
#include <QTranslator>

#include <cstdio>

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const editorCommandLine::outcome command = editorCommandLine::read(arguments);
    if (command.exits) {
        std::fputs(command.text.toLocal8Bit().constData(), command.code == 0 ? stdout : stderr);
        return command.code;
    }

    QApplication app(argc, argv);
    QApplication::setWindowIcon(applicationIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("org.korvex.MessageEditor"));
    const std::unique_ptr<QTranslator> translator = editorStartup::prepare();
    MainWindow window;
    window.show();
    return app.exec();
}
