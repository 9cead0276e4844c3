// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printtimeline.h"

#include <QStringList>

// The changes as "yyyy-MM-ddTHH:mm|boundaries|before>after;before>after",
// for tables of the next changes worked out by hand.
inline QStringList listed(const PrintTimeline &timeline, const QDateTime &from, int count)
{
    QStringList lines;
    for (const PrintTimeline::Change &change : timeline.nextChanges(from, count)) {
        QStringList fields;
        for (const PrintTimeline::FieldChange &f : change.fields)
            fields << f.before + '>' + f.after;
        lines << change.at.toString("yyyy-MM-ddTHH:mm") + '|' +
                     PrintTimeline::boundaryText(change.boundaries) + '|' + fields.join(';');
    }
    return lines;
}
