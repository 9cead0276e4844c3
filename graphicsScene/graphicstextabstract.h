// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "itemtypes.h"

#include <QFont>
#include <QGraphicsTextItem>
#include <QJsonObject>

// Base of every text-like item (fixed text, date/time, serial number, shift
// code): keeps the font style set through the property panel, draws its own
// thin selection frame, and defines the record operations through which the
// scene and the message file handle every text-like item.
class GraphicsTextAbstract : public QGraphicsTextItem
{
    Q_OBJECT
public:
    enum { Type = ItemTypeCode::kTextAbstract };

    // Pixel size used by every item kind at construction.
    static constexpr int kDefaultPixelSize = 150;
    static const char *const kDefaultFamily; // "SimHei"

    explicit GraphicsTextAbstract(QGraphicsItem *parent = nullptr,
                                  int pixelSize = kDefaultPixelSize);

    int type() const override { return Type; }
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

    // Style operations; each changes one property of the current font.
    void setFontPixelSize(int size);
    void setFontLetterSpacing(int spacing); // absolute, in pixels
    void setFontBold(bool on);
    void setFontItalic(bool on);
    void setFontUnderline(bool on);
    // Starts from font (the chosen family) and re-applies the remembered style.
    void applyFontFamily(const QFont &font);

    int fontPixelSize() const { return m_pixelSize; }
    int fontLetterSpacing() const { return m_letterSpacing; }
    bool isBold() const { return m_bold; }
    bool isItalic() const { return m_italic; }
    bool isUnderline() const { return m_underline; }
    QString contentText() const { return m_content; }

    // Record operations.  The base versions read and write nothing.
    virtual bool loadRecord(const QJsonObject &record);
    virtual bool saveRecord(QJsonObject &record);
    virtual void refreshText();

protected:
    // Record helpers shared by the text-like items, each key read only when
    // present.  Position and stacking value are whole numbers in the record.
    void writePlacement(QJsonObject &record, const char *x, const char *y, const char *z) const;
    void readPlacement(const QJsonObject &record, const char *x, const char *y, const char *z);
    // Replaces the whole font from its description (one that does not parse
    // keeps the font), then puts the absolute letter spacing on top, since
    // the description carries none.  The remembered style fields stay as set.
    void readFont(const QJsonObject &record, const char *fontKey, const char *spacingKey);
    // Rotation about the centre of the text shown now.
    void readRotation(const QJsonObject &record, const char *key);

    int m_pixelSize;
    int m_letterSpacing = 0;
    bool m_bold = false;
    bool m_italic = false;
    bool m_underline = false;
    QString m_content;
};

// Reads a JSON value as an integer: the value when it is a whole number, 0
// for anything else (fractions, strings, missing values).
int jsonToInt(const QJsonValue &value, int defaultValue = 0);

// Sets the item's rotation about the centre of its bounding rectangle.
void rotateAboutCentre(QGraphicsItem *item, int degrees);
