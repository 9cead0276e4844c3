// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGraphicsPixmapItem>

// What the three picture items share: the move and select flags and the
// source picture, the last one rendered or loaded, which the shown pixmap
// may be a scaled copy of.
class diagramPictureBase : public QGraphicsPixmapItem
{
public:
    // With showSelectionFrame false the item draws no outline when selected.
    diagramPictureBase(bool showSelectionFrame, QGraphicsItem *parent);

    QPixmap source() const { return m_source; }
    // Becomes the source and the shown pixmap.
    void setSource(const QPixmap &picture);
    // Shows the source scaled to size, ignoring the aspect ratio, without
    // smoothing (the pixels are printer dots).  A size over the editor's
    // pixel limit shows the source unscaled.
    void showScaled(const QSize &size);

    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

private:
    QPixmap m_source;
    bool m_showSelectionFrame;
};
