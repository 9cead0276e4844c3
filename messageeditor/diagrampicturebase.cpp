// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagrampicturebase.h"

#include "messageeditorlog.h"
#include "pixellimit.h"

#include <QStyleOptionGraphicsItem>

diagramPictureBase::diagramPictureBase(bool showSelectionFrame, QGraphicsItem *parent)
    : QGraphicsPixmapItem(parent), m_showSelectionFrame(showSelectionFrame)
{
    setFlags(ItemIsMovable | ItemIsSelectable);
}

void diagramPictureBase::setSource(const QPixmap &picture)
{
    m_source = picture;
    setPixmap(picture);
}

void diagramPictureBase::showScaled(const QSize &size)
{
    // A stored size of 120 x 12836480 would take gigabytes: such a size shows
    // the source as it is.  An empty size still gives an empty picture.
    if (!size.isEmpty() && !PixelLimit::grant(size)) {
        qCWarning(lcMessageEditor)
            << "picture size" << size << "is over the limit; shown at" << m_source.size();
        setPixmap(m_source);
        return;
    }
    setPixmap(m_source.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation));
}

void diagramPictureBase::paint(QPainter *painter, const QStyleOptionGraphicsItem *option,
                               QWidget *widget)
{
    if (m_showSelectionFrame || !(option->state & QStyle::State_Selected)) {
        QGraphicsPixmapItem::paint(painter, option, widget);
        return;
    }
    QStyleOptionGraphicsItem plain(*option);
    plain.state = QStyle::State_None;
    QGraphicsPixmapItem::paint(painter, &plain, widget);
}
