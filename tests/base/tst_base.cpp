// SPDX-License-Identifier: GPL-3.0-or-later
// The rules both programs share, on their own: which names may be joined to
// a folder, which files a save may take for its stale temporaries, how much
// a bounded read takes, how a load's pixel budget is spent, and the journal:
// its chain, its check, and what it makes of a stop while writing.
#include "../common/filesizelimit.h"
#include "boundedread.h"
#include "journal.h"
#include "journalcheck.h"
#include "journalline.h"
#include "manualpage.h"
#include "pixellimit.h"
#include "safefilename.h"
#include "savetemporaries.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QList<QByteArray> linesOf(const QString &path)
{
    QList<QByteArray> lines = readAll(path).split('\n');
    lines.removeLast();
    return lines;
}

void writeLines(const QString &path, const QList<QByteArray> &lines)
{
    QByteArray bytes;
    for (const QByteArray &line : lines)
        bytes += line + '\n';
    writeAll(path, bytes);
}

// A journal on a clock the test moves: one hour east of UTC.
struct TestJournal
{
    QDateTime now{QDate(2026, 10, 30), QTime(12, 0), Qt::OffsetFromUTC, 3600};
    Journal journal;

    explicit TestJournal(const QString &folder) : journal(folder)
    {
        journal.setClock([this] { return now; });
        journal.setPc("PC-1");
    }
    JournalWrite add(const QString &action = "start")
    {
        now = now.addSecs(60);
        return journal.append("anna", action,
                              {{"coders", QJsonArray{QJsonObject{{"ip", "192.168.1.20"}}}}});
    }
};

