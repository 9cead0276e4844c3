// SPDX-License-Identifier: GPL-3.0-or-later
#include "journalcheck.h"

#include "journal.h"
#include "journalactions.h"
#include "journalline.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("JournalCheck", text);
}

struct CutLine
{
    QString file;
    int line;
    QByteArray bytes;
    bool terminated; // by a line end
};

bool listsLines(const QJsonArray &listed, const QList<CutLine> &cut, int from)
{
    for (int i = 0; i < listed.size(); ++i) {
        const QJsonObject entry = listed.at(i).toObject();
        const CutLine &line = cut.at(from + i);
        if (entry.value(QLatin1String("sha256")).toString().toLatin1() !=
                Journal::sha256Hex(line.bytes) ||
            entry.value(QLatin1String("bytes")).toInt(-1) != line.bytes.size())
            return false;
    }
    return true;
}

enum class Recorded { No, AsCut, AsNoJournalLines };

// Whether the recovery line lists exactly the lines before it that are no
// journal lines: those that are no line at all first ("notJournalLines",
// which no stop leaves), then the one a stop cut off ("cut").
Recorded recordsCut(const JournalLine &line, const QList<CutLine> &cut)
{
    if (line.action != JournalAction::kJournalRecovered)
        return Recorded::No;
    const QJsonArray junk = line.object.value(QLatin1String("notJournalLines")).toArray();
    const QJsonArray listed = line.object.value(QLatin1String("cut")).toArray();
    if (junk.size() + listed.size() != cut.size() || !listsLines(junk, cut, 0) ||
        !listsLines(listed, cut, junk.size()))
        return Recorded::No;
    return junk.isEmpty() ? Recorded::AsCut : Recorded::AsNoJournalLines;
}

class Checker
{
public:
    explicit Checker(const QString &folder) : m_folder(folder) {}

    JournalCheck run()
    {
        if (!QFileInfo(m_folder).isDir())
            return fail(QString(), 0, tr("There is no journal folder %1.").arg(m_folder));
        m_head = JournalHead::read(m_folder + QStringLiteral("/HEAD"));
        m_id = m_head.present && !m_head.damaged ? m_head.id : QString();
        QStringList months =
            QDir(m_folder).entryList({QStringLiteral("*.jsonl")}, QDir::Files, QDir::Name);
        for (const QString &name : months) {
            if (!Journal::isMonthFileName(name))
                m_result.warnings
                    << tr("%1 is not a month of the journal; it was not checked.").arg(name);
        }
        months.erase(std::remove_if(months.begin(), months.end(),
                                    [](const QString &n) { return !Journal::isMonthFileName(n); }),
                     months.end());
        for (int i = 0; i < months.size(); ++i) {
            if (!checkFile(months.at(i), i == months.size() - 1))
                return finish();
        }
        // A stop leaves at most one piece of a line, without its line end.
        if (!m_cut.isEmpty() && m_cut.first().terminated) {
            fail(m_cut.first().file, m_cut.first().line,
                 tr("Not a journal line: changed, or added (a stop leaves at most one line cut "
                    "off, without its line end)."));
            return finish();
        }
        if (!m_cut.isEmpty())
            m_result.warnings << tr("%1, line %2: %3 line(s) at the end are cut off (a stop while "
                                    "writing); the program records them at its next start.")
                                     .arg(m_cut.first().file)
                                     .arg(m_cut.first().line)
                                     .arg(m_cut.size());
        checkHead();
        return finish();
    }

private:
    // A break that a start found and recorded stays a break: the check goes
    // on past it, so that what was done later is checked too, and names it
    // first.
    void recordedBreak(const QString &file, int line, const QString &problem)
    {
        if (m_recorded.ok) {
            m_recorded.ok = false;
            m_recorded.file = file;
            m_recorded.line = line;
            m_recorded.problem = problem;
        }
    }
    JournalCheck finish()
    {
        if (m_recorded.ok)
            return m_result;
        JournalCheck result = m_result;
        result.ok = false;
        result.file = m_recorded.file;
        result.line = m_recorded.line;
        result.problem = m_recorded.problem;
        if (!m_result.ok)
            result.problem += QLatin1Char(' ') + tr("Further on: %1").arg(m_result.text());
        return result;
    }
    // What the recovery line records that no stop leaves.
    void noteRecorded(const JournalLine &line, const QString &name, int lineNo)
    {
        if (line.action != JournalAction::kJournalRecovered)
            return;
        for (const QJsonValue &value : line.object.value(QLatin1String("changed")).toArray()) {
            const QJsonObject entry = value.toObject();
            const qint64 number = qint64(entry.value(QLatin1String("number")).toDouble());
            const bool before = number == m_number;
            recordedBreak(before ? m_file : name, before ? m_lineNo : lineNo,
                          tr("Journal line %1 is not the line the head named (SHA-256 %2 named, "
                             "%3 found): it was changed; found at a start and recorded by "
                             "journal line %4.")
                              .arg(number)
                              .arg(entry.value(QLatin1String("sha256Named")).toString().left(12),
                                   entry.value(QLatin1String("sha256Found")).toString().left(12))
                              .arg(line.number));
        }
        const QJsonArray unnamed = line.object.value(QLatin1String("unnamed")).toArray();
        if (!unnamed.isEmpty()) {
            const qint64 last = line.number - 1;
            recordedBreak(
                name, lineNo,
                tr("Journal lines %1 to %2 were never named by the head: written past "
                   "it, not by a stop; found at a start and recorded by journal line "
                   "%3.")
                    .arg(qint64(
                        unnamed.first().toObject().value(QLatin1String("number")).toDouble()))
                    .arg(last)
                    .arg(line.number));
        }
    }

