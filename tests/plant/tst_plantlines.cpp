// SPDX-License-Identifier: GPL-3.0-or-later
// A plant of two lines with real brokers (scripts/plantbrokers.sh, started
// as a fixture): each line's korvexd with a simulated coder on its own
// broker, both bridged to the site broker, where the host engine follows
// them as the supervisor's window does.  Line 2 has the supervisor as its
// primary host, and a catalogue with a product its coder may run.
#include "catalogue.h"
#include "databasesettings.h"
#include "mqttclient.h"
#include "planthost.h"
#include "planthostsettings.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

namespace {

const QString kLine1 = QStringLiteral("Line1/PC1");
const QString kLine2 = QStringLiteral("Line2/PC2");
const QString kCoder1 = QStringLiteral("127.0.0.41");
const QString kCoder2 = QStringLiteral("127.0.0.42");
const QByteArray kTemplate =
    R"({"ExternDataInfo":{"ExternMode":0},"TextItemInfo":[{"TextAtX":20,"TextAtY":10,)"
    R"("TextAtZ":0,"TextContent":"LOT {{lot}}","TextFont":"DejaVu Sans,-1,120,5,75,0,0,0,0,0",)"
    R"("TextRotate":0,"TextID":"Text0","TextIsExtern":false,"TextFontSpace":0}]})";

QString env(const char *name)
{
    return QString::fromLocal8Bit(qgetenv(name));
}

int portIn(const QString &file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()).trimmed().toInt() : 0;
}

// Every topic published on the site broker, as a SCADA reader sees it.
class Watcher : public QObject
{
public:
    QStringList topics;
    explicit Watcher(MqttClient *client) : m_client(client)
    {
        connect(client, &MqttBus::connected, this,
                [this] { m_client->subscribe(QStringLiteral("spBv1.0/#")); });
        connect(client, &MqttBus::messageReceived, this,
                [this](const QString &topic, const QByteArray &) { topics << topic; });
        client->start();
    }
    int count(const QString &topic) const { return topics.count(topic); }

private:
    MqttClient *m_client;
};

} // namespace

class TestPlantLines : public QObject
{
    Q_OBJECT

    QString m_dir;
    QList<QProcess *> m_processes;

    QProcess *launch(const QString &program, const QStringList &arguments, const QString &folder)
    {
        auto *process = new QProcess(this);
        process->setWorkingDirectory(folder);
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->setStandardOutputFile(QProcess::nullDevice());
        process->start(program, arguments);
        m_processes << process;
        return process;
    }

    bool brokers(const QString &action, int line)
    {
        return QProcess::execute(env("PLANT_BROKERS"), {action, m_dir, QString::number(line)}) == 0;
    }

