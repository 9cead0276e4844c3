// SPDX-License-Identifier: GPL-3.0-or-later
#include "externdatamanage.h"
#include "graphicstextitem.h"
#include "graphicstimeitem.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

QList<QStringList> columnValues(const ExternDataManage &m)
{
    QList<QStringList> all;
    for (int i = 0; i < m.columnCount(); ++i)
        all << m.columnAt(i).values;
    return all;
}

} // namespace

class TestExternDataManage : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;

    QString writeData(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(name);
        QFile f(path);
        if (f.open(QIODevice::WriteOnly))
            f.write(bytes);
        return path;
    }

    static void addColumns(ExternDataManage &m, int count)
    {
        for (int i = 0; i < count; ++i)
            m.addColumn(QString("Text%1").arg(i));
    }

private slots:
    void loadsDataFiles_data()
    {
        QTest::addColumn<int>("columns");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<int>("result");
        QTest::addColumn<QList<QStringList>>("values");
        QTest::addColumn<int>("lineCount");
        const QByteArray longField(300, 'x');
        QTest::newRow("five lines, one short")
            << 2 << QByteArray("a,b\nc,d\ne\nf,g\nh,i\n") << 1
            << QList<QStringList>{{"a", "c", "f", "h"}, {"b", "d", "g", "i"}} << 5;
        QTest::newRow("first line has too many fields")
            << 2 << QByteArray("1,2,3\n4,5\n") << 2 << QList<QStringList>{{}, {}} << 200;
        QTest::newRow("first line has too few fields")
            << 2 << QByteArray("1\n4,5\n") << 2 << QList<QStringList>{{}, {}} << 200;
        QTest::newRow("spaces around commas stay in the fields")
            << 2 << QByteArray("a, b\n  c  ,\t\t d  \n") << 1
            << QList<QStringList>{{"a", "c "}, {" b", " d"}} << 2;
        QTest::newRow("empty line, one item")
            << 1 << QByteArray("x\n\ny\n") << 1 << QList<QStringList>{{"x", "", "y"}} << 3;
        QTest::newRow("empty line, two items") << 2 << QByteArray("a,b\n\nc,d\n") << 1
                                               << QList<QStringList>{{"a", "c"}, {"b", "d"}} << 3;
        QTest::newRow("empty fields are kept")
            << 3 << QByteArray(",,z\n") << 1 << QList<QStringList>{{""}, {""}, {"z"}} << 1;
        QTest::newRow("long line stays one record")
            << 2 << "a,b\n" + longField + ",z\nc,d\n"
            << 1 << QList<QStringList>{{"a", longField, "c"}, {"b", "z", "d"}} << 3;
        QTest::newRow("long first line is checked whole")
            << 2 << longField + "," + longField + "\n"
            << 1 << QList<QStringList>{{longField}, {longField}} << 1;
        QTest::newRow("extra fields after the first line are ignored")
            << 2 << QByteArray("a,b\nc,d,e\n") << 1 << QList<QStringList>{{"a", "c"}, {"b", "d"}}
            << 2;
        QTest::newRow("CR LF line ends, no final line end")
            << 2 << QByteArray("a,b\r\nc,d") << 1 << QList<QStringList>{{"a", "c"}, {"b", "d"}}
            << 2;
        QTest::newRow("UTF-8 fields")
            << 2 << QByteArray("批号,日期\n") << 1 << QList<QStringList>{{"批号"}, {"日期"}} << 1;
        QTest::newRow("a NUL byte ends the line")
            << 2 << QByteArray("a,b\0junk,more\nc,d\n", 18) << 1
            << QList<QStringList>{{"a", "c"}, {"b", "d"}} << 2;
        QTest::newRow("empty file, one item")
            << 1 << QByteArray() << 1 << QList<QStringList>{{}} << 0;
        QTest::newRow("no items never match")
            << 0 << QByteArray("a\n") << 2 << QList<QStringList>{} << 200;
    }
    void loadsDataFiles()
    {
        QFETCH(int, columns);
        QFETCH(QByteArray, data);
        QFETCH(int, result);
        QFETCH(QList<QStringList>, values);
        QFETCH(int, lineCount);
        const QString path = writeData(QString("%1.csv").arg(QTest::currentDataTag()), data);
        ExternDataManage m;
        addColumns(m, columns);
        QCOMPARE(m.loadDataFile(path), result);
        QCOMPARE(columnValues(m), values);
        QCOMPARE(m.lineCount(), lineCount);
        QCOMPARE(m.dataFileName(), result == ExternDataManage::Loaded ? path : QString());
    }

    void failedLoadsKeepOrEmptyTheValues()
    {
        ExternDataManage m;
        addColumns(m, 2);
        QCOMPARE(m.loadDataFile(writeData("good.csv", "a,b\nc,d\n")), 1);

        // A missing file changes nothing.
        QCOMPARE(m.loadDataFile(m_dir.filePath("missing.csv")),
                 int(ExternDataManage::FileNotFound));
        QCOMPARE(columnValues(m), (QList<QStringList>{{"a", "c"}, {"b", "d"}}));
        QCOMPARE(m.lineCount(), 2);

        // A file that exists but cannot be read: the old values are gone.
        QCOMPARE(m.loadDataFile(m_dir.path()), int(ExternDataManage::CannotOpen));
        QCOMPARE(columnValues(m), (QList<QStringList>{{}, {}}));

        QCOMPARE(m.loadDataFile(writeData("good.csv", "a,b\n")), 1);
        QCOMPARE(m.loadDataFile(writeData("wide.csv", "a,b,c\n")),
                 int(ExternDataManage::ColumnMismatch));
        QCOMPARE(columnValues(m), (QList<QStringList>{{}, {}}));
        QCOMPARE(m.externItemIds(), QStringList({"Text0", "Text1"}));
    }

    void itemsBecomeColumnsInOrder()
    {
        GraphicsTextItem a, b;
        a.setData(ItemData::kId, "Text0");
        b.setData(ItemData::kId, "Text1");
        ExternDataManage m;
        m.addExternItem(&b);
        m.addExternItem(&a);
        QCOMPARE(m.externItemIds(), QStringList({"Text1", "Text0"}));
        QVERIFY(a.data(ItemData::kIsExtern).toBool());
        QVERIFY(!m.contains("text0"));

        // The column goes with its ID; the other column keeps its place.
        m.removeExternItem(&b);
        QVERIFY(!b.data(ItemData::kIsExtern).toBool());
        QCOMPARE(m.columnCount(), 1);
        QCOMPARE(m.columnAt(0).id, QString("Text0"));

        // Only text and barcode items own a column; any other kind is only
        // flagged off.
        GraphicsTimeItem time;
        time.setData(ItemData::kId, "Text0");
        time.setData(ItemData::kIsExtern, true);
        m.removeExternItem(&time);
        QVERIFY(!time.data(ItemData::kIsExtern).toBool());
        QCOMPARE(m.externItemIds(), QStringList{"Text0"});
    }
};

QTEST_MAIN(TestExternDataManage)
#include "tst_externdatamanage.moc"
