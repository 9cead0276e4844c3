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
// memory before and after the coders connected.  The window phase then
// times, with the coders still reporting, checking a coder by a click on
// its row, scrolling the list by the wheel and typing into its filter:
// each sample from the event until the list has been repainted.
//
//   bench_controlload [COUNT] [--phase window|floor] [--source ADDRESS]
#include "coderlistmodel.h"
#include "devicelistpanel.h"
#include "fleet.h"
#include "linkbench.h"
#include "openfilelimit.h"
#include "startup.h"
#include "stationwindow.h"
#include "tcpserver.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListView>
#include <QLoggingCategory>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
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

struct Probe
{
    bool ok = false;
    double p50 = 0, p99 = 0, max = 0, cpu = 0;
    int ticks = 0;
};

// The lateness of a 10 ms timer over ms, and the processor time meanwhile.
Probe probe(int ms)
{
    QVector<double> lateness;
    QElapsedTimer clock;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setInterval(kProbeIntervalMs);
    qint64 last = 0;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        lateness << qMax(0.0, (now - last) / 1e6 - kProbeIntervalMs);
        last = now;
    });
    const double cpuStart = cpuSeconds();
    clock.start();
    timer.start();
    run(ms);
    timer.stop();
    Probe p;
    const double wall = clock.nsecsElapsed() / 1e9;
    p.cpu = (cpuSeconds() - cpuStart) / wall;
    if (lateness.size() < 2) {
        std::fprintf(stderr, "the probe ticked %d times in %.1f s\n", int(lateness.size()), wall);
        return p;
    }
    lateness.removeFirst();
    std::sort(lateness.begin(), lateness.end());
    p.ok = true;
    p.p50 = lateness.at(lateness.size() / 2);
    p.p99 = lateness.at(int(lateness.size() * 0.99));
    p.max = lateness.last();
    p.ticks = lateness.size();
    return p;
}

// Counts the paints of a widget.
class PaintCounter : public QObject
{
public:
    int paints = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

struct Percentiles
{
    double median = 0, p99 = 0, max = 0;
    int missed = 0;
};

// Runs each action and times it until the viewport has painted.
Percentiles timeRepaints(QWidget *viewport, int rounds, const std::function<void(int)> &action)
{
    PaintCounter counter;
    viewport->installEventFilter(&counter);
    QVector<double> samples;
    Percentiles p;
    for (int i = 0; i < rounds; ++i) {
        const int before = counter.paints;
        QElapsedTimer timer;
        timer.start();
        action(i);
        while (counter.paints == before && timer.elapsed() < 500)
            QCoreApplication::processEvents();
        if (counter.paints == before)
            ++p.missed;
        else
            samples << timer.nsecsElapsed() / 1e6;
        run(5); // between samples, what the coders sent meanwhile
    }
    viewport->removeEventFilter(&counter);
    std::sort(samples.begin(), samples.end());
    if (!samples.isEmpty()) {
        p.median = samples.at(samples.size() / 2);
        p.p99 = samples.at(std::min<int>(samples.size() - 1, samples.size() * 99 / 100));
        p.max = samples.last();
    }
    return p;
}

void printRepaints(const char *what, const Percentiles &p)
{
    std::printf("  %-36s median %6.2f  p99 %6.2f  max %6.2f ms  (%d without a repaint)\n", what,
                p.median, p.p99, p.max, p.missed);
}

void wheel(QWidget *viewport, int delta)
{
    const QPoint at(viewport->width() / 2, viewport->height() / 2);
    QWheelEvent event(at, viewport->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &event);
}

// Clicks, wheel steps and filter keys on the device list, timed to its repaint.
void interact(KorvexMainWindow &window)
{
    DeviceListPanel *list = window.deviceList();
    QListView *view = list->view();
    QWidget *viewport = view->viewport();
    const auto visibleRows = [&] {
        const int rowHeight = view->visualRect(view->model()->index(0, 0)).height();
        return qMax(1, viewport->height() / rowHeight - 1);
    };
    const int rowHeight = view->visualRect(view->model()->index(0, 0)).height();
    const int rows = visibleRows();
    printRepaints("check a coder (click)", timeRepaints(viewport, 200, [&](int i) {
                      const QPoint at(viewport->width() / 2, (i * 7 % rows) * rowHeight + 10);
                      QTest::mouseClick(viewport, Qt::LeftButton, {}, at);
                  }));
    printRepaints("scroll (wheel, 3 rows)", timeRepaints(viewport, 200, [&](int i) {
                      wheel(viewport, i < 100 ? -120 : 120);
                  }));
    // Typed and taken back a key at a time: the IP texts of a few coders.
    const QString typed = QStringLiteral("127.0.1.23");
    printRepaints("filter (a key typed or erased)", timeRepaints(viewport, 40, [&](int i) {
                      const int round = i % 20;
                      if (round < 10)
                          QTest::keyClick(list->filterEdit(), typed.at(round).toLatin1());
                      else
                          QTest::keyClick(list->filterEdit(), Qt::Key_Backspace);
                  }));
    // The list filtered by a state while coders move in and out of it.
    list->setFilterText(CoderListModel::stateName(CoderState::Printing));
    const Probe filtered = probe(kMeasureMs / 2);
    std::printf("  %-36s p50 %6.2f  p99 %6.2f  max %6.2f ms  CPU %.3f\n",
                "lateness, list filtered by a state", filtered.p50, filtered.p99, filtered.max,
                filtered.cpu);
    list->setFilterText(QString());
    list->setCompact(true);
    run(100);
    printRepaints("scroll compact rows (wheel, 3 rows)", timeRepaints(viewport, 200, [&](int i) {
                      wheel(viewport, i < 100 ? -120 : 120);
                  }));
}

// Connects the coders to port, waits until count() says all are there,
// settles, then probes.  Prints one line of figures, then runs afterwards()
// while the coders still report.
int measure(const Options &options, quint16 port, const std::function<int()> &count,
            const QString &workPath, const std::function<void()> &afterwards = {})
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
    const Probe p = probe(kMeasureMs);
    if (!p.ok)
        return 1;
    std::printf("%-7s %6.2f %7.2f %7.2f %6.3f %8lld %8lld %8.1f %6d\n", qPrintable(options.phase),
                p.p50, p.p99, p.max, p.cpu, rssBefore / 1024, rssAfter / 1024,
                double(rssAfter - rssBefore) / options.coders, p.ticks);
    std::fflush(stdout);
    if (afterwards)
        afterwards();
    coders.kill();
    coders.waitForFinished();
    return 0;
}

int windowPhase(const Options &options, const QString &workPath)
{
    StationWindow window;
    window.show();
    run(1000);
    return measure(
        options, window.server()->serverPort(), [&] { return window.deviceList()->count(); },
        workPath, [&] { interact(window); });
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
