// SPDX-License-Identifier: GPL-3.0-or-later
#include "../common/timelinelist.h"
#include "clock.h"
#include "graphicstimeitem.h"
#include "printtimeline.h"

#include <QJsonDocument>
#include <QtTest>

namespace {
QDateTime at(int y, int m, int d, int hh = 10, int mm = 0)
{
    return QDateTime(QDate(y, m, d), QTime(hh, mm));
}

} // namespace

class TestTimeItem : public QObject
{
    Q_OBJECT
private slots:
    void expandsFormatAndCodes_data()
    {
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<int>("days");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("expected");
        const QDateTime may20 = at(2021, 5, 20);    // a Thursday
        const QDateTime sunday = at(2021, 11, 7);   // Sunday
        const QDateTime saturday = at(2021, 11, 6); // Saturday
        QTest::newRow("default format") << may20 << 0 << "dd/MM/yyyy"
                                        << "20/05/2021";
        QTest::newRow("30 valid days") << may20 << 30 << "yyyy-MM-dd"
                                       << "2021-06-19";
        QTest::newRow("across February") << at(2021, 1, 31) << 29 << "yyyy-MM-dd"
                                         << "2021-03-01";
        QTest::newRow("into a leap day") << at(2020, 1, 31) << 29 << "yyyy-MM-dd"
                                         << "2020-02-29";
        QTest::newRow("across the year, codes stay today")
            << at(2021, 12, 31, 23, 59) << 1 << "yyyy-MM-dd HH:mm NR"
            << "2022-01-01 23:59 Dec";
        QTest::newRow("midnight") << at(2021, 5, 20, 0, 0) << 0 << "HH:mm:ss"
                                  << "00:00:00";
        QTest::newRow("codes on a Sunday") << sunday << 0 << "NN NO ND NR"
                                           << "01 A Sun Nov";
        QTest::newRow("codes on a Saturday") << saturday << 0 << "NN NO ND"
                                             << "07 G Sat";
        QTest::newRow("codes on a Monday") << at(2021, 11, 8) << 0 << "NN NO ND"
                                           << "02 B Mon";
        QTest::newRow("valid days do not move the codes") << saturday << 1 << "dd NO"
                                                          << "07 G";
        QTest::newRow("codes back to back") << sunday << 0 << "NONR"
                                            << "ANov";
        QTest::newRow("three N") << sunday << 0 << "NNN"
                                 << "01N";
        QTest::newRow("inserted Nov not rescanned") << sunday << 0 << "NRNRD"
                                                    << "NovNovD";
        QTest::newRow("code at the end") << may20 << 0 << "yyyyNR"
                                         << "2021May";
        QTest::newRow("not a code") << may20 << 0 << "NX"
                                    << "NX";
        QTest::newRow("single N at the end") << may20 << 0 << "ddN"
                                             << "20N";
        QTest::newRow("lower case is no code") << may20 << 0 << "nr"
                                               << "nr";
        QTest::newRow("empty format") << may20 << 0 << ""
                                      << "";
    }
    void expandsFormatAndCodes()
    {
        QFETCH(QDateTime, now);
        QFETCH(int, days);
        QFETCH(QString, format);
        QFETCH(QString, expected);
        Clock::Pin pin(now);
        GraphicsTimeItem item;
        item.setValidDays(days);
        item.setTimeFormat(format);
        QCOMPARE(item.toPlainText(), expected);
        QCOMPARE(item.expandDateFormat(format), expected);
    }

