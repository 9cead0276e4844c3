// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QJsonObject>
#include <QObject>
#include <QStringList>

#include <functional>
#include <memory>

class JournalSyncer;

// What became of one line written to the journal.
struct JournalWrite
{
    // False when the line is not in the journal; error gives the system's
    // reason, in words for the operator.
    bool ok = false;
    QString error;
    qint64 number = 0; // of the line written
    QByteArray line;   // as written, without its line end
};

// The journal of what was done on this PC: one JSON object per line, appended
// to "<folder>/YYYY-MM.jsonl" (the UTC month of the line, never earlier than
// the file of the line before).  Every line carries its number, the journal's
// random identity, the SHA-256 of the line before ("prev", hex; empty on the
// first), the UTC time and the local offset, the user and the PC; the first
// line of a month names the file of the line before ("prevFile").
// "<folder>/HEAD", replaced whole after each line, holds the identity, the
// number of lines, the last line's hash and its file, so that lines cut from
// the end and a deleted month are found (journalcheck.h).
//
// Several programs may write one journal: each line is written under a lock
// file, after taking up what another program appended.  append() returns
// once the line is written (a full disk has refused it by then); a thread
// of the journal's own then syncs it to disk and replaces the head, and the
// next line waits for that, so that a stop leaves the head at most one line
// behind.  A head the disk refuses fails every further line until it can be
// written (problem() says so; note() when it is), so that a full disk never
// leaves more lines than the head names.  No file of the journal that is a
// link is written through.
class Journal : public QObject
{
    Q_OBJECT
public:
    using Clock = std::function<QDateTime()>;

    // Longest line written or read, in bytes.
    static constexpr int kMaxLineBytes = 4 * 1024 * 1024;

    explicit Journal(const QString &folder = QStringLiteral("journal"), QObject *parent = nullptr);
    ~Journal() override;

    QString folder() const { return m_folder; }
    // The local time of the lines (tests); the default is the system's.
    void setClock(Clock clock) { m_clock = std::move(clock); }
    // The PC named in each line; the default is the host name.
    void setPc(const QString &pc) { m_pc = pc; }

    // Takes up the journal in the folder, creating the folder when there is
    // none.  A line cut off by a crash, a missing head or a head ahead of the
    // lines is reported here, once, in notes(), and recorded by a line
    // "journal recovered"; the chain goes on from the last whole line (or
    // from the head when it names more lines than there are, so that the gap
    // stays visible).  What no stop leaves is recorded the same way, for
    // checkJournal() to name at every start to come: a last line other than
    // the one the head names (both SHA-256s), lines past the head (their
    // numbers and SHA-256s), whole lines that are no journal lines.  False
    // with the reason when the folder or its files cannot be used (the lock
    // file cannot be opened, another program holds the lock, the head cannot
    // be put right); append() tries again.
    bool open(QString *error = nullptr);
    bool isOpen() const { return m_open; }
    // What open() found that the operator should know; taken once.
    QStringList takeNotes() { return std::exchange(m_notes, {}); }

    // Appends one line: fields (which must not use the journal's own keys)
    // with the action, the user and the journal's keys.  Nothing is written
    // when the line would exceed kMaxLineBytes.
    JournalWrite append(const QString &user, const QString &action,
                        const QJsonObject &fields = QJsonObject());

    QString id() const { return m_id; }
    qint64 count() const { return m_count; }
    // Returns once the last line is on disk and the head names it.
    void waitForDisk();

    // The name of the person logged in to the system, for lines written
    // while nobody signs in to the program itself.
    static QString systemUserName();
    static QByteArray sha256Hex(const QByteArray &bytes);
    static QString monthFileName(const QDateTime &utc);
    // True for "YYYY-MM.jsonl".
    static bool isMonthFileName(const QString &name);

signals:
    void appended(const QByteArray &line);
    // A line written that could not be put on disk, or a head that could
    // not be written, told from the journal's own thread.
    void problem(const QString &text);
    // The journal works again: a head that could not be written is.
    void note(const QString &text);

private:
    struct State
    {
        QString id;
        qint64 count = 0;
        QByteArray last; // hash of the last line, hex
        QString file;    // where the last line is
    };

    bool loadState(QString *error);
    bool isCurrent() const;
    bool catchUpHead(QString *error, QString *said);
    QByteArray headBytes() const;
    JournalWrite write(const QString &user, const QString &action, QJsonObject fields);
    QString path(const QString &name) const;

    QString m_folder;
    Clock m_clock;
    QString m_pc;
    bool m_open = false;
    QString m_id;
    qint64 m_count = 0;
    QByteArray m_last;
    QString m_file;
    // The size of m_file after this program's last line: another program's
    // line changes it.
    qint64 m_fileSize = 0;
    // The latest month file when the journal was taken up: no line goes
    // before what it holds.
    QString m_floor;
    // Month files whose last piece has no line end: the next line ends it.
    QStringList m_unterminated;
    // The head names the line before the last: a disk refused it.  No line
    // is written until it is written.
    bool m_headBehind = false;
    QStringList m_notes;
    std::unique_ptr<JournalSyncer> m_syncer;
    // The last line is yet to be put on disk and in the head, once the lock
    // is let go.
    bool m_pending = false;
};
