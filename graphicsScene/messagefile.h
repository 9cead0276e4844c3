// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QJsonObject>
#include <QString>

class GraphicsScene;
class QGraphicsItem;
class QWidget;

// The message file: a JSON document (".spr") holding the external-data
// settings and one array of records per item kind.  Failures are reported to
// the operator through UserNotifier, with `parent` as the boxes' parent.
namespace MessageFile {

// Largest message file read.  A message of a thousand items takes well under
// 1 MiB; pictures are files of their own.
constexpr qint64 kMaxFileBytes = 16 * 1024 * 1024;

bool save(GraphicsScene &scene, const QString &path, QWidget *parent = nullptr);
bool load(GraphicsScene &scene, const QString &path, QWidget *parent = nullptr);

// The document for the scene, as save() writes it.  Clears the external
// flags of all items when the message uses no external data.
QJsonObject toDocument(GraphicsScene &scene);
// Adds the item arrays to the document; false, with nothing added, when the
// scene has no items.
bool writeItems(GraphicsScene &scene, QJsonObject &document);
// Clears the scene and creates the items of all arrays.
void loadItems(GraphicsScene &scene, const QJsonObject &document);
// Replaces the scene's content with the document, restores the external data
// settings and loads the data file, reporting its problems.
void applyDocument(GraphicsScene &scene, const QJsonObject &document);

} // namespace MessageFile
