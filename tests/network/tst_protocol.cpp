// SPDX-License-Identifier: GPL-3.0-or-later
#include "deviceiptext.h"
#include "filerecord.h"
#include "printparameters.h"
#include "protocol.h"

#include <QtTest>

class TestProtocol : public QObject
{
    Q_OBJECT
private slots:
    void framesOfTheOneByteCommands_data()
    {
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<QByteArray>("hex");
        QTest::newRow("start") << packFrame(Command::RunControl, runControlPayload(true))
                               << QByteArray("000000023001");
        QTest::newRow("stop") << packFrame(Command::RunControl, runControlPayload(false))
                              << QByteArray("000000023000");
        QTest::newRow("current-file request")
            << packFrame(Command::CurrentFile, requestPayload()) << QByteArray("000000024001");
        QTest::newRow("parameter request")
            << packFrame(Command::Parameters, requestPayload()) << QByteArray("000000024101");
        QTest::newRow("no payload") << packFrame(0x7f, {}) << QByteArray("000000017f");
    }
    void framesOfTheOneByteCommands()
    {
        QFETCH(QByteArray, frame);
        QFETCH(QByteArray, hex);
        QCOMPARE(frame.toHex(), hex);
    }

    // The defaults of a fresh block, field by field in table order; in a
    // frame it travels with length 82 (command byte and 81 bytes).
    void defaultBlockBytesAndFrame()
    {
        const QByteArray expected = QByteArray::fromHex(
            "01 402199999999999a 3ffccccccccccccd 01 04 03 00 01 01 3ff0000000000000 "
            "3ff0000000000000 3ff0000000000000 3ff0000000000000 01 01 01 01 00 00 "
            "000007d0 00000032 00000000 00000000 00000000");
        QCOMPARE(PrintParameters().toBytes().toHex(), expected.toHex());
        const QByteArray frame = packFrame(Command::PrintParameters, PrintParameters().toBytes());
        QCOMPARE(frame.toHex(), "0000005211" + expected.toHex());
    }

    // Every field distinct, so a swapped or misplaced field shows.
    void everyFieldTravelsInTableOrder()
    {
        PrintParameters p;
        p.sprayMode = 5;
        p.deviceValue1 = 2.0;
        p.deviceValue2 = -0.5;
        p.dpiCode = 4;
        p.triggerMode = 3;
        p.headRangeMask = 15;
        p.splice = true;
        p.headEnableMask = 13;
        p.entireDirection = 3;
        p.headOffset1 = 0.5;
        p.headOffset2 = 1.5;
        p.headOffset3 = 4.0;
        p.headOffset4 = 1000.0;
        p.headDirection1 = 0;
        p.headDirection2 = 2;
        p.headDirection3 = 3;
        p.headDirection4 = -1;
        p.encoderEnabled = true;
        p.beepEnabled = true;
        p.encoderPpr = 0x01020304;
        p.encoderDiameter = 200;
        p.lineSpeed = 300;
        p.signalInterval = 99;
        p.deviceValue3 = -2;
        // Field by field in table order; fromHex skips the spaces.
        const QByteArray expected = QByteArray::fromHex(
            "05 4000000000000000 bfe0000000000000 04 03 0f 01 0d 03 3fe0000000000000 "
            "3ff8000000000000 4010000000000000 408f400000000000 00 02 03 ff 01 01 "
            "01020304 000000c8 0000012c 00000063 fffffffe");
        QCOMPARE(p.toBytes().toHex(), expected.toHex());
        QVERIFY(PrintParameters::fromBytes(expected) == p);
    }

    void shortBlockReadsMissingFieldsAsZero()
    {
        const PrintParameters p = PrintParameters::fromBytes(PrintParameters().toBytes().left(18));
        QCOMPARE(p.dpiCode, qint8(1));
        QCOMPARE(p.triggerMode, qint8(0));
        QCOMPARE(p.headOffset1, 0.0);
        QCOMPARE(p.encoderPpr, 0);
    }

    void statusReportReadsAShortPayloadAsZeroPadded()
    {
        QCOMPARE(parseStatusReport(QByteArray("\x01\x9c", 2)).progress, qint8(-100));
        const StatusReport shortOne = parseStatusReport(QByteArray(1, '\x02'));
        QCOMPARE(int(shortOne.state), 2);
        QCOMPARE(int(shortOne.progress), 0);
    }

