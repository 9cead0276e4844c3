// SPDX-License-Identifier: GPL-3.0-or-later
// The Sparkplug session of this PC without a broker: a bus of the test's
// own stands in for the broker connection, raw coders on 127.0.0.1 drive a
// Fleet listening on a port the system picks.
#include "../common/rawcoder.h"
#include "catalogue.h"
#include "commandjournal.h"
#include "fleet.h"
#include "jobrunner.h"
#include "journal.h"
#include "journalline.h"
#include "mqttbus.h"
#include "printparameters.h"
#include "readerservice.h"
#include "simulatedcoder.h"
#include "sparkplugnode.h"
#include "sparkplugpayload.h"
#include "station.h"

#include <QCryptographicHash>
#include <QLoggingCategory>
#include <QSettings>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>

using Sparkplug::DataType;
using Sparkplug::Metric;
using Sparkplug::metric;

namespace {

const QString kNode = QStringLiteral("spBv1.0/Plant/%1/Line1");
const QByteArray kMessage = R"({"ExternDataInfo":{"ExternMode":0},"TextItemInfo":[]})";

Metric yes(const char *name)
{
    return metric(QString::fromUtf8(name), DataType::Boolean, true);
}

Metric text(const char *name, const QString &value)
{
    return metric(QString::fromUtf8(name), DataType::String, value);
}

Metric int32(const char *name, qint64 value)
{
    return metric(QString::fromUtf8(name), DataType::Int32, QVariant::fromValue(value));
}

QByteArray payloadOf(const QList<Metric> &metrics)
{
    Sparkplug::Payload payload;
    payload.timestamp = 1700000000000;
    payload.metrics = metrics;
    return Sparkplug::encode(payload);
}

QVariantMap valuesOf(const Sparkplug::Payload &payload)
{
    QVariantMap values;
    for (const Metric &m : payload.metrics)
        values.insert(m.name, m.value);
    return values;
}

// The broker session as the node sees it: keeps the will, the
// subscriptions and every message published, decoded.
class FakeBus : public MqttBus
{
public:
    struct Message
    {
        QString topic;
        Sparkplug::Payload payload;
    };
    QList<Message> published;
    QStringList subscriptions;
    QString willTopic;
    Sparkplug::Payload will;
    bool up = false;
    int stops = 0;
    int starts = 0;

    void setWill(const QString &topic, const QByteArray &payload, int) override
    {
        willTopic = topic;
        QString error;
        QVERIFY2(Sparkplug::decode(payload, &will, &error), qPrintable(error));
    }
    void start() override { ++starts; }
    void stop() override
    {
        up = false;
        ++stops;
    }
    bool isConnected() const override { return up; }
    bool publish(const QString &topic, const QByteArray &payload, int) override
    {
        if (!up)
            return false;
        Message message{topic, {}};
        QString error;
        if (!Sparkplug::decode(payload, &message.payload, &error))
            qFatal("the node published what does not decode on %s", qPrintable(topic));
        published << message;
        return true;
    }
    bool subscribe(const QString &pattern, int) override
    {
        subscriptions << pattern;
        return true;
    }

    // An attempt that reaches the broker, or one that does not.
    void attempt(bool succeeds)
    {
        emit connecting();
        if (succeeds) {
            up = true;
            emit connected();
        }
    }
    void lose()
    {
        up = false;
        emit disconnected(QStringLiteral("gone"));
    }
    void deliver(const QString &type, const QString &device, const QByteArray &payload)
    {
        emit messageReceived(kNode.arg(type) + (device.isEmpty() ? QString() : "/" + device),
                             payload);
    }
    void deliverState(const QByteArray &json)
    {
        emit messageReceived(QStringLiteral("spBv1.0/STATE/scada"), json);
    }
    // The messages published on topics of this type, oldest first.
    QList<Message> of(const QString &type, const QString &device = QString()) const
    {
        const QString topic = kNode.arg(type) + (device.isEmpty() ? QString() : "/" + device);
        QList<Message> out;
        for (const Message &m : published) {
            if (m.topic == topic)
                out << m;
        }
        return out;
    }
};

QStringList namesOf(const Sparkplug::Payload &payload)
{
    QStringList names;
    for (const Metric &m : payload.metrics)
        names << m.name;
    return names;
}

QByteArray state(bool online, quint64 timestamp)
{
    return QStringLiteral(R"({"online": %1, "timestamp": %2})")
        .arg(online ? "true" : "false")
        .arg(timestamp)
        .toUtf8();
}

} // namespace

