// SPDX-License-Identifier: GPL-3.0-or-later
// The host application without a broker: a bus of the test's own hands the
// engine what the lines' edge nodes publish, and keeps what it publishes.
#include "mqttbus.h"
#include "plantcommand.h"
#include "planthost.h"
#include "planthostsettings.h"
#include "sparkplugpayload.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using Sparkplug::DataType;
using Sparkplug::Metric;
using Sparkplug::metric;

namespace {

const QString kLine = QStringLiteral("Site/Line1");

class HostBus : public MqttBus
{
public:
    struct Message
    {
        QString topic;
        QByteArray payload;
        bool retained;
    };
    QList<Message> published;
    QStringList subscriptions;
    QString willTopic;
    QByteArray will;
    bool willRetained = false;
    bool up = false;

    void setWill(const QString &topic, const QByteArray &payload, int) override
    {
        willTopic = topic;
        will = payload;
        willRetained = false;
    }
    void setRetainedWill(const QString &topic, const QByteArray &payload, int) override
    {
        willTopic = topic;
        will = payload;
        willRetained = true;
    }
    void start() override
    {
        emit connecting();
        up = true;
        emit connected();
    }
    void stop() override { up = false; }
    bool isConnected() const override { return up; }
    bool publish(const QString &topic, const QByteArray &payload, int) override
    {
        published << Message{topic, payload, false};
        return up;
    }
    bool publishRetained(const QString &topic, const QByteArray &payload, int) override
    {
        published << Message{topic, payload, true};
        return up;
    }
    bool subscribe(const QString &pattern, int) override
    {
        subscriptions << pattern;
        return true;
    }
    void lose()
    {
        up = false;
        emit disconnected(QStringLiteral("gone"));
    }
    void deliver(const QString &topic, const QByteArray &payload)
    {
        emit messageReceived(topic, payload);
    }
    int rebirths(const QString &node = QStringLiteral("Site/NCMD/Line1")) const
    {
        int n = 0;
        for (const Message &m : published)
            n += m.topic == QStringLiteral("spBv1.0/") + node;
        return n;
    }
};

Metric alias(Metric m, quint64 a, bool keepName = true)
{
    m.alias = a;
    if (!keepName)
        m.name.clear();
    return m;
}

Metric int32(const char *name, qint64 value)
{
    return metric(QString::fromUtf8(name), DataType::Int32, QVariant::fromValue(value));
}

Metric text(const char *name, const QString &value)
{
    return metric(QString::fromUtf8(name), DataType::String, value);
}

QByteArray payload(std::optional<quint64> seq, const QList<Metric> &metrics)
{
    Sparkplug::Payload p;
    p.timestamp = 1733740000000;
    p.seq = seq;
    p.metrics = metrics;
    return Sparkplug::encode(p);
}

QByteArray nbirth(qint64 bdSeq = 0)
{
    return payload(0, {metric("bdSeq", DataType::Int64, bdSeq),
                       metric("Node Control/Rebirth", DataType::Boolean, false),
                       text("Command Result/Device", ""), text("Command Result/Command", ""),
                       text("Command Result/Outcome", "")});
}

QByteArray ndeath(qint64 bdSeq)
{
    return payload(std::nullopt, {metric("bdSeq", DataType::Int64, bdSeq)});
}

QByteArray dbirth(quint64 seq, int progress = 0)
{
    return payload(seq, {text("Status/State", "Ready"), int32("Status/Progress", progress),
                         text("Properties/IP", "10.0.1.5")});
}

// One message of a line as it arrives: the topic after "spBv1.0/".
struct Step
{
    QString topic;
    QByteArray payload;
};
using Steps = QList<Step>;

Step on(const char *topic, const QByteArray &bytes)
{
    return {QString::fromUtf8(topic), bytes};
}

} // namespace

Q_DECLARE_METATYPE(Steps)

class TestPlantHost : public QObject
{
    Q_OBJECT

    std::unique_ptr<HostBus> bus;
    std::unique_ptr<PlantHost> host;
    qint64 now = 1733740000000;

    void run(const Steps &steps)
    {
        for (const Step &s : steps)
            bus->deliver(QStringLiteral("spBv1.0/") + s.topic, s.payload);
    }

private slots:
    void initTestCase() { QLoggingCategory::setFilterRules("korvex.*=false"); }

