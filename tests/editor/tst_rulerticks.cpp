// SPDX-License-Identifier: GPL-3.0-or-later
#include "rulerticks.h"

#include <QtTest>
#include <limits>

class TestRulerTicks : public QObject
{
    Q_OBJECT
private slots:
    void labels_data();
    void labels();
    void ticks_data();
    void ticks();
    void unusableRangesGiveNoTicks_data();
    void unusableRangesGiveNoTicks();
};

void TestRulerTicks::labels_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("unitMode");
    QTest::addColumn<QString>("text");
    QTest::newRow("3000 dots") << 3000.0 << 0 << "3k";
    QTest::newRow("1000 dots stays whole") << 1000.0 << 0 << "1000";
    QTest::newRow("2500 dots is no thousand") << 2500.0 << 0 << "2500";
    QTest::newRow("2000 dots") << 2000.0 << 0 << "2k";
    QTest::newRow("-3000 dots") << -3000.0 << 0 << "-3k";
    QTest::newRow("fraction cut") << 1999.7 << 0 << "1999";
    QTest::newRow("unknown mode counts dots") << 4000.0 << 7 << "4k";
    QTest::newRow("one head height") << 300.0 << 1 << "1.0";
    QTest::newRow("one and a half heads") << 450.0 << 1 << "1.5";
    QTest::newRow("236 dots in mm") << 236.0 << 2 << "10.0";
    QTest::newRow("-47.2 dots in mm") << -47.2 << 2 << "-2.0";
}

void TestRulerTicks::labels()
{
    QFETCH(double, value);
    QFETCH(int, unitMode);
    QFETCH(QString, text);
    QCOMPARE(rulerLabel(value, unitMode), text);
}

// Each row: a ruler's range and size; expected the labelled ticks as
// "pixel:text", the tick length of each row of ticks in drawing order, and
// the number of ticks.
void TestRulerTicks::ticks_data()
{
    QTest::addColumn<double>("lower");
    QTest::addColumn<double>("upper");
    QTest::addColumn<double>("maxSize");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("fontHeight");
    QTest::addColumn<int>("unitMode");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QList<int>>("rowLengths");
    QTest::addColumn<int>("count");

    // 2 px per dot: step 300, rows of 30, 60 and 300 dots.
    QTest::newRow("dots, step 300")
        << 0.0 << 1000.0 << 1000.0 << 500 << 10 << 0
        << QStringList{"0:0", "150:300", "300:600", "450:900", "600:1200"} << QList<int>{4, 7, 15}
        << 35 + 18 + 5;
    // Half-way pixels round upward: -0.5 -> 0, 149.5 -> 150.
    QTest::newRow("halves round upward")
        << 1.0 << 1001.0 << 1000.0 << 500 << 10 << 0
        << QStringList{"0:0", "150:300", "300:600", "450:900", "600:1200"} << QList<int>{4, 7, 15}
        << 35 + 18 + 5;
    // Steps of 1000: "2k" and on; a row exactly 5 px apart is left out.
    QTest::newRow("thousands") << 0.0 << 4000.0 << 4000.0 << 1000 << 10 << 0
                               << QStringList{"0:0", "250:1000", "500:2k", "750:3k", "1000:4k"}
                               << QList<int>{4, 7, 15} << 41 + 21 + 5;
    QTest::newRow("head heights") << 0.0 << 1200.0 << 1200.0 << 600 << 10 << 1
                                  << QStringList{"0:0.0", "150:1.0", "300:2.0", "450:3.0",
                                                 "600:4.0"}
                                  << QList<int>{4, 7, 15} << 41 + 21 + 5;
    // 100 px per dot: every dot labelled, 236 dots reading 10.0 mm.
    QTest::newRow("millimetres close up")
        << 230.0 << 240.0 << 10.0 << 1000 << 10 << 2
        << QStringList{"0:9.7",    "100:9.8",  "200:9.8",  "300:9.9",  "400:9.9",  "500:10.0",
                       "600:10.0", "700:10.0", "800:10.1", "900:10.1", "1000:10.2"}
        << QList<int>{4, 7, 15} << 101 + 51 + 11;
    // Major ticks 50 px apart (between 3 and 6 font heights): every other
    // tick labelled, and 0 although it falls on an even tick.
    QTest::newRow("odd ticks and zero")
        << -10.0 << 89.0 << 99.0 << 495 << 10 << 0
        << QStringList{"0:-10", "50:0", "100:10", "200:30", "300:50", "400:70", "500:90"}
        << QList<int>{7, 15} << 51 + 11;
    // Major ticks 25 px apart (under 3 font heights): every fourth and 0.
    QTest::newRow("every fourth tick")
        << -2.0 << 7.0 << 9.0 << 225 << 10 << 0 << QStringList{"0:-2", "50:0", "100:2", "200:6"}
        << QList<int>{15} << 10;
    // Steps of 2 dots split in whole dots, not in fifths.
    QTest::newRow("step 2 split in dots")
        << 0.0 << 9.0 << 9.0 << 180 << 10 << 0 << QStringList{"0:0", "80:4", "160:8"}
        << QList<int>{7, 15} << 10 + 6;
    // No step leaves room for the labels: the coarsest one is taken.
    QTest::newRow("coarsest step")
        << 0.0 << 2e6 << 2e6 << 100 << 10 << 0
        << QStringList{"0:0", "30:600k", "60:1200k", "90:1800k"} << QList<int>{15} << 15;
}

void TestRulerTicks::ticks()
{
    QFETCH(double, lower);
    QFETCH(double, upper);
    QFETCH(double, maxSize);
    QFETCH(int, length);
    QFETCH(int, fontHeight);
    QFETCH(int, unitMode);
    QFETCH(QStringList, labels);
    QFETCH(QList<int>, rowLengths);
    QFETCH(int, count);

    const QVector<RulerTick> ticks =
        rulerTicks(RulerRange{lower, upper, maxSize}, length, 16, fontHeight, unitMode);
    QStringList gotLabels;
    QList<int> gotLengths;
    for (const RulerTick &tick : ticks) {
        if (!tick.label.isEmpty())
            gotLabels << QString("%1:%2").arg(tick.pos).arg(tick.label);
        if (gotLengths.isEmpty() || gotLengths.last() != tick.length)
            gotLengths << tick.length;
    }
    QCOMPARE(gotLabels, labels);
    QCOMPARE(gotLengths, rowLengths);
    QCOMPARE(ticks.size(), count);
}

void TestRulerTicks::unusableRangesGiveNoTicks_data()
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    QTest::addColumn<double>("lower");
    QTest::addColumn<double>("upper");
    QTest::addColumn<double>("maxSize");
    QTest::newRow("empty") << 100.0 << 100.0 << 0.0;
    QTest::newRow("not a number") << nan << 100.0 << 100.0;
    QTest::newRow("infinite") << 0.0 << inf << inf;
    QTest::newRow("ticks too close") << 0.0 << 1e12 << 1e12;
}

void TestRulerTicks::unusableRangesGiveNoTicks()
{
    QFETCH(double, lower);
    QFETCH(double, upper);
    QFETCH(double, maxSize);
    QVERIFY(rulerTicks(RulerRange{lower, upper, maxSize}, 800, 16, 12, 0).isEmpty());
}

QTEST_APPLESS_MAIN(TestRulerTicks)
#include "tst_rulerticks.moc"
