// SPDX-License-Identifier: GPL-3.0-or-later
#include "templatefill.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

// Filling a template for a job, without a station or a catalogue.
class TestTemplateFill : public QObject
{
    Q_OBJECT
private slots:
    // A date item of the template following the product's shelf life gets
    // the days from the production date to the best-before date; one that
    // does not keeps its own.
    void dateItemsFollowTheShelfLife_data()
    {
        QTest::addColumn<QString>("rule"); // empty: none given to the fill
        QTest::addColumn<bool>("follows");
        QTest::addColumn<QString>("production");
        QTest::addColumn<int>("days"); // of the filled item; -1: the fill is refused
        QTest::newRow("30 days") << "30 days" << true << "2026-12-09" << 30;
        QTest::newRow("18 months from a long month")
            << "18 months" << true << "2026-01-31" << 546; // to 2027-07-31
        QTest::newRow("1 month from 31 January: the last of February")
            << "1 months" << true << "2027-01-31" << 28;
        QTest::newRow("1 month, end of month")
            << "1 months, end of month" << true << "2026-01-15" << 44; // to 2026-02-28
        QTest::newRow("an item of its own days") << "30 days" << false << "2026-12-09" << 7;
        QTest::newRow("no rule given: as written") << "" << true << "2026-12-09" << 7;
        QTest::newRow("a product without shelf life") << "none" << true << "2026-12-09" << -1;
    }
    void dateItemsFollowTheShelfLife()
    {
        QFETCH(QString, rule);
        QFETCH(bool, follows);
        QFETCH(QString, production);
        QFETCH(int, days);
        QJsonObject item{{"TimeMode", "dd.MM.yy"}, {"TimeValidDays", 7}, {"TimeAtX", 5}};
        if (follows)
            item.insert(QLatin1String(TemplateFill::bestBeforeKey()), true);
        const QJsonObject document{
            {"TimeItemInfo", QJsonArray{item}},
            {"TextItemInfo", QJsonArray{QJsonObject{{"TextContent", "LOT {{lot}}"}}}}};
        ShelfLifeRule shelfLife;
        QString error;
        if (!rule.isEmpty())
            QVERIFY2(ShelfLifeRule::parse(rule, &shelfLife, &error), qPrintable(error));
        const TemplateFill::Result result = TemplateFill::fill(
            QJsonDocument(document).toJson(), {{"lot", "A2041"}, {"production", production}},
            rule.isEmpty() ? nullptr : &shelfLife);
        if (days < 0) {
            QVERIFY(!result.ok);
            QVERIFY2(result.error.contains("no shelf life"), qPrintable(result.error));
            return;
        }
        QVERIFY2(result.ok, qPrintable(result.error));
        const QJsonDocument filled = QJsonDocument::fromJson(result.filled);
        const QJsonObject time = filled["TimeItemInfo"][0].toObject();
        QCOMPARE(time.value("TimeValidDays").toInt(), days);
        // Everything else of the item is as the template has it.
        QCOMPARE(time.value("TimeMode").toString(), QStringLiteral("dd.MM.yy"));
        QCOMPARE(time.value("TimeAtX").toInt(), 5);
        QCOMPARE(filled["TextItemInfo"][0]["TextContent"].toString(), QStringLiteral("LOT A2041"));
    }
};

QTEST_MAIN(TestTemplateFill)
#include "tst_templatefill.moc"
