// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printedcodes.h"
#include "readerlink.h"
#include "readerrecords.h"
#include "readersettings.h"

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>

class Catalogue;
class JobRunner;
class Station;

// The code reader after one coder: every code it reads is compared with
// what that coder prints now for its job (the content of the job message's
// barcodes, as they print now and as they printed kStraddleMs ago, so that a
// read just after midnight or a shift change matches either side).  After
// the product's number of wrong or unreadable codes in a row the coder is
// stopped and an alarm stands until a Supervisor or Administrator (anyone
// while users are off) acknowledges it; a reader that sends nothing for
// silent_seconds while its coder prints is an alarm of its own.  A read for
// a coder without a job, or while its codes cannot be known, is counted and
// not compared.  The counts of each job go into its batch record; alarms,
// acknowledgements and challenge tests go into the journal.
//
// The daily challenge test: a Supervisor starts it; the next read must be a
// wrong or missing code and the coder must be stopped within the product's
// number of reads.  The result goes into the catalogue and the journal.
class ReaderWatch : public QObject
{
    Q_OBJECT
public:
    static constexpr int kStraddleMs = 2000;
    static constexpr int kFlushMs = 5000;
    static constexpr int kKeptReads = 10; // the last reads an alarm names
    static constexpr int kShownReadChars = 64;

    enum class Read { Good, Bad, NoRead, NotCompared };
    enum class Alarm { None, BadReads, Silent };

    struct Counts
    {
        qint64 good = 0;
        qint64 bad = 0;
        qint64 noRead = 0;
        qint64 notCompared = 0;
        int badInRow = 0;
    };

    ReaderWatch(Station *station, JobRunner *jobs, Catalogue *catalogue,
                const ReaderSettings &settings, PrintedCodesOf codesOf, QObject *parent = nullptr);
    ~ReaderWatch() override;

    void start();
    const ReaderSettings &settings() const { return m_settings; }
    ReaderLink *link() { return &m_link; }
    void setClock(std::function<QDateTime()> now) { m_now = std::move(now); }

    // The watched coder's connection, -1 while it is not connected.
    int coder() const;
    QString coderName() const;
    Counts counts() const { return m_counts; }
    // The reads that stop its coder, from the product of the coder's job.
    int stopAfter() const;

    Alarm alarm() const { return m_alarm; }
    QString alarmText() const { return m_alarmText; }
    // Clears the alarm; empty when done, else why not.
    QString acknowledge();

    // Starts the challenge test as the signed-in user; empty, or why not.
    QString startChallenge();
    bool challengeRunning() const { return m_challenge.active; }
    // The last passed challenge's end; invalid: none since this watch began.
    QDateTime lastPassedChallenge() const { return m_lastPassed; }
    bool challengePassedToday() const;

    // A code as compared: without the symbology identifier a reader may put
    // in front, GS1 application identifiers without their brackets and the
    // group separators between element strings left out.
    static QString canonical(const QString &code);

    // One line from the reader (the link's signal; tests call it too).
    Read take(const QString &text);
    // Raises the silent alarm when the coder prints and nothing came for
    // too long (a timer calls it every second).
    void checkSilence();
    // Writes the counts of the jobs that changed into their batch records.
    void flush();

signals:
    void readSeen(ReaderWatch::Read read, const QString &text);
    void alarmChanged();
    void challengeChanged();
    void countsChanged();
    void note(const QString &text);
    void problem(const QString &text);

private:
    void bad(const QString &text);
    Read handle(const QString &text, bool garbage);
    void raiseAlarm(Alarm kind, const QString &text, const QString &last);
    QString mayHandleAlarms() const;
    QStringList expectedAt(const QString &path, const QDateTime &moment, bool *known);
    void endChallenge(bool passed, const QString &detail);
    void count(qint64 jobId, Read read);
    void loadTodaysChallenge();

    Station *m_station;
    JobRunner *m_jobs;
    Catalogue *m_catalogue;
    ReaderSettings m_settings;
    PrintedCodesOf m_codesOf;
    ReaderLink m_link;
    std::function<QDateTime()> m_now;

    mutable int m_coder = -1;
    mutable bool m_coderKnown = false;
    Counts m_counts;
    QStringList m_lastReads;
    Alarm m_alarm = Alarm::None;
    QString m_alarmText;
    QDateTime m_lastActivity;
    bool m_printing = false;
    QTimer m_silence;
    QTimer m_flush;

    // What a job's message prints, for the moments in [from, until).
    struct Printed
    {
        QString path;
        QDateTime from;
        QDateTime until; // invalid: for good
        PrintedCodes codes;
    };
    QList<Printed> m_printed;
    QString m_unknownSaid; // the message whose unknown codes were said

    qint64 m_stopAfterJob = 0;
    int m_stopAfter = 3;

    struct Challenge
    {
        bool active = false;
        QString by;
        QDateTime startedAt;
        qint64 jobId = 0;
        int readsSeen = 0;
        int allowed = 0;
    };
    Challenge m_challenge;
    QDateTime m_lastPassed;
    QString m_challengesLoadedFor;

    QHash<qint64, ReaderCounts> m_jobCounts;
    QList<qint64> m_dirty;
};

Q_DECLARE_METATYPE(ReaderWatch::Read)
