// SPDX-License-Identifier: GPL-3.0-or-later
#include "editorresources.h"
#include "graphicsscene.h"
#include "graphicstextitem.h"
#include "graphicsview.h"
#include "qtrulebar.h"

#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>
#include <cmath>
#include <memory>

namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kGrey = qRgb(220, 220, 220);

// A view with its paint hooks reachable from the tests.
class ExposedView : public GraphicsView
{
public:
    using GraphicsView::drawForeground;
};

struct Fixture
{
    GraphicsScene scene;
    std::unique_ptr<ExposedView> view{new ExposedView};

    Fixture(const QSize &size, qreal zoom)
    {
        scene.setSceneRect(0, 0, 3000, 1200);
        view->setScene(&scene);
        view->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        view->setTransform(QTransform::fromScale(zoom, zoom));
        view->resize(size);
        view->show();
    }
    bool exposed() { return QTest::qWaitForWindowExposed(view.get()); }
    double rulerSpan() const
    {
        const RulerRange r = view->horizontalRuler()->range();
        return r.upper - r.lower;
    }
};

class PaintCounter : public QObject
{
public:
    int count = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        count += event->type() == QEvent::Paint;
        return false;
    }
};

bool isRed(QRgb p)
{
    return qRed(p) > 200 && qGreen(p) < 80 && qBlue(p) < 80;
}

} // namespace

class TestGraphicsView : public QObject
{
    Q_OBJECT
private slots:
    void rulersFollowScrollAndScale_data();
    void rulersFollowScrollAndScale();
    void rulersKeepTheirRangeWithoutAScene();
    void emptyRulerShowsOnlyFaceBaseAndMarker_data();
    void emptyRulerShowsOnlyFaceBaseAndMarker();
    void bandsGreyTheUnusedHeads_data();
    void bandsGreyTheUnusedHeads();
    void partialRepaintLowInAnUnusedBandIsGrey_data();
    void partialRepaintLowInAnUnusedBandIsGrey();
    void messageViewShowsAllFourBands();
    void rulerFaceFollowsTheScene();
    void wheelZoomKeepsThePointUnderTheCursor_data();
    void wheelZoomKeepsThePointUnderTheCursor();
    void zoomStepsFitAndActualSize();
    void arrowKeysNudgeTheSelection_data();
    void arrowKeysNudgeTheSelection();
    void panelIconsAreCompiledIn();
};

void TestGraphicsView::rulersFollowScrollAndScale_data()
{
    QTest::addColumn<qreal>("zoom");
    QTest::addColumn<int>("scrollX");
    QTest::addColumn<int>("scrollY");
    QTest::addColumn<QPointF>("horizontal"); // lower, upper in dots
    QTest::addColumn<QPointF>("vertical");
    // The view is 416 x 316: rulers of 400 and 300 pixels of scene.
    QTest::newRow("actual size") << 1.0 << 0 << 0 << QPointF(0, 400) << QPointF(0, 300);
    // Scene's left edge 100 px left of the viewport at half scale: 200 dots.
    QTest::newRow("scrolled, half scale")
        << 0.5 << 100 << 0 << QPointF(200, 1000) << QPointF(0, 600);
    QTest::newRow("scrolled both ways, quarter scale")
        << 0.25 << 40 << 10 << QPointF(160, 1760) << QPointF(40, 1240);
}

void TestGraphicsView::rulersFollowScrollAndScale()
{
    QFETCH(qreal, zoom);
    QFETCH(int, scrollX);
    QFETCH(int, scrollY);
    QFETCH(QPointF, horizontal);
    QFETCH(QPointF, vertical);
    Fixture f(QSize(416, 316), zoom);
    QVERIFY(f.exposed());
    f.view->horizontalScrollBar()->setValue(scrollX);
    f.view->verticalScrollBar()->setValue(scrollY);

    const RulerRange h = f.view->horizontalRuler()->range();
    QCOMPARE(QPointF(h.lower, h.upper), horizontal);
    QCOMPARE(h.maxSize, h.upper - h.lower);
    const RulerRange v = f.view->verticalRuler()->range();
    QCOMPARE(QPointF(v.lower, v.upper), vertical);
}

void TestGraphicsView::rulersKeepTheirRangeWithoutAScene()
{
    GraphicsView view;
    view.resize(300, 200);
    view.horizontalRuler()->setRange(5, 7, 2);
    view.updateRulers();
    QCOMPARE(view.horizontalRuler()->range().upper, 7.0);
}

