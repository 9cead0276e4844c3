// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphicsview.h"

#include "graphicsscene.h"
#include "messagefile.h"
#include "qtcornerbox.h"
#include "qtrulebar.h"

#include <QGraphicsTextItem>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace {

// The rulers sit in the viewport margins; they overlap the viewport by one
// pixel so that their base lines run along its edge.
constexpr int kViewportMargin = QtRuleBar::kThickness - 1;

// Print-head bands: 300 dots each, the border drawn on the last dot.
constexpr int kBandHeight = 300;
constexpr int kBandCount = 4;
const QColor kUnusedBandColor(220, 220, 220);

// The first dot of the first band no head prints, or 0 when all print.
int firstUnusedBandTop(quint8 headMask)
{
    switch (headMask) {
    case 1:
        return kBandHeight;
    case 3:
        return 2 * kBandHeight;
    case 7:
        return 3 * kBandHeight;
    default:
        return 0;
    }
}

MessageFile::Result noMessageScene()
{
    MessageFile::Result result;
    result.ok = false;
    return result;
}

} // namespace

GraphicsView::GraphicsView(QWidget *parent)
    : QGraphicsView(parent), m_horizontalRuler(new QtRuleBar(Qt::Horizontal, this, this)),
      m_verticalRuler(new QtRuleBar(Qt::Vertical, this, this)), m_cornerBox(new QtCornerBox(this))
{
    setViewport(new QWidget);
    setAttribute(Qt::WA_DeleteOnClose);
    setStyleSheet(QStringLiteral("QGraphicsView{border:none;}"));
    setViewportMargins(kViewportMargin, kViewportMargin, 0, 0);
    // The fresh viewport would otherwise cover the rulers' base lines.
    m_horizontalRuler->raise();
    m_verticalRuler->raise();
    m_cornerBox->raise();
}

GraphicsScene *GraphicsView::messageScene() const
{
    return qobject_cast<GraphicsScene *>(scene());
}

void GraphicsView::setupMessageView()
{
    setFixedHeight(300);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTransform(QTransform::fromScale(kMessageViewScale, kMessageViewScale));
    centerOn(0, 0);
    setRulersFillSceneOnly(true);
    setHeadMask(15);
    setRulerUnitMode(RulerUnitMillimetres);
    setDragMode(QGraphicsView::RubberBandDrag);
    // The rulers' faces follow the scene's extent as items are added.
    if (scene())
        connect(scene(), &QGraphicsScene::sceneRectChanged, this, &GraphicsView::updateRulers,
                Qt::UniqueConnection);
    updateRulers();
}

void GraphicsView::setHeadMask(quint8 headMask)
{
    m_headMask = headMask;
    viewport()->update();
}

void GraphicsView::setRulersFillSceneOnly(bool on)
{
    m_horizontalRuler->setFillSceneOnly(on);
    m_verticalRuler->setFillSceneOnly(on);
}

void GraphicsView::setRulerUnitMode(int mode)
{
    m_horizontalRuler->setUnitMode(mode);
    m_verticalRuler->setUnitMode(mode);
}

void GraphicsView::updateRulers()
{
    if (!scene())
        return;
    const qreal scale = transform().m11();
    if (scale == 0)
        return;
    const QPoint origin = mapFromScene(sceneRect().topLeft());
    const double dotsPerPixel = 1.0 / scale;
    const double left = (0 - origin.x()) * dotsPerPixel;
    const double right = (width() - QtRuleBar::kThickness - origin.x()) * dotsPerPixel;
    m_horizontalRuler->setRange(left, right, right - left);
    m_horizontalRuler->update();
    const double top = (0 - origin.y()) * dotsPerPixel;
    const double bottom = (height() - QtRuleBar::kThickness - origin.y()) * dotsPerPixel;
    m_verticalRuler->setRange(top, bottom, bottom - top);
    m_verticalRuler->update();
}

void GraphicsView::resizeEvent(QResizeEvent *event)
{
    QGraphicsView::resizeEvent(event);
    setViewportMargins(kViewportMargin, kViewportMargin, 0, 0);
    const int t = QtRuleBar::kThickness;
    m_horizontalRuler->setGeometry(t, 0, width() - t - 1, t);
    m_verticalRuler->setGeometry(0, t, t, height() - t - 1);
    m_cornerBox->setGeometry(0, 0, t, t);
    updateRulers();
}

void GraphicsView::scrollContentsBy(int dx, int dy)
{
    QGraphicsView::scrollContentsBy(dx, dy);
    updateRulers();
}

void GraphicsView::drawForeground(QPainter *painter, const QRectF &rect)
{
    const int sceneWidth = int(sceneRect().width());
    painter->save();
    painter->setPen(QPen(Qt::red, 2, Qt::DashLine));
    for (int band = 1; band <= kBandCount; ++band)
        painter->drawLine(0, band * kBandHeight - 1, sceneWidth, band * kBandHeight - 1);

    // Grey down to the bottom of what is being repainted: a partial repaint
    // low in an unused band (an item dragged there) must come out grey too.
    const int greyTop = firstUnusedBandTop(m_headMask);
    const int greyBottom = int(std::ceil(rect.bottom()));
    if (greyTop > 0 && greyBottom >= greyTop)
        painter->fillRect(QRect(QPoint(0, greyTop), QPoint(sceneWidth - 1, greyBottom)),
                          kUnusedBandColor);
    painter->restore();
}