    void init()
    {
        now = 1733740000000;
        bus = std::make_unique<HostBus>();
        host = std::make_unique<PlantHost>(bus.get(), "supervisor", true);
        host->setClock([this] { return now; });
        host->start();
    }

    void cleanup()
    {
        host.reset();
        bus.reset();
    }

    // Subscriptions before the STATE, the STATE retained with the will's
    // timestamp; a clean stop says offline itself; an offline STATE of its
    // own while connected is answered by online again.
    void sessionFollowsTheHostRules()
    {
        QCOMPARE(bus->willTopic, QString("spBv1.0/STATE/supervisor"));
        QVERIFY(bus->willRetained);
        const QJsonObject will = QJsonDocument::fromJson(bus->will).object();
        QCOMPARE(will.value("online"), QJsonValue(false));
        QCOMPARE(will.value("timestamp").toDouble(), double(now));
        QCOMPARE(bus->subscriptions.mid(0, 2),
                 QStringList({"spBv1.0/#", "spBv1.0/STATE/supervisor"}));
        QCOMPARE(bus->published.size(), 1);
        QVERIFY(bus->published.first().retained);
        const QJsonObject birth = QJsonDocument::fromJson(bus->published.first().payload).object();
        QCOMPARE(birth.value("online"), QJsonValue(true));
        QCOMPARE(birth.value("timestamp"), will.value("timestamp"));

        bus->deliver("spBv1.0/STATE/supervisor", R"({"online": false, "timestamp": 1})");
        QCOMPARE(bus->published.size(), 2);
        QCOMPARE(QJsonDocument::fromJson(bus->published.last().payload).object().value("online"),
                 QJsonValue(true));
        bus->deliver("spBv1.0/STATE/other", R"({"online": false, "timestamp": 1})");
        QCOMPARE(bus->published.size(), 2);

        host->stop();
        QCOMPARE(bus->published.size(), 3);
        QVERIFY(bus->published.last().retained);
        QCOMPARE(QJsonDocument::fromJson(bus->published.last().payload).object().value("online"),
                 QJsonValue(false));
        QVERIFY(!bus->isConnected());
    }

