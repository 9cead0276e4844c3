// SPDX-License-Identifier: GPL-3.0-or-later
#include "appicon.h"
#include "eventlog.h"
#include "interfacelanguage.h"
#include "jobservice.h"
#include "journal.h"
#include "journalactions.h"
#include "korvexmainwindow.h"
#include "openfilelimit.h"
#include "planthostlink.h"
#include "planthostsettings.h"
#include "plantlink.h"
#include "plantsettings.h"
#include "preflight.h"
#include "printedcodesof.h"
#include "productslink.h"
#include "readerservice.h"
#include "sparkplugnode.h"
#include "startup.h"
#include "station.h"
#include "stationsettings.h"
#include "userstore.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QJsonObject>
#include <QTranslator>

#include <cstdio>
#include <cstring>
#include <memory>
#include <termios.h>
#include <unistd.h>

namespace {

// A line of standard input; on a terminal, without showing what is typed.
QString readSecret(const char *prompt)
{
    const bool terminal = ::isatty(STDIN_FILENO);
    termios saved = {};
    if (terminal) {
        std::fprintf(stderr, "%s", prompt);
        std::fflush(stderr);
        ::tcgetattr(STDIN_FILENO, &saved);
        termios quiet = saved;
        quiet.c_lflag &= ~tcflag_t(ECHO);
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
    }
    char buffer[1024] = {};
    QByteArray line = std::fgets(buffer, sizeof buffer, stdin) ? QByteArray(buffer) : QByteArray();
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    if (terminal) {
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
        std::fprintf(stderr, "\n");
    }
    return QString::fromLocal8Bit(line);
}

// KorvexControl --create-admin NAME: makes NAME an administrator in the
// users file of the working folder and switches users on, keeping the other
// users of a file that can still be read; a lost or damaged file is written
// anew.  For the day nobody can sign in.
int createAdmin(int argc, char *argv[], const QString &name)
{
    QCoreApplication app(argc, argv);
    const QString problem = UserStore::nameProblem(name);
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "KorvexControl: %s\n", qPrintable(problem));
        return 2;
    }
    const QString password = readSecret("Password: ");
    if (password.isEmpty() || readSecret("The same again: ") != password) {
        std::fprintf(stderr, "KorvexControl: the passwords are empty or differ; nothing changed\n");
        return 1;
    }
    const QString path = UserStore().path();
    const UserStore::Repair repaired = UserStore::createAdministrator(path, name, password);
    if (!repaired.ok) {
        std::fprintf(stderr, "KorvexControl: %s\n", qPrintable(repaired.error));
        return 1;
    }
    const bool anew = repaired.anew;
    for (const QString &done : repaired.said)
        std::printf("%s\n", qPrintable(done));
    Journal journal;
    const JournalWrite line =
        journal.append(Journal::systemUserName(), JournalAction::kAdministratorCreated,
                       {{QStringLiteral("name"), name}, {QStringLiteral("usersFileAnew"), anew}});
    for (const QString &found : journal.takeNotes())
        std::fprintf(stderr, "KorvexControl: %s\n", qPrintable(found));
    if (!line.ok)
        std::fprintf(stderr, "KorvexControl: not in the journal: %s\n", qPrintable(line.error));
    std::printf("%s: %s is an administrator%s; users are on.\n", qPrintable(path), qPrintable(name),
                anew ? " (the file was written anew)" : "");
    return 0;
}

// The options of the program itself, read before anything is opened, so
// that --help and --version touch neither a display nor the working folder.
// Qt's own options (-platform, -style, ...) are left to QApplication.
struct CommandLine
{
    int exitCode = -1; // >= 0: end at once with it
    QString createAdmin;
};

