// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGraphicsItem>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <functional>

class QWidget;
class diagramScene;

// The editor's file commands on its one message: new, open, save, save as
// and delete file, the current file name, the new flag (while set, save
// asks for a name) and whether the scene differs from what was last opened
// or saved.  Failures are reported through the editor's message box and
// leave the message, the file name and the file on disk as they were.
class fileCommands : public QObject
{
    Q_OBJECT
public:
    // Takes message items out of the scene and deletes them.
    using Discarder = std::function<void(const QList<QGraphicsItem *> &)>;

    fileCommands(diagramScene *scene, QWidget *dialogParent, Discarder discard);

    QString fileName() const { return m_fileName; }
    bool isNew() const { return m_isNew; }
    // Whether saving now would write something else than the file holds
    // (compares the documents, so moving an item back counts as no change).
    bool isModified() const;

    // Empties the message and starts "Spray/Untitled.spr" anew.
    void newFile();
    // Asks for a file and opens it; false when cancelled or not loaded.
    bool open();
    // Replaces the message by the file's; on failure reports it and keeps
    // the message and the file name.
    bool openFile(const QString &path);
    // Save as while the new flag is set, else writes the current file.
    bool save();
    // Asks for a name (no extension is added) and writes the message there.
    bool saveAs();
    // Asks for a file and removes it from the disk; the message stays.
    bool deleteFile();
    // With unsaved changes, asks whether to save them first.  True when the
    // caller may go on (saved, or discarded); false to go back.
    bool maySetAside();

signals:
    // The file name, the new flag or the saved state changed.
    void stateChanged();
    // New or open replaced the message.
    void messageReplaced();

private:
    bool write(const QString &path);
    void markSaved();

    diagramScene *m_scene;
    QWidget *m_dialogParent;
    Discarder m_discard;
    QString m_fileName;
    bool m_isNew = true;
    QJsonObject m_saved; // the document as last opened or saved
};
