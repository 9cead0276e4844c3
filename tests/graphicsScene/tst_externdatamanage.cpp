// SPDX-License-Identifier: GPL-3.0-or-later
#include "../common/watchdog.h"
#include "externdatamanage.h"
#include "graphicstextitem.h"
#include "graphicstimeitem.h"

#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

namespace {

QList<QStringList> columnValues(const ExternDataManage &m)
{
    QList<QStringList> all;
    for (int i = 0; i < m.columnCount(); ++i)
        all << m.columnAt(i).values.toStringList();
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
        QTest::newRow("white space of every kind in ASCII")
            << 2 << QByteArray("\ta\v,\f b  c \r\nd\re,f\n") << 1
            << QList<QStringList>{{"a ", "d e"}, {" b c", "f"}} << 2;
        QTest::newRow("Unicode spaces are white space too")
            << 2 << QByteArray("\xc2\xa0x\xe3\x80\x80y,\xe2\x80\x83z\xc2\xa0\n") << 1
            << QList<QStringList>{{"x y"}, {" z"}} << 1;
        QTest::newRow("invalid UTF-8 reads as the replacement character")
            << 2 << QByteArray("\xff,b\nc,\xe6\n") << 1
            << QList<QStringList>{{QString(QChar::ReplacementCharacter), "c"},
                                  {"b", QString(QChar::ReplacementCharacter)}}
            << 2;
        QTest::newRow("ASCII and UTF-8 lines mixed")
            << 2 << QByteArray("a,b\n\xe6\x89\xb9,c\nd,e") << 1
            << QList<QStringList>{{"a", "批", "d"}, {"b", "c", "e"}} << 3;
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

    // Generated files, and the largest file of one-byte lines, read as the
    // plain reading of the format does: each line decoded, white space
    // simplified, split at commas.
    void valuesAreWhatTheLinesSay_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<int>("columns");
        QByteArray oneByteLines;
        for (int i = 0; i < ExternDataManage::kMaxFileBytes / 2; ++i)
            oneByteLines += char('a' + i % 26) + QByteArray("\n");
        QTest::newRow("16 MiB of one-byte lines") << oneByteLines << 1;
        // Lines of bytes picked from what matters to the reading.
        const QByteArray pieces[] = {"a",        "Z9",       ",",    ",",        " ",
                                     "\t",       "\r",       "\n",   "\n",       "\0",
                                     "\xc3\xa9", "\xc2\xa0", "\xff", "\xe6\x89", "-"};
        quint32 seed = 23;
        for (int columns = 1; columns <= 3; ++columns) {
            QByteArray data = "x" + QByteArray(columns - 1, ',') + "\n";
            for (int i = 0; i < 20000; ++i) {
                seed = seed * 1103515245 + 12345;
                data += pieces[(seed >> 16) % std::size(pieces)];
            }
            QTest::newRow(qPrintable(QString("generated, %1 columns").arg(columns)))
                << data << columns;
        }
    }
    void valuesAreWhatTheLinesSay()
    {
        QFETCH(QByteArray, data);
        QFETCH(int, columns);
        QList<QStringList> expected;
        for (int i = 0; i < columns; ++i)
            expected << QStringList();
        int lines = 0;
        for (int from = 0; from < data.size(); ++lines) {
            int to = data.indexOf('\n', from);
            to = to < 0 ? data.size() : to + 1;
            QByteArray line = data.mid(from, to - from);
            from = to;
            if (line.indexOf('\0') >= 0)
                line.truncate(line.indexOf('\0'));
            while (line.endsWith('\n') || line.endsWith('\r'))
                line.chop(1);
            const QStringList fields = QString::fromUtf8(line).simplified().split(',');
            for (int i = 0; fields.size() >= columns && i < columns; ++i)
                expected[i] << fields.at(i);
        }
        ExternDataManage m;
        addColumns(m, columns);
        QCOMPARE(m.loadDataFile(writeData("generated.csv", data)), 1);
        QCOMPARE(m.lineCount(), lines);
        QCOMPARE(columnValues(m), expected);
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

    // Message files name their data file, and they come from other PCs and
    // from coders: a device, a FIFO or a giant file must be refused at once,
    // before any of it is held.
    void refusesWhatIsNoDataFile_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("result");
        QTest::newRow("endless device") << "/dev/zero" << int(ExternDataManage::NotAFile);
        QTest::newRow("FIFO without a writer") << "fifo" << int(ExternDataManage::NotAFile);
        QTest::newRow("over the size limit") << "big" << int(ExternDataManage::TooLarge);
        QTest::newRow("line over the limit") << "longline" << int(ExternDataManage::LineTooLong);
        QTest::newRow("line at the limit") << "limitline" << int(ExternDataManage::Loaded);
    }
    void refusesWhatIsNoDataFile()
    {
        QFETCH(QString, kind);
        QFETCH(int, result);
        QString path = kind;
        if (kind == "fifo") {
            path = m_dir.filePath("fifo");
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else if (kind == "big") {
            // Sparse: the size is what counts, no disk is used.
            path = writeData("big.csv", "a,b\n");
            QVERIFY(QFile::resize(path, ExternDataManage::kMaxFileBytes + 1));
        } else if (kind == "longline") {
            path = writeData("long.csv",
                             "a,b\n" + QByteArray(ExternDataManage::kMaxLineBytes, 'x') + ",z\n");
        } else if (kind == "limitline") {
            path =
                writeData("limit.csv",
                          "a,b\n" + QByteArray(ExternDataManage::kMaxLineBytes - 2, 'x') + ",z\n");
        }
        ExternDataManage m;
        addColumns(m, 2);
        QCOMPARE(m.loadDataFile(writeData("good.csv", "a,b\n")), 1);
        {
            Watchdog watchdog("loading a hostile data file", std::chrono::seconds(10));
            QCOMPARE(m.loadDataFile(path), result);
        }
        if (result != ExternDataManage::Loaded) {
            QCOMPARE(columnValues(m), (QList<QStringList>{{}, {}}));
            QCOMPARE(m.dataFileName(), m_dir.filePath("good.csv"));
        } else {
            QCOMPARE(m.columnAt(1).values.toStringList(), QStringList({"b", "z"}));
        }
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
