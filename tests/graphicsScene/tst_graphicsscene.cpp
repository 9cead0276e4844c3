// SPDX-License-Identifier: GPL-3.0-or-later
#include "barcodeitem.h"
#include "graphicsscene.h"
#include "graphicstextitem.h"
#include "messagefile.h"
#include "preflight.h"
#include "templatesamples.h"

#include <QGraphicsSceneMouseEvent>
#include <QGraphicsView>
#include <QJsonDocument>
#include <QSignalSpy>
#include <QtTest>

namespace {

// Records of the pre-flight table: a font this computer has, and one
// neither it nor the fonts folder has.
QByteArray text(int x, int y, const char *family = "DejaVu Sans", const char *content = "LOT 12")
{
    return QStringLiteral(R"({"TextAtX":%1,"TextAtY":%2,"TextContent":"%4",)"
                          R"("TextFont":"%3,-1,100,5,50,0,0,0,0,0","TextID":"Text0"})")
        .arg(x)
        .arg(y)
        .arg(QLatin1String(family), QLatin1String(content))
        .toUtf8();
}

QByteArray barcode(int mode, const char *content, double scale, int inputMode = 1)
{
    return QStringLiteral(R"({"BarAtX":20,"BarAtY":20,"BarMode":%1,"BarContent":"%2",)"
                          R"("BarScale":%3,"BarInputMode":%4,"BarID":"Barcode0"})")
        .arg(mode)
        .arg(QLatin1String(content))
        .arg(scale)
        .arg(inputMode)
        .toUtf8();
}

QByteArray message(const char *array, const QByteArray &record, const QByteArray &extra = "")
{
    return "{" + extra + "\"" + array + "\":[" + record + "]}";
}

} // namespace

