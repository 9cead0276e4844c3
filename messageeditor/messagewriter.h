// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QJsonObject>
#include <QString>

class diagramScene;

// Writes a message of the standalone editor as a ".spr" JSON document.
namespace messageWriter {

// "SceneWidth" and one array per item kind that has items, each array
// listing its records topmost item first.  Counter-2 items have no record.
QJsonObject document(const diagramScene &scene);

// Writes the document (indented) through a save file, so a failed save
// leaves the old file as it was.  On failure shows the warning box through
// the editor's message-box seam and returns false.
bool save(const diagramScene &scene, const QString &path);

} // namespace messageWriter
