// SPDX-License-Identifier: GPL-3.0-or-later
#include "../common/filesizelimit.h"
#include "../common/hostilenames.h"
#include "../common/residentmemory.h"
#include "../common/watchdog.h"
#include "boxrecorder.h"
#include "diagrambaritem.h"
#include "diagramcnt2item.h"
#include "diagramcntitem.h"
#include "diagramimageitem.h"
#include "diagramqrcodeitem.h"
#include "diagramscene.h"
#include "diagramtextitem.h"
#include "diagramtimeitem.h"
#include "editorclock.h"
#include "messagereader.h"
#include "messagewriter.h"
#include "pixellimit.h"
#include "samplepicture.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

#include <optional>
#include <sys/stat.h>

namespace {

// The values as text (booleans as 0 and 1), separated.
QString fields(std::initializer_list<QVariant> values, QChar separator = ' ')
{
    QStringList parts;
    for (const QVariant &v : values)
        parts << (v.type() == QVariant::Bool ? QString::number(v.toBool()) : v.toString());
    return parts.join(separator);
}

QString ext(const externalData &e)
{
    return "ext=" +
           fields({e.isExternal, e.startLine, e.endLine, e.filePath, e.curLine, e.allPrinted}, ',');
}

QString size(const QGraphicsPixmapItem *item)
{
    return fields({item->pixmap().width(), item->pixmap().height()}, 'x');
}

QString describe(const QGraphicsItem *item)
{
    const QString place = QString("@%1,%2 r%3").arg(item->x()).arg(item->y()).arg(item->rotation());
    switch (item->type()) {
    case diagramTextItem::Type: {
        auto *t = static_cast<const diagramTextItem *>(item);
        return fields({"text", t->content(), ext(t->external()),
                       "font=" + fields({t->itemFont().pixelSize(), t->spacing()}, ','), place});
    }
    case diagramCntItem::Type: {
        auto *c = static_cast<const diagramCntItem *>(item);
        return fields(
            {"cnt", c->toPlainText(), "name=" + QString::number(c->counterNumber()), place});
    }
    case diagramTimeItem::Type: {
        auto *t = static_cast<const diagramTimeItem *>(item);
        return fields({"time", t->toPlainText(), "index=" + QString::number(t->formatIndex()),
                       "user=" + QString::number(t->userDefined()), place});
    }
    case diagramBarItem::Type: {
        auto *b = static_cast<const diagramBarItem *>(item);
        const barcodeSettings s = b->settings();
        return fields(
            {"bar", s.content,
             "mode/m/H/text=" + fields({s.symbology, s.moduleWidth, s.barHeight, s.showText}, '/'),
             ext(b->external()), size(b), place});
    }
    case diagramQRCodeItem::Type: {
        auto *q = static_cast<const diagramQRCodeItem *>(item);
        const qrCodeParams p = q->params();
        return fields({"qr", p.content,
                       "L/s/v/conv=" + fields({p.level, p.scale, p.version, p.converse}, '/'),
                       "ins=" + fields({p.insVariable, p.cntMode, p.timeFormat, p.timePos}, ','),
                       ext(p.external), size(q), place});
    }
    case diagramImageItem::Type: {
        auto *i = static_cast<const diagramImageItem *>(item);
        return fields(
            {"image", i->path(), "conv=" + QString::number(i->converse()), size(i), place});
    }
    default:
        return QString("other %1").arg(item->type());
    }
}

// The message items, in the order they were added.
QStringList describe(const QGraphicsScene &scene)
{
    QStringList all;
    for (const QGraphicsItem *item : scene.items(Qt::AscendingOrder)) {
        if (item->type() > QGraphicsItem::UserType)
            all << describe(item);
    }
    return all;
}

QString writeFile(const QTemporaryDir &dir, const QByteArray &bytes, const char *name = "m.spr")
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    return path;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QJsonObject saved(const diagramScene &scene)
{
    return messageWriter::document(scene);
}

} // namespace

class TestMessageFile : public QObject
{
    Q_OBJECT
private slots:
    void init() { m_clock.emplace(QDateTime(QDate(2024, 3, 15), QTime(9, 0))); }
    void cleanup() { m_clock.reset(); }
    void sceneWidthIsTheRightEdge();
    void canvasWidthTable_data();
    void canvasWidthTable();
    void recordKeys_data();
    void recordKeys();
    void everyKindSurvivesSaveAndLoad();
    void readingRules_data();
    void readingRules();
    void picturesPastTheMessageBudgetAreNotDrawn();
    void invalidBarcodesShowOneBox_data();
    void invalidBarcodesShowOneBox();
    void scaledBarcodeKeepsItsHeight_data();
    void scaledBarcodeKeepsItsHeight();
    void savingTwiceGivesTheSameBytesAndReloadingKeepsTheOrder();
    void filesThatAreNoMessage_data();
    void filesThatAreNoMessage();
    void failedSaveIsReportedAndKeepsTheOldFile_data();
    void failedSaveIsReportedAndKeepsTheOldFile();
    void saveCutShortByAFullDiskKeepsTheOldFile();
    void saveRemovesOnlyStaleTemporaries();
    void imageMissingHereKeepsItsRecord();
    void imageOnThisComputerLoadsOneBit();
    void hostileImageRecordsAreBounded_data();
    void hostileImageRecordsAreBounded();
    void messageFilesThatAreNoPlainFilesAreRefused_data();
    void hostileImagePathsWriteNothingElse_data();
    void hostileImagePathsWriteNothingElse();
    void messageFilesThatAreNoPlainFilesAreRefused();

private:
    std::optional<editorClock::Pin> m_clock;
};

