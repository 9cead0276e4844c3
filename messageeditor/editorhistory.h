// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QJsonObject>
#include <QObject>

#include <functional>

class QUndoStack;
class QWidget;
class diagramScene;

// The standalone editor's undo history.  A step holds the message document
// (as the writer writes it) before and after what the user did; undoing
// puts the items of the earlier document in place of the message's.  The
// window reports what the user did; when the document did not change, no
// step is made.
class editorHistory : public QObject
{
    Q_OBJECT
public:
    // Replaces the message's items with those of a document.
    using restorer = std::function<void(const QJsonObject &document)>;

    editorHistory(diagramScene *scene, restorer restore, QObject *parent = nullptr);
    ~editorHistory() override;

    QUndoStack *stack() const { return m_stack; }

    // The message as it stands is where the steps start (a new or opened
    // message): the steps so far go.
    void reset();
    // The user did something, named `what`.  Changes with the same non-empty
    // field in a row merge into one step (typing into one control).
    void done(const QString &what, const QString &field = QString());
    // Reports every change of the controls under panels as a step named
    // `what`, the control's name being its field.
    void watch(QWidget *panels, const QString &what);

    // The picture file on this computer behind a path as a document stores
    // it ("/udisk/bmp/" + name), as last seen in this session; empty when
    // none was.  A document names the printer's copy, so restored picture
    // items are pointed back at the file they showed.
    QString localPicture(const QString &stored) const { return m_pictures.value(stored); }

private:
    void stepped();
    // The document of the message, noting where its pictures come from.
    QJsonObject document();

    diagramScene *m_scene;
    restorer m_restore;
    QUndoStack *m_stack;
    // The document the top step ends with.
    QJsonObject m_current;
    bool m_pushing = false;
    QHash<QString, QString> m_pictures;
};
