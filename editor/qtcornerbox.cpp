// SPDX-License-Identifier: GPL-3.0-or-later
#include "qtcornerbox.h"

#include <QPainter>

QtCornerBox::QtCornerBox(QWidget *parent) : QWidget(parent) {}

void QtCornerBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(Qt::DashLine);
    const int right = width() - 1;
    const int bottom = height() - 1;
    painter.drawLine(right / 2, 0, right / 2, bottom);
    painter.drawLine(0, bottom / 2, right, bottom / 2);
    painter.drawLine(right, 0, right, bottom);
    painter.drawLine(0, bottom, right, bottom);
}