// Three lines in each of October, November and December 2026.
void writeThreeMonths(const QString &folder)
{
    TestJournal j(folder);
    for (const QDate month : {QDate(2026, 10, 1), QDate(2026, 11, 1), QDate(2026, 12, 1)}) {
        j.now = QDateTime(month, QTime(10, 0), Qt::OffsetFromUTC, 3600);
        for (int i = 0; i < 3; ++i)
            QVERIFY(j.add().ok);
    }
}

} // namespace

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
        QTest::newRow("C1, first") << QString("a") + QChar(0x80) + "b.spr" << false;
        QTest::newRow("C1 next line") << QString("lab") + QChar(0x85) + "el.spr" << false;
        QTest::newRow("C1 escape sequence") << QString("label") + QChar(0x9b) + "2J.spr" << false;
        QTest::newRow("C1, last") << QString("a") + QChar(0x9f) + "b.spr" << false;
        QTest::newRow("just past C1") << QString("a") + QChar(0xa0) + "b.spr" << true;
        QTest::newRow("line separator") << QString("a") + QChar(0x2028) + "b.spr" << false;
        QTest::newRow("paragraph separator") << QString("a") + QChar(0x2029) + "b.spr" << false;
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
        // A name a stored file holds passes as it did before C1 and the
        // separators were refused.
        const bool before =
            std::none_of(name.cbegin(), name.cend(),
                         [](QChar c) { return c.unicode() >= 0x80 && c.unicode() <= 0x9f; }) &&
            !name.contains(QChar(0x2028)) && !name.contains(QChar(0x2029));
        QCOMPARE(isSafeStoredFileName(name), safe || !before);
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

    // Lines, their chain across months and the head; a second program
    // writing between the lines of the first joins the same chain.
    void journalChainsLinesAcrossMonths()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath("journal");
        writeThreeMonths(folder);
        QCOMPARE(QDir(folder).entryList(QDir::Files),
                 QStringList({"2026-10.jsonl", "2026-11.jsonl", "2026-12.jsonl", "HEAD", "LOCK"}));
        const QList<QByteArray> november = linesOf(folder + "/2026-11.jsonl");
        QCOMPARE(november.size(), 3);
        const QList<QByteArray> october = linesOf(folder + "/2026-10.jsonl");
        const JournalLine first = *JournalLine::parse(november.first());
        QCOMPARE(first.number, 4);
        QCOMPARE(first.prev, Journal::sha256Hex(october.last()));
        QCOMPARE(first.prevFile, QString("2026-10.jsonl"));
        QCOMPARE(first.object.value("time").toString(), QString("2026-11-01T09:01:00.000Z"));
        QCOMPARE(first.object.value("offset").toString(), QString("+01:00"));
        QCOMPARE(first.object.value("user").toString(), QString("anna"));
        QCOMPARE(first.object.value("pc").toString(), QString("PC-1"));
        QCOMPARE(first.object.value("coders").toArray().first().toObject().value("ip").toString(),
                 QString("192.168.1.20"));
        QVERIFY(JournalLine::parse(november.at(1))->prevFile.isEmpty());
        QCOMPARE(JournalLine::parse(october.first())->prev, QByteArray());
        const JournalHead head = JournalHead::read(folder + "/HEAD");
        QCOMPARE(head.count, 9);
        QCOMPARE(head.file, QString("2026-12.jsonl"));
        QCOMPARE(head.id, first.id);
        QCOMPARE(head.last, Journal::sha256Hex(linesOf(folder + "/2026-12.jsonl").last()));

        TestJournal a(folder), b(folder);
        a.now = b.now = QDateTime(QDate(2026, 12, 5), QTime(8, 0), Qt::OffsetFromUTC, -5 * 3600);
        QVERIFY(a.add().ok);
        QVERIFY(b.add().ok);
        // A clock set back writes on in the month it is in.
        a.now = QDateTime(QDate(2026, 11, 20), QTime(8, 0), Qt::UTC);
        const JournalWrite third = a.add();
        QVERIFY(third.ok);
        QCOMPARE(third.number, 12);
        QCOMPARE(a.journal.id(), first.id);
        QVERIFY(third.line.contains("\"offset\":\"+00:00\""));
        a.journal.waitForDisk();
        b.journal.waitForDisk();
        QCOMPARE(linesOf(folder + "/2026-12.jsonl").size(), 6);
        QVERIFY(linesOf(folder + "/2026-12.jsonl").at(4).contains("\"offset\":\"-05:00\""));
        const JournalCheck check = checkJournal(folder);
        QVERIFY2(check.ok, qPrintable(check.text()));
        QCOMPARE(check.lines, 12);
        QVERIFY(check.warnings.isEmpty());
    }

    // Each way of breaking the chain is found and the first broken line named.
    void journalCheckNamesTheFirstBrokenLine_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("problem");
        QTest::newRow("whole") << "none" << true << "" << 0 << "";
        QTest::newRow("a changed byte")
            << "change" << false << "2026-11.jsonl" << 3 << "does not follow line 5";
        QTest::newRow("the last line changed")
            << "change last" << false << "2026-12.jsonl" << 3 << "was changed";
        QTest::newRow("a removed line")
            << "remove" << false << "2026-11.jsonl" << 2 << "line 6 where line 5 belongs";
        QTest::newRow("two lines swapped")
            << "swap" << false << "2026-11.jsonl" << 2 << "line 6 where line 5 belongs";
        QTest::newRow("lines cut from the end")
            << "cut end" << false << "2026-12.jsonl" << 2 << "cut from the end";
        QTest::newRow("a month deleted") << "delete november" << false << "2026-12.jsonl" << 1
                                         << "follows 2026-11.jsonl, which is missing";
        QTest::newRow("the first month deleted") << "delete october" << false << "2026-11.jsonl"
                                                 << 1 << "follows 2026-10.jsonl, which is missing";
        QTest::newRow("the last month deleted")
            << "delete december" << false << "2026-12.jsonl" << 0 << "Missing";
        QTest::newRow("a line from another journal")
            << "foreign" << false << "2026-11.jsonl" << 2 << "another journal";
        QTest::newRow("not a journal line")
            << "garbage" << false << "2026-11.jsonl" << 2 << "Not a journal line";
        QTest::newRow("the head deleted") << "no head" << false << "HEAD" << 0 << "missing";
        QTest::newRow("a line cut off at the end passes")
            << "fragment" << true << "" << 0 << "cut off";
        QTest::newRow("a head one line behind passes")
            << "head behind" << true << "" << 0 << "one line behind";
        QTest::newRow("whole lines at the end that are no journal lines")
            << "junk end" << false << "2026-12.jsonl" << 4 << "a stop leaves at most one line";
    }
    void journalCheckNamesTheFirstBrokenLine()
    {
        QFETCH(QString, damage);
        QTemporaryDir dir;
        const QString folder = dir.filePath("journal");
        writeThreeMonths(folder);
        const QString nov = folder + "/2026-11.jsonl", dec = folder + "/2026-12.jsonl";
        QList<QByteArray> lines = linesOf(nov);
        if (damage == "change") {
            lines[1].replace("anna", "anne");
            writeLines(nov, lines);
        } else if (damage == "change last") {
            QList<QByteArray> last = linesOf(dec);
            last[2].replace("anna", "anne");
            writeLines(dec, last);
        } else if (damage == "remove") {
            lines.removeAt(1);
            writeLines(nov, lines);
        } else if (damage == "swap") {
            lines.swapItemsAt(1, 2);
            writeLines(nov, lines);
        } else if (damage == "cut end") {
            writeLines(dec, linesOf(dec).mid(0, 1));
        } else if (damage.startsWith("delete ")) {
            const QString month = damage.mid(7);
            const QString name = month == "october"    ? "2026-10.jsonl"
                                 : month == "november" ? "2026-11.jsonl"
                                                       : "2026-12.jsonl";
            QVERIFY(QFile::remove(folder + "/" + name));
        } else if (damage == "foreign") {
            // The same action, by the same user at the same time, in another journal.
            QTemporaryDir other;
            writeThreeMonths(other.filePath("journal"));
            lines[1] = linesOf(other.filePath("journal/2026-11.jsonl")).at(1);
            writeLines(nov, lines);
        } else if (damage == "garbage") {
            lines[1] = "{\"number\":5}";
            writeLines(nov, lines);
        } else if (damage == "no head") {
            QVERIFY(QFile::remove(folder + "/HEAD"));
        } else if (damage == "fragment") {
            QFile file(dec);
            QVERIFY(file.open(QIODevice::Append));
            file.write("{\"number\":10,\"jour");
        } else if (damage == "junk end") {
            writeLines(dec, linesOf(dec) + QList<QByteArray>{"x", "{\"number\":10}", "y"});
        } else if (damage == "head behind") {
            const QList<QByteArray> last = linesOf(dec);
            writeAll(folder + "/HEAD",
                     QJsonDocument(QJsonObject{{"journal", JournalLine::parse(last.at(0))->id},
                                               {"count", 8},
                                               {"last", QString(Journal::sha256Hex(last.at(1)))},
                                               {"file", "2026-12.jsonl"}})
                         .toJson());
        }
        const JournalCheck check = checkJournal(folder);
        QFETCH(bool, ok);
        QFETCH(QString, file);
        QFETCH(int, line);
        QFETCH(QString, problem);
        QVERIFY2(check.ok == ok, qPrintable(check.text()));
        QCOMPARE(check.file, file);
        QCOMPARE(check.line, line);
        if (ok)
            QVERIFY2(problem.isEmpty() ? check.warnings.isEmpty()
                                       : check.warnings.join(' ').contains(problem),
                     qPrintable(check.warnings.join(' ')));
        else
            QVERIFY2(check.problem.contains(problem), qPrintable(check.problem));
    }

    // A line cut off by a stop is reported at the next start, once, and the
    // chain goes on from the last whole line; lines missing at the end stay
    // missing for the check to find; a missing head is written anew.
    void journalTakesUpWhatAStopLeft()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath("journal");
        writeThreeMonths(folder);
        const QString dec = folder + "/2026-12.jsonl";
        {
            QFile file(dec);
            QVERIFY(file.open(QIODevice::Append));
            file.write("{\"number\":10,\"jour");
        }
        TestJournal j(folder);
        j.now = QDateTime(QDate(2026, 12, 10), QTime(8, 0), Qt::UTC);
        QVERIFY(j.journal.open());
        const QStringList notes = j.journal.takeNotes();
        QCOMPARE(notes.size(), 1);
        QVERIFY2(notes.first().contains("cut off after line 9"), qPrintable(notes.first()));
        QVERIFY(j.journal.takeNotes().isEmpty());
        QCOMPARE(j.journal.count(), 10); // the line recording the cut one
        QVERIFY(j.add().ok);
        const QList<QByteArray> lines = linesOf(dec);
        QCOMPARE(lines.size(), 6);
        QCOMPARE(lines.at(3), QByteArray("{\"number\":10,\"jour"));
        QCOMPARE(JournalLine::parse(lines.at(4))->action, QString("journal recovered"));
        j.journal.waitForDisk();
        JournalCheck check = checkJournal(folder);
        QVERIFY2(check.ok && check.warnings.isEmpty(), qPrintable(check.text()));
        TestJournal again(folder);
        QVERIFY(again.journal.open());
        QVERIFY(again.journal.takeNotes().isEmpty());

        // A recorded cut line changed afterwards is found.
        QList<QByteArray> changed = lines;
        changed[3] = "{\"number\":10,\"joux";
        writeLines(dec, changed);
        check = checkJournal(folder);
        QCOMPARE(check.line, 4);
        QVERIFY(check.problem.contains("Not a journal line"));
        writeLines(dec, lines);

        // Two lines cut from the end: the next lines leave the gap in sight.
        writeLines(dec, lines.mid(0, 4));
        TestJournal after(folder);
        QVERIFY(after.journal.open());
        QVERIFY(after.journal.takeNotes().join(' ').contains("lines are missing"));
        QCOMPARE(after.journal.count(), 12);
        QVERIFY(!checkJournal(folder).ok);

        // A head deleted: written anew, and said so in the journal.
        QTemporaryDir second;
        writeThreeMonths(second.filePath("journal"));
        QVERIFY(QFile::remove(second.filePath("journal/HEAD")));
        TestJournal headless(second.filePath("journal"));
        QVERIFY(headless.journal.open());
        QVERIFY(headless.journal.takeNotes().join(' ').contains("head"));
        check = checkJournal(second.filePath("journal"));
        QVERIFY2(check.ok, qPrintable(check.text()));
        QCOMPARE(check.lines, 10);
    }

    // What no stop leaves is recorded at the next start, said once, and
    // named by the check after any number of starts; the lines written
    // since are checked as well.
    void journalRestartsKeepTheEvidence_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("note");
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("problem");
        QTest::newRow("the last line changed")
            << "change last"
            << "line 9 is not the line its head names"
            << "2026-12.jsonl" << 3 << "Journal line 9 is not the line the head named";
        QTest::newRow("the line a head one behind names changed, the last chained onto it")
            << "change before last"
            << "line 8 is not the line its head names"
            << "2026-12.jsonl" << 4 << "Journal line 8 is not the line the head named";
        QTest::newRow("lines past the head")
            << "past head"
            << "lines 10 to 12, which its head never named"
            << "2026-12.jsonl" << 7 << "Journal lines 10 to 12 were never named by the head";
        QTest::newRow("whole lines at the end that are no journal lines")
            << "junk end"
            << "3 line(s) after line 9 that are no journal lines"
            << "2026-12.jsonl" << 4 << "not what a stop leaves";
    }
    void journalRestartsKeepTheEvidence()
    {
        QFETCH(QString, damage);
        QTemporaryDir dir;
        const QString folder = dir.filePath("journal");
        writeThreeMonths(folder);
        const QString dec = folder + "/2026-12.jsonl";
        if (damage == "change last") {
            QList<QByteArray> last = linesOf(dec);
            last[2].replace("anna", "anne");
            writeLines(dec, last);
        } else if (damage == "change before last") {
            // The head names line 8; line 8 changed and line 9 chained anew onto it.
            QList<QByteArray> last = linesOf(dec);
            const QByteArray named = Journal::sha256Hex(last[1]);
            last[1].replace("anna", "anne");
            QJsonObject nine = JournalLine::parse(last[2])->object;
            nine.insert("prev", QString(Journal::sha256Hex(last[1])));
            last[2] = QJsonDocument(nine).toJson(QJsonDocument::Compact);
            writeLines(dec, last);
            QJsonObject head = QJsonDocument::fromJson(readAll(folder + "/HEAD")).object();
            head.insert("count", 8);
            head.insert("last", QString(named));
            writeAll(folder + "/HEAD", QJsonDocument(head).toJson());
        } else if (damage == "past head") {
            // Three lines that chain well, and the head as it was before them.
            const QByteArray head = readAll(folder + "/HEAD");
            TestJournal more(folder);
            more.now = QDateTime(QDate(2026, 12, 5), QTime(8, 0), Qt::UTC);
            for (int i = 0; i < 3; ++i)
                QVERIFY(more.add().ok);
            more.journal.waitForDisk();
            writeAll(folder + "/HEAD", head);
        } else {
            writeLines(dec, linesOf(dec) + QList<QByteArray>{"x", "{\"number\":10}", "y"});
        }
        QVERIFY(!checkJournal(folder).ok);
        QFETCH(QString, note);
        for (int start = 0; start < 3; ++start) {
            TestJournal j(folder);
            j.now = QDateTime(QDate(2026, 12, 20), QTime(8, start), Qt::UTC);
            QVERIFY(j.journal.open());
            const QString notes = j.journal.takeNotes().join(' ');
            QVERIFY2(start == 0 ? notes.contains(note) : notes.isEmpty(), qPrintable(notes));
            QVERIFY(j.add().ok);
            j.journal.waitForDisk();
        }
        JournalCheck check = checkJournal(folder);
        QFETCH(QString, file);
        QFETCH(int, line);
        QFETCH(QString, problem);
        QVERIFY2(!check.ok && check.problem.contains(problem), qPrintable(check.text()));
        QCOMPARE(check.file, file);
        QCOMPARE(check.line, line);
        QVERIFY(!check.problem.contains("Further on"));

        // A line changed after the recorded one is found too.
        QList<QByteArray> lines = linesOf(dec);
        lines.last().replace("anna", "anne");
        writeLines(dec, lines);
        check = checkJournal(folder);
        QVERIFY2(check.problem.contains(problem) && check.problem.contains("Further on"),
                 qPrintable(check.text()));
    }

    // A head the disk refuses: no line is written until it is, so that the
    // journal never holds more than a stop leaves; then it catches up.
    void journalFailsWhileItsHeadCannotBeWritten()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath("journal");
        TestJournal j(folder);
        QSignalSpy problems(&j.journal, &Journal::problem);
        QSignalSpy notes(&j.journal, &Journal::note);
        QVERIFY(j.add().ok);
        j.journal.waitForDisk();
        const QByteArray head = readAll(folder + "/HEAD");
        // A folder where the head was cannot be replaced, as on a full disk.
        QVERIFY(QFile::remove(folder + "/HEAD"));
        QVERIFY(QDir().mkpath(folder + "/HEAD/x"));
        QVERIFY(j.add().ok);
        QTRY_COMPARE(problems.size(), 1);
        QVERIFY2(problems.first().first().toString().contains("The journal is failing"),
                 qPrintable(problems.first().first().toString()));
        for (int i = 0; i < 3; ++i) {
            const JournalWrite refused = j.add();
            QVERIFY(!refused.ok);
            QVERIFY2(refused.error.contains("No line is written until it can"),
                     qPrintable(refused.error));
        }
        QCOMPARE(linesOf(folder + "/2026-10.jsonl").size(), 2);

        // Space again: the head one line behind, as a stop leaves it.
        QVERIFY(QDir(folder + "/HEAD").removeRecursively());
        writeAll(folder + "/HEAD", head);
        QVERIFY(checkJournal(folder).ok);
        QVERIFY(j.add().ok);
        QCOMPARE(notes.size(), 1);
        QVERIFY(notes.first().first().toString().contains("written again"));
        j.journal.waitForDisk();
        const JournalCheck check = checkJournal(folder);
        QVERIFY2(check.ok && check.warnings.isEmpty(), qPrintable(check.text()));
        QCOMPARE(check.lines, 3);
    }

    // No file of the journal that is a link is written through, and a lock
    // file that cannot be opened is not taken for another program's lock.
    void journalWritesThroughNoLinkAndSaysWhy_data()
    {
        QTest::addColumn<QString>("place");
        QTest::addColumn<QString>("error");
        QTest::newRow("a month file that is a link")
            << "2026-10.jsonl"
            << "Cannot write the journal file %1/2026-10.jsonl: it is a link, which is not "
               "followed";
        QTest::newRow("a head that is a link")
            << "HEAD"
            << "its head %1/HEAD cannot be written (it is a link, which is not followed)";
        QTest::newRow("a lock that is a link")
            << "LOCK"
            << "Cannot open the journal's lock file %1/LOCK: it is a link";
        QTest::newRow("a lock file that cannot be opened")
            << "LOCK folder"
            << "Cannot open the journal's lock file %1/LOCK: ";
    }
    void journalWritesThroughNoLinkAndSaysWhy()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath("journal");
        {
            TestJournal first(folder);
            QVERIFY(first.add().ok);
        }
        QFETCH(QString, place);
        const QString at = folder + "/" + place.section(' ', 0, 0);
        const QString target = dir.filePath("target");
        if (place.endsWith(" folder")) {
            QVERIFY(QFile::remove(at) && QDir().mkpath(at + "/x"));
        } else {
            QVERIFY(QFile::rename(at, target));
            QVERIFY(QFile::link(target, at));
        }
        const QByteArray before = readAll(target);
        TestJournal j(folder);
        QString opening;
        j.journal.open(&opening);
        const JournalWrite line = j.add();
        j.journal.waitForDisk();
        const JournalWrite next = j.add();
        QVERIFY(!next.ok);
        const QString said = opening + line.error + next.error;
        QFETCH(QString, error);
        QVERIFY2(said.contains(error.arg(folder)), qPrintable(said));
        QVERIFY(!said.contains("another program"));
        QCOMPARE(readAll(target), before);
        QVERIFY(QFileInfo(at).isSymLink() || QFileInfo(at).isDir());
    }

    // A line that cannot be written whole is no line, and says why.
    void journalWriteFailsAsAValue()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath("journal");
        TestJournal j(folder);
        QVERIFY(j.add().ok);
        const QByteArray before = readAll(folder + "/2026-10.jsonl");
        {
            const FileSizeLimit disk(before.size() + 10);
            const JournalWrite failed = j.add();
            QVERIFY(!failed.ok);
            QVERIFY2(failed.error.contains(FileSizeLimit::reason()), qPrintable(failed.error));
        }
        QCOMPARE(readAll(folder + "/2026-10.jsonl"), before);
        QVERIFY(j.add().ok);
        QCOMPARE(j.journal.count(), 2);
        QVERIFY(checkJournal(folder).ok);

        writeAll(dir.filePath("file"), "not a folder");
        TestJournal blocked(dir.filePath("file"));
        const JournalWrite refused = blocked.add();
        QVERIFY(!refused.ok);
        QVERIFY(refused.error.contains("Cannot create the journal folder"));
    }

    // The manual in the interface language where that page exists, else in
    // English; the build tree's before the installed one.
    void manualOpensInTheLanguageItHas_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("page"); // relative to the nearest folder; empty: none
        QTest::newRow("translated") << "ru_RU"
                                    << "ru/index.html";
        QTest::newRow("the editor's own name") << "arabic"
                                               << "arabic/index.html";
        QTest::newRow("locale named otherwise") << "ar_EG"
                                                << "arabic/index.html";
        QTest::newRow("not translated") << "tr_TR"
                                        << "en/index.html";
        QTest::newRow("no language") << ""
                                     << "en/index.html";
        QTest::newRow("a path is no language") << "../../etc"
                                               << "en/index.html";
    }
    void manualOpensInTheLanguageItHas()
    {
        QFETCH(QString, language);
        QFETCH(QString, page);
        QTemporaryDir dir;
        const QString build = dir.filePath("build/apps/KorvexControl");
        const QString installed = dir.filePath("usr/bin");
        const QStringList folders = ManualPage::folders(build, "korvex-control");
        QCOMPARE(folders.at(0), dir.filePath("build/manual"));
        QCOMPARE(folders.at(1), dir.filePath("build/apps/share/doc/korvex-control/manual"));
        QCOMPARE(ManualPage::folders(installed, "korvex-control").at(1),
                 dir.filePath("usr/share/doc/korvex-control/manual"));
        const QString manual = dir.filePath("build/manual");
        for (const char *name : {"en", "ru", "arabic"}) {
            QVERIFY(QDir().mkpath(manual + "/" + name));
            writeAll(manual + "/" + name + "/index.html", "<html></html>");
        }
        QCOMPARE(ManualPage::indexFor(language, folders), manual + "/" + page);
        // Nothing where the build has no manual and none is installed.
        QCOMPARE(ManualPage::indexFor(language, {dir.filePath("nowhere")}), QString());
    }
};

QTEST_GUILESS_MAIN(TestBase)
#include "tst_base.moc"
