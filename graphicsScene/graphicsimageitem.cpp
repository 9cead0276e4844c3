// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphicsimageitem.h"

#include "graphicstextabstract.h"
#include "picturefolder.h"
#include "pixellimit.h"
#include "selectionframe.h"

#include <QBitmap>
#include <QJsonValue>
#include <QPainter>

GraphicsImageItem::GraphicsImageItem(QGraphicsItem *parent) : QGraphicsPixmapItem(parent)
{
    loadImage(m_pixPath);
    // Not selected: a loaded message comes up with nothing selected, and a
    // new item is selected by the scene that adds it.
    setFlags(ItemIsMovable | ItemIsSelectable);
}

void GraphicsImageItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *option,
                              QWidget *widget)
{
    paintPixmapWithFrame(this, painter, option, widget);
}

QPixmap GraphicsImageItem::placeholder()
{
    QPixmap picture(kPlaceholderSize, kPlaceholderSize);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setPen(Qt::black);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(40);
    painter.setFont(font);
    painter.drawText(picture.rect(), Qt::AlignCenter, QStringLiteral("image"));
    return picture;
}

void GraphicsImageItem::loadImage(const QString &path)
{
    showPicture(path.isEmpty() ? QPixmap() : PictureFolder::read(path), path);
}

void GraphicsImageItem::showPicture(const QPixmap &picture, const QString &path)
{
    if (path.isEmpty()) {
        m_shown = m_source = placeholder();
        m_width = m_height = kPlaceholderSize;
        m_pixPath.clear();
    } else {
        // Qt's colour to 1-bit conversion decides which pixels print.
        QBitmap bitmap(picture.size());
        if (!picture.isNull()) {
            bitmap.fill(Qt::color0);
            QPainter painter(&bitmap);
            painter.setPen(Qt::color1);
            painter.setBackground(Qt::color0);
            painter.drawPixmap(0, 0, picture);
        }
        m_width = bitmap.width();
        m_height = bitmap.height();
        m_shown = m_source = bitmap;
        m_pixPath = PictureFolder::storedPath(path);
    }
    setPixmap(m_shown);
}

bool GraphicsImageItem::addPicture(const QString &file, QString *error)
{
    const QString copy = PictureFolder::import(file, error);
    if (copy.isEmpty())
        return false;
    loadImage(copy);
    return true;
}

void GraphicsImageItem::rescale()
{
    if (m_source.isNull())
        return;
    // A size from a message file is checked before memory is taken for it.
    m_shown =
        PixelLimit::grant(m_width, m_height)
            ? m_source.scaled(m_width, m_height, Qt::IgnoreAspectRatio, Qt::FastTransformation)
            : QPixmap();
    setPixmap(m_shown);
}

bool GraphicsImageItem::saveRecord(QJsonObject &record) const
{
    record.insert("ImageAtX", int(pos().x()));
    record.insert("ImageAtY", int(pos().y()));
    record.insert("ImageAtZ", int(zValue()));
    // Without its picture (not on this computer) the item keeps the size the
    // message gave it, so saving does not shrink the picture to nothing.
    const bool shown = !pixmap().isNull();
    record.insert("ImageWidth", shown ? pixmap().width() : m_width);
    record.insert("ImageHeight", shown ? pixmap().height() : m_height);
    record.insert("ImageRotate", rotation());
    record.insert("ImagePixPath", m_pixPath);
    record.insert("ImageIsColorConverse", m_isColorConverse);
    return true;
}

bool GraphicsImageItem::loadRecord(const QJsonObject &record)
{
    setX(jsonToInt(record.value("ImageAtX")));
    setY(jsonToInt(record.value("ImageAtY")));
    setZValue(jsonToInt(record.value("ImageAtZ")));
    const QString path = record.value("ImagePixPath").toString();
    if (!path.isEmpty())
        showPicture(PictureFolder::readStored(path), path);
    m_width = jsonToInt(record.value("ImageWidth"));
    m_height = jsonToInt(record.value("ImageHeight"));
    m_isColorConverse = record.value("ImageIsColorConverse").toBool();
    rescale();
    // Rotated last, about the centre of the picture as shown.
    rotateAboutCentre(this, jsonToInt(record.value("ImageRotate")));
    return true;
}