void TestGraphicsView::emptyRulerShowsOnlyFaceBaseAndMarker_data()
{
    QTest::addColumn<Qt::Orientation>("direction");
    QTest::addColumn<double>("upper");
    QTest::addColumn<bool>("onlyFrame");
    QTest::newRow("horizontal, empty") << Qt::Horizontal << 50.0 << true;
    QTest::newRow("vertical, empty") << Qt::Vertical << 50.0 << true;
    QTest::newRow("horizontal with ticks") << Qt::Horizontal << 500.0 << false;
}

void TestGraphicsView::emptyRulerShowsOnlyFaceBaseAndMarker()
{
    QFETCH(Qt::Orientation, direction);
    QFETCH(double, upper);
    QFETCH(bool, onlyFrame);
    QtRuleBar ruler(direction, nullptr);
    ruler.resize(direction == Qt::Horizontal ? QSize(200, 16) : QSize(16, 200));
    ruler.setRange(50, upper, upper - 50);
    const QImage image = ruler.grab().toImage();

    bool marksOffFrame = false;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            // Horizontal: base line along the bottom, marker down x = 0;
            // vertical: base line down the right edge, marker along y = 0.
            const bool frame =
                direction == Qt::Horizontal ? (y == 15 || x == 0) : (x == 15 || y == 0);
            const QRgb p = image.pixel(x, y);
            if (frame)
                QVERIFY2(qGray(p) < 128, qPrintable(QString("frame %1,%2").arg(x).arg(y)));
            else if (p != kWhite)
                marksOffFrame = true;
        }
    }
    QCOMPARE(marksOffFrame, !onlyFrame);
}

void TestGraphicsView::bandsGreyTheUnusedHeads_data()
{
    QTest::addColumn<int>("mask");
    QTest::addColumn<QList<bool>>("grey"); // per band, top to bottom
    QTest::newRow("one head") << 1 << QList<bool>{false, true, true, true};
    QTest::newRow("two heads") << 3 << QList<bool>{false, false, true, true};
    QTest::newRow("three heads") << 7 << QList<bool>{false, false, false, true};
    QTest::newRow("four heads") << 15 << QList<bool>{false, false, false, false};
    QTest::newRow("not a head count") << 5 << QList<bool>{false, false, false, false};
}

void TestGraphicsView::bandsGreyTheUnusedHeads()
{
    QFETCH(int, mask);
    QFETCH(QList<bool>, grey);
    // Half scale: the scene is 1500 x 600 pixels, all of it in view.
    Fixture f(QSize(1540, 640), 0.5);
    QVERIFY(f.exposed());
    f.view->setHeadMask(quint8(mask));
    const QImage image = f.view->viewport()->grab().toImage();

    for (int band = 0; band < 4; ++band) {
        const QPoint middle = f.view->mapFromScene(1500, band * 300 + 150);
        QCOMPARE(image.pixel(middle), grey.at(band) ? kGrey : kWhite);
    }
    if (mask != 15)
        return;
    // All heads in use: nothing but the four dashed red borders over the
    // white message, each running the scene's whole width.
    for (int y = 0; y < image.height(); ++y) {
        const int dot = qRound(f.view->mapToScene(0, y).y());
        const bool nearBorder = (dot + 1) % 300 <= 4 || (dot + 1) % 300 >= 296;
        int red = 0;
        for (int x = 0; x < 1500; ++x) {
            const QRgb p = image.pixel(x, y);
            if (isRed(p))
                ++red;
            else if (p != kWhite && y < 600)
                QFAIL(qPrintable(QString("stray pixel at %1,%2").arg(x).arg(y)));
        }
        QVERIFY2(red == 0 || nearBorder, qPrintable(QString("red off a border, row %1").arg(y)));
        if (red > 0)
            QVERIFY2(red > 400, qPrintable(QString("border row %1 too short: %2").arg(y).arg(red)));
    }
}

void TestGraphicsView::partialRepaintLowInAnUnusedBandIsGrey_data()
{
    QTest::addColumn<int>("mask");
    QTest::addColumn<bool>("grey");
    QTest::newRow("one head") << 1 << true;
    QTest::newRow("two heads") << 3 << true;
    QTest::newRow("three heads") << 7 << true;
    QTest::newRow("four heads") << 15 << false;
}

// Dragging an item repaints only the strip it passes; a strip deep in an
// unused band must come out grey, not white.
void TestGraphicsView::partialRepaintLowInAnUnusedBandIsGrey()
{
    QFETCH(int, mask);
    QFETCH(bool, grey);
    Fixture f(QSize(400, 300), 0.1);
    f.view->setHeadMask(quint8(mask));
    QImage image(300, 120, QImage::Format_RGB32);
    image.fill(kWhite);
    QPainter painter(&image);
    painter.scale(0.1, 0.1);
    const QRectF strip(0, 1000, 3000, 100);
    painter.setClipRect(strip);
    f.view->drawForeground(&painter, strip);
    painter.end();
    QCOMPARE(image.pixel(150, 105), grey ? kGrey : kWhite);
}

