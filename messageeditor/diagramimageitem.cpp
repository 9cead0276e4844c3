// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagramimageitem.h"

#include "pixellimit.h"

#include <QBitmap>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QPainter>

diagramImageItem::diagramImageItem(QGraphicsItem *parent) : diagramPictureBase(true, parent)
{
    setSource(placeholder());
}

QPixmap diagramImageItem::placeholder()
{
    QImage image(120, 120, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(QFont("Arial", 20));
    painter.drawText(QRect(0, 0, 120, 120), Qt::AlignCenter, QStringLiteral("NO IMG"));
    painter.end();
    return QPixmap::fromImage(image);
}

QPixmap diagramImageItem::picture(const QString &path)
{
    if (path.isEmpty())
        return placeholder();
    const QImage image = readFile(path);
    if (image.isNull())
        return QPixmap();
    return QBitmap::fromImage(image, Qt::MonoOnly);
}

QImage diagramImageItem::readFile(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return QImage();
    QImageReader reader(path);
    const QSize size = reader.size();
    if (size.isValid() && !PixelLimit::grant(size))
        return QImage();
    const QImage image = reader.read();
    // A reader that could not tell the size first is charged now.
    if (image.isNull() || !PixelLimit::fits(image.size()) ||
        (!size.isValid() && !PixelLimit::grant(image.size())))
        return QImage();
    return image;
}

QPixmap diagramImageItem::inverted(const QPixmap &picture)
{
    return picture.createMaskFromColor(Qt::black, Qt::MaskInColor);
}

void diagramImageItem::loadFile(const QString &path)
{
    m_path = path;
    setSource(picture(path));
}

void diagramImageItem::reverse()
{
    m_converse = true;
    const QSize shown = pixmap().size();
    // The source is inverted too, so that a later resize keeps the colours.
    setSource(inverted(source()));
    showScaled(shown);
}