    void textIsASnapshotUntilRefreshed()
    {
        QDateTime later = at(2021, 5, 21);
        {
            Clock::Pin outer(later);
            {
                Clock::Pin inner(at(2021, 5, 20));
                GraphicsTimeItem item;
                item.setTimeFormat("dd");
                QCOMPARE(item.contentText(), QString("20/05/2021"));
                QCOMPARE(item.toPlainText(), QString("20"));
            }
            // The inner pin is gone: the outer one is back.
            QCOMPARE(Clock::now(), later);
            GraphicsTimeItem item;
            QCOMPARE(item.toPlainText(), QString("21/05/2021"));
            {
                Clock::Pin next(at(2021, 6, 1));
                QCOMPARE(item.toPlainText(), QString("21/05/2021"));
                item.refreshText();
                QCOMPARE(item.toPlainText(), QString("01/06/2021"));
                QCOMPARE(item.contentText(), QString("21/05/2021"));
            }
        }
        // Unpinned: the system clock.
        QVERIFY(qAbs(Clock::now().secsTo(QDateTime::currentDateTime())) < 5);
    }

    void recordRoundTrips()
    {
        Clock::Pin pin(at(2021, 5, 20));
        GraphicsTimeItem source;
        source.setPos(40.8, 301);
        source.setZValue(2);
        source.setTimeFormat("'EXP' yyyy-MM-dd");
        source.setValidDays(365);
        source.setFontPixelSize(48);
        source.setFontLetterSpacing(5);
        source.setRotation(180);
        QJsonObject record;
        QVERIFY(source.saveRecord(record));
        QCOMPARE(record.value("TimeAtX").toVariant(), QVariant(40));
        // A date of no product's shelf life writes the record as before.
        QVERIFY(!record.contains("TimeBestBefore"));
        source.setFollowsShelfLife(true);
        QVERIFY(source.saveRecord(record));
        QCOMPARE(record.value("TimeBestBefore"), QJsonValue(true));

        GraphicsTimeItem copy;
        QVERIFY(copy.loadRecord(record));
        QCOMPARE(copy.toPlainText(), QString("EXP 2022-05-20"));
        QVERIFY(copy.followsShelfLife());
        // Every field came back: the record written again is the same.
        QJsonObject again;
        copy.saveRecord(again);
        QCOMPARE(again, record);
    }

