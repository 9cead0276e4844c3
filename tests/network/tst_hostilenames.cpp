// SPDX-License-Identifier: GPL-3.0-or-later
// Hostile file names in the records a coder sends.  A name the records accept
// is joined to the coder's folder and written there: not one byte may land
// outside that folder, and names that mean something else on some system
// (parents, drives, devices, control characters) are refused outright.
#include "../common/hostilenames.h"
#include "filerecord.h"

#include <QSaveFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

namespace {

QByteArray record(const QByteArray &name)
{
    const QByteArray carried = name.left(FileRecord::kMaxNameBytes);
    QByteArray r(1, char(quint8(carried.size())));
    r += carried;
    char length[4];
    qToBigEndian<quint32>(2, length);
    r += QByteArray(length, 4) + "{}";
    return r;
}

} // namespace

class TestHostileNames : public QObject
{
    Q_OBJECT
private slots:
    void namesFromCodersStayInTheirFolder_data()
    {
        QTest::addColumn<QString>("name");
        for (const auto &n : hostileNames())
            QTest::newRow(qPrintable(n.first)) << n.second;
        QCOMPARE(hostileNames().size() >= 100, true);
    }
    void namesFromCodersStayInTheirFolder()
    {
        QFETCH(QString, name);
        const QString tag = QTest::currentDataTag();
        QTemporaryDir world;
        const QString folder = world.filePath("work/devices/127.0.0.1");
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(QDir().mkpath(world.filePath("outside")));
        const auto before = treeSnapshot(world.path());

        // Both records, with the name as UTF-8 and as the coder's Latin-1.
        QStringList accepted;
        for (const QByteArray &bytes : {name.toUtf8(), name.toLatin1()}) {
            FileRecord parsed;
            QString error;
            if (FileRecord::parseFileTransfer(record(bytes), &parsed, &error))
                accepted << parsed.name;
            if (FileRecord::parseCurrentFile(record(bytes), &parsed, &error))
                accepted << parsed.name;
        }
        const bool mustRefuse = tag.startsWith("absolute") || tag.startsWith("control") ||
                                tag.startsWith("windows") || tag == "DEL" || tag == "empty" ||
                                (tag.startsWith("traversal") && !tag.contains('%'));
        if (mustRefuse)
            QVERIFY2(accepted.isEmpty(), qPrintable(accepted.join(" | ")));

        // What was accepted is written as the coder's folder writes it.
        for (const QString &fileName : qAsConst(accepted)) {
            QVERIFY(FileRecord::isSafeFileName(fileName));
            QSaveFile file(QDir(folder).filePath(fileName));
            if (file.open(QIODevice::WriteOnly)) {
                file.write("{}");
                file.commit();
            }
        }
        const auto after = treeSnapshot(world.path());
        for (auto it = after.begin(); it != after.end(); ++it) {
            // A folder that gained an entry has a new time; what counts is
            // each file and each new entry.
            if (before.value(it.key()) == it.value() ||
                (before.contains(it.key()) && QFileInfo(it.key()).isDir()))
                continue;
            QCOMPARE(QFileInfo(it.key()).absolutePath(), folder);
            QVERIFY(!QFileInfo(it.key()).isSymLink());
        }
        for (auto it = before.begin(); it != before.end(); ++it)
            QVERIFY(after.contains(it.key()));
    }
};

QTEST_GUILESS_MAIN(TestHostileNames)
#include "tst_hostilenames.moc"
