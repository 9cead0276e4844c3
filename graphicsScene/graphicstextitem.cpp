// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphicstextitem.h"

#include <QFont>
#include <QJsonValue>

GraphicsTextItem::GraphicsTextItem(QGraphicsItem *parent)
    : GraphicsTextAbstract(parent, DefaultPixelSize)
{
    const QString initial = QStringLiteral("Input Text");
    setPlainText(initial);
    content = initial;
}

bool GraphicsTextItem::saveRecord(QJsonObject &record)
{
    writePlacement(record, "TextAtX", "TextAtY", "TextAtZ");
    record.insert("TextContent", toPlainText());
    record.insert("TextFont", font().toString());
    record.insert("TextRotate", rotation());
    record.insert("TextID", data(ItemData::Id).toString());
    record.insert("TextIsExtern", data(ItemData::IsExtern).toBool());
    record.insert("TextFontSpace", font().letterSpacing());
    return true;
}

bool GraphicsTextItem::loadRecord(const QJsonObject &record)
{
    // The font description carries no letter spacing, so the spacing goes on
    // top of the parsed font; the rotation comes last so that its origin is
    // the centre of the text in its final font.
    readPlacement(record, "TextAtX", "TextAtY", "TextAtZ");
    if (record.contains("TextContent")) {
        const QString text = record.value("TextContent").toString();
        setPlainText(text);
        content = text;
    }
    readFont(record, "TextFont", "TextFontSpace");
    readRotation(record, "TextRotate");
    if (record.contains("TextID"))
        setData(ItemData::Id, record.value("TextID").toString());
    if (record.contains("TextIsExtern"))
        setData(ItemData::IsExtern, record.value("TextIsExtern").toBool(false));
    return true;
}
