// SPDX-License-Identifier: GPL-3.0-or-later
#include "mytableview.h"

MyTableView::MyTableView(QWidget *parent) : QTableView(parent) {}

void MyTableView::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    emit indexIsVaild(current.row() >= 0 && current.column() >= 0 && current.model());
    QTableView::currentChanged(current, previous);
}
