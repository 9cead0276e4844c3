// SPDX-License-Identifier: GPL-3.0-or-later
// The rules both programs share, on their own: which names may be joined to
// a folder, which files a save may take for its stale temporaries, how much
// a bounded read takes, and how a load's pixel budget is spent.
#include "boundedread.h"
#include "pixellimit.h"
#include "safefilename.h"
#include "savetemporaries.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestBase : public QObject
{
    Q_OBJECT
private slots:
    void safeFileNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("safe");
        QTest::newRow("plain") << "label1.spr" << true;
        QTest::newRow("dots inside") << "a..b.spr" << true;
        QTest::newRow("Chinese") << QString::fromUtf8("标签.spr") << true;
        QTest::newRow("255 bytes") << QString(251, 'a') + ".spr" << true;
        QTest::newRow("256 bytes") << QString(252, 'a') + ".spr" << false;
        QTest::newRow("255 bytes of UTF-8") << QString(127, QChar(0xe9)) + "a" << true;
        QTest::newRow("256 bytes of UTF-8") << QString(128, QChar(0xe9)) << false;
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("self") << "." << false;
        QTest::newRow("parent") << ".." << false;
        QTest::newRow("slash") << "a/b.spr" << false;
        QTest::newRow("backslash") << "a\\b.spr" << false;
        QTest::newRow("drive") << "C:b.spr" << false;
        QTest::newRow("NUL") << QString("a") + QChar(0) + "b" << false;
        QTest::newRow("tab") << "a\tb.spr" << false;
        QTest::newRow("DEL") << "a\x7f"
                                "b.spr"
                             << false;
        QTest::newRow("trailing dot") << "a.spr." << false;
        QTest::newRow("trailing space") << "a.spr " << false;
        QTest::newRow("device") << "CON" << false;
        QTest::newRow("device in lower case, with a suffix") << "nul.spr" << false;
        QTest::newRow("device before a space") << "COM1 .txt" << false;
        QTest::newRow("console device") << "CONOUT$.log" << false;
        QTest::newRow("longer than a device") << "CONSOLE.spr" << true;
        QTest::newRow("COM0 is no device") << "COM0.spr" << true;
        QTest::newRow("device name inside") << "my-LPT1.spr" << true;
    }
    void safeFileNames()
    {
        QFETCH(QString, name);
        QFETCH(bool, safe);
        QCOMPARE(isSafeFileName(name), safe);
    }

    void saveTemporarySuffixes_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<bool>("temporary");
        QTest::newRow("Qt's shape") << ".QxTrbA" << true;
        QTest::newRow("upper case last") << ".abcdeF" << true;
        QTest::newRow("all lower case") << ".backup" << false;
        QTest::newRow("all upper case") << ".BACKUP" << false;
        QTest::newRow("capitalised") << ".Backup" << false;
        QTest::newRow("digits") << ".old001" << false;
        QTest::newRow("five letters") << ".QxTrb" << false;
        QTest::newRow("seven letters") << ".QxTrbAa" << false;
        QTest::newRow("no dot") << "xQxTrbA" << false;
        QTest::newRow("not ASCII") << QString::fromUtf8(".QxTrbé") << false;
        QTest::newRow("empty") << QString() << false;
    }
    void saveTemporarySuffixes()
    {
        QFETCH(QString, suffix);
        QFETCH(bool, temporary);
        QCOMPARE(isSaveTemporarySuffix(suffix), temporary);
    }

    // Only this file's temporaries go: not another file's, not a link.
    void staleTemporariesOfTheSavedFileGo()
    {
        QTemporaryDir dir;
        const QStringList names{"x.spr", "x.spr.QxTrbA", "x.spr.backup", "y.spr.QxTrbA"};
        for (const QString &name : names) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QVERIFY(QFile::link(dir.filePath("y.spr.QxTrbA"), dir.filePath("x.spr.LinkEd")));
        removeStaleTemporaries(dir.filePath("x.spr"));
        QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::System);
        left.sort();
        QCOMPARE(left, QStringList({"x.spr", "x.spr.LinkEd", "x.spr.backup", "y.spr.QxTrbA"}));
    }

    void boundedReadTakesOneByteOverTheLimit_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("read");
        QTest::newRow("empty") << 0 << 10 << 0;
        QTest::newRow("under") << 9 << 10 << 9;
        QTest::newRow("at the limit") << 10 << 10 << 10;
        QTest::newRow("one over") << 11 << 10 << 11;
        QTest::newRow("far over, in chunks") << 200 * 1024 << 150 * 1024 << 150 * 1024 + 1;
        QTest::newRow("limit 0") << 5 << 0 << 1;
    }
    void boundedReadTakesOneByteOverTheLimit()
    {
        QFETCH(int, size);
        QFETCH(int, limit);
        QFETCH(int, read);
        QByteArray bytes(size, 'x');
        QBuffer buffer(&bytes);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        QCOMPARE(readAtMost(buffer, limit).size(), read);
    }

    // A budget inside another never grants more than the outer one has left.
    void budgetsNestAndRefuse()
    {
        QVERIFY(PixelLimit::grant(100, 100)); // no budget: only the size limits
        QVERIFY(!PixelLimit::grant(PixelLimit::kMaxSide + 1, 1));
        QVERIFY(PixelLimit::grantArea(PixelLimit::kMaxSide + 1, 1));
        QVERIFY(!PixelLimit::grantArea(PixelLimit::kMaxArea + 1, 1));
        PixelLimit::LoadBudget outer(100);
        QVERIFY(PixelLimit::grant(6, 10));
        {
            PixelLimit::LoadBudget inner(1000);
            QVERIFY(PixelLimit::grant(5, 8));
            QVERIFY(!PixelLimit::grantArea(1, 1));
            QCOMPARE(inner.refused(), 1);
        }
        QVERIFY(!PixelLimit::grant(5, 10));
        QCOMPARE(outer.refused(), 1);
    }
};

QTEST_GUILESS_MAIN(TestBase)
#include "tst_base.moc"