void TestMessageFile::sceneWidthIsTheRightEdge()
{
    diagramScene scene;
    scene.setSceneRect(0, 0, 80000, 144);
    scene.addLine(0, 0, 80000, 0); // a guide line, no record
    auto *text = new diagramTextItem;
    text->setContent("A");
    scene.addItem(text);
    auto *qr = new diagramQRCodeItem; // 210 wide
    scene.addItem(qr);
    qr->setPos(390, 0);
    const QJsonObject doc = saved(scene);
    QCOMPARE(doc.keys(), QStringList({"QrcodeItemInfo", "SceneWidth", "TextItemInfo"}));
    QCOMPARE(doc.value("SceneWidth"), QJsonValue(600));

    QTemporaryDir dir;
    const QString path = dir.filePath("a.spr");
    QVERIFY(messageWriter::save(scene, path));
    diagramScene loaded;
    loaded.setSceneRect(0, 0, 80000, 144);
    QCOMPARE(messageReader::load(path, &loaded), messageReader::Result::Loaded);
    QCOMPARE(loaded.sceneRect(), QRectF(0, 0, 80000, 144));

    diagramScene empty;
    QCOMPARE(QJsonDocument(saved(empty)).toJson(QJsonDocument::Compact),
             QByteArray("{\"SceneWidth\":0}"));
}

void TestMessageFile::canvasWidthTable_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("width"); // 0: the canvas stays
    const int rows[][2] = {
        {-5, 0},        {5000, 0},      {5001, 8000}, {6000, 8000},   {7999, 8000},   {8000, 0},
        {8001, 20000},  {19999, 20000}, {20000, 0},   {20001, 35000}, {34999, 35000}, {35000, 0},
        {35001, 50000}, {49999, 50000}, {50000, 0},   {50001, 65000}, {64999, 65000}, {65000, 0},
        {65001, 80000}, {79999, 80000}, {80000, 0},   {123456, 0}};
    for (const auto &row : rows)
        QTest::newRow(QByteArray::number(row[0])) << row[0] << row[1];
}

void TestMessageFile::canvasWidthTable()
{
    QFETCH(int, stored);
    QFETCH(int, width);
    QCOMPARE(messageReader::canvasWidth(stored), width);
    QTemporaryDir dir;
    const QString path = writeFile(dir, QString("{\"SceneWidth\": %1}").arg(stored).toLatin1());
    diagramScene scene;
    scene.setSceneRect(0, 0, 80000, 300);
    QCOMPARE(messageReader::load(path, &scene), messageReader::Result::Loaded);
    QCOMPARE(scene.sceneRect(), width ? QRectF(0, 0, width, 610) : QRectF(0, 0, 80000, 300));
}

void TestMessageFile::recordKeys_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("flag");
    QTest::addColumn<QString>("array");
    QTest::addColumn<QStringList>("keys");
    const QStringList text = {"TextAtX",           "TextAtY",    "TextContent", "TextFont",
                              "TextIsExtVariable", "TextRotate", "TextSpace"};
    QTest::newRow("text") << int(diagramTextItem::Type) << false << "TextItemInfo" << text;
    QTest::newRow("text external")
        << int(diagramTextItem::Type) << true << "TextItemInfo"
        << text + QStringList{"TextExtDataCurLine", "TextExtDataEndLine", "TextExtDataFilePath",
                              "TextExtDataStartLine", "TextIsAllPrinted"};
    const QStringList bar = {"BarAtX",           "BarAtY",      "BarContent",    "BarHeight",
                             "BarIsExtVariable", "BarIsTextOn", "BarLineHeight", "BarLineWidth",
                             "BarMode",          "BarRotate"};
    QTest::newRow("barcode") << int(diagramBarItem::Type) << false << "BarcodeItemInfo" << bar;
    QTest::newRow("barcode external")
        << int(diagramBarItem::Type) << true << "BarcodeItemInfo"
        << bar + QStringList{"BarExtDataCurLine", "BarExtDataEndLine", "BarExtDataFilePath",
                             "BarExtDataStartLine", "BarIsAllPrinted"};
    const QStringList qr = {
        "QRcodeAtX",           "QRcodeAtY",           "QRcodeContent",        "QRcodeConverse",
        "QRcodeIsExtVariable", "QRcodeIsInsVariable", "QRcodeIsUartVariable", "QRcodeLevel",
        "QRcodeRotate",        "QRcodeScale",         "QRcodeVersion"};
    QTest::newRow("QR") << int(diagramQRCodeItem::Type) << false << "QrcodeItemInfo" << qr;
    QTest::newRow("QR inserted and external")
        << int(diagramQRCodeItem::Type) << true << "QrcodeItemInfo"
        << qr + QStringList{"QRcodeCntMode",      "QRcodeExtCurLine",   "QRcodeExtEndLine",
                            "QRcodeExtFilePath",  "QRcodeExtStartLine", "QRcodeInsertCnt",
                            "QRcodeInsertCntPos", "QRcodeInsertTime",   "QRcodeInsertTimePos",
                            "QRcodeIsAllPrinted", "QRcodeTimeModeStr"};
    QTest::newRow("counter") << int(diagramCntItem::Type) << false << "CntItemInfo"
                             << QStringList{"CntAtX",  "CntAtY",    "CntFont", "CntMode",
                                            "CntName", "CntRotate", "CntSpace"};
    QTest::newRow("time") << int(diagramTimeItem::Type) << false << "TimeItemInfo"
                          << QStringList{"TimeAtX",   "TimeAtY",         "TimeFont",
                                         "TimeMode",  "TimeModeIndex",   "TimeRotate",
                                         "TimeSpace", "TimeUserDefined", "TimeValid"};
    QTest::newRow("image") << int(diagramImageItem::Type) << false << "ImgItemInfo"
                           << QStringList{"ImageAtX",     "ImageAtY",
                                          "ImageHeight",  "ImageIsColorConverse",
                                          "ImagePixPath", "ImageRotate",
                                          "ImageWidth"};
}

