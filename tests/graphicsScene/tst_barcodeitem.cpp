// SPDX-License-Identifier: GPL-3.0-or-later
#include "../common/recordingnotifier.h"
#include "barcodeitem.h"
#include "graphicsscene.h"
#include "graphicstextabstract.h"
#include "messagefile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QPainter>
#include <QStyleOptionGraphicsItem>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QImage render(BarcodeItem &item, bool selected)
{
    const QRect r = item.boundingRect().toAlignedRect();
    QImage image(r.size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.translate(-r.topLeft());
    QStyleOptionGraphicsItem option;
    option.exposedRect = item.boundingRect();
    if (selected)
        option.state |= QStyle::State_Selected;
    item.paint(&painter, &option, nullptr);
    return image;
}

BarcodeItem *addBarcode(GraphicsScene &scene)
{
    scene.addNewItem(TypeBarcode);
    return static_cast<BarcodeItem *>(scene.selectedItems().first());
}

} // namespace

class TestBarcodeItem : public QObject
{
    Q_OBJECT
private slots:

    // The QR size is not saved, so it must not shape the next symbology
    // either (a Code 39 check digit, a fixed Data Matrix size).
    void qrSizeDoesNotCarryOverToAnotherSymbology_data()
    {
        QTest::addColumn<int>("symbology");
        QTest::addColumn<QString>("content");
        QTest::newRow("Code 39") << int(Zint::QZint::Code39) << "KORVEX";
        QTest::newRow("Data Matrix") << int(Zint::QZint::DataMatrix) << "LOT 2021-05-20 LINE 3";
        QTest::newRow("PDF417") << int(Zint::QZint::Pdf417) << "LOT 2021-05-20 LINE 3";
    }
    void qrSizeDoesNotCarryOverToAnotherSymbology()
    {
        QFETCH(int, symbology);
        QFETCH(QString, content);
        BarcodeItem sized;
        sized.setQrSize(2);
        sized.setSymbology(symbology);
        sized.setContent(content);
        sized.setBarHeight(40); // the height Zint chose for the QR Code does carry over
        BarcodeItem fresh;
        fresh.setSymbology(symbology);
        fresh.setContent(content);
        fresh.setBarHeight(40);
        QCOMPARE(sized.encoder().errorCode(), fresh.encoder().errorCode());
        QCOMPARE(sized.pixmap().toImage(), fresh.pixmap().toImage());
    }
    void newItemIsAQrCodeOf123456()
    {
        BarcodeItem item;
        QCOMPARE(item.type(), int(ItemTypeCode::kBarcode));
        QCOMPARE(item.encoder().symbology(), 58);
        QCOMPARE(item.encoder().text(), QString("123456"));
        QCOMPARE(item.flags(), QGraphicsItem::ItemIsMovable | QGraphicsItem::ItemIsSelectable);
        // Rendered at once: version 1, 21 modules of 8 pixels (scale 2.0),
        // the 5-pixel margins and no text block.
        QCOMPARE(item.pixmap().size(), QSize(178, 178));
    }

    void operationsRegenerate()
    {
        BarcodeItem item;
        item.setQrSize(1);
        QCOMPARE(item.encoder().option2(), 2);
        QCOMPARE(item.pixmap().width(), 25 * 8 + 10);
        item.setQrSize(2);
        QCOMPARE(item.pixmap().width(), 29 * 8 + 10);
        item.setQrSize(3); // the panel offers three sizes only
        QCOMPARE(item.encoder().option2(), 3);

        item.setScaleStep(15);
        QCOMPARE(item.encoder().scale(), 1.5f);
        QCOMPARE(item.pixmap().width(), int(1.5 * 29 * 3) + 10);

        item.setSymbology(20);
        item.setGS1Mode(true);
        QCOMPARE(item.encoder().symbology(), 16);
        item.setGS1Mode(false);
        QCOMPARE(item.encoder().symbology(), 20);

        item.setBarHeight(30);
        const int bare = item.pixmap().height();
        QCOMPARE(item.encoder().height(), 30);
        item.setShowText(true);
        QVERIFY(item.pixmap().height() > bare);

        const qint64 shown = item.pixmap().cacheKey();
        item.setContent(QString());
        QCOMPARE(item.encoder().text(), QString("123456"));
        QCOMPARE(item.pixmap().cacheKey(), shown);
        item.setContent("Lot 7");
        QCOMPARE(item.encoder().text(), QString("Lot 7"));
        QVERIFY(item.pixmap().cacheKey() != shown);
    }

    void recordIsWritten()
    {
        BarcodeItem item;
        item.setPos(12.9, -7.6);
        item.setZValue(3.7);
        item.setRotation(90.6);
        item.setSymbology(13);
        item.setContent("950110153000");
        item.setShowText(true);
        item.setScaleStep(7);
        item.setData(ItemData::kId, "Barcode4");
        item.setData(ItemData::kIsExtern, true);
        QJsonObject record;
        QVERIFY(item.saveRecord(record));
        const QJsonObject expected{
            {"BarAtX", 12},
            {"BarAtY", -7},
            {"BarAtZ", 3},
            {"BarRotate", 90},
            {"BarContent", "950110153000"},
            {"BarMode", 13},
            {"BarIsTextOn", true},
            {"BarHeight", 21},
            {"BarInputMode", 1},
            {"BarScale", 0.7},
            {"BarID", "Barcode4"},
            {"BarIsExtern", true},
        };
        QCOMPARE(record, expected);
    }

