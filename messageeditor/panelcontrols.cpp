// SPDX-License-Identifier: GPL-3.0-or-later
#include "panelcontrols.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QSignalBlocker>
#include <QSpinBox>
#include <cmath>

namespace panelControls {

bool show(QSpinBox *box, double value)
{
    const QSignalBlocker blocker(box);
    // A NaN or a value beyond int would make the rounding undefined.
    const double bounded = std::isfinite(value) ? qBound(-1.0e9, value, 1.0e9) : 0.0;
    const int whole = qRound(bounded);
    box->setValue(whole);
    return box->value() != whole;
}

void show(QComboBox *combo, int index)
{
    const QSignalBlocker blocker(combo);
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
}

void show(QAbstractButton *button, bool checked)
{
    const QSignalBlocker blocker(button);
    button->setChecked(checked);
}

int familyIndex(const QString &family, QString (*familyAt)(int), int count)
{
    for (int i = 0; i < count; ++i) {
        if (familyAt(i) == family)
            return i;
    }
    return -1;
}

} // namespace panelControls