    void fileTransferRecord_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QByteArray>("hex");
        QTest::newRow("three bytes") << "label1.spr" << QByteArray("abc")
                                     << QByteArray("0a6c6162656c312e73707200000003616263");
        QTest::newRow("empty file")
            << "e.spr" << QByteArray() << QByteArray("05652e737072ffffffff");
        QTest::newRow("UTF-8 name") << QString::fromUtf8("é.spr") << QByteArray("x")
                                    << QByteArray("06c3a92e7370720000000178");
    }
    void fileTransferRecord()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(QByteArray, hex);
        QByteArray record;
        QString error;
        QVERIFY(FileRecord::encode(name, content, &record, &error));
        QCOMPARE(record.toHex(), hex);
        FileRecord back;
        QVERIFY2(FileRecord::parseFileTransfer(record, &back, &error), qPrintable(error));
        QCOMPARE(back.name, name);
        QCOMPARE(back.content, content);
    }

    void namesUpTo255BytesTravelWhole_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("fits");
        // "é" is two bytes in UTF-8, so these are 255 and 256 bytes long.
        const QString twoByte = QString::fromUtf8("é").repeated(125);
        QTest::newRow("255 bytes") << twoByte + "a.spr" << true;
        QTest::newRow("256 bytes") << twoByte + "ab.spr" << false;
    }
    void namesUpTo255BytesTravelWhole()
    {
        QFETCH(QString, name);
        QFETCH(bool, fits);
        QByteArray record;
        QString error;
        QCOMPARE(FileRecord::encode(name, "{}", &record, &error), fits);
        if (!fits) {
            QVERIFY(record.isEmpty());
            QVERIFY2(error.contains("256"), qPrintable(error));
            return;
        }
        QCOMPARE(quint8(record[0]), quint8(255));
        FileRecord back;
        QVERIFY(FileRecord::parseFileTransfer(record, &back, &error));
        QCOMPARE(back.name, name);
    }

    void currentFileRecordNameEndsAtNul()
    {
        const QByteArray payload = QByteArray::fromHex("0a") + QByteArray("cur.spr\0\0\0", 10) +
                                   QByteArray("\0\0\0\x02{}", 6);
        FileRecord record;
        QString error;
        QVERIFY2(FileRecord::parseCurrentFile(payload, &record, &error), qPrintable(error));
        QCOMPARE(record.name, QString("cur.spr"));
        QCOMPARE(record.content, QByteArray("{}"));
    }

    void unsafeNamesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<bool>("safe");
        QTest::newRow("plain") << QByteArray("label1.spr") << true;
        QTest::newRow("dots inside") << QByteArray("a..b.spr") << true;
        QTest::newRow("Latin-1") << QByteArray("\xe9t\xe9.spr") << true;
        QTest::newRow("parent") << QByteArray("..") << false;
        QTest::newRow("self") << QByteArray(".") << false;
        QTest::newRow("climbs out") << QByteArray("../../x.spr") << false;
        QTest::newRow("absolute") << QByteArray("/etc/passwd") << false;
        QTest::newRow("subfolder") << QByteArray("a/b.spr") << false;
        QTest::newRow("backslash") << QByteArray("..\\x.spr") << false;
        QTest::newRow("drive") << QByteArray("C:x.spr") << false;
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("NUL first") << QByteArray("\0x.spr", 6) << false;
    }
    void unsafeNamesAreRefused()
    {
        QFETCH(QByteArray, name);
        QFETCH(bool, safe);
        const QByteArray payload = char(name.size()) + name + QByteArray("\0\0\0\x01x", 5);
        FileRecord record;
        QString error;
        QCOMPARE(FileRecord::parseCurrentFile(payload, &record, &error), safe);
        QCOMPARE(FileRecord::parseFileTransfer(payload, &record, &error), safe);
        if (!safe)
            QVERIFY(!error.isEmpty());
        QCOMPARE(FileRecord::isSafeFileName(QString::fromUtf8("a\0b", 3)), false);
    }

    void truncatedRecordsAreRefused_data()
    {
        QTest::addColumn<QByteArray>("payload");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("name cut") << QByteArray("\x09"
                                                "abc",
                                                4);
        QTest::newRow("content shorter than announced") << QByteArray("\x01"
                                                                      "a\0\0\0\x05"
                                                                      "xy",
                                                                      8);
    }
    void truncatedRecordsAreRefused()
    {
        QFETCH(QByteArray, payload);
        FileRecord record;
        QString error;
        QVERIFY(!FileRecord::parseFileTransfer(payload, &record, &error));
        QVERIFY(!error.isEmpty());
    }

    void deviceIpText_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("ipText");
        QTest::newRow("mapped 192") << "::ffff:192.168.1.20"
                                    << "192.168.1.20";
        QTest::newRow("mapped 10 with 192 inside") << "::ffff:10.0.192.5"
                                                   << "10.0.192.5";
        QTest::newRow("plain IPv4") << "10.0.192.5"
                                    << "10.0.192.5";
        QTest::newRow("loopback") << "::ffff:127.0.0.1"
                                  << "127.0.0.1";
        QTest::newRow("IPv6") << "fe80::192:1"
                              << "fe80::192:1";
        QTest::newRow("IPv6 loopback") << "::1"
                                       << "::1";
    }
    void deviceIpText()
    {
        QFETCH(QString, address);
        QFETCH(QString, ipText);
        QCOMPARE(::deviceIpText(QHostAddress(address)), ipText);
    }
};

QTEST_APPLESS_MAIN(TestProtocol)
#include "tst_protocol.moc"
