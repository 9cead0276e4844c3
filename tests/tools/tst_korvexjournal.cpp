// SPDX-License-Identifier: GPL-3.0-or-later
// korvex-journal run as a person or a script would: verify names the first
// broken line and says so by its exit code; export writes the lines of the
// dates and coder asked for as CSV that a spreadsheet opens safely.
#include "journal.h"

#include <QJsonArray>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run
{
    int code;
    QString out;
    QString err;
};

Run run(const QStringList &args)
{
    QProcess process;
    process.start(KORVEX_JOURNAL, args);
    if (!process.waitForFinished(30000))
        return {-1, {}, {}};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QJsonObject coders(const QStringList &ips)
{
    QJsonArray list;
    for (const QString &ip : ips)
        list.append(QJsonObject{{"ip", ip}});
    return {{"coders", list}};
}

} // namespace

class TestKorvexJournal : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString folder() const { return dir.filePath("journal"); }

private slots:
    // 30 November 23:30 in UTC is 1 December at 00:30 where the lines were
    // written (+01:00): the date asked for is the local one.
    void initTestCase()
    {
        QDateTime now(QDate(2026, 11, 30), QTime(22, 0), Qt::OffsetFromUTC, 3600);
        Journal journal(folder());
        journal.setClock([&] { return now; });
        journal.setPc("LINE-PC");
        QVERIFY(journal.append("anna", "start", coders({"192.168.1.20"})).ok);
        now = QDateTime(QDate(2026, 12, 1), QTime(0, 30), Qt::OffsetFromUTC, 3600);
        QJsonObject sent = coders({"192.168.1.20", "192.168.1.21"});
        sent.insert("file", "a,b.spr");
        sent.insert("sha256", QString(64, 'a'));
        sent.insert("bytes", 10);
        QVERIFY(journal.append("=HYPERLINK(\"x\")", "message sent", sent).ok);
        now = now.addDays(1);
        QVERIFY(journal.append("anna", "stop", coders({"192.168.1.21"})).ok);
    }

    void verifyNamesTheFirstBrokenLine()
    {
        Run whole = run({"verify", folder()});
        QCOMPARE(whole.code, 0);
        QVERIFY2(whole.out.contains("3 lines, the chain is whole."), qPrintable(whole.out));

        QTemporaryDir copy;
        for (const QString &name : QDir(folder()).entryList(QDir::Files))
            QVERIFY(QFile::copy(folder() + "/" + name, copy.filePath(name)));
        QFile december(copy.filePath("2026-12.jsonl"));
        QVERIFY(december.open(QIODevice::ReadWrite));
        QByteArray bytes = december.readAll().replace("anna", "bert");
        QVERIFY(december.seek(0) && december.write(bytes) == bytes.size());
        december.close();
        Run broken = run({"verify", copy.path()});
        QCOMPARE(broken.code, 1);
        QVERIFY2(broken.out.contains("2026-12.jsonl, line 1: Journal line 3 is not the last line "
                                     "the head names: it was changed."),
                 qPrintable(broken.out));

        QCOMPARE(run({"verify", dir.filePath("nowhere")}).code, 1);
        QCOMPARE(run({"check", folder()}).code, 2);
        QCOMPARE(run({"verify", "--coder", "1.2.3.4", folder()}).code, 2);
    }

    void exportWritesTheLinesAskedFor_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QStringList>("numbers"); // first field of each line, in order
        QTest::newRow("all") << QStringList() << QStringList{"1", "2", "3"};
        QTest::newRow("a local day")
            << QStringList{"--from", "2026-12-01", "--to", "2026-12-01"} << QStringList{"2"};
        QTest::newRow("a coder") << QStringList{"--coder", "192.168.1.20"} << QStringList{"1", "2"};
        QTest::newRow("a coder from a day")
            << QStringList{"--coder", "192.168.1.21", "--from", "2026-12-02"} << QStringList{"3"};
        QTest::newRow("no line") << QStringList{"--coder", "192.168.1.99"} << QStringList();
    }
    void exportWritesTheLinesAskedFor()
    {
        QFETCH(QStringList, options);
        QFETCH(QStringList, numbers);
        const Run exported = run(QStringList{"export"} + options + QStringList{folder()});
        QCOMPARE(exported.code, 0);
        QStringList lines = exported.out.split("\r\n");
        QCOMPARE(lines.takeFirst(),
                 QString("number,time_utc,local_time,user,user_claimed,pc,action,coders,details"));
        QCOMPARE(lines.takeLast(), QString());
        QStringList got;
        for (const QString &line : lines)
            got << line.section(',', 0, 0);
        QCOMPARE(got, numbers);
        if (numbers.contains("2")) {
            const QString sent = lines.at(numbers.indexOf("2"));
            QVERIFY2(sent.contains(",2026-12-01T00:30:00+01:00,\"'=HYPERLINK(\"\"x\"\")\",,LINE-PC,"
                                   "message sent,192.168.1.20; 192.168.1.21,\"a,b.spr, 10 bytes,"),
                     qPrintable(sent));
        }
    }

    // Lines written after the clock was set back stay in the later month's
    // file; a day's export finds them there.
    void exportFindsADaysLinesInAnyMonthFile()
    {
        QTemporaryDir other;
        const QString journalFolder = other.filePath("journal");
        QDateTime now(QDate(2026, 4, 2), QTime(9, 0), Qt::UTC);
        Journal journal(journalFolder);
        journal.setClock([&] { return now; });
        QVERIFY(journal.append("anna", "start", coders({"192.168.1.20"})).ok);
        now = QDateTime(QDate(2026, 3, 10), QTime(9, 0), Qt::UTC);
        for (int i = 0; i < 5; ++i)
            QVERIFY(journal.append("anna", "stop", coders({"192.168.1.20"})).ok);
        now = QDateTime(QDate(2026, 3, 11), QTime(9, 0), Qt::UTC);
        QVERIFY(journal.append("anna", "start", coders({"192.168.1.20"})).ok);
        journal.waitForDisk();
        QCOMPARE(QDir(journalFolder).entryList({"*.jsonl"}), QStringList{"2026-04.jsonl"});
        const Run day =
            run({"export", "--from", "2026-03-10", "--to", "2026-03-10", journalFolder});
        QCOMPARE(day.code, 0);
        QStringList numbers;
        for (const QString &line : day.out.split("\r\n").mid(1, 5))
            numbers << line.section(',', 0, 0);
        QCOMPARE(numbers, QStringList({"2", "3", "4", "5", "6"}));
        QCOMPARE(day.out.count("\r\n"), 6);
    }

    void exportRefusesWhatItCannotRead()
    {
        QCOMPARE(run({"export", "--from", "2026-13-01", folder()}).code, 2);
        QCOMPARE(run({"export", "--from", "2026-12-02", "--to", "2026-12-01", folder()}).code, 2);
        const Run unwritable =
            run({"export", "--output", dir.filePath("no-folder/out.csv"), folder()});
        QCOMPARE(unwritable.code, 1);
        QVERIFY(unwritable.err.contains("cannot write"));
        QCOMPARE(run({"export", "--output", dir.filePath("out.csv"), folder()}).code, 0);
        QVERIFY(QFileInfo(dir.filePath("out.csv")).size() > 100);
    }
};

QTEST_GUILESS_MAIN(TestKorvexJournal)
#include "tst_korvexjournal.moc"