    JournalCheck fail(const QString &file, int line, const QString &problem)
    {
        m_result.ok = false;
        m_result.file = file;
        m_result.line = line;
        m_result.problem = problem;
        return m_result;
    }

    bool checkFile(const QString &name, bool last)
    {
        QFile file(m_folder + QLatin1Char('/') + name);
        if (!file.open(QIODevice::ReadOnly)) {
            fail(name, 0, tr("Cannot read it: %1.").arg(file.errorString()));
            return false;
        }
        bool first = true;
        int lineNo = 0;
        while (!file.atEnd()) {
            QByteArray raw = file.readLine(Journal::kMaxLineBytes + 2);
            ++lineNo;
            if (!raw.endsWith('\n')) {
                if (raw.size() > Journal::kMaxLineBytes) {
                    fail(name, lineNo,
                         tr("Longer than any journal line (%1 MiB).")
                             .arg(Journal::kMaxLineBytes / (1024 * 1024)));
                    return false;
                }
                if (!last) {
                    fail(name, lineNo, tr("Cut off, in a month that is not the last."));
                    return false;
                }
                m_cut.append({name, lineNo, raw, false});
                break;
            }
            raw.chop(1);
            const std::optional<JournalLine> line = JournalLine::parse(raw);
            if (!line) {
                m_cut.append({name, lineNo, raw, true});
                continue;
            }
            if (!checkLine(*line, name, lineNo, first))
                return false;
            noteRecorded(*line, name, lineNo);
            first = false;
            m_beforeLast = m_lastHash;
            m_lastHash = Journal::sha256Hex(raw);
            m_number = line->number;
            m_file = name;
            m_lineNo = lineNo;
            m_result.lines += 1;
        }
        if (file.error() != QFileDevice::NoError) {
            fail(name, lineNo, tr("Cannot read it: %1.").arg(file.errorString()));
            return false;
        }
        return true;
    }