void TestMessageFile::recordKeys()
{
    QFETCH(int, type);
    QFETCH(bool, flag);
    QFETCH(QString, array);
    QFETCH(QStringList, keys);
    externalData external;
    external.isExternal = flag;
    diagramScene scene;
    QGraphicsItem *item = nullptr;
    if (type == diagramTextItem::Type) {
        auto *t = new diagramTextItem;
        t->setExternal(external);
        item = t;
    } else if (type == diagramBarItem::Type) {
        auto *b = new diagramBarItem;
        b->setExternal(external);
        item = b;
    } else if (type == diagramQRCodeItem::Type) {
        auto *q = new diagramQRCodeItem;
        qrCodeParams p = q->params();
        p.external = external;
        p.insVariable = flag;
        q->setParams(p);
        item = q;
    } else if (type == diagramCntItem::Type) {
        item = new diagramCntItem;
    } else if (type == diagramTimeItem::Type) {
        item = new diagramTimeItem;
    } else {
        item = new diagramImageItem;
    }
    scene.addItem(item);
    scene.addItem(new diagramCnt2Item); // has no record kind
    const QJsonObject doc = saved(scene);
    QStringList topKeys{"SceneWidth", array};
    topKeys.sort();
    QCOMPARE(doc.keys(), topKeys);
    QStringList sortedKeys = keys;
    sortedKeys.sort();
    const QJsonArray records = doc.value(array).toArray();
    QCOMPARE(records.size(), 1);
    QCOMPARE(records.first().toObject().keys(), sortedKeys);
}

// Every stored field of every kind away from its default, so that a field
// the reader drops changes the document written again.
void TestMessageFile::everyKindSurvivesSaveAndLoad()
{
    QTemporaryDir dir;
    diagramScene scene;
    QFont bold("DejaVu Serif");
    bold.setPixelSize(70);
    bold.setBold(true);
    bold.setItalic(true);
    auto *text = new diagramTextItem;
    text->setContent("批号 A-1");
    text->setItemFont(bold);
    text->setSpacing(3);
    externalData ext;
    ext.isExternal = true;
    ext.allPrinted = true;
    ext.startLine = 5;
    ext.endLine = 9;
    ext.filePath = "/udisk/data.txt";
    ext.curLine = 7;
    text->setExternal(ext);
    auto *time = new diagramTimeItem;
    time->setItemFont(bold);
    time->setSpacing(4);
    time->setFormat("yyyy/MM/dd");
    time->setValidMonths(12);
    time->setFormatIndex(7);
    time->setUserDefined(true);
    auto *cnt = new diagramCntItem;
    cnt->setItemFont(bold);
    cnt->setSpacing(5);
    cnt->setDigits(3);
    cnt->setCounterNumber(1);
    auto *bar = new diagramBarItem;
    barcodeSettings s;
    s.content = "HELLO-39";
    s.symbology = 2;
    s.showText = false;
    s.moduleWidth = 3;
    s.barHeight = 100;
    bar->setSettings(s);
    bar->setExternal(ext);
    auto *qr = new diagramQRCodeItem;
    qrCodeParams p = qr->params();
    p.content = "二维码";
    p.level = 3;
    p.scale = 4;
    p.version = 3;
    p.converse = true;
    p.insVariable = true;
    p.insertCnt = true;
    p.cntMode = 4;
    p.cntPos = 6;
    p.insertTime = true;
    p.timeFormat = "yyMMdd";
    p.timePos = 2;
    p.external = ext;
    p.uartVariable = true;
    qr->setParams(p);
    auto *image = new diagramImageItem;
    QVERIFY(writeSamplePicture(dir.filePath("mark.png"), QSize(30, 10)));
    image->loadFile(dir.filePath("mark.png"));
    image->reverse();
    image->showScaled(QSize(90, 40));
    int place = 1;
    for (QGraphicsItem *item :
         {static_cast<QGraphicsItem *>(text), static_cast<QGraphicsItem *>(time),
          static_cast<QGraphicsItem *>(cnt), static_cast<QGraphicsItem *>(bar),
          static_cast<QGraphicsItem *>(qr), static_cast<QGraphicsItem *>(image)}) {
        item->setPos(10 * place, 20 * place);
        item->setRotation(30 * place++);
        scene.addItem(item);
    }
    scene.addItem(new diagramTextItem); // two records: the reload keeps their order
    // The reader adds kinds in its own order: compare as sets.  The picture
    // is stored under its place on the printer.
    QStringList before = describe(scene).replaceInStrings(dir.path(), "/udisk/bmp");
    before.sort();

    const QString path = dir.filePath("all.spr");
    QVERIFY(messageWriter::save(scene, path));
    diagramScene loaded;
    QCOMPARE(messageReader::load(path, &loaded), messageReader::Result::Loaded);
    QStringList after = describe(loaded);
    after.sort();
    QCOMPARE(after, before);

    const QJsonObject first = saved(scene);
    const QJsonObject second = saved(loaded);
    QCOMPARE(second.keys(), first.keys());
    for (const QString &key : first.keys()) {
        const QJsonValue again = second.value(key);
        // As text, so that a failure shows the records.
        QCOMPARE(
            QJsonDocument(QJsonObject{{key, again}}).toJson(QJsonDocument::Compact),
            QJsonDocument(QJsonObject{{key, first.value(key)}}).toJson(QJsonDocument::Compact));
    }
}

