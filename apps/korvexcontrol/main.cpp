// SPDX-License-Identifier: GPL-3.0-or-later
#include "appicon.h"
#include "eventlog.h"
#include "journal.h"
#include "korvexmainwindow.h"
#include "openfilelimit.h"
#include "plantlink.h"
#include "plantsettings.h"
#include "startup.h"
#include "userstore.h"

#include <QApplication>
#include <QJsonObject>

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
int createAdmin(int argc, char *argv[], int at)
{
    QCoreApplication app(argc, argv);
    if (at + 1 >= argc) {
        std::fprintf(stderr, "usage: KorvexControl --create-admin NAME\n");
        return 2;
    }
    const QString name = QString::fromLocal8Bit(argv[at + 1]);
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
        journal.append(Journal::systemUserName(), QStringLiteral("administrator created"),
                       {{QStringLiteral("name"), name}, {QStringLiteral("usersFileAnew"), anew}});
    for (const QString &found : journal.takeNotes())
        std::fprintf(stderr, "KorvexControl: %s\n", qPrintable(found));
    if (!line.ok)
        std::fprintf(stderr, "KorvexControl: not in the journal: %s\n", qPrintable(line.error));
    std::printf("%s: %s is an administrator%s; users are on.\n", qPrintable(path), qPrintable(name),
                anew ? " (the file was written anew)" : "");
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--create-admin") == 0)
            return createAdmin(argc, argv, i);
    }

    // The resources live in a static library; register them explicitly.
    Q_INIT_RESOURCE(mainwindow);

    QApplication app(argc, argv);
    Startup::configure(app);
    raiseOpenFileLimit();
    QApplication::setWindowIcon(applicationIcon());
    // Ties the windows to the menu entry, for the task bar under Wayland.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.korvex.KorvexControl"));

    KorvexMainWindow window;
    // With an [mqtt] section in korvex.conf, this PC puts its coders on the
    // plant's broker too.
    PlantSettings settings;
    QStringList errors;
    std::unique_ptr<PlantLink> plant;
    if (!PlantSettings::load(QString::fromLatin1(PlantSettings::kFileName), false, &settings,
                             &errors)) {
        for (const QString &error : qAsConst(errors))
            window.eventLog()->add(EventLog::Level::Problem, error);
    } else if (settings.mqtt) {
        plant = std::make_unique<PlantLink>(window.fleet(), settings);
    }
    window.show();
    const int code = app.exec();
    plant.reset();
    return code;
}
