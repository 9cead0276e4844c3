// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "itempanel.h"

#include <memory>

namespace Ui {
class ShiftCodeSet;
}

class GraphicsShiftCodeItem;
class QStandardItemModel;

// The shift table of a shift-code item: one row per shift, its code and its
// start time; the row chosen in the table is edited below it.
class ShiftCodeSet : public ItemPanel
{
    Q_OBJECT
public:
    explicit ShiftCodeSet(QWidget *parent = nullptr);
    ~ShiftCodeSet() override;

    void refresh() override;

protected:
    bool accepts(const QGraphicsItem *item) const override;

private slots:
    void on_addToolButton_clicked();
    void on_deleteToolButton_clicked();
    void on_refreshToolButton_clicked();
    void on_lineEdit_textChanged(const QString &text);
    void on_timeEdit_timeChanged(const QTime &time);
    void on_tableView_clicked(const QModelIndex &index);

private:
    GraphicsShiftCodeItem *shiftItem() const;
    // Fills the table from the item's shifts and lets the item show its code.
    void rebuildTable();
    // The row of the table's current index when it names a shift, else -1.
    int currentShift() const;
    void showShift(int row);

    std::unique_ptr<Ui::ShiftCodeSet> ui;
    QStandardItemModel *m_model;
};
