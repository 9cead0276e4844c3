// SPDX-License-Identifier: GPL-3.0-or-later
#include "panelcontrols.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QSignalBlocker>
#include <QSpinBox>
#include <cmath>

namespace panelControls {

namespace {
// The maxima of the forms, kept as the least a canvas gives.
constexpr int kFormMaxX = 20000;
constexpr int kFormMaxHeight = 400;
} // namespace

int maxX(const canvas &c)
{
    return qMax(kFormMaxX, c.width);
}

int maxHeight(const canvas &c)
{
    return qMax(kFormMaxHeight, c.printHeight);
}

void setMaximum(QSpinBox *box, int maximum)
{
    const QSignalBlocker blocker(box);
    box->setMaximum(maximum);
}

void show(QSpinBox *box, double value)
{
    const QSignalBlocker blocker(box);
    // A NaN or a value beyond int would make the rounding undefined.
    const double bounded = std::isfinite(value) ? qBound(-1.0e9, value, 1.0e9) : 0.0;
    box->setValue(qRound(bounded));
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
