// SPDX-License-Identifier: GPL-3.0-or-later
// A thousand coders on the plant bus: N coders (raw sockets of this process,
// each from its own address of 127.0.0.0/8) send R status reports a second
// each to korvexd, which publishes them to a broker of the benchmark's own
// (scripts/broker.sh); a subscriber in this process times each report from
// the coder's frame to the arrival of its DDATA.  The floor, in the same run:
// the same reports read by a bare relay (this program with --relay: a
// QTcpServer and a libmosquitto client, no control core, no session) and
// republished as the same payloads.  Reported: latency percentiles, CPU and
// resident memory of the service and of the relay.
//
//   bench_plant [coders=1000] [reports per second=10] [seconds=10]
#include "framedecoder.h"
#include "linkbench.h"
#include "mqttclient.h"
#include "openfilelimit.h"
#include "protocol.h"
#include "sparkplugpayload.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QHostAddress>
#include <QLoggingCategory>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <unistd.h>

namespace {

const QString kGroup = QStringLiteral("Plant");
const QString kNode = QStringLiteral("Line1");

// A port below the range the system hands out to the coders' own sockets,
// so that none of them holds it when the service listens.
quint16 freePort()
{
    for (quint16 port = 21000; port < 32000; ++port) {
        QTcpServer probe;
        if (probe.listen(QHostAddress::Any, port))
            return port;
    }
    return 0;
}

QString coderAddress(int i)
{
    return QHostAddress(QHostAddress(QStringLiteral("127.0.1.1")).toIPv4Address() + quint32(i))
        .toString();
}

Sparkplug::Payload progressPayload(int progress)
{
    Sparkplug::Metric m;
    m.name = QStringLiteral("Status/Progress");
    m.type = Sparkplug::DataType::Int32;
    m.value = qint64(progress);
    Sparkplug::Payload payload;
    payload.timestamp = quint64(QDateTime::currentMSecsSinceEpoch());
    payload.seq = 0;
    payload.metrics << m;
    return payload;
}

BrokerSettings broker(quint16 port, const QString &user)
{
    BrokerSettings b;
    b.port = port;
    b.user = user;
    b.password = user + QStringLiteral("-pw");
    b.clientId = QStringLiteral("bench-%1-%2").arg(user).arg(QCoreApplication::applicationPid());
    return b;
}

// --relay CODER_PORT BROKER_PORT: the floor.
int relay(quint16 coderPort, quint16 brokerPort)
{
    MqttClient client(broker(brokerPort, QStringLiteral("korvexd")));
    client.start();
    QTcpServer server;
    server.setMaxPendingConnections(2000);
    if (!server.listen(QHostAddress::Any, coderPort))
        return 1;
    QObject::connect(&server, &QTcpServer::newConnection, &server, [&] {
        while (QTcpSocket *socket = server.nextPendingConnection()) {
            const QString topic =
                Sparkplug::topic(kGroup, QStringLiteral("DDATA"), kNode,
                                 QHostAddress(socket->peerAddress().toIPv4Address()).toString());
            auto decoder = std::make_shared<FrameDecoder>();
            QObject::connect(
                socket, &QTcpSocket::readyRead, socket, [&client, socket, decoder, topic] {
                    decoder->feed(socket->readAll());
                    QByteArray body;
                    while (decoder->next(&body)) {
                        if (body.size() >= 3 && quint8(body.at(0)) == Command::StatusReport)
                            client.publish(topic, Sparkplug::encode(progressPayload(body.at(2))));
                    }
                });
        }
    });
    return QCoreApplication::exec();
}

struct ProcessUse
{
    double cpuSeconds = 0;
    qint64 residentKiB = 0;
};

ProcessUse use(qint64 pid)
{
    ProcessUse u;
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (stat.open(QIODevice::ReadOnly)) {
        const QList<QByteArray> fields = stat.readAll().split(')').value(1).split(' ');
        // After the name: state is field 3, utime 14 and stime 15 (1-based).
        u.cpuSeconds = (fields.value(12).toLongLong() + fields.value(13).toLongLong()) /
                       double(sysconf(_SC_CLK_TCK));
    }
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith("VmRSS:"))
                u.residentKiB = line.mid(6).trimmed().split(' ').value(0).toLongLong();
        }
    }
    return u;
}

