// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "boundedread.h"

#include <QJsonObject>
#include <QString>

class GraphicsScene;
class QGraphicsItem;

// The message file: a JSON document (".spr") holding the external-data
// settings and one array of records per item kind.  Nothing here shows a
// box: load and save return their reasons, and the caller decides whether
// they become a box, a line of the event log or a line on standard error.
namespace MessageFile {

// What a load or a save came to.
struct Result
{
    bool ok = true;
    // Why nothing was loaded or saved: the text of the box the designer
    // shows (title boxTitle()).
    QString error;
    // Loaded, but the external data file could not be used: the text of the
    // information box (title dataFileBoxTitle()).  Empty when there is none.
    QString dataFileProblem;

    explicit operator bool() const { return ok; }
};

// Titles of the boxes that show a Result's texts.
QString boxTitle();
QString dataFileBoxTitle();

// Largest message file read.  A message of a thousand items takes well under
// 1 MiB; pictures are files of their own.
constexpr qint64 kMaxFileBytes = kMaxPlainFileBytes;

// Written through QSaveFile: a failed save leaves the old file as it was.
Result save(GraphicsScene &scene, const QString &path);
// A file that cannot be read leaves the scene as it was.
Result load(GraphicsScene &scene, const QString &path);

// The document for the scene, as save() writes it.  Clears the external
// flags of all items when the message uses no external data.
QJsonObject toDocument(GraphicsScene &scene);
// The bytes save() writes for the scene, found without changing it (a save
// clears the external flags of a message that uses no external data).
QByteArray toBytes(GraphicsScene &scene);
// Adds the item arrays to the document; false, with nothing added, when the
// scene has no items.
bool writeItems(GraphicsScene &scene, QJsonObject &document);
// Clears the scene and creates the items of all arrays.
void loadItems(GraphicsScene &scene, const QJsonObject &document);
// Replaces the scene's content with the document, restores the external data
// settings and loads the data file.  Returns why the data file could not be
// used, empty when it could (or the message uses none).
QString applyDocument(GraphicsScene &scene, const QJsonObject &document);

} // namespace MessageFile
