// SPDX-License-Identifier: GPL-3.0-or-later
#include "editorcommandline.h"

#include <QCommandLineParser>

namespace editorCommandLine {

namespace {

// The options QGuiApplication and QApplication take out of the arguments
// themselves; they are accepted here and left for them.
const char *const kQtValueOptions[] = {
    "platform",    "platformpluginpath", "platformtheme", "plugin",  "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "session",       "display", "geometry",
    "style",       "stylesheet",         "qmljsdebugger", "name",    "title",
    "icon",        "fontengine",         "dialogs",
};
const char *const kQtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

// Written out here: the parser's own help text needs the application,
// which does not exist yet.
const char kUsage[] =
    "Usage: MessageEditor [options]\n"
    "The Korvex message editor: designs print messages for one model of inkjet coder.\n"
    "It works in the folder it is started in and takes its interface language from the\n"
    "first line of \"language.ini\" there.\n"
    "\n"
    "Options:\n"
    "  -h, --help     Displays this help and exits.\n"
    "  -v, --version  Displays the version and exits.\n"
    "\n"
    "It also takes the options of every Qt application, such as -platform offscreen.\n";

} // namespace

QString usage()
{
    return QString::fromLatin1(kUsage);
}

outcome read(const QStringList &arguments)
{
    QCommandLineParser parser;
    // "-platform offscreen" is one option, as Qt reads it, not eight letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOption(help);
    parser.addOption(version);
    for (const char *name : kQtValueOptions) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        parser.addOption(option);
    }
    for (const char *name : kQtFlags) {
        QCommandLineOption option(QString::fromLatin1(name));
        parser.addOption(option);
    }

    outcome result;
    const QString program = QStringLiteral("MessageEditor");
    if (!parser.parse(arguments.isEmpty() ? QStringList{program} : arguments)) {
        result.exits = true;
        result.code = 2;
        result.text = QStringLiteral("%1: %2\n\n%3").arg(program, parser.errorText(), usage());
        return result;
    }
    if (parser.isSet(help)) {
        result.exits = true;
        result.text = usage();
    } else if (parser.isSet(version)) {
        result.exits = true;
        result.text = QStringLiteral("%1 %2\n").arg(program, QStringLiteral(KORVEX_VERSION));
    }
    return result;
}

} // namespace editorCommandLine
