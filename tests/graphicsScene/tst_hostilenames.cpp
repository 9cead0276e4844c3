// SPDX-License-Identifier: GPL-3.0-or-later
// Hostile picture names through the one path that writes a picture: the
// import into the working folder's "Image" folder.  Whatever the chosen
// file is called, and whatever links were prepared in that folder, not one
// byte may land outside it.
#include "../common/hostilenames.h"
#include "picturefolder.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

class TestHostileNames : public QObject
{
    Q_OBJECT

    QTemporaryDir world;
    QString work, outside, sources;
    QString savedCurrent;

    // Everything written since `before` must be a plain file right inside
    // Image/; nothing may be gone.
    void onlyTheImageFolderChanged(const QMap<QString, QString> &before)
    {
        const auto after = treeSnapshot(world.path());
        const QString folder = QDir(work).filePath("Image");
        for (auto it = after.begin(); it != after.end(); ++it) {
            const QFileInfo info(it.key());
            // A folder that gained an entry has a new time; what counts is
            // each file and each new entry.
            if (before.value(it.key()) == it.value() ||
                (before.contains(it.key()) && info.isDir()) || it.key() == folder)
                continue;
            QCOMPARE(info.absolutePath(), folder);
            QVERIFY(!info.isSymLink());
        }
        for (auto it = before.begin(); it != before.end(); ++it)
            QVERIFY2(after.contains(it.key()), qPrintable(it.key()));
    }

    static QByteArray png()
    {
        QImage image(4, 4, QImage::Format_RGB32);
        image.fill(Qt::black);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        return bytes;
    }

private slots:
    void initTestCase()
    {
        work = world.filePath("work");
        outside = world.filePath("outside");
        sources = world.filePath("chosen");
        QVERIFY(QDir().mkpath(work) && QDir().mkpath(outside) && QDir().mkpath(sources));
        QFile victim(QDir(outside).filePath("victim.png"));
        QVERIFY(victim.open(QIODevice::WriteOnly));
        victim.write(png());
        victim.close();
        savedCurrent = QDir::currentPath();
        QVERIFY(QDir::setCurrent(work));
    }
    void cleanupTestCase() { QDir::setCurrent(savedCurrent); }

    void importedPicturesStayInTheImageFolder_data()
    {
        QTest::addColumn<QString>("name");
        for (const auto &n : hostileNames())
            QTest::newRow(qPrintable(n.first)) << n.second;
    }
    void importedPicturesStayInTheImageFolder()
    {
        QFETCH(QString, name);
        // The operator picked a file of that name, where the system lets one
        // exist; otherwise the path as it stands.
        const QString file = QDir(sources).path() + QLatin1Char('/') + name;
        {
            QFile source(file);
            if (source.open(QIODevice::WriteOnly))
                source.write(png());
        }
        const auto before = treeSnapshot(world.path());
        QString error;
        const QString copy = PictureFolder::import(file, &error);
        if (!copy.isEmpty())
            QCOMPARE(QFileInfo(copy).absolutePath(), QDir(work).filePath("Image"));
        onlyTheImageFolderChanged(before);
        QVERIFY(!PictureFolder::isSafeName(name) || !name.contains(QLatin1Char('/')));
    }

    // Links someone prepared inside the picture folder are never written
    // through.
    void preparedLinksAreNotFollowed()
    {
        QDir image(QDir(work).filePath("Image"));
        QVERIFY(image.mkpath("."));
        const QString victim = QDir(outside).filePath("victim.png");
        QVERIFY(QFile::link(victim, image.filePath("logo.png")));
        QVERIFY(QFile::link(outside, image.filePath("sub")));
        QFile source(QDir(sources).filePath("logo.png"));
        QVERIFY(source.open(QIODevice::WriteOnly));
        QImage red(8, 8, QImage::Format_RGB32);
        red.fill(Qt::red);
        QVERIFY(red.save(&source, "PNG"));
        source.close();
        const auto before = treeSnapshot(world.path());
        const QString copy = PictureFolder::import(source.fileName());
        QCOMPARE(QFileInfo(copy).fileName(), QString("logo-2.png"));
        onlyTheImageFolderChanged(before);

        // The folder itself a link leading out: nothing is written at all.
        QVERIFY(image.removeRecursively());
        QVERIFY(QFile::link(outside, QDir(work).filePath("Image")));
        const auto linked = treeSnapshot(world.path());
        QString error;
        QVERIFY(PictureFolder::import(source.fileName(), &error).isEmpty());
        QVERIFY(error.contains("outside"));
        QCOMPARE(treeSnapshot(world.path()), linked);
        QFile::remove(QDir(work).filePath("Image"));
    }
};

QTEST_MAIN(TestHostileNames)
#include "tst_hostilenames.moc"
