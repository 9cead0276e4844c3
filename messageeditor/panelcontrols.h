// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QAbstractButton;
class QComboBox;
class QSpinBox;

// How the item setting panels show an item's values: without emitting the
// controls' change signals, so that showing an item never edits it.
namespace panelControls {

// What the panels' ranges follow: the chosen printer model and the scene.
struct canvas
{
    int printHeight = 300; // dots: 144, 300, 600 or 1200
    int width = 80000;     // the scene's width in dots
};

// The largest X, and the largest picture width: the scene's width, never
// less than the 20000 of the forms.
int maxX(const canvas &c);
// The largest height and font size in dots: the print height, never less
// than the 400 of the forms.
int maxHeight(const canvas &c);
// A new maximum for box, without emitting: the item keeps a value the box
// now has to clamp.
void setMaximum(QSpinBox *box, int maximum);

// Shows value (rounded to a whole number) in box; a value outside its range
// shows clamped.
void show(QSpinBox *box, double value);
// Shows index in combo; an index outside the list leaves the combo blank.
void show(QComboBox *combo, int index);
void show(QAbstractButton *button, bool checked);

// The index of family in a font list given by its index-to-family function,
// or -1 when the list does not hold it.
int familyIndex(const QString &family, QString (*familyAt)(int), int count);

} // namespace panelControls
