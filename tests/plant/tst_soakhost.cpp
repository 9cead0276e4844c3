// SPDX-License-Identifier: GPL-3.0-or-later
// soak-host, the window's plant engine driven line by line, against the
// tests' broker (scripts/broker.sh, a fixture) and a line: korvexd with a
// simulated coder and a catalogue that lets the coder run one product.
#include "catalogue.h"
#include "databasesettings.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kNode = QStringLiteral("Plant/Line1");
const QString kCoder = QStringLiteral("127.0.0.52");
const QByteArray kTemplate =
    R"({"ExternDataInfo":{"ExternMode":0},"TextItemInfo":[{"TextAtX":20,"TextAtY":10,)"
    R"("TextContent":"LOT {{lot}}","TextFont":"DejaVu Sans,-1,120,5,50,0,0,0,0,0"}]})";

QString env(const char *name)
{
    return QString::fromLocal8Bit(qgetenv(name));
}

QString firstLine(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readLine()).trimmed()
                                          : QString();
}

// soak-host's lines, read as they come.
struct Lines
{
    explicit Lines(QProcess *p) : process(p) {}
    QProcess *process;
    QList<QJsonObject> read;
    int seen = 0;

    // The next line of event (and tag) after the last one found; empty when
    // none came in time.
    QJsonObject next(const QString &event, const QString &tag = QString(), int timeoutMs = 20000)
    {
        QElapsedTimer waited;
        waited.start();
        for (;;) {
            while (process->canReadLine())
                read << QJsonDocument::fromJson(process->readLine()).object();
            for (int i = seen; i < read.size(); ++i) {
                if (read.at(i).value("event") == event &&
                    (tag.isEmpty() || read.at(i).value("tag") == tag)) {
                    seen = i + 1;
                    return read.at(i);
                }
            }
            if (waited.elapsed() > timeoutMs || process->state() == QProcess::NotRunning)
                return {};
            process->waitForReadyRead(100);
        }
    }
};

} // namespace

