// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The fonts of the working folder's "fonts" folder, which the designer
// offers beside the fonts installed on the computer.
namespace FontFolder {

// The folder's name, relative to the working folder.
QString folderName();
// Registers the font file with the application (once per path and run) and
// returns its families; empty when it is not a font.
QStringList familiesOf(const QString &path);
// The readable files of the folder, sorted by name.
QStringList fontFiles();
// True when the family is installed on this computer or comes from the
// folder's fonts (compared without regard to case).
bool isAvailable(const QString &family);

} // namespace FontFolder