    void recordWithMissingOrOddValues_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("days");
        QTest::addColumn<qreal>("rotation");
        QTest::newRow("empty record keeps defaults")
            << QByteArray("{}") << "20/05/2021" << 0 << 0.0;
        QTest::newRow("fractional days read as 0")
            << QByteArray(R"({"TimeValidDays": 1.5, "TimeMode": "dd"})") << "20" << 0 << 0.0;
        QTest::newRow("days and rotation")
            << QByteArray(R"({"TimeValidDays": 12, "TimeMode": "dd", "TimeRotate": 90})") << "01"
            << 12 << 90.0;
        QTest::newRow("format that is not a string gives an empty text")
            << QByteArray(R"({"TimeMode": 5})") << "" << 0 << 0.0;
    }
    void recordWithMissingOrOddValues()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, text);
        QFETCH(int, days);
        QFETCH(qreal, rotation);
        Clock::Pin pin(at(2021, 5, 20));
        GraphicsTimeItem item;
        QVERIFY(item.loadRecord(QJsonDocument::fromJson(json).object()));
        QCOMPARE(item.toPlainText(), text);
        QCOMPARE(item.validDayCount(), days);
        QCOMPARE(item.rotation(), rotation);
        QCOMPARE(item.font().family(), QString("SimHei"));
    }

    // Worked by hand from a calendar; moments in UTC so that no daylight
    // saving of the machine's zone moves them.
    void nextChangesOfADate_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<int>("days");
        QTest::addColumn<QString>("from");
        QTest::addColumn<int>("count");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("into March, not a leap year")
            << "dd/MM/yyyy" << 0 << "2027-02-27T12:00Z" << 3
            << QStringList{"2027-02-28T00:00|Midnight|27/02/2027>28/02/2027",
                           "2027-03-01T00:00|Midnight, month end|28/02/2027>01/03/2027",
                           "2027-03-02T00:00|Midnight|01/03/2027>02/03/2027"};
        QTest::newRow("through 29 February 2028")
            << "dd/MM/yyyy" << 0 << "2028-02-28T08:00Z" << 2
            << QStringList{
                   "2028-02-29T00:00|Midnight, 29 February|28/02/2028>29/02/2028",
                   "2028-03-01T00:00|Midnight, month end, 29 February|29/02/2028>01/03/2028"};
        QTest::newRow("best before a day later reaches 29 February a day early")
            << "dd/MM/yyyy" << 1 << "2028-02-27T23:59Z" << 2
            << QStringList{"2028-02-28T00:00|Midnight|28/02/2028>29/02/2028",
                           "2028-02-29T00:00|Midnight, 29 February|29/02/2028>01/03/2028"};
        QTest::newRow("month and year: month ends only")
            << "MM/yyyy" << 0 << "2027-01-15T10:00Z" << 3
            << QStringList{"2027-02-01T00:00|Midnight, month end|01/2027>02/2027",
                           "2027-03-01T00:00|Midnight, month end|02/2027>03/2027",
                           "2027-04-01T00:00|Midnight, month end|03/2027>04/2027"};
        QTest::newRow("90 days on, the month turns mid-month")
            << "MM/yy" << 90 << "2027-01-01T12:00Z" << 2
            << QStringList{"2027-01-31T00:00|Midnight|04/27>05/27",
                           "2027-03-03T00:00|Midnight|05/27>06/27"};
        QTest::newRow("year only: five changes in five years")
            << "yyyy" << 0 << "2027-06-01T00:00Z" << 10
            << QStringList{"2028-01-01T00:00|Midnight, month end|2027>2028",
                           "2029-01-01T00:00|Midnight, month end|2028>2029",
                           "2030-01-01T00:00|Midnight, month end|2029>2030",
                           "2031-01-01T00:00|Midnight, month end|2030>2031",
                           "2032-01-01T00:00|Midnight, month end|2031>2032"};
        QTest::newRow("week code, Saturday to Monday")
            << "'W'NN" << 0 << "2027-02-27T12:00Z" << 2
            << QStringList{"2027-02-28T00:00|Midnight|W07>W01",
                           "2027-03-01T00:00|Midnight, month end|W01>W02"};
        QTest::newRow("month code stays on today, not the best-before day")
            << "NR" << 30 << "2027-01-20T12:00Z" << 1
            << QStringList{"2027-02-01T00:00|Midnight, month end|Jan>Feb"};
        QTest::newRow("fixed text never changes")
            << "'LOT 7'" << 0 << "2027-01-20T12:00Z" << 10 << QStringList();
        QTest::newRow("hours are named, not listed")
            << "dd HH" << 0 << "2027-01-20T12:00Z" << 10 << QStringList();
    }
    void nextChangesOfADate()
    {
        QFETCH(QString, format);
        QFETCH(int, days);
        QFETCH(QString, from);
        QFETCH(int, count);
        QFETCH(QStringList, expected);
        PrintTimeline timeline;
        timeline.addDate("Date 1", format, days);
        QCOMPARE(listed(timeline, QDateTime::fromString(from, Qt::ISODate), count), expected);
    }

    void paceOfFormats_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<int>("pace");
        using P = PrintTimeline::Pace;
        QTest::newRow("date") << "dd/MM/yyyy" << int(P::Day);
        QTest::newRow("codes") << "NN NO ND NR" << int(P::Day);
        QTest::newRow("quoted letters are text") << "'h m s'yyyy" << int(P::Day);
        QTest::newRow("doubled quote inside text") << "'it''s' dd" << int(P::Day);
        QTest::newRow("am/pm") << "dd ap" << int(P::Hour);
        QTest::newRow("hours") << "HH" << int(P::Hour);
        QTest::newRow("minutes") << "dd/MM hh:mm" << int(P::Minute);
        QTest::newRow("seconds") << "ss" << int(P::Second);
        QTest::newRow("milliseconds") << "zzz" << int(P::Second);
    }
    void paceOfFormats()
    {
        QFETCH(QString, format);
        QFETCH(int, pace);
        QCOMPARE(int(PrintTimeline::paceOf(format)), pace);
    }
};

QTEST_MAIN(TestTimeItem)
#include "tst_timeitem.moc"
