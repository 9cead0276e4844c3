// SPDX-License-Identifier: GPL-3.0-or-later
// korvexd: the coders of a line without a window.  Listens for coders as
// KorvexControl does, keeps "Spray/" and "devices/" in the folder it runs
// in and, with an [mqtt] section in its settings, puts the coders on the
// plant's broker.  Journals every command in "journal/" beside them.  Stops
// cleanly on SIGTERM and SIGINT.
#include "commandjournal.h"
#include "fleet.h"
#include "journal.h"
#include "openfilelimit.h"
#include "plantlink.h"
#include "plantlog.h"
#include "plantsettings.h"
#include "userstore.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <memory>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int stopPipe[2] = {-1, -1};

void onStopSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(stopPipe[1], &byte, 1);
}

// SIGTERM and SIGINT end the event loop from inside it, so that the
// coders' sockets are closed and the node's death is published.
bool watchStopSignals(QCoreApplication &app)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, stopPipe) != 0)
        return false;
    auto *notifier = new QSocketNotifier(stopPipe[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [&app, notifier] {
        notifier->setEnabled(false);
        qCInfo(lcPlant) << "stopping";
        app.quit();
    });
    struct sigaction action = {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    return sigaction(SIGTERM, &action, nullptr) == 0 && sigaction(SIGINT, &action, nullptr) == 0;
}

int fail(int code, const QString &text)
{
    std::fprintf(stderr, "korvexd: %s\n", qPrintable(text));
    return code;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("korvexd"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KORVEX_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "The Korvex control service: coders connect to it as to KorvexControl, and with an "
        "[mqtt] section in its settings it publishes them to the plant's MQTT broker as "
        "Sparkplug B devices and takes commands from there. It works in the folder it is "
        "started in (\"Spray/\", \"devices/\") and keeps the journal of every command in "
        "\"journal/\" there (check it with korvex-journal verify)."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption config(
        QStringLiteral("config"),
        QStringLiteral("The settings file (default: korvex.conf in the working folder)."),
        QStringLiteral("file"));
    parser.addOption(config);
    parser.process(app);

    const bool named = parser.isSet(config);
    const QString path =
        named ? parser.value(config) : QString::fromLatin1(PlantSettings::kFileName);
    PlantSettings settings;
    QStringList errors;
    if (!PlantSettings::load(path, named, &settings, &errors))
        return fail(2, errors.join(QStringLiteral("\nkorvexd: ")));

    const qint64 files = raiseOpenFileLimit();
    qCInfo(lcPlant) << "open files allowed:" << files;
    for (const char *folder : {"Spray", "devices"}) {
        if (!QDir().mkpath(QString::fromLatin1(folder)))
            return fail(1, QStringLiteral("cannot create the folder %1 in %2")
                               .arg(QString::fromLatin1(folder), QDir::currentPath()));
    }
    if (!watchStopSignals(app))
        return fail(1, QStringLiteral("cannot watch for SIGTERM"));

    Fleet fleet;
    QObject::connect(&fleet, &Fleet::note, &app,
                     [](const QString &text) { qCInfo(lcPlant).noquote() << text; });
    QObject::connect(&fleet, &Fleet::problem, &app,
                     [](const QString &text) { qCWarning(lcPlant).noquote() << text; });
    Journal journal;
    CommandJournal commands(&fleet, &journal);
    QObject::connect(&commands, &CommandJournal::problem, &app,
                     [](const QString &text) { qCWarning(lcPlant).noquote() << text; });
    commands.open();
    // Where users sign in to the window, nothing is done without its line:
    // a command whose line cannot be written is refused with the reason.
    UserStore users;
    const UserStore::Result usersRead = users.load();
    if (!usersRead.ok)
        qCWarning(lcPlant).noquote() << usersRead.error;
    commands.setFailClosed(users.enabled());
    const CommandResult listening = fleet.listen(settings.port.value_or(Fleet::kDefaultPort));
    if (!listening.ok)
        return fail(1, listening.error);

    std::unique_ptr<PlantLink> plant;
    if (settings.mqtt)
        plant = std::make_unique<PlantLink>(&fleet, settings);
    const int code = app.exec();
    plant.reset();
    return code;
}