void TestMessageFile::readingRules_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QStringList>("items");
    // The items are listed bottom first, and each kind's records stand
    // topmost first: a kind's last record comes first.
    QTest::newRow("CntMode 9 keeps 6 digits")
        << QByteArray(R"({"CntItemInfo":[{"CntMode":9,"CntName":1},{"CntMode":0},{"CntMode":8}]})")
        << QStringList{"cnt 00000000 name=0 @0,0 r0", "cnt 000000 name=0 @0,0 r0",
                       "cnt 000000 name=1 @0,0 r0"};
    QTest::newRow("BarMode 7 is EAN-13")
        << QByteArray(R"({"BarcodeItemInfo":[{"BarMode":7,"BarContent":"6901234567892",
                         "BarLineWidth":2,"BarLineHeight":50,"BarIsTextOn":true}]})")
        << QStringList{"bar 6901234567892 mode/m/H/text=0/2/50/1 ext=0,1,1,,1,0 226x75 @0,0 r0"};
    QTest::newRow("empty barcode content")
        << QByteArray(R"({"BarcodeItemInfo":[{"BarMode":0,"BarContent":"",
                         "BarLineWidth":1,"BarLineHeight":10}]})")
        << QStringList{"bar 6901234567892 mode/m/H/text=0/1/10/0 ext=0,1,1,,1,0 113x10 @0,0 r0"};
    QTest::newRow("barcode external lines")
        << QByteArray(R"({"BarcodeItemInfo":[{"BarMode":6,"BarContent":"x","BarLineWidth":1,
                         "BarLineHeight":10,"BarIsExtVariable":true,"BarExtDataStartLine":4}]})")
        << QStringList{"bar x mode/m/H/text=6/1/10/0 ext=1,4,0,,0,0 46x10 @0,0 r0"};
    QTest::newRow("empty QR content")
        << QByteArray(R"({"QrcodeItemInfo":[{"QRcodeContent":"","QRcodeScale":2,
                         "QRcodeVersion":1,"QRcodeLevel":1}]})")
        << QStringList{"qr empty! L/s/v/conv=1/2/1/0 ins=0,0,,0 ext=0,1,1,,1,0 42x42 @0,0 r0"};
    QTest::newRow("QR dynamic keys only when inserted")
        << QByteArray(R"({"QrcodeItemInfo":[{"QRcodeContent":"A","QRcodeScale":1,
                         "QRcodeVersion":1,"QRcodeCntMode":3,"QRcodeTimeModeStr":"yy"}]})")
        << QStringList{"qr A L/s/v/conv=0/1/1/0 ins=0,0,,0 ext=0,1,1,,1,0 21x21 @0,0 r0"};
    // 23,100 pixels a side; the item keeps its picture and the record.
    QTest::newRow("QR scale read from a file over the pixel limit")
        << QByteArray(R"({"QrcodeItemInfo":[{"QRcodeScale":1100}]})")
        << QStringList{"qr empty! L/s/v/conv=0/1100/0/0 ins=0,0,,0 ext=0,1,1,,1,0 210x210 @0,0 r0"};
    // 452 x 100,000 pixels, each size under its own limit: no picture.
    QTest::newRow("barcode over the pixel limit")
        << QByteArray(R"({"BarcodeItemInfo":[{"BarMode":0,"BarContent":"6901234567892",
                         "BarLineWidth":4,"BarLineHeight":100000}]})")
        << QStringList{"bar 6901234567892 mode/m/H/text=0/4/100000/0 ext=0,1,1,,1,0 0x0 @0,0 r0"};
    QTest::newRow("QR over capacity keeps its content")
        << QByteArray(R"({"QrcodeItemInfo":[{"QRcodeContent":")" + QByteArray(3000, 'x') +
                      R"(","QRcodeScale":1,"QRcodeVersion":1}]})")
        << QStringList{"qr " + QString(3000, 'x') +
                       " L/s/v/conv=0/1/1/0 ins=0,0,,0 ext=0,1,1,,1,0 210x210 @0,0 r0"};
    QTest::newRow("text external start line 5")
        << QByteArray(R"({"TextItemInfo":[{"TextContent":"t","TextIsExtVariable":true,
                         "TextExtDataStartLine":5,"TextFont":"Arial,-1,70,5,50,0,0,0,0,0"}]})")
        << QStringList{"text t ext=1,5,0,,0,0 font=70,0 @0,0 r0"};
    QTest::newRow("external keys without the flag are not read")
        << QByteArray(R"({"TextItemInfo":[{"TextContent":"t","TextExtDataStartLine":5,
                         "TextFont":"Arial,-1,70,5,50,0,0,0,0,0"}]})")
        << QStringList{"text t ext=0,1,1,,1,0 font=70,0 @0,0 r0"};
    QTest::newRow("mistyped and fractional numbers")
        << QByteArray(R"({"TextItemInfo":[{"TextContent":"t","TextAtX":"12","TextAtY":33.9,
                         "TextRotate":-45.5,"TextSpace":2.5,"TextIsExtVariable":"yes"}]})")
        << QStringList{"text t ext=0,1,1,,1,0 font=150,2 @0,33.9 r-45.5"};
    QTest::newRow("time from the moment of loading")
        << QByteArray(R"({"TimeItemInfo":[{"TimeMode":"yyyy-MM-dd","TimeValid":12,
                         "TimeModeIndex":9,"TimeUserDefined":true}]})")
        << QStringList{"time 2025-03-14 index=9 user=1 @0,0 r0"};
    QTest::newRow("records topmost first, elements that are no object skipped")
        << QByteArray(R"({"CntItemInfo":[{"CntMode":1,"CntAtX":5},7,"x",{"CntMode":2}],
                         "TextItemInfo":{"TextContent":"not an array"}})")
        << QStringList{"cnt 00 name=0 @0,0 r0", "cnt 0 name=0 @5,0 r0"};
    QTest::newRow("kinds in reading order")
        << QByteArray(R"({"QrcodeItemInfo":[{"QRcodeContent":"q","QRcodeScale":1}],
                         "CntItemInfo":[{"CntMode":1}],"TextItemInfo":[{"TextContent":"t"}]})")
        << QStringList{"text t ext=0,1,1,,1,0 font=150,0 @0,0 r0", "cnt 0 name=0 @0,0 r0",
                       "qr q L/s/v/conv=0/1/0/0 ins=0,0,,0 ext=0,1,1,,1,0 21x21 @0,0 r0"};
}

