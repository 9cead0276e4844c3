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
    enum { Type = ItemTypeCode::kImage };
    static constexpr int kPlaceholderSize = 240;

    explicit GraphicsImageItem(QGraphicsItem *parent = nullptr);

    int type() const override { return Type; }
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

    // Loads and converts the picture; an empty path gives the placeholder
    // and no picture path.
    void loadImage(const QString &path);
    // Copies the chosen picture into the working folder's "Image" folder and
    // loads that copy, so that the message finds it again when reopened.
    // False, with the reason in error and the item unchanged, when refused.
    bool addPicture(const QString &file, QString *error = nullptr);
    // Shows the source bitmap stretched to width by height, unsmoothed.
    void rescale();

    QString picturePath() const { return m_pixPath; }
    bool colorConverse() const { return m_isColorConverse; }
    void setColorConverse(bool on) { m_isColorConverse = on; }
    int imageWidth() const { return m_width; }
    void setImageWidth(int w) { m_width = w; }
    int imageHeight() const { return m_height; }
    void setImageHeight(int h) { m_height = h; }
    QPixmap sourceBitmap() const { return m_source; }

    bool saveRecord(QJsonObject &record) const;
    bool loadRecord(const QJsonObject &record);

    // 240 by 240, white, with the word "image" in the centre.
    static QPixmap placeholder();

private:
    void showPicture(const QPixmap &picture, const QString &path);

    QString m_pixPath;
    bool m_isColorConverse = false;
    QPixmap m_source;
    QPixmap m_shown;
    qint32 m_height = kPlaceholderSize;
    qint32 m_width = kPlaceholderSize;
};