CommandLine readCommandLine(int argc, char *argv[])
{
    // The parser's help names the program from the application's arguments.
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Runs the Korvex inkjet coders of a production line and designs their messages. "
        "Works in the folder it is started in (Spray/, devices/, journal/, korvex.conf)."));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Prints this help and ends."));
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Prints the version and ends."));
    const QCommandLineOption admin(
        QStringLiteral("create-admin"),
        QStringLiteral("Makes NAME an administrator in users.json of the working folder and "
                       "switches users on, then ends (the password is asked twice)."),
        QStringLiteral("NAME"));
    parser.addOptions({help, version, admin});
    // Qt's options, so that they are not taken for unknown ones.
    for (const char *name : {"platform", "platformpluginpath", "platformtheme", "plugin", "style",
                             "stylesheet", "display", "geometry", "qwindowgeometry", "qwindowtitle",
                             "qwindowicon", "session", "title"}) {
        QCommandLineOption qt(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        qt.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(qt);
    }
    for (const char *name : {"reverse", "nograb", "dograb", "sync", "widgetcount"}) {
        QCommandLineOption qt(QString::fromLatin1(name));
        qt.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(qt);
    }
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    CommandLine line;
    if (!parser.parse(arguments)) {
        std::fprintf(stderr, "KorvexControl: %s\n\n%s", qPrintable(parser.errorText()),
                     qPrintable(parser.helpText()));
        line.exitCode = 2;
    } else if (parser.isSet(help)) {
        std::printf("%s", qPrintable(parser.helpText()));
        line.exitCode = 0;
    } else if (parser.isSet(version)) {
        std::printf("KorvexControl %s\n", KORVEX_VERSION);
        line.exitCode = 0;
    } else if (!parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "KorvexControl: unexpected argument \"%s\"\n\n%s",
                     qPrintable(parser.positionalArguments().first()),
                     qPrintable(parser.helpText()));
        line.exitCode = 2;
    } else if (parser.isSet(admin)) {
        line.createAdmin = parser.value(admin);
    }
    return line;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("KorvexControl"));
    const CommandLine line = readCommandLine(argc, argv);
    if (line.exitCode >= 0)
        return line.exitCode;
    if (!line.createAdmin.isNull())
        return createAdmin(argc, argv, line.createAdmin);

    // The resources live in a static library; register them explicitly.
    Q_INIT_RESOURCE(mainwindow);

    QApplication app(argc, argv);
    Startup::configure(app);
    raiseOpenFileLimit();
    QApplication::setWindowIcon(applicationIcon());
    // Ties the windows to the menu entry, for the task bar under Wayland.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.korvex.KorvexControl"));

    // The interface language, before anything is worded: [window] language of
    // korvex.conf, else the desktop's.  The station reads the file again.
    StationSettings chosen(QString::fromLatin1(StationSettings::kFileName));
    QStringList unread;
    chosen.load(false, &unread);
    const InterfaceLanguage::Choice language =
        InterfaceLanguage::choose(chosen.language(), QLocale::system());
    QString languageProblem = language.problem;
    const std::unique_ptr<QTranslator> translator =
        InterfaceLanguage::install(language.name, &languageProblem);

    Station::Options options;
    options.carryOverRemarkNames = true;
    options.check = &Preflight::checkFile;
    Station station(options);
    KorvexMainWindow window(&station);
    // A bad setting: the defaults, and the event log says which.
    QStringList errors = station.settingsErrors();
    if (!languageProblem.isEmpty())
        window.eventLog()->add(EventLog::Level::Problem, languageProblem);
    station.open();
    // With an [mqtt] section in korvex.conf, this PC puts its coders on the
    // plant's broker too.
    PlantSettings plant;
    if (errors.isEmpty())
        PlantSettings::load(station.settings()->path(), false, &plant, &errors);
    for (const QString &error : qAsConst(errors))
        window.eventLog()->add(
            EventLog::Level::Problem,
            QCoreApplication::translate("main", "%1; the defaults are used.").arg(error));
    JobService jobs(&station);
    QObject::connect(
        &jobs, &JobService::problem, window.eventLog(),
        [&window](const QString &text) { window.eventLog()->add(EventLog::Level::Problem, text); });
    jobs.open();
    window.setJobService(&jobs);
    ProductsLink products(&window, &jobs);
    // The code readers after the coders, from [reader.*] of korvex.conf.
    ReaderService readers(&station, jobs.runner(), jobs.catalogue(), &PrintedCodesOfFile::at);
    QObject::connect(
        &readers, &ReaderService::note, window.eventLog(),
        [&window](const QString &t) { window.eventLog()->add(EventLog::Level::Info, t); });
    QObject::connect(
        &readers, &ReaderService::problem, window.eventLog(),
        [&window](const QString &t) { window.eventLog()->add(EventLog::Level::Problem, t); });
    readers.start();
    window.setReaderService(&readers);
    std::unique_ptr<PlantLink> link;
    if (errors.isEmpty() && plant.mqtt)
        link = std::make_unique<PlantLink>(&station, plant, jobs.runner());
    // With a [plant] section, the window follows the plant's lines too.
    PlantHostSettings lines;
    QStringList linesErrors;
    std::unique_ptr<PlantHostLink> host;
    if (!PlantHostSettings::load(station.settings()->path(), &lines, &linesErrors))
        for (const QString &error : qAsConst(linesErrors))
            window.eventLog()->add(EventLog::Level::Problem, error);
    else if (lines.enabled)
        host = std::make_unique<PlantHostLink>(lines, window.remoteLines(), window.eventLog());
    if (link)
        link->node()->setReaders(&readers);
    window.show();
    const int code = app.exec();
    window.setJobService(nullptr); // the jobs go before the window
    host.reset();
    link.reset();
    return code;
}
