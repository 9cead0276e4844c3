// SPDX-License-Identifier: GPL-3.0-or-later
#include "itempanel.h"

#include <QGraphicsItem>

ItemPanel::ItemPanel(QWidget *parent) : QWidget(parent) {}

void ItemPanel::setItem(QGraphicsItem *item)
{
    m_item = item && accepts(item) ? item : nullptr;
    refresh();
}

ItemPanel::SignalBlockers ItemPanel::blockControls(std::initializer_list<QObject *> controls)
{
    SignalBlockers blockers;
    blockers.reserve(controls.size());
    for (QObject *control : controls)
        blockers.emplace_back(control);
    return blockers;
}
