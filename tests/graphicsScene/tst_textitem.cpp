// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphicstextitem.h"

#include <QGraphicsScene>
#include <QJsonDocument>
#include <QPainter>
#include <QStyleOptionGraphicsItem>
#include <QtTest>

class TestTextItem : public QObject
{
    Q_OBJECT
private slots:
    void newItemDefaults()
    {
        GraphicsTextItem item;
        QCOMPARE(item.type(), int(ItemTypeCode::kText));
        QCOMPARE(item.toPlainText(), QString("Input Text"));
        QCOMPARE(item.contentText(), QString("Input Text"));
        QCOMPARE(item.font().family(), QString("SimHei"));
        QCOMPARE(item.font().pixelSize(), 150);
        QCOMPARE(item.flags(), QGraphicsItem::ItemIsMovable | QGraphicsItem::ItemIsSelectable |
                                   QGraphicsItem::ItemSendsGeometryChanges);
    }

    void recordIsWrittenWithTruncatedNumbers()
    {
        GraphicsTextItem item;
        item.setPos(12.9, 7.2);
        item.setZValue(3.7);
        item.setPlainText("Lot 42");
        item.setFontLetterSpacing(4);
        item.setData(ItemData::kId, "Text3");
        item.setData(ItemData::kIsExtern, true);
        QJsonObject record;
        QVERIFY(item.saveRecord(record));
        QCOMPARE(record.value("TextAtX").toVariant(), QVariant(12));
        QCOMPARE(record.value("TextAtY").toVariant(), QVariant(7));
        QCOMPARE(record.value("TextAtZ").toVariant(), QVariant(3));
        QCOMPARE(record.value("TextContent").toString(), QString("Lot 42"));
        QCOMPARE(record.value("TextFontSpace").toDouble(), 4.0);
        QCOMPARE(record.value("TextRotate").toDouble(), 0.0);
        QCOMPARE(record.value("TextID").toString(), QString("Text3"));
        QCOMPARE(record.value("TextIsExtern").toBool(), true);
        QFont parsed;
        QVERIFY(parsed.fromString(record.value("TextFont").toString()));
        QCOMPARE(parsed.family(), QString("SimHei"));
        QCOMPARE(parsed.pixelSize(), 150);
    }

    void recordRoundTripsThroughAnotherItem()
    {
        GraphicsTextItem source;
        source.setPos(30, 40);
        source.setPlainText("Best before");
        source.setFontPixelSize(64);
        source.setFontBold(true);
        source.setFontLetterSpacing(6);
        source.setRotation(90);
        QJsonObject record;
        source.saveRecord(record);

        GraphicsTextItem copy;
        QVERIFY(copy.loadRecord(record));
        QCOMPARE(copy.pos(), QPointF(30, 40));
        QCOMPARE(copy.toPlainText(), QString("Best before"));
        QCOMPARE(copy.contentText(), QString("Best before"));
        QCOMPARE(copy.font().pixelSize(), 64);
        QCOMPARE(copy.font().weight(), int(QFont::Bold));
        // Spacing read after the font: the font description alone would drop it.
        QCOMPARE(copy.font().letterSpacing(), 6.0);
        QCOMPARE(copy.font().letterSpacingType(), QFont::AbsoluteSpacing);
        QCOMPARE(copy.rotation(), 90.0);
        // Rotation origin is the centre of the text in its final font.
        QCOMPARE(copy.transformOriginPoint(), copy.boundingRect().center());

        QJsonObject again;
        copy.saveRecord(again);
        QCOMPARE(again, record);
    }

    // None of these records holds an external flag that reads as true.
    void recordWithMissingOrOddValues_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("text");
        QTest::addColumn<qreal>("rotation");
        QTest::addColumn<QPointF>("pos");
        QTest::newRow("empty record keeps defaults")
            << QByteArray("{}") << "Input Text" << 0.0 << QPointF(0, 0);
        QTest::newRow("fractional rotation reads as 0")
            << QByteArray(R"({"TextRotate": 12.5, "TextContent": "A"})") << "A" << 0.0
            << QPointF(0, 0);
        QTest::newRow("fractional position reads as 0")
            << QByteArray(R"({"TextAtX": 3.5, "TextAtY": 8})") << "Input Text" << 0.0
            << QPointF(0, 8);
        QTest::newRow("external flag that is not a boolean")
            << QByteArray(R"({"TextIsExtern": "yes"})") << "Input Text" << 0.0 << QPointF(0, 0);
        QTest::newRow("bad font description keeps the default font")
            << QByteArray(R"({"TextFont": "", "TextRotate": 180})") << "Input Text" << 180.0
            << QPointF(0, 0);
    }
    void recordWithMissingOrOddValues()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, text);
        GraphicsTextItem item;
        QVERIFY(item.loadRecord(QJsonDocument::fromJson(json).object()));
        QCOMPARE(item.toPlainText(), text);
        QCOMPARE(item.contentText(), text);
        QTEST(item.rotation(), "rotation");
        QTEST(item.pos(), "pos");
        QVERIFY(!item.data(ItemData::kIsExtern).toBool());
        QCOMPARE(item.font().family(), QString("SimHei"));
    }

    void applyFontFamilyKeepsTheRememberedStyle()
    {
        GraphicsTextItem item;
        item.setFontBold(true);
        item.setFontItalic(true);
        item.setFontUnderline(true);
        item.setFontPixelSize(40);
        item.setFontLetterSpacing(3);
        item.applyFontFamily(QFont("DejaVu Sans"));
        const QFont f = item.font();
        QCOMPARE(f.family(), QString("DejaVu Sans"));
        QCOMPARE(f.weight(), int(QFont::Bold));
        QCOMPARE(f.style(), QFont::StyleItalic);
        QVERIFY(f.underline());
        QCOMPARE(f.pixelSize(), 40);
        QCOMPARE(f.letterSpacing(), 3.0);

        item.setFontBold(false);
        item.applyFontFamily(QFont("DejaVu Serif"));
        QCOMPARE(item.font().weight(), int(QFont::Normal));
    }

    void selectionFrameIsThinBlueAndOnlyWhenSelected()
    {
        GraphicsTextItem item;
        item.setPlainText("  ");
        item.setFontPixelSize(20);
        const QRect r = item.boundingRect().toAlignedRect();
        auto render = [&](bool selected) {
            QImage image(r.size(), QImage::Format_ARGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            QStyleOptionGraphicsItem option;
            if (selected)
                option.state |= QStyle::State_Selected;
            item.paint(&painter, &option, nullptr);
            painter.end();
            return image;
        };
        const QImage plain = render(false);
        const QImage selected = render(true);
        QCOMPARE(QColor(plain.pixel(0, r.height() / 2)), QColor(Qt::white));
        QCOMPARE(QColor(selected.pixel(0, r.height() / 2)), QColor(Qt::blue));
        QCOMPARE(QColor(selected.pixel(r.width() / 2, 0)), QColor(Qt::blue));
        // One unit wide: the next column inside stays white.
        QCOMPARE(QColor(selected.pixel(2, r.height() / 2)), QColor(Qt::white));
    }
};

QTEST_MAIN(TestTextItem)
#include "tst_textitem.moc"
