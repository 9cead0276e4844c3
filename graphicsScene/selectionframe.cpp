// SPDX-License-Identifier: GPL-3.0-or-later
#include "selectionframe.h"

#include <QGraphicsPixmapItem>
#include <QPainter>
#include <QStyleOptionGraphicsItem>

void drawSelectionFrame(QPainter *painter, const QRectF &r)
{
    painter->setPen(QPen(Qt::blue, 0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(QRectF(r.left() + 0.5, r.top() + 0.5, r.width() - 1, r.height() - 1));
}

void paintPixmapWithFrame(QGraphicsPixmapItem *item, QPainter *painter,
                          const QStyleOptionGraphicsItem *option, QWidget *widget)
{
    QStyleOptionGraphicsItem plain(*option);
    plain.state &= ~QStyle::State_Selected;
    item->QGraphicsPixmapItem::paint(painter, &plain, widget);
    if (option->state & QStyle::State_Selected)
        drawSelectionFrame(painter, item->boundingRect());
}
