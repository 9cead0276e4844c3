// SPDX-License-Identifier: GPL-3.0-or-later
#include "../common/filesizelimit.h"
#include "../common/recordingnotifier.h"
#include "graphicsimageitem.h"
#include "graphicsscene.h"
#include "graphicstextabstract.h"
#include "messagefile.h"

#include <QBitmap>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QtTest>

#include <optional>
#include <sys/stat.h>

namespace {

// A picture with a black left half and a black pixel at (w - 2, 1), on white.
QImage testPicture(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w / 2; ++x)
            image.setPixel(x, y, qRgb(0, 0, 0));
    image.setPixel(w - 2, 1, qRgb(0, 0, 0));
    return image;
}

bool isBlack(const QImage &image, int x, int y)
{
    return qGray(image.pixel(x, y)) < 128;
}

// Only pure black and white: no smoothing happened.
bool isTwoTone(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y) & 0xffffff;
            if (p != 0 && p != 0xffffff)
                return false;
        }
    return true;
}

QJsonObject parse(const QByteArray &json)
{
    return QJsonDocument::fromJson(json).object();
}

} // namespace

class TestImageItem : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir *m_work = nullptr;
    QString m_savedCurrent;
    // A name nobody has in "/Image/", so that the fallback is what is tested.
    const QString m_unique = QStringLiteral("korvex-%1").arg(QCoreApplication::applicationPid());

    QString writePicture(const QString &relativePath, int w, int h)
    {
        const QString path = QDir::current().absoluteFilePath(relativePath);
        QDir().mkpath(QFileInfo(path).absolutePath());
        testPicture(w, h).save(path, "PNG");
        return path;
    }

