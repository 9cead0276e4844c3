// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphicstextitem.h"

#include <QFont>
#include <QJsonValue>

GraphicsTextItem::GraphicsTextItem(QGraphicsItem *parent)
    : GraphicsTextAbstract(parent, kDefaultPixelSize)
{
    const QString initial = QStringLiteral("Input Text");
    setPlainText(initial);
    m_content = initial;
}

bool GraphicsTextItem::saveRecord(QJsonObject &record)
{
    writePlacement(record, "TextAtX", "TextAtY", "TextAtZ");
    record.insert("TextContent", toPlainText());
    record.insert("TextFont", font().toString());
    record.insert("TextRotate", rotation());
    record.insert("TextID", data(ItemData::kId).toString());
    record.insert("TextIsExtern", data(ItemData::kIsExtern).toBool());
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
        m_content = text;
    }
    readFont(record, "TextFont", "TextFontSpace");
    readRotation(record, "TextRotate");
    if (record.contains("TextID"))
        setData(ItemData::kId, record.value("TextID").toString());
    if (record.contains("TextIsExtern"))
        setData(ItemData::kIsExtern, record.value("TextIsExtern").toBool(false));
    return true;
}
