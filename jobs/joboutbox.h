// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QTimer>

#include <functional>

class Catalogue;
struct CatalogueStatus;

// The batch-record writes of running jobs that the catalogue could not take
// yet (the database server is away, SQLite is locked).  Each write goes to
// the catalogue at once when nothing waits; otherwise, and when it fails
// because the database cannot be reached, it waits here, in the order it
// was made, in memory and in a file (kFileName under the job folder, saved
// whole with QSaveFile after every change) so that a restart keeps it.  The
// waiting writes are tried again with a growing pause and go out strictly
// in order: a later one never passes an earlier one.  A write is counted as
// written only once the catalogue committed it.
class JobOutbox : public QObject
{
    Q_OBJECT
public:
    static constexpr const char *kFileName = "outbox.json";
    static constexpr int kFirstRetryMs = 1000;
    static constexpr int kLongestRetryMs = 60000;

    // One write: a coder's state in its job, or the job's end.
    struct Write
    {
        enum class Kind { Coder, End };
        Kind kind = Kind::Coder;
        JobCoderRecord coder; // Kind::Coder
        qint64 jobId = 0;     // Kind::End (and the coder's job)
        QString by;           // Kind::End
        QDateTime at;         // Kind::End
    };
    using Writer = std::function<CatalogueStatus(const Write &)>;

    // folder: where kFileName lives; what it holds is taken in at once.
    JobOutbox(Catalogue *catalogue, const QString &folder, QObject *parent = nullptr);

    // Writes now, or queues when something waits or the catalogue cannot be
    // reached.  True when the write is in the catalogue; false when it waits
    // (or was refused for good, with problem() said).
    bool write(const Write &write);
    // How many writes wait.
    int waiting() const { return m_queue.size(); }
    QList<Write> queue() const { return m_queue; }
    // Tries the waiting writes now (also what the retry timer does).
    void flush();
    QString filePath() const;

    // Where the writes go (tests put a failing one in); the catalogue by default.
    void setWriter(Writer writer) { m_writer = std::move(writer); }
    void setRetry(int firstMs, int longestMs);

    // The JSON form of the file, both ways (an unknown or damaged entry: false).
    static QByteArray toJson(const QList<Write> &writes);
    static bool fromJson(const QByteArray &json, QList<Write> *writes, QString *error);

signals:
    void waitingChanged(int waiting);
    void problem(const QString &text);

private:
    CatalogueStatus send(const Write &write);
    void save();
    void load();
    void scheduleRetry();
    QString describe(const Write &write) const;

    Catalogue *m_catalogue;
    QString m_folder;
    QString m_fileName = QString::fromLatin1(kFileName);
    QList<Write> m_queue;
    Writer m_writer;
    QTimer m_retry;
    int m_firstRetryMs = kFirstRetryMs;
    int m_longestRetryMs = kLongestRetryMs;
    int m_nextRetryMs = kFirstRetryMs;
};