    // What the lines send, good and bad: what is refused and why, the
    // rebirths asked, and what the host shows of coder "d1".
    void followsTheLines_data()
    {
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<QString>("refusal"); // the reason counted, "" for none
        QTest::addColumn<int>("rebirths");
        QTest::addColumn<int>("progress"); // of d1; -2: not shown
        QTest::addColumn<bool>("stale");   // d1

        const QByteArray junk("\xff\xff\xff\x01", 4);
        const auto aliasedAt = [](quint64 seq) {
            return payload(seq, {alias(text("Status/State", "Ready"), 4),
                                 alias(int32("Status/Progress", 0), 5)});
        };
        const QByteArray aliased = aliasedAt(1);
        QTest::newRow("born, then data")
            << Steps{on("Site/NBIRTH/Line1", nbirth()), on("Site/DBIRTH/Line1/d1", dbirth(1)),
                     on("Site/DDATA/Line1/d1", payload(2, {int32("Status/Progress", 50)}))}
            << "" << 0 << 50 << false;
        QTest::newRow("seq wraps") << [] {
            Steps s{on("Site/NBIRTH/Line1", nbirth()), on("Site/DBIRTH/Line1/d1", dbirth(1))};
            for (int i = 2; i < 300; ++i)
                s << on("Site/DDATA/Line1/d1",
                        payload(quint64(i % 256), {int32("Status/Progress", i % 100)}));
            return s;
        }() << "" << 0 << 99 << false;
        QTest::newRow("data before the node's birth")
            << Steps{on("Site/DDATA/Line1/d1", payload(1, {int32("Status/Progress", 5)})),
                     on("Site/NDATA/Line1", payload(2, {}))}
            << "" << 1 << -2 << false;
        QTest::newRow("data before the device's birth")
            << Steps{on("Site/NBIRTH/Line1", nbirth()),
                     on("Site/DDATA/Line1/d1", payload(1, {int32("Status/Progress", 5)}))}
            << "" << 1 << -2 << false;
        QTest::newRow("device birth before the node's")
            << Steps{on("Site/DBIRTH/Line1/d1", dbirth(1))} << "" << 1 << -2 << false;
        QTest::newRow("a gap in seq")
            << Steps{on("Site/NBIRTH/Line1", nbirth()), on("Site/DBIRTH/Line1/d1", dbirth(1)),
                     on("Site/DDATA/Line1/d1", payload(3, {int32("Status/Progress", 9)}))}
            << "" << 1 << 0 << false;
        QTest::newRow("a payload that does not decode")
            << Steps{on("Site/NBIRTH/Line1", nbirth()), on("Site/DBIRTH/Line1/d1", dbirth(1)),
                     on("Site/DDATA/Line1/d1", junk)}
            << "does not decode" << 0 << 0 << false;
        QTest::newRow("data without seq")
            << Steps{on("Site/NBIRTH/Line1", nbirth()), on("Site/DBIRTH/Line1/d1", dbirth(1)),
                     on("Site/DDATA/Line1/d1",
                        payload(std::nullopt, {int32("Status/Progress", 9)}))}
            << "no seq" << 0 << 0 << false;
        QTest::newRow("a seq past 255")
            << Steps{on("Site/NBIRTH/Line1", nbirth()), on("Site/DBIRTH/Line1/d1", dbirth(1)),
                     on("Site/DDATA/Line1/d1", payload(258, {int32("Status/Progress", 9)}))}
            << "no seq" << 0 << 0 << false;
        QTest::newRow("data by alias")
            << Steps{on("Site/NBIRTH/Line1", nbirth()), on("Site/DBIRTH/Line1/d1", aliased),
                     on("Site/DDATA/Line1/d1",
                        payload(2, {alias(int32("Status/Progress", 70), 5, false)}))}
            << "" << 0 << 70 << false;
        QTest::newRow("an unknown alias")
            << Steps{on("Site/NBIRTH/Line1", nbirth()), on("Site/DBIRTH/Line1/d1", aliased),
                     on("Site/DDATA/Line1/d1",
                        payload(2, {alias(int32("Status/Progress", 70), 99, false)}))}
            << "unknown alias" << 1 << 0 << false;
        QTest::newRow("an alias of another device")
            << Steps{on("Site/NBIRTH/Line1", nbirth()), on("Site/DBIRTH/Line1/d1", aliased),
                     on("Site/DBIRTH/Line1/d2", dbirth(2)),
                     on("Site/DDATA/Line1/d2",
                        payload(3, {alias(int32("Status/Progress", 70), 5, false)}))}
            << "unknown alias" << 1 << 0 << false;
        QTest::newRow("an alias given twice in a node")
            << Steps{on("Site/NBIRTH/Line1", nbirth()), on("Site/DBIRTH/Line1/d2", aliased),
                     on("Site/DBIRTH/Line1/d1", aliasedAt(2))}
            << "birth not consistent" << 0 << -2 << false;
        QTest::newRow("data of a metric never born")
            << Steps{on("Site/NBIRTH/Line1", nbirth()), on("Site/DBIRTH/Line1/d1", dbirth(1)),
                     on("Site/DDATA/Line1/d1", payload(2, {int32("Status/Speed", 7)}))}
            << "metric not born" << 1 << 0 << false;
        QTest::newRow("data of another datatype")
            << Steps{on("Site/NBIRTH/Line1", nbirth()), on("Site/DBIRTH/Line1/d1", dbirth(1)),
                     on("Site/DDATA/Line1/d1", payload(2, {text("Status/Progress", "70")}))}
            << "datatype not as born" << 0 << 0 << false;
        QTest::newRow("a rebirth with another datatype")
            << Steps{on("Site/NBIRTH/Line1", nbirth()), on("Site/DBIRTH/Line1/d1", dbirth(1, 30)),
                     on("Site/NBIRTH/Line1", nbirth()),
                     on("Site/DBIRTH/Line1/d1",
                        payload(1, {text("Status/State", "Ready"), text("Status/Progress", "40")}))}
            << "birth not consistent" << 0 << 30 << true;
        QTest::newRow("a node birth without bdSeq")
            << Steps{on("Site/NBIRTH/Line1", payload(0, {})), on("Site/DBIRTH/Line1/d1", dbirth(1))}
            << "birth without bdSeq" << 1 << -2 << false;
        QTest::newRow("rebirths are not asked in a flood")
            << Steps{on("Site/DDATA/Line1/d1", payload(1, {})),
                     on("Site/DDATA/Line1/d1", payload(2, {})),
                     on("Site/DDATA/Line1/d1", payload(3, {}))}
            << "" << 1 << -2 << false;
        QTest::newRow("the late will of an older connection")
            << Steps{on("Site/NBIRTH/Line1", nbirth(4)), on("Site/DBIRTH/Line1/d1", dbirth(1)),
                     on("Site/NDEATH/Line1", ndeath(3))}
            << "" << 0 << 0 << false;
        QTest::newRow("the node's death")
            << Steps{on("Site/NBIRTH/Line1", nbirth(4)), on("Site/DBIRTH/Line1/d1", dbirth(1, 12)),
                     on("Site/NDEATH/Line1", ndeath(4))}
            << "" << 0 << 12 << true;
        QTest::newRow("the device's death")
            << Steps{on("Site/NBIRTH/Line1", nbirth()), on("Site/DBIRTH/Line1/d1", dbirth(1, 12)),
                     on("Site/DDEATH/Line1/d1", payload(2, {}))}
            << "" << 0 << 12 << true;
        QTest::newRow("born again after death")
            << Steps{on("Site/NBIRTH/Line1", nbirth(0)), on("Site/DBIRTH/Line1/d1", dbirth(1, 12)),
                     on("Site/NDEATH/Line1", ndeath(0)), on("Site/NBIRTH/Line1", nbirth(1)),
                     on("Site/DBIRTH/Line1/d1", dbirth(1, 13))}
            << "" << 0 << 13 << false;
        QTest::newRow("a node that is born without end") << [] {
            Steps s;
            for (int i = 0; i < PlantHost::kMaxBirthsPerWindow + 5; ++i)
                s << on("Site/NBIRTH/Line1", nbirth());
            return s << on("Site/DBIRTH/Line1/d1", dbirth(1, 7));
        }() << "birth flood" << 0 << 7 << false;
        QTest::newRow("a STATE that is not JSON")
            << Steps{on("STATE/scada", "ONLINE")} << "STATE not valid JSON" << 0 << -2 << false;
        QTest::newRow("a STATE without its fields")
            << Steps{on("STATE/scada", R"({"online": "yes", "timestamp": 5})")}
            << "STATE without online and timestamp" << 0 << -2 << false;
        QTest::newRow("an invalid device ID")
            << Steps{on("Site/NBIRTH/Line1", nbirth()), on("Site/DBIRTH/Line1/d+1", dbirth(1))}
            << "invalid ID" << 0 << -2 << false;
        QTest::newRow("commands of other hosts are not ours")
            << Steps{on("Site/NBIRTH/Line1", nbirth()),
                     on("Site/DCMD/Line1/d1", payload(std::nullopt, {})),
                     on("Site/DBIRTH/Line1/d1", dbirth(1))}
            << "" << 0 << 0 << false;
    }

