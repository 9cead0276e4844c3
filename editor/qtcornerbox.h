// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// The square where the two rulers of the design view meet.
class QtCornerBox : public QWidget
{
    Q_OBJECT
public:
    explicit QtCornerBox(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
