// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTableView>

// A table view that tells whether its current index is usable each time the
// current index changes.
class MyTableView : public QTableView
{
    Q_OBJECT
public:
    explicit MyTableView(QWidget *parent = nullptr);

signals:
    // True when the new current index has a row, a column and a model.
    void indexIsVaild(bool valid);

protected:
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
};
