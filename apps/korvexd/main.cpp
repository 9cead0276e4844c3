// SPDX-License-Identifier: GPL-3.0-or-later
// korvexd: the coders of a line without a window.  The same control station
// as KorvexControl's: it listens for coders, keeps "Spray/", "devices/" and
// the journal in the folder it runs in, checks every message before it goes
// out, runs the jobs of its catalogue and, with an [mqtt] section in its
// settings, puts the coders on the plant's broker.  Stops cleanly on
// SIGTERM and SIGINT.
#include "jobservice.h"
#include "openfilelimit.h"
#include "plantlink.h"
#include "plantlog.h"
#include "plantsettings.h"
#include "preflight.h"
#include "printedcodesof.h"
#include "readerservice.h"
#include "sparkplugnode.h"
#include "station.h"
#include "stationsettings.h"
#include "stopsignals.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>
#include <memory>

namespace {

int fail(int code, const QStringList &lines)
{
    for (const QString &line : lines)
        std::fprintf(stderr, "korvexd: %s\n", qPrintable(line));
    return code;
}

// The settings file named with --config, or empty for korvex.conf of the
// working folder; an exit code when the program is to end at once.
struct CommandLine
{
    int exitCode = -1;
    QString config;
};

CommandLine readCommandLine()
{
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
    CommandLine line;
    // An unknown option or argument is a mistake in the unit or the script
    // that starts the service: the usage, and 2, as for any bad setting.
    if (!parser.parse(QCoreApplication::arguments()) || !parser.positionalArguments().isEmpty()) {
        const QString error = parser.positionalArguments().isEmpty()
                                  ? parser.errorText()
                                  : QStringLiteral("unexpected argument \"%1\"")
                                        .arg(parser.positionalArguments().first());
        std::fprintf(stderr, "korvexd: %s\n\n%s", qPrintable(error), qPrintable(parser.helpText()));
        line.exitCode = 2;
        return line;
    }
    if (parser.isSet(QStringLiteral("help")))
        parser.showHelp(0);
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();
    line.config = parser.value(config);
    return line;
}

// What an object says goes to the service's log.
template <typename Sender> void logWhatItSays(Sender *sender)
{
    QObject::connect(sender, &Sender::note, qApp,
                     [](const QString &text) { qCInfo(lcPlant).noquote() << text; });
    QObject::connect(sender, &Sender::problem, qApp,
                     [](const QString &text) { qCWarning(lcPlant).noquote() << text; });
}

} // namespace

int main(int argc, char *argv[])
{
    // The pre-flight check lays messages out as they print; no display needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("korvexd"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KORVEX_VERSION));
    const CommandLine line = readCommandLine();
    if (line.exitCode >= 0)
        return line.exitCode;

    Station::Options options;
    options.settingsPath = line.config;
    options.settingsRequired = !line.config.isEmpty();
    options.check = &Preflight::checkFile;
    Station station(options);
    PlantSettings plant;
    QStringList errors = station.settingsErrors();
    if (errors.isEmpty())
        PlantSettings::load(station.settings()->path(), options.settingsRequired, &plant, &errors);
    if (!errors.isEmpty())
        return fail(2, errors);

    qCInfo(lcPlant) << "open files allowed:" << raiseOpenFileLimit();
    if (!quitOnStopSignals(app))
        return fail(1, {QStringLiteral("cannot watch for SIGTERM")});
    logWhatItSays(&station);
    const CommandResult opened = station.open();
    if (!opened.ok)
        return fail(1, {opened.error});
    JobService jobs(&station);
    logWhatItSays(&jobs);
    jobs.open();
    // The code readers after the coders, from [reader.*] of the settings.
    ReaderService readers(&station, jobs.runner(), jobs.catalogue(), &PrintedCodesOfFile::at);
    logWhatItSays(&readers);
    readers.start();
    std::unique_ptr<PlantLink> link;
    if (plant.mqtt)
        link = std::make_unique<PlantLink>(&station, plant, jobs.runner());
    if (link)
        link->node()->setReaders(&readers);
    const int code = app.exec();
    link.reset();
    return code;
}
