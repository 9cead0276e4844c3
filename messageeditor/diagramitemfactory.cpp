// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagramitemfactory.h"

#include "diagrambaritem.h"
#include "diagramcnt2item.h"
#include "diagramcntitem.h"
#include "diagramimageitem.h"
#include "diagramqrcodeitem.h"
#include "diagramtextitem.h"
#include "diagramtimeitem.h"

namespace diagramItemFactory {

QGraphicsItem *create(int kind, int resolution)
{
    const bool small = resolution == 0;
    const int pixelSize = small ? 70 : 150;
    switch (kind) {
    case Cnt: {
        auto *item = new diagramCntItem;
        item->setPixelSize(pixelSize);
        return item;
    }
    case Cnt2:
        return new diagramCnt2Item; // always the constructor's 150 pixels
    case Time: {
        auto *item = new diagramTimeItem;
        item->setPixelSize(pixelSize);
        return item;
    }
    case Image:
        return new diagramImageItem;
    case QRCode: {
        auto *item = new diagramQRCodeItem;
        if (small) {
            qrCodeParams params = item->params();
            params.scale = 6;
            item->setParams(params);
        }
        return item;
    }
    case Bar: {
        auto *item = new diagramBarItem;
        if (small) {
            barcodeSettings settings = item->settings();
            settings.moduleWidth = 3;
            settings.barHeight = 100;
            item->setSettings(settings);
        }
        return item;
    }
    default: {
        auto *item = new diagramTextItem;
        item->setPixelSize(pixelSize);
        return item;
    }
    }
}

} // namespace diagramItemFactory