class TestSoakHost : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_broker;
    QString m_coderPort;
    QList<QProcess *> m_processes;

    QProcess *launch(const QString &program, const QStringList &arguments)
    {
        auto *process = new QProcess(this);
        process->setWorkingDirectory(m_dir.path());
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->start(program, arguments);
        m_processes << process;
        return process;
    }

    QProcess *soakHost()
    {
        return launch(env("SOAK_HOST"),
                      {"--url", "mqtt://127.0.0.1:" + firstLine(m_broker + "/port"), "--user",
                       "mes", "--password-file", m_broker + "/mes.password"});
    }

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules("korvex.*.debug=false\nkorvex.*.info=false");
        m_broker = env("BROKER_DIR");
        QVERIFY2(QFileInfo(m_broker + "/port").isFile(), "the tests' broker runs");
        QVERIFY(m_dir.isValid() && QDir(m_dir.path()).mkpath("Spray"));
        QFile message(m_dir.filePath("Spray/juice.spr"));
        QVERIFY(message.open(QIODevice::WriteOnly) && message.write(kTemplate) > 0);
        message.close();
        Catalogue catalogue;
        QVERIFY(catalogue.open(DatabaseSettings::sqlite(m_dir.filePath("korvex.db"))).ok());
        Product juice;
        juice.code = "OJ-1L";
        juice.gtin = "09501101020917";
        juice.name = "Orange juice 1 l";
        juice.templateName = "juice.spr";
        juice.coders = QStringList{kCoder};
        QVERIFY(catalogue.addProduct(&juice, "sam").ok());
        Approval approval;
        approval.templateName = "juice.spr";
        approval.sha256 = QCryptographicHash::hash(kTemplate, QCryptographicHash::Sha256).toHex();
        approval.signerName = "Sam Supervisor";
        approval.account = "sam";
        approval.meaning = "Approved for production";
        QVERIFY(catalogue.approve(&approval, true).ok());
        catalogue.close();

        QTcpServer free;
        QVERIFY(free.listen(QHostAddress::LocalHost, 0));
        const QString coderPort = QString::number(free.serverPort());
        free.close();
        QSettings conf(m_dir.filePath("korvex.conf"), QSettings::IniFormat);
        conf.setValue("server/port", coderPort);
        conf.setValue("mqtt/url", "mqtt://127.0.0.1:" + firstLine(m_broker + "/port"));
        conf.setValue("mqtt/group", "Plant");
        conf.setValue("mqtt/node", "Line1");
        conf.setValue("mqtt/user", "korvexd");
        conf.setValue("mqtt/password_file", m_broker + "/korvexd.password");
        conf.sync();
        m_coderPort = coderPort;
    }

    void cleanupTestCase()
    {
        for (QProcess *process : qAsConst(m_processes)) {
            process->terminate();
            if (!process->waitForFinished(5000))
                process->kill();
        }
    }

    // A job started and ended from stdin, each answer under its caller's tag;
    // the end of stdin and SIGTERM both end it cleanly, the counts last.
    void jobFromStdin()
    {
        QProcess *host = soakHost();
        Lines lines{host};
        QVERIFY(!lines.next("ready").isEmpty());
        // The line comes up after the host: a quiet line born before would
        // not be heard of until its coders said something.
        QVERIFY(launch(env("KORVEXD"), {})->waitForStarted());
        QVERIFY(launch(env("CODER_SIM"), {"--port", m_coderPort, "--source", kCoder, "--folder",
                                          m_dir.filePath("sim"), "--status-interval", "300",
                                          "--reconnect-interval", "200"})
                    ->waitForStarted());
        QJsonObject node;
        do
            node = lines.next("node");
        while (!node.isEmpty() && node.value("devices").toInt() < 1);
        QCOMPARE(node.value("node").toString(), kNode);
        QCOMPARE(node.value("stale").toBool(), false);

        host->write(
            QStringLiteral("start job-a %1 %2 OJ-1L PO-77 A2041\n").arg(kNode, kCoder).toUtf8());
        const QJsonObject sent = lines.next("sent", "job-a");
        QVERIFY(sent.value("id").toInt() > 0);
        QJsonObject outcome = lines.next("outcome", "job-a");
        QCOMPARE(outcome.value("id").toInt(), sent.value("id").toInt());
        QCOMPARE(outcome.value("outcome").toString(), QString("done"));
        QVERIFY(outcome.value("command").toString().startsWith("Job/Start, Job/Product"));
        QCOMPARE(outcome.value("device").toString(), kCoder);

        host->write(QStringLiteral("end job-b %1 10.0.0.9\n").arg(kNode).toUtf8());
        QVERIFY(lines.next("refused", "job-b").value("error").toString().contains("no coder"));
        host->write(QStringLiteral("end job-c %1 %2\n").arg(kNode, kCoder).toUtf8());
        QVERIFY(!lines.next("sent", "job-c").isEmpty());
        outcome = lines.next("outcome", "job-c");
        QCOMPARE(outcome.value("command").toString(), QString("Job/End"));
        QCOMPARE(outcome.value("outcome").toString(), QString("done"));

        // The end of stdin ends it, the counts last.
        host->closeWriteChannel();
        QVERIFY(host->waitForFinished(10000));
        QCOMPARE(host->exitCode(), 0);
        const QJsonObject stats = lines.next("stats");
        QVERIFY(stats.value("births").toInt() >= 1);
        QCOMPARE(stats.value("nodes").toArray().first().toObject().value("node").toString(), kNode);

        QProcess *again = soakHost();
        Lines more{again};
        QVERIFY(!more.next("ready").isEmpty());
        again->terminate();
        QVERIFY(again->waitForFinished(10000));
        QCOMPARE(again->exitStatus(), QProcess::NormalExit);
        QCOMPARE(again->exitCode(), 0);
        QVERIFY(!more.next("stats").isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSoakHost)
#include "tst_soakhost.moc"
