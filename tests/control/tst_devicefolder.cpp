// SPDX-License-Identifier: GPL-3.0-or-later
// A coder's file is written into devices/<IP>/ and nowhere else, even when
// links were prepared inside that folder: QSaveFile would write through them.
#include "../common/hostilenames.h"
#include "devicefolder.h"

#include <QTemporaryDir>
#include <QtTest>

class TestDeviceFolder : public QObject
{
    Q_OBJECT
private slots:
    void preparedLinksAreNotWrittenThrough_data()
    {
        QTest::addColumn<QString>("link");   // made inside the working folder
        QTest::addColumn<QString>("target"); // where it points, outside
        QTest::newRow("file link") << "devices/127.0.0.1/label1.spr"
                                   << "outside/victim.spr";
        QTest::newRow("coder folder link") << "devices/127.0.0.1"
                                           << "outside";
        QTest::newRow("devices link") << "devices"
                                      << "outside";
    }
    void preparedLinksAreNotWrittenThrough()
    {
        QFETCH(QString, link);
        QFETCH(QString, target);
        QTemporaryDir world;
        const QString saved = QDir::currentPath();
        QVERIFY(QDir(world.path()).mkpath("work"));
        QVERIFY(QDir(world.path()).mkpath("outside"));
        QFile victim(world.filePath("outside/victim.spr"));
        QVERIFY(victim.open(QIODevice::WriteOnly));
        victim.write("old");
        victim.close();
        QVERIFY(QDir::setCurrent(world.filePath("work")));
        QVERIFY(QDir().mkpath(QFileInfo(link).path()));
        QVERIFY(QFile::link(world.filePath(target), link));
        const auto before = treeSnapshot(world.filePath("outside"));
        QString error;
        const bool written = DeviceFolder::writeFile("127.0.0.1", "label1.spr", "new", &error);
        // A coder from another address connecting: its folder is not made there either.
        QString ensureError;
        DeviceFolder::ensure("10.0.0.9", &ensureError);
        QDir::setCurrent(saved);
        QVERIFY(!written);
        QVERIFY(error.contains("link"));
        QCOMPARE(treeSnapshot(world.filePath("outside")), before);
    }

    void plainFolderIsWritten()
    {
        QTemporaryDir world;
        const QString saved = QDir::currentPath();
        QVERIFY(QDir::setCurrent(world.path()));
        QString error;
        const bool written = DeviceFolder::writeFile("127.0.0.1", "label1.spr", "new", &error);
        QDir::setCurrent(saved);
        QVERIFY2(written, qPrintable(error));
        QFile f(world.filePath("devices/127.0.0.1/label1.spr"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("new"));
    }
};

QTEST_GUILESS_MAIN(TestDeviceFolder)
#include "tst_devicefolder.moc"
