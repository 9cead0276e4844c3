// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QAbstractButton;
class QComboBox;
class QSpinBox;

// How the item setting panels show an item's values: without emitting the
// controls' change signals, so that showing an item never edits it.
namespace panelControls {

// Shows value (rounded to a whole number) in box.  The box clamps it to its
// range; returns true when it had to.
bool show(QSpinBox *box, double value);
// Shows index in combo; an index outside the list leaves the combo blank.
void show(QComboBox *combo, int index);
void show(QAbstractButton *button, bool checked);

// The index of family in a font list given by its index-to-family function,
// or -1 when the list does not hold it.
int familyIndex(const QString &family, QString (*familyAt)(int), int count);

} // namespace panelControls
