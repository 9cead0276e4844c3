// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up to the first shown window: KorvexControl's window next to a bare
// QMainWindow showing the same form. Each start is a fresh process of this
// program; the parent times it from launch until the child reports its window
// exposed and painted. Median of 11 starts each, alternating.
#include "linkbench.h"
#include "startup.h"
#include "stationwindow.h"
#include "ui_korvexmainwindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>

namespace {

constexpr int kStarts = 11;

int child(QApplication &app, bool full)
{
    Startup::configure(app);
    QLoggingCategory::setFilterRules(
        QStringLiteral("korvex.*.debug=false\nkorvex.control.info=false"));
    std::unique_ptr<QMainWindow> window;
    Ui::KorvexMainWindow ui;
    if (full) {
        window = std::make_unique<StationWindow>();
    } else {
        window = std::make_unique<QMainWindow>();
        ui.setupUi(window.get());
    }
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        return 1;
    window->repaint();
    std::printf("shown\n");
    std::fflush(stdout);
    return 0;
}

double timeStart(const QString &program, const QString &mode)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer timer;
    timer.start();
    process.start(program, {QStringLiteral("--child"), mode});
    while (!process.readAllStandardOutput().contains("shown")) {
        if (!process.waitForReadyRead(10000))
            return -1;
    }
    const double ms = timer.nsecsElapsed() / 1e6;
    process.waitForFinished();
    return ms;
}

} // namespace

int main(int argc, char *argv[])
{
    Q_INIT_RESOURCE(mainwindow);
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args.at(1) == QLatin1String("--child"))
        return child(app, args.at(2) == QLatin1String("window"));

    QTemporaryDir work; // the window's Spray/ and devices/, and its settings
    QDir::setCurrent(work.path());
    qputenv("XDG_CONFIG_HOME", work.filePath(QStringLiteral("config")).toLocal8Bit());
    QVector<double> windowMs, bareMs;
    for (int i = 0; i < kStarts; ++i) {
        bareMs << timeStart(args.at(0), QStringLiteral("bare"));
        windowMs << timeStart(args.at(0), QStringLiteral("window"));
    }
    const double w = LinkBench::median(windowMs), b = LinkBench::median(bareMs);
    std::printf("bare QMainWindow with the form  %7.1f ms\n", b);
    std::printf("KorvexMainWindow                %7.1f ms  (%.2f x bare, goal <= 2)\n", w, w / b);
    return 0;
}
