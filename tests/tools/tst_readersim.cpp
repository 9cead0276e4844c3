// SPDX-License-Identifier: GPL-3.0-or-later
// The code reader after a simulated coder: messages drawn as they print and
// read back by zbar, the options that spoil reads, and one job's worth of
// prints over a loopback socket.
#include "filerecord.h"
#include "protocol.h"
#include "readersim.h"
#include "simulatedcoder.h"
#include "testfiles.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>

class TestReaderSim : public QObject
{
    Q_OBJECT
private slots:
    void readsWhatPrints_data();
    void readsWhatPrints();
    void spoilsReadsAsTold_data();
    void spoilsReadsAsTold();
    void corruptsOneCharacter_data();
    void corruptsOneCharacter();
    void catchesTheWrongLotOverASocket();
    void programRefusesBadOptions_data();
    void programRefusesBadOptions();
    void programServesItsCodersPrints();
};

namespace {

const QDateTime kMoment(QDate(2027, 3, 14), QTime(10, 30), Qt::UTC);

QJsonObject barcode(int y, int symbology, const QString &content)
{
    return {{"BarAtX", 20},          {"BarAtY", y},
            {"BarAtZ", 0},           {"BarRotate", 0},
            {"BarContent", content}, {"BarMode", symbology},
            {"BarIsTextOn", true},   {"BarInputMode", 1},
            {"BarScale", 2.0},       {"BarID", QStringLiteral("Barcode%1").arg(y)},
            {"BarIsExtern", false}};
}

// A message of a product name and the codes, one under the other.
QByteArray message(const QJsonArray &codes)
{
    const QJsonObject name{{"TextAtX", 20},
                           {"TextAtY", 1000},
                           {"TextContent", "ORANGE JUICE 1L"},
                           {"TextFont", "DejaVu Sans,-1,80,5,50,0,0,0,0,0"},
                           {"TextID", "Text0"}};
    QJsonObject document{{"ExternDataInfo", QJsonObject{{"ExternMode", 0}}},
                         {"TextItemInfo", QJsonArray{name}}};
    if (!codes.isEmpty())
        document.insert("BarcodeItemInfo", codes);
    return QJsonDocument(document).toJson();
}

// A job's template: an EAN-13, the lot in a Code 128 and a QR Code, as a
// job fills it in.
QByteArray jobMessage(const QString &lot)
{
    const QString lotCode = QStringLiteral("LOT {{lot}}");
    const QString link = QStringLiteral("https://korvex.org/p/5901234123457?lot={{lot}}");
    return message(
               {barcode(20, 13, "590123412345"), barcode(320, 20, lotCode), barcode(620, 58, link)})
        .replace("{{lot}}", lot.toUtf8());
}

QList<QByteArray> jobReads(const QString &lot)
{
    return {"5901234123457", "LOT " + lot.toUtf8(),
            "https://korvex.org/p/5901234123457?lot=" + lot.toUtf8()};
}

} // namespace

void TestReaderSim::readsWhatPrints_data()
{
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<QList<QByteArray>>("lines");
    QTest::addColumn<bool>("problem");

    QTest::newRow("job message, its lot") << jobMessage("A2041") << jobReads("A2041") << false;
    QTest::newRow("job message, the wrong lot reads as such")
        << jobMessage("A2014") << jobReads("A2014") << false;
    // zbar leaves out the first FNC1 and gives the next as GS, ending the
    // lot, a field of variable length.
    QTest::newRow("GS1-128") << message({barcode(20, 16, "[01]09501101530003[10]AB12[17]271231")})
                             << QList<QByteArray>{"010950110153000310AB12\x1d"
                                                  "17271231"}
                             << false;
    QTest::newRow("UPC-A and UPC-E, as zbar gives them")
        << message({barcode(20, 34, "01234567890"), barcode(320, 37, "0123456")})
        << QList<QByteArray>{"012345678905", "01234565"} << false;
    QTest::newRow("a line end in a QR Code is a space")
        << message({barcode(20, 58, "LOT\nA2041\r\nB")}) << QList<QByteArray>{"LOT A2041  B"}
        << false;
    QTest::newRow("no code") << message({}) << QList<QByteArray>{"NOREAD"} << false;
    QTest::newRow("not a message")
        << QByteArray("{ not json") << QList<QByteArray>{"NOREAD"} << true;
}

void TestReaderSim::readsWhatPrints()
{
    QFETCH(QByteArray, message);
    QFETCH(QList<QByteArray>, lines);
    QFETCH(bool, problem);

    writeFile("message.spr", message);
    ReaderSim reader;
    QString why;
    QCOMPARE(reader.decode("message.spr", kMoment, 1, &why), lines);
    QCOMPARE(!why.isEmpty(), problem);
    // Read again from what was loaded, and no file: no code can be read.
    QCOMPARE(reader.decode("message.spr", kMoment, 2), lines);
    QCOMPARE(reader.decode("no-such.spr", kMoment, 3, &why), QList<QByteArray>{"NOREAD"});
    QVERIFY(why.contains("no-such.spr"));
}

