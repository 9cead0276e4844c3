// SPDX-License-Identifier: GPL-3.0-or-later
#include "../common/timelinelist.h"
#include "clock.h"
#include "graphicsshiftcodeitem.h"
#include "printtimeline.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QtTest>

namespace {

// "code@start" per entry; a start that does not parse stays invalid.
void fill(GraphicsShiftCodeItem &item, const QStringList &table)
{
    item.shiftTable().clear();
    for (const QString &entry : table) {
        const int at = entry.lastIndexOf('@');
        item.addShift(entry.left(at), QTime::fromString(entry.mid(at + 1), Qt::ISODateWithMs));
    }
}

QDateTime onMay20(const QTime &time)
{
    return QDateTime(QDate(2021, 5, 20), time);
}

} // namespace

class TestShiftCodeItem : public QObject
{
    Q_OBJECT
private slots:
    void newItemShowsA()
    {
        Clock::Pin pin(onMay20(QTime(13, 0)));
        GraphicsShiftCodeItem item;
        QCOMPARE(item.toPlainText(), QString("A"));
        QCOMPARE(item.shownCode(), QString("A"));
    }

    void choosesTheShiftByTimeOfDay_data()
    {
        QTest::addColumn<QStringList>("table");
        QTest::addColumn<QTime>("now");
        QTest::addColumn<QString>("expected");
        const QStringList three{"E@06:00", "L@14:00", "N@22:00"};
        QTest::newRow("before the first shift wraps to the last") << three << QTime(5, 59) << "N";
        QTest::newRow("midnight wraps") << three << QTime(0, 0) << "N";
        QTest::newRow("at a start") << three << QTime(6, 0) << "E";
        QTest::newRow("just before the next") << three << QTime(13, 59, 59) << "E";
        QTest::newRow("next start") << three << QTime(14, 0) << "L";
        QTest::newRow("one ms before the last") << three << QTime(21, 59, 59, 999) << "L";
        QTest::newRow("late evening") << three << QTime(23, 30) << "N";
        QTest::newRow("unsorted table")
            << QStringList{"N@22:00", "E@06:00", "L@14:00"} << QTime(15, 0) << "L";
        QTest::newRow("later entry wins a tie")
            << QStringList{"A@06:00", "B@06:00"} << QTime(7, 0) << "B";
        QTest::newRow("tie, other order")
            << QStringList{"B@06:00", "A@06:00"} << QTime(7, 0) << "A";
        QTest::newRow("tie in the wrap")
            << QStringList{"X@03:00", "A@22:00", "B@22:00"} << QTime(2, 0) << "B";
        QTest::newRow("single shift at any time") << QStringList{"X@12:00"} << QTime(8, 0) << "X";
        QTest::newRow("midnight shift from midnight on")
            << QStringList{"A@00:00", "B@12:00"} << QTime(0, 0) << "A";
        QTest::newRow("midnight shift before noon")
            << QStringList{"A@00:00", "B@12:00"} << QTime(11, 59, 59, 999) << "A";
        QTest::newRow("empty code wraps to the last shift")
            << QStringList{"@06:00", "Z@18:00"} << QTime(7, 0) << "Z";
        QTest::newRow("empty last code stays empty")
            << QStringList{"Z@06:00", "@18:00"} << QTime(19, 0) << "";
        QTest::newRow("wrap can land on the empty code again")
            << QStringList{"A@00:00", "@06:00"} << QTime(7, 0) << "";
        QTest::newRow("empty table") << QStringList{} << QTime(7, 0) << "Text";
        QTest::newRow("single shift with an empty code")
            << QStringList{"@06:00"} << QTime(7, 0) << "";
        QTest::newRow("invalid start never wins")
            << QStringList{"A@06:00", "X@bad"} << QTime(7, 0) << "A";
        QTest::newRow("invalid start never wins the wrap")
            << QStringList{"A@06:00", "X@bad"} << QTime(5, 0) << "A";
        QTest::newRow("single invalid start still shows")
            << QStringList{"X@bad"} << QTime(5, 0) << "X";
    }
    void choosesTheShiftByTimeOfDay()
    {
        QFETCH(QStringList, table);
        QFETCH(QTime, now);
        QFETCH(QString, expected);
        Clock::Pin pin(onMay20(now));
        GraphicsShiftCodeItem item;
        fill(item, table);
        item.refreshText();
        QCOMPARE(item.toPlainText(), expected);
        QCOMPARE(item.codeAt(now), expected);
    }

    void recordRoundTripsWithItsFont()
    {
        Clock::Pin pin(onMay20(QTime(15, 0)));
        GraphicsShiftCodeItem source;
        fill(source, {"E@06:00:30", "L@14:00", "N@22:00", "X@bad"});
        source.setPos(7.9, 300);
        source.setZValue(1);
        source.setRotation(270);
        source.setFontPixelSize(60);
        source.setFontLetterSpacing(2);
        QJsonObject record;
        QVERIFY(source.saveRecord(record));
        QCOMPARE(record.value("ShiftX").toVariant(), QVariant(7));
        const QJsonArray table = record.value("ShiftVector").toArray();
        QCOMPARE(table.size(), 4);
        // Stored to the minute; an invalid start is stored empty.
        QCOMPARE(table.at(0).toObject().value("ShiftTime").toString(), QString("06:00"));
        QCOMPARE(table.at(2).toObject().value("ShiftContent").toString(), QString("N"));
        QCOMPARE(table.at(3).toObject().value("ShiftTime").toString(), QString(""));

        GraphicsShiftCodeItem copy;
        QVERIFY(copy.loadRecord(record));
        QCOMPARE(copy.toPlainText(), QString("L"));
        QCOMPARE(copy.shownCode(), QString("L"));
        // The operator's font survives the reload.
        QCOMPARE(copy.font().pixelSize(), 60);
        QCOMPARE(copy.font().letterSpacing(), 2.0);
        QJsonObject again;
        copy.saveRecord(again);
        QCOMPARE(again, record);
    }

