// SPDX-License-Identifier: GPL-3.0-or-later
// 200 simulated coders (coder-sim, another process) connected to the real
// control window, each reporting its status 10 times a second. Measures, for
// the window's process over 10 s: the event-loop latency of the GUI thread
// (a 10 ms timer probe; lateness of each tick), the CPU used, and the
// resident memory each connected coder with its button costs.
#include "devicebuttonlist.h"
#include "korvexmainwindow.h"
#include "linkbench.h"
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

namespace {

// A different count may be given as the first argument.
int kCoders = 200;
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

} // namespace

int main(int argc, char *argv[])
{
    Q_INIT_RESOURCE(mainwindow);
    QApplication app(argc, argv);
    if (argc > 1)
        kCoders = QString::fromLocal8Bit(argv[1]).toInt();
    Startup::configure(app);
    QLoggingCategory::setFilterRules(
        QStringLiteral("korvex.*.debug=false\nkorvex.control.info=false"));
    QTemporaryDir work;
    QDir::setCurrent(work.path());

    KorvexMainWindow window(nullptr, 0);
    window.show();
    run(1000);
    const qint64 rssBefore = LinkBench::residentKiB();

    QProcess coders;
    coders.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    coders.setStandardOutputFile(QProcess::nullDevice());
    coders.start(
        QStringLiteral(CODER_SIM_PATH),
        {QStringLiteral("--host"), QStringLiteral("127.0.0.1"), QStringLiteral("--port"),
         QString::number(window.server()->serverPort()), QStringLiteral("--count"),
         QString::number(kCoders), QStringLiteral("--status"),
         QString::fromLocal8Bit(qgetenv("STATUS_PATTERN").isEmpty() ? "1,1,2"
                                                                    : qgetenv("STATUS_PATTERN")),
         QStringLiteral("--status-interval"), QString::number(kStatusIntervalMs),
         QStringLiteral("--progress-step"), QStringLiteral("1"), QStringLiteral("--autostart"),
         QStringLiteral("--folder"), work.filePath(QStringLiteral("coders"))});
    QElapsedTimer waited;
    waited.start();
    while (window.deviceButtons()->count() < kCoders && waited.elapsed() < 20000)
        run(50);
    if (window.deviceButtons()->count() < kCoders) {
        std::fprintf(stderr, "only %d coders connected\n", window.deviceButtons()->count());
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
    if (lateness.size() < 2) {
        std::fprintf(stderr, "the probe ticked %d times in %.1f s\n", int(lateness.size()), wall);
        return 1;
    }
    lateness.removeFirst();
    std::sort(lateness.begin(), lateness.end());
    const double p50 = lateness.at(lateness.size() / 2);
    const double p99 = lateness.at(int(lateness.size() * 0.99));
    const double worst = lateness.last();

    coders.kill();
    coders.waitForFinished();
    std::printf("%d coders, status every %d ms, measured %.1f s, %d probe ticks\n", kCoders,
                kStatusIntervalMs, wall, int(lateness.size()));
    std::printf("event-loop lateness  p50 %.2f ms  p99 %.2f ms  max %.2f ms  (goal p99 <= 16)\n",
                p50, p99, worst);
    std::printf("CPU                  %.3f of one core (goal <= 0.25)\n", cpu);
    std::printf(
        "resident memory      %lld KiB before, %lld KiB after: %.1f KiB per coder (goal <= 100)\n",
        rssBefore, rssAfter, double(rssAfter - rssBefore) / kCoders);
    return 0;
}
