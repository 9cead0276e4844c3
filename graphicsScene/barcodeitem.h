// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "itemtypes.h"
#include "zintwrapper.h"

#include <QGraphicsPixmapItem>
#include <QJsonObject>

// A linear barcode or 2-D code of the message: shows the pixmap its encoder
// renders.  Every change made through these operations renders it again.
class BarcodeItem : public QGraphicsPixmapItem
{
public:
    enum { Type = ItemTypeCode::kBarcode };

    BarcodeItem();

    int type() const override { return Type; }
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

    Zint::QZint &encoder() { return m_zint; }
    const Zint::QZint &encoder() const { return m_zint; }

    void regenerate();
    void setSymbology(int symbology);
    void setGS1Mode(bool gs1);
    void setShowText(bool show);
    // An empty content is refused: the item keeps what it has.
    void setContent(const QString &content);
    void setBarHeight(int height);
    // Scale in tenths: 20 is scale 2.0.
    void setScaleStep(int tenths);
    // QR Code sizes 21x21, 25x25 and 29x29 (versions 1 to 3) as 0, 1, 2.
    void setQrSize(int index);

    bool saveRecord(QJsonObject &record) const;
    bool loadRecord(const QJsonObject &record);

private:
    Zint::QZint m_zint;
};
