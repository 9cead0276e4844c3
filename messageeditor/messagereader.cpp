// SPDX-License-Identifier: GPL-3.0-or-later
#include "messagereader.h"

#include "boundedread.h"
#include "diagrambaritem.h"
#include "diagramcntitem.h"
#include "diagramimageitem.h"
#include "diagramqrcodeitem.h"
#include "diagramscene.h"
#include "diagramtextitem.h"
#include "diagramtimeitem.h"
#include "messageeditorlog.h"
#include "pixellimit.h"
#include "recordfields.h"
#include "refusedbarcodes.h"

#include <QBitmap>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using recordFields::readBool;
using recordFields::readInt;
using recordFields::readReal;
using recordFields::readString;

namespace {

// A loaded file's canvas is this high, whatever the printer model.
constexpr int kLoadedCanvasHeight = 610;

QByteArray key(const QString &prefix, const char *name)
{
    return (prefix + QLatin1String(name)).toLatin1();
}

// Position and rotation, with the record kind's prefix ("TextAtX", ...),
// exactly as stored: a drag leaves fractions of a dot, and the next save
// writes them back.
void readPlacement(const QJsonObject &r, QGraphicsItem *item, const QString &prefix)
{
    item->setPos(readReal(r, key(prefix, "AtX").constData()),
                 readReal(r, key(prefix, "AtY").constData()));
    item->setRotation(readReal(r, key(prefix, "Rotate").constData()));
}

// The font, then its letter spacing (absolute).
void readFont(const QJsonObject &r, diagramTextBase *item, const QString &prefix)
{
    QFont font = item->itemFont();
    font.fromString(readString(r, key(prefix, "Font").constData()));
    item->setItemFont(font);
    item->setSpacing(readInt(r, key(prefix, "Space").constData()));
}

QGraphicsItem *readText(const QJsonObject &r)
{
    auto *item = new diagramTextItem;
    readFont(r, item, "Text");
    item->setContent(readString(r, "TextContent"));
    item->setExternal(recordFields::readExternal(r, recordFields::kTextKeys));
    return item;
}

QGraphicsItem *readTime(const QJsonObject &r)
{
    auto *item = new diagramTimeItem; // its reference is the moment of loading
    readFont(r, item, "Time");
    item->setUserDefined(readBool(r, "TimeUserDefined"));
    item->setFormatIndex(readInt(r, "TimeModeIndex"));
    item->setValidMonths(readInt(r, "TimeValid"));
    item->setFormat(readString(r, "TimeMode"));
    return item;
}

QGraphicsItem *readCnt(const QJsonObject &r)
{
    auto *item = new diagramCntItem;
    readFont(r, item, "Cnt");
    item->setCounterNumber(readInt(r, "CntName"));
    item->setDigits(readInt(r, "CntMode")); // outside 1 to 8 the default 6 stays
    return item;
}

QGraphicsItem *readImage(const QJsonObject &r)
{
    auto *item = new diagramImageItem;
    const QString path = readString(r, "ImagePixPath");
    const bool converse = readBool(r, "ImageIsColorConverse");
    item->setPath(path);
    item->setConverse(converse);
    // The stored path names the printer's storage, so the picture is usually
    // not on this computer: the placeholder then stands in at the stored
    // size, and saving writes the record back unchanged.
    QPixmap picture = QPixmap::fromImage(diagramImageItem::readFile(path));
    if (picture.isNull()) {
        item->setSource(diagramImageItem::placeholder());
    } else {
        if (converse)
            picture = diagramImageItem::inverted(picture);
        item->setSource(QBitmap(picture));
    }
    item->showScaled(QSize(readInt(r, "ImageWidth"), readInt(r, "ImageHeight")));
    return item;
}

QGraphicsItem *readBar(const QJsonObject &r)
{
    auto *item = new diagramBarItem;
    barcodeSettings s;
    s.content = readString(r, "BarContent");
    if (s.content.isEmpty())
        s.content = QStringLiteral("6901234567892");
    s.barHeight = readInt(r, "BarLineHeight");
    s.showText = readBool(r, "BarIsTextOn");
    s.moduleWidth = readInt(r, "BarLineWidth");
    const int mode = readInt(r, "BarMode");
    s.symbology = mode >= 0 && mode <= 6 ? mode : 0;
    item->setExternal(recordFields::readExternal(r, recordFields::kBarKeys));
    item->setSettings(s);
    // "BarHeight" is the height as shown, after any scaling; a record
    // without it (or with none that fits) keeps the natural height.
    const int shown = readInt(r, "BarHeight");
    if (shown > 0 && !item->pixmap().isNull() && shown != item->pixmap().height())
        item->showScaled(QSize(item->pixmap().width(), shown));
    return item;
}

QGraphicsItem *readQRCode(const QJsonObject &r)
{
    auto *item = new diagramQRCodeItem;
    qrCodeParams p;
    p.content = readString(r, "QRcodeContent");
    if (p.content.isEmpty())
        p.content = QStringLiteral("empty!");
    p.level = readInt(r, "QRcodeLevel");
    p.scale = readInt(r, "QRcodeScale");
    p.version = readInt(r, "QRcodeVersion");
    p.converse = readBool(r, "QRcodeConverse");
    p.insVariable = readBool(r, "QRcodeIsInsVariable");
    p.uartVariable = readBool(r, "QRcodeIsUartVariable");
    if (p.insVariable) {
        p.insertCnt = readBool(r, "QRcodeInsertCnt");
        p.cntMode = readInt(r, "QRcodeCntMode");
        p.cntPos = readInt(r, "QRcodeInsertCntPos");
        p.insertTime = readBool(r, "QRcodeInsertTime");
        p.timeFormat = readString(r, "QRcodeTimeModeStr");
        p.timePos = readInt(r, "QRcodeInsertTimePos");
    }
    p.external = recordFields::readExternal(r, recordFields::kQrCodeKeys);
    item->setParams(p); // content the encoder cannot take keeps the default picture
    return item;
}

struct recordKind
{
    const char *arrayKey;
    const char *prefix;
    QGraphicsItem *(*read)(const QJsonObject &);
};

// In the order the arrays are read; the kinds read later lie on top.
const recordKind kKinds[] = {
    {"TextItemInfo", "Text", readText},  {"TimeItemInfo", "Time", readTime},
    {"CntItemInfo", "Cnt", readCnt},     {"ImgItemInfo", "Image", readImage},
    {"BarcodeItemInfo", "Bar", readBar}, {"QrcodeItemInfo", "QRcode", readQRCode},
};

void readItems(const QJsonObject &doc, diagramScene *scene)
{
    // A file of many invalid barcodes asks for one confirmation.
    refusedBarcodes refused;
    for (const recordKind &kind : kKinds) {
        const QJsonValue array = doc.value(QLatin1String(kind.arrayKey));
        if (!array.isArray())
            continue;
        // Each kind lists its items topmost first: every record goes under
        // the one before it, so the stacking comes back as it was saved.
        QGraphicsItem *above = nullptr;
        const QJsonArray records = array.toArray();
        for (const QJsonValue &value : records) {
            if (!value.isObject())
                continue;
            const QJsonObject record = value.toObject();
            QGraphicsItem *item = kind.read(record);
            scene->addItem(item);
            if (above)
                item->stackBefore(above);
            above = item;
            readPlacement(record, item, kind.prefix);
        }
    }
    refused.report();
}

} // namespace

