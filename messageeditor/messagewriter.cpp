// SPDX-License-Identifier: GPL-3.0-or-later
#include "messagewriter.h"

#include "diagrambaritem.h"
#include "diagramcntitem.h"
#include "diagramimageitem.h"
#include "diagramqrcodeitem.h"
#include "diagramscene.h"
#include "diagramtextitem.h"
#include "diagramtimeitem.h"
#include "editorprompts.h"
#include "recordfields.h"
#include "savetemporaries.h"
#include "writewhole.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>

namespace {

// X, Y and rotation, with the record kind's prefix: "TextAtX", "TextAtY", "TextRotate".
void writePlacement(QJsonObject &r, const QGraphicsItem &item, const QString &prefix)
{
    r.insert(prefix + "AtX", item.pos().x());
    r.insert(prefix + "AtY", item.pos().y());
    r.insert(prefix + "Rotate", item.rotation());
}

void writeFont(QJsonObject &r, const diagramTextBase &item, const QString &prefix)
{
    r.insert(prefix + "Font", item.itemFont().toString());
    r.insert(prefix + "Space", item.spacing());
}

QJsonObject textRecord(const diagramTextItem &item)
{
    QJsonObject r;
    writePlacement(r, item, "Text");
    writeFont(r, item, "Text");
    r.insert("TextContent", item.content());
    recordFields::writeExternal(r, item.external(), recordFields::kTextKeys);
    return r;
}

QJsonObject timeRecord(const diagramTimeItem &item)
{
    QJsonObject r;
    writePlacement(r, item, "Time");
    writeFont(r, item, "Time");
    r.insert("TimeMode", item.format());
    r.insert("TimeValid", item.validMonths());
    r.insert("TimeModeIndex", item.formatIndex());
    r.insert("TimeUserDefined", item.userDefined());
    return r;
}

QJsonObject cntRecord(const diagramCntItem &item)
{
    QJsonObject r;
    writePlacement(r, item, "Cnt");
    writeFont(r, item, "Cnt");
    r.insert("CntMode", item.digits());
    r.insert("CntName", item.counterNumber());
    return r;
}

QJsonObject barRecord(const diagramBarItem &item)
{
    QJsonObject r;
    writePlacement(r, item, "Bar");
    r.insert("BarHeight", item.pixmap().height()); // as shown, after any scaling
    r.insert("BarContent", item.content());
    r.insert("BarMode", item.symbology());
    r.insert("BarIsTextOn", item.showText());
    r.insert("BarLineWidth", item.moduleWidth());
    r.insert("BarLineHeight", item.barHeight());
    recordFields::writeExternal(r, item.external(), recordFields::kBarKeys);
    return r;
}

QJsonObject qrRecord(const diagramQRCodeItem &item)
{
    const qrCodeParams p = item.params();
    QJsonObject r;
    writePlacement(r, item, "QRcode");
    r.insert("QRcodeContent", p.content);
    r.insert("QRcodeLevel", p.level);
    r.insert("QRcodeScale", p.scale);
    r.insert("QRcodeVersion", p.version);
    r.insert("QRcodeConverse", p.converse);
    r.insert("QRcodeIsInsVariable", p.insVariable);
    r.insert("QRcodeIsUartVariable", p.uartVariable);
    if (p.insVariable) {
        r.insert("QRcodeInsertCnt", p.insertCnt);
        r.insert("QRcodeCntMode", p.cntMode);
        r.insert("QRcodeInsertCntPos", p.cntPos);
        r.insert("QRcodeInsertTime", p.insertTime);
        r.insert("QRcodeTimeModeStr", p.timeFormat);
        r.insert("QRcodeInsertTimePos", p.timePos);
    }
    recordFields::writeExternal(r, p.external, recordFields::kQrCodeKeys);
    return r;
}

QJsonObject imageRecord(const diagramImageItem &item)
{
    QJsonObject r;
    writePlacement(r, item, "Image");
    r.insert("ImageWidth", item.pixmap().width());
    r.insert("ImageHeight", item.pixmap().height());
    // The picture's place on the printer's storage, not on this computer.
    r.insert("ImagePixPath", "/udisk/bmp/" + item.path().section('/', -1));
    r.insert("ImageIsColorConverse", item.converse());
    return r;
}

void insertIfAny(QJsonObject &document, const char *key, const QJsonArray &records)
{
    if (!records.isEmpty())
        document.insert(key, records);
}

} // namespace

namespace messageWriter {

QJsonObject document(const diagramScene &scene)
{
    QJsonArray texts, times, counters, barcodes, qrcodes, images;
    const QList<QGraphicsItem *> all = scene.items(Qt::DescendingOrder);
    for (const QGraphicsItem *item : all) {
        switch (item->type()) {
        case diagramType::kText:
            texts.append(textRecord(*static_cast<const diagramTextItem *>(item)));
            break;
        case diagramType::kTime:
            times.append(timeRecord(*static_cast<const diagramTimeItem *>(item)));
            break;
        case diagramType::kCnt:
            counters.append(cntRecord(*static_cast<const diagramCntItem *>(item)));
            break;
        case diagramType::kBar:
            barcodes.append(barRecord(*static_cast<const diagramBarItem *>(item)));
            break;
        case diagramType::kQrCode:
            qrcodes.append(qrRecord(*static_cast<const diagramQRCodeItem *>(item)));
            break;
        case diagramType::kImage:
            images.append(imageRecord(*static_cast<const diagramImageItem *>(item)));
            break;
        default:
            break; // guide lines and counter-2 items
        }
    }
    QJsonObject doc;
    doc.insert("SceneWidth", scene.rightEdge());
    insertIfAny(doc, "TextItemInfo", texts);
    insertIfAny(doc, "TimeItemInfo", times);
    insertIfAny(doc, "CntItemInfo", counters);
    insertIfAny(doc, "BarcodeItemInfo", barcodes);
    insertIfAny(doc, "QrcodeItemInfo", qrcodes);
    insertIfAny(doc, "ImgItemInfo", images);
    return doc;
}

bool save(const diagramScene &scene, const QString &path)
{
    QSaveFile file(path);
    QString reason;
    if (file.open(QIODevice::WriteOnly)) {
        const QByteArray bytes = QJsonDocument(document(scene)).toJson();
        // QSaveFile::commit() still renames when the final flush wrote only
        // part of the buffer (disk full), so the flush is checked first.  The
        // reason is kept: cancelWriting() replaces it with its own.
        if (!writeWhole(file, bytes, &reason))
            file.cancelWriting();
        if (file.commit()) {
            removeStaleTemporaries(path);
            return true;
        }
    }
    editorPrompts::warn(QCoreApplication::translate("QObject", "文件保存失败：%1\n%2")
                            .arg(path, reason.isEmpty() ? file.errorString() : reason));
    return false;
}

} // namespace messageWriter
