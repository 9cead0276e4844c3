// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphicstextabstract.h"

#include "selectionframe.h"

#include <QJsonValue>
#include <QPainter>
#include <QStyleOptionGraphicsItem>
#include <climits>
#include <cmath>

const char *const GraphicsTextAbstract::kDefaultFamily = "SimHei";

GraphicsTextAbstract::GraphicsTextAbstract(QGraphicsItem *parent, int pixelSize)
    : QGraphicsTextItem(parent), m_pixelSize(pixelSize)
{
    QFont f = font();
    f.setFamily(QString::fromLatin1(kDefaultFamily));
    f.setPixelSize(pixelSize);
    setFont(f);
    setFlags(ItemIsMovable | ItemIsSelectable | ItemSendsGeometryChanges);
}

void GraphicsTextAbstract::paint(QPainter *painter, const QStyleOptionGraphicsItem *option,
                                 QWidget *widget)
{
    // Paint with a default option so the framework's dashed outline never shows.
    QStyleOptionGraphicsItem plain;
    QGraphicsTextItem::paint(painter, &plain, widget);

    if (option->state & QStyle::State_Selected)
        drawSelectionFrame(painter, boundingRect());
}

void GraphicsTextAbstract::setFontPixelSize(int size)
{
    QFont f = font();
    f.setPixelSize(size);
    m_pixelSize = size;
    setFont(f);
}

void GraphicsTextAbstract::setFontLetterSpacing(int spacing)
{
    QFont f = font();
    f.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
    m_letterSpacing = spacing;
    setFont(f);
}

void GraphicsTextAbstract::setFontBold(bool on)
{
    QFont f = font();
    f.setWeight(on ? QFont::Bold : QFont::Normal);
    m_bold = on;
    setFont(f);
}

void GraphicsTextAbstract::setFontItalic(bool on)
{
    QFont f = font();
    f.setStyle(on ? QFont::StyleItalic : QFont::StyleNormal);
    m_italic = on;
    setFont(f);
}

void GraphicsTextAbstract::setFontUnderline(bool on)
{
    QFont f = font();
    f.setUnderline(on);
    m_underline = on;
    setFont(f);
}

void GraphicsTextAbstract::applyFontFamily(const QFont &font)
{
    QFont f = font;
    f.setPixelSize(m_pixelSize);
    f.setLetterSpacing(QFont::AbsoluteSpacing, m_letterSpacing);
    f.setWeight(m_bold ? QFont::Bold : QFont::Normal);
    f.setStyle(m_italic ? QFont::StyleItalic : QFont::StyleNormal);
    f.setUnderline(m_underline);
    setFont(f);
}

bool GraphicsTextAbstract::loadRecord(const QJsonObject &)
{
    return true;
}

bool GraphicsTextAbstract::saveRecord(QJsonObject &)
{
    return true;
}

void GraphicsTextAbstract::refreshText() {}

void GraphicsTextAbstract::writePlacement(QJsonObject &record, const char *x, const char *y,
                                          const char *z) const
{
    record.insert(x, int(pos().x()));
    record.insert(y, int(pos().y()));
    record.insert(z, int(zValue()));
}

void GraphicsTextAbstract::readPlacement(const QJsonObject &record, const char *x, const char *y,
                                         const char *z)
{
    if (record.contains(x))
        setX(jsonToInt(record.value(x)));
    if (record.contains(y))
        setY(jsonToInt(record.value(y)));
    if (record.contains(z))
        setZValue(jsonToInt(record.value(z)));
}

void GraphicsTextAbstract::readFont(const QJsonObject &record, const char *fontKey,
                                    const char *spacingKey)
{
    if (record.contains(fontKey)) {
        QFont f;
        if (f.fromString(record.value(fontKey).toString()))
            setFont(f);
    }
    if (record.contains(spacingKey)) {
        QFont f = font();
        f.setLetterSpacing(QFont::AbsoluteSpacing, jsonToInt(record.value(spacingKey)));
        setFont(f);
    }
}

void GraphicsTextAbstract::readRotation(const QJsonObject &record, const char *key)
{
    if (record.contains(key))
        rotateAboutCentre(this, jsonToInt(record.value(key)));
}

int jsonToInt(const QJsonValue &value, int defaultValue)
{
    if (!value.isDouble())
        return defaultValue;
    const double d = value.toDouble();
    double whole = 0;
    if (std::modf(d, &whole) != 0.0 || whole < INT_MIN || whole > INT_MAX)
        return defaultValue;
    return int(whole);
}

void rotateAboutCentre(QGraphicsItem *item, int degrees)
{
    item->setTransformOriginPoint(item->boundingRect().center());
    item->setRotation(degrees);
}
