// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSignalBlocker>
#include <QWidget>

#include <initializer_list>
#include <vector>

class QGraphicsItem;

// Base of the property panels: keeps the item being edited (not owned) when
// it is of the panel's kind, and fills the controls from it.  Controls write
// straight into the kept item and do nothing while none is kept.
class ItemPanel : public QWidget
{
    Q_OBJECT
public:
    explicit ItemPanel(QWidget *parent = nullptr);

    // Keeps the item when accepts() says so, otherwise none; then refreshes.
    void setItem(QGraphicsItem *item);
    QGraphicsItem *item() const { return m_item; }

    // Fills the controls from the kept item without writing back into it.
    virtual void refresh() = 0;

protected:
    // Blocks the controls' signals while the result lives, so that filling
    // them from the item never writes back into it.
    using SignalBlockers = std::vector<QSignalBlocker>;
    static SignalBlockers blockControls(std::initializer_list<QObject *> controls);

    // True for the item kinds the panel edits (by type code).
    virtual bool accepts(const QGraphicsItem *item) const = 0;

private:
    QGraphicsItem *m_item = nullptr;
};
