// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagramscene.h"

#include "editoritemtypes.h"
#include "messageeditorlog.h"

#include <QGraphicsItem>
#include <QGraphicsSceneMouseEvent>
#include <QtDebug>

diagramScene::diagramScene(QObject *parent) : QGraphicsScene(parent) {}

int diagramScene::rightEdge() const
{
    int edge = 0;
    const QList<QGraphicsItem *> all = items();
    for (const QGraphicsItem *item : all) {
        const QRectF r = item->sceneBoundingRect();
        const qreal right = r.x() + r.width();
        if (right >= editorResolution::kMaxWidth || right < edge)
            continue;
        edge = qMax(edge, int(right));
    }
    return edge;
}

int diagramScene::addAtRightEdge(QGraphicsItem *item)
{
    const int edge = rightEdge();
    qCDebug(lcMessageEditor) << "right edge:" << edge;
    item->setPos(edge, 0);
    addItem(item);
    return edge;
}

void diagramScene::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    QGraphicsScene::mousePressEvent(event);
}

void diagramScene::mouseReleaseEvent(QGraphicsSceneMouseEvent *event)
{
    const QList<QGraphicsItem *> selection = selectedItems();
    if (!selection.isEmpty())
        emit itemSelected(selection.first());
    QGraphicsScene::mouseReleaseEvent(event);
}
