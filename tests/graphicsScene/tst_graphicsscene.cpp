// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphicsscene.h"
#include "graphicstextitem.h"

#include <QGraphicsSceneMouseEvent>
#include <QGraphicsView>
#include <QSignalSpy>
#include <QtTest>

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
};

QTEST_MAIN(TestGraphicsScene)
#include "tst_graphicsscene.moc"