    void followsTheLines()
    {
        QFETCH(Steps, steps);
        QFETCH(QString, refusal);
        QFETCH(int, rebirths);
        QFETCH(int, progress);
        QFETCH(bool, stale);
        QSignalSpy notes(host.get(), &PlantHost::note);
        run(steps);
        QCOMPARE(host->refusals().keys(), refusal.isEmpty() ? QStringList() : QStringList{refusal});
        QCOMPARE(host->rebirthsAsked(), rebirths);
        QCOMPARE(bus->rebirths(), rebirths);
        QCOMPARE(notes.size() > 0, !refusal.isEmpty() || rebirths > 0);
        const RemoteCoder *coder = host->coder(kLine, "d1");
        QCOMPARE(coder ? coder->progress() : -2, progress);
        if (coder)
            QCOMPARE(coder->stale, stale);
        if (rebirths) {
            Sparkplug::Payload asked;
            QString error;
            QVERIFY(Sparkplug::decode(bus->published.last().payload, &asked, &error));
            QStringList refused;
            QVERIFY(decodeNodeCommand(bus->published.last().payload, &refused));
            QVERIFY(refused.isEmpty());
        }
    }

    // The host's link lost, or a line's bridge down: the line is stale with
    // its last values, and its data afterwards asks for a rebirth.
    void linesGoStaleAndAreReborn()
    {
        run({on("Site/NBIRTH/Line1", nbirth()), on("Site/DBIRTH/Line1/d1", dbirth(1, 20)),
             on("Other/NBIRTH/Line2", nbirth()), on("Other/DBIRTH/Line2/d1", dbirth(1, 30))});
        bus->deliver("korvex/bridge/Site", "0");
        QVERIFY(host->isNodeStale(kLine));
        QVERIFY(host->coder(kLine, "d1")->stale);
        QCOMPARE(host->coder(kLine, "d1")->progress(), 20);
        QVERIFY(!host->isNodeStale("Other/Line2"));
        run({on("Site/DDATA/Line1/d1", payload(2, {int32("Status/Progress", 21)}))});
        QCOMPARE(bus->rebirths(), 1);
        QCOMPARE(host->coder(kLine, "d1")->progress(), 20);
        now += PlantHost::kRebirthHoldOffMs;
        bus->deliver("korvex/bridge/Site", "1");
        QTRY_COMPARE(bus->rebirths(), 2);

        bus->lose();
        QVERIFY(host->isNodeStale("Other/Line2"));
        QVERIFY(host->coder("Other/Line2", "d1")->stale);
        bus->start();
        now += PlantHost::kRebirthHoldOffMs;
        run({on("Site/DDATA/Line1/d1", payload(3, {int32("Status/Progress", 22)}))});
        QCOMPARE(bus->rebirths(), 3);
        run({on("Site/NBIRTH/Line1", nbirth()), on("Site/DBIRTH/Line1/d1", dbirth(1, 23))});
        QVERIFY(!host->isNodeStale(kLine));
        QVERIFY(!host->coder(kLine, "d1")->stale);
        QCOMPARE(host->coder(kLine, "d1")->progress(), 23);
    }