    QString journalOf(int line) const
    {
        QString text;
        const QDir folder(m_dir + QStringLiteral("/line%1/journal").arg(line));
        for (const QString &name : folder.entryList({"*.jsonl"}, QDir::Files, QDir::Name)) {
            QFile file(folder.filePath(name));
            if (file.open(QIODevice::ReadOnly))
                text += QString::fromUtf8(file.readAll());
        }
        return text;
    }

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules("korvex.*.debug=false\nkorvex.*.info=false");
        m_dir = env("PLANT_DIR");
        QVERIFY2(QFileInfo(m_dir + "/site/korvex.conf").isFile(), "the plant's brokers run");
        QVERIFY(QDir().mkpath(m_dir + "/line2/Spray"));
        QFile message(m_dir + "/line2/Spray/juice.spr");
        QVERIFY(message.open(QIODevice::WriteOnly) && message.write(kTemplate) > 0);
        message.close();
        {
            QFile::remove(m_dir + "/line2/korvex.db");
            Catalogue catalogue;
            QVERIFY(catalogue.open(DatabaseSettings::sqlite(m_dir + "/line2/korvex.db")).ok());
            Product juice;
            juice.code = "OJ-1L";
            juice.gtin = "09501101020917";
            juice.name = "Orange juice 1 l";
            juice.templateName = "juice.spr";
            juice.coders = QStringList{kCoder2};
            QVERIFY(catalogue.addProduct(&juice, "sam").ok());
            Approval approval;
            approval.templateName = "juice.spr";
            approval.sha256 =
                QCryptographicHash::hash(kTemplate, QCryptographicHash::Sha256).toHex();
            approval.signerName = "Sam Supervisor";
            approval.account = "sam";
            approval.meaning = "Approved for production";
            QVERIFY(catalogue.approve(&approval, true).ok());
        }
        for (int line : {1, 2}) {
            const QString folder = m_dir + QStringLiteral("/line%1").arg(line);
            QSettings conf(folder + "/korvex.conf", QSettings::IniFormat);
            const QString coderPort = conf.value("server/port").toString();
            QProcess *service = launch(env("KORVEXD"), {}, folder);
            QVERIFY(service->waitForStarted());
            QStringList sim{"--port",
                            coderPort,
                            "--source",
                            line == 1 ? kCoder1 : kCoder2,
                            "--folder",
                            folder + "/sim",
                            "--status-interval",
                            "300",
                            "--progress-step",
                            "1",
                            "--reconnect-interval",
                            "200"};
            if (line == 1)
                sim << "--autostart";
            QVERIFY(launch(env("CODER_SIM"), sim, folder)->waitForStarted());
        }
    }

    void cleanupTestCase()
    {
        for (QProcess *process : qAsConst(m_processes)) {
            process->terminate();
            if (!process->waitForFinished(5000))
                process->kill();
        }
    }

    void hostFollowsTwoLines()
    {
        PlantHostSettings settings;
        QStringList errors;
        QVERIFY2(PlantHostSettings::load(m_dir + "/site/korvex.conf", &settings, &errors),
                 qPrintable(errors.join("; ")));
        QVERIFY(settings.enabled && settings.primary && settings.broker.tls);

        BrokerSettings scada;
        scada.port = quint16(portIn(m_dir + "/site/port"));
        scada.user = "scada";
        scada.password = "scada-pw";
        scada.clientId = "tst-plantlines-scada";
        MqttClient watcherClient(scada);
        watcherClient.setFirstBackOffMs(100);
        Watcher watcher(&watcherClient);

        // Line 1 reaches the site without a host; line 2 waits for its primary host.
        QTRY_VERIFY_WITH_TIMEOUT(watcher.count("spBv1.0/Line1/DDATA/PC1/" + kCoder1) > 0, 20000);
        QTest::qWait(1000);
        QCOMPARE(watcher.count("spBv1.0/Line2/NBIRTH/PC2"), 0);

        MqttClient client(settings.broker);
        client.setFirstBackOffMs(100);
        PlantHost host(&client, settings.hostId, settings.primary);
        QSignalSpy outcomes(&host, &PlantHost::commandOutcome);
        host.start();
        // Line 1 is asked for a rebirth by its data, line 2 is born for the host.
        const auto live = [&](const QString &node, const QString &device) {
            const RemoteCoder *coder = host.coder(node, device);
            return coder && !coder->stale && !host.isNodeStale(node);
        };
        QTRY_VERIFY_WITH_TIMEOUT(live(kLine1, kCoder1) && live(kLine2, kCoder2), 20000);
        QVERIFY(watcher.count("spBv1.0/Line2/NBIRTH/PC2") > 0);
        QCOMPARE(host.coder(kLine1, kCoder1)->ipText(), kCoder1);
        QCOMPARE(host.coder(kLine2, kCoder2)->state(), QString("Stopped"));

        // A start for line 2's coder reaches that coder only.
        QString error;
        const quint64 id = host.sendCommand(kLine2, kCoder2, RemoteCommand(), "olga", &error);
        QVERIFY2(id, qPrintable(error));
        QTRY_VERIFY_WITH_TIMEOUT(!outcomes.isEmpty(), 10000);
        QCOMPARE(outcomes.first().at(0).toULongLong(), id);
        QCOMPARE(outcomes.first().at(4).toString(), QString("done"));
        QTRY_COMPARE_WITH_TIMEOUT(host.coder(kLine2, kCoder2)->state(), QString("Printing"), 10000);
        QVERIFY(journalOf(2).contains("olga"));
        QVERIFY(!journalOf(1).contains("olga"));

        // A job for line 2's coder runs there (its catalogue checks it) and
        // its Job/State comes back; line 1's coder has none.
        RemoteCommand job;
        job.kind = RemoteCommand::Kind::StartJob;
        job.product = "OJ-1L";
        job.order = "PO-77";
        job.lot = "A2041";
        const quint64 jobId = host.sendCommand(kLine2, kCoder2, job, "olga", &error);
        QVERIFY2(jobId, qPrintable(error));
        QTRY_COMPARE_WITH_TIMEOUT(outcomes.size(), 2, 10000);
        QCOMPARE(outcomes.last().at(4).toString(), QString("done"));
        QTRY_COMPARE_WITH_TIMEOUT(host.coder(kLine2, kCoder2)->jobState(), QString("verified"),
                                  15000);
        QVERIFY(host.coder(kLine2, kCoder2)->jobVerified());
        QCOMPARE(host.coder(kLine2, kCoder2)->jobLot(), QString("A2041"));
        QCOMPARE(host.coder(kLine1, kCoder1)->jobState(), QString());
        QVERIFY(journalOf(2).contains("job started"));
        QVERIFY(!journalOf(1).contains("job started"));

        // Line 1's broker goes away without a word: the line is stale within
        // the bridge's keep-alive, line 2 is not; it is born again when the
        // broker is back.
        QElapsedTimer away;
        away.start();
        QVERIFY(brokers("kill-line", 1));
        QTRY_VERIFY_WITH_TIMEOUT(host.isNodeStale(kLine1) && host.coder(kLine1, kCoder1)->stale,
                                 30000);
        qInfo("line 1 stale %lld ms after its broker went away", away.elapsed());
        QVERIFY(live(kLine2, kCoder2));
        QVERIFY(brokers("start-line", 1));
        away.restart();
        QTRY_VERIFY_WITH_TIMEOUT(live(kLine1, kCoder1), 60000);
        qInfo("line 1 born again %lld ms after its broker came back", away.elapsed());
        QVERIFY(live(kLine2, kCoder2));

        // The host goes offline: line 2, whose primary host it is, dies; line 1 does not.
        const int line1Deaths = watcher.count("spBv1.0/Line1/NDEATH/PC1");
        host.stop();
        QTRY_VERIFY_WITH_TIMEOUT(watcher.count("spBv1.0/Line2/NDEATH/PC2") > 0, 10000);
        QTest::qWait(1000);
        QCOMPARE(watcher.count("spBv1.0/Line1/NDEATH/PC1"), line1Deaths);
        watcherClient.stop();
    }
};

QTEST_GUILESS_MAIN(TestPlantLines)
#include "tst_plantlines.moc"
