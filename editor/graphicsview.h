// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGraphicsView>
#include <QJsonObject>

class GraphicsScene;

// The widget that shows a message scene and carries the message file reader
// and writer for it.
class GraphicsView : public QGraphicsView
{
    Q_OBJECT
public:
    explicit GraphicsView(QWidget *parent = nullptr);

    // The scene shown, when it is a message scene.
    GraphicsScene *messageScene() const;

    quint8 headMask() const { return m_headMask; }
    void setHeadMask(quint8 headMask);

    // Message file operations on the view's scene; false when there is no
    // message scene or the file could not be written or read.
    bool saveFile(const QString &path);
    bool loadFile(const QString &path);
    bool writeItems(QJsonObject &document);
    void loadItems(const QJsonObject &document);

private:
    quint8 m_headMask = 3; // print heads in use: 1, 3, 7 or 15
};