private slots:
    // Each test runs in a fresh working folder.
    void init()
    {
        m_savedCurrent = QDir::currentPath();
        m_work = new QTemporaryDir;
        QVERIFY(m_work->isValid());
        QVERIFY(QDir::setCurrent(m_work->path()));
        QVERIFY(!QFile::exists("/Image/" + m_unique + ".png"));
    }
    void cleanup()
    {
        QDir::setCurrent(m_savedCurrent);
        delete m_work;
        m_work = nullptr;
    }

    void newItemShowsThePlaceholder()
    {
        GraphicsImageItem item;
        QCOMPARE(item.type(), int(ItemTypeCode::kImage));
        // Not selected by itself: a loaded message comes up with nothing
        // selected (the scene selects an item the operator adds).
        QVERIFY(!item.isSelected());
        QCOMPARE(item.flags(), QGraphicsItem::ItemIsMovable | QGraphicsItem::ItemIsSelectable);
        QCOMPARE(item.imageWidth(), 240);
        QCOMPARE(item.imageHeight(), 240);
        const QImage shown = item.pixmap().toImage();
        QCOMPARE(shown.size(), QSize(240, 240));
        QCOMPARE(shown, GraphicsImageItem::placeholder().toImage());
        // The word sits in the middle; the borders stay white.
        int inkLeft = 240, inkRight = 0, inkTop = 240, inkBottom = 0;
        for (int y = 0; y < 240; ++y)
            for (int x = 0; x < 240; ++x)
                if (isBlack(shown, x, y)) {
                    inkLeft = std::min(inkLeft, x);
                    inkRight = std::max(inkRight, x);
                    inkTop = std::min(inkTop, y);
                    inkBottom = std::max(inkBottom, y);
                }
        QVERIFY(inkRight > inkLeft + 60);
        QVERIFY(qAbs((inkLeft + inkRight) / 2 - 120) < 10);
        QVERIFY(qAbs((inkTop + inkBottom) / 2 - 120) < 20);
    }

    void loadedPictureIsOneBit()
    {
        const QString path = writePicture("pics/" + m_unique + ".png", 30, 20);
        GraphicsImageItem item;
        item.loadImage(path);
        QCOMPARE(item.picturePath(), "/Image/" + m_unique + ".png");
        QCOMPARE(item.imageWidth(), 30);
        QCOMPARE(item.imageHeight(), 20);
        QCOMPARE(item.pixmap().depth(), 1);
        const QImage shown = item.pixmap().toImage();
        QVERIFY(isBlack(shown, 0, 0));
        QVERIFY(!isBlack(shown, 20, 5));
        QVERIFY(isBlack(shown, 28, 1));
    }

    void stretchingDoesNotSmooth()
    {
        GraphicsImageItem item;
        item.loadImage(writePicture(m_unique + ".png", 240, 240));
        item.setImageWidth(480);
        item.rescale();
        const QImage shown = item.pixmap().toImage();
        QCOMPARE(shown.size(), QSize(480, 240));
        QVERIFY(isTwoTone(shown));
        // The single pixel at (238, 1) becomes two, side by side.
        QVERIFY(isBlack(shown, 476, 1) && isBlack(shown, 477, 1));
        QVERIFY(!isBlack(shown, 475, 1) && !isBlack(shown, 478, 1));
        QCOMPARE(item.sourceBitmap().size(), QSize(240, 240));

        QJsonObject record;
        item.saveRecord(record);
        QCOMPARE(record.value("ImageWidth").toInt(), 480);
        QCOMPARE(record.value("ImageHeight").toInt(), 240);
    }

    void recordIsWritten()
    {
        GraphicsImageItem item;
        item.loadImage(writePicture(m_unique + ".png", 40, 30));
        item.setPos(10.8, 5.2);
        item.setZValue(-2.5);
        item.setRotation(45.5);
        item.setColorConverse(true);
        QJsonObject record;
        QVERIFY(item.saveRecord(record));
        const QJsonObject expected{
            {"ImageAtX", 10},
            {"ImageAtY", 5},
            {"ImageAtZ", -2},
            {"ImageWidth", 40},
            {"ImageHeight", 30},
            {"ImageRotate", 45.5},
            {"ImagePixPath", "/Image/" + m_unique + ".png"},
            {"ImageIsColorConverse", true},
        };
        QCOMPARE(record, expected);
    }

    void recordsThatLoad_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QSize>("shown");
        QTest::addColumn<QPointF>("pos");
        QTest::newRow("picture found in the working folder's Image folder")
            << QByteArray(R"({"ImageAtX": 7, "ImageAtY": 9, "ImageWidth": 60, "ImageHeight": 10,
                              "ImagePixPath": "/Image/NAME.png"})")
            << QSize(60, 10) << QPointF(7, 9);
        QTest::newRow("missing picture gives an empty item")
            << QByteArray(R"({"ImageWidth": 60, "ImageHeight": 10,
                              "ImagePixPath": "/Image/NAME-absent.png"})")
            << QSize(0, 0) << QPointF(0, 0);
        QTest::newRow("no width and height scale to nothing")
            << QByteArray(R"({"ImagePixPath": "/Image/NAME.png"})") << QSize(0, 0) << QPointF(0, 0);
        QTest::newRow("no picture keeps the placeholder")
            << QByteArray(R"({"ImageWidth": 120, "ImageHeight": 240})") << QSize(120, 240)
            << QPointF(0, 0);
        QTest::newRow("size beyond what a message can show")
            << QByteArray(R"({"ImageWidth": 100000, "ImageHeight": 100000,
                              "ImagePixPath": "/Image/NAME.png"})")
            << QSize(0, 0) << QPointF(0, 0);
    }
    void recordsThatLoad()
    {
        QFETCH(QByteArray, json);
        writePicture("Image/" + m_unique + ".png", 40, 30);
        json.replace("NAME", m_unique.toUtf8());
        GraphicsImageItem item;
        QVERIFY(item.loadRecord(parse(json)));
        QTEST(item.pixmap().size(), "shown");
        QTEST(item.pos(), "pos");
        QCOMPARE(item.picturePath(), parse(json).value("ImagePixPath").toString());
    }

    // A message file (perhaps from a coder) names the picture: nothing but the
    // picture folders may be read, and never a FIFO or device that would
    // block the program.
    void recordsCannotReadOutsideThePictureFolders_data()
    {
        QTest::addColumn<QString>("storedPath");
        QTest::newRow("absolute path elsewhere") << "OUTSIDE";
        QTest::newRow("climbing out of /Image") << "/Image/../OUTSIDE";
        QTest::newRow("a FIFO in the picture folder") << "/Image/" + m_unique + ".fifo.png";
        QTest::newRow("a device") << "/dev/zero";
    }
    void recordsCannotReadOutsideThePictureFolders()
    {
        QFETCH(QString, storedPath);
        const QString outside = writePicture("elsewhere/" + m_unique + "-secret.png", 40, 30);
        storedPath.replace("OUTSIDE", outside);
        QDir().mkpath("Image");
        const QByteArray fifo = QFile::encodeName("Image/" + m_unique + ".fifo.png");
        QVERIFY(QFile::exists(fifo) || mkfifo(fifo.constData(), 0600) == 0);
        QJsonObject record{{"ImageWidth", 40}, {"ImageHeight", 30}, {"ImagePixPath", storedPath}};
        GraphicsImageItem item;
        QVERIFY(item.loadRecord(record));
        QVERIFY(item.pixmap().isNull() || item.pixmap().size().isEmpty());
    }

    // Opened where the picture is missing and saved again, the message keeps
    // the picture's size, so it shows again where the picture exists.
    void missingPictureKeepsItsSizeWhenSavedAgain()
    {
        const QJsonObject record{{"ImageAtX", 7},
                                 {"ImageAtY", 9},
                                 {"ImageAtZ", 1},
                                 {"ImageWidth", 120},
                                 {"ImageHeight", 60},
                                 {"ImageRotate", 0},
                                 {"ImagePixPath", "/Image/" + m_unique + "-absent.png"},
                                 {"ImageIsColorConverse", true}};
        GraphicsImageItem item;
        QVERIFY(item.loadRecord(record));
        QJsonObject again;
        item.saveRecord(again);
        QCOMPARE(again, record);
    }

    void rotatedItemReloadsInPlace()
    {
        GraphicsImageItem source;
        source.loadImage(writePicture("Image/" + m_unique + ".png", 100, 30));
        source.setPos(50, 60);
        rotateAboutCentre(&source, 90); // as the property panel turns it
        QJsonObject record;
        source.saveRecord(record);
        GraphicsImageItem copy;
        copy.loadRecord(record);
        QCOMPARE(copy.rotation(), 90.0);
        QCOMPARE(copy.sceneBoundingRect(), source.sceneBoundingRect());
    }

    void addedPictureSurvivesSaveAndReopen()
    {
        const QString chosen = writePicture("elsewhere/" + m_unique + ".png", 64, 32);
        RecordingNotifier notifier;
        GraphicsScene scene;
        scene.addNewItem(TypeImage);
        auto *item = static_cast<GraphicsImageItem *>(scene.selectedItems().first());
        QString error;
        QVERIFY2(item->addPicture(chosen, &error), qPrintable(error));
        QVERIFY(QFile::exists("Image/" + m_unique + ".png"));
        QCOMPARE(item->picturePath(), "/Image/" + m_unique + ".png");
        QVERIFY(QFile::remove(chosen)); // the message no longer needs it
        QVERIFY(MessageFile::save(scene, "label.spr"));

        GraphicsScene reopened;
        QVERIFY(MessageFile::load(reopened, "label.spr"));
        QVERIFY(notifier.boxes.isEmpty());
        QCOMPARE(reopened.items().size(), 1);
        auto *copy = static_cast<GraphicsImageItem *>(reopened.items().first());
        QCOMPARE(copy->pixmap().toImage(), item->pixmap().toImage());
        QCOMPARE(MessageFile::toDocument(reopened), MessageFile::toDocument(scene));
    }

    void addingTheSameNameTwice()
    {
        const QString first = writePicture("a/" + m_unique + ".png", 10, 10);
        const QString same = writePicture("b/" + m_unique + ".png", 10, 10);
        const QString other = writePicture("c/" + m_unique + ".png", 12, 12);
        GraphicsImageItem item;
        QVERIFY(item.addPicture(first));
        QVERIFY(item.addPicture(same)); // same bytes: shared
        QCOMPARE(item.picturePath(), "/Image/" + m_unique + ".png");
        QVERIFY(item.addPicture(other)); // another picture keeps the first intact
        QCOMPARE(item.picturePath(), "/Image/" + m_unique + "-2.png");
        QCOMPARE(QImage("Image/" + m_unique + ".png").size(), QSize(10, 10));
        QCOMPARE(QImage("Image/" + m_unique + "-2.png").size(), QSize(12, 12));
        QVERIFY(item.addPicture(QDir::current().absoluteFilePath("Image/" + m_unique + ".png")));
        QCOMPARE(QDir("Image").entryList(QDir::Files).size(), 2);
    }

    void refusedPictures_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("not a picture") << "notes.png";
        QTest::newRow("missing file") << "absent.png";
        QTest::newRow("backslash in the name") << "a\\b.png";
        QTest::newRow("colon in the name") << "c:d.png";
        QTest::newRow("control character") << "tab\t.png";
        QTest::newRow("a folder") << "..";
        // 72,054 bytes copied under a file size limit: at 66 KiB the last
        // chunk fails only when the buffer is flushed; at 32 KiB the disk
        // cuts the first chunk short.  Either way the error gives the reason.
        QTest::newRow("disk full at the last chunk") << "full.bmp";
        QTest::newRow("disk full in the first chunk") << "full32.bmp";
    }
    void refusedPictures()
    {
        QFETCH(QString, file);
        QFile notes("notes.png");
        QVERIFY(notes.open(QIODevice::WriteOnly));
        notes.write("not a picture");
        notes.close();
        if (file.contains('\\') || file.contains(':') || file.contains('\t'))
            writePicture(file, 8, 8);
        std::optional<FileSizeLimit> diskFull;
        if (file.startsWith("full")) {
            QVERIFY(testPicture(160, 150).save(file, "BMP"));
            diskFull.emplace(file == "full.bmp" ? 66 * 1024 : 32 * 1024);
        }
        GraphicsImageItem item;
        QString error;
        QVERIFY(!item.addPicture(QDir::current().absoluteFilePath(file), &error));
        diskFull.reset();
        QVERIFY(!error.isEmpty());
        if (file.startsWith("full"))
            QVERIFY2(error.contains(FileSizeLimit::reason()), qPrintable(error));
        QCOMPARE(item.picturePath(), QString());
        QCOMPARE(item.pixmap().size(), QSize(240, 240));
        QVERIFY(QDir("Image").entryList(QDir::Files).isEmpty());
    }

    void imageFolderLeadingElsewhereIsRefused()
    {
        QTemporaryDir outside;
        QVERIFY(QFile::link(outside.path(), "Image"));
        GraphicsImageItem item;
        QString error;
        QVERIFY(!item.addPicture(writePicture("pics/" + m_unique + ".png", 8, 8), &error));
        QVERIFY(error.contains("outside"));
        QVERIFY(QDir(outside.path()).entryList(QDir::Files).isEmpty());
    }
};

QTEST_MAIN(TestImageItem)
#include "tst_imageitem.moc"
