// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "boundedread.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

class diagramScene;

// Reads a ".spr" message of the standalone editor into a scene.
namespace messageReader {

enum class Result {
    Loaded,      // the items of the file were added
    CannotOpen,  // nothing was read; the scene is unchanged (also: not a plain file)
    NotAMessage, // the file is not a JSON object: no items were added
    TooLarge     // the file is over kMaxFileBytes: nothing was read
};

// Largest message file read.  A thousand items take well under 1 MiB;
// pictures are files of their own.
constexpr qint64 kMaxFileBytes = kMaxPlainFileBytes;

// Adds the file's items to the scene (which the caller has emptied of
// message items) and may widen or narrow the canvas to the stored width.
// Missing or mistyped values read as 0, false or the empty string.  Each
// kind's records stand topmost first, as the writer lists them, and
// positions keep their fractions: saving what was opened writes the same
// document.
Result load(const QString &path, diagramScene *scene);
// The same for the bytes of a file already read.
Result read(const QByteArray &bytes, diagramScene *scene);

// The canvas width for a stored "SceneWidth", or 0 when the canvas stays
// as it is (5000 and below, the bounds themselves, 80000 and above).
int canvasWidth(int sceneWidth);

} // namespace messageReader
