// SPDX-License-Identifier: GPL-3.0-or-later
#include "../common/filesizelimit.h"
#include "../common/recordingnotifier.h"
#include "../common/watchdog.h"
#include "barcodeitem.h"
#include "clock.h"
#include "counter.h"
#include "counterregistry.h"
#include "graphicsimageitem.h"
#include "graphicsscene.h"
#include "graphicsserialnumberitem.h"
#include "graphicsshiftcodeitem.h"
#include "graphicstextitem.h"
#include "graphicstimeitem.h"
#include "messagefile.h"
#include "pixellimit.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QJsonObject parse(const QByteArray &bytes)
{
    return QJsonDocument::fromJson(bytes).object();
}

GraphicsTextItem *addText(GraphicsScene &scene, const QString &text, qreal x, qreal z = 0)
{
    scene.addNewItem(TypeText);
    auto *item = static_cast<GraphicsTextItem *>(scene.selectedItems().first());
    item->setPlainText(text);
    item->setX(x);
    item->setZValue(z);
    return item;
}

template <typename Item> Item *addItem(GraphicsScene &scene, ItemType kind, qreal x, qreal z)
{
    scene.addNewItem(kind);
    auto *item = static_cast<Item *>(scene.selectedItems().first());
    item->setX(x);
    item->setZValue(z);
    return item;
}

template <typename Item> QList<Item *> itemsOf(GraphicsScene &scene)
{
    QList<Item *> found;
    for (QGraphicsItem *item : scene.items(Qt::DescendingOrder)) {
        if (item->type() == Item::Type)
            found << static_cast<Item *>(item);
    }
    return found;
}

} // namespace

class TestMessageFile : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }

private slots:
    void init() { CounterRegistry::resetForTests(); }

    void emptySceneWritesOnlyTheExternInfo()
    {
        GraphicsScene scene;
        QJsonObject doc;
        QVERIFY(!MessageFile::writeItems(scene, doc));
        QVERIFY(doc.isEmpty());
        QCOMPARE(MessageFile::toDocument(scene), parse(R"({"ExternDataInfo":{"ExternMode":0}})"));
    }

    void textItemsSaveAndReloadToTheSameDocument()
    {
        RecordingNotifier boxes;
        GraphicsScene scene;
        addText(scene, "Batch", 0, 1);
        addText(scene, "Line 3", 0, 5)->setFontBold(true);
        addText(scene, "中文", 0, 2)->setRotation(270);
        const QString file = path("roundtrip.spr");
        QVERIFY(MessageFile::save(scene, file));
        const QJsonObject saved = parse(readAll(file));
        // Records follow the stacking order, topmost first.
        const QJsonArray texts = saved.value("TextItemInfo").toArray();
        QCOMPARE(texts.size(), 3);
        QCOMPARE(texts.at(0).toObject().value("TextContent").toString(), QString("Line 3"));
        QCOMPARE(texts.at(2).toObject().value("TextContent").toString(), QString("Batch"));

        // Loading twice leaves one set of items.
        GraphicsScene reloaded;
        QVERIFY(MessageFile::load(reloaded, file));
        QVERIFY(MessageFile::load(reloaded, file));
        QCOMPARE(reloaded.items().size(), 3);
        QCOMPARE(MessageFile::toDocument(reloaded), saved);
        QVERIFY(boxes.boxes.isEmpty());
    }

    void everyKindSavesAndReloadsToTheSameDocument()
    {
        Clock::Pin pin(QDateTime(QDate(2021, 5, 20), QTime(15, 0)));
        RecordingNotifier boxes;
        GraphicsScene scene;
        GraphicsTextItem *lot = addText(scene, "LOT", 0, 1);
        addText(scene, "Line 2", 500, 2)->setFontItalic(true);

        auto *best = addItem<GraphicsTimeItem>(scene, TypeTime, 100, 3);
        best->setTimeFormat("'BB' dd.MM.yy NR");
        best->setValidDays(180);
        best->setRotation(90);
        addItem<GraphicsTimeItem>(scene, TypeTime, 120, 4)->setTimeFormat("HH:mm NN");

        auto *serial = addItem<GraphicsSerialNumberItem>(scene, TypeSerialNumber, 200, 5);
        serial->setSystemBase(GraphicsSerialNumberItem::Hexadecimal);
        serial->setDigits(4);
        serial->setPreFixChar('*');
        serial->setCounterNumber(2);
        auto *twin = addItem<GraphicsSerialNumberItem>(scene, TypeSerialNumber, 260, 6);
        twin->setCounterNumber(2);
        twin->setSystemBase(GraphicsSerialNumberItem::Base34);
        twin->setPreFixChar(QChar(0));

        auto *shift = addItem<GraphicsShiftCodeItem>(scene, TypeShiftCode, 300, 7);
        shift->shiftTable().clear();
        shift->addShift("E", QTime(6, 0));
        shift->addShift("L", QTime(14, 0));
        shift->addShift("", QTime(22, 0));
        shift->setFontPixelSize(90);
        shift->refreshText();

        auto *code = addItem<BarcodeItem>(scene, TypeBarcode, 400, 8);
        code->setSymbology(Zint::QZint::Code128);
        code->setContent("LOT-2021-05");
        code->setScaleStep(15);
        QImage logo(24, 12, QImage::Format_RGB32);
        logo.fill(Qt::black);
        const QString logoFile = path("logo.png");
        QVERIFY(logo.save(logoFile));
        auto *picture = addItem<GraphicsImageItem>(scene, TypeImage, 600, 9);
        QVERIFY(picture->addPicture(logoFile));
        picture->setImageWidth(48);
        picture->setImageHeight(24);
        picture->rescale();

        const QString data = path("every.csv");
        writeFile(data, "L1\nL2\n");
        scene.setItemExtern(lot, true);
        ExternDataManage &m = scene.externData();
        m.setExternMode(1);
        m.setDataFileName(data);
        m.setStartLine(1);
        m.setEndLine(2);

        const QString file = path("every.spr");
        QVERIFY(MessageFile::save(scene, file));
        const QJsonObject saved = parse(readAll(file));
        for (const char *key : {"TextItemInfo", "TimeItemInfo", "CntItemInfo"})
            QCOMPARE(saved.value(key).toArray().size(), 2);
        for (const char *key : {"ShiftItemInfo", "BarcodeItemInfo", "ImgItemInfo"})
            QCOMPARE(saved.value(key).toArray().size(), 1);

        GraphicsScene reloaded;
        const MessageFile::Result loaded = MessageFile::load(reloaded, file);
        QVERIFY(loaded);
        QCOMPARE(loaded.dataFileProblem, QString());
        QVERIFY(boxes.boxes.isEmpty());
        QCOMPARE(reloaded.items().size(), 9);
        QCOMPARE(MessageFile::toDocument(reloaded), saved);

        // The items show what they showed before saving.
        QCOMPARE(itemsOf<GraphicsTimeItem>(reloaded).last()->toPlainText(),
                 QString("BB 16.11.21 May"));
        QCOMPARE(itemsOf<GraphicsShiftCodeItem>(reloaded).first()->toPlainText(), QString("L"));
        const QList<GraphicsSerialNumberItem *> serials =
            itemsOf<GraphicsSerialNumberItem>(reloaded);
        QCOMPARE(serials.last()->toPlainText(), QString("***0"));
        QCOMPARE(serials.first()->toPlainText(), QString(6, QChar(0)));
        QCOMPARE(reloaded.externData().externItemIds(), QStringList{"Text0"});
        QCOMPARE(reloaded.externData().columnAt(0).values.toStringList(),
                 QStringList({"L1", "L2"}));
    }

    void timeItemWithAnEmptyFormatIsNotSaved()
    {
        GraphicsScene scene;
        addItem<GraphicsTimeItem>(scene, TypeTime, 0, 1)->setTimeFormat("");
        QJsonObject doc;
        QVERIFY(MessageFile::writeItems(scene, doc));
        QVERIFY(doc.isEmpty());
        addItem<GraphicsTimeItem>(scene, TypeTime, 0, 2)->setTimeFormat("yyyy");
        doc = MessageFile::toDocument(scene);
        const QJsonArray times = doc.value("TimeItemInfo").toArray();
        QCOMPARE(times.size(), 1);
        QCOMPARE(times.first().toObject().value("TimeMode").toString(), QString("yyyy"));
    }

    void serialNumbersBindToRegistryCounters_data()
    {
        QTest::addColumn<QByteArray>("records");
        QTest::addColumn<QList<int>>("itemCounters");
        QTest::addColumn<QList<int>>("registry");
        QTest::newRow("counter 0 binds to counter 1")
            << QByteArray(R"([{"SNcounterID": 0}])") << QList<int>{1} << QList<int>{1};
        QTest::newRow("missing number means 1")
            << QByteArray("[{}]") << QList<int>{1} << QList<int>{1};
        QTest::newRow("two records share a counter")
            << QByteArray(R"([{"SNcounterID": 3, "SNatZ": 2}, {"SNcounterID": 3, "SNatZ": 1}])")
            << QList<int>{3, 3} << QList<int>{3};
        QTest::newRow("counters are created in file order")
            << QByteArray(R"([{"SNcounterID": 4, "SNatZ": 2}, {"SNcounterID": 0, "SNatZ": 1}])")
            << QList<int>{4, 1} << QList<int>{4, 1};
        QTest::newRow("0 and 1 share counter 1")
            << QByteArray(R"([{"SNcounterID": 1, "SNatZ": 2}, {"SNcounterID": 0, "SNatZ": 1}])")
            << QList<int>{1, 1} << QList<int>{1};
    }
    void serialNumbersBindToRegistryCounters()
    {
        QFETCH(QByteArray, records);
        QFETCH(QList<int>, itemCounters);
        QFETCH(QList<int>, registry);
        const QString file = path("counters.spr");
        writeFile(file, R"({"CntItemInfo":)" + records + "}");
        GraphicsScene scene;
        // Loading twice creates no further counters.
        for (int round = 0; round < 2; ++round) {
            QVERIFY(MessageFile::load(scene, file));
            QList<int> numbers;
            // Topmost first, which is the file order of these records.
            const QList<GraphicsSerialNumberItem *> items =
                itemsOf<GraphicsSerialNumberItem>(scene);
            for (GraphicsSerialNumberItem *item : items) {
                numbers << item->counterNumber();
                QCOMPARE(item->boundCounter(), findCounter(quint8(item->counterNumber())));
            }
            QCOMPARE(numbers, itemCounters);
            QList<int> ids;
            for (int i = 0; i < CounterRegistry::count(); ++i)
                ids << CounterRegistry::at(i)->CounterID;
            QCOMPARE(ids, registry);
        }
    }

    void sharedCounterRefreshesEveryBoundItem()
    {
        const QString file = path("shared.spr");
        writeFile(file, R"({"CntItemInfo":[{"SNcounterID":2,"SNdigits":3},{"SNcounterID":2}]})");
        GraphicsScene scene;
        QVERIFY(MessageFile::load(scene, file));
        Counter *counter = findCounter(2);
        QVERIFY(counter);
        counter->CurValue = 12;
        emit counter->counterDataChanged();
        QStringList texts;
        for (GraphicsSerialNumberItem *item : itemsOf<GraphicsSerialNumberItem>(scene))
            texts << item->toPlainText();
        texts.sort();
        QCOMPARE(texts, QStringList({"000012", "012"}));
    }

    void externalModeWithoutColumnsIsWrittenAsNone()
    {
        GraphicsScene scene;
        GraphicsTextItem *item = addText(scene, "x", 0);
        item->setData(ItemData::kIsExtern, true);
        scene.externData().setExternMode(1);
        const QJsonObject doc = MessageFile::toDocument(scene);
        QCOMPARE(doc.value("ExternDataInfo").toObject(), parse(R"({"ExternMode":0})"));
        QVERIFY(!doc.contains("ExternDataSequance"));
        QCOMPARE(item->data(ItemData::kIsExtern).toBool(), false);
        QCOMPARE(scene.externData().externMode(), 0);
    }

    void externalColumnsAndSettingsAreWritten()
    {
        GraphicsScene scene;
        GraphicsTextItem *a = addText(scene, "a", 0);
        GraphicsTextItem *b = addText(scene, "b", 0);
        scene.setItemExtern(b, true);
        scene.setItemExtern(a, true);
        ExternDataManage &m = scene.externData();
        m.setExternMode(1);
        m.setDataFileName("data.csv");
        m.setCurrentLine(4);
        m.setStartLine(2);
        m.setEndLine(9);
        m.setJobCompleteType(1);
        const QJsonObject doc = MessageFile::toDocument(scene);
        QCOMPARE(doc.value("ExternDataSequance").toObject(),
                 parse(R"({"F0":"Text1","F1":"Text0"})"));
        QCOMPARE(doc.value("ExternDataInfo").toObject(),
                 parse(R"({"ExternMode":1,"ExternFileName":"data.csv","CurrentLine":4,)"
                       R"("StartLine":2,"EndLine":9,"JObCompleteType":1})"));
    }

    void columnsAreReadDenselyFromF0()
    {
        RecordingNotifier boxes;
        const QString file = path("gap.spr");
        writeFile(file, R"({"ExternDataInfo":{"ExternMode":1,"ExternFileName":"/nonexistent/d.csv",
                           "CurrentLine":3,"StartLine":1,"EndLine":7,"JObCompleteType":2},
                           "ExternDataSequance":{"F0":"Text0","F1":"Barcode0","F3":"Text9"}})");
        GraphicsScene scene;
        QVERIFY(MessageFile::load(scene, file));
        const ExternDataManage &m = scene.externData();
        QCOMPARE(m.externItemIds(), QStringList({"Text0", "Barcode0", ""}));
        QCOMPARE(m.currentLine(), 3);
        QCOMPARE(m.startLine(), 1);
        QCOMPARE(m.endLine(), 7);
        QCOMPARE(m.jobCompleteType(), 2);
        QCOMPARE(m.dataFileName(), QString("/nonexistent/d.csv"));
    }

    // The message loads whatever became of its data file; why the data file
    // could not be used comes back with the result, and no box opens here.
    void dataFileResultsAreReported_data()
    {
        QTest::addColumn<QString>("dataFile");
        QTest::addColumn<QString>("problem");
        QTest::addColumn<QStringList>("values");
        QTest::newRow("loaded: no problem") << "ok.csv" << QString() << QStringList({"a", "b"});
        QTest::newRow("cannot be opened") << "."
                                          << "Unknown Error!" << QStringList{};
        QTest::newRow("missing") << "none.csv"
                                 << "Can not find the extern data file!" << QStringList{};
        QTest::newRow("three columns for one item")
            << "three.csv"
            << "The columns in the file don't match the extern items you create!" << QStringList{};
        QTest::newRow("endless device")
            << "/dev/zero"
            << "The extern data file is a device or a pipe, not a plain file!" << QStringList{};
        QTest::newRow("FIFO without a writer")
            << "fifo"
            << "The extern data file is a device or a pipe, not a plain file!" << QStringList{};
        QTest::newRow("too large")
            << "big.csv"
            << "The extern data file is larger than 16 MiB!" << QStringList{};
        QTest::newRow("line too long")
            << "long.csv"
            << "The extern data file has a line longer than 65536 bytes!" << QStringList{};
    }
    void dataFileResultsAreReported()
    {
        QFETCH(QString, dataFile);
        QFETCH(QString, problem);
        QFETCH(QStringList, values);
        RecordingNotifier boxes;
        writeFile(path("ok.csv"), "a\nb\n");
        writeFile(path("three.csv"), "1,2,3\n4,5,6\n");
        writeFile(path("big.csv"), "a\n");
        QVERIFY(QFile::resize(path("big.csv"), ExternDataManage::kMaxFileBytes + 1));
        writeFile(path("long.csv"), "a\n" + QByteArray(ExternDataManage::kMaxLineBytes + 1, 'x'));
        if (!QFileInfo::exists(path("fifo")))
            QCOMPARE(mkfifo(QFile::encodeName(path("fifo")).constData(), 0600), 0);
        const QString file = path("result.spr");
        const QByteArray message = QString(R"({"ExternDataSequance":{"F0":"Text0"},
                       "ExternDataInfo":{"ExternMode":1,"ExternFileName":"%1"}})")
                                       .arg(dataFile.startsWith('/') ? dataFile : path(dataFile))
                                       .toUtf8();
        writeFile(file, message);
        GraphicsScene scene, applied;
        MessageFile::Result result;
        QString appliedProblem;
        {
            Watchdog watchdog("loading a message with a hostile data file",
                              std::chrono::seconds(10));
            result = MessageFile::load(scene, file);
            // The document as it stands tells the same.
            appliedProblem = MessageFile::applyDocument(applied, parse(message));
        }
        QVERIFY(result.ok);
        QCOMPARE(result.error, QString());
        QCOMPARE(result.dataFileProblem, problem);
        QCOMPARE(appliedProblem, problem);
        QCOMPARE(scene.externData().columnAt(0).values.toStringList(), values);
        QVERIFY(boxes.boxes.isEmpty());
        QCOMPARE(MessageFile::dataFileBoxTitle(), QString("t"));
    }

    void wrongTypedArraysAreSkipped()
    {
        RecordingNotifier boxes;
        const QString file = path("object.spr");
        writeFile(file,
                  R"({"TextItemInfo":{"TextContent":"no"},"ExternDataInfo":{"ExternMode":0}})");
        GraphicsScene scene;
        addText(scene, "old", 0);
        QVERIFY(MessageFile::load(scene, file));
        QVERIFY(scene.items().isEmpty());

        // Non-object elements read as empty records: a default text item each.
        writeFile(file, R"({"TextItemInfo":[7, {"TextContent":"yes"}]})");
        QVERIFY(MessageFile::load(scene, file));
        QStringList texts;
        for (QGraphicsItem *item : scene.items())
            texts << static_cast<GraphicsTextItem *>(item)->toPlainText();
        texts.sort();
        QCOMPARE(texts, QStringList({"Input Text", "yes"}));
        QVERIFY(boxes.boxes.isEmpty());
    }

    void unreadableFilesKeepTheMessageOnScreen_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QString>("expected");
        QTest::newRow("not JSON") << QByteArray("label1 \x01 garbage") << true
                                  << "File %1 is empty.";
        QTest::newRow("empty file") << QByteArray() << true << "File %1 is empty.";
        QTest::newRow("array") << QByteArray("[1, 2]") << true << "File %1 is empty.";
        QTest::newRow("missing file")
            << QByteArray() << false << "Cannot read print file %1:\nNo such file or directory.";
    }
    void unreadableFilesKeepTheMessageOnScreen()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, exists);
        QFETCH(QString, expected);
        RecordingNotifier boxes;
        const QString file = path(QString("bad-%1.spr").arg(QTest::currentDataTag()));
        if (exists)
            writeFile(file, content);
        GraphicsScene scene;
        addText(scene, "keep me", 0);
        const MessageFile::Result result = MessageFile::load(scene, file);
        QVERIFY(!result);
        QCOMPARE(scene.items().size(), 1);
        QCOMPARE(result.error, expected.arg(file));
        QCOMPARE(result.dataFileProblem, QString());
        QVERIFY(boxes.boxes.isEmpty());
        QCOMPARE(MessageFile::boxTitle(), QString("Qt Drawing"));
    }

    // A message file named by a coder or picked in a folder may be a FIFO, a
    // device or a giant: refused before open() can block or memory is taken.
    void messageFilesThatAreNoPlainFilesAreRefused_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("endless device") << "/dev/zero"
                                        << "Not a plain file";
        QTest::newRow("FIFO without a writer") << "fifo"
                                               << "Not a plain file";
        QTest::newRow("over the size limit") << "big"
                                             << "The file is larger than 16 MiB";
    }
    void messageFilesThatAreNoPlainFilesAreRefused()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        QString file = kind;
        if (kind == "fifo") {
            file = path("message-fifo.spr");
            if (!QFileInfo::exists(file))
                QCOMPARE(mkfifo(QFile::encodeName(file).constData(), 0600), 0);
        } else if (kind == "big") {
            file = path("big.spr");
            writeFile(file, "{}");
            QVERIFY(QFile::resize(file, MessageFile::kMaxFileBytes + 1));
        }
        RecordingNotifier boxes;
        GraphicsScene scene;
        addText(scene, "keep me", 0);
        MessageFile::Result result;
        {
            Watchdog watchdog("loading a hostile message file", std::chrono::seconds(10));
            result = MessageFile::load(scene, file);
        }
        QVERIFY(!result);
        QCOMPARE(scene.items().size(), 1);
        QCOMPARE(result.error, QString("Cannot read print file %1:\n%2.").arg(file, reason));
        QVERIFY(boxes.boxes.isEmpty());
    }

    // Positions anywhere in the int range give a scene rect inside it.
    void farItemsGiveASceneRectInRange_data()
    {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<bool>("wide");
        QTest::addColumn<bool>("tall");
        QTest::newRow("X at the int maximum")
            << QByteArray(R"("TextAtX":2147483647)") << true << false;
        QTest::newRow("Y at the int maximum")
            << QByteArray(R"("TextAtY":2147483647)") << false << true;
        QTest::newRow("X at the int minimum")
            << QByteArray(R"("TextAtX":-2147483648)") << false << false;
    }
    void farItemsGiveASceneRectInRange()
    {
        QFETCH(QByteArray, record);
        QFETCH(bool, wide);
        QFETCH(bool, tall);
        RecordingNotifier boxes;
        const QString file = path("far.spr");
        writeFile(file, R"({"TextItemInfo":[{"TextContent":"A",)" + record + "}]}");
        GraphicsScene scene;
        QVERIFY(MessageFile::load(scene, file));
        const QRectF item = scene.items().first()->sceneBoundingRect();
        const QRectF rect = scene.sceneRect();
        QCOMPARE(rect.topLeft(), QPointF(0, 0));
        QCOMPARE(rect.width(), wide ? qreal(INT_MAX) : qMax(0.0, qreal(int(item.right()))));
        QCOMPARE(rect.height(), tall ? qreal(INT_MAX) : qreal(int(item.bottom())));
    }

    // A message of many large symbols: pictures for as many as the load's
    // pixel budget holds (made smaller here), the error picture for the rest.
    void symbolsPastThePixelBudgetShowTheErrorPicture()
    {
        const QSize error(800, 300);
        const QJsonObject record{
            {"BarMode", 58}, {"BarContent", "x"}, {"BarIsTextOn", false}, {"BarScale", 1}};
        GraphicsScene scene;
        MessageFile::loadItems(scene, {{"BarcodeItemInfo", QJsonArray{record}}});
        const QSize symbol = itemsOf<BarcodeItem>(scene).first()->pixmap().size();
        QVERIFY(symbol != error);

        QJsonArray records;
        for (int i = 0; i < 10; ++i)
            records.append(record);
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression("^Pictures of the message over its budget"));
        {
            PixelLimit::LoadBudget budget(4 * qint64(symbol.width()) * symbol.height());
            MessageFile::loadItems(scene, {{"BarcodeItemInfo", records}});
        }
        int drawn = 0, refused = 0;
        for (BarcodeItem *item : itemsOf<BarcodeItem>(scene))
            (item->pixmap().size() == symbol ? drawn : refused) += 1;
        QVERIFY2(drawn >= 1 && drawn <= 4, qPrintable(QString::number(drawn)));
        QCOMPARE(refused, 10 - drawn);
        for (BarcodeItem *item : itemsOf<BarcodeItem>(scene))
            QVERIFY(item->pixmap().size() == symbol || item->pixmap().size() == error);
    }

    void externalColumnsOfThePreviousMessageAreDropped()
    {
        RecordingNotifier boxes;
        GraphicsScene scene;
        scene.setItemExtern(addText(scene, "old", 0), true);
        scene.externData().setExternMode(1);
        const QString file = path("plain.spr");
        writeFile(file, R"({"TextItemInfo":[{"TextContent":"new","TextID":"Text5"}]})");
        QVERIFY(MessageFile::load(scene, file));
        QVERIFY(scene.externData().isEmpty());
        QCOMPARE(scene.externData().externMode(), 0);
        QVERIFY(!MessageFile::toDocument(scene).contains("ExternDataSequance"));
    }

    void failedSaveKeepsTheOldFile()
    {
        RecordingNotifier boxes;
        const QString file = path("keep.spr");
        const QByteArray old = R"({"ExternDataInfo":{"ExternMode":0},"TextItemInfo":[]})";
        writeFile(file, old);

        // More than Qt buffers, so that the write itself fails and the box
        // must still give the system's reason.
        GraphicsScene scene;
        for (int i = 0; i < 200; ++i)
            addText(scene, QString("item %1 with a long text").arg(i), 0);
        MessageFile::Result result;
        {
            FileSizeLimit limit(old.size() + 16);
            result = MessageFile::save(scene, file);
        }
        QVERIFY(!result);
        QCOMPARE(readAll(file), old);
        QCOMPARE(result.error,
                 QString("Cannot write file %1:\n%2.").arg(file, FileSizeLimit::reason()));
        // No temporary file is left behind.
        QCOMPARE(QDir(m_dir.path()).entryList({"keep.spr*"}, QDir::Files), QStringList{"keep.spr"});

        // Opening fails outright when the path is a folder.
        result = MessageFile::save(scene, m_dir.path());
        QVERIFY(!result);
        QVERIFY(result.error.startsWith(QString("Cannot write file %1:\n").arg(m_dir.path())));
        QVERIFY(boxes.boxes.isEmpty());
    }

    // After a save, a temporary that a killed save left beside the message
    // goes; copies a person made beside it stay.
    void saveRemovesOnlyStaleTemporaries()
    {
        QTemporaryDir dir;
        QStringList kept{"x.spr.backup", "x.spr.BACKUP", "x.spr.Backup", "x.spr.old001"};
        for (const QString &name : kept + QStringList{"x.spr.QxTrbA"})
            writeFile(dir.filePath(name), "mine");
        GraphicsScene scene;
        addText(scene, "new", 0);
        QVERIFY(MessageFile::save(scene, dir.filePath("x.spr")));
        QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
        left.sort();
        kept << "x.spr";
        kept.sort();
        QCOMPARE(left, kept);
    }
};

QTEST_MAIN(TestMessageFile)
#include "tst_messagefile.moc"
