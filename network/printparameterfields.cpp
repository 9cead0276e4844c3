// SPDX-License-Identifier: GPL-3.0-or-later
#include "printparameterfields.h"

#include <QCoreApplication>
#include <QStringList>

#include <type_traits>

namespace {

using P = PrintParameters;
using Words = PrintParameterField::Words;

// The journal's words, stored as written: the journal never holds the
// operator's language.  ParameterChange::text() translates them for the
// event log and the journal view, in the context they always had.
QString tr(const char *text)
{
    return QString::fromUtf8(text);
}

PrintParameterField listed(const char *name, const char *words, qint8 P::*member, Words kind,
                           QList<qint64> codes, const char *unit = "")
{
    return {name, words, unit, member, kind, true, codes, 0, 0, 0};
}

template <typename Member>
PrintParameterField range(const char *name, const char *words, const char *unit, Member member,
                          Words kind, double minimum, double maximum, int decimals = 0)
{
    return {name, words, unit, member, kind, true, {}, minimum, maximum, decimals};
}

PrintParameterField flag(const char *name, const char *words, bool P::*member)
{
    return {name, words, "", member, Words::OnOff, true, {}, 0, 1, 0};
}

template <typename Member>
PrintParameterField carried(const char *name, const char *words, Member member)
{
    return {name, words, "", member, Words::Number, false, {}, 0, 0, 0};
}

QString direction(qint64 code)
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

QString sprayMode(qint64 code)
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

QString trigger(qint64 code)
{
    switch (code) {
    case 2:
        return tr("external signal");
    case 3:
        return tr("internal signal");
    }
    return tr("code %1").arg(code);
}

QString heads(qint64 mask)
{
    QStringList on;
    for (int head = 1; head <= PrintHeads::kCount; ++head) {
        if (mask & (1 << (head - 1)))
            on << QString::number(head);
    }
    return on.isEmpty() ? tr("none") : on.join(QLatin1String(", "));
}

} // namespace

const QList<PrintParameterField> &PrintParameterField::all()
{
    static const QList<PrintParameterField> fields{
        listed("Spray Mode", "spray mode", &P::sprayMode, Words::SprayMode, {1, 2, 4, 5}),
        carried("Device Value 1", "device value 1", &P::deviceValue1),
        carried("Device Value 2", "device value 2", &P::deviceValue2),
        listed("DPI Code", "resolution", &P::dpiCode, Words::Resolution, {1, 2, 3, 4}, "dpi"),
        listed("Trigger Mode", "trigger", &P::triggerMode, Words::Trigger, {2, 3}),
        listed("Head Range Mask", "head range", &P::headRangeMask, Words::Heads, {1, 3, 7, 15}),
        flag("Splice", "splice", &P::splice),
        range("Head Enable Mask", "heads", "", &P::headEnableMask, Words::Heads, 0, 15),
        range("Entire Direction", "direction", "", &P::entireDirection, Words::Direction, 0, 3),
        range("Head Offset 1", "head 1 offset", "mm", &P::headOffset1, Words::Millimetres, 0, 1000,
              1),
        range("Head Offset 2", "head 2 offset", "mm", &P::headOffset2, Words::Millimetres, 0, 1000,
              1),
        range("Head Offset 3", "head 3 offset", "mm", &P::headOffset3, Words::Millimetres, 0, 1000,
              1),
        range("Head Offset 4", "head 4 offset", "mm", &P::headOffset4, Words::Millimetres, 0, 1000,
              1),
        range("Head Direction 1", "head 1 direction", "", &P::headDirection1, Words::Direction, 0,
              3),
        range("Head Direction 2", "head 2 direction", "", &P::headDirection2, Words::Direction, 0,
              3),
        range("Head Direction 3", "head 3 direction", "", &P::headDirection3, Words::Direction, 0,
              3),
        range("Head Direction 4", "head 4 direction", "", &P::headDirection4, Words::Direction, 0,
              3),
        flag("Encoder Enabled", "encoder", &P::encoderEnabled),
        flag("Beep", "beep", &P::beepEnabled),
        range("Encoder PPR", "encoder pulses", "per revolution", &P::encoderPpr, Words::Number, 0,
              5000),
        range("Encoder Diameter", "encoder diameter", "mm", &P::encoderDiameter, Words::Number, 0,
              200),
        range("Line Speed", "line speed", "m/min", &P::lineSpeed, Words::Number, 0, 300),
        range("Signal Interval", "signal interval", "", &P::signalInterval, Words::Number, 0, 99),
        carried("Device Value 3", "device value 3", &P::deviceValue3),
    };
    return fields;
}

const PrintParameterField *PrintParameterField::named(const QString &name)
{
    for (const PrintParameterField &field : all()) {
        if (name == QLatin1String(field.name))
            return &field;
    }
    return nullptr;
}

QVariant PrintParameterField::read(const PrintParameters &p) const
{
    return std::visit(
        [&p](auto m) -> QVariant {
            using T = std::decay_t<decltype(p.*m)>;
            if constexpr (std::is_same_v<T, bool> || std::is_same_v<T, double>)
                return p.*m;
            else
                return QVariant::fromValue(qint64(p.*m));
        },
        member);
}

QString PrintParameterField::text(const PrintParameters &p) const
{
    const QVariant value = read(p);
    const qint64 code = value.toLongLong();
    switch (kind) {
    case Words::OnOff:
        return value.toBool() ? tr("on") : tr("off");
    case Words::Millimetres:
        return QString::number(value.toDouble(), 'f', 1);
    case Words::Direction:
        return direction(code);
    case Words::SprayMode:
        return sprayMode(code);
    case Words::Trigger:
        return trigger(code);
    case Words::Resolution:
        return code >= 1 && code <= 4 ? QString::number(600 / code) : tr("code %1").arg(code);
    case Words::Heads:
        return heads(code);
    case Words::Number:
        break;
    }
    return value.userType() == QMetaType::Double ? QString::number(value.toDouble())
                                                 : QString::number(code);
}

namespace PrintHeads {

std::optional<qint8> rangeMaskFor(quint8 enableMask)
{
    for (int head = kCount; head >= 1; --head) {
        if (enableMask & (1u << (head - 1)))
            return qint8((1 << head) - 1);
    }
    return std::nullopt;
}

} // namespace PrintHeads
