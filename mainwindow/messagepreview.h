// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "messagefile.h"

#include <QObject>

class GraphicsScene;
class GraphicsView;
class QLabel;
struct Coder;

// The message beside the coders: a message file the operator chose, or the
// current message a coder reported, drawn as the designer draws it, read
// only, under a caption that says whose it is.
class MessagePreview : public QObject
{
    Q_OBJECT
public:
    // The view's height at the first start, and the scale that shows the
    // 1200 dots of all four heads in it below the ruler and above the
    // scroll bar: a little smaller than the designer's, so that the window
    // also leaves the event log its lines.
    static constexpr int kViewHeight = 238;
    static constexpr qreal kScale = (kViewHeight - 31) / 1200.0;

    MessagePreview(GraphicsView *view, QLabel *caption, QObject *parent = nullptr);

    GraphicsScene *scene() const { return m_scene; }
    QString caption() const;

    // A message file the operator chose: its problems show in boxes, as in
    // the designer.
    void showFile(const QString &path);
    // A coder's current message: any connection may send one, so its
    // problems go to the event log, never into a box nobody at the PC asked for.
    // The caption says when the coder reported it after the last send, and,
    // in red with both SHA-256s, when that is not the message sent.
    void showCoderFile(const QString &path, const Coder &coder);
    // The coder's read-back moved on: the caption follows while its message shows.
    void showReadBack(const Coder &coder);
    // Whether the caption shows a read-back that is not the message sent.
    bool showsMismatch() const { return m_mismatch; }

    // The scene while it shows the file at path as the file is on disk now
    // (chosen by the operator, and the same bytes still); null otherwise.
    const GraphicsScene *sceneOf(const QString &path) const;

signals:
    void problem(const QString &text);

private:
    MessageFile::Result load(const QString &path);
    void setCoderCaption(const Coder &coder);

    GraphicsView *m_view;
    QLabel *m_caption;
    GraphicsScene *m_scene;
    static QByteArray fingerprint(const QString &path);

    // The operator's file shown, and the fingerprint of the bytes read.
    QString m_filePath;
    QByteArray m_fileFingerprint;
    // The coder whose message shows; -1: a file of the PC.
    int m_coderDescriptor = -1;
    bool m_mismatch = false;
};