MessageFile::Result GraphicsView::saveFile(const QString &path)
{
    GraphicsScene *s = messageScene();
    return s ? MessageFile::save(*s, path) : noMessageScene();
}

MessageFile::Result GraphicsView::loadFile(const QString &path)
{
    GraphicsScene *s = messageScene();
    return s ? MessageFile::load(*s, path) : noMessageScene();
}

bool GraphicsView::writeItems(QJsonObject &document)
{
    GraphicsScene *s = messageScene();
    return s && MessageFile::writeItems(*s, document);
}

void GraphicsView::loadItems(const QJsonObject &document)
{
    if (GraphicsScene *s = messageScene())
        MessageFile::loadItems(*s, document);
}

qreal GraphicsView::zoom() const
{
    return transform().m11();
}

void GraphicsView::revealItem(const QGraphicsItem *item)
{
    if (!item)
        return;
    // ensureVisible() keeps the far edges of a rectangle that does not fit:
    // cut it to the view's size from the top left corner first.
    constexpr int kMargin = 8;
    const qreal scale = zoom();
    if (scale <= 0)
        return;
    QRectF wanted = item->sceneBoundingRect();
    const QSize room = viewport()->size();
    wanted.setWidth(std::min(wanted.width(), std::max(room.width() - 2 * kMargin, 1) / scale));
    wanted.setHeight(std::min(wanted.height(), std::max(room.height() - 2 * kMargin, 1) / scale));
    ensureVisible(wanted, kMargin, kMargin);
}

void GraphicsView::zoomIn()
{
    setZoom(zoom() * kZoomStep);
}

void GraphicsView::zoomOut()
{
    setZoom(zoom() / kZoomStep);
}

void GraphicsView::zoomToFit()
{
    const QRectF r = sceneRect();
    if (r.isEmpty())
        return;
    // The room the viewport has once the scene fits and the scroll bars go.
    QSize room = viewport()->size();
    if (horizontalScrollBarPolicy() == Qt::ScrollBarAsNeeded && horizontalScrollBar()->isVisible())
        room.rheight() += horizontalScrollBar()->height();
    if (verticalScrollBarPolicy() == Qt::ScrollBarAsNeeded && verticalScrollBar()->isVisible())
        room.rwidth() += verticalScrollBar()->width();
    // One pixel short, so rounding never brings a scroll bar back.
    setZoom(std::min((room.width() - 1) / r.width(), (room.height() - 1) / r.height()));
    centerOn(r.center());
}

void GraphicsView::zoomToActual()
{
    setZoom(1.0);
}

void GraphicsView::setZoom(qreal zoom)
{
    if (!std::isfinite(zoom))
        return;
    zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
    setTransform(QTransform::fromScale(zoom, zoom));
    updateRulers();
}

// Zooms so that the scene point under `viewportPos` stays under it, as far
// as the scroll range allows.
void GraphicsView::zoomAbout(qreal zoom, const QPointF &viewportPos)
{
    const QPoint anchor = viewportPos.toPoint();
    const QPointF scenePoint = mapToScene(anchor);
    setZoom(zoom);
    const QPoint drift = mapFromScene(scenePoint) - anchor;
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() + drift.x());
    verticalScrollBar()->setValue(verticalScrollBar()->value() + drift.y());
    updateRulers();
}

void GraphicsView::wheelEvent(QWheelEvent *event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QGraphicsView::wheelEvent(event);
        return;
    }
    // 120 units are one notch of a common mouse wheel: one zoom step.
    const int delta = event->angleDelta().y();
    if (delta != 0)
        zoomAbout(zoom() * std::pow(kZoomStep, delta / 120.0), event->position());
    event->accept();
}

void GraphicsView::keyPressEvent(QKeyEvent *event)
{
    int dx = 0;
    int dy = 0;
    switch (event->key()) {
    case Qt::Key_Left:
        dx = -1;
        break;
    case Qt::Key_Right:
        dx = 1;
        break;
    case Qt::Key_Up:
        dy = -1;
        break;
    case Qt::Key_Down:
        dy = 1;
        break;
    default:
        break;
    }
    const Qt::KeyboardModifiers modifiers =
        event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    if ((dx != 0 || dy != 0) && modifiers == Qt::NoModifier) {
        // One dot, or ten with Shift.
        const int step = (event->modifiers() & Qt::ShiftModifier) ? 10 : 1;
        if (nudgeSelection(dx * step, dy * step)) {
            event->accept();
            return;
        }
    }
    QGraphicsView::keyPressEvent(event);
}

bool GraphicsView::nudgeSelection(int dx, int dy)
{
    GraphicsScene *s = messageScene();
    if (!s)
        return false;
    // A text being typed into keeps its arrow keys for the caret.
    if (auto *text = dynamic_cast<QGraphicsTextItem *>(s->focusItem()))
        if (text->textInteractionFlags() & Qt::TextEditable)
            return false;
    QList<QGraphicsItem *> moved;
    QVector<QPointF> from;
    const QList<QGraphicsItem *> selected = s->selectedItems();
    for (QGraphicsItem *item : selected) {
        if (item->flags() & QGraphicsItem::ItemIsMovable) {
            moved << item;
            from << item->pos();
            item->moveBy(dx, dy);
        }
    }
    if (moved.isEmpty())
        return false;
    if (s->autoFitSceneRect)
        s->fitSceneRect();
    emit s->itemPositionChanged();
    emit s->itemsMoved(moved, from, true);
    return true;
}