class TestGraphicsScene : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qRegisterMetaType<ItemType>("ItemType"); }

    void placesNewItemsAtTheRightEndWithFreshIds()
    {
        GraphicsScene scene;
        scene.addNewItem(TypeText);
        QCOMPARE(scene.items().size(), 1);
        QGraphicsItem *first = scene.items().first();
        QCOMPARE(first->pos(), QPointF(0, 0));
        QCOMPARE(first->data(ItemData::kId).toString(), QString("Text0"));
        QCOMPARE(first->data(ItemData::kIsExtern).toBool(), false);

        scene.addNewItem(TypeText);
        QGraphicsItem *second = scene.selectedItems().value(0);
        QVERIFY(second && second != first);
        const QRectF r = first->sceneBoundingRect();
        QCOMPARE(second->pos(), QPointF(int(r.left() + r.width()), 0));
        QCOMPARE(second->data(ItemData::kId).toString(), QString("Text1"));
        QCOMPARE(scene.selectedItems(), QList<QGraphicsItem *>{second});
        // The scene rectangle is fitted to the items, starting at the origin.
        QCOMPARE(scene.sceneRect().topLeft(), QPointF(0, 0));
        QCOMPARE(scene.sceneRect().width(), qreal(int(second->sceneBoundingRect().right())));
    }

    // Added after a text item: placed to its right, selected and reported;
    // only texts and barcodes get an ID and an external flag.
    void addsEveryKindRightOfTheLast_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("typeCode");
        QTest::addColumn<QString>("id"); // empty: none
        QTest::newRow("time") << int(TypeTime) << int(ItemTypeCode::kTime) << "";
        QTest::newRow("serial number")
            << int(TypeSerialNumber) << int(ItemTypeCode::kSerialNumber) << "";
        QTest::newRow("shift code") << int(TypeShiftCode) << int(ItemTypeCode::kShiftCode) << "";
        QTest::newRow("image") << int(TypeImage) << int(ItemTypeCode::kImage) << "";
        QTest::newRow("barcode") << int(TypeBarcode) << int(ItemTypeCode::kBarcode) << "Barcode0";
    }
    void addsEveryKindRightOfTheLast()
    {
        QFETCH(int, kind);
        QFETCH(int, typeCode);
        QFETCH(QString, id);
        GraphicsScene scene;
        scene.addNewItem(TypeText);
        QSignalSpy spy(&scene, &GraphicsScene::curSelectItem);
        scene.addNewItem(ItemType(kind));
        QCOMPARE(scene.items().size(), 2);
        QGraphicsItem *item = scene.selectedItems().value(0);
        QVERIFY(item);
        QCOMPARE(item->type(), typeCode);
        QCOMPARE(item->data(ItemData::kId), id.isEmpty() ? QVariant() : QVariant(id));
        QCOMPARE(item->data(ItemData::kIsExtern), id.isEmpty() ? QVariant() : QVariant(false));
        QCOMPARE(spy.last().at(1).value<ItemType>(), ItemType(kind));
        const QRectF text = scene.items(Qt::AscendingOrder).first()->sceneBoundingRect();
        QCOMPARE(item->pos(), QPointF(int(text.right()), 0));
    }

    void uniqueItemNameReusesGapsAndIgnoresLookAlikes()
    {
        GraphicsScene scene;
        auto add = [&](const QString &id) {
            auto *item = new GraphicsTextItem;
            item->setData(ItemData::kId, id);
            scene.addItem(item);
        };
        add("Text0");
        add("Text2");
        QCOMPARE(scene.uniqueItemName("Text"), QString("Text1"));
        add("Text1");
        add("MyText3"); // contains the prefix but is never a candidate
        add("text3");   // case differs: not collected
        QCOMPARE(scene.uniqueItemName("Text"), QString("Text3"));
        QCOMPARE(scene.uniqueItemName("Barcode"), QString("Barcode0"));
    }

    void reservedAndUnknownKindsOnlyRefitTheScene_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("reserved 5") << int(TypeReserved5);
        QTest::newRow("reserved 6") << int(TypeReserved6);
        QTest::newRow("none") << int(TypeNone);
        QTest::newRow("out of range") << 42;
    }
    void reservedAndUnknownKindsOnlyRefitTheScene()
    {
        QFETCH(int, kind);
        GraphicsScene scene;
        scene.addNewItem(TypeText);
        QGraphicsItem *only = scene.items().first();
        only->setPos(-40, 10); // fitted rectangle must change
        scene.addNewItem(ItemType(kind));
        QCOMPARE(scene.items().size(), 1);
        const QRectF r = scene.itemsBoundingRect();
        QCOMPARE(scene.sceneRect(), QRectF(0, 0, int(r.right()), int(r.bottom())));
    }

    void selectionIsReportedWithItsKind()
    {
        GraphicsScene scene;
        QSignalSpy spy(&scene, &GraphicsScene::curSelectItem);
        scene.addNewItem(TypeText);
        QVERIFY(!spy.isEmpty());
        QGraphicsItem *item = scene.items().first();
        QCOMPARE(spy.last().at(0).value<QGraphicsItem *>(), item);
        QCOMPARE(spy.last().at(1).value<ItemType>(), TypeText);

        spy.clear();
        scene.clearSelection();
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy.last().at(0).value<QGraphicsItem *>(), nullptr);
        QCOMPARE(spy.last().at(1).value<ItemType>(), TypeNone);

        // A foreign item produces no report at all.
        auto *rect = scene.addRect(0, 0, 5, 5);
        rect->setFlag(QGraphicsItem::ItemIsSelectable);
        spy.clear();
        rect->setSelected(true);
        QCOMPARE(spy.size(), 0);
    }

    void deletingSelectedItemsReportsNothingSelectedAndLeavesExternData()
    {
        GraphicsScene scene;
        QSignalSpy sizeSpy(&scene, &GraphicsScene::externDataContainerSizeChanged);
        scene.addNewItem(TypeText);
        scene.addNewItem(TypeText);
        QGraphicsItem *keep = scene.items(Qt::AscendingOrder).first();
        QGraphicsItem *gone = scene.selectedItems().first();
        scene.setItemExtern(gone, true);
        scene.setItemExtern(gone, true); // twice: one column
        QCOMPARE(scene.externData().externItemIds(), QStringList{"Text1"});
        QCOMPARE(sizeSpy.size(), 1);

        QSignalSpy selectSpy(&scene, &GraphicsScene::curSelectItem);
        scene.deleteSelectedItems();
        QCOMPARE(scene.items(), QList<QGraphicsItem *>{keep});
        QVERIFY(scene.externData().isEmpty());
        QCOMPARE(sizeSpy.size(), 2);
        QVERIFY(!selectSpy.isEmpty());
        QCOMPARE(selectSpy.last().at(1).value<ItemType>(), TypeNone);
        // The remaining item now defines the scene rectangle.
        QCOMPARE(scene.sceneRect().width(), qreal(int(keep->sceneBoundingRect().right())));

        // Removing an item that is not external changes nothing.
        scene.setItemExtern(keep, false);
        QCOMPARE(sizeSpy.size(), 2);
    }

    void destroyingTheSceneReportsNoSelection()
    {
        auto *scene = new GraphicsScene;
        scene->addNewItem(TypeText);
        scene->addNewItem(TypeText);
        for (QGraphicsItem *item : scene->items())
            item->setSelected(true);
        QSignalSpy spy(scene, &GraphicsScene::curSelectItem);
        delete scene;
        QCOMPARE(spy.size(), 0);
    }

    void sceneRectStartsAtOriginAfterDraggingToNegativeCoordinates()
    {
        GraphicsScene scene;
        scene.autoFitSceneRect = true;
        QGraphicsView view(&scene);
        scene.addNewItem(TypeText);
        QGraphicsItem *item = scene.items().first();
        const QRectF local = item->boundingRect();
        item->setPos(-100, -50);
        QSignalSpy moved(&scene, &GraphicsScene::itemPositionChanged);
        QGraphicsSceneMouseEvent release(QEvent::GraphicsSceneMouseRelease);
        release.setButton(Qt::LeftButton);
        QCoreApplication::sendEvent(&scene, &release);
        QCOMPARE(moved.size(), 1);
        QCOMPARE(scene.sceneRect().topLeft(), QPointF(0, 0));
        QCOMPARE(scene.sceneRect().size(),
                 QSizeF(int(local.width() - 100), int(local.height() - 50)));
    }

    void backgroundIsWhiteInsideAndGreyAround()
    {
        GraphicsScene scene;
        scene.addNewItem(TypeText);
        scene.clearSelection();
        QImage image(int(scene.sceneRect().width()) + 40, int(scene.sceneRect().height()) + 40,
                     QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter painter(&image);
        scene.render(&painter, QRectF(0, 0, image.width(), image.height()),
                     QRectF(-20, -20, image.width(), image.height()));
        painter.end();
        QCOMPARE(QColor(image.pixel(5, 5)), QColor(220, 220, 220));
        QCOMPARE(QColor(image.pixel(22, 22)), QColor(Qt::white));
    }

    // One row per kind of finding, and the messages that have none.
    void preflightFindings_data()
    {
        using K = Preflight::Kind;
        QTest::addColumn<QByteArray>("document");
        QTest::addColumn<int>("headMask");
        QTest::addColumn<int>("qrSize"); // -1: as loaded
        QTest::addColumn<QList<int>>("kinds");
        QTest::addColumn<QString>("fragment"); // of the first finding's text
        const QList<int> none;
        QTest::newRow("clean text")
            << message("TextItemInfo", text(20, 10)) << 15 << -1 << none << "";
        QTest::newRow("clean EAN-13, 8-dot modules")
            << message("BarcodeItemInfo", barcode(13, "590123412345", 2.0)) << 15 << -1 << none
            << "";
        QTest::newRow("past the bottom") << message("TextItemInfo", text(20, 1150)) << 15 << -1
                                         << QList<int>{int(K::OutsidePrintArea)} << "bottom edge";
        QTest::newRow("left of the start") << message("TextItemInfo", text(-40, 10)) << 15 << -1
                                           << QList<int>{int(K::OutsidePrintArea)} << "left edge";
        QTest::newRow("on head 2, one head printing")
            << message("TextItemInfo", text(20, 350)) << 1 << -1 << QList<int>{int(K::MaskedHead)}
            << "head 2";
        QTest::newRow("across heads 1 and 2, head 2 left out")
            << message("TextItemInfo", text(20, 250)) << 0b0101 << -1
            << QList<int>{int(K::MaskedHead)} << "head 2,";
        QTest::newRow("on head 4, all printing")
            << message("TextItemInfo", text(20, 1000)) << 15 << -1 << none << "";
        QTest::newRow("Code 128 at scale 0.5: half-dot modules")
            << message("BarcodeItemInfo", barcode(20, "ABC123", 0.5)) << 15 << -1
            << QList<int>{int(K::FractionalModule)} << "0.5 dots";
        QTest::newRow("Code 128 at scale 1.5: 4.5-dot modules")
            << message("BarcodeItemInfo", barcode(20, "ABC123", 1.5)) << 15 << -1
            << QList<int>{int(K::FractionalModule)} << "4.5 dots";
        QTest::newRow("Code 128 at scale 1: 2-dot modules")
            << message("BarcodeItemInfo", barcode(20, "ABC123", 1.0)) << 15 << -1 << none << "";
        QTest::newRow("GS1-128, wrong check digit")
            << message("BarcodeItemInfo", barcode(16, "[01]12345678901234", 1.0)) << 15 << -1
            << QList<int>{int(K::Gs1Refused)} << "checksum";
        QTest::newRow("GS1-128, good check digit")
            << message("BarcodeItemInfo", barcode(16, "[01]12345678901231", 1.0)) << 15 << -1
            << none << "";
        QTest::newRow("GS1 QR Code, AI too short")
            << message("BarcodeItemInfo", barcode(58, "[01]123", 2.0, 2)) << 15 << -1
            << QList<int>{int(K::Gs1Refused)} << "GS1";
        QTest::newRow("QR Code 21x21, 80 letters")
            << message("BarcodeItemInfo", barcode(58, QByteArray(80, 'x').constData(), 2.0)) << 15
            << 0 << QList<int>{int(K::OverCapacity)} << "more than the symbol holds";
        QTest::newRow("QR Code 29x29, 40 letters")
            << message("BarcodeItemInfo", barcode(58, QByteArray(40, 'x').constData(), 2.0)) << 15
            << 2 << none << "";
        QTest::newRow("EAN-13 of letters")
            << message("BarcodeItemInfo", barcode(13, "ABCDEFGHIJKL", 2.0)) << 15 << -1
            << QList<int>{int(K::Unencodable)} << "cannot be encoded";
        QTest::newRow("missing font")
            << message("TextItemInfo", text(20, 10, "No Such Family 7")) << 15 << -1
            << QList<int>{int(K::MissingFont)} << "No Such Family 7";
        QTest::newRow("missing picture")
            << message("ImgItemInfo", R"({"ImageAtX":20,"ImageAtY":20,"ImageWidth":50,)"
                                      R"("ImageHeight":50,"ImagePixPath":"/Image/gone.png"})")
            << 15 << -1 << QList<int>{int(K::MissingPicture)} << "gone.png";
        QTest::newRow("no picture chosen")
            << message("ImgItemInfo", R"({"ImageAtX":20,"ImageAtY":20,"ImageWidth":50,)"
                                      R"("ImageHeight":50,"ImagePixPath":""})")
            << 15 << -1 << QList<int>{int(K::MissingPicture)} << "No picture";
        QTest::newRow("missing data file")
            << message("TextItemInfo", text(20, 10),
                       R"("ExternDataInfo":{"ExternMode":1,"ExternFileName":"nowhere.csv"},)")
            << 15 << -1 << QList<int>{int(K::MissingDataFile)} << "nowhere.csv";
        QTest::newRow("three at once: off the area, masked, missing font")
            << message("TextItemInfo", text(20, 1150, "No Such Family 7")) << 3 << -1
            << QList<int>{int(K::OutsidePrintArea), int(K::MaskedHead), int(K::MissingFont)}
            << "bottom edge";
        // Templates are judged filled with the samples of their placeholders.
        QTest::newRow("template: GS1-128 of {{gtin}} and {{lot}}")
            << message("BarcodeItemInfo", barcode(16, "[01]{{gtin}}[10]{{lot}}", 1.0)) << 15 << -1
            << none << "";
        QTest::newRow("template: GS1 DataMatrix with a best-before date")
            << message("BarcodeItemInfo",
                       barcode(71, "[01]{{gtin}}[17]{{best_before:yyMMdd}}[10]{{lot}}", 2.0, 2))
            << 15 << -1 << none << "";
        QTest::newRow("template: GS1-128, the date as written is no AI 17 date")
            << message("BarcodeItemInfo", barcode(16, "[01]{{gtin}}[17]{{best_before}}", 1.0)) << 15
            << -1 << QList<int>{int(K::Gs1Refused)} << "{{best_before}} = \"";
        QTest::newRow("template: GS1-128, a digit after the GTIN")
            << message("BarcodeItemInfo", barcode(16, "[01]{{gtin}}5", 1.0)) << 15 << -1
            << QList<int>{int(K::Gs1Refused)} << "{{gtin}} = \"09501101020917\"";
        QTest::newRow("template: EAN-13 of the 14-digit {{gtin}}")
            << message("BarcodeItemInfo", barcode(13, "{{gtin}}", 2.0)) << 15 << -1
            << QList<int>{int(K::Unencodable)} << "{{gtin}}";
        QTest::newRow("template: a placeholder of no product")
            << message("TextItemInfo", text(20, 10, "DejaVu Sans", "{{colour}} {{lot}}")) << 15
            << -1 << QList<int>{int(K::UnknownPlaceholder)} << "{{colour}} is no standard";
        QTest::newRow("template: the filled text reaches head 2")
            << message("TextItemInfo", text(20, 250, "DejaVu Sans", "{{lot}}")) << 1 << -1
            << QList<int>{int(K::MaskedHead)} << "{{lot}} = \"SAMPLE1\"";
    }
    void preflightFindings()
    {
        QFETCH(QByteArray, document);
        QFETCH(int, headMask);
        QFETCH(int, qrSize);
        QFETCH(QList<int>, kinds);
        QFETCH(QString, fragment);
        const QJsonDocument parsed = QJsonDocument::fromJson(document);
        QVERIFY2(parsed.isObject(), document.constData());
        GraphicsScene scene;
        MessageFile::applyDocument(scene, parsed.object());
        QCOMPARE(scene.items().size(), 1);
        QGraphicsItem *item = scene.items().first();
        if (qrSize >= 0)
            static_cast<BarcodeItem *>(item)->setQrSize(qrSize);
        Preflight::Options options;
        options.headMask = quint8(headMask);
        const QList<Preflight::Finding> findings = Preflight::check(scene, options);
        QList<int> found;
        for (const Preflight::Finding &f : findings) {
            found << int(f.kind);
            // The message's own findings name no item; the others name theirs.
            QCOMPARE(f.item, f.kind == Preflight::Kind::MissingDataFile ? nullptr : item);
            QVERIFY(!f.itemName.isEmpty());
        }
        QCOMPARE(found, kinds);
        if (!findings.isEmpty())
            QVERIFY2(findings.first().text.contains(fragment), qPrintable(findings.first().text));
    }

    // The sample a template is checked with for each kind of job field.
    void templateSamples_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("pattern"); // or the first choice, or the minimum
        QTest::addColumn<QString>("defaultValue");
        QTest::addColumn<QString>("sample");
        QTest::addColumn<bool>("problem");
        using K = TemplateField::Kind;
        QTest::newRow("default first") << int(K::Integer) << "5"
                                       << "7"
                                       << "7" << false;
        QTest::newRow("date: today") << int(K::Date) << ""
                                     << ""
                                     << "2026-12-09" << false;
        QTest::newRow("integer: its minimum") << int(K::Integer) << "3"
                                              << ""
                                              << "3" << false;
        QTest::newRow("integer without range: 1") << int(K::Integer) << ""
                                                  << ""
                                                  << "1" << false;
        QTest::newRow("pick list: the first") << int(K::PickList) << "B"
                                              << ""
                                              << "B" << false;
        QTest::newRow("text without pattern") << int(K::Text) << ""
                                              << ""
                                              << "A1" << false;
        QTest::newRow("pattern of classes and counts") << int(K::Text) << "[A-Z]{2}\\d{3}-?X+"
                                                       << ""
                                                       << "AA111X" << false;
        QTest::newRow("pattern with escapes and anchors") << int(K::Text) << "^L\\.\\w*[0-9]$"
                                                          << ""
                                                          << "L.0" << false;
        QTest::newRow("pattern with alternatives") << int(K::Text) << "(AB|CD)[0-9]"
                                                   << ""
                                                   << "A1" << true;
        QTest::newRow("negated class") << int(K::Text) << "[^a-z]{3}"
                                       << ""
                                       << "A1" << true;
    }
    // A template's GS1 barcode cannot be encoded as written: the designer
    // draws it with the samples pre-flight checks, not as an error box.
    void aTemplateBarcodeIsDrawnWithItsSamples()
    {
        const auto picture = [](const char *content) {
            GraphicsScene scene;
            MessageFile::applyDocument(
                scene,
                QJsonDocument::fromJson(message("BarcodeItemInfo", barcode(16, content, 1.0)))
                    .object());
            return static_cast<BarcodeItem *>(scene.items().first())->pixmap().toImage();
        };
        const QImage drawn = picture("[01]{{gtin}}[10]{{lot}}");
        QCOMPARE(drawn, picture("[01]09501101020917[10]SAMPLE1"));
        QVERIFY(drawn != picture("[01]0950110102091[10]SAMPLE1")); // an error picture
    }

    void templateSamples()
    {
        QFETCH(int, kind);
        QFETCH(QString, pattern);
        QFETCH(QString, defaultValue);
        TemplateField field;
        field.name = QStringLiteral("f");
        field.kind = TemplateField::Kind(kind);
        field.defaultValue = defaultValue;
        if (field.kind == TemplateField::Kind::Text)
            field.pattern = pattern;
        else if (field.kind == TemplateField::Kind::PickList)
            field.choices = QStringList{pattern, QStringLiteral("C")};
        else if (!pattern.isEmpty())
            field = TemplateField{field.name,           {}, field.kind,  {}, true,
                                  pattern.toLongLong(), {}, defaultValue};
        TemplateProducts products;
        products.codes << QStringLiteral("OJ-1L");
        products.fields << field;
        const TemplateSamples samples(products, QDate(2026, 12, 9));
        const TemplateSamples::Sample *sample = samples.find(QStringLiteral("f"));
        QVERIFY(sample);
        QTEST(sample->value, "sample");
        QTEST(!sample->problem.isEmpty(), "problem");
        QCOMPARE(samples.find(QStringLiteral("product"))->value, QStringLiteral("OJ-1L"));
    }
};

QTEST_MAIN(TestGraphicsScene)
#include "tst_graphicsscene.moc"
