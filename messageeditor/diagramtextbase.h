// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QGraphicsTextItem>

// What the four text-like items share: the font kept in the item (its
// letter spacing is the character spacing, absolute, in pixels), the move
// and select flags, and the red-when-selected drawing without a frame.
class diagramTextBase : public QGraphicsTextItem
{
    Q_OBJECT
public:
    explicit diagramTextBase(QGraphicsItem *parent = nullptr);

    QFont itemFont() const { return m_font; }
    void setItemFont(const QFont &font);
    void setFamily(const QString &family);
    void setPixelSize(int pixels);
    qreal spacing() const { return m_font.letterSpacing(); }
    void setSpacing(qreal pixels);

    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

private:
    QFont m_font;
};
