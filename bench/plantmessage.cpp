// SPDX-License-Identifier: GPL-3.0-or-later
#include "plantmessage.h"

#include "barcodeitem.h"
#include "graphicsimageitem.h"
#include "graphicsscene.h"
#include "graphicsserialnumberitem.h"
#include "graphicsshiftcodeitem.h"
#include "graphicstextitem.h"
#include "graphicstimeitem.h"
#include "messagefile.h"
#include "zintwrapper.h"

#include <QDir>
#include <QImage>

namespace PlantMessage {

namespace {

QGraphicsItem *text(int i)
{
    auto *item = new GraphicsTextItem;
    item->setPlainText(QStringLiteral("Lot %1 line %2").arg(i).arg(i % 7 + 1));
    item->setData(ItemData::kId, QStringLiteral("Text%1").arg(i));
    item->setData(ItemData::kIsExtern, false);
    return item;
}

QGraphicsItem *barcode(int i, int nth)
{
    auto *item = new BarcodeItem;
    switch (nth % 3) {
    case 0:
        item->setSymbology(Zint::QZint::QrCode);
        item->setContent(QStringLiteral("https://example.com/lot/%1").arg(i));
        break;
    case 1:
        item->setSymbology(Zint::QZint::Ean13);
        item->setContent(QStringLiteral("9501101%1").arg(i % 100000, 5, 10, QLatin1Char('0')));
        item->setShowText(true);
        break;
    default:
        item->setSymbology(Zint::QZint::Code128);
        item->setContent(QStringLiteral("LOT-%1").arg(i));
        item->setShowText(true);
        break;
    }
    item->setData(ItemData::kId, QStringLiteral("Barcode%1").arg(i));
    item->setData(ItemData::kIsExtern, false);
    return item;
}

} // namespace

bool write(const QString &path, int count)
{
    QImage stripes(64, 48, QImage::Format_RGB32);
    stripes.fill(Qt::white);
    for (int y = 0; y < 48; y += 2)
        for (int x = 0; x < 64; ++x)
            stripes.setPixel(x, y, qRgb(0, 0, 0));
    if (!QDir().mkpath(QStringLiteral("Image")) ||
        !stripes.save(QStringLiteral("Image/stripes.png")))
        return false;

    GraphicsScene scene;
    for (int i = 0; i < count; ++i) {
        const int slot = i % 100;
        QGraphicsItem *item = nullptr;
        if (slot < 40) {
            item = text(i);
        } else if (slot < 60) {
            auto *time = new GraphicsTimeItem;
            time->setTimeFormat(QStringLiteral("'EXP' dd.MM.yyyy"));
            time->setValidDays(180);
            item = time;
        } else if (slot < 76) {
            auto *serial = new GraphicsSerialNumberItem;
            serial->setDigits(8);
            item = serial;
        } else if (slot < 96) {
            auto *shift = new GraphicsShiftCodeItem;
            shift->addShift(QStringLiteral("A"), QTime(6, 0));
            shift->addShift(QStringLiteral("B"), QTime(14, 0));
            shift->refreshText();
            item = shift;
        } else if (slot < 98) {
            item = barcode(i, i / 100 * 2 + slot - 96);
        } else {
            auto *picture = new GraphicsImageItem;
            picture->loadImage(QStringLiteral("Image/stripes.png"));
            item = picture;
        }
        item->setPos((i % 50) * 400, (i / 50) * 60);
        item->setZValue(i);
        scene.addItem(item);
    }
    return MessageFile::save(scene, path).ok;
}

} // namespace PlantMessage