    bool checkLine(const JournalLine &line, const QString &name, int lineNo, bool firstInFile)
    {
        if (m_id.isEmpty())
            m_id = line.id;
        if (line.id != m_id) {
            fail(name, lineNo,
                 tr("A line of another journal (%1; this journal is %2).").arg(line.id, m_id));
            return false;
        }
        if (!m_cut.isEmpty()) {
            const CutLine &cut = m_cut.first();
            const Recorded recorded = recordsCut(line, m_cut);
            if (recorded == Recorded::No) {
                fail(cut.file, cut.line, tr("Not a journal line: changed, or cut off."));
                return false;
            }
            if (recorded == Recorded::AsNoJournalLines)
                recordedBreak(cut.file, cut.line,
                              tr("Not a journal line, and not what a stop leaves; found at a "
                                 "start and recorded by journal line %1.")
                                  .arg(line.number));
        }
        m_cut.clear();
        // The first line of a month names the file of the line before: a
        // month gone is found by name before its missing numbers are.
        if (firstInFile && line.number > 1 && line.prevFile != m_file) {
            if (!line.prevFile.isEmpty() && line.prevFile != name &&
                !QFile::exists(m_folder + QLatin1Char('/') + line.prevFile)) {
                fail(name, lineNo,
                     tr("Journal line %1 follows %2, which is missing (a month deleted).")
                         .arg(line.number)
                         .arg(line.prevFile));
                return false;
            }
            if (line.prevFile.isEmpty() && !m_file.isEmpty()) {
                fail(name, lineNo,
                     tr("The first line of this month does not name the month before (%1).")
                         .arg(m_file));
                return false;
            }
        }
        if (line.number != m_number + 1) {
            if (m_number == 0)
                fail(name, lineNo,
                     tr("The journal starts at line %1: the lines before it are missing.")
                         .arg(line.number));
            else if (line.number > m_number + 1)
                fail(name, lineNo,
                     tr("Journal line %1 where line %2 belongs: lines removed or moved.")
                         .arg(line.number)
                         .arg(m_number + 1));
            else
                fail(name, lineNo,
                     tr("Journal line %1 where line %2 belongs: lines repeated or moved.")
                         .arg(line.number)
                         .arg(m_number + 1));
            return false;
        }
        if (line.prev != m_lastHash) {
            fail(name, lineNo,
                 tr("Journal line %1 does not follow line %2: one of them was changed.")
                     .arg(line.number)
                     .arg(m_number));
            return false;
        }
        return true;
    }

    void checkHead()
    {
        const QString head = QStringLiteral("HEAD");
        if (!m_head.present) {
            if (m_result.lines > 0)
                fail(head, 0,
                     tr("The head is missing: lines cut from the end could not be found."));
            return;
        }
        if (m_head.damaged) {
            fail(head, 0, tr("The head is damaged."));
            return;
        }
        if (m_head.id != m_id && m_result.lines > 0) {
            fail(head, 0, tr("The head belongs to another journal (%1).").arg(m_head.id));
            return;
        }
        if (m_head.count > m_number) {
            const QString where = m_head.file.isEmpty() ? m_file : m_head.file;
            if (!QFile::exists(m_folder + QLatin1Char('/') + where))
                fail(where, 0,
                     tr("Missing: the head names it as the file of journal line %1.")
                         .arg(m_head.count));
            else
                fail(where, where == m_file ? m_lineNo + 1 : 0,
                     tr("The head names %1 lines, the journal ends at line %2: lines were cut "
                        "from the end.")
                         .arg(m_head.count)
                         .arg(m_number));
            return;
        }
        if (m_head.count == m_number) {
            if (m_head.last != m_lastHash)
                fail(m_file, m_lineNo,
                     tr("Journal line %1 is not the last line the head names: it was changed.")
                         .arg(m_number));
            return;
        }
        if (m_head.count == m_number - 1 && m_head.last == m_beforeLast) {
            m_result.warnings << tr("The head is one line behind (a stop while writing); the "
                                    "program puts it right with its next line.");
            return;
        }
        fail(head, 0,
             tr("The head names %1 lines, the journal holds %2.").arg(m_head.count).arg(m_number));
    }

    QString m_folder;
    JournalHead m_head;
    QString m_id;
    JournalCheck m_result;
    JournalCheck m_recorded; // the first break a start recorded
    QList<CutLine> m_cut;    // not journal lines, since the last that was
    qint64 m_number = 0;     // of the last whole line
    QByteArray m_lastHash;
    QByteArray m_beforeLast;
    QString m_file; // of the last whole line
    int m_lineNo = 0;
};

} // namespace

QString JournalCheck::text() const
{
    if (ok)
        return QCoreApplication::translate("JournalCheck", "%1 lines, the chain is whole.")
            .arg(lines);
    if (line > 0)
        return QCoreApplication::translate("JournalCheck", "%1, line %2: %3")
            .arg(file)
            .arg(line)
            .arg(problem);
    return file.isEmpty() ? problem : file + QStringLiteral(": ") + problem;
}

JournalCheck checkJournal(const QString &folder)
{
    return Checker(folder).run();
}