    void recordRoundTrips_data()
    {
        QTest::addColumn<int>("symbology");
        QTest::addColumn<QString>("content");
        QTest::addColumn<int>("scaleTenths");
        QTest::addColumn<bool>("gs1");
        QTest::newRow("QR at 0.7") << 58 << "Korvex" << 7 << false;
        QTest::newRow("Code 128 at 1.3") << 20 << "AB-12" << 13 << false;
        QTest::newRow("GS1 Data Matrix at 2.9") << 71 << "[01]09501101530003" << 29 << true;
        QTest::newRow("invalid EAN-13 kept") << 13 << "ABC" << 20 << false;
    }
    void recordRoundTrips()
    {
        QFETCH(int, symbology);
        QFETCH(QString, content);
        QFETCH(int, scaleTenths);
        QFETCH(bool, gs1);
        BarcodeItem source;
        source.setSymbology(symbology);
        source.setGS1Mode(gs1);
        source.setContent(content);
        source.setScaleStep(scaleTenths);
        source.setBarHeight(40);
        source.setPos(100, 20);
        QJsonObject record;
        source.saveRecord(record);

        BarcodeItem copy;
        QVERIFY(copy.loadRecord(record));
        QCOMPARE(copy.encoder().scale(), scaleTenths / 10.0f);
        QCOMPARE(copy.encoder().inputMode(), source.encoder().inputMode());
        QCOMPARE(copy.pixmap().toImage(), source.pixmap().toImage());
        QJsonObject again;
        copy.saveRecord(again);
        QCOMPARE(again, record);
    }

    void recordWithoutHeightAndScaleShowsItsContent()
    {
        BarcodeItem item;
        QVERIFY(item.loadRecord(QJsonObject{{"BarMode", 20}, {"BarContent", "Korvex"}}));
        BarcodeItem expected;
        expected.setSymbology(20);
        expected.setContent("Korvex");
        QCOMPARE(item.encoder().scale(), 2.0f);
        QCOMPARE(item.pixmap().toImage(), expected.pixmap().toImage());
    }

    void oddRecordValues_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<int>("symbology");
        QTest::addColumn<float>("scale");
        QTest::addColumn<qreal>("rotation");
        QTest::newRow("empty record keeps defaults") << QByteArray("{}") << 58 << 2.0f << 0.0;
        QTest::newRow("fractional mode and rotation read as 0")
            << QByteArray(R"({"BarMode": 20.5, "BarRotate": 12.5})") << 0 << 2.0f << 0.0;
        QTest::newRow("absurd scale reads as 0")
            << QByteArray(R"({"BarScale": 1e300})") << 58 << 0.0f << 0.0;
        QTest::newRow("scale written as a long float")
            << QByteArray(R"({"BarScale": 0.699999988079071})") << 58 << 0.7f << 0.0;
    }
    void oddRecordValues()
    {
        QFETCH(QByteArray, json);
        BarcodeItem item;
        QVERIFY(item.loadRecord(QJsonDocument::fromJson(json).object()));
        QTEST(item.encoder().symbology(), "symbology");
        QTEST(item.encoder().scale(), "scale");
        QTEST(item.rotation(), "rotation");
        QVERIFY(!item.pixmap().isNull());
    }

    void rotatedItemReloadsInPlace()
    {
        BarcodeItem source;
        source.setSymbology(20);
        source.setContent("Korvex-128");
        source.setPos(300, 40);
        rotateAboutCentre(&source, 90); // as the property panel turns it
        QJsonObject record;
        source.saveRecord(record);
        BarcodeItem copy;
        copy.loadRecord(record);
        QCOMPARE(copy.sceneBoundingRect(), source.sceneBoundingRect());
    }

    void selectionFrameOnlyWhenSelected()
    {
        // A selectable pixmap item's bounds reach half a pixel beyond the
        // pixmap; the frame, inset by half a pixel, runs just around it.
        BarcodeItem item;
        const QImage plain = render(item, false);
        const QImage selected = render(item, true);
        QCOMPARE(plain.size(), QSize(180, 180));
        const int middle = 90;
        for (const QPoint p :
             {QPoint(1, middle), QPoint(middle, 1), QPoint(179, middle), QPoint(middle, 179)}) {
            QCOMPARE(QColor(selected.pixel(p)), QColor(Qt::blue));
            QVERIFY(QColor(plain.pixel(p)) != QColor(Qt::blue));
        }
        QCOMPARE(QColor(selected.pixel(3, middle)), QColor(Qt::white));
    }

    void messageFileKeepsBarcodes()
    {
        QTemporaryDir dir;
        RecordingNotifier notifier;
        GraphicsScene scene;
        BarcodeItem *good = addBarcode(scene);
        good->setSymbology(71);
        good->setContent("Korvex DM");
        BarcodeItem *bad = addBarcode(scene);
        bad->setSymbology(13);
        bad->setContent("not digits");
        bad->setZValue(2);
        const QString path = dir.filePath("codes.spr");
        QVERIFY(MessageFile::save(scene, path));

        GraphicsScene reopened;
        QVERIFY(MessageFile::load(reopened, path));
        QVERIFY(notifier.boxes.isEmpty());
        QCOMPARE(reopened.items().size(), 2);
        QCOMPARE(MessageFile::toDocument(reopened), MessageFile::toDocument(scene));
        const QList<QGraphicsItem *> items = reopened.items(Qt::DescendingOrder);
        auto *topmost = static_cast<BarcodeItem *>(items.first());
        QCOMPARE(topmost->encoder().text(), QString("not digits"));
        QCOMPARE(topmost->pixmap().size(), QSize(800, 300));
        QCOMPARE(static_cast<BarcodeItem *>(items.last())->pixmap().toImage(),
                 good->pixmap().toImage());
    }
};

QTEST_MAIN(TestBarcodeItem)
#include "tst_barcodeitem.moc"
