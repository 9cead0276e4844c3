// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printparameters.h"

#include <QList>
#include <QString>
#include <QVariant>

#include <optional>
#include <variant>

// The 24 fields of the print-parameter block, in block order, described
// once: the name the plant bus gives it, the words and unit the journal and
// the event log use, the values an operator may set (the codes of the
// panel's lists, or the ranges of its spin boxes) and whether it may be set
// at all.  The parameter panel, the journal's change text and the plant
// metrics all read this table.
struct PrintParameterField
{
    using Member = std::variant<qint8 PrintParameters::*, bool PrintParameters::*,
                                qint32 PrintParameters::*, double PrintParameters::*>;
    // How a value reads in words.
    enum class Words {
        Number,
        OnOff,
        Millimetres,
        Direction,
        SprayMode,
        Trigger,
        Resolution,
        Heads
    };

    const char *name;  // "Line Speed": the metric "Parameters/Line Speed"
    const char *words; // "line speed"
    const char *unit;  // "m/min"; empty for words and plain numbers
    Member member;
    Words kind;
    bool settable;
    QList<qint64> codes; // the values allowed; empty: minimum to maximum
    double minimum;
    double maximum;
    int decimals; // the panel's resolution: 1 for steps of 0.1 mm

    // The value in the block: bool, double, or qint64 for integers.
    QVariant read(const PrintParameters &p) const;
    // The value in the journal's words, untranslated units aside: "45",
    // "on", "reverse", "1, 2".
    QString text(const PrintParameters &p) const;

    static const QList<PrintParameterField> &all();
    // Null when no field has that name (without "Parameters/").
    static const PrintParameterField *named(const QString &name);
    // The field of a member of the block; null for none.
    template <typename T> static const PrintParameterField *of(T PrintParameters::*member)
    {
        for (const PrintParameterField &field : all()) {
            const auto *held = std::get_if<T PrintParameters::*>(&field.member);
            if (held && *held == member)
                return &field;
        }
        return nullptr;
    }
};

namespace PrintHeads {

constexpr int kCount = 4;

// Heads print from head 1 up to the highest one enabled: the range mask
// 1, 3, 7 or 15 for an enable mask; none when no head is enabled (the
// range mask then keeps its value).
std::optional<qint8> rangeMaskFor(quint8 enableMask);

} // namespace PrintHeads
