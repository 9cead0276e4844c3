// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagramtextbase.h"

#include <QStyleOptionGraphicsItem>

diagramTextBase::diagramTextBase(QGraphicsItem *parent) : QGraphicsTextItem(parent)
{
    setFlags(ItemIsMovable | ItemIsSelectable);
    m_font.setFamily("simsun");
    m_font.setPixelSize(150);
    setFont(m_font);
}

void diagramTextBase::setItemFont(const QFont &font)
{
    m_font = font;
    setFont(m_font);
}

void diagramTextBase::setFamily(const QString &family)
{
    m_font.setFamily(family);
    setFont(m_font);
}

void diagramTextBase::setPixelSize(int pixels)
{
    if (pixels <= 0)
        return; // QFont refuses it too, with a warning
    m_font.setPixelSize(pixels);
    setFont(m_font);
}

void diagramTextBase::setSpacing(qreal pixels)
{
    m_font.setLetterSpacing(QFont::AbsoluteSpacing, pixels);
    setFont(m_font);
}

void diagramTextBase::paint(QPainter *painter, const QStyleOptionGraphicsItem *option,
                            QWidget *widget)
{
    // The selection shows as red text instead of Qt's dashed frame.
    // The colour changes only when it differs: setting it schedules another
    // paint, which must not loop.
    QStyleOptionGraphicsItem plain(*option);
    const bool selected = plain.state & QStyle::State_Selected;
    if (selected)
        plain.state = QStyle::State_None;
    const QColor colour = selected ? Qt::red : Qt::black;
    if (defaultTextColor() != colour)
        setDefaultTextColor(colour);
    QGraphicsTextItem::paint(painter, &plain, widget);
}
