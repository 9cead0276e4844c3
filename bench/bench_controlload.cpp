// SPDX-License-Identifier: GPL-3.0-or-later
// Many simulated coders (coder-sim, another process; 1000 by default, each
// from its own address of 127.0.0.0/8) connected to the control program,
// each reporting its status 10 times a second.  Two phases, each in a child
// process of its own with its own coders:
//  - window: the real KorvexMainWindow, shown;
//  - floor:  the same connections read and decoded by the Fleet alone, with
//            no window.
// Each measures, over 10 s: the event-loop lateness of the GUI thread (a
// 10 ms timer probe; lateness of each tick), the CPU used, and the resident
// memory before and after the coders connected.
//
//   bench_controlload [COUNT] [--phase window|floor] [--source ADDRESS]
#include "devicelistpanel.h"
#include "fleet.h"
#include "korvexmainwindow.h"
#include "linkbench.h"
#include "openfilelimit.h"
#include "startup.h"
#include "tcpserver.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

constexpr int kStatusIntervalMs = 100;
constexpr int kProbeIntervalMs = 10;
constexpr int kMeasureMs = 10000;

void run(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

struct Options
{
    int coders = 1000;
    QString phase; // empty: the parent, which runs both
    QString source = QStringLiteral("127.0.1.1");
};

Options parse(const QStringList &args)
{
    Options options;
    for (int i = 1; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--phase") && i + 1 < args.size())
            options.phase = args.at(++i);
        else if (args.at(i) == QLatin1String("--source") && i + 1 < args.size())
            options.source = args.at(++i);
        else
            options.coders = args.at(i).toInt();
    }
    return options;
}

// Connects the coders to port, waits until count() says all are there,
// settles, then probes.  Prints one line of figures.
int measure(const Options &options, quint16 port, const std::function<int()> &count,
            const QString &workPath)
{
    const qint64 rssBefore = LinkBench::residentKiB();
    QProcess coders;
    coders.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    coders.setStandardOutputFile(QProcess::nullDevice());
    QStringList args{QStringLiteral("--host"),
                     QStringLiteral("127.0.0.1"),
                     QStringLiteral("--port"),
                     QString::number(port),
                     QStringLiteral("--count"),
                     QString::number(options.coders),
                     QStringLiteral("--status"),
                     QString::fromLocal8Bit(
                         qgetenv("STATUS_PATTERN").isEmpty() ? "1,1,2" : qgetenv("STATUS_PATTERN")),
                     QStringLiteral("--status-interval"),
                     QString::number(kStatusIntervalMs),
                     QStringLiteral("--progress-step"),
                     QStringLiteral("1"),
                     QStringLiteral("--autostart"),
                     QStringLiteral("--folder"),
                     workPath + QStringLiteral("/coders")};
    if (!options.source.isEmpty())
        args << QStringLiteral("--source") << options.source;
    coders.start(QStringLiteral(CODER_SIM_PATH), args);
    QElapsedTimer waited;
    waited.start();
    while (count() < options.coders && waited.elapsed() < 30000)
        run(50);
    if (count() < options.coders) {
        std::fprintf(stderr, "only %d coders connected\n", count());
        return 1;
    }
    run(2000); // settle: every coder reporting
    const qint64 rssAfter = LinkBench::residentKiB();

    QVector<double> lateness;
    QElapsedTimer clock;
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    probe.setInterval(kProbeIntervalMs);
    qint64 last = 0;
    QObject::connect(&probe, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        lateness << qMax(0.0, (now - last) / 1e6 - kProbeIntervalMs);
        last = now;
    });
    const double cpuStart = cpuSeconds();
    clock.start();
    probe.start();
    run(kMeasureMs);
    probe.stop();
    const double wall = clock.nsecsElapsed() / 1e9;
    const double cpu = (cpuSeconds() - cpuStart) / wall;
    coders.kill();
    coders.waitForFinished();
    if (lateness.size() < 2) {
        std::fprintf(stderr, "the probe ticked %d times in %.1f s\n", int(lateness.size()), wall);
        return 1;
    }
    lateness.removeFirst();
    std::sort(lateness.begin(), lateness.end());
    std::printf("%-7s %6.2f %7.2f %7.2f %6.3f %8lld %8lld %8.1f %6d\n", qPrintable(options.phase),
                lateness.at(lateness.size() / 2), lateness.at(int(lateness.size() * 0.99)),
                lateness.last(), cpu, rssBefore / 1024, rssAfter / 1024,
                double(rssAfter - rssBefore) / options.coders, int(lateness.size()));
    std::fflush(stdout);
    return 0;
}

int windowPhase(const Options &options, const QString &workPath)
{
    KorvexMainWindow window(nullptr, 0);
    window.show();
    run(1000);
    return measure(
        options, window.server()->serverPort(), [&] { return window.deviceList()->count(); },
        workPath);
}

int floorPhase(const Options &options, const QString &workPath)
{
    Fleet fleet;
    fleet.listen(0);
    run(1000);
    return measure(
        options, fleet.listeningPort(), [&] { return fleet.count(); }, workPath);
}

} // namespace

int main(int argc, char *argv[])
{
    Q_INIT_RESOURCE(mainwindow);
    QApplication app(argc, argv);
    const Options options = parse(app.arguments());
    if (options.phase.isEmpty()) {
        std::printf("%d coders, status every %d ms, measured %d s per phase\n", options.coders,
                    kStatusIntervalMs, kMeasureMs / 1000);
        std::printf(
            "phase   late p50     p99     max    CPU  RSS0 MiB RSS1 MiB KiB/coder  ticks\n");
        std::fflush(stdout);
        for (const char *phase : {"window", "floor"}) {
            QProcess child;
            child.setProcessChannelMode(QProcess::ForwardedChannels);
            child.start(QCoreApplication::applicationFilePath(),
                        {QString::number(options.coders), QStringLiteral("--phase"),
                         QLatin1String(phase), QStringLiteral("--source"), options.source});
            if (!child.waitForFinished(120000) || child.exitCode() != 0)
                return 1;
        }
        std::printf("goals: window p99 <= 16 ms, CPU <= 0.5, <= 64 KiB per coder, RSS1 <= 150 "
                    "MiB\n");
        return 0;
    }
    // What both programs do at start: a thousand coders need a thousand descriptors.
    raiseOpenFileLimit();
    Startup::configure(app);
    QLoggingCategory::setFilterRules(
        QStringLiteral("korvex.*.debug=false\nkorvex.control.info=false"));
    QTemporaryDir work;
    QDir::setCurrent(work.path());
    if (options.phase == QLatin1String("floor"))
        return floorPhase(options, work.path());
    return windowPhase(options, work.path());
}
