// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QString>

// The pictures of image items.  Message files name a picture as "/Image/"
// followed by its file name; the copies live in the folder "Image" of the
// working folder, where this class also looks when that path cannot be read.
namespace PictureFolder {

// The path a message file stores for a picture file: "/Image/" + file name.
QString storedPath(const QString &path);
// Absolute path of the working folder's "Image" folder.
QString folderPath();
// A plain file name (the rule of safefilename.h): no folder parts, no
// drive, no control characters, no trailing dot or space, no name Windows
// keeps for a device, nothing that could lead out of the picture folder.
bool isSafeName(const QString &name);
// Reads the picture at path; when that fails, the file of the same name in
// the picture folder.  A null pixmap when neither can be read, or when the
// picture is larger than an item may be.
QPixmap read(const QString &path);
// Reads the picture a message file names: only a path of the form "/Image/"
// + name is read as it stands; otherwise, or when it cannot be read, the
// file of that name in the picture folder.
QPixmap readStored(const QString &path);
// Copies a picture file into the picture folder, under its own name or, when
// a different file already has that name, under a numbered variant.  Returns
// the path of the copy, or an empty string with the reason in error.
QString import(const QString &file, QString *error = nullptr);

} // namespace PictureFolder