bool waitFor(const std::function<bool()> &done, int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

struct Result
{
    QVector<double> latencies;
    int sent = 0;
    ProcessUse idle, busy;
    double cpuShare = 0;
};

// One measured run against the process at coderPort (korvexd or the relay).
Result run(qint64 pid, quint16 coderPort, quint16 brokerPort, int coders, int rate, int seconds)
{
    Result result;
    MqttClient subscriber(broker(brokerPort, QStringLiteral("mes")));
    QHash<QString, int> indexOf;
    for (int i = 0; i < coders; ++i)
        indexOf.insert(coderAddress(i), i);
    // When each coder sent each progress value, in ms of the benchmark's clock.
    QVector<QVector<qint64>> sentAt(coders, QVector<qint64>(101, -1));
    QElapsedTimer clock;
    clock.start();
    bool measuring = false;
    QObject::connect(&subscriber, &MqttClient::connected, &subscriber, [&] {
        subscriber.subscribe(QStringLiteral("spBv1.0/%1/DDATA/%2/+").arg(kGroup, kNode));
    });
    QObject::connect(&subscriber, &MqttClient::messageReceived, &subscriber,
                     [&](const QString &topic, const QByteArray &bytes) {
                         const int coder = indexOf.value(topic.section(QLatin1Char('/'), 4), -1);
                         Sparkplug::Payload payload;
                         if (coder < 0 || !measuring ||
                             !Sparkplug::decode(bytes, &payload, nullptr))
                             return;
                         for (const Sparkplug::Metric &m : payload.metrics) {
                             if (m.name != QLatin1String("Status/Progress"))
                                 continue;
                             const int progress = int(m.value.toLongLong());
                             if (progress < 0 || progress > 100)
                                 continue;
                             qint64 &at = sentAt[coder][progress];
                             if (at >= 0)
                                 result.latencies << double(clock.elapsed() - at);
                             at = -1;
                         }
                     });
    subscriber.start();
    waitFor([&] { return subscriber.isConnected(); }, 5000);

    result.idle = use(pid);
    std::vector<std::unique_ptr<QTcpSocket>> sockets;
    for (int i = 0; i < coders; ++i) {
        auto socket = std::make_unique<QTcpSocket>();
        socket->bind(QHostAddress(coderAddress(i)));
        socket->connectToHost(QHostAddress::LocalHost, coderPort);
        sockets.push_back(std::move(socket));
    }
    waitFor(
        [&] {
            return std::all_of(sockets.begin(), sockets.end(), [](const auto &s) {
                return s->state() == QAbstractSocket::ConnectedState;
            });
        },
        20000);
    // Give the service the time to take them all and publish their births.
    waitFor([] { return false; }, 2000);

    QVector<int> progress(coders, 0);
    int next = 0;
    QTimer tick;
    const int ticksPerSecond = 100;
    const int perTick = qMax(1, coders * rate / ticksPerSecond);
    tick.setInterval(1000 / ticksPerSecond);
    QObject::connect(&tick, &QTimer::timeout, &tick, [&] {
        for (int n = 0; n < perTick; ++n, next = (next + 1) % coders) {
            progress[next] = (progress[next] + 1) % 101;
            sentAt[next][progress[next]] = clock.elapsed();
            sockets[size_t(next)]->write(
                packFrame(Command::StatusReport, statusReportPayload({1, qint8(progress[next])})));
            if (measuring)
                ++result.sent;
        }
    });
    tick.start();
    waitFor([] { return false; }, 2000); // warm up
    measuring = true;
    const ProcessUse before = use(pid);
    QElapsedTimer wall;
    wall.start();
    waitFor([] { return false; }, seconds * 1000);
    const ProcessUse after = use(pid);
    result.cpuShare = (after.cpuSeconds - before.cpuSeconds) / (wall.elapsed() / 1000.0);
    result.busy = after;
    tick.stop();
    measuring = false;
    waitFor([] { return false; }, 500);
    subscriber.stop();
    return result;
}

double percentile(QVector<double> values, double p)
{
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    return values.at(qMin(values.size() - 1, int(values.size() * p)));
}

void print(const char *what, const Result &r, int coders)
{
    std::printf("%-9s p50 %6.1f ms  p99 %6.1f ms  max %7.1f ms  received %d of %d  "
                "cpu %.2f cores  resident %lld KiB (%.1f KiB per coder over %lld KiB before)\n",
                what, percentile(r.latencies, 0.5), percentile(r.latencies, 0.99),
                percentile(r.latencies, 1.0), int(r.latencies.size()), r.sent, r.cpuShare,
                r.busy.residentKiB, double(r.busy.residentKiB - r.idle.residentKiB) / coders,
                r.idle.residentKiB);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("korvex.*.info=false"));
    raiseOpenFileLimit(); // a thousand coders here, a thousand in the relay
    const QStringList args = app.arguments();
    if (args.value(1) == QLatin1String("--relay"))
        return relay(quint16(args.value(2).toUInt()), quint16(args.value(3).toUInt()));
    const int coders = args.value(1, QStringLiteral("1000")).toInt();
    const int rate = args.value(2, QStringLiteral("10")).toInt();
    const int seconds = args.value(3, QStringLiteral("10")).toInt();

    QTemporaryDir work;
    const QString brokerDir = work.filePath(QStringLiteral("broker"));
    const QString brokerScript = QStringLiteral(KORVEX_SOURCE_DIR "/scripts/broker.sh");
    if (QProcess::execute(brokerScript, {QStringLiteral("start"), brokerDir}) != 0)
        return 1;
    QFile portFile(brokerDir + QStringLiteral("/port"));
    portFile.open(QIODevice::ReadOnly);
    const quint16 brokerPort = quint16(portFile.readAll().trimmed().toUInt());
    std::printf("%d coders, %d reports a second each, %d s measured\n", coders, rate, seconds);

    // The floor: the bare relay.
    {
        const quint16 port = freePort();
        QProcess relayProcess;
        relayProcess.start(
            app.applicationFilePath(),
            {QStringLiteral("--relay"), QString::number(port), QString::number(brokerPort)});
        relayProcess.waitForStarted();
        waitFor([] { return false; }, 1000);
        print("relay", run(relayProcess.processId(), port, brokerPort, coders, rate, seconds),
              coders);
        relayProcess.kill();
        relayProcess.waitForFinished();
    }
    // korvexd.
    {
        const quint16 port = freePort();
        QDir(work.path()).mkpath(QStringLiteral("service"));
        QFile conf(work.filePath(QStringLiteral("service/korvex.conf")));
        conf.open(QIODevice::WriteOnly);
        conf.write(QStringLiteral("[server]\nport=%1\n[mqtt]\nurl=mqtt://127.0.0.1:%2\ngroup=%3\n"
                                  "node=%4\nuser=korvexd\npassword_file=%5/korvexd.password\n")
                       .arg(port)
                       .arg(brokerPort)
                       .arg(kGroup, kNode, brokerDir)
                       .toUtf8());
        conf.close();
        QProcess service;
        service.setWorkingDirectory(work.filePath(QStringLiteral("service")));
        service.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("korvex.*.info=false"));
        service.setProcessEnvironment(env);
        service.start(QStringLiteral(KORVEXD_PATH), QStringList());
        service.waitForStarted();
        waitFor([] { return false; }, 1000);
        print("korvexd", run(service.processId(), port, brokerPort, coders, rate, seconds), coders);
        service.terminate();
        service.waitForFinished();
    }
    QProcess::execute(brokerScript, {QStringLiteral("stop"), brokerDir});
    return 0;
}