    // A flood of births from nodes without end: the host keeps at most its
    // bound, counts the rest and says so once in a while, not per message.
    void floodOfBirthsIsBounded()
    {
        QSignalSpy notes(host.get(), &PlantHost::note);
        for (int i = 0; i < PlantHost::kMaxNodes + 500; ++i)
            bus->deliver(QStringLiteral("spBv1.0/Flood/NBIRTH/n%1").arg(i), nbirth());
        QCOMPARE(host->nodes().size(), PlantHost::kMaxNodes);
        QCOMPARE(host->refusals().value("too many nodes"), 500);
        QCOMPARE(notes.size(), 1);
        now += PlantHost::kNoteHoldOffMs;
        bus->deliver("spBv1.0/Flood/NBIRTH/more", nbirth());
        QCOMPARE(notes.size(), 2);
        QVERIFY(notes.last().first().toString().contains("501 refused"));
    }

    // A command is a DCMD that the edge's own decoder takes, with the user
    // claimed; its outcome comes back in the node's Command Result metrics,
    // also by alias, matched to the request; a node that dies or keeps
    // silent gives the request an outcome too.
    void commandsAndTheirOutcomes()
    {
        run({on("Site/NBIRTH/Line1", payload(0, {metric("bdSeq", DataType::Int64, qint64(0)),
                                                 alias(text("Command Result/Device", ""), 1),
                                                 alias(text("Command Result/Command", ""), 2),
                                                 alias(text("Command Result/Outcome", ""), 3)})),
             on("Site/DBIRTH/Line1/d1", dbirth(1))});
        QSignalSpy outcomes(host.get(), &PlantHost::commandOutcome);
        QString error;
        RemoteCommand start;
        const quint64 first = host->sendCommand(kLine, "d1", start, "olga", &error);
        QVERIFY2(first, qPrintable(error));
        QCOMPARE(bus->published.last().topic, QString("spBv1.0/Site/DCMD/Line1/d1"));
        const DecodedCommands decoded = decodeDeviceCommand(bus->published.last().payload, {});
        QVERIFY(decoded.refusals.isEmpty());
        QCOMPARE(decoded.commands.size(), 1);
        QCOMPARE(int(decoded.commands.first().kind), int(PlantCommand::Kind::Start));
        QCOMPARE(decoded.commands.first().user, QString("olga"));

        RemoteCommand apply;
        apply.kind = RemoteCommand::Kind::ApplyMessage;
        apply.messageName = "label1";
        const quint64 second = host->sendCommand(kLine, "d1", apply, "olga", &error);
        QCOMPARE(
            decodeDeviceCommand(bus->published.last().payload, {}).commands.first().messageName,
            QString("label1.spr"));
        RemoteCommand job;
        job.kind = RemoteCommand::Kind::StartJob;
        job.product = "OJ-1L";
        job.order = "PO-1";
        job.lot = "A1";
        job.fields.insert("shift", "2");
        QVERIFY(host->sendCommand(kLine, "d1", job, QString(), &error));
        const DecodedCommands jobDecoded = decodeDeviceCommand(bus->published.last().payload, {});
        QVERIFY2(jobDecoded.refusals.isEmpty(), qPrintable(jobDecoded.refusals.join("; ")));
        QCOMPARE(jobDecoded.commands.first().fieldValues.value("shift"), QString("2"));

        // The answer to the second first, by alias: each goes to its own request.
        run({on("Site/NDATA/Line1",
                payload(2, {alias(text("", "d1"), 1, false),
                            alias(text("", "Command/Apply Message"), 2, false),
                            alias(text("", "refused: no such message"), 3, false)})),
             on("Site/NDATA/Line1", payload(3, {text("Command Result/Device", "d1"),
                                                text("Command Result/Command", "Command/Start"),
                                                text("Command Result/Outcome", "done")}))});
        QCOMPARE(outcomes.size(), 2);
        QCOMPARE(outcomes.at(0).at(0).toULongLong(), second);
        QCOMPARE(outcomes.at(0).at(4).toString(), QString("refused: no such message"));
        QCOMPARE(outcomes.at(1).at(0).toULongLong(), first);
        QCOMPARE(outcomes.at(1).at(4).toString(), QString("done"));

        // The job's request has no answer yet: it ends with the node.
        run({on("Site/NDEATH/Line1", ndeath(0))});
        QCOMPARE(outcomes.size(), 3);
        QVERIFY(outcomes.last().at(4).toString().startsWith("no outcome"));
        QVERIFY(!host->sendCommand(kLine, "d1", start, "olga", &error));
        QVERIFY(error.contains("offline"));
        QVERIFY(!host->sendCommand(kLine, "nobody", start, "olga", &error));

        run({on("Site/NBIRTH/Line1", nbirth(1)), on("Site/DBIRTH/Line1/d1", dbirth(1))});
        QVERIFY(host->sendCommand(kLine, "d1", start, "olga", &error));
        now += PlantHost::kCommandTimeoutMs;
        QTest::qWait(1100);
        QCOMPARE(outcomes.size(), 4);
        QVERIFY(outcomes.last().at(4).toString().contains("no outcome within"));

        PlantHost watcher(bus.get(), "viewer", false);
        QVERIFY(!watcher.sendCommand(kLine, "d1", start, "olga", &error));
        QVERIFY(error.contains("primary"));
    }