void TestMessageFile::readingRules()
{
    QFETCH(QByteArray, json);
    QFETCH(QStringList, items);
    QTemporaryDir dir;
    diagramScene scene;
    boxRecorder boxes;
    const qint64 before = ResidentMemory::kib();
    QCOMPARE(messageReader::load(writeFile(dir, json), &scene), messageReader::Result::Loaded);
    const qint64 grownKiB = ResidentMemory::kib() - before;
    QVERIFY2(grownKiB < 64 * 1024,
             qPrintable(QString("resident memory grew by %1 KiB").arg(grownKiB)));
    QCOMPARE(describe(scene), items);
    QVERIFY(boxes.seen.isEmpty());
}

void TestMessageFile::invalidBarcodesShowOneBox_data()
{
    QTest::addColumn<QStringList>("barcodes"); // "mode content"
    QTest::addColumn<QString>("box");          // the one box's text, empty for none

    const QString ean13 = "EAN13 \"%1\": 条码格式错误，本条码为13位阿拉伯数字！";
    QTest::newRow("valid: no box") << QStringList{"0 6901234567892", "6 Lot 7"} << QString();
    QTest::newRow("one") << QStringList{"0 12345"} << "内容无效的条码：1\n" + ean13.arg("12345");
    QTest::newRow("three of three kinds among valid ones")
        << QStringList{"0 12", "6 ok", "2 lower", "4 x", "0 6901234567892"}
        << "内容无效的条码：3\n" + ean13.arg("12") +
               "\nCode_39 \"lower\": 条码格式错误，本条码内容仅包含数字与大写字母及部分符号！"
               "\nUPCA \"x\": 条码格式错误，本条码为12位阿拉伯数字！";
    QTest::newRow("long content shortened") << QStringList{"1 " + QString(40, 'A')}
                                            << "内容无效的条码：1\nEAN8 \"" + QString(32, 'A') +
                                                   "…\": 条码格式错误，本条码为8位阿拉伯数字！";
    QStringList many;
    QString listed = "内容无效的条码：250";
    for (int i = 0; i < 250; ++i) {
        many << "0 bad" + QString::number(i);
        if (i < 10)
            listed += "\n" + ean13.arg("bad" + QString::number(i));
    }
    QTest::newRow("250: ten named, the rest counted") << many << listed + "\n……另有 240 个";
}

// A file of 250 invalid barcodes showed 250 modal boxes, one after another.
void TestMessageFile::invalidBarcodesShowOneBox()
{
    QFETCH(QStringList, barcodes);
    QFETCH(QString, box);
    QJsonArray records;
    for (const QString &barcode : barcodes)
        records.append(QJsonObject{{"BarMode", barcode.section(' ', 0, 0).toInt()},
                                   {"BarContent", barcode.section(' ', 1)},
                                   {"BarLineWidth", 1},
                                   {"BarLineHeight", 20}});
    const QByteArray json = QJsonDocument(QJsonObject{{"BarcodeItemInfo", records}}).toJson();
    QTemporaryDir dir;
    diagramScene scene;
    boxRecorder boxes;
    QCOMPARE(messageReader::load(writeFile(dir, json), &scene), messageReader::Result::Loaded);
    QCOMPARE(boxes.seen, box.isEmpty() ? QStringList() : QStringList{"警告|" + box + "|确认"});
    QCOMPARE(describe(scene).size(), barcodes.size());

    // Once the file is read, a refused content shows its own box again.
    boxes.seen.clear();
    auto *bar = static_cast<diagramBarItem *>(scene.items().first());
    barcodeSettings settings = bar->settings();
    settings.symbology = 0;
    settings.content = "123";
    bar->setSettings(settings);
    QCOMPARE(boxes.seen.size(), 1);
}

