// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal.h"

#include "journalactions.h"
#include "journalline.h"
#include "savetemporaries.h"
#include "writewhole.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSysInfo>
#include <QThread>
#include <QUuid>

#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <optional>
#include <thread>

#ifdef Q_OS_WIN
#include <QLockFile>
#include <io.h>
#else
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace {

const QString kHead = QStringLiteral("HEAD");
const QString kLock = QStringLiteral("LOCK");
// How long a line waits for another program's line.
constexpr int kLockWaitMs = 5000;

QString linkRefused()
{
    return Journal::tr("it is a link, which is not followed");
}

// Opens a file of the journal, creating it when there is none, without
// following a link lying at its place: a journal file or lock that is a
// link is refused, never written through.  False with the reason.
bool openOwn(QFile &file, const QString &path, QIODevice::OpenMode mode, QString *reason)
{
#ifdef Q_OS_WIN
    file.setFileName(path);
    if (QFileInfo(path).isSymLink()) {
        *reason = linkRefused();
        return false;
    }
    if (!file.open(mode)) {
        *reason = file.errorString();
        return false;
    }
    return true;
#else
    int flags = O_CREAT | O_NOFOLLOW | O_CLOEXEC;
    flags |= (mode & QIODevice::ReadOnly) ? O_RDWR : O_WRONLY;
    if (mode & QIODevice::Append)
        flags |= O_APPEND;
    const int fd = ::open(QFile::encodeName(path).constData(), flags, 0666);
    if (fd < 0) {
        *reason = errno == ELOOP ? linkRefused() : QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    file.setFileName(path);
    if (!file.open(fd, mode, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        *reason = file.errorString();
        return false;
    }
    return true;
#endif
}

// The lock every line is written under.  The system's own file lock goes
// with the process that holds it, however it ends: a program killed while
// taking it leaves nothing that keeps the next one out.
class WriteLock
{
public:
    explicit WriteLock(const QString &path)
        : m_path(path)
#ifdef Q_OS_WIN
          ,
          m_lock(path)
#endif
    {
    }
    // False with the reason: the lock file cannot be opened, or another
    // program holds the lock for longer than a line takes.
    bool lock(QString *error)
    {
#ifdef Q_OS_WIN
        if (m_lock.tryLock(kLockWaitMs))
            return true;
        *error = m_lock.error() == QLockFile::LockFailedError
                     ? Journal::tr("The journal's lock %1 is held by another program").arg(m_path)
                     : Journal::tr("Cannot open the journal's lock file %1").arg(m_path);
        return false;
#else
        QString reason;
        if (!openOwn(m_file, m_path, QIODevice::ReadWrite, &reason)) {
            *error = Journal::tr("Cannot open the journal's lock file %1: %2").arg(m_path, reason);
            return false;
        }
        QElapsedTimer waited;
        waited.start();
        while (::flock(m_file.handle(), LOCK_EX | LOCK_NB) != 0) {
            if (errno != EWOULDBLOCK && errno != EINTR) {
                *error = Journal::tr("Cannot lock the journal's lock file %1: %2")
                             .arg(m_path, QString::fromLocal8Bit(std::strerror(errno)));
                return false;
            }
            if (waited.elapsed() > kLockWaitMs) {
                *error =
                    Journal::tr("The journal's lock %1 is held by another program").arg(m_path);
                return false;
            }
            QThread::msleep(5);
        }
        return true;
#endif
    }

private:
    QString m_path;
#ifdef Q_OS_WIN
    QLockFile m_lock;
#else
    QFile m_file; // closing it lets go
#endif
};

bool syncToDisk(QFile &file)
{
#ifdef Q_OS_WIN
    return ::_commit(file.handle()) == 0;
#else
    return ::fsync(file.handle()) == 0;
#endif
}

QString offsetText(int seconds)
{
    const int minutes = qAbs(seconds) / 60;
    return QStringLiteral("%1%2:%3")
        .arg(seconds < 0 ? QLatin1Char('-') : QLatin1Char('+'))
        .arg(minutes / 60, 2, 10, QLatin1Char('0'))
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

// The lines at the end of one month file: whole lines (without their line
// end) and, when the file does not end with one, the bytes after the last.
struct Tail
{
    QList<QByteArray> lines;
    QByteArray fragment;
    bool hasFragment = false;
    bool complete = false; // the tail is the whole file
};

bool readTail(const QString &path, Tail *tail, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return false;
    }
    // The last whole line and what follows it fit twice the longest line.
    const qint64 span = 2 * qint64(Journal::kMaxLineBytes) + 2;
    const qint64 start = qMax<qint64>(0, file.size() - span);
    tail->complete = start == 0;
    if (!file.seek(start)) {
        *error = file.errorString();
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        *error = file.errorString();
        return false;
    }
    QList<QByteArray> pieces = bytes.split('\n');
    // split() gives one piece after the last line end: empty when the file
    // ends with one.
    tail->fragment = pieces.takeLast();
    tail->hasFragment = !tail->fragment.isEmpty();
    if (!tail->complete && !pieces.isEmpty())
        pieces.removeFirst(); // begins inside a line
    tail->lines = pieces;
    return true;
}

QJsonObject cutRecord(const QString &file, const QByteArray &bytes)
{
    return QJsonObject{{QStringLiteral("file"), file},
                       {QStringLiteral("bytes"), bytes.size()},
                       {QStringLiteral("sha256"), QString::fromLatin1(Journal::sha256Hex(bytes))}};
}

// Replaces the head whole; false with the reason.  A head that is a link
// is not written through (QSaveFile would replace what it points to).
bool saveHead(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile head(path);
    QString reason;
    if (QFileInfo(path).isSymLink()) {
        reason = linkRefused();
    } else if (!head.open(QIODevice::WriteOnly)) {
        reason = head.errorString();
    } else if (!writeWhole(head, bytes, &reason)) {
        head.cancelWriting();
    } else if (!head.commit()) {
        reason = head.errorString();
    }
    if (!reason.isEmpty()) {
        *error = Journal::tr("The journal is failing: its head %1 cannot be written (%2). No "
                             "line is written until it can.")
                     .arg(path, reason);
        return false;
    }
    // A stop between QSaveFile's temporary and its rename leaves the temporary.
    removeStaleTemporaries(path);
    return true;
}

// The month files of folder, oldest first.
QStringList monthFiles(const QString &folder)
{
    QStringList months =
        QDir(folder).entryList({QStringLiteral("*.jsonl")}, QDir::Files, QDir::Name);
    months.erase(
        std::remove_if(months.begin(), months.end(),
                       [](const QString &name) { return !Journal::isMonthFileName(name); }),
        months.end());
    return months;
}

// What the files hold from the line a head names on: that line's hash and
// the lines after it, which the head never named.
struct PastHead
{
    QByteArray namedHash; // of the line the head names, as the files hold it
    QJsonArray unnamed;   // {"number", "file", "sha256"}, at most kMaxListed
    qint64 unnamedLines = 0;
};

// A list in a line stays far below the longest line.
constexpr int kMaxListed = 10000;

bool readPastHead(const QString &folder, const QStringList &months, const JournalHead &head,
                  PastHead *past, QString *error)
{
    for (const QString &name : months) {
        if (head.count > 0 && name < head.file)
            continue;
        QFile file(folder + QLatin1Char('/') + name);
        if (!file.open(QIODevice::ReadOnly)) {
            *error = Journal::tr("Cannot read the journal file %1: %2")
                         .arg(file.fileName(), file.errorString());
            return false;
        }
        while (!file.atEnd()) {
            QByteArray raw = file.readLine(Journal::kMaxLineBytes + 2);
            if (raw.endsWith('\n'))
                raw.chop(1);
            const std::optional<JournalLine> line = JournalLine::parse(raw);
            if (!line || line->id != head.id || line->number < head.count)
                continue;
            if (line->number == head.count) {
                past->namedHash = Journal::sha256Hex(raw);
                continue;
            }
            if (++past->unnamedLines <= kMaxListed)
                past->unnamed.append(QJsonObject{
                    {QStringLiteral("number"), line->number},
                    {QStringLiteral("file"), name},
                    {QStringLiteral("sha256"), QString::fromLatin1(Journal::sha256Hex(raw))}});
        }
    }
    return true;
}

} // namespace

// Puts each line on disk and then the head after it, on a thread of its
// own, so that the command the line is about never waits for the disk.
// One job at a time: the next line waits for the last one's head, so that a
// stop leaves the head at most one line behind.
class JournalSyncer
{
public:
    using Report = std::function<void(const QString &)>;

    explicit JournalSyncer(Report report) : m_report(std::move(report)) {}
    ~JournalSyncer()
    {
        {
            std::lock_guard<std::mutex> hold(m_mutex);
            m_stop = true;
        }
        m_changed.notify_all();
        if (m_thread.joinable())
            m_thread.join();
    }

    struct Job
    {
        QString linePath;
        QString headPath;
        QString lockPath;
        QByteArray head;
        QString id;
        qint64 count;
    };

    // Syncs the line's file, then replaces the head, under the lock.  Never
    // called while holding the lock: the job takes it.
    void schedule(const Job &job)
    {
        wait();
        {
            std::lock_guard<std::mutex> hold(m_mutex);
            m_job = job;
            if (!m_thread.joinable())
                m_thread = std::thread([this] { run(); });
        }
        m_changed.notify_all();
    }
    void wait()
    {
        std::unique_lock<std::mutex> hold(m_mutex);
        m_changed.wait(hold, [this] { return !m_job; });
    }
    // True once when the last job could not put its line on disk or write
    // its head.
    bool takeFailed()
    {
        wait();
        std::lock_guard<std::mutex> hold(m_mutex);
        return std::exchange(m_failed, false);
    }

private:
    void run()
    {
        std::unique_lock<std::mutex> hold(m_mutex);
        for (;;) {
            m_changed.wait(hold, [this] { return m_job || m_stop; });
            if (!m_job)
                return;
            const Job job = *m_job;
            hold.unlock();
            QString error;
            // The head never names a line that is not on disk yet, nor goes
            // back behind a line another program wrote since.
            QFile line(job.linePath);
            if (!line.open(QIODevice::ReadOnly) || !syncToDisk(line)) {
                error = Journal::tr("Cannot put the journal file %1 on disk: %2")
                            .arg(job.linePath, QString::fromLocal8Bit(std::strerror(errno)));
            } else {
                // The head on disk is read under the lock: another writer's
                // head, read before it, could be replaced by an older one.
                WriteLock lock(job.lockPath);
                QString locked;
                if (!lock.lock(&locked)) {
                    error = Journal::tr("%1; the journal's head follows with the next line")
                                .arg(locked);
                } else {
                    const JournalHead now = JournalHead::read(job.headPath);
                    if (!(now.present && !now.damaged && now.id == job.id &&
                          now.count >= job.count))
                        saveHead(job.headPath, job.head, &error);
                }
            }
            if (!error.isEmpty())
                m_report(error);
            hold.lock();
            m_failed = m_failed || !error.isEmpty();
            m_job.reset();
            m_changed.notify_all();
        }
    }

    Report m_report;
    std::thread m_thread;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::optional<Job> m_job;
    bool m_stop = false;
    bool m_failed = false;
};

Journal::Journal(const QString &folder, QObject *parent)
    : QObject(parent), m_folder(folder), m_clock([] { return QDateTime::currentDateTime(); }),
      m_pc(QSysInfo::machineHostName()),
      m_syncer(std::make_unique<JournalSyncer>([this](const QString &error) {
          QMetaObject::invokeMethod(
              this, [this, error] { emit problem(error); }, Qt::QueuedConnection);
      }))
{
}

// The syncer finishes the last line's head before it goes.
Journal::~Journal() = default;

void Journal::waitForDisk()
{
    m_syncer->wait();
}

QString Journal::systemUserName()
{
#ifndef Q_OS_WIN
    if (const passwd *entry = ::getpwuid(::getuid()))
        return QString::fromLocal8Bit(entry->pw_name);
#endif
    const QString user = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
    return user.isEmpty() ? QStringLiteral("unknown") : user;
}

QByteArray Journal::sha256Hex(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

QString Journal::monthFileName(const QDateTime &utc)
{
    return utc.toUTC().toString(QStringLiteral("yyyy-MM")) + QStringLiteral(".jsonl");
}

bool Journal::isMonthFileName(const QString &name)
{
    static const QRegularExpression shape(QStringLiteral("^[0-9]{4}-(0[1-9]|1[0-2])\\.jsonl$"));
    return shape.match(name).hasMatch();
}

QString Journal::path(const QString &name) const
{
    return m_folder + QLatin1Char('/') + name;
}

bool Journal::open(QString *error)
{
    m_syncer->wait(); // its job takes the lock
    QString reason;
    if (!QDir().mkpath(m_folder) || !QFileInfo(m_folder).isDir()) {
        if (error)
            *error = tr("Cannot create the journal folder %1").arg(m_folder);
        return false;
    }
    WriteLock lock(path(kLock));
    if (!lock.lock(&reason)) {
        if (error)
            *error = reason;
        return false;
    }
    if (!loadState(&reason)) {
        if (error)
            *error = reason;
        return false;
    }
    m_open = true;
    return true;
}

// Reads where the chain stands: the last whole line of the last month file
// that has one, checked against the head.  What a crash or a hand left
// behind is reported and recorded by a line of its own.  What a stop cannot
// leave (a last line other than the head names, lines past the head, whole
// lines that are no journal lines) is recorded so that the check names it
// at every start to come.
bool Journal::loadState(QString *error)
{
    const JournalHead head = JournalHead::read(path(kHead));
    const QStringList months = monthFiles(m_folder);
    m_unterminated.clear();
    m_headBehind = false;

    State found;
    QByteArray foundPrev; // "prev" of the last whole line
    QJsonArray cut;       // the piece after the last line end of the last month
    QJsonArray junk;      // what is no journal line after the last whole one
    QStringList notes;
    for (int i = months.size() - 1; i >= 0 && found.id.isEmpty(); --i) {
        const QString &name = months.at(i);
        Tail tail;
        if (!readTail(path(name), &tail, error)) {
            *error = tr("Cannot read the journal file %1: %2").arg(path(name), *error);
            return false;
        }
        QJsonArray junkHere;
        if (tail.hasFragment) {
            // The next line starts on a line of its own.
            m_unterminated << name;
            if (JournalLine::parse(tail.fragment))
                tail.lines.append(tail.fragment); // a whole line that lost its end
            else if (i == months.size() - 1)
                cut.append(cutRecord(name, tail.fragment));
            else
                junkHere.append(cutRecord(name, tail.fragment));
        }
        for (int l = tail.lines.size() - 1; l >= 0; --l) {
            const std::optional<JournalLine> line = JournalLine::parse(tail.lines.at(l));
            if (line) {
                found = {line->id, line->number, sha256Hex(tail.lines.at(l)), name};
                foundPrev = line->prev;
                break;
            }
            junkHere.prepend(cutRecord(name, tail.lines.at(l)));
        }
        if (found.id.isEmpty() && !tail.complete) {
            *error = tr("Cannot find the last line of the journal file %1").arg(name);
            return false;
        }
        for (int c = junkHere.size() - 1; c >= 0; --c)
            junk.prepend(junkHere.at(c));
    }

    // One stop leaves at most one line cut off, without its line end.
    QJsonObject recovered;
    if (!cut.isEmpty()) {
        recovered.insert(QStringLiteral("cut"), cut);
        notes << tr("The journal held %1 line(s) cut off after line %2 (a stop while writing); "
                    "the chain goes on from line %2.")
                     .arg(cut.size())
                     .arg(found.count);
    }
    if (!junk.isEmpty()) {
        recovered.insert(QStringLiteral("notJournalLines"), junk);
        notes << tr("The journal held %1 line(s) after line %2 that are no journal lines, which "
                    "no stop leaves. They are recorded in the journal, and \"korvex-journal "
                    "verify\" names them.")
                     .arg(junk.size())
                     .arg(found.count);
    }
    QJsonArray changed;
    const auto changedLine = [&](qint64 number, const QString &file, const QByteArray &named,
                                 const QByteArray &now) {
        changed.append(QJsonObject{{QStringLiteral("number"), number},
                                   {QStringLiteral("file"), file},
                                   {QStringLiteral("sha256Named"), QString::fromLatin1(named)},
                                   {QStringLiteral("sha256Found"), QString::fromLatin1(now)}});
        notes << tr("The journal's line %1 is not the line its head names (SHA-256 %2 named, %3 "
                    "found): it was changed. This is recorded in the journal, and "
                    "\"korvex-journal verify\" names it.")
                     .arg(number)
                     .arg(QString::fromLatin1(named.left(12)),
                          now.isEmpty() ? tr("none") : QString::fromLatin1(now.left(12)));
    };
    State state = found;
    // The head is put right before anything else is written, so that a stop
    // during the next line leaves it one behind again.
    bool rewriteHead = false;
    if (!head.present && !found.id.isEmpty()) {
        recovered.insert(QStringLiteral("head"), QStringLiteral("missing"));
        notes << tr("The journal's head %1 was missing; it is written anew from line %2.")
                     .arg(path(kHead))
                     .arg(found.count);
    } else if (head.present && head.damaged) {
        recovered.insert(QStringLiteral("head"), QStringLiteral("damaged"));
        notes << tr("The journal's head %1 was damaged; it is written anew from line %2.")
                     .arg(path(kHead))
                     .arg(found.count);
    } else if (head.present && !found.id.isEmpty() && head.id != found.id) {
        recovered.insert(QStringLiteral("head"), QStringLiteral("of another journal"));
        notes << tr("The journal's head %1 belongs to another journal; it is written anew from "
                    "line %2.")
                     .arg(path(kHead))
                     .arg(found.count);
    } else if (head.present && head.count > found.count) {
        // Lines the head names are gone: the chain goes on from the head, so
        // that the gap stays in the journal for everyone to see.
        recovered.insert(QStringLiteral("head"), QStringLiteral("ahead"));
        recovered.insert(QStringLiteral("missing"), head.count - found.count);
        notes << tr("The journal's head names %1 lines, its files hold %2: lines are missing. "
                    "\"korvex-journal verify\" names them.")
                     .arg(head.count)
                     .arg(found.count);
        state = {head.id, head.count, head.last, head.file};
    } else if (head.present && head.count == found.count) {
        if (head.last != found.last) {
            recovered.insert(QStringLiteral("head"), QStringLiteral("changed"));
            changedLine(found.count, found.file, head.last, found.last);
        }
    } else if (head.present && head.count == found.count - 1 && foundPrev == head.last) {
        // The mark of a stop between a line and its head: nothing to report.
        rewriteHead = true;
    } else if (head.present) {
        PastHead past;
        if (!readPastHead(m_folder, months, head, &past, error))
            return false;
        if (head.count > 0 && past.namedHash != head.last)
            changedLine(head.count, head.file, head.last, past.namedHash);
        // One line past the head is what a stop leaves.
        if (head.count < found.count - 1) {
            recovered.insert(QStringLiteral("unnamed"), past.unnamed);
            if (past.unnamedLines > past.unnamed.size())
                recovered.insert(QStringLiteral("unnamedLines"), past.unnamedLines);
            notes << tr("The journal holds lines %1 to %2, which its head never named (it names "
                        "%3): more than a stop leaves. They are recorded in the journal, and "
                        "\"korvex-journal verify\" names them.")
                         .arg(head.count + 1)
                         .arg(found.count)
                         .arg(head.count);
        }
        if (!changed.isEmpty() || head.count < found.count - 1)
            recovered.insert(QStringLiteral("head"), QStringLiteral("behind"));
        else
            rewriteHead = true; // the chain itself shows what does not follow
    }
    if (!changed.isEmpty())
        recovered.insert(QStringLiteral("changed"), changed);

    if (state.id.isEmpty())
        state.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    m_id = state.id;
    m_count = state.count;
    m_last = state.last;
    m_file = state.file;
    m_floor = months.isEmpty() ? QString() : months.last();
    m_fileSize = QFileInfo(path(m_file)).size();
    if (rewriteHead && !saveHead(path(kHead), headBytes(), error)) {
        m_headBehind = true;
        return false;
    }
    if (recovered.isEmpty())
        return true;
    const JournalWrite written =
        write(systemUserName(), JournalAction::kJournalRecovered, recovered);
    if (!written.ok) {
        *error = written.error;
        return false;
    }
    m_notes += notes;
    // On disk with its head at once: the line that follows may be cut off.
    QFile line(path(m_file));
    QString headError;
    if (!line.open(QIODevice::ReadOnly) || !syncToDisk(line) ||
        !saveHead(path(kHead), headBytes(), &headError)) {
        m_headBehind = true;
        emit problem(headError.isEmpty()
                         ? tr("Cannot put the journal file %1 on disk").arg(line.fileName())
                         : headError);
    }
    m_pending = false;
    return true;
}

// True when the last line of the journal is still this program's last
// line: no other program wrote since.
bool Journal::isCurrent() const
{
    const QStringList months = monthFiles(m_folder);
    const QString latest = months.isEmpty() ? QString() : months.last();
    if (latest.isEmpty())
        return m_file.isEmpty() || !QFileInfo::exists(path(m_file));
    return latest == m_file && QFileInfo(path(m_file)).size() == m_fileSize;
}

// The head that a disk refused is written before any further line, so
// that it is never more than one line behind.
bool Journal::catchUpHead(QString *error, QString *said)
{
    QFile line(path(m_file));
    if (!line.open(QIODevice::ReadOnly) || !syncToDisk(line)) {
        *error = tr("The journal is failing: the journal file %1 cannot be put on disk. No line "
                    "is written until it can.")
                     .arg(line.fileName());
        return false;
    }
    if (!saveHead(path(kHead), headBytes(), error))
        return false;
    m_headBehind = false;
    *said = tr("The journal's head %1 is written again and names line %2: the journal works "
               "again.")
                .arg(path(kHead))
                .arg(m_count);
    return true;
}

JournalWrite Journal::append(const QString &user, const QString &action, const QJsonObject &fields)
{
    // The last line's head first: a stop leaves it at most one line behind.
    if (m_syncer->takeFailed())
        m_headBehind = true;
    JournalWrite result;
    if (!QDir().mkpath(m_folder) || !QFileInfo(m_folder).isDir()) {
        result.error = tr("Cannot create the journal folder %1").arg(m_folder);
        return result;
    }
    QString caughtUp;
    {
        WriteLock lock(path(kLock));
        if (!lock.lock(&result.error))
            return result;
        // Another program may have written since: take up its lines first.
        if (!m_open || !isCurrent()) {
            m_open = false;
            if (!loadState(&result.error))
                return result;
            m_open = true;
        }
        if (m_headBehind && !catchUpHead(&result.error, &caughtUp))
            return result;
        result = write(user, action, fields);
    }
    if (!caughtUp.isEmpty())
        emit note(caughtUp);
    if (std::exchange(m_pending, false))
        m_syncer->schedule({path(m_file), path(kHead), path(kLock), headBytes(), m_id, m_count});
    if (result.ok)
        emit appended(result.line);
    return result;
}

JournalWrite Journal::write(const QString &user, const QString &action, QJsonObject fields)
{
    JournalWrite result;
    const QDateTime now = m_clock();
    const QDateTime utc = now.toUTC();
    QString file = monthFileName(utc);
    // A clock set back never sends a line to an earlier month, nor before
    // what a later month holds.
    if (!m_file.isEmpty() && file < m_file)
        file = m_file;
    if (!m_floor.isEmpty() && file < m_floor)
        file = m_floor;
    fields.insert(QStringLiteral("number"), m_count + 1);
    fields.insert(QStringLiteral("journal"), m_id);
    fields.insert(QStringLiteral("prev"), QString::fromLatin1(m_last));
    fields.remove(QStringLiteral("prevFile"));
    if (m_count > 0 && file != m_file)
        fields.insert(QStringLiteral("prevFile"), m_file);
    fields.insert(QStringLiteral("time"), utc.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzzZ")));
    fields.insert(QStringLiteral("offset"), offsetText(now.offsetFromUtc()));
    fields.insert(QStringLiteral("user"), user);
    fields.insert(QStringLiteral("pc"), m_pc);
    fields.insert(QStringLiteral("action"), action);
    const QByteArray line = QJsonDocument(fields).toJson(QJsonDocument::Compact);
    if (line.size() > kMaxLineBytes) {
        result.error =
            tr("The journal line for %1 would be longer than %2 MiB; nothing was written")
                .arg(action)
                .arg(kMaxLineBytes / (1024 * 1024));
        return result;
    }

    QString reason;
    QByteArray bytes = line + '\n';
    // A piece a stop cut off ends before the line: in the same write when
    // it is in the same file.
    for (int i = m_unterminated.size() - 1; i >= 0; --i) {
        if (m_unterminated.at(i) == file) {
            bytes.prepend('\n');
            continue;
        }
        QFile other;
        if (!openOwn(other, path(m_unterminated.at(i)), QIODevice::WriteOnly | QIODevice::Append,
                     &reason) ||
            !writeWhole(other, "\n", &reason)) {
            result.error =
                tr("Cannot write the journal file %1: %2").arg(path(m_unterminated.at(i)), reason);
            return result;
        }
        m_unterminated.removeAt(i);
    }
    // Unbuffered: a line the disk cut short must not be finished by close().
    QFile out;
    if (!openOwn(out, path(file), QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered,
                 &reason)) {
        result.error = tr("Cannot write the journal file %1: %2").arg(path(file), reason);
        return result;
    }
    const qint64 before = out.size();
    if (!writeWhole(out, bytes, &reason)) {
        // A part of a line is no line: it goes, when it can; else the next
        // start finds it and reports it.
        out.resize(before);
        result.error = tr("Cannot write the journal file %1: %2").arg(path(file), reason);
        return result;
    }
    m_unterminated.clear();
    m_fileSize = before + bytes.size();
    out.close();
    m_count += 1;
    m_last = sha256Hex(line);
    m_file = file;
    result.ok = true;
    result.number = m_count;
    result.line = line;
    // Written, so a full disk has refused it by now; on disk, and pinned by
    // the head, a moment later.
    m_pending = true;
    return result;
}

QByteArray Journal::headBytes() const
{
    return QJsonDocument(QJsonObject{{QStringLiteral("journal"), m_id},
                                     {QStringLiteral("count"), m_count},
                                     {QStringLiteral("last"), QString::fromLatin1(m_last)},
                                     {QStringLiteral("file"), m_file}})
               .toJson(QJsonDocument::Compact) +
           '\n';
}