namespace messageReader {

int canvasWidth(int w)
{
    static const struct
    {
        int low, high, width;
    } kTable[] = {{5001, 7999, 8000},    {8001, 19999, 20000},  {20001, 34999, 35000},
                  {35001, 49999, 50000}, {50001, 64999, 65000}, {65001, 79999, 80000}};
    for (const auto &row : kTable) {
        if (w >= row.low && w <= row.high)
            return row.width;
    }
    return 0;
}

Result load(const QString &path, diagramScene *scene)
{
    // Only plain files: a FIFO would block open() until a writer comes, and a
    // device such as /dev/zero never ends.
    const PlainFile file = PlainFile::read(path, kMaxFileBytes, true);
    switch (file.problem) {
    case PlainFile::Problem::None:
        return read(file.bytes, scene);
    case PlainFile::Problem::TooLarge:
        return Result::TooLarge;
    case PlainFile::Problem::NotPlain:
    case PlainFile::Problem::CannotOpen:
    case PlainFile::Problem::ReadFailed:
        break;
    }
    return Result::CannotOpen;
}

Result read(const QByteArray &bytes, diagramScene *scene)
{
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(bytes, &error);
    const bool isMessage = error.error == QJsonParseError::NoError && json.isObject();
    const QJsonObject doc = json.object();

    if (doc.value("SceneWidth").isDouble()) {
        const int width = canvasWidth(readInt(doc, "SceneWidth"));
        if (width > 0)
            scene->setSceneRect(0, 0, width, kLoadedCanvasHeight);
    }
    if (isMessage) {
        PixelLimit::LoadBudget budget;
        readItems(doc, scene);
        if (budget.refused() > 0)
            qCWarning(lcMessageEditor)
                << budget.refused() << "pictures of the message are over its budget of"
                << PixelLimit::kMaxLoadArea << "pixels and are not drawn";
    }
    scene->update();
    return isMessage ? Result::Loaded : Result::NotAMessage;
}

} // namespace messageReader
