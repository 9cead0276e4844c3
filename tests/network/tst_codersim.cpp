// SPDX-License-Identifier: GPL-3.0-or-later
#include "filerecord.h"
#include "printparameters.h"
#include "protocol.h"
#include "tcpserver.h"

#include <QLoggingCategory>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// Runs the built coder-sim against a real server on 127.0.0.1 and exchanges
// every command with it.
class TestCoderSim : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_messagePath;
    const QByteArray m_messageContent = "{\"Items\":[],\"note\":\"current\"}";

    QStringList simArguments(quint16 port, int count) const
    {
        QStringList args = QString("--host 127.0.0.1 --status 1,2 --status-interval 30 "
                                   "--progress-step 10 --reconnect-interval 100")
                               .split(' ');
        args << "--port" << QString::number(port) << "--count" << QString::number(count);
        args << "--folder" << m_dir.filePath("coders") << "--message" << m_messagePath;
        return args;
    }

    // The bodies that descriptor sent with that command, in order, after the
    // first `skip` signals of the spy.
    static QList<QByteArray> payloads(const QSignalSpy &spy, int descriptor, quint8 command,
                                      int skip = 0)
    {
        QList<QByteArray> found;
        for (int i = skip; i < spy.count(); ++i) {
            const QByteArray body = spy.at(i).at(1).toByteArray();
            if (spy.at(i).at(0).toInt() == descriptor && !body.isEmpty() &&
                quint8(body[0]) == command)
                found << body.mid(1);
        }
        return found;
    }

    // Sends a frame and waits for the coder's answer with the same command.
    static QByteArray ask(TcpServer &server, QSignalSpy &received, int descriptor, quint8 command,
                          const QByteArray &payload)
    {
        const int before = received.count();
        server.sendMsgToSocket(descriptor, packFrame(command, payload));
        if (!QTest::qWaitFor(
                [&] { return !payloads(received, descriptor, command, before).isEmpty(); }, 5000))
            return QByteArray("no answer");
        return payloads(received, descriptor, command, before).first();
    }

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules("korvex.link.debug=false");
        QVERIFY(m_dir.isValid());
        m_messagePath = m_dir.filePath("label1.spr");
        QFile message(m_messagePath);
        QVERIFY(message.open(QIODevice::WriteOnly));
        message.write(m_messageContent);
    }

    void exchangesEveryCommand()
    {
        TcpServer server(nullptr, 0);
        QSignalSpy connected(&server, &TcpServer::addNewClientSocketSig);
        QSignalSpy received(&server, &TcpServer::receiveMsgFromSocket);
        QProcess sim;
        sim.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        sim.start(CODER_SIM_PATH, simArguments(server.serverPort(), 2));
        QTRY_COMPARE_WITH_TIMEOUT(connected.count(), 2, 5000);
        const QString coderFolder = m_dir.filePath("coders/coder-%1");

        for (const QList<QVariant> &args : qAsConst(connected)) {
            const int d = args.at(0).toInt();
            QCOMPARE(args.at(1).toString(), QString("127.0.0.1"));

            FileRecord current;
            QString error;
            QVERIFY2(FileRecord::parseCurrentFile(
                         ask(server, received, d, Command::CurrentFile, requestPayload()), &current,
                         &error),
                     qPrintable(error));
            QCOMPARE(current.name, QString("label1.spr"));
            QCOMPARE(current.content, m_messageContent);

            // Out of the box with all four heads, so the samples fit.
            PrintParameters fresh;
            fresh.headRangeMask = 15;
            fresh.headEnableMask = 15;
            QCOMPARE(ask(server, received, d, Command::Parameters, requestPayload()),
                     fresh.toBytes());
            PrintParameters changed;
            changed.lineSpeed = 120;
            changed.splice = true;
            server.sendMsgToSocket(d, packFrame(Command::PrintParameters, changed.toBytes()));
            QCOMPARE(ask(server, received, d, Command::Parameters, requestPayload()),
                     changed.toBytes());

            QByteArray record;
            QVERIFY(FileRecord::encode("sent.spr", "{\"sent\":true}", &record, &error));
            server.sendMsgToSocket(d, packFrame(Command::FileTransfer, record));
            QVERIFY(FileRecord::parseCurrentFile(
                ask(server, received, d, Command::CurrentFile, requestPayload()), &current,
                &error));
            QCOMPARE(current.name, QString("sent.spr"));
            QCOMPARE(current.content, QByteArray("{\"sent\":true}"));
        }
        QDir coders(m_dir.filePath("coders"));
        QVERIFY(QFile::exists(coders.filePath("coder-1/sent.spr")));
        QVERIFY(QFile::exists(coders.filePath("coder-2/label1.spr")));

        // A name that climbs out of the coder's folder is refused.
        const int first = connected.first().at(0).toInt();
        const QByteArray evilName = "../escaped.spr";
        const QByteArray evil = char(evilName.size()) + evilName + QByteArray("\0\0\0\x02{}", 6);
        server.sendMsgToSocket(first, packFrame(Command::FileTransfer, evil));
        FileRecord stillCurrent;
        QString error;
        QVERIFY(FileRecord::parseCurrentFile(
            ask(server, received, first, Command::CurrentFile, requestPayload()), &stillCurrent,
            &error));
        QCOMPARE(stillCurrent.name, QString("sent.spr"));
        QVERIFY(!coders.exists("escaped.spr"));

        // Printing: status reports follow the 1,2 pattern with a moving progress.
        const int before = received.count();
        server.sendMsgToSocket(first, packFrame(Command::RunControl, runControlPayload(true)));
        QTRY_VERIFY_WITH_TIMEOUT(
            payloads(received, first, Command::StatusReport, before).size() >= 4, 5000);
        const QList<QByteArray> reports = payloads(received, first, Command::StatusReport, before);
        QCOMPARE(parseStatusReport(reports.at(0)).state, quint8(1));
        QCOMPARE(parseStatusReport(reports.at(1)).state, quint8(2));
        QVERIFY(parseStatusReport(reports.at(1)).progress !=
                parseStatusReport(reports.at(0)).progress);

        const int atStop = received.count();
        server.sendMsgToSocket(first, packFrame(Command::RunControl, runControlPayload(false)));
        QTRY_VERIFY(!payloads(received, first, Command::StatusReport, atStop).isEmpty());
        QTest::qWait(150);
        const QList<QByteArray> afterStop =
            payloads(received, first, Command::StatusReport, atStop);
        QCOMPARE(parseStatusReport(afterStop.last()).state, quint8(0));
        QVERIFY(afterStop.size() <= 2); // at most one report was already on its way

        sim.kill();
        sim.waitForFinished(5000);
    }

    // The options a person or help2man asks the program about: answered on
    // standard output with exit code 0, never mistaken for an unknown option.
    void answersWhatItIsAsked_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("answer");
        QTest::newRow("version") << "--version"
                                 << "coder-sim " + QString::fromLatin1(KORVEX_VERSION) + "\n";
        QTest::newRow("help") << "--help"
                              << "Usage: ";
    }

    void answersWhatItIsAsked()
    {
        QFETCH(QString, option);
        QFETCH(QString, answer);
        QProcess sim;
        sim.start(CODER_SIM_PATH, {option});
        QVERIFY(sim.waitForFinished(5000));
        QCOMPARE(sim.exitCode(), 0);
        QCOMPARE(sim.readAllStandardError(), QByteArray());
        const QString out = QString::fromUtf8(sim.readAllStandardOutput());
        QVERIFY2(out.startsWith(answer), qPrintable(out));
    }

    // Each lie is told in the sim's own log once it begins, for a soak run
    // to find; a lie it does not know, or a wait that is no number of
    // seconds, is refused before anything connects.
    void saysWhenItLies_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("said"); // on standard output, else on standard error
        QTest::newRow("stall") << QStringList{"--lie", "stall", "--lie-after", "0.2"} << -1
                               << "coder 2: lying: stalled reads\n";
        QTest::newRow("flood") << QStringList{"--lie", "flood", "--lie-after", "0"} << -1
                               << "coder 1: lying: flooding status reports\n";
        QTest::newRow("wrong length")
            << QStringList{"--lie", "wrong-length", "--lie-after", "0.1"} << -1
            << "coder 1: lying: a status report whose length says 1048576 bytes, 3 sent\n";
        QTest::newRow("unknown lie")
            << QStringList{"--lie", "fib"} << 2
            << "--lie takes wrong-length, flood, stall or panel-change, not \"fib\"\n";
        QTest::newRow("negative wait")
            << QStringList{"--lie", "stall", "--lie-after", "-1"} << 2
            << "--lie-after must be a number of seconds from 0 to 86400, not \"-1\"\n";
    }
    void saysWhenItLies()
    {
        QFETCH(QStringList, options);
        QFETCH(int, exitCode);
        QFETCH(QString, said);
        TcpServer server(nullptr, 0);
        QProcess sim;
        sim.start(CODER_SIM_PATH, simArguments(server.serverPort(), 2) << options);
        QVERIFY(sim.waitForStarted(5000));
        if (exitCode >= 0) {
            QVERIFY(sim.waitForFinished(5000));
            QCOMPARE(sim.exitCode(), exitCode);
            QCOMPARE(QString::fromUtf8(sim.readAllStandardError()), said);
            return;
        }
        QString out;
        QTRY_VERIFY2_WITH_TIMEOUT(
            (out += QString::fromUtf8(sim.readAllStandardOutput())).contains(said), qPrintable(out),
            10000);
        sim.kill();
        QVERIFY(sim.waitForFinished(5000));
    }

    // Coders started before the server keep trying, each from its own
    // address with --source, and --duration ends them with a clean disconnect.
    void reconnectsAndStopsAfterItsDuration()
    {
        quint16 port;
        {
            TcpServer probe(nullptr, 0);
            port = probe.serverPort();
        }
        QProcess sim;
        sim.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        sim.start(CODER_SIM_PATH, simArguments(port, 3) << "--duration"
                                                        << "2"
                                                        << "--source"
                                                        << "127.0.0.21");
        QVERIFY(sim.waitForStarted(5000));
        QTest::qWait(300);

        TcpServer server(nullptr, port);
        QVERIFY(server.isListening());
        QSignalSpy connected(&server, &TcpServer::addNewClientSocketSig);
        QSignalSpy gone(&server, &TcpServer::reduceClientSocketSig);
        QTRY_COMPARE_WITH_TIMEOUT(connected.count(), 3, 5000);
        QStringList addresses;
        for (const QList<QVariant> &args : qAsConst(connected))
            addresses << args.at(1).toString();
        addresses.sort();
        QCOMPARE(addresses, QStringList({"127.0.0.21", "127.0.0.22", "127.0.0.23"}));
        QVERIFY(sim.waitForFinished(8000));
        QCOMPARE(sim.exitStatus(), QProcess::NormalExit);
        QCOMPARE(sim.exitCode(), 0);
        QTRY_COMPARE(gone.count(), 3);
    }
};

QTEST_GUILESS_MAIN(TestCoderSim)
#include "tst_codersim.moc"
