// SPDX-License-Identifier: GPL-3.0-or-later
// One code reader at 1,000 reads a second from 127.0.0.1, after a simulated
// coder running a job: the time each read takes to be compared (p50, p99,
// max) and the CPU the process uses for it, the sending reader and the
// simulated coder included (so the watch's own share is less).
//   bench_reader [seconds]      (default 10)
#include "catalogue.h"
#include "fleet.h"
#include "jobrunner.h"
#include "printedcodesof.h"
#include "readerwatch.h"
#include "simulatedcoder.h"
#include "station.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

namespace {

const QByteArray kTemplate =
    R"({"ExternDataInfo":{"ExternMode":0},"BarcodeItemInfo":[{"BarAtX":20,"BarAtY":40,)"
    R"("BarContent":"0109501101020917 10{{lot}}","BarMode":20,"BarHeight":30,"BarScale":1}]})";

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Runs the event loop, looking every 10 ms, until done() or timeoutMs.
template <typename Done> bool waitFor(Done done, int timeoutMs = 5000)
{
    QEventLoop loop;
    QTimer look;
    QElapsedTimer waited;
    waited.start();
    QObject::connect(&look, &QTimer::timeout, &loop, [&] {
        if (done() || waited.elapsed() >= timeoutMs)
            loop.quit();
    });
    look.start(10);
    if (!done())
        loop.exec();
    if (!done())
        std::fprintf(stderr, "bench_reader: gave up waiting\n");
    return done();
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? std::max(1, atoi(argv[1])) : 10;
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    Station::Options options;
    options.port = 0;
    Station station(options);
    station.open();
    Catalogue catalogue;
    catalogue.open(DatabaseSettings::sqlite("korvex.db"));
    Product p;
    p.code = "OJ-1L";
    p.name = "Orange juice";
    p.templateName = "juice.spr";
    p.coders = QStringList{"*"};
    catalogue.addProduct(&p, "bench");
    QDir().mkpath("Spray");
    QFile t("Spray/juice.spr");
    t.open(QIODevice::WriteOnly);
    t.write(kTemplate);
    t.close();
    Approval a;
    a.templateName = "juice.spr";
    a.sha256 = QCryptographicHash::hash(kTemplate, QCryptographicHash::Sha256).toHex();
    a.signerName = a.account = "bench";
    a.meaning = "Approved for production";
    catalogue.approve(&a, false);
    JobRunner jobs(&station, &catalogue);
    QTemporaryDir coderFolder;
    CoderSettings cs;
    cs.port = station.fleet()->listeningPort();
    cs.folder = coderFolder.path();
    SimulatedCoder coder(cs);
    coder.start();
    if (!waitFor([&] { return station.fleet()->count() == 1; }))
        return 1;
    const int descriptor = station.fleet()->descriptors().first();
    JobRunner::Request r;
    r.product = "OJ-1L";
    r.order = "PO-1";
    r.lot = "A2041";
    r.coders = {descriptor};
    r.user = "bench";
    if (!jobs.start(r).ok) {
        std::fprintf(stderr, "the job did not start\n");
        return 1;
    }

    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    ReaderSettings settings;
    settings.name = "1";
    settings.host = "127.0.0.1";
    settings.port = server.serverPort();
    settings.coder = station.fleet()->coder(descriptor)->ipText;
    ReaderWatch watch(&station, &jobs, &catalogue, settings, &PrintedCodesOfFile::at);
    watch.start();
    if (!waitFor([&] { return server.hasPendingConnections(); }))
        return 1;
    QTcpSocket *reader = server.nextPendingConnection();

    // Each read's compare, timed from the line's arrival to its verdict.
    std::vector<qint64> nanos;
    nanos.reserve(size_t(seconds) * 1100);
    QElapsedTimer clock;
    clock.start();
    qint64 arrived = 0;
    // The watch's own connection from the link is replaced by one that notes
    // the arrival first; the verdict is its readSeen.
    QObject::disconnect(watch.link(), SIGNAL(line(QString)), &watch, nullptr);
    QObject::connect(watch.link(), &ReaderLink::line, &watch, [&](const QString &text) {
        arrived = clock.nsecsElapsed();
        watch.take(text);
    });
    QObject::connect(&watch, &ReaderWatch::readSeen, &watch,
                     [&] { nanos.push_back(clock.nsecsElapsed() - arrived); });

    const QByteArray good = "0109501101020917 10A2041\r\n";
    QTimer send;
    int sent = 0;
    const int total = seconds * 1000;
    QElapsedTimer run;
    QObject::connect(&send, &QTimer::timeout, [&] {
        const qint64 due = std::min<qint64>(total, run.elapsed());
        QByteArray burst;
        for (; sent < due; ++sent)
            burst += good;
        reader->write(burst);
    });
    const double cpuStart = cpuSeconds();
    run.start();
    send.start(5);
    waitFor([&] { return nanos.size() >= size_t(total); }, seconds * 1000 + 5000);
    const double wall = run.elapsed() / 1000.0;
    const double cpu = cpuSeconds() - cpuStart;
    std::sort(nanos.begin(), nanos.end());
    const auto at = [&](double q) {
        return nanos.empty() ? 0.0
                             : nanos[std::min(nanos.size() - 1, size_t(q * nanos.size()))] / 1e3;
    };
    std::printf("reads %zu of %d in %.1f s, good %lld, bad %lld\n", nanos.size(), total, wall,
                watch.counts().good, watch.counts().bad);
    std::printf("compare p50 %.1f us  p99 %.1f us  max %.1f us\n", at(0.5), at(0.99),
                nanos.empty() ? 0.0 : nanos.back() / 1e3);
    std::printf("cpu %.3f s of %.1f s: %.1f%% of a core (sender and coder included)\n", cpu, wall,
                100 * cpu / wall);
    return 0;
}