void TestReaderSim::spoilsReadsAsTold_data()
{
    QTest::addColumn<bool>("withCode");
    QTest::addColumn<int>("dropEvery");
    QTest::addColumn<int>("corruptBefore"); // the read before which it is told, 0: never
    QTest::addColumn<bool>("silent");
    QTest::addColumn<QByteArray>("noRead");
    // What each read sends: "" nothing, "ok" the code, "bad" the code corrupted.
    QTest::addColumn<QStringList>("sent");

    QTest::newRow("drop every third")
        << true << 3 << 0 << false << QByteArray() << QStringList{"ok", "ok", "", "ok", "ok", ""};
    QTest::newRow("corrupt the next read")
        << true << 0 << 2 << false << QByteArray() << QStringList{"ok", "bad", "ok", "ok"};
    QTest::newRow("a corruption told before a dropped read falls on the next")
        << true << 2 << 2 << false << QByteArray() << QStringList{"ok", "", "bad", "", "ok"};
    QTest::newRow("silent") << true << 0 << 1 << true << QByteArray() << QStringList{"", "", ""};
    QTest::newRow("no code: the no-read text, never corrupted")
        << false << 0 << 1 << false << QByteArray() << QStringList{"NOREAD", "NOREAD"};
    QTest::newRow("a no-read text of the reader's own")
        << false << 2 << 0 << false << QByteArray("NR") << QStringList{"NR", "", "NR"};
}

void TestReaderSim::spoilsReadsAsTold()
{
    QFETCH(bool, withCode);
    QFETCH(int, dropEvery);
    QFETCH(int, corruptBefore);
    QFETCH(bool, silent);
    QFETCH(QByteArray, noRead);
    QFETCH(QStringList, sent);

    writeFile("message.spr",
              message(withCode ? QJsonArray{barcode(20, 13, "590123412345")} : QJsonArray{}));
    ReaderSim reader;
    reader.setClock([] { return kMoment; });
    reader.setDropEvery(dropEvery);
    reader.setSilent(silent);
    if (!noRead.isEmpty())
        reader.setNoReadText(noRead);
    QSignalSpy done(&reader, &ReaderSim::readDone);
    QStringList got;
    for (int n = 1; n <= sent.size(); ++n) {
        if (n == corruptBefore)
            reader.corruptNextRead();
        const QList<QByteArray> lines = reader.read("message.spr", n);
        QVERIFY(lines.size() <= 1);
        const QByteArray line = lines.value(0);
        got << (line == "5901234123457"   ? "ok"
                : line == "5901234123458" ? "bad"
                                          : QString::fromUtf8(line));
    }
    QCOMPARE(got, sent);
    QCOMPARE(done.count(), sent.size());
    QCOMPARE(done.last().at(0).toLongLong(), qint64(sent.size()));
}

void TestReaderSim::corruptsOneCharacter_data()
{
    QTest::addColumn<QByteArray>("code");
    QTest::addColumn<QByteArray>("corrupted");

    QTest::newRow("a digit") << QByteArray("5901234123457") << QByteArray("5901234123458");
    QTest::newRow("nine") << QByteArray("LOT A2049") << QByteArray("LOT A2040");
    QTest::newRow("capitals") << QByteArray("LOT AZ") << QByteArray("LOT AA");
    QTest::newRow("small letters") << QByteArray("lot ab") << QByteArray("lot ac");
    QTest::newRow("anything else") << QByteArray("10AB12\x1d") << QByteArray("10AB12X");
}

void TestReaderSim::corruptsOneCharacter()
{
    QFETCH(QByteArray, code);
    QFETCH(QByteArray, corrupted);
    QCOMPARE(ReaderSim::corrupted(code), corrupted);
}

