// SPDX-License-Identifier: GPL-3.0-or-later
#include "parameterchanges.h"

#include "printparameterfields.h"

#include <QCoreApplication>

namespace {

// The words of the field table as the journal keeps them.
QString tr(const char *text)
{
    return QString::fromUtf8(text);
}

// A journal word in the operator's language; numbers and words the
// catalogue does not hold stay as they are.
QString shown(const QString &word)
{
    return QCoreApplication::translate("ParameterChange", word.toUtf8().constData());
}

} // namespace

QString ParameterChange::text() const
{
    const QString tail = unit.isEmpty() ? QString() : QLatin1Char(' ') + shown(unit);
    if (before.isEmpty())
        return shown(field) + QLatin1Char(' ') + shown(after) + tail;
    return shown(field) + QLatin1Char(' ') + shown(before) + QStringLiteral(" → ") + shown(after) +
           tail;
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