void TestMessageFile::scaledBarcodeKeepsItsHeight_data()
{
    QTest::addColumn<bool>("text");
    QTest::addColumn<int>("natural");
    QTest::newRow("text off") << false << 200;
    QTest::newRow("text on") << true << 300;
}

void TestMessageFile::scaledBarcodeKeepsItsHeight()
{
    QFETCH(bool, text);
    QFETCH(int, natural);
    diagramScene scene;
    auto *bar = new diagramBarItem;
    bar->setShowText(text);
    bar->showScaled(QSize(bar->pixmap().width(), 300));
    scene.addItem(bar);
    QJsonObject record = saved(scene).value("BarcodeItemInfo").toArray().first().toObject();
    QCOMPARE(record.value("BarHeight"), QJsonValue(300));
    QCOMPARE(record.value("BarLineHeight"), QJsonValue(200));
    QTemporaryDir dir;
    const QString path = dir.filePath("bar.spr");
    QVERIFY(messageWriter::save(scene, path));
    diagramScene loaded;
    messageReader::load(path, &loaded);
    QCOMPARE(static_cast<diagramBarItem *>(loaded.items().first())->pixmap().height(), 300);

    // A record without the shown height, or with none, keeps the natural one.
    for (const QJsonValue &shown : {QJsonValue(), QJsonValue(0), QJsonValue("tall")}) {
        if (shown.isUndefined())
            record.remove("BarHeight");
        else
            record.insert("BarHeight", shown);
        const QByteArray json =
            QJsonDocument(QJsonObject{{"BarcodeItemInfo", QJsonArray{record}}}).toJson();
        diagramScene plain;
        messageReader::load(writeFile(dir, json), &plain);
        QCOMPARE(static_cast<diagramBarItem *>(plain.items().first())->pixmap().height(), natural);
    }
}

void TestMessageFile::savingTwiceGivesTheSameBytesAndReloadingKeepsTheOrder()
{
    diagramScene scene;
    for (const char *content : {"first", "second", "third"}) {
        auto *text = new diagramTextItem;
        text->setContent(content);
        scene.addItem(text);
    }
    for (int digits : {2, 5}) {
        auto *cnt = new diagramCntItem;
        cnt->setDigits(digits);
        scene.addItem(cnt);
    }
    QTemporaryDir dir;
    const QString a = dir.filePath("a.spr");
    const QString b = dir.filePath("b.spr");
    QVERIFY(messageWriter::save(scene, a));
    QVERIFY(messageWriter::save(scene, b));
    QCOMPARE(readFile(a), readFile(b));
    const QJsonObject first = QJsonDocument::fromJson(readFile(a)).object();
    QCOMPARE(first.value("TextItemInfo").toArray().first().toObject().value("TextContent"),
             QJsonValue("third")); // topmost first

    // Reloaded, the items stack as they did, and saving writes the same bytes.
    diagramScene loaded;
    messageReader::load(a, &loaded);
    const QString c = dir.filePath("c.spr");
    QVERIFY(messageWriter::save(loaded, c));
    QCOMPARE(readFile(c), readFile(a));
}

void TestMessageFile::filesThatAreNoMessage_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("garbage") << QByteArray("{\"SceneWidth\": 6000, \"TextItemInfo\": [");
    QTest::newRow("array") << QByteArray("[{\"TextContent\": \"x\"}]");
    QTest::newRow("number") << QByteArray("42");
}

void TestMessageFile::filesThatAreNoMessage()
{
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    diagramScene scene;
    scene.setSceneRect(0, 0, 80000, 300);
    QCOMPARE(messageReader::load(writeFile(dir, bytes), &scene),
             messageReader::Result::NotAMessage);
    QVERIFY(scene.items().isEmpty());
    QCOMPARE(scene.sceneRect(), QRectF(0, 0, 80000, 300));
    QCOMPARE(messageReader::load(dir.filePath("absent.spr"), &scene),
             messageReader::Result::CannotOpen);
}

void TestMessageFile::failedSaveIsReportedAndKeepsTheOldFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("folder missing") << "no/such/folder/m.spr";
    QTest::newRow("a folder") << "folder";
    // The temporary file of a save is longer than a file name may be, so
    // the save fails beside an existing good file.
    QTest::newRow("existing file") << QString(250, 'm');
}

void TestMessageFile::failedSaveIsReportedAndKeepsTheOldFile()
{
    QFETCH(QString, name);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("folder"));
    const QByteArray good = "{\"SceneWidth\": 0, \"TextItemInfo\": []}\n";
    const QString path = dir.filePath(name);
    if (name.size() == 250)
        QCOMPARE(writeFile(dir, good, qPrintable(name)), path);
    diagramScene scene;
    scene.addItem(new diagramTextItem);
    boxRecorder boxes;
    QVERIFY(!messageWriter::save(scene, path));
    QCOMPARE(boxes.seen.size(), 1);
    QVERIFY(boxes.seen.first().startsWith("警告|"));
    QVERIFY(boxes.seen.first().contains(path));
    QVERIFY(boxes.seen.first().endsWith("|确认"));
    if (name.size() == 250)
        QCOMPARE(readFile(path), good);
}

