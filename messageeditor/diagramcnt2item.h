// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "diagramcounterbase.h"
#include "editoritemtypes.h"

// The second counter kind.  It has no counter number and no record in the
// message file.
class diagramCnt2Item : public diagramCounterBase
{
    Q_OBJECT
public:
    enum { Type = diagramType::kCnt2 };

    explicit diagramCnt2Item(QGraphicsItem *parent = nullptr) : diagramCounterBase(parent) {}
    int type() const override { return Type; }
};