    void settingsNameWhatIsWrong_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("problem"); // "" when the section is good
        QTest::newRow("none") << ""
                              << "";
        QTest::newRow("good") << "url=mqtt://127.0.0.1:1884\nhost_id=supervisor\nprimary=true\n"
                              << "";
        QTest::newRow("bad url") << "url=http://x\nhost_id=s\n"
                                 << "[plant] url must be";
        QTest::newRow("no host id") << "url=mqtt://h\n"
                                    << "[plant] host_id \"\" must be";
        QTest::newRow("bad host id") << "url=mqtt://h\nhost_id=a/b\n"
                                     << "host_id \"a/b\"";
        QTest::newRow("bad primary") << "url=mqtt://h\nhost_id=s\nprimary=yes\n"
                                     << "primary must be true or false";
        QTest::newRow("no password file")
            << "url=mqtt://h\nhost_id=s\npassword_file=/nonexistent/pw\n"
            << "cannot read the password file /nonexistent/pw: no such file";
        QTest::newRow("tls without ca") << "url=mqtts://h\nhost_id=s\n"
                                        << "mqtts needs ca_file";
    }

    void settingsNameWhatIsWrong()
    {
        QFETCH(QString, section);
        QFETCH(QString, problem);
        QTemporaryDir dir;
        const QString path = dir.filePath("korvex.conf");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(("[mqtt]\nurl=mqtt://127.0.0.1\n" +
                    (section.isEmpty() ? QString() : "[plant]\n" + section))
                       .toUtf8());
        file.close();
        PlantHostSettings settings;
        QStringList errors;
        QCOMPARE(PlantHostSettings::load(path, &settings, &errors), problem.isEmpty());
        QCOMPARE(settings.enabled, !section.isEmpty());
        if (problem.isEmpty()) {
            QVERIFY(errors.isEmpty());
        } else {
            QCOMPARE(errors.size(), 1);
            QVERIFY2(errors.first().contains(problem), qPrintable(errors.first()));
        }
        if (section.startsWith("url=mqtt://127")) {
            QCOMPARE(settings.broker.port, quint16(1884));
            QVERIFY(settings.primary);
            QCOMPARE(settings.hostId, QString("supervisor"));
        }
    }
};

QTEST_GUILESS_MAIN(TestPlantHost)
#include "tst_planthost.moc"
