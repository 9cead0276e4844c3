// SPDX-License-Identifier: GPL-3.0-or-later
// The supervisor's window following a plant: N coders on E simulated edge
// nodes (one process of the benchmark's own, one MQTT connection a node)
// publish their births and then R progress reports a second each through a
// loopback broker (Debian's mosquitto, started here on 127.0.0.1) to the
// host: the window's device list, RemoteLines and PlantHostLink on the
// engine, in an offscreen QApplication.  The floor, in the same run: a bare
// libmosquitto subscriber that decodes the same payloads.  Reported, for
// each: the event loop's lateness (a 10 ms timer's delay, percentiles), CPU
// over the measured seconds and resident memory per coder after the births;
// then the bytes a report takes with and without aliases.
//
//   bench_planthost [coders=5000] [nodes=10] [reports per second=2] [seconds=10]
#include "coderlistmodel.h"
#include "codermetrics.h"
#include "devicelistpanel.h"
#include "eventlog.h"
#include "mqttclient.h"
#include "planthost.h"
#include "planthostlink.h"
#include "planthostsettings.h"
#include "remotelines.h"
#include "sparkplugpayload.h"

#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QLoggingCategory>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <memory>
#include <sys/resource.h>

namespace {

using Sparkplug::DataType;
using Sparkplug::Metric;

quint16 freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

BrokerSettings broker(quint16 port, const QString &id)
{
    BrokerSettings b;
    b.port = port;
    b.clientId = QStringLiteral("bench-%1-%2").arg(id).arg(QCoreApplication::applicationPid());
    return b;
}

double cpuSeconds()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

qint64 residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith("VmRSS:"))
                return line.mid(6).trimmed().split(' ').value(0).toLongLong();
        }
    }
    return 0;
}