void TestGraphicsView::messageViewShowsAllFourBands()
{
    GraphicsScene scene;
    scene.setSceneRect(0, 0, 3000, 1200);
    GraphicsView view;
    view.setScene(&scene);
    view.resize(600, 400);
    view.setupMessageView();
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    QCOMPARE(view.height(), 300);
    QCOMPARE(view.zoom(), GraphicsView::kMessageViewScale);
    QCOMPARE(view.headMask(), quint8(15));
    QCOMPARE(view.dragMode(), QGraphicsView::RubberBandDrag);
    // The message's top left corner is at the viewport's, and the 1200 dots
    // of the four bands fit above the scroll bar.
    QCOMPARE(view.mapFromScene(0, 0), QPoint(0, 0));
    QVERIFY(view.mapFromScene(0, 1200).y() <= view.viewport()->height());
    QCOMPARE(view.horizontalRuler()->range().lower, 0.0);
    QCOMPARE(view.horizontalRuler()->unitMode(), int(RulerUnitMillimetres));
    QVERIFY(view.verticalRuler()->fillSceneOnly());
}

// With the face over the scene only, the ruler's white grows with the
// message as items are added past its right edge: the ruler is repainted
// although nothing scrolled.
void TestGraphicsView::rulerFaceFollowsTheScene()
{
    GraphicsScene scene;
    scene.setSceneRect(0, 0, 3000, 1200);
    GraphicsView view;
    view.setScene(&scene);
    view.resize(1000, 300);
    view.setupMessageView();
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    // 3600 dots: right of the 3000-dot scene, clear of labels and ticks.
    const int x = view.mapFromScene(3600, 0).x();
    QVERIFY(view.horizontalRuler()->grab().toImage().pixel(x, 2) != kWhite);
    QCoreApplication::processEvents();

    PaintCounter paints;
    view.horizontalRuler()->installEventFilter(&paints);
    scene.setSceneRect(0, 0, 4000, 1200);
    QTRY_VERIFY(paints.count > 0);
    QCOMPARE(view.horizontalRuler()->grab().toImage().pixel(x, 2), kWhite);
}

void TestGraphicsView::wheelZoomKeepsThePointUnderTheCursor_data()
{
    QTest::addColumn<qreal>("startZoom");
    QTest::addColumn<int>("delta");
    QTest::addColumn<bool>("control");
    QTest::addColumn<QPoint>("cursor");
    QTest::newRow("one notch in") << 0.5 << 120 << true << QPoint(200, 150);
    QTest::newRow("one notch out") << 0.5 << -120 << true << QPoint(300, 100);
    QTest::newRow("two notches in") << 1.0 << 240 << true << QPoint(50, 250);
    QTest::newRow("plain wheel scrolls") << 0.5 << 120 << false << QPoint(200, 150);
}

