// SPDX-License-Identifier: GPL-3.0-or-later
#include "printedcodesof.h"

#include "barcodeitem.h"
#include "graphicsscene.h"
#include "itemtypes.h"
#include "messagefile.h"
#include "printpreview.h"
#include "printtimeline.h"

namespace PrintedCodesOfFile {

PrintedCodes at(const QString &path, const QDateTime &moment)
{
    PrintedCodes result;
    GraphicsScene scene;
    const MessageFile::Result loaded = MessageFile::load(scene, path);
    if (!loaded.ok) {
        result.error = loaded.error;
        return result;
    }
    result.loaded = true;
    PrintPreview::showDatesAt(scene, moment);
    QList<QGraphicsItem *> items = scene.items(Qt::AscendingOrder);
    for (QGraphicsItem *item : qAsConst(items)) {
        if (item->type() != ItemTypeCode::kBarcode)
            continue;
        if (item->data(ItemData::kIsExtern).toBool()) {
            result.predictable = false;
            continue;
        }
        const QString code = static_cast<BarcodeItem *>(item)->encoder().text();
        if (!code.isEmpty() && !result.codes.contains(code))
            result.codes << code;
    }
    // What the message prints holds until its next date or shift change.
    const QList<PrintTimeline::Change> next = PrintTimeline(scene).nextChanges(moment, 1, 1);
    if (!next.isEmpty())
        result.until = next.first().at;
    return result;
}

} // namespace PrintedCodesOfFile
