// SPDX-License-Identifier: GPL-3.0-or-later
#include "parameterchanges.h"

#include <QCoreApplication>

#include <functional>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("ParameterChange", text);
}

using P = PrintParameters;

struct Field
{
    const char *name;
    const char *unit;
    std::function<QString(const P &)> text;
};

QString number(qint64 value)
{
    return QString::number(value);
}

QString onOff(bool on)
{
    return on ? tr("on") : tr("off");
}

QString millimetres(double mm)
{
    return QString::number(mm, 'f', 1);
}

QString direction(qint8 code)
{
    switch (code) {
    case 0:
        return tr("forward");
    case 1:
        return tr("reverse");
    case 2:
        return tr("inverse");
    case 3:
        return tr("rev/inv");
    }
    return tr("code %1").arg(code);
}

QString sprayMode(qint8 code)
{
    switch (code) {
    case 1:
        return tr("left");
    case 2:
        return tr("right");
    case 4:
        return tr("high quality");
    case 5:
        return tr("high speed");
    }
    return tr("code %1").arg(code);
}

QString trigger(qint8 code)
{
    switch (code) {
    case 2:
        return tr("external signal");
    case 3:
        return tr("internal signal");
    }
    return tr("code %1").arg(code);
}

QString resolution(qint8 code)
{
    return code >= 1 && code <= 4 ? number(600 / code) : tr("code %1").arg(code);
}

QString heads(qint8 mask)
{
    QStringList on;
    for (int head = 1; head <= 4; ++head) {
        if (mask & (1 << (head - 1)))
            on << number(head);
    }
    return on.isEmpty() ? tr("none") : on.join(QLatin1String(", "));
}

// Block order, as the panel names the fields.
const QList<Field> &fields()
{
    static const QList<Field> all{
        {"spray mode", "", [](const P &p) { return sprayMode(p.sprayMode); }},
        {"device value 1", "", [](const P &p) { return QString::number(p.deviceValue1); }},
        {"device value 2", "", [](const P &p) { return QString::number(p.deviceValue2); }},
        {"resolution", "dpi", [](const P &p) { return resolution(p.dpiCode); }},
        {"trigger", "", [](const P &p) { return trigger(p.triggerMode); }},
        {"head range", "", [](const P &p) { return heads(p.headRangeMask); }},
        {"splice", "", [](const P &p) { return onOff(p.splice); }},
        {"heads", "", [](const P &p) { return heads(p.headEnableMask); }},
        {"direction", "", [](const P &p) { return direction(p.entireDirection); }},
        {"head 1 offset", "mm", [](const P &p) { return millimetres(p.headOffset1); }},
        {"head 2 offset", "mm", [](const P &p) { return millimetres(p.headOffset2); }},
        {"head 3 offset", "mm", [](const P &p) { return millimetres(p.headOffset3); }},
        {"head 4 offset", "mm", [](const P &p) { return millimetres(p.headOffset4); }},
        {"head 1 direction", "", [](const P &p) { return direction(p.headDirection1); }},
        {"head 2 direction", "", [](const P &p) { return direction(p.headDirection2); }},
        {"head 3 direction", "", [](const P &p) { return direction(p.headDirection3); }},
        {"head 4 direction", "", [](const P &p) { return direction(p.headDirection4); }},
        {"encoder", "", [](const P &p) { return onOff(p.encoderEnabled); }},
        {"beep", "", [](const P &p) { return onOff(p.beepEnabled); }},
        {"encoder pulses", "per revolution", [](const P &p) { return number(p.encoderPpr); }},
        {"encoder diameter", "mm", [](const P &p) { return number(p.encoderDiameter); }},
        {"line speed", "m/min", [](const P &p) { return number(p.lineSpeed); }},
        {"signal interval", "", [](const P &p) { return number(p.signalInterval); }},
        {"device value 3", "", [](const P &p) { return number(p.deviceValue3); }},
    };
    return all;
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
    for (const Field &f : fields()) {
        const QString was = f.text(before), now = f.text(after);
        if (was != now)
            changes.append({tr(f.name), was, now, tr(f.unit)});
    }
    return changes;
}

QList<ParameterChange> parameterValues(const PrintParameters &parameters)
{
    QList<ParameterChange> values;
    for (const Field &f : fields())
        values.append({tr(f.name), QString(), f.text(parameters), tr(f.unit)});
    return values;
}