void TestGraphicsView::wheelZoomKeepsThePointUnderTheCursor()
{
    QFETCH(qreal, startZoom);
    QFETCH(int, delta);
    QFETCH(bool, control);
    QFETCH(QPoint, cursor);
    Fixture f(QSize(600, 400), startZoom);
    QVERIFY(f.exposed());
    f.view->horizontalScrollBar()->setValue(300);
    f.view->verticalScrollBar()->setValue(100);
    const QPointF before = f.view->mapToScene(cursor);

    QWheelEvent wheel(cursor, f.view->viewport()->mapToGlobal(cursor), QPoint(), QPoint(0, delta),
                      Qt::NoButton, control ? Qt::ControlModifier : Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(f.view->viewport(), &wheel);

    const qreal zoom =
        control ? startZoom * std::pow(GraphicsView::kZoomStep, delta / 120.0) : startZoom;
    QVERIFY(qFuzzyCompare(f.view->zoom(), zoom));
    QVERIFY(qFuzzyCompare(f.rulerSpan(), (f.view->width() - 16) / zoom));
    if (!control)
        return;
    // Within a pixel: the scroll bars move in whole pixels.
    const QPointF after = f.view->mapToScene(cursor);
    QVERIFY2(std::abs(after.x() - before.x()) <= 1 / zoom &&
                 std::abs(after.y() - before.y()) <= 1 / zoom,
             qPrintable(QString("(%1,%2) moved to (%3,%4)")
                            .arg(before.x())
                            .arg(before.y())
                            .arg(after.x())
                            .arg(after.y())));
}

void TestGraphicsView::zoomStepsFitAndActualSize()
{
    Fixture f(QSize(600, 400), 0.5);
    QVERIFY(f.exposed());
    f.view->zoomIn();
    QCOMPARE(f.view->zoom(), 0.625);
    f.view->zoomOut();
    QCOMPARE(f.view->zoom(), 0.5);
    for (int i = 0; i < 40; ++i)
        f.view->zoomIn();
    QCOMPARE(f.view->zoom(), GraphicsView::kMaxZoom);
    for (int i = 0; i < 60; ++i)
        f.view->zoomOut();
    QCOMPARE(f.view->zoom(), GraphicsView::kMinZoom);
    QVERIFY(qFuzzyCompare(f.rulerSpan(), (f.view->width() - 16) / GraphicsView::kMinZoom));

    f.view->zoomToActual();
    QCOMPARE(f.view->mapFromScene(100, 0).x() - f.view->mapFromScene(0, 0).x(), 100);
    QVERIFY(qFuzzyCompare(f.rulerSpan(), f.view->width() - 16.0));

    // Fit: the whole message in view without scroll bars, touching one side.
    f.view->zoomToFit();
    QCoreApplication::processEvents();
    const QRect scene = f.view->mapFromScene(f.scene.sceneRect()).boundingRect();
    const QRect viewport = f.view->viewport()->rect();
    QVERIFY2(viewport.contains(scene), qPrintable(QString("%1x%2 in %3x%4")
                                                      .arg(scene.width())
                                                      .arg(scene.height())
                                                      .arg(viewport.width())
                                                      .arg(viewport.height())));
    QVERIFY(scene.width() >= viewport.width() - 3 || scene.height() >= viewport.height() - 3);
    QVERIFY(!f.view->horizontalScrollBar()->isVisible());
}

void TestGraphicsView::arrowKeysNudgeTheSelection_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<bool>("select");
    QTest::addColumn<QPoint>("moved");
    QTest::newRow("right") << int(Qt::Key_Right) << Qt::KeyboardModifiers() << true << QPoint(1, 0);
    QTest::newRow("left") << int(Qt::Key_Left) << Qt::KeyboardModifiers() << true << QPoint(-1, 0);
    QTest::newRow("shift up") << int(Qt::Key_Up) << Qt::KeyboardModifiers(Qt::ShiftModifier) << true
                              << QPoint(0, -10);
    QTest::newRow("shift down") << int(Qt::Key_Down) << Qt::KeyboardModifiers(Qt::ShiftModifier)
                                << true << QPoint(0, 10);
    QTest::newRow("control right is not a nudge")
        << int(Qt::Key_Right) << Qt::KeyboardModifiers(Qt::ControlModifier) << true << QPoint();
    QTest::newRow("nothing selected")
        << int(Qt::Key_Right) << Qt::KeyboardModifiers() << false << QPoint();
}

void TestGraphicsView::arrowKeysNudgeTheSelection()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(bool, select);
    QFETCH(QPoint, moved);
    Fixture f(QSize(600, 400), 0.5);
    auto *first = new GraphicsTextItem;
    auto *second = new GraphicsTextItem;
    auto *pinned = new GraphicsTextItem; // as in the preview: not movable
    const QList<GraphicsTextItem *> items{first, second, pinned};
    for (int i = 0; i < items.size(); ++i) {
        items[i]->setPlainText("LOT");
        items[i]->setPos(100 + 400 * i, 100);
        f.scene.addItem(items[i]);
        items[i]->setSelected(select);
    }
    pinned->setFlag(QGraphicsItem::ItemIsMovable, false);
    QSignalSpy positions(&f.scene, &GraphicsScene::itemPositionChanged);

    QTest::keyClick(f.view.get(), Qt::Key(key), modifiers);

    QCOMPARE(first->pos(), QPointF(100, 100) + moved);
    QCOMPARE(second->pos(), QPointF(500, 100) + moved);
    QCOMPARE(pinned->pos(), QPointF(900, 100));
    QCOMPARE(positions.count(), moved.isNull() ? 0 : 1);
}

void TestGraphicsView::panelIconsAreCompiledIn()
{
    initEditorResources();
    for (const char *name : {"help", "shift_add", "shift_delete", "shift_refresh"}) {
        const QImage icon(QString(":/image/%1.png").arg(name));
        QCOMPARE(icon.size(), QSize(32, 32));
    }
}

QTEST_MAIN(TestGraphicsView)
#include "tst_graphicsview.moc"