class TestSparkplugNode : public QObject
{
    Q_OBJECT

    std::unique_ptr<Fleet> fleet;
    std::unique_ptr<Journal> journal;
    std::unique_ptr<CommandJournal> commands;
    std::unique_ptr<FakeBus> bus;
    std::unique_ptr<SparkplugNode> node;

    quint16 port() const { return fleet->listeningPort(); }

    // A raw coder, connected and born; its parameter block reported when given.
    std::unique_ptr<RawCoder> connectCoder(const QByteArray &block = QByteArray())
    {
        const int before = fleet->count();
        auto coder = std::make_unique<RawCoder>(port());
        [&] { QTRY_COMPARE(fleet->count(), before + 1); }();
        if (!block.isEmpty()) {
            const int descriptor = fleet->descriptors().last();
            coder->send(Command::Parameters, block);
            [&] { QTRY_COMPARE(fleet->coder(descriptor)->parameterBlock, block); }();
            QCoreApplication::processEvents();
        }
        return coder;
    }

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules("korvex.*.debug=false\nkorvex.*.info=false");
    }

    void init()
    {
        QSettings(QSettings::NativeFormat, QSettings::UserScope, "KorvexSoftWare").clear();
        QDir("devices").removeRecursively();
        QDir("journal").removeRecursively();
        QDir().mkpath("Spray");
        QFile file("Spray/label1.spr");
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(kMessage) == kMessage.size());
        file.close();
        fleet = std::make_unique<Fleet>();
        QVERIFY(fleet->listen(0).ok);
        journal = std::make_unique<Journal>("journal");
        commands = std::make_unique<CommandJournal>(fleet.get(), journal.get());
        commands->open();
        bus = std::make_unique<FakeBus>();
        node = std::make_unique<SparkplugNode>(fleet.get(), bus.get(), "Plant", "Line1");
        node->setAccount("korvexd");
        node->setClock([] { return quint64(1700000000000); });
    }

    void cleanup()
    {
        node.reset();
        bus.reset();
        commands.reset();
        journal.reset();
        fleet.reset();
    }

    // Births on each connection with the next bdSeq; seq runs over every
    // sequenced message, 255 followed by 0, and starts again at each birth.
    void sessionNumbersFollowTheConnections()
    {
        auto first = connectCoder();
        QVERIFY(bus->published.isEmpty()); // nothing goes out before a connection
        bus->attempt(true);
        QCOMPARE(bus->willTopic, kNode.arg("NDEATH"));
        QCOMPARE(valuesOf(bus->will).value("bdSeq").toLongLong(), 0);
        QVERIFY(!bus->will.seq);
        QCOMPARE(bus->subscriptions,
                 QStringList({kNode.arg("NCMD"), "spBv1.0/Plant/DCMD/Line1/+"}));
        QCOMPARE(bus->published.size(), 2);
        const Sparkplug::Payload birth = bus->published.first().payload;
        QCOMPARE(bus->published.first().topic, kNode.arg("NBIRTH"));
        QCOMPARE(birth.seq, std::optional<quint64>(0));
        QCOMPARE(valuesOf(birth).value("bdSeq").toLongLong(), 0);
        QCOMPARE(valuesOf(birth).value("Node Control/Rebirth"), QVariant(false));
        QCOMPARE(bus->published.at(1).topic, kNode.arg("DBIRTH") + "/127.0.0.1");
        QCOMPARE(bus->published.at(1).payload.seq, std::optional<quint64>(1));

        // A second coder behind one address; then many outcomes carry seq past 255.
        auto second = connectCoder();
        QCOMPARE(bus->of("DBIRTH", "127.0.0.1_2").size(), 1);
        for (int i = 0; i < 300; ++i)
            bus->deliver("NCMD", QString(), payloadOf({yes("Node Control/Reboot")}));
        QList<quint64> seqs;
        for (const FakeBus::Message &m : qAsConst(bus->published))
            seqs << *m.payload.seq;
        QCOMPARE(seqs.size(), 303);
        for (int i = 1; i < seqs.size(); ++i)
            QCOMPARE(seqs.at(i), quint64(i % 256));

        // A lost session: the next attempt registers the next bdSeq, an
        // attempt that never connected leaves it for the one after.
        bus->lose();
        bus->attempt(false);
        QCOMPARE(valuesOf(bus->will).value("bdSeq").toLongLong(), 1);
        bus->attempt(false);
        QCOMPARE(valuesOf(bus->will).value("bdSeq").toLongLong(), 1);
        bus->published.clear();
        bus->attempt(true);
        QCOMPARE(bus->published.size(), 3);
        QCOMPARE(valuesOf(bus->of("NBIRTH").first().payload).value("bdSeq").toLongLong(), 1);
        QCOMPARE(bus->of("NBIRTH").first().payload.seq, std::optional<quint64>(0));
        QCOMPARE(node->bdSeq(), quint64(1));

        // Rebirth: the same bdSeq, seq from 0, every coder again, then its outcome.
        bus->published.clear();
        bus->deliver("NCMD", QString(), payloadOf({yes("Node Control/Rebirth")}));
        QCOMPARE(bus->published.size(), 4);
        QCOMPARE(valuesOf(bus->of("NBIRTH").first().payload).value("bdSeq").toLongLong(), 1);
        QCOMPARE(bus->of("NBIRTH").first().payload.seq, std::optional<quint64>(0));
        QCOMPARE(bus->of("DBIRTH", "127.0.0.1").size(), 1);
        QCOMPARE(bus->of("DBIRTH", "127.0.0.1_2").size(), 1);
        QCOMPARE(bus->published.last().topic, kNode.arg("NDATA"));

        // A coder that goes: DDEATH with seq; the node's own death has none.
        second->socket.disconnectFromHost();
        QTRY_COMPARE(bus->of("DDEATH", "127.0.0.1_2").size(), 1);
        QCOMPARE(bus->of("DDEATH", "127.0.0.1_2").first().payload.seq, std::optional<quint64>(4));
        node->publishDeath();
        QCOMPARE(bus->published.last().topic, kNode.arg("NDEATH"));
        QVERIFY(!bus->published.last().payload.seq);
        QCOMPARE(valuesOf(bus->published.last().payload).value("bdSeq").toLongLong(), 1);
    }

    // DDATA holds only what changed since it was last published; the first
    // parameter block is new metrics, so the device is born again.
    void dataCarriesOnlyWhatChanged()
    {
        bus->attempt(true);
        auto coder = connectCoder();
        const int descriptor = fleet->descriptors().first();
        const auto data = [&] { return bus->of("DDATA", "127.0.0.1"); };
        // Asked for its print parameters at once, or the bus could never set them.
        QTRY_VERIFY(coder->commands().contains(quint8(Command::Parameters)));

        coder->send(Command::StatusReport, statusReportPayload({1, 10}));
        QTRY_COMPARE(data().size(), 1);
        QCOMPARE(namesOf(data().last().payload), QStringList({"Status/State", "Status/Progress"}));
        QCOMPARE(valuesOf(data().last().payload).value("Status/State").toString(),
                 QString("Printing"));
        coder->send(Command::StatusReport, statusReportPayload({1, 20}));
        QTRY_COMPARE(data().size(), 2);
        QCOMPARE(namesOf(data().last().payload), QStringList{"Status/Progress"});
        coder->send(Command::StatusReport, statusReportPayload({1, 20}));
        fleet->setRemarkName(descriptor, "Line 3");
        QTRY_COMPARE(data().size(), 3);
        QCOMPARE(namesOf(data().last().payload), QStringList{"Properties/Remark Name"});

        PrintParameters parameters;
        parameters.lineSpeed = 30;
        coder->send(Command::Parameters, parameters.toBytes());
        QTRY_COMPARE(bus->of("DBIRTH", "127.0.0.1").size(), 2);
        QVERIFY(namesOf(bus->of("DBIRTH", "127.0.0.1").last().payload)
                    .contains("Parameters/Line Speed"));
        parameters.lineSpeed = 45;
        coder->send(Command::Parameters, parameters.toBytes());
        QTRY_COMPARE(data().size(), 4);
        QCOMPARE(namesOf(data().last().payload), QStringList{"Parameters/Line Speed"});
        QCOMPARE(valuesOf(data().last().payload).value("Parameters/Line Speed").toLongLong(), 45);
        QTest::qWait(20);
        QCOMPARE(data().size(), 4);
    }

    // Each command message gets exactly one outcome, naming the device (the
    // node for an NCMD) and the metrics it holds, done or refused alike.
    void everyCommandMessageGetsOneOutcome_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("device");
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<int>("framesSent"); // to the coder
        const QString coder = "127.0.0.1";
        const QByteArray undecodable("\xff\xff\xff", 3);
        const QString missing = "Cannot read Spray/nowhere.spr: No such file or directory. "
                                "Nothing was sent.";
        const auto row = [](const char *name, const QString &type, const QString &device,
                            const QByteArray &payload, const QString &command,
                            const QString &outcome, int frames = 0) {
            QTest::newRow(name) << type << device << payload << command << outcome << frames;
        };
        row("start", "DCMD", coder, payloadOf({yes("Command/Start"), text("Command/User", "anna")}),
            "Command/Start", "done", 1);
        row("parameters", "DCMD", coder, payloadOf({int32("Parameters/Line Speed", 45)}),
            "Parameters/Line Speed", "done", 2); // the block, then the request for it
        row("parameters out of range", "DCMD", coder,
            payloadOf({int32("Parameters/Line Speed", 400)}), "Parameters/Line Speed",
            "refused: Parameters/Line Speed: 400 is out of range 0 to 300");
        row("two refusals", "DCMD", coder,
            payloadOf({int32("Parameters/Line Speed", 400), yes("Command/Explode")}),
            "Parameters/Line Speed, Command/Explode",
            "refused: Parameters/Line Speed: 400 is out of range 0 to 300; Command/Explode: "
            "unknown metric");
        row("no such message", "DCMD", coder, payloadOf({text("Command/Apply Message", "nowhere")}),
            "Command/Apply Message", "refused: " + missing);
        row("no start after a message not sent", "DCMD", coder,
            payloadOf({text("Command/Apply Message", "nowhere"), yes("Command/Start")}),
            "Command/Apply Message, Command/Start",
            "refused: Command/Apply Message: " + missing + "; not carried out: Command/Start");
        row("stop after a message sent", "DCMD", coder,
            payloadOf({text("Command/Apply Message", "label1"), yes("Command/Stop")}),
            "Command/Apply Message, Command/Stop", "done", 3); // the read-back's request too
        row("a coder that has left", "DCMD", "127.0.0.99", payloadOf({yes("Command/Start")}),
            "Command/Start", "refused: no coder 127.0.0.99 is connected");
        row("undecodable", "DCMD", coder, undecodable, "DCMD",
            "refused: not a Sparkplug B payload");
        row("empty payload", "DCMD", coder, QByteArray(), "DCMD",
            "refused: the payload holds no command");
        row("no metrics", "DCMD", coder, payloadOf({}), "DCMD",
            "refused: the payload holds no command");
        row("only the user", "DCMD", coder, payloadOf({text("Command/User", "anna")}), "DCMD",
            "refused: the payload holds no command");
        row("rebirth", "NCMD", "Line1", payloadOf({yes("Node Control/Rebirth")}),
            "Node Control/Rebirth", "done");
        row("rebirth beside an unknown metric", "NCMD", "Line1",
            payloadOf({yes("Node Control/Rebirth"), yes("Node Control/Reboot")}),
            "Node Control/Rebirth, Node Control/Reboot",
            "refused: Node Control/Reboot: unknown metric; the rebirth was done");
        row("node: unknown", "NCMD", "Line1", payloadOf({yes("Node Control/Reboot")}),
            "Node Control/Reboot", "refused: Node Control/Reboot: unknown metric");
        row("node: undecodable", "NCMD", "Line1", undecodable, "NCMD",
            "refused: not a Sparkplug B payload");
        row("node: empty payload", "NCMD", "Line1", QByteArray(), "NCMD",
            "refused: the payload holds no command");
    }
    void everyCommandMessageGetsOneOutcome()
    {
        QFETCH(QString, type);
        QFETCH(QString, device);
        QFETCH(QByteArray, payload);
        QFETCH(QString, command);
        QFETCH(QString, outcome);
        QFETCH(int, framesSent);
        bus->attempt(true);
        auto coder = connectCoder(PrintParameters().toBytes());
        const int framesBefore = coder->received.size();
        QSignalSpy results(node.get(), &SparkplugNode::commandResult);
        bus->published.clear();
        bus->deliver(type, type == "NCMD" ? QString() : device, payload);
        QTRY_COMPARE(results.size(), 1);
        QTest::qWait(20);
        QCOMPARE(results.size(), 1);
        const QList<FakeBus::Message> outcomes = bus->of("NDATA");
        QCOMPARE(outcomes.size(), 1);
        const QVariantMap values = valuesOf(outcomes.first().payload);
        QCOMPARE(values.value("Command Result/Device").toString(), device);
        QCOMPARE(values.value("Command Result/Command").toString(), command);
        QCOMPARE(values.value("Command Result/Outcome").toString(), outcome);
        QTRY_COMPARE(coder->received.size() - framesBefore, framesSent);
    }

    // At most 256 commands wait; more are refused at once, and each turn
    // of the event loop carries out at most 8, so the coders keep reporting.
    void theQueueIsBoundedAndRunsAFewPerTurn()
    {
        bus->attempt(true);
        auto coder = connectCoder();
        QSignalSpy results(node.get(), &SparkplugNode::commandResult);
        for (int i = 0; i < 300; ++i)
            bus->deliver("DCMD", "127.0.0.1", payloadOf({yes("Command/Start")}));
        QCOMPARE(results.size(), 300 - SparkplugNode::kMaxQueuedCommands);
        for (const QList<QVariant> &result : qAsConst(results)) {
            QCOMPARE(result.at(1).toString(), QString("Command/Start"));
            QCOMPARE(result.at(2).toString(), QString("refused: 256 commands are waiting already"));
        }
        QCoreApplication::processEvents();
        QCOMPARE(results.size(),
                 300 - SparkplugNode::kMaxQueuedCommands + SparkplugNode::kCommandsPerTurn);
        QTRY_COMPARE(results.size(), 300);
        for (int i = 44; i < 300; ++i)
            QCOMPARE(results.at(i).at(2).toString(), QString("done"));
        QTRY_COMPARE(coder->commands().count(quint8(Command::RunControl)),
                     SparkplugNode::kMaxQueuedCommands);
    }

    // With a primary host: births held until its STATE says online, older
    // and unreadable STATEs ignored; every metric born with an alias unique
    // in the node, data and outcomes by alias alone, commands by alias; the
    // host offline gives NDEATH and a new connection that waits again.
    void aPrimaryHostGovernsTheSession()
    {
        node->setPrimaryHost("scada");
        auto coder = connectCoder();
        QSignalSpy results(node.get(), &SparkplugNode::commandResult);
        bus->attempt(true);
        QVERIFY(bus->subscriptions.contains("spBv1.0/STATE/scada"));
        coder->send(Command::StatusReport, statusReportPayload({1, 10}));
        bus->deliver("DCMD", "127.0.0.1", payloadOf({yes("Command/Start")}));
        bus->deliverState("ONLINE"); // the 2.2 text, not JSON
        bus->deliverState(R"({"online": true})");
        bus->deliverState(state(false, 900));
        QTest::qWait(30);
        QVERIFY(bus->published.isEmpty());
        QVERIFY(results.isEmpty());
        QCOMPARE(node->refusedStates(), 2);

        bus->deliverState(state(true, 1000));
        QCOMPARE(bus->published.size(), 2);
        QMap<quint64, QString> names; // every alias of the births
        for (const FakeBus::Message &m : qAsConst(bus->published)) {
            for (const Metric &metric : m.payload.metrics) {
                QVERIFY2(metric.alias && !metric.name.isEmpty(), qPrintable(metric.name));
                QVERIFY2(!names.contains(*metric.alias), qPrintable(metric.name));
                names.insert(*metric.alias, metric.name);
            }
        }
        const quint64 start = names.key("Command/Start");
        const auto byAlias = [&](const Sparkplug::Payload &payload) {
            QVariantMap values;
            for (const Metric &m : payload.metrics)
                values.insert(m.name.isNull() && m.alias ? names.value(*m.alias) : "?", m.value);
            return values;
        };
        bus->deliverState(state(false, 999)); // older than the last: ignored
        QCOMPARE(bus->stops, 0);

        coder->send(Command::StatusReport, statusReportPayload({1, 20}));
        QTRY_COMPARE(bus->of("DDATA", "127.0.0.1").size(), 1);
        const Sparkplug::Payload data = bus->of("DDATA", "127.0.0.1").first().payload;
        QCOMPARE(byAlias(data).value("Status/Progress").toLongLong(), 20);
        // One report's bytes, by alias against by name.
        Sparkplug::Payload byName = data;
        for (Metric &m : byName.metrics) {
            m.name = names.value(*m.alias);
            m.alias.reset();
        }
        qInfo("a DDATA of one report: %d bytes with aliases, %d with names",
              int(Sparkplug::encode(data).size()), int(Sparkplug::encode(byName).size()));
        QVERIFY(Sparkplug::encode(data).size() < Sparkplug::encode(byName).size());

        Metric startByAlias = yes("Command/Start");
        startByAlias.name = QString();
        startByAlias.alias = start;
        Metric unknown = startByAlias;
        unknown.alias = 9999;
        bus->deliver("DCMD", "127.0.0.1", payloadOf({startByAlias}));
        bus->deliver("DCMD", "127.0.0.1", payloadOf({unknown}));
        QTRY_COMPARE(results.size(), 2);
        QCOMPARE(results.at(0).mid(1), (QVariantList{"Command/Start", "done"}));
        QCOMPARE(results.at(1).mid(1),
                 (QVariantList{"DCMD", "refused: metric 1 (alias 9999): unknown alias"}));
        QTRY_COMPARE(coder->commands().count(quint8(Command::RunControl)), 1);
        QCOMPARE(byAlias(bus->of("NDATA").first().payload).value("Command Result/Outcome"),
                 QVariant("done"));

        // The host goes: death with this connection's bdSeq, a new
        // connection, and births again only once the host is back.
        bus->deliverState(state(false, 2000));
        QCOMPARE(bus->published.last().topic, kNode.arg("NDEATH"));
        QCOMPARE(valuesOf(bus->published.last().payload).value("bdSeq").toLongLong(), 0);
        QTRY_COMPARE(bus->stops, 1);
        QCOMPARE(bus->starts, 1);
        QVERIFY(!node->isBorn());
        bus->published.clear();
        bus->attempt(true);
        QCOMPARE(valuesOf(bus->will).value("bdSeq").toLongLong(), 1);
        bus->deliverState(state(false, 2000)); // retained
        QVERIFY(bus->published.isEmpty());
        bus->deliverState(state(true, 3000));
        QCOMPARE(bus->of("NBIRTH").size(), 1);
        QCOMPARE(valuesOf(bus->of("NBIRTH").first().payload).value("bdSeq").toLongLong(), 1);
        const Sparkplug::Payload reborn = bus->of("DBIRTH", "127.0.0.1").first().payload;
        for (const Metric &m : reborn.metrics)
            QCOMPARE(names.value(*m.alias), m.name); // the same aliases as before
    }

    // A job started by DCMD against a catalogue: refused with the job
    // engine's reason, or sent, read back and shown verified in DDATA; a
    // coder that keeps its own message is never verified and the bus may
    // not start it.  Job/End puts the neutral values back.
    void jobsRunFromTheBus()
    {
        QTemporaryDir dir;
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path()));
        const auto back = qScopeGuard([&] { QDir::setCurrent(before); });
        const QByteArray juice = R"({"ExternDataInfo":{"ExternMode":0},"TextItemInfo":[)"
                                 R"({"TextAtX":20,"TextAtY":10,"TextContent":"LOT {{lot}}"}]})";
        QDir().mkpath("Spray");
        QDir().mkpath("own");
        QFile file("Spray/juice.spr");
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(juice) == juice.size());
        file.close();
        QFile own("own/own.spr");
        QVERIFY(own.open(QIODevice::WriteOnly) && own.write("{\"own\":1}") > 0);
        own.close();

        // A code reader after the first coder, standing in on 127.0.0.1.
        QTcpServer readerServer;
        QVERIFY(readerServer.listen(QHostAddress::LocalHost, 0));
        QFile conf("korvex.conf");
        QVERIFY(conf.open(QIODevice::WriteOnly));
        conf.write("[reader.1]\nhost=127.0.0.1\ncoder=127.0.0.1\nport=" +
                   QByteArray::number(readerServer.serverPort()) + "\n");
        conf.close();

        Station::Options options;
        options.port = 0;
        Station station(options);
        QVERIFY(station.open().ok);
        station.fleet()->setReadBackTimeout(500);
        Catalogue catalogue;
        QVERIFY(catalogue.open(DatabaseSettings::sqlite("korvex.db")).ok());
        Product p;
        p.code = "OJ-1L";
        p.gtin = "09501101020917";
        p.name = "Orange juice 1 l";
        p.templateName = "juice.spr";
        p.coders = QStringList{"127.0.0.*"};
        QVERIFY(catalogue.addProduct(&p, "olga").ok());
        Approval approval;
        approval.templateName = "juice.spr";
        approval.sha256 = QCryptographicHash::hash(juice, QCryptographicHash::Sha256).toHex();
        approval.signerName = "Olga";
        approval.account = "olga";
        approval.meaning = "Approved for production";
        QVERIFY(catalogue.approve(&approval, true).ok());
        JobRunner jobs(&station, &catalogue);

        FakeBus jobBus;
        SparkplugNode jobNode(station.fleet(), &jobBus, "Plant", "Line1");
        jobNode.setJobs(&jobs);
        ReaderService readers(&station, &jobs, &catalogue, [](const QString &, const QDateTime &) {
            PrintedCodes codes;
            codes.loaded = true;
            codes.codes << "A2041";
            return codes;
        });
        QCOMPARE(readers.start(), QStringList());
        jobNode.setReaders(&readers);
        jobBus.attempt(true);
        QSignalSpy results(&jobNode, &SparkplugNode::commandResult);

        const auto coderSettings = [&](bool keeps) {
            CoderSettings settings;
            settings.port = station.fleet()->listeningPort();
            settings.folder = keeps ? "own" : ".";
            settings.keepsItsMessage = keeps;
            settings.statusIntervalMs = 20;
            if (keeps)
                settings.messageSource = "own/own.spr";
            return settings;
        };
        QDir().mkpath("good");
        CoderSettings goodSettings = coderSettings(false);
        goodSettings.folder = "good";
        SimulatedCoder good(goodSettings);
        good.start();
        QTRY_COMPARE(station.fleet()->count(), 1);
        SimulatedCoder liar(coderSettings(true));
        liar.start();
        QTRY_COMPARE(station.fleet()->count(), 2);
        // Born, and born again with the print parameters it is asked for.
        QTRY_COMPARE(jobBus.of("DBIRTH", "127.0.0.1_2").size(), 2);
        const QVariantMap born = valuesOf(jobBus.of("DBIRTH", "127.0.0.1").last().payload);
        QCOMPARE(born.value("Job/State"), QVariant(QString()));
        QCOMPARE(born.value("Job/Lot"), QVariant(QString()));
        QCOMPARE(born.value("Job/Verified"), QVariant(false));
        QVERIFY(born.contains("Job/Start") && born.contains("Job/End"));
        QCOMPARE(born.value("Reader/Good"), QVariant(0));
        QCOMPARE(born.value("Reader/Alarm"), QVariant(false));

        // The latest value of a job metric in the device's births and data.
        const auto latest = [&](const QString &device, const QString &name) {
            QVariant value;
            for (const FakeBus::Message &m : jobBus.published) {
                if (m.topic.endsWith("/" + device) &&
                    (m.topic.contains("/DBIRTH/") || m.topic.contains("/DDATA/")) &&
                    valuesOf(m.payload).contains(name))
                    value = valuesOf(m.payload).value(name);
            }
            return value;
        };
        const auto outcome = [&](const QString &device, const QList<Metric> &metrics) {
            results.clear();
            jobBus.deliver("DCMD", device, payloadOf(metrics));
            [&] { QTRY_COMPARE(results.size(), 1); }();
            return results.value(0).value(2).toString();
        };
        const QList<Metric> job{yes("Job/Start"), text("Job/Product", "9501101020917"),
                                text("Job/Order", "PO-77"), text("Job/Lot", "A2041"),
                                text("Command/User", "anna")};

        QList<Metric> unknown = job;
        unknown[1] = text("Job/Product", "NOPE");
        QVERIFY2(outcome("127.0.0.1", unknown)
                     .startsWith("refused: The job was not started: No product \"NOPE\""),
                 qPrintable(results.value(0).value(2).toString()));
        QCOMPARE(jobs.jobOf(station.fleet()->descriptors().first()), 0);
        QCOMPARE(outcome("127.0.0.1", {yes("Job/End")}),
                 QString("refused: no job runs on 127.0.0.1"));

        QCOMPARE(outcome("127.0.0.1", job), QString("done"));
        QTRY_COMPARE(latest("127.0.0.1", "Job/State"), QVariant("verified"));
        QCOMPARE(latest("127.0.0.1", "Job/Verified"), QVariant(true));
        QCOMPARE(latest("127.0.0.1", "Job/Lot"), QVariant("A2041"));
        QCOMPARE(latest("127.0.0.1", "Job/Product"), QVariant("OJ-1L"));
        QCOMPARE(latest("127.0.0.1", "Job/Order"), QVariant("PO-77"));
        const qint64 jobId = jobs.jobOf(station.fleet()->descriptors().first());
        QCOMPARE(jobs.job(jobId)->startedBy, QString("anna"));
        QCOMPARE(outcome("127.0.0.1", {yes("Command/Start")}), QString("done"));
        // The reader's counts and its alarm follow on the bus.
        QTRY_VERIFY(readerServer.hasPendingConnections());
        QTcpSocket *reader = readerServer.nextPendingConnection();
        reader->write("A2041\n");
        QTRY_COMPARE(latest("127.0.0.1", "Reader/Good"), QVariant(1));
        reader->write("B1\nB2\nNOREAD\n");
        QTRY_COMPARE(latest("127.0.0.1", "Reader/Alarm"), QVariant(true));
        QTRY_COMPARE(latest("127.0.0.1", "Reader/Bad"), QVariant(2));
        QCOMPARE(latest("127.0.0.1", "Reader/No Read"), QVariant(1));

        QList<Metric> second = job;
        second[3] = text("Job/Lot", "A2042");
        QCOMPARE(outcome("127.0.0.1_2", second), QString("done"));
        QTRY_COMPARE(latest("127.0.0.1_2", "Job/State"), QVariant("mismatch"));
        QCOMPARE(latest("127.0.0.1_2", "Job/Verified"), QVariant(false));
        QVERIFY2(outcome("127.0.0.1_2", {yes("Command/Start")}).contains("not verified"),
                 qPrintable(results.value(0).value(2).toString()));

        QCOMPARE(outcome("127.0.0.1", {yes("Job/End")}), QString("done"));
        QTRY_COMPARE(latest("127.0.0.1", "Job/State"), QVariant(QString()));
        QCOMPARE(latest("127.0.0.1", "Job/Lot"), QVariant(QString()));
        QCOMPARE(latest("127.0.0.1_2", "Job/Lot"), QVariant("A2042"));
        JobRecord record;
        QVERIFY(catalogue.job(jobId, &record).ok());
        QVERIFY(record.endedAt.isValid());
        liar.stop();
        good.stop();
    }

    // The journal names the broker account and, marked as claimed, the user
    // a command gives; a command without one stands under the account.
    void theJournalNamesWhereACommandCameFrom()
    {
        bus->attempt(true);
        auto coder = connectCoder();
        QSignalSpy results(node.get(), &SparkplugNode::commandResult);
        bus->deliver("DCMD", "127.0.0.1",
                     payloadOf({text("Command/Apply Message", "label1"), yes("Command/Start"),
                                text("Command/User", "anna")}));
        bus->deliver("DCMD", "127.0.0.1", payloadOf({yes("Command/Stop")}));
        QTRY_COMPARE(results.size(), 2);
        QVERIFY(fleet->start(fleet->descriptors()).ok); // from this PC

        QList<QJsonObject> lines;
        forEachJournalLine("journal", QString(), QString(),
                           [&](const JournalLine &line, const QString &) {
                               lines << line.object;
                               return true;
                           });
        QCOMPARE(lines.size(), 4);
        const QStringList actions{"message sent", "start", "stop", "start"};
        const QStringList users{"anna", "anna", "korvexd", Journal::systemUserName()};
        for (int i = 0; i < lines.size(); ++i) {
            QCOMPARE(lines.at(i).value("action").toString(), actions.at(i));
            QCOMPARE(lines.at(i).value("user").toString(), users.at(i));
            QCOMPARE(lines.at(i).value("via").toString(), QString(i < 3 ? "mqtt" : ""));
            QCOMPARE(lines.at(i).value("account").toString(), QString(i < 3 ? "korvexd" : ""));
            QCOMPARE(lines.at(i).value("claimed").toBool(), i < 2);
        }
        QCOMPARE(CommandJournal::details(lines.at(1)),
                 QString("over MQTT, broker account korvexd, user as claimed"));
        // The request for its print parameters at connect; the message's
        // read-back asks for it.
        QTRY_COMPARE(coder->received.size(), 6);
    }
};

QTEST_GUILESS_MAIN(TestSparkplugNode)
#include "tst_sparkplugnode.moc"
