// SPDX-License-Identifier: GPL-3.0-or-later
#include "../common/recordingnotifier.h"
#include "graphicsscene.h"
#include "graphicstextitem.h"
#include "messagefile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

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

// Lowers this process's file-size limit for one scope, so that writes past it
// fail the way a full disk does.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved);
        previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = saved;
        lowered.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);
    }

private:
    rlimit saved{};
    void (*previousHandler)(int) = nullptr;
};

} // namespace

class TestMessageFile : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir dir;
    QString path(const QString &name) const { return dir.filePath(name); }

private slots:
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

        GraphicsScene reloaded;
        QVERIFY(MessageFile::load(reloaded, file));
        QCOMPARE(reloaded.items().size(), 3);
        QCOMPARE(MessageFile::toDocument(reloaded), saved);
        QVERIFY(boxes.boxes.isEmpty());
    }

    void externalModeWithoutColumnsIsWrittenAsNone()
    {
        GraphicsScene scene;
        GraphicsTextItem *item = addText(scene, "x", 0);
        item->setData(ItemData::IsExtern, true);
        scene.externData().setExternMode(1);
        const QJsonObject doc = MessageFile::toDocument(scene);
        QCOMPARE(doc.value("ExternDataInfo").toObject(), parse(R"({"ExternMode":0})"));
        QVERIFY(!doc.contains("ExternDataSequance"));
        QCOMPARE(item->data(ItemData::IsExtern).toBool(), false);
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
        QCOMPARE(doc.value("ExternDataSequance").toObject(), parse(R"({"F0":"Text1","F1":"Text0"})"));
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
        // The missing data file is reported, but the message still loads.
        QCOMPARE(boxes.boxes.size(), 1);
        QCOMPARE(boxes.boxes.first().title, QString("t"));
        QCOMPARE(boxes.boxes.first().text, QString("Can not find the extern data file!"));
    }

    void dataFileProblemsAreReported()
    {
        RecordingNotifier boxes;
        const QString data = path("three.csv");
        writeFile(data, "1,2,3\n4,5,6\n");
        const QString file = path("mismatch.spr");
        writeFile(file, QString(R"({"ExternDataSequance":{"F0":"Text0","F1":"Text1"},
                                   "ExternDataInfo":{"ExternMode":1,"ExternFileName":"%1"}})")
                            .arg(data)
                            .toUtf8());
        GraphicsScene scene;
        QVERIFY(MessageFile::load(scene, file));
        QCOMPARE(boxes.texts(),
                 QStringList{"The columns in the file don't match the extern items you create!"});
    }

    void wrongTypedArraysAreSkipped()
    {
        RecordingNotifier boxes;
        const QString file = path("object.spr");
        writeFile(file, R"({"TextItemInfo":{"TextContent":"no"},"ExternDataInfo":{"ExternMode":0}})");
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
        QTest::newRow("not JSON") << QByteArray("label1 \x01 garbage") << true << "File %1 is empty.";
        QTest::newRow("empty file") << QByteArray() << true << "File %1 is empty.";
        QTest::newRow("missing file") << QByteArray() << false
                                      << "Cannot read print file %1:\nNo such file or directory.";
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
        QVERIFY(!MessageFile::load(scene, file));
        QCOMPARE(scene.items().size(), 1);
        QCOMPARE(boxes.boxes.size(), 1);
        QCOMPARE(boxes.boxes.first().kind, UserNotifier::Kind::Warning);
        QCOMPARE(boxes.boxes.first().title, QString("Qt Drawing"));
        QCOMPARE(boxes.boxes.first().text, expected.arg(file));
    }

    void loadingTwiceLeavesOneSetOfItems()
    {
        GraphicsScene scene;
        addText(scene, "one", 0);
        addText(scene, "two", 0);
        const QString file = path("twice.spr");
        QVERIFY(MessageFile::save(scene, file));
        GraphicsScene target;
        QVERIFY(MessageFile::load(target, file));
        QVERIFY(MessageFile::load(target, file));
        QCOMPARE(target.items().size(), 2);
    }

    void failedSaveKeepsTheOldFile()
    {
        RecordingNotifier boxes;
        const QString file = path("keep.spr");
        const QByteArray old = R"({"ExternDataInfo":{"ExternMode":0},"TextItemInfo":[]})";
        writeFile(file, old);

        GraphicsScene scene;
        for (int i = 0; i < 20; ++i)
            addText(scene, QString("item %1 with a long text").arg(i), 0);
        {
            FileSizeLimit limit(old.size() + 16);
            QVERIFY(!MessageFile::save(scene, file));
        }
        QCOMPARE(readAll(file), old);
        QCOMPARE(boxes.boxes.size(), 1);
        QCOMPARE(boxes.boxes.first().title, QString("Qt Drawing"));
        QVERIFY(boxes.boxes.first().text.startsWith(QString("Cannot write file %1:\n").arg(file)));
        // No temporary file is left behind.
        QCOMPARE(QDir(dir.path()).entryList({"keep.spr*"}, QDir::Files), QStringList{"keep.spr"});

        // Opening fails outright when the path is a folder.
        boxes.boxes.clear();
        QVERIFY(!MessageFile::save(scene, dir.path()));
        QCOMPARE(boxes.boxes.size(), 1);
        QVERIFY(boxes.boxes.first().text.startsWith(QString("Cannot write file %1:\n").arg(dir.path())));
    }
};

QTEST_MAIN(TestMessageFile)
#include "tst_messagefile.moc"
