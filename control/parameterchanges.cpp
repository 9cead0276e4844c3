// SPDX-License-Identifier: GPL-3.0-or-later
#include "parameterchanges.h"

#include "printparameterfields.h"

#include <QCoreApplication>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("ParameterChange", text);
}

} // namespace

QString ParameterChange::text() const
{
    const QString tail = unit.isEmpty() ? QString() : QLatin1Char(' ') + unit;
    if (before.isEmpty())
        return field + QLatin1Char(' ') + after + tail;
    return field + QLatin1Char(' ') + before + QStringLiteral(" → ") + after + tail;
}

QList<ParameterChange> parameterChanges(const PrintParameters &before, const PrintParameters &after)
{
    QList<ParameterChange> changes;
    for (const PrintParameterField &f : PrintParameterField::all()) {
        const QString was = f.text(before), now = f.text(after);
        if (was != now)
            changes.append({tr(f.words), was, now, tr(f.unit)});
    }
    return changes;
}

QList<ParameterChange> parameterValues(const PrintParameters &parameters)
{
    QList<ParameterChange> values;
    for (const PrintParameterField &f : PrintParameterField::all())
        values.append({tr(f.words), QString(), f.text(parameters), tr(f.unit)});
    return values;
}
