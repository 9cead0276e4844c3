// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printparameters.h"

#include <QList>
#include <QString>

// One field of the print-parameter block in words, as the operator knows it
// from the parameter panel: "line speed" from "30" to "45" "m/min".
struct ParameterChange
{
    QString field;
    QString before; // empty when the coder's own value is not known
    QString after;
    QString unit; // empty for words and plain numbers

    // "line speed 30 → 45 m/min", "splice off → on", "line speed 45 m/min",
    // in the interface language; the fields keep the journal's words.
    QString text() const;
};

// The fields that differ between two blocks, in block order.
QList<ParameterChange> parameterChanges(const PrintParameters &before,
                                        const PrintParameters &after);
// Every field of a block, with no value before.
QList<ParameterChange> parameterValues(const PrintParameters &parameters);
