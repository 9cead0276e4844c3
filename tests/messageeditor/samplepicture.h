// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPainter>

// Writes a white picture (24-bit colour) whose left 10 columns are black, as
// a picture file an operator would choose for an image item.
inline bool writeSamplePicture(const QString &path, const QSize &size)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter(&picture).fillRect(0, 0, 10, size.height(), Qt::black);
    return picture.save(path);
}