    void recordVariants_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QStringList>("codes");
        QTest::addColumn<QList<QTime>>("starts");
        QTest::addColumn<QString>("shown");
        QTest::newRow("empty record keeps the default shift")
            << QByteArray("{}") << QStringList{"A"} << QList<QTime>{QTime(0, 0)} << "A";
        QTest::newRow("empty array keeps the default shift")
            << QByteArray(R"({"ShiftVector": []})") << QStringList{"A"} << QList<QTime>{QTime(0, 0)}
            << "A";
        QTest::newRow("table that is not an array is ignored")
            << QByteArray(R"({"ShiftVector": {"ShiftContent": "Q"}})") << QStringList{"A"}
            << QList<QTime>{QTime(0, 0)} << "A";
        QTest::newRow("seconds are accepted, junk is invalid")
            << QByteArray(R"({"ShiftVector": [{"ShiftContent": "D", "ShiftTime": "08:30:15"},)"
                          R"({"ShiftContent": "Q", "ShiftTime": "25:00"}, 3]})")
            << QStringList{"D", "Q", ""} << QList<QTime>{QTime(8, 30, 15), QTime(), QTime()} << "D";
    }
    void recordVariants()
    {
        QFETCH(QByteArray, json);
        QFETCH(QStringList, codes);
        QFETCH(QList<QTime>, starts);
        QFETCH(QString, shown);
        Clock::Pin pin(onMay20(QTime(9, 0)));
        GraphicsShiftCodeItem item;
        QVERIFY(item.loadRecord(QJsonDocument::fromJson(json).object()));
        QStringList loadedCodes;
        QList<QTime> loadedStarts;
        for (const GraphicsShiftCodeItem::Shift &s : item.shiftTable()) {
            loadedCodes << s.code;
            loadedStarts << s.start;
        }
        QCOMPARE(loadedCodes, codes);
        QCOMPARE(loadedStarts, starts);
        QCOMPARE(item.toPlainText(), shown);
        // A record without a font (as older files are) keeps the constructor's.
        QCOMPARE(item.font().family(), QString("SimHei"));
        QCOMPARE(item.font().pixelSize(), 150);
    }

    // Worked by hand; a date field beside the shifts where a row says so.
    // Moments in UTC, so that no daylight saving moves them.
    void nextChangesOfShifts_data()
    {
        QTest::addColumn<QStringList>("table");
        QTest::addColumn<QString>("dateFormat"); // empty: none
        QTest::addColumn<QString>("from");
        QTest::addColumn<int>("count");
        QTest::addColumn<QStringList>("expected");
        const QStringList three{"A@06:00", "B@14:00", "C@22:00"};
        QTest::newRow("night shift runs on past midnight")
            << three << ""
            << "2027-02-28T21:00Z" << 4
            << QStringList{"2027-02-28T22:00|Shift change|B>C", "2027-03-01T06:00|Shift change|C>A",
                           "2027-03-01T14:00|Shift change|A>B",
                           "2027-03-01T22:00|Shift change|B>C"};
        QTest::newRow("a shift starting at midnight, at a month end")
            << QStringList{"A@00:00", "B@08:00", "C@16:00"} << ""
            << "2027-02-28T15:00Z" << 3
            << QStringList{"2027-02-28T16:00|Shift change|B>C",
                           "2027-03-01T00:00|Midnight, month end, shift change|C>A",
                           "2027-03-01T08:00|Shift change|A>B"};
        QTest::newRow("table entered out of order")
            << QStringList{"N@18:00", "D@06:00"} << ""
            << "2027-06-10T05:00Z" << 2
            << QStringList{"2027-06-10T06:00|Shift change|N>D",
                           "2027-06-10T18:00|Shift change|D>N"};
        QTest::newRow("date and night shift through 29 February")
            << QStringList{"D@06:00", "N@18:00"} << "dd.MM"
            << "2028-02-28T17:00Z" << 3
            << QStringList{"2028-02-28T18:00|Shift change|D>N",
                           "2028-02-29T00:00|Midnight, 29 February|28.02>29.02",
                           "2028-02-29T06:00|Shift change|N>D"};
        QTest::newRow("one shift never changes") << QStringList{"X@06:00"} << ""
                                                 << "2027-02-28T15:00Z" << 3 << QStringList();
    }
    void nextChangesOfShifts()
    {
        QFETCH(QStringList, table);
        QFETCH(QString, dateFormat);
        QFETCH(QString, from);
        QFETCH(int, count);
        QFETCH(QStringList, expected);
        GraphicsShiftCodeItem item;
        fill(item, table);
        PrintTimeline timeline;
        if (!dateFormat.isEmpty())
            timeline.addDate("Date 1", dateFormat, 0);
        timeline.addShifts("Shift code 1", item.shiftTable());
        QCOMPARE(listed(timeline, QDateTime::fromString(from, Qt::ISODate), count), expected);
    }
};

QTEST_MAIN(TestShiftCodeItem)
#include "tst_shiftcodeitem.moc"
