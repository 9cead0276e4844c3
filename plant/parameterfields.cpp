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

// The bus's type for a field of the block.
DataType typeOf(const PrintParameterField::Member &member)
{
    if (std::holds_alternative<bool P::*>(member))
        return DataType::Boolean;
    if (std::holds_alternative<double P::*>(member))
        return DataType::Double;
    return DataType::Int32;
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
    static const QList<ParameterField> fields = [] {
        QList<ParameterField> metrics;
        for (const PrintParameterField &f : PrintParameterField::all()) {
            metrics.append({QLatin1String("Parameters/") + QLatin1String(f.name), typeOf(f.member),
                            f.member, f.settable, f.codes, f.minimum, f.maximum, f.decimals, &f});
        }
        return metrics;
    }();
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
    return source->read(p);
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
