// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "designundo.h"

#include <QObject>

class GraphicsScene;
class ItemPanel;
class QGraphicsItem;
class QUndoStack;
class QWidget;

// The designer's undo history: turns what the user does (adding, deleting,
// dragging, nudging, every change made in a property panel) into steps of
// one undo stack.  A panel change is found by comparing the item's state
// after a control changed with the state it had before; the panels write
// into their item as they always have.
class DesignHistory : public QObject
{
    Q_OBJECT
public:
    DesignHistory(GraphicsScene *scene, QObject *parent = nullptr);
    ~DesignHistory() override;

    QUndoStack *stack() const { return m_stack; }

    // Makes every change of the panel's controls a step.
    void watch(ItemPanel *panel);
    // The panels now show this item (or none): a new run of merged typing.
    void showing(QGraphicsItem *item);
    // Items the scene has just added, as one step.
    void added(const QList<QGraphicsItem *> &items);
    // Takes the items out of the scene as one step.
    void remove(const QList<QGraphicsItem *> &items);

    // The name of the field a control edits, as a step names it.
    static QString fieldName(const QWidget *control);

signals:
    // An undo or a redo changed items: the panels show old values.
    void itemsRestored();

private:
    void controlChanged(QWidget *control);
    void push(QUndoCommand *command);
    void stepped(int index);

    GraphicsScene *m_scene;
    QUndoStack *m_stack;
    int m_session = 0;
    bool m_pushing = false;
    int m_index = 0; // of the stack, before the step being taken
    // The item the panels show and its state before the next change.
    QGraphicsItem *m_item = nullptr;
    DesignUndo::ItemState m_before;
};
