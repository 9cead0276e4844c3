// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "itemtypes.h"

#include <QGraphicsPixmapItem>
#include <QJsonObject>

// A picture of the message, turned into a 1-bit bitmap when loaded and shown
// stretched to the item's width and height (in dots).
class GraphicsImageItem : public QGraphicsPixmapItem
{
public:
    enum { Type = ItemTypeCode::Image };
    static constexpr int PlaceholderSize = 240;

    explicit GraphicsImageItem(QGraphicsItem *parent = nullptr);

    int type() const override { return Type; }
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option,
               QWidget *widget) override;

    // Loads and converts the picture; an empty path gives the placeholder.
    void loadImage(const QString &path);
    // Copies the chosen picture into the working folder's "Image" folder and
    // loads that copy, so that the message finds it again when reopened.
    // False, with the reason in error and the item unchanged, when refused.
    bool addPicture(const QString &file, QString *error = nullptr);
    // Shows the source bitmap stretched to width by height, unsmoothed.
    void rescale();

    QString picturePath() const { return pixPath; }
    bool colorConverse() const { return isColorConverse; }
    void setColorConverse(bool on) { isColorConverse = on; }
    int imageWidth() const { return width; }
    void setImageWidth(int w) { width = w; }
    int imageHeight() const { return height; }
    void setImageHeight(int h) { height = h; }
    QPixmap sourceBitmap() const { return source; }

    bool saveRecord(QJsonObject &record) const;
    bool loadRecord(const QJsonObject &record);

    // 240 by 240, white, with the word "image" in the centre.
    static QPixmap placeholder();

private:
    void showPicture(const QPixmap &picture, const QString &path);

    QString pixPath;
    bool isColorConverse = false;
    QPixmap source;
    QPixmap shown;
    qint32 height = PlaceholderSize;
    qint32 width = PlaceholderSize;
};
