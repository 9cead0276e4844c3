// SPDX-License-Identifier: GPL-3.0-or-later
#include "counter.h"
#include "counterregistry.h"
#include "graphicsserialnumberitem.h"

#include <QJsonDocument>
#include <QtTest>

class TestSerialNumberItem : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { CounterRegistry::resetForTests(); }

    void newItemShowsSixZeros()
    {
        GraphicsSerialNumberItem item;
        QCOMPARE(item.toPlainText(), QString("000000"));
        QCOMPARE(item.contentText(), QString("000000"));
    }

    void showsTheCounterValue_data()
    {
        QTest::addColumn<int>("base");
        QTest::addColumn<quint32>("value");
        QTest::addColumn<int>("digits");
        QTest::addColumn<QChar>("fill");
        QTest::addColumn<QString>("expected");
        const QChar zero('0');
        QTest::newRow("decimal 0") << 0 << 0u << 6 << zero << "000000";
        QTest::newRow("hex 0") << 1 << 0u << 6 << zero << "000000";
        QTest::newRow("base 34 of 0 is only fill") << 2 << 0u << 6 << zero << "000000";
        QTest::newRow("hex lower case") << 1 << 255u << 6 << zero << "0000ff";
        QTest::newRow("digits cut the front") << 0 << 1234567u << 4 << zero << "4567";
        QTest::newRow("hex cut") << 1 << 0xabcdefu << 2 << zero << "ef";
        QTest::newRow("base 34 of 33") << 2 << 33u << 6 << zero << "00000Z";
        QTest::newRow("base 34 of 34") << 2 << 34u << 6 << zero << "000010";
        QTest::newRow("base 34 of 35") << 2 << 35u << 6 << zero << "000011";
        QTest::newRow("base 34 skips I") << 2 << 18u << 1 << zero << "J";
        QTest::newRow("base 34 skips O") << 2 << 23u << 1 << zero << "P";
        QTest::newRow("base 34 of 34 squared") << 2 << 1156u << 3 << zero << "100";
        QTest::newRow("base 34 of a negative value") << 2 << 0x80000000u << 4 << zero << "0000";
        QTest::newRow("decimal is unsigned") << 0 << 4294967295u << 10 << zero << "4294967295";
        QTest::newRow("0 digits keep the whole number") << 0 << 1234567u << 0 << zero << "1234567";
        QTest::newRow("negative digits keep it too") << 0 << 1234567u << -3 << zero << "1234567";
        QTest::newRow("unknown base") << 3 << 42u << 4 << zero << "0000";
        QTest::newRow("space fill") << 0 << 42u << 5 << QChar(' ') << "   42";
        QTest::newRow("U+0000 fill")
            << 0 << 42u << 4 << QChar(0) << QString(2, QChar(0)) + QString("42");
    }
    void showsTheCounterValue()
    {
        QFETCH(int, base);
        QFETCH(quint32, value);
        QFETCH(int, digits);
        QFETCH(QChar, fill);
        QFETCH(QString, expected);
        Counter counter;
        counter.CurValue = value;
        GraphicsSerialNumberItem item;
        item.bindCounter(&counter);
        item.setSystemBase(base);
        item.setDigits(qint8(digits));
        item.setPreFixChar(fill);
        item.refreshText();
        QCOMPARE(item.toPlainText(), expected);
        QCOMPARE(item.shownValue(), value);
    }

    void followsItsCounterOnceBound()
    {
        Counter counter;
        counter.CounterID = 3;
        counter.CurValue = 7;
        GraphicsSerialNumberItem item(&counter);
        // Attached at construction but not connected.
        QCOMPARE(item.toPlainText(), QString("000007"));
        counter.CurValue = 8;
        emit counter.counterDataChanged();
        QCOMPARE(item.toPlainText(), QString("000007"));
        QCOMPARE(int(item.counterNumber()), 1);

        item.bindCounter(nullptr);
        QCOMPARE(item.boundCounter(), &counter);
        item.bindCounter(&counter);
        QCOMPARE(int(item.counterNumber()), 3);
        emit counter.counterDataChanged();
        QCOMPARE(item.toPlainText(), QString("000008"));
    }

    void registryFindsTheFirstCounterOfANumber()
    {
        QVERIFY(!findCounter(1));
        Counter *two = CounterRegistry::add(2);
        Counter *one = CounterRegistry::add(1);
        Counter *secondTwo = CounterRegistry::add(2);
        QVERIFY(secondTwo != two);
        QCOMPARE(findCounter(2), two);
        QCOMPARE(findCounter(1), one);
        QVERIFY(!findCounter(3));
        QCOMPARE(CounterRegistry::count(), 3);
        QCOMPARE(CounterRegistry::at(2), secondTwo);
    }

    void boundItemOutlivesARegistryReset()
    {
        GraphicsSerialNumberItem item;
        item.bindCounter(CounterRegistry::add(4));
        CounterRegistry::resetForTests();
        QVERIFY(!item.boundCounter());
        item.refreshText();
        QCOMPARE(item.toPlainText(), QString("000000"));
    }

    void recordRoundTripsThroughJsonText()
    {
        GraphicsSerialNumberItem source;
        source.setPos(12.7, 600);
        source.setZValue(4);
        source.setSystemBase(GraphicsSerialNumberItem::Base34);
        source.setSerialMode(2);
        source.setDigits(8);
        source.setCounterNumber(4);
        source.setPreFixChar(QChar(0));
        source.setFontLetterSpacing(3);
        source.setRotation(90);
        source.refreshText();
        QJsonObject record;
        QVERIFY(source.saveRecord(record));
        QCOMPARE(record.value("SNatX").toVariant(), QVariant(12));
        QCOMPARE(record.value("SNspace").toDouble(), 3.0);

        // Through the file's text form: the NUL fill must survive it.
        const QJsonObject parsed = QJsonDocument::fromJson(QJsonDocument(record).toJson()).object();
        GraphicsSerialNumberItem copy;
        QVERIFY(copy.loadRecord(parsed));
        QCOMPARE(copy.fillChar(), QChar(0));
        QCOMPARE(copy.toPlainText(), QString(8, QChar(0)));
        QJsonObject again;
        copy.saveRecord(again);
        QCOMPARE(again, record);
    }

    // No record here turns the item or spaces its letters.
    void recordWithOddValues_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<int>("counterNumber");
        QTest::addColumn<int>("digits");
        QTest::addColumn<QChar>("fill");
        QTest::newRow("empty record") << QByteArray("{}") << 1 << 6 << QChar('0');
        QTest::newRow("8-bit fields keep the low bits")
            << QByteArray(R"({"SNcounterID": 258, "SNdigits": 264})") << 2 << 8 << QChar('0');
        QTest::newRow("empty fill is U+0000")
            << QByteArray(R"({"SNpreFixChar": ""})") << 1 << 6 << QChar(0);
        QTest::newRow("first character of the fill")
            << QByteArray(R"({"SNpreFixChar": "*+"})") << 1 << 6 << QChar('*');
        QTest::newRow("fractional rotation and digits read as 0")
            << QByteArray(R"({"SNrotate": 45.5, "SNdigits": 2.5})") << 1 << 0 << QChar('0');
        QTest::newRow("SNspace alone is not applied")
            << QByteArray(R"({"SNspace": 9})") << 1 << 6 << QChar('0');
    }
    void recordWithOddValues()
    {
        QFETCH(QByteArray, json);
        QFETCH(int, digits);
        GraphicsSerialNumberItem item;
        QVERIFY(item.loadRecord(QJsonDocument::fromJson(json).object()));
        QTEST(int(item.counterNumber()), "counterNumber");
        QCOMPARE(int(item.digitCount()), digits);
        QTEST(item.fillChar(), "fill");
        QCOMPARE(item.rotation(), 0.0);
        QCOMPARE(item.font().letterSpacing(), 0.0);
        QCOMPARE(item.font().family(), QString("SimHei"));
        QCOMPARE(item.font().pixelSize(), 150);
        QCOMPARE(item.toPlainText().size(), digits > 0 ? digits : 1);
    }
};

QTEST_MAIN(TestSerialNumberItem)
#include "tst_serialnumberitem.moc"
