// SPDX-License-Identifier: GPL-3.0-or-later
// The link to a code reader: whatever a reader sends, lines come out whole
// and bounded, garbage is one bad line, a flood is cut, and the link comes
// back after the reader goes away, waiting longer each time.
#include "readerlink.h"
#include "readersettings.h"
#include "readerwatch.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

class TestReaderLink : public QObject
{
    Q_OBJECT

private slots:
    // Bytes as a reader sends them (in one go and byte by byte), the lines
    // that come out and how many bad lines of each kind.
    void linesAreFramedAndBounded_data()
    {
        QTest::addColumn<QByteArray>("sent");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("tooLong");
        QTest::addColumn<int>("notText");
        const QByteArray max(ReaderLink::kMaxLineBytes, 'A');
        QTest::newRow("LF, CR LF and CR ends")
            << QByteArray("A1\nB2\r\nC3\rD4\n") << QStringList{"A1", "B2", "C3", "D4"} << 0 << 0;
        QTest::newRow("empty lines and blanks")
            << QByteArray("\n\r\n  X9  \n\n") << QStringList{"X9"} << 0 << 0;
        QTest::newRow("no end yet: nothing") << QByteArray("PART") << QStringList{} << 0 << 0;
        QTest::newRow("GS1 group separator kept") << QByteArray("0109501101020917\x1d"
                                                                "10A2041\n")
                                                  << QStringList{"0109501101020917\x1d"
                                                                 "10A2041"}
                                                  << 0 << 0;
        QTest::newRow("UTF-8 text")
            << QByteArray("Lot \xc3\xa9t\xc3\xa9\n")
            << QStringList{QString::fromUtf8("Lot \xc3\xa9t\xc3\xa9")} << 0 << 0;
        QTest::newRow("binary garbage") << QByteArray("\x00\x01\xff\xfe\x7f\n", 6) + "OK\n"
                                        << QStringList{"OK"} << 0 << 1;
        QTest::newRow("bytes that are no UTF-8")
            << QByteArray("\xc3\x28\n") << QStringList{} << 0 << 1;
        QTest::newRow("escape sequence") << QByteArray("\x1b[2J\n") << QStringList{} << 0 << 1;
        QTest::newRow("exactly the limit") << max + "\n" << QStringList{QString(max)} << 0 << 0;
        QTest::newRow("one byte over: cut, the rest thrown away") << max + "BC\nOK\n"
                                                                  << QStringList{"OK"} << 1 << 0;
        QTest::newRow("a line of 1 MiB counts once") << QByteArray(1 << 20, 'x') + "\nOK\n"
                                                     << QStringList{"OK"} << 1 << 0;
        QTest::newRow("an endless line") << QByteArray(1 << 20, 'x') << QStringList{} << 1 << 0;
    }
    void linesAreFramedAndBounded()
    {
        QFETCH(QByteArray, sent);
        QFETCH(QStringList, lines);
        for (const bool byteByByte : {false, true}) {
            ReaderLink link;
            QStringList got;
            int tooLong = 0, notText = 0;
            connect(&link, &ReaderLink::line, this, [&](const QString &l) { got << l; });
            connect(&link, &ReaderLink::badLine, this,
                    [&](ReaderLink::Bad why, const QByteArray &s) {
                        QVERIFY(s.size() <= 64);
                        ++(why == ReaderLink::Bad::TooLong ? tooLong : notText);
                    });
            if (byteByByte && sent.size() < 100000) {
                for (const char c : sent)
                    link.take(QByteArray(1, c));
            } else {
                link.take(sent);
            }
            QCOMPARE(got, lines);
            QTEST(tooLong, "tooLong");
            QTEST(notText, "notText");
        }
    }

    // More lines in a second than the bound: the rest is dropped and said
    // once the second is over.
    void aFloodIsCut()
    {
        ReaderLink link;
        qint64 now = 0;
        link.setClock([&] { return now; });
        link.setFloodBound(10);
        QStringList got;
        connect(&link, &ReaderLink::line, this, [&](const QString &l) { got << l; });
        QSignalSpy flooded(&link, &ReaderLink::flooded);
        QByteArray burst;
        for (int i = 0; i < 25; ++i)
            burst += "C" + QByteArray::number(i) + "\n";
        link.take(burst);
        QCOMPARE(got.size(), 10);
        QCOMPARE(link.droppedLines(), 15);
        QCOMPARE(flooded.count(), 0);
        now = 1000;
        link.take("NEXT\n");
        QCOMPARE(got.last(), QString("NEXT"));
        QCOMPARE(flooded.count(), 1);
        QCOMPARE(flooded.first().first().toInt(), 15);
    }

