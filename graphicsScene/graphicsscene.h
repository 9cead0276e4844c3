// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "externdatamanage.h"
#include "itemtypes.h"

#include <QGraphicsScene>
#include <QVector>

// The design scene of one print message.  Scene units are print dots; x runs
// along the message, y across it, downward from 0.
class GraphicsScene : public QGraphicsScene
{
    Q_OBJECT
public:
    explicit GraphicsScene(QObject *parent = nullptr);
    ~GraphicsScene() override;

    ExternDataManage &externData() { return m_dataManage; }
    const ExternDataManage &externData() const { return m_dataManage; }

    bool autoFitSceneRect = false;

    void addNewItem(ItemType kind);
    void setItemExtern(QGraphicsItem *item, bool on);
    void deleteSelectedItems();
    QString uniqueItemName(const QString &prefix) const;
    void fitSceneRect();

    // Creates an item of a kind with its constructor defaults, or nullptr for
    // a kind that has no item class.
    static QGraphicsItem *createItem(ItemType kind);
    // The kind of an item from its type code; TypeNone for foreign items.
    static ItemType kindOf(const QGraphicsItem *item);

signals:
    void curSelectItem(QGraphicsItem *item, ItemType kind);
    void itemPositionChanged();
    void externDataContainerSizeChanged();
    // The user moved items, by a mouse drag or (nudge) by the arrow keys;
    // from holds where each was before.
    void itemsMoved(const QList<QGraphicsItem *> &items, const QVector<QPointF> &from, bool nudge);

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;
    void drawBackground(QPainter *painter, const QRectF &rect) override;

private:
    void onSelectionChanged();

    // The movable items selected when a mouse button went down, and where
    // they were.
    QList<QGraphicsItem *> m_dragItems;
    QVector<QPointF> m_dragFrom;

    ExternDataManage m_dataManage;
};