void TestMessageFile::saveCutShortByAFullDiskKeepsTheOldFile()
{
    QTemporaryDir dir;
    const QByteArray good = "{\"SceneWidth\": 0}\n";
    const QString path = writeFile(dir, good, "full.spr");
    diagramScene scene;
    for (int i = 0; i < 500; ++i)
        scene.addItem(new diagramTextItem);
    boxRecorder boxes;
    {
        FileSizeLimit limit(good.size() + 16);
        QVERIFY(!messageWriter::save(scene, path));
    }
    QCOMPARE(readFile(path), good);
    QCOMPARE(boxes.seen.size(), 1);
    QVERIFY2(boxes.seen.first().contains(FileSizeLimit::reason()), qPrintable(boxes.seen.first()));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"full.spr"});
}

// After a save, a temporary that a killed save left beside the message
// goes; copies a person made beside it stay.
void TestMessageFile::saveRemovesOnlyStaleTemporaries()
{
    QTemporaryDir dir;
    QStringList kept{"x.spr.backup", "x.spr.BACKUP", "x.spr.Backup", "x.spr.old001"};
    for (const QString &name : kept + QStringList{"x.spr.QxTrbA"})
        QVERIFY(!writeFile(dir, "mine", qPrintable(name)).isEmpty());
    diagramScene scene;
    scene.addItem(new diagramTextItem);
    QVERIFY(messageWriter::save(scene, dir.filePath("x.spr")));
    QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    left.sort();
    kept << "x.spr";
    kept.sort();
    QCOMPARE(left, kept);
}

void TestMessageFile::imageMissingHereKeepsItsRecord()
{
    const QByteArray record = R"({"ImageAtX": 10, "ImageAtY": 20, "ImageWidth": 200,
        "ImageHeight": 80, "ImageRotate": 90, "ImagePixPath": "/udisk/bmp/logo.bmp",
        "ImageIsColorConverse": true})";
    QTemporaryDir dir;
    diagramScene scene;
    messageReader::load(writeFile(dir, "{\"ImgItemInfo\": [" + record + "]}"), &scene);
    QCOMPARE(describe(scene), QStringList{"image /udisk/bmp/logo.bmp conv=1 200x80 @10,20 r90"});
    QCOMPARE(saved(scene).value("ImgItemInfo").toArray().first().toObject(),
             QJsonDocument::fromJson(record).object());
}

void TestMessageFile::imageOnThisComputerLoadsOneBit()
{
    QTemporaryDir dir;
    const QString picture = dir.filePath("mark.png");
    QVERIFY(writeSamplePicture(picture, QSize(30, 10)));
    const QByteArray json = QString(R"({"ImgItemInfo": [{"ImageWidth": 60, "ImageHeight": 10,
        "ImagePixPath": "%1", "ImageIsColorConverse": true}]})")
                                .arg(picture)
                                .toUtf8();
    diagramScene scene;
    messageReader::load(writeFile(dir, json), &scene);
    auto *image = static_cast<diagramImageItem *>(scene.items().first());
    QCOMPARE(image->pixmap().size(), QSize(60, 10));
    QCOMPARE(image->source().depth(), 1);
    const QImage shown = image->pixmap().toImage();
    QCOMPARE(qGray(shown.pixel(5, 5)), 255); // black turned white
    QCOMPARE(qGray(shown.pixel(50, 5)), 0);
    QCOMPARE(saved(scene).value("ImgItemInfo").toArray().first().toObject().value("ImagePixPath"),
             QJsonValue("/udisk/bmp/mark.png"));
}

// Message files come from other PCs: a stored size or picture path must not
// make the reader take gigabytes or wait on a FIFO.
// One budget bounds all the pictures of a message, each under its own limit.
void TestMessageFile::picturesPastTheMessageBudgetAreNotDrawn()
{
    QTemporaryDir dir;
    const QByteArray qr = R"({"QRcodeContent":"A","QRcodeScale":5,"QRcodeVersion":1})";
    const QByteArray json = "{\"QrcodeItemInfo\":[" + qr + ',' + qr + ',' + qr + "]}";
    // Each new item draws its default picture, 210 x 210, before the
    // record's, 105 x 105: the budget here holds two items and a default.
    const qint64 fresh = 210 * 210, scaled = 105 * 105;
    PixelLimit::LoadBudget smaller(2 * (fresh + scaled) + fresh);
    diagramScene scene;
    QCOMPARE(messageReader::load(writeFile(dir, json), &scene), messageReader::Result::Loaded);
    const QString drawn = "qr A L/s/v/conv=0/5/1/0 ins=0,0,,0 ext=0,1,1,,1,0 105x105 @0,0 r0";
    const QString kept = "qr A L/s/v/conv=0/5/1/0 ins=0,0,,0 ext=0,1,1,,1,0 210x210 @0,0 r0";
    QCOMPARE(describe(scene), (QStringList{kept, drawn, drawn})); // bottom first
    QCOMPARE(smaller.refused(), 0); // the refusal was the inner budget's
}

