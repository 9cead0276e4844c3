// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGraphicsScene>

// The standalone editor's canvas: a strip as high as the printer's dot
// height (one scene unit = one printer dot) holding the message items and
// the main window's guide lines.
class diagramScene : public QGraphicsScene
{
    Q_OBJECT
public:
    // Select-and-move; the only mode the editor uses.
    static constexpr int kMoveItem = 8;

    explicit diagramScene(QObject *parent = nullptr);

    int editMode() const { return m_mode; }

    // The largest integer right side (x + width, truncated) of any item that
    // ends below 80000, or 0: where new items go and the file's "SceneWidth".
    // Full-width guide lines end at 80000 and so do not count.
    int rightEdge() const;
    // Places the item at (right edge, 0) and adds it; returns that x.
    int addAtRightEdge(QGraphicsItem *item);

signals:
    void itemSelected(QGraphicsItem *item);

protected:
    // Only the left button selects and moves.
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    // Reports the first selected item, then lets the base finish the move.
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;

private:
    int m_mode = kMoveItem;
};
