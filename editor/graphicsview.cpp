// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphicsview.h"

#include "graphicsscene.h"
#include "messagefile.h"

GraphicsView::GraphicsView(QWidget *parent) : QGraphicsView(parent)
{
    setViewport(new QWidget);
    setAttribute(Qt::WA_DeleteOnClose);
    setStyleSheet(QStringLiteral("QGraphicsView{border:none;}"));
}

GraphicsScene *GraphicsView::messageScene() const
{
    return qobject_cast<GraphicsScene *>(scene());
}

void GraphicsView::setHeadMask(quint8 headMask)
{
    m_headMask = headMask;
    viewport()->update();
}

bool GraphicsView::saveFile(const QString &path)
{
    GraphicsScene *s = messageScene();
    return s && MessageFile::save(*s, path, this);
}

bool GraphicsView::loadFile(const QString &path)
{
    GraphicsScene *s = messageScene();
    return s && MessageFile::load(*s, path, this);
}

bool GraphicsView::writeItems(QJsonObject &document)
{
    GraphicsScene *s = messageScene();
    return s && MessageFile::writeItems(*s, document);
}

void GraphicsView::loadItems(const QJsonObject &document)
{
    if (GraphicsScene *s = messageScene())
        MessageFile::loadItems(*s, document);
}
