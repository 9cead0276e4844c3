// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "diagramcounterbase.h"
#include "editoritemtypes.h"

// A serial number bound to printer counter 1 or 2.
class diagramCntItem : public diagramCounterBase
{
    Q_OBJECT
public:
    enum { Type = diagramType::kCnt };

    explicit diagramCntItem(QGraphicsItem *parent = nullptr) : diagramCounterBase(parent) {}
    int type() const override { return Type; }

    // 0 = counter 1, 1 = counter 2.
    int counterNumber() const { return m_counterNumber; }
    void setCounterNumber(int number) { m_counterNumber = number; }

private:
    int m_counterNumber = 0;
};
