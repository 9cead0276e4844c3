// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

// A numbered counter that serial-number items show.  The control
// application creates counters with these defaults and never advances them;
// the fields other than CurValue and CounterID describe how the value would
// advance.
class Counter : public QObject
{
    Q_OBJECT
public:
    explicit Counter(QObject *parent = nullptr) : QObject(parent) {}

    quint32 CurValue = 0;        // the value serial-number items display
    quint32 StepValue = 1;       // added to the value when it advances
    quint32 StartValue = 0;      // taken again after the value has passed EndValue
    quint32 EndValue = 99999999; // highest value
    quint32 RepeateMaxValue = 1; // advances that share one value
    quint32 RepeatCurValue = 0;  // advances made so far at the current value
    quint8 CounterID = 0;        // the counter number, set by the creator

signals:
    void counterDataChanged();
};