void wait(int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

// A coder as its node publishes it: every metric at birth.
QList<Metric> birthOf(int coder)
{
    Coder c;
    c.ipText =
        QStringLiteral("10.%1.%2.%3").arg(coder / 65536).arg(coder / 256 % 256).arg(coder % 256);
    c.state = CoderState::Printing;
    c.progress = 0;
    c.currentFile = QStringLiteral("label1.spr");
    return CoderMetrics::birth(c, QString(64, QLatin1Char('a'))) + CoderMetrics::commandBirth();
}

QByteArray progressReport(quint8 seq, int progress, std::optional<quint64> alias)
{
    Metric m = Sparkplug::metric(alias ? QString() : QStringLiteral("Status/Progress"),
                                 DataType::Int32, qint64(progress));
    m.alias = alias;
    Sparkplug::Payload p;
    p.timestamp = quint64(QDateTime::currentMSecsSinceEpoch());
    p.seq = seq;
    p.metrics << m;
    return Sparkplug::encode(p);
}

// --edges PORT CODERS NODES RATE SECONDS ALIASES: the simulated nodes.
int edges(quint16 port, int coders, int nodes, int rate, int seconds, bool aliases)
{
    struct Node
    {
        std::unique_ptr<MqttClient> client;
        QString id;
        quint8 seq = 0;
        QList<int> coders;
    };
    std::vector<Node> all(static_cast<size_t>(nodes));
    for (int n = 0; n < nodes; ++n) {
        all[size_t(n)].id = QStringLiteral("PC%1").arg(n + 1);
        all[size_t(n)].client = std::make_unique<MqttClient>(broker(port, all[size_t(n)].id));
        all[size_t(n)].client->start();
    }
    for (int c = 0; c < coders; ++c)
        all[size_t(c % nodes)].coders << c;
    wait(500);
    const auto send = [](Node &node, const QString &type, const QString &device,
                         QList<Metric> metrics, bool birth) {
        Sparkplug::Payload p;
        p.timestamp = quint64(QDateTime::currentMSecsSinceEpoch());
        p.seq = birth && type == QLatin1String("NBIRTH") ? 0 : ++node.seq;
        p.metrics = std::move(metrics);
        node.client->publish(Sparkplug::topic(QStringLiteral("Plant"), type, node.id, device),
                             Sparkplug::encode(p));
    };
    for (Node &node : all) {
        node.seq = 0;
        send(node, QStringLiteral("NBIRTH"), QString(),
             {Sparkplug::metric(QStringLiteral("bdSeq"), DataType::Int64, qint64(0))}, true);
        for (const int c : qAsConst(node.coders)) {
            QList<Metric> metrics = birthOf(c);
            if (aliases) {
                for (int i = 0; i < metrics.size(); ++i)
                    metrics[i].alias = quint64(c) * 64 + quint64(i) + 1;
            }
            send(node, QStringLiteral("DBIRTH"), QString::number(c), metrics, true);
            if (c % 200 == 0)
                QCoreApplication::processEvents();
        }
    }
    QVector<int> progress(coders, 0);
    int next = 0;
    QTimer tick;
    tick.setInterval(10);
    const int perTick = qMax(1, coders * rate / 100);
    QObject::connect(&tick, &QTimer::timeout, &tick, [&] {
        for (int i = 0; i < perTick; ++i, next = (next + 1) % coders) {
            progress[next] = (progress[next] + 1) % 101;
            Node &node = all[size_t(next % nodes)];
            node.seq = quint8(node.seq + 1);
            node.client->publish(Sparkplug::topic(QStringLiteral("Plant"), QStringLiteral("DDATA"),
                                                  node.id, QString::number(next)),
                                 progressReport(node.seq, progress[next],
                                                aliases
                                                    ? std::optional<quint64>(quint64(next) * 64 + 2)
                                                    : std::nullopt));
        }
    });
    tick.start();
    wait((seconds + 6) * 1000);
    return 0;
}

double percentile(QVector<double> values, double p)
{
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    return values.at(qMin(values.size() - 1, int(values.size() * p)));
}

// --host PORT CODERS SECONDS FLOOR: the window (or the floor) on the broker.
int host(quint16 port, int coders, int seconds, bool floor)
{
    const qint64 before = residentKiB();
    std::unique_ptr<MqttClient> client;
    std::unique_ptr<DeviceListPanel> panel;
    std::unique_ptr<EventLog> log;
    std::unique_ptr<RemoteLines> lines;
    std::unique_ptr<PlantHostLink> link;
    int received = 0;
    qint64 decodedMetrics = 0;
    if (floor) {
        client = std::make_unique<MqttClient>(broker(port, QStringLiteral("floor")));
        QObject::connect(client.get(), &MqttBus::connected, client.get(),
                         [&] { client->subscribe(QStringLiteral("spBv1.0/#")); });
        QObject::connect(client.get(), &MqttBus::messageReceived, client.get(),
                         [&](const QString &, const QByteArray &bytes) {
                             Sparkplug::Payload p;
                             if (Sparkplug::decode(bytes, &p, nullptr))
                                 decodedMetrics += p.metrics.size();
                             ++received;
                         });
        client->start();
    } else {
        panel = std::make_unique<DeviceListPanel>();
        panel->resize(200, 700);
        panel->show();
        log = std::make_unique<EventLog>();
        lines = std::make_unique<RemoteLines>(panel->model(), nullptr, nullptr, log.get());
        PlantHostSettings settings;
        settings.broker = broker(port, QStringLiteral("host"));
        settings.hostId = QStringLiteral("supervisor");
        settings.primary = true;
        link = std::make_unique<PlantHostLink>(settings, lines.get(), log.get());
        QObject::connect(link->host(), &PlantHost::coderChanged, link->host(), [&] { ++received; });
    }
    std::printf("ready\n");
    std::fflush(stdout);
    // The births, then a warm-up.
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 60000 &&
           (floor ? received < coders : panel->model()->rowCount() < coders))
        wait(50);
    wait(2000);
    const qint64 born = residentKiB();
    QVector<double> lateness;
    QElapsedTimer beat;
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    probe.setInterval(10);
    beat.start();
    QObject::connect(&probe, &QTimer::timeout, &probe, [&] {
        lateness << qMax(0.0, double(beat.nsecsElapsed()) / 1e6 - 10.0);
        beat.restart();
    });
    const int receivedBefore = received;
    const double cpuBefore = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    probe.start();
    beat.restart();
    wait(seconds * 1000);
    probe.stop();
    const double cpu = (cpuSeconds() - cpuBefore) / (wall.elapsed() / 1000.0);
    std::printf("%-6s lateness p50 %5.1f ms p99 %5.1f ms max %6.1f ms  %7.0f messages/s  "
                "cpu %.2f cores  resident %lld KiB (%.1f KiB per coder over %lld before)%s\n",
                floor ? "floor" : "window", percentile(lateness, 0.5), percentile(lateness, 0.99),
                percentile(lateness, 1.0), (received - receivedBefore) / (wall.elapsed() / 1000.0),
                cpu, born, double(born - before) / coders, before,
                floor ? ""
                      : qPrintable(QStringLiteral("  %1 rows, %2 refused")
                                       .arg(panel->model()->rowCount())
                                       .arg(link->host()->refusedTotal())));
    std::fflush(stdout);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    const QStringList args = [&] {
        QStringList out;
        for (int i = 0; i < argc; ++i)
            out << QString::fromLocal8Bit(argv[i]);
        return out;
    }();
    QLoggingCategory::setFilterRules(QStringLiteral("korvex.*=false"));
    if (args.value(1) == QLatin1String("--edges")) {
        QCoreApplication app(argc, argv);
        return edges(quint16(args.value(2).toUInt()), args.value(3).toInt(), args.value(4).toInt(),
                     args.value(5).toInt(), args.value(6).toInt(), args.value(7) == "1");
    }
    if (args.value(1) == QLatin1String("--host")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication app(argc, argv);
        return host(quint16(args.value(2).toUInt()), args.value(3).toInt(), args.value(4).toInt(),
                    args.value(5) == "1");
    }
    QCoreApplication app(argc, argv);
    const int coders = args.value(1, QStringLiteral("5000")).toInt();
    const int nodes = args.value(2, QStringLiteral("10")).toInt();
    const int rate = args.value(3, QStringLiteral("2")).toInt();
    const int seconds = args.value(4, QStringLiteral("10")).toInt();
    std::printf("%d coders on %d nodes, %d reports a second each, %d s measured\n", coders, nodes,
                rate, seconds);

    QTemporaryDir work;
    const quint16 port = freePort();
    QFile conf(work.filePath(QStringLiteral("mosquitto.conf")));
    conf.open(QIODevice::WriteOnly);
    conf.write(QStringLiteral("listener %1 127.0.0.1\nallow_anonymous true\npersistence false\n"
                              "max_queued_messages 100000\n")
                   .arg(port)
                   .toUtf8());
    conf.close();
    QProcess mosquitto;
    mosquitto.setProcessChannelMode(QProcess::ForwardedOutputChannel);
    mosquitto.setStandardErrorFile(work.filePath(QStringLiteral("mosquitto.log")));
    mosquitto.start(QStringLiteral("/usr/sbin/mosquitto"), {QStringLiteral("-c"), conf.fileName()});
    mosquitto.waitForStarted();
    wait(500);

    for (const bool floor : {true, false}) {
        QProcess hostProcess;
        hostProcess.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        hostProcess.start(app.applicationFilePath(),
                          {QStringLiteral("--host"), QString::number(port), QString::number(coders),
                           QString::number(seconds),
                           floor ? QStringLiteral("1") : QStringLiteral("0")});
        hostProcess.waitForReadyRead(10000);
        hostProcess.readLine();
        wait(500);
        QProcess edgeProcess;
        edgeProcess.setProcessChannelMode(QProcess::ForwardedChannels);
        edgeProcess.start(app.applicationFilePath(),
                          {QStringLiteral("--edges"), QString::number(port),
                           QString::number(coders), QString::number(nodes), QString::number(rate),
                           QString::number(seconds), QStringLiteral("1")});
        hostProcess.waitForFinished(120000);
        std::printf("%s", hostProcess.readAllStandardOutput().constData());
        std::fflush(stdout);
        edgeProcess.kill();
        edgeProcess.waitForFinished();
    }
    mosquitto.terminate();
    mosquitto.waitForFinished();

    // Bytes on the wire of one progress report, and of one birth.
    const QByteArray byName = progressReport(17, 42, std::nullopt);
    const QByteArray byAlias = progressReport(17, 42, quint64(2));
    std::printf("a progress report: %d bytes by name, %d by alias; topic %d bytes\n",
                int(byName.size()), int(byAlias.size()),
                int(Sparkplug::topic("Plant", "DDATA", "PC1", "10.0.1.5").toUtf8().size()));
    return 0;
}
