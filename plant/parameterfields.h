// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printparameterfields.h"
#include "sparkplugpayload.h"

#include <QList>
#include <QString>

#include <variant>

// The fields of the print-parameter block (PrintParameterField) as metrics
// on the plant bus, in block order, with their bus types.
struct ParameterField
{
    using Member = PrintParameterField::Member;

    QString metric; // "Parameters/Line Speed"
    Sparkplug::DataType type;
    Member member;
    bool settable;
    QList<qint64> codes; // the values allowed; empty: minimum to maximum
    double minimum;
    double maximum;
    int decimals; // Double fields: the panel's resolution, 1 for 0.1 mm
    const PrintParameterField *source;

    // The field's value in the block, as the metric carries it.
    QVariant read(const PrintParameters &p) const;
    // Checks a command's value for this settable field and writes it into
    // p; false with the reason, without the metric name, in *reason.
    bool write(const Sparkplug::Metric &metric, PrintParameters *p, QString *reason) const;

    static const QList<ParameterField> &all();
    // A coder's block is taken only whole: the fields a short one lacks
    // would read as zeros.
    static bool isWholeBlock(const QByteArray &block)
    {
        return block.size() >= PrintParameters::kSize;
    }
    // Null when no field has that metric name.
    static const ParameterField *find(const QString &metric);
};
