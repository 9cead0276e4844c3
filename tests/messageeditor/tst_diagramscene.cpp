// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagramscene.h"
#include "diagramtextitem.h"

#include <QGraphicsRectItem>
#include <QGraphicsView>
#include <QtTest>

namespace {

// A view on a scene with two 100 × 100 boxes, as the editor shows it.
struct canvas
{
    diagramScene scene;
    QGraphicsView view;
    QGraphicsRectItem *left = nullptr;
    QGraphicsRectItem *right = nullptr;
    QList<QGraphicsItem *> reported; // by itemSelected

    canvas()
    {
        QObject::connect(&scene, &diagramScene::itemSelected,
                         [this](QGraphicsItem *item) { reported << item; });
        scene.setSceneRect(0, 0, 1000, 300);
        left = scene.addRect(0, 0, 100, 100);
        right = scene.addRect(0, 0, 100, 100);
        for (QGraphicsRectItem *box : {left, right}) {
            box->setBrush(Qt::black);
            box->setFlags(QGraphicsItem::ItemIsMovable | QGraphicsItem::ItemIsSelectable);
        }
        left->setPos(100, 100);
        right->setPos(300, 100);
        view.setScene(&scene);
        view.setDragMode(QGraphicsView::RubberBandDrag);
        view.resize(1100, 400);
        view.setAlignment(Qt::AlignLeft | Qt::AlignTop);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
    }

    QPoint at(qreal x, qreal y) const { return view.mapFromScene(QPointF(x, y)); }

    void send(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, QPoint pos)
    {
        QMouseEvent event(type, pos, view.viewport()->mapToGlobal(pos), button, held,
                          Qt::NoModifier);
        QApplication::sendEvent(view.viewport(), &event);
    }

    // Press at from, move to to with the button held, release there.
    void drag(Qt::MouseButton button, QPoint from, QPoint to)
    {
        send(QEvent::MouseButtonPress, button, button, from);
        send(QEvent::MouseMove, Qt::NoButton, button, (from + to) / 2);
        send(QEvent::MouseMove, Qt::NoButton, button, to);
        send(QEvent::MouseButtonRelease, button, Qt::NoButton, to);
    }
};

} // namespace

class TestDiagramScene : public QObject
{
    Q_OBJECT
private slots:
    void leftDragSelectsMovesAndReports();
    void otherButtonsNeitherSelectNorMove_data();
    void otherButtonsNeitherSelectNorMove();
    void rubberBandReportsOnlyTheFirstSelected();
    void clickOnEmptyCanvasReportsNothing();
    void rightEdge_data();
    void rightEdge();
    void newItemsGoToTheRightEdge();
};

void TestDiagramScene::leftDragSelectsMovesAndReports()
{
    canvas c;
    QCOMPARE(c.scene.editMode(), int(diagramScene::kMoveItem));
    c.drag(Qt::LeftButton, c.at(150, 150), c.at(170, 160));
    QVERIFY(c.left->isSelected());
    QCOMPARE(c.left->pos(), QPointF(120, 110));
    QCOMPARE(c.reported, QList<QGraphicsItem *>{c.left});
}

void TestDiagramScene::otherButtonsNeitherSelectNorMove_data()
{
    QTest::addColumn<int>("button");
    QTest::newRow("right") << int(Qt::RightButton);
    QTest::newRow("middle") << int(Qt::MiddleButton);
}

void TestDiagramScene::otherButtonsNeitherSelectNorMove()
{
    QFETCH(int, button);
    canvas c;
    c.drag(Qt::MouseButton(button), c.at(150, 150), c.at(190, 170));
    QVERIFY(!c.left->isSelected());
    QCOMPARE(c.left->pos(), QPointF(100, 100));
    QVERIFY(c.reported.isEmpty());
}

void TestDiagramScene::rubberBandReportsOnlyTheFirstSelected()
{
    canvas c;
    c.drag(Qt::LeftButton, c.at(50, 50), c.at(450, 250));
    const QList<QGraphicsItem *> both = c.scene.selectedItems();
    QCOMPARE(both.size(), 2);
    QCOMPARE(c.reported, QList<QGraphicsItem *>{both.first()});
    QCOMPARE(c.left->pos(), QPointF(100, 100)); // a rubber band moves nothing
}

void TestDiagramScene::clickOnEmptyCanvasReportsNothing()
{
    canvas c;
    c.drag(Qt::LeftButton, c.at(700, 250), c.at(700, 250));
    QVERIFY(c.reported.isEmpty());
    QVERIFY(c.scene.selectedItems().isEmpty());
}

void TestDiagramScene::rightEdge_data()
{
    QTest::addColumn<QList<QRectF>>("rects");
    QTest::addColumn<int>("edge");
    QTest::newRow("empty") << QList<QRectF>{} << 0;
    // Guide lines run across the whole width and never count.
    QTest::newRow("only guide lines")
        << QList<QRectF>{QRectF(0, 0, 80000, 0), QRectF(0, 300, 80000, 0)} << 0;
    QTest::newRow("truncated") << QList<QRectF>{QRectF(10.5, 0, 589.9, 20)} << 600;
    QTest::newRow("largest below 80000")
        << QList<QRectF>{QRectF(0, 0, 500, 5), QRectF(79000, 0, 999.5, 5), QRectF(79990, 0, 10, 5)}
        << 79999;
    QTest::newRow("left of the canvas") << QList<QRectF>{QRectF(-300, 0, 100, 5)} << 0;
}

void TestDiagramScene::rightEdge()
{
    QFETCH(QList<QRectF>, rects);
    QFETCH(int, edge);
    diagramScene scene;
    for (const QRectF &r : rects) {
        // Items report their bounding rectangles with the pen's half-width
        // added; a cosmetic zero-width pen adds nothing.
        auto *item = scene.addRect(QRectF(0, 0, r.width(), r.height()), QPen(Qt::NoPen));
        item->setPos(r.topLeft());
    }
    QCOMPARE(scene.rightEdge(), edge);
}

void TestDiagramScene::newItemsGoToTheRightEdge()
{
    diagramScene scene;
    scene.addLine(0, 0, 80000, 0);
    auto *first = new diagramTextItem;
    QCOMPARE(scene.addAtRightEdge(first), 0);
    QCOMPARE(first->pos(), QPointF(0, 0));
    const int edge = int(first->sceneBoundingRect().right());
    auto *second = new diagramTextItem;
    QCOMPARE(scene.addAtRightEdge(second), edge);
    QCOMPARE(second->pos(), QPointF(edge, 0));
    QVERIFY(!second->isSelected());
}

QTEST_MAIN(TestDiagramScene)
#include "tst_diagramscene.moc"