    // A real reader on 127.0.0.1: lines arrive; the reader going away is
    // retried, waiting twice as long each time up to the most; once back
    // it is connected again and the wait starts over.
    void theLinkComesBack()
    {
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost, 0));
        const quint16 port = server.serverPort();
        ReaderLink link;
        link.setTarget("127.0.0.1", port);
        link.setBackOff(20, 80);
        QStringList got;
        connect(&link, &ReaderLink::line, this, [&](const QString &l) { got << l; });
        link.start();
        QTRY_VERIFY(server.hasPendingConnections());
        QTcpSocket *reader = server.nextPendingConnection();
        QTRY_VERIFY(link.isConnected());
        reader->write("0109501101020917\r\nNOREAD\r\n");
        QTRY_COMPARE(got, (QStringList{"0109501101020917", "NOREAD"}));

        server.close();
        reader->close();
        QTRY_VERIFY(!link.isConnected());
        QTRY_COMPARE(link.backOffMs(), 80);
        QVERIFY(server.listen(QHostAddress::LocalHost, port));
        QTRY_VERIFY_WITH_TIMEOUT(server.hasPendingConnections(), 5000);
        QTcpSocket *again = server.nextPendingConnection();
        QTRY_VERIFY(link.isConnected());
        QCOMPARE(link.backOffMs(), 20);
        // A line cut off by the lost connection is not joined to the next.
        again->write("AGAIN\n");
        QTRY_COMPARE(got.last(), QString("AGAIN"));
    }

    // What a reader sends and what the message holds, compared as codes.
    void codesAreComparedAsReadersSendThem_data()
    {
        QTest::addColumn<QString>("printed");
        QTest::addColumn<QString>("read");
        QTest::addColumn<bool>("same");
        const QString gs(QChar(0x1d));
        QTest::newRow("plain") << "10A2041"
                               << "10A2041" << true;
        QTest::newRow("plain, other") << "10A2041"
                                      << "10A2042" << false;
        QTest::newRow("case counts") << "lot a"
                                     << "LOT A" << false;
        QTest::newRow("AIM identifier in front") << "10A2041"
                                                 << "]C110A2041" << true;
        QTest::newRow("GS1 brackets, group separator")
            << "[01]09501101020917[10]A2041[17]270108"
            << "]d2010950110102091710A2041" + gs + "17270108" << true;
        QTest::newRow("GS1 parentheses") << "(01)09501101020917(10)A2041"
                                         << "010950110102091710A2041" << true;
        QTest::newRow("GS1, another lot") << "[01]09501101020917[10]A2041"
                                          << "]d2010950110102091710A2042" << false;
        QTest::newRow("brackets inside a plain text stay") << "LOT [10]"
                                                           << "LOT 10" << false;
    }
    void codesAreComparedAsReadersSendThem()
    {
        QFETCH(QString, printed);
        QFETCH(QString, read);
        QTEST(ReaderWatch::canonical(printed) == ReaderWatch::canonical(read), "same");
    }

    // The [reader.*] sections of korvex.conf: each good one read, each bad
    // one named and left out.
    void settingsAreReadOrRefused_data()
    {
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<QString>("error"); // empty: read
        QTest::newRow("all keys") << QByteArray("host=127.0.0.1\nport=2001\ncoder=Line 1\n"
                                                "no_read=ERROR\nsilent_seconds=30\n")
                                  << QString();
        QTest::newRow("the defaults")
            << QByteArray("host=10.0.0.5\nport=23\ncoder=10.0.0.11\n") << QString();
        QTest::newRow("no host") << QByteArray("port=23\ncoder=Line 1\n") << "host is missing";
        QTest::newRow("port out of range")
            << QByteArray("host=h\nport=70000\ncoder=Line 1\n") << "port must be a number";
        QTest::newRow("no coder") << QByteArray("host=h\nport=23\n") << "coder is missing";
        QTest::newRow("empty no_read")
            << QByteArray("host=h\nport=23\ncoder=c\nno_read=\n") << "no_read must not be empty";
        QTest::newRow("silent time no number")
            << QByteArray("host=h\nport=23\ncoder=c\nsilent_seconds=soon\n") << "silent_seconds";
    }
    void settingsAreReadOrRefused()
    {
        QFETCH(QByteArray, section);
        QFETCH(QString, error);
        QStringList errors;
        const QList<ReaderSettings> readers =
            ReaderSettings::parse("[server]\nport=64032\n[reader.1]\n" + section +
                                      "[reader.2]\nhost=h\nport=9\ncoder=x\n",
                                  &errors);
        QCOMPARE(readers.size(), error.isEmpty() ? 2 : 1);
        QCOMPARE(readers.last().name, QString("2"));
        if (!error.isEmpty()) {
            QCOMPARE(errors.size(), 1);
            QVERIFY2(errors.first().startsWith("[reader.1]: " + error), qPrintable(errors.first()));
            return;
        }
        QVERIFY(errors.isEmpty());
        const ReaderSettings &r = readers.first();
        QVERIFY(!r.host.isEmpty() && r.port > 0 && !r.coder.isEmpty());
        if (section.contains("no_read"))
            QCOMPARE(r.noRead, QString("ERROR"));
        else
            QCOMPARE(r.noRead, QString("NOREAD"));
        QCOMPARE(r.silentSeconds,
                 section.contains("silent") ? 30 : ReaderSettings::kDefaultSilentSeconds);
    }
};

QTEST_GUILESS_MAIN(TestReaderLink)
#include "tst_readerlink.moc"
