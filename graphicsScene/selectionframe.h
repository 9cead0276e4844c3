// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QGraphicsPixmapItem;
class QPainter;
class QRectF;
class QStyleOptionGraphicsItem;
class QWidget;

// The items' own selection mark: a cosmetic solid blue line along the
// bounding rectangle inset by half a pixel, instead of the framework's
// dashed outline.
void drawSelectionFrame(QPainter *painter, const QRectF &bounds);

// Paints a pixmap item without the framework's outline, then the frame when
// the item is selected.
void paintPixmapWithFrame(QGraphicsPixmapItem *item, QPainter *painter,
                          const QStyleOptionGraphicsItem *option, QWidget *widget);
