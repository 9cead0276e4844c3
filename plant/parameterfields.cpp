// SPDX-License-Identifier: GPL-3.0-or-later
#include "parameterfields.h"

#include <QCoreApplication>
#include <QStringList>

#include <cmath>
#include <type_traits>

namespace {

using Sparkplug::DataType;
using P = PrintParameters;

QString tr(const char *text)
{
    return QCoreApplication::translate("ParameterField", text);
}

ParameterField listed(const char *name, qint8 P::*member, QList<qint64> allowed)
{
    return {QLatin1String("Parameters/") + QLatin1String(name),
            DataType::Int32,
            member,
            true,
            allowed,
            0,
            0,
            0};
}

template <typename Member>
ParameterField range(const char *name, DataType type, Member member, double minimum, double maximum,
                     int decimals = 0)
{
    return {QLatin1String("Parameters/") + QLatin1String(name),
            type,
            member,
            true,
            {},
            minimum,
            maximum,
            decimals};
}

ParameterField flag(const char *name, bool P::*member)
{
    return {QLatin1String("Parameters/") + QLatin1String(name),
            DataType::Boolean,
            member,
            true,
            {},
            0,
            1,
            0};
}

template <typename Member> ParameterField readOnly(const char *name, DataType type, Member member)
{
    return {QLatin1String("Parameters/") + QLatin1String(name), type, member, false, {}, 0, 0, 0};
}

// Integers may come in any integer type; a wider one is checked by value.
bool isPlainInteger(DataType type)
{
    return type >= DataType::Int8 && type <= DataType::UInt64;
}

bool typeFits(DataType wanted, DataType given)
{
    switch (wanted) {
    case DataType::Int32:
        return isPlainInteger(given);
    case DataType::Double:
        return given == DataType::Double || given == DataType::Float;
    default:
        return given == wanted;
    }
}

QString expected(DataType wanted)
{
    switch (wanted) {
    case DataType::Int32:
        return tr("an integer (Int32)");
    case DataType::Double:
        return tr("Double or Float");
    default:
        return Sparkplug::typeName(wanted);
    }
}

QString joined(const QList<qint64> &values)
{
    QStringList texts;
    for (const qint64 v : values)
        texts << QString::number(v);
    return texts.join(QLatin1String(", "));
}

bool refuse(QString *reason, const QString &text)
{
    if (reason)
        *reason = text;
    return false;
}

} // namespace

const QList<ParameterField> &ParameterField::all()
{
    // Block order; the ranges are the parameter panel's (list codes, spin
    // box ranges, offsets of one decimal).
    static const QList<ParameterField> fields{
        listed("Spray Mode", &P::sprayMode, {1, 2, 4, 5}),
        readOnly("Device Value 1", DataType::Double, &P::deviceValue1),
        readOnly("Device Value 2", DataType::Double, &P::deviceValue2),
        listed("DPI Code", &P::dpiCode, {1, 2, 3, 4}),
        listed("Trigger Mode", &P::triggerMode, {2, 3}),
        listed("Head Range Mask", &P::headRangeMask, {1, 3, 7, 15}),
        flag("Splice", &P::splice),
        range("Head Enable Mask", DataType::Int32, &P::headEnableMask, 0, 15),
        range("Entire Direction", DataType::Int32, &P::entireDirection, 0, 3),
        range("Head Offset 1", DataType::Double, &P::headOffset1, 0, 1000, 1),
        range("Head Offset 2", DataType::Double, &P::headOffset2, 0, 1000, 1),
        range("Head Offset 3", DataType::Double, &P::headOffset3, 0, 1000, 1),
        range("Head Offset 4", DataType::Double, &P::headOffset4, 0, 1000, 1),
        range("Head Direction 1", DataType::Int32, &P::headDirection1, 0, 3),
        range("Head Direction 2", DataType::Int32, &P::headDirection2, 0, 3),
        range("Head Direction 3", DataType::Int32, &P::headDirection3, 0, 3),
        range("Head Direction 4", DataType::Int32, &P::headDirection4, 0, 3),
        flag("Encoder Enabled", &P::encoderEnabled),
        flag("Beep", &P::beepEnabled),
        range("Encoder PPR", DataType::Int32, &P::encoderPpr, 0, 5000),
        range("Encoder Diameter", DataType::Int32, &P::encoderDiameter, 0, 200),
        range("Line Speed", DataType::Int32, &P::lineSpeed, 0, 300),
        range("Signal Interval", DataType::Int32, &P::signalInterval, 0, 99),
        readOnly("Device Value 3", DataType::Int32, &P::deviceValue3),
    };
    return fields;
}

const ParameterField *ParameterField::find(const QString &metric)
{
    for (const ParameterField &field : all()) {
        if (field.metric == metric)
            return &field;
    }
    return nullptr;
}

QVariant ParameterField::read(const PrintParameters &p) const
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

bool ParameterField::write(const Sparkplug::Metric &metric, PrintParameters *p,
                           QString *reason) const
{
    if (!typeFits(type, metric.type))
        return refuse(
            reason,
            tr("datatype %1, expected %2").arg(Sparkplug::typeName(metric.type), expected(type)));
    if (!metric.value.isValid())
        return refuse(reason, tr("null value"));

    if (type == DataType::Boolean) {
        p->*std::get<bool P::*>(member) = metric.value.toBool();
        return true;
    }

    if (type == DataType::Double) {
        const double value = metric.value.toDouble();
        if (!std::isfinite(value))
            return refuse(reason, tr("%1 is not a finite number").arg(value));
        if (value < minimum || value > maximum)
            return refuse(reason,
                          tr("%1 is out of range %2 to %3").arg(value).arg(minimum).arg(maximum));
        // The panel's steps; a Float's own error (12.3 read as 12.30000019)
        // is within a thousandth of a step.
        const double factor = std::pow(10.0, decimals);
        const double steps = std::round(value * factor);
        if (std::abs(value * factor - steps) > 0.01)
            return refuse(reason, tr("%1 is not in steps of %2 mm").arg(value).arg(1.0 / factor));
        p->*std::get<double P::*>(member) = steps / factor;
        return true;
    }

    // A UInt64 above the qint64 range stays a quint64.
    if (metric.value.userType() == QMetaType::ULongLong)
        return refuse(reason, tr("%1 is out of range %2 to %3")
                                  .arg(metric.value.toULongLong())
                                  .arg(minimum)
                                  .arg(maximum));
    const qint64 value = metric.value.toLongLong();
    if (!codes.isEmpty() && !codes.contains(value))
        return refuse(reason, tr("%1 is not one of %2").arg(value).arg(joined(codes)));
    if (codes.isEmpty() && (value < minimum || value > maximum))
        return refuse(reason,
                      tr("%1 is out of range %2 to %3").arg(value).arg(minimum).arg(maximum));
    if (std::holds_alternative<qint8 P::*>(member))
        p->*std::get<qint8 P::*>(member) = qint8(value);
    else
        p->*std::get<qint32 P::*>(member) = qint32(value);
    return true;
}
