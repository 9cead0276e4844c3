// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "barcodeitem.h"
#include "graphicsimageitem.h"
#include "graphicsscene.h"
#include "graphicsserialnumberitem.h"
#include "graphicsshiftcodeitem.h"
#include "graphicstextitem.h"
#include "graphicstimeitem.h"
#include "itemtypes.h"
#include "messagefile.h"

#include <QImage>
#include <QString>
#include <QTime>

// The message the designer benchmarks open: a thousand items as a busy
// message has them.
// itemCount items of all kinds on a grid of 40 columns, 300 dots apart, saved
// at path; the pictures' file "logo.png" goes into the working folder.
inline bool writeGridMessage(const QString &path, int itemCount)
{
    QImage logo(96, 48, QImage::Format_RGB32);
    logo.fill(Qt::white);
    for (int y = 8; y < 40; ++y)
        for (int x = 8; x < 88; ++x)
            if ((x / 8 + y / 8) % 2 == 0)
                logo.setPixel(x, y, qRgb(0, 0, 0));
    if (!logo.save("logo.png"))
        return false;

    GraphicsScene scene;
    for (int i = 0; i < itemCount; ++i) {
        QGraphicsItem *item = nullptr;
        switch (i % 6) {
        case 0: {
            auto *text = new GraphicsTextItem;
            text->setPlainText(QString("Lot %1 line 3").arg(i));
            text->setData(ItemData::kId, QString("Text%1").arg(i));
            text->setData(ItemData::kIsExtern, false);
            item = text;
            break;
        }
        case 1: {
            auto *time = new GraphicsTimeItem;
            time->setTimeFormat("'EXP' dd.MM.yyyy");
            time->setValidDays(180);
            item = time;
            break;
        }
        case 2:
            item = new GraphicsSerialNumberItem;
            break;
        case 3: {
            auto *shift = new GraphicsShiftCodeItem;
            shift->addShift("A", QTime(6, 0));
            shift->addShift("B", QTime(14, 0));
            shift->refreshText();
            item = shift;
            break;
        }
        case 4: {
            auto *code = new BarcodeItem;
            code->setSymbology(i % 12 == 4 ? Zint::QZint::QrCode : Zint::QZint::Code128);
            code->setContent(QString("LOT-%1").arg(i));
            code->setData(ItemData::kId, QString("Barcode%1").arg(i));
            code->setData(ItemData::kIsExtern, false);
            item = code;
            break;
        }
        default: {
            auto *picture = new GraphicsImageItem;
            if (!picture->addPicture("logo.png"))
                return false;
            picture->setImageWidth(96);
            picture->setImageHeight(48);
            picture->rescale();
            item = picture;
            break;
        }
        }
        item->setPos((i % 40) * 300, (i / 40) * 48);
        item->setZValue(i);
        scene.addItem(item);
    }
    return MessageFile::save(scene, path).ok;
}
