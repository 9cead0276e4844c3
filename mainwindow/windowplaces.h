// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>

class QSplitter;
class QWidget;

// Where the operator left the window: its size and position and the sizes
// of its splitters, in the per-user settings store (group "Window"), so the
// next start opens it the same way.
namespace WindowPlaces {

// False, with nothing changed, when nothing was saved yet or what was saved
// cannot be read.
bool restore(QWidget *window, const QList<QSplitter *> &splitters);
void save(const QWidget *window, const QList<QSplitter *> &splitters);

// The device list's compact rows, kept in the same store (false until saved).
bool compactRows();
void saveCompactRows(bool compact);

} // namespace WindowPlaces