void TestMessageFile::hostileImageRecordsAreBounded_data()
{
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<QString>("picture"); // what the path names
    QTest::addColumn<QSize>("shown");
    QTest::newRow("height 12836480")
        << QByteArray(R"({"ImageHeight":12836480,"ImageWidth":120})") << "" << QSize(120, 120);
    QTest::newRow("height 3000000")
        << QByteArray(R"({"ImageHeight":3000000,"ImageWidth":120})") << "" << QSize(120, 120);
    QTest::newRow("area over the limit")
        << QByteArray(R"({"ImageHeight":30000,"ImageWidth":30000})") << "" << QSize(120, 120);
    QTest::newRow("side at the limit")
        << QByteArray(R"({"ImageHeight":32767,"ImageWidth":10})") << "" << QSize(10, 32767);
    QTest::newRow("FIFO as the picture")
        << QByteArray(R"({"ImageHeight":50,"ImageWidth":60,"ImagePixPath":"%1"})") << "fifo"
        << QSize(60, 50);
    QTest::newRow("device as the picture")
        << QByteArray(R"({"ImageHeight":50,"ImageWidth":60,"ImagePixPath":"/dev/zero"})") << ""
        << QSize(60, 50);
    QTest::newRow("picture over the side limit")
        << QByteArray(R"({"ImageHeight":50,"ImageWidth":60,"ImagePixPath":"%1"})") << "wide"
        << QSize(60, 50);
}

void TestMessageFile::hostileImageRecordsAreBounded()
{
    QFETCH(QByteArray, record);
    QFETCH(QString, picture);
    QFETCH(QSize, shown);
    QTemporaryDir dir;
    QString target;
    if (picture == "fifo") {
        target = dir.filePath("picture.png");
        QCOMPARE(mkfifo(QFile::encodeName(target).constData(), 0600), 0);
    } else if (picture == "wide") {
        target = dir.filePath("wide.png");
        QVERIFY(writeSamplePicture(target, QSize(PixelLimit::kMaxSide + 1, 2)));
    }
    const QByteArray json = "{\"ImgItemInfo\":[" + QString(record).arg(target).toUtf8() + "]}";
    diagramScene scene;
    {
        Watchdog watchdog("reading a hostile image record", std::chrono::seconds(20));
        QCOMPARE(messageReader::load(writeFile(dir, json), &scene), messageReader::Result::Loaded);
    }
    QCOMPARE(scene.items().size(), 1);
    auto *image = static_cast<diagramImageItem *>(scene.items().first());
    QCOMPARE(image->pixmap().size(), shown);
    // The picture was not read, so the record keeps its path for the printer.
    if (!target.isEmpty())
        QCOMPARE(image->path(), target);
}

void TestMessageFile::messageFilesThatAreNoPlainFilesAreRefused_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("result");
    QTest::newRow("endless device") << "/dev/zero" << int(messageReader::Result::CannotOpen);
    QTest::newRow("FIFO without a writer") << "fifo" << int(messageReader::Result::CannotOpen);
    QTest::newRow("over the size limit") << "big" << int(messageReader::Result::TooLarge);
}

void TestMessageFile::messageFilesThatAreNoPlainFilesAreRefused()
{
    QFETCH(QString, kind);
    QFETCH(int, result);
    QTemporaryDir dir;
    QString path = kind;
    if (kind == "fifo") {
        path = dir.filePath("m.spr");
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (kind == "big") {
        path = writeFile(dir, "{}");
        QVERIFY(QFile::resize(path, messageReader::kMaxFileBytes + 1));
    }
    diagramScene scene;
    scene.setSceneRect(0, 0, 80000, 300);
    Watchdog watchdog("reading a hostile message file", std::chrono::seconds(10));
    QCOMPARE(int(messageReader::load(path, &scene)), result);
    QVERIFY(scene.items().isEmpty());
    QCOMPARE(scene.sceneRect(), QRectF(0, 0, 80000, 300));
}

// The editor reads the picture an image record names and writes the path
// back into the message; nothing else may be written, wherever it points.
void TestMessageFile::hostileImagePathsWriteNothingElse_data()
{
    QTest::addColumn<QString>("path");
    for (const auto &n : hostileNames())
        QTest::newRow(qPrintable(n.first)) << n.second;
    QTest::newRow("device") << "/dev/zero";
    QTest::newRow("parent folder") << "..";
}

void TestMessageFile::hostileImagePathsWriteNothingElse()
{
    QFETCH(QString, path);
    QTemporaryDir world;
    QVERIFY(QDir(world.path()).mkpath("work"));
    QJsonObject record{{"ImagePixPath", path}, {"ImageWidth", 20}, {"ImageHeight", 10}};
    const QByteArray json =
        QJsonDocument(QJsonObject{{"ImgItemInfo", QJsonArray{record}}}).toJson();
    const QString file = world.filePath("work/m.spr");
    {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(json);
    }
    const auto before = treeSnapshot(world.path());
    diagramScene scene;
    QCOMPARE(messageReader::load(file, &scene), messageReader::Result::Loaded);
    QVERIFY(messageWriter::save(scene, file));
    const auto after = treeSnapshot(world.path());
    QCOMPARE(after.keys(), before.keys());
    QCOMPARE(QDir(world.filePath("work")).entryList(QDir::Files | QDir::Hidden),
             QStringList{"m.spr"});
}

QTEST_MAIN(TestMessageFile)
#include "tst_editordocument.moc"
