// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "externdatamanage.h"

#include <QJsonObject>
#include <QList>
#include <QPointF>
#include <QUndoCommand>
#include <QVector>

class GraphicsScene;
class QGraphicsItem;

// The designer's undo steps.  Items keep their identity through every step:
// a step that takes items out of the scene keeps them (and deletes them
// only if it is itself deleted while they are out), so that the steps
// before and after it can still name them.
namespace DesignUndo {

// Everything about one item that a property panel can change: its record
// as the message file holds it, plus what the record leaves out (a
// barcode's options, the remembered font style, the data-file column).
struct ItemState
{
    QJsonObject record;
    int options[3] = {0, 0, 0};
    int style[5] = {0, 0, 0, 0, 0};
    int column = -1; // index among the data-file columns; -1: not external
    ExternDataManage::Column columnData;

    bool operator==(const ItemState &other) const;
    bool operator!=(const ItemState &other) const { return !(*this == other); }
};

ItemState capture(QGraphicsItem *item, const GraphicsScene &scene);
void restore(QGraphicsItem *item, const ItemState &state, GraphicsScene &scene);

// What the user-facing kind of an item is called: "Text", "Barcode" ...
QString kindName(const QGraphicsItem *item);

// Items added to the scene (already there when the step is pushed).
class AddItems : public QUndoCommand
{
public:
    AddItems(GraphicsScene *scene, const QList<QGraphicsItem *> &items);
    ~AddItems() override;
    void undo() override;
    void redo() override;

private:
    GraphicsScene *m_scene;
    QList<QGraphicsItem *> m_items;
    bool m_out = false; // the items are out of the scene, and ours
    bool m_done = true;
};

// Items taken out of the scene, with their data-file columns; undone, they
// come back at their places in the stacking order and among the columns.
class RemoveItems : public QUndoCommand
{
public:
    RemoveItems(GraphicsScene *scene, const QList<QGraphicsItem *> &items);
    ~RemoveItems() override;
    void undo() override;
    void redo() override;

private:
    struct Removed
    {
        QGraphicsItem *item;
        int stackIndex;
        int column; // -1: not external
        ExternDataManage::Column columnData;
    };
    GraphicsScene *m_scene;
    QList<QGraphicsItem *> m_items;
    QVector<Removed> m_removed;
    bool m_out = false;
};

// Items moved by a drag (one step) or by the arrow keys (a run of them
// merges into one step).  Already moved when pushed.
class MoveItems : public QUndoCommand
{
public:
    enum { Id = 1 };
    MoveItems(GraphicsScene *scene, const QList<QGraphicsItem *> &items,
              const QVector<QPointF> &from, bool nudge);
    void undo() override;
    void redo() override;
    int id() const override { return m_nudge ? Id : -1; }
    bool mergeWith(const QUndoCommand *other) override;

private:
    void place(const QVector<QPointF> &positions);

    GraphicsScene *m_scene;
    QList<QGraphicsItem *> m_items;
    QVector<QPointF> m_from;
    QVector<QPointF> m_to;
    bool m_nudge;
    bool m_done = true;
};

// A change made through a property panel: the item's state before and
// after.  Changes of one field of one item in a row merge (typing), within
// one session (the designer starts a new one when the selection changes).
class ChangeItem : public QUndoCommand
{
public:
    enum { Id = 2 };
    ChangeItem(GraphicsScene *scene, QGraphicsItem *item, const QString &field, int session,
               const ItemState &before, const ItemState &after);
    void undo() override;
    void redo() override;
    int id() const override { return Id; }
    bool mergeWith(const QUndoCommand *other) override;

private:
    GraphicsScene *m_scene;
    QGraphicsItem *m_item;
    QString m_field;
    int m_session;
    ItemState m_before;
    ItemState m_after;
    bool m_done = true;
};

} // namespace DesignUndo