// A coder printing a job's message, its reader on 127.0.0.1 and a client of
// the reader, as the reader service of the PC is: the lines follow the
// message the coder holds, so a message with the wrong lot shows in the
// reads, and a corrupted read comes over the socket too.
void TestReaderSim::catchesTheWrongLotOverASocket()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    writeFile(dir.filePath("job-A2041.spr"), jobMessage("A2041"));

    QTcpServer control;
    QVERIFY(control.listen(QHostAddress::LocalHost, 0));
    CoderSettings settings;
    settings.port = control.serverPort();
    settings.folder = dir.filePath("coder");
    settings.messageSource = dir.filePath("job-A2041.spr");
    settings.statusIntervalMs = 20;
    settings.autostart = true;
    SimulatedCoder coder(settings);

    ReaderSim reader;
    QString error;
    QVERIFY2(reader.listen(QHostAddress::LocalHost, 0, &error), qPrintable(error));
    QVERIFY(reader.port() != 0);
    reader.setClock([] { return kMoment; });
    reader.follow(&coder);
    QTcpSocket client;
    client.connectToHost(QHostAddress::LocalHost, reader.port());
    QVERIFY(client.waitForConnected(5000));
    QTRY_COMPARE(reader.clientCount(), 1);

    QList<QByteArray> lines;
    QByteArray pending;
    const auto take = [&] {
        pending += client.readAll();
        int end;
        while ((end = pending.indexOf("\r\n")) >= 0) {
            lines << pending.left(end);
            pending.remove(0, end + 2);
        }
    };
    // Reads come in whole: the three codes of one print, in reading order.
    const auto nextPrint = [&](const QList<QByteArray> &expected) {
        lines.clear();
        QTRY_VERIFY_WITH_TIMEOUT((take(), lines.size() >= 6), 10000);
        const int first = lines.indexOf(expected.first());
        QVERIFY2(first >= 0 && first + 3 <= lines.size(), lines.join(' ').constData());
        QCOMPARE(lines.mid(first, 3), expected);
    };

    coder.start();
    QTRY_VERIFY(control.hasPendingConnections());
    QTcpSocket *link = control.nextPendingConnection();
    nextPrint(jobReads("A2041"));

    // The PC sends a message with the wrong lot; the reads show it.
    QByteArray record;
    QVERIFY2(FileRecord::encode("job-A2014.spr", jobMessage("A2014"), &record, &error),
             qPrintable(error));
    link->write(packFrame(Command::FileTransfer, record));
    QTRY_COMPARE(coder.currentFile(), QString("job-A2014.spr"));
    QTRY_VERIFY_WITH_TIMEOUT((take(), lines.contains("LOT A2014")), 10000);
    nextPrint(jobReads("A2014"));

    reader.corruptNextRead();
    QTRY_VERIFY_WITH_TIMEOUT((take(), lines.contains("5901234123458")), 10000);
    QVERIFY(coder.printCount() >= reader.reads());

    // A client that goes away leaves the reader serving the rest.
    client.disconnectFromHost();
    QTRY_COMPARE(reader.clientCount(), 0);
    const qint64 reads = reader.reads();
    QTRY_VERIFY(reader.reads() > reads + 2);
    coder.stop();
}

void TestReaderSim::programRefusesBadOptions_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("error");

    QTest::newRow("port") << QStringList{"--reader-port", "65536"}
                          << "--reader-port must be a whole number from 0 to 65535, not \"65536\"";
    QTest::newRow("drop") << QStringList{"--drop-every", "-1"}
                          << "--drop-every must be a whole number from 0 to 1000000";
    QTest::newRow("host") << QStringList{"--reader-host", "localhost"}
                          << "--reader-host must be an IP address, not \"localhost\"";
    QTest::newRow("no-read text") << QStringList{"--no-read", ""}
                                  << "--no-read needs a text of one line";
    QTest::newRow("a coder's option")
        << QStringList{"--count", "0"} << "--count must be a whole number from 1 to 1000";
}

void TestReaderSim::programRefusesBadOptions()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, error);
    QProcess program;
    program.start(KORVEX_READER_SIM, arguments);
    QVERIFY(program.waitForFinished(20000));
    QCOMPARE(program.exitCode(), 2);
    const QString said = QString::fromUtf8(program.readAllStandardError());
    QVERIFY2(said.contains(error), qPrintable(said));
}

// The program as run.sh and the reader service's tests start it: the port
// it chose on its first line, then its coder's prints as lines, every
// second one corrupted.
void TestReaderSim::programServesItsCodersPrints()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    writeFile(dir.filePath("job.spr"), jobMessage("A2041"));
    QTcpServer control;
    QVERIFY(control.listen(QHostAddress::LocalHost, 0));

    QProcess program;
    program.start(KORVEX_READER_SIM,
                  {"--reader-port", "0", "--port", QString::number(control.serverPort()),
                   "--folder", dir.filePath("sim"), "--message", dir.filePath("job.spr"),
                   "--autostart", "--status-interval", "50", "--corrupt-every", "2", "--duration",
                   "60"});
    QVERIFY(program.waitForStarted());
    QByteArray first;
    QTRY_VERIFY_WITH_TIMEOUT((first += program.readAllStandardOutput(), first.contains('\n')),
                             20000);
    const QRegularExpressionMatch port =
        QRegularExpression("listening on 127.0.0.1:(\\d+) after coder 1\n").match(first);
    QVERIFY2(port.hasMatch(), first.constData());
    QTcpSocket client;
    client.connectToHost(QHostAddress::LocalHost, port.captured(1).toUShort());
    QVERIFY(client.waitForConnected(5000));

    QByteArray received;
    QTRY_VERIFY_WITH_TIMEOUT(
        (received += client.readAll(), received.count("\r\n5901234123457\r\n") >= 1 &&
                                           received.count("\r\n5901234123458\r\n") >= 1),
        20000);
    QVERIFY(received.contains("\r\nLOT A2041\r\n"));
    program.terminate();
    QVERIFY(program.waitForFinished(10000));
}

QTEST_MAIN(TestReaderSim)
#include "tst_readersim.moc"
