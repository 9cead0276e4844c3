// SPDX-License-Identifier: GPL-3.0-or-later
#include "readerwatch.h"

#include "catalogue.h"
#include "commandjournal.h"
#include "fleet.h"
#include "jobrunner.h"
#include "journal.h"
#include "journalactions.h"
#include "product.h"
#include "session.h"
#include "station.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QRegularExpression>

namespace {

QString shown(const QString &text)
{
    return text.size() > ReaderWatch::kShownReadChars
               ? text.left(ReaderWatch::kShownReadChars) + QChar(0x2026)
               : text;
}

} // namespace

ReaderWatch::ReaderWatch(Station *station, JobRunner *jobs, Catalogue *catalogue,
                         const ReaderSettings &settings, PrintedCodesOf codesOf, QObject *parent)
    : QObject(parent), m_station(station), m_jobs(jobs), m_catalogue(catalogue),
      m_settings(settings), m_codesOf(std::move(codesOf)),
      m_now([] { return QDateTime::currentDateTime(); })
{
    qRegisterMetaType<ReaderWatch::Read>();
    m_link.setTarget(settings.host, settings.port);
    connect(&m_link, &ReaderLink::line, this, [this](const QString &text) { take(text); });
    connect(&m_link, &ReaderLink::badLine, this, [this](ReaderLink::Bad why, const QByteArray &) {
        bad(why == ReaderLink::Bad::TooLong
                ? tr("(a line over %1 bytes)").arg(ReaderLink::kMaxLineBytes)
                : tr("(binary data)"));
    });
    connect(&m_link, &ReaderLink::flooded, this, [this](int lines) {
        emit problem(tr("Reader %1 sent more than %2 lines in a second; %3 were not compared.")
                         .arg(m_settings.name)
                         .arg(ReaderLink::kDefaultFloodLinesPerSecond)
                         .arg(lines));
    });
    connect(&m_link, &ReaderLink::note, this, &ReaderWatch::note);

    Fleet *fleet = station->fleet();
    const auto forget = [this] { m_coderKnown = false; };
    connect(fleet, &Fleet::coderAdded, this, forget);
    connect(fleet, &Fleet::coderRemoved, this, forget);
    connect(fleet, &Fleet::remarkNameChanged, this, forget);
    // A coder that starts printing gets its full silent time.
    connect(fleet, &Fleet::stateChanged, this, [this](int descriptor, CoderState state) {
        if (descriptor != coder())
            return;
        const bool printing = state == CoderState::Printing;
        if (printing && !m_printing)
            m_lastActivity = m_now();
        m_printing = printing;
    });
    if (jobs) {
        connect(jobs, &JobRunner::jobEnded, this, [this](qint64) {
            flush();
            // A later job may fill a message of the same name differently.
            m_printed.clear();
            m_unknownSaid.clear();
        });
        // What the job's message prints is worked out before its first read, from
        // the earliest moment a read compares with.
        connect(jobs, &JobRunner::stageChanged, this, [this](int descriptor) {
            const qint64 jobId = descriptor == coder() ? m_jobs->jobOf(descriptor) : 0;
            const QString path = jobId ? m_jobs->messagePathOf(jobId) : QString();
            bool known = false;
            if (!path.isEmpty())
                expectedAt(path, m_now().addMSecs(-kStraddleMs), &known);
        });
    }

    m_silence.setInterval(1000);
    connect(&m_silence, &QTimer::timeout, this, &ReaderWatch::checkSilence);
    m_flush.setInterval(kFlushMs);
    connect(&m_flush, &QTimer::timeout, this, &ReaderWatch::flush);
}

ReaderWatch::~ReaderWatch()
{
    flush();
}

void ReaderWatch::start()
{
    m_lastActivity = m_now();
    m_link.start();
    m_silence.start();
    m_flush.start();
}

int ReaderWatch::coder() const
{
    if (m_coderKnown)
        return m_coder;
    m_coder = -1;
    const Fleet *fleet = m_station->fleet();
    for (int descriptor : fleet->descriptors()) {
        const Coder *c = fleet->coder(descriptor);
        if (c && (c->remarkName == m_settings.coder || c->ipText == m_settings.coder)) {
            m_coder = descriptor;
            break;
        }
    }
    m_coderKnown = true;
    return m_coder;
}

QString ReaderWatch::coderName() const
{
    const Coder *c = m_station->fleet()->coder(coder());
    return c ? c->displayName() : m_settings.coder;
}

int ReaderWatch::stopAfter() const
{
    return m_stopAfter;
}

QStringList ReaderWatch::expectedAt(const QString &path, const QDateTime &moment, bool *known)
{
    auto found = std::find_if(m_printed.begin(), m_printed.end(), [&](const Printed &p) {
        return p.path == path && p.from <= moment && (!p.until.isValid() || moment < p.until);
    });
    if (found == m_printed.end()) {
        Printed p;
        p.path = path;
        p.from = moment;
        p.codes = m_codesOf ? m_codesOf(path, moment) : PrintedCodes();
        for (QString &code : p.codes.codes)
            code = canonical(code);
        p.until = p.codes.until;
        // Two windows are enough: now and just before the last change.
        while (m_printed.size() >= 2)
            m_printed.removeFirst();
        m_printed.append(p);
        found = m_printed.end() - 1;
    }
    const PrintedCodes &codes = found->codes;
    *known = codes.loaded && codes.predictable && !codes.codes.isEmpty();
    if (!*known && m_unknownSaid != path) {
        m_unknownSaid = path;
        emit problem(
            !codes.loaded
                ? tr("Reader %1: what %2 prints cannot be known (%3); its reads are counted, "
                     "not compared.")
                      .arg(m_settings.name, path, codes.error)
            : codes.codes.isEmpty() && codes.predictable
                ? tr("Reader %1: %2 prints no barcode; its reads are counted, not compared.")
                      .arg(m_settings.name, path)
                : tr("Reader %1: a barcode of %2 comes from a data file; its reads are "
                     "counted, not compared.")
                      .arg(m_settings.name, path));
    }
    return codes.codes;
}

QString ReaderWatch::canonical(const QString &code)
{
    QString c = code;
    // An AIM symbology identifier the reader puts in front ("]C1", "]d2", "]Q3").
    if (c.size() >= 3 && c.at(0) == QLatin1Char(']') && c.at(1).isLetter() && c.at(2).isDigit())
        c.remove(0, 3);
    // GS1 element strings: "[01]0950...[10]A2041" or "(01)..." as written in
    // the message, "010950...<GS>10A2041" as a reader sends them.
    if (c.startsWith(QLatin1Char('[')) || c.startsWith(QLatin1Char('('))) {
        static const QRegularExpression ai(QStringLiteral("[\\[(](\\d{2,4})[\\])]"));
        c.replace(ai, QStringLiteral("\\1"));
    }
    c.remove(QChar(0x1d));
    return c;
}

ReaderWatch::Read ReaderWatch::take(const QString &text)
{
    return handle(text, false);
}

ReaderWatch::Read ReaderWatch::handle(const QString &text, bool garbage)
{
    const QDateTime now = m_now();
    m_lastActivity = now;
    const int descriptor = coder();
    const qint64 jobId = descriptor >= 0 && m_jobs ? m_jobs->jobOf(descriptor) : 0;
    const QString path = jobId ? m_jobs->messagePathOf(jobId) : QString();

    Read read = Read::NotCompared;
    if (!path.isEmpty()) {
        if (jobId != m_stopAfterJob) {
            m_stopAfterJob = jobId;
            m_stopAfter = Product::kDefaultReaderStopAfter;
            Product product;
            const JobRecord *job = m_jobs->job(jobId);
            if (job && m_catalogue && m_catalogue->productByCode(job->productCode, &product).ok())
                m_stopAfter = product.readerStopAfter;
        }
        if (garbage) {
            read = Read::Bad;
        } else if (text == m_settings.noRead) {
            read = Read::NoRead;
        } else {
            bool knownNow = false, knownBefore = false;
            const QStringList nowCodes = expectedAt(path, now, &knownNow);
            const QStringList before = expectedAt(path, now.addMSecs(-kStraddleMs), &knownBefore);
            const QString code = canonical(text);
            if (knownNow || knownBefore)
                read = nowCodes.contains(code) || before.contains(code) ? Read::Good : Read::Bad;
        }
    }
    count(jobId, read);
    if (read == Read::Good)
        m_counts.badInRow = 0;
    else if (read != Read::NotCompared)
        ++m_counts.badInRow;
    if (read == Read::Bad || read == Read::NoRead) {
        m_lastReads.append(shown(text));
        while (m_lastReads.size() > kKeptReads)
            m_lastReads.removeFirst();
    }
    emit readSeen(read, text);
    emit countsChanged();

    if (m_challenge.active) {
        ++m_challenge.readsSeen;
        if (read == Read::Good && m_alarm != Alarm::BadReads)
            endChallenge(false, tr("read %1 good code(s) after the start; the challenge needs a "
                                   "wrong or missing code")
                                    .arg(m_challenge.readsSeen));
    }
    // A coder started again before its alarm is acknowledged is stopped again.
    const Coder *watched = m_station->fleet()->coder(descriptor);
    const bool printing = watched && watched->state == CoderState::Printing;
    if (read != Read::Good && read != Read::NotCompared && m_counts.badInRow >= m_stopAfter &&
        (m_alarm != Alarm::BadReads || printing))
        raiseAlarm(Alarm::BadReads,
                   tr("%1 stopped: %2 wrong or unreadable codes in a row from reader %3 "
                      "(last: \"%4\")")
                       .arg(coderName())
                       .arg(m_counts.badInRow)
                       .arg(m_settings.name, shown(text)),
                   text);
    if (m_challenge.active && m_challenge.readsSeen >= m_challenge.allowed)
        endChallenge(false,
                     tr("the coder was not stopped within %1 reads").arg(m_challenge.allowed));
    return read;
}

void ReaderWatch::bad(const QString &text)
{
    // Garbage from the reader is no code the coder printed: a bad read.
    handle(text, true);
}

void ReaderWatch::count(qint64 jobId, Read read)
{
    qint64 Counts::*field = read == Read::Good     ? &Counts::good
                            : read == Read::Bad    ? &Counts::bad
                            : read == Read::NoRead ? &Counts::noRead
                                                   : &Counts::notCompared;
    ++(m_counts.*field);
    if (!jobId)
        return;
    const Coder *c = m_station->fleet()->coder(coder());
    ReaderCounts &counts = m_jobCounts[jobId];
    counts.jobId = jobId;
    counts.coder = c ? c->connectionName : m_settings.coder;
    counts.reader = m_settings.name;
    switch (read) {
    case Read::Good:
        ++counts.good;
        break;
    case Read::Bad:
        ++counts.bad;
        break;
    case Read::NoRead:
        ++counts.noRead;
        break;
    case Read::NotCompared:
        ++counts.notCompared;
        break;
    }
    if (!m_dirty.contains(jobId))
        m_dirty.append(jobId);
}

void ReaderWatch::flush()
{
    if (!m_catalogue || !m_catalogue->isOpen())
        return;
    const QList<qint64> dirty = m_dirty;
    for (qint64 jobId : dirty) {
        ReaderCounts counts = m_jobCounts.value(jobId);
        counts.updatedAt = m_now().toUTC();
        const CatalogueStatus written = m_catalogue->recordReaderCounts(counts);
        if (!written.ok()) {
            emit problem(tr("The reads of job %1 are not in its batch record yet: %2")
                             .arg(jobId)
                             .arg(written.reason));
            continue;
        }
        m_dirty.removeAll(jobId);
        // A job that has ended counts no more.
        if (m_jobs && !m_jobs->job(jobId))
            m_jobCounts.remove(jobId);
    }
}

void ReaderWatch::raiseAlarm(Alarm kind, const QString &text, const QString &last)
{
    const int descriptor = coder();
    const Coder *c = m_station->fleet()->coder(descriptor);
    QString alarmText = text;
    bool stopped = false;
    if (kind == Alarm::BadReads && descriptor >= 0) {
        const CommandResult stop = m_station->fleet()->stop(
            {descriptor},
            CommandOrigin{QStringLiteral("reader"),
                          QStringLiteral("reader %1").arg(m_settings.name), QString()});
        stopped = stop.ok;
        if (!stop.ok)
            alarmText = tr("%1; it could not be stopped: %2").arg(text, stop.error);
    }
    m_alarm = kind;
    m_alarmText = alarmText;
    QJsonArray reads;
    for (const QString &r : qAsConst(m_lastReads))
        reads.append(r);
    const qint64 jobId = descriptor >= 0 && m_jobs ? m_jobs->jobOf(descriptor) : 0;
    m_station->commands()->record(
        JournalAction::kReaderAlarm,
        {{QStringLiteral("reader"), m_settings.name},
         {QStringLiteral("coder"), c ? c->connectionName : m_settings.coder},
         {QStringLiteral("alarm"),
          kind == Alarm::Silent ? QStringLiteral("silent") : QStringLiteral("bad reads")},
         {QStringLiteral("job"), jobId},
         {QStringLiteral("badInRow"), m_counts.badInRow},
         {QStringLiteral("last"), shown(last)},
         {QStringLiteral("reads"), reads},
         {QStringLiteral("stopped"), stopped}},
        Journal::systemUserName());
    emit problem(alarmText);
    emit alarmChanged();
    if (m_challenge.active && kind == Alarm::BadReads) {
        if (stopped)
            endChallenge(true, QString());
        else
            endChallenge(false, alarmText);
    }
}

void ReaderWatch::checkSilence()
{
    if (m_settings.silentSeconds <= 0 || m_alarm != Alarm::None)
        return;
    const Coder *c = m_station->fleet()->coder(coder());
    if (!c || c->state != CoderState::Printing)
        return;
    const QDateTime now = m_now();
    if (m_lastActivity.isValid() && m_lastActivity.secsTo(now) < m_settings.silentSeconds)
        return;
    raiseAlarm(Alarm::Silent,
               tr("Reader %1 after %2 has sent nothing for %3 s while the coder prints")
                   .arg(m_settings.name, c->displayName())
                   .arg(m_settings.silentSeconds),
               QString());
}

QString ReaderWatch::mayHandleAlarms() const
{
    const Session *session = m_station->session();
    if (!session || !session->usersOn())
        return QString();
    if (!session->signedIn())
        return tr("Sign in as a Supervisor to do that.");
    if (int(session->role()) < int(Role::Supervisor))
        return tr("Only a Supervisor or Administrator may do that; %1 is signed in as %2.")
            .arg(session->userName(), Roles::name(session->role()));
    return QString();
}

QString ReaderWatch::acknowledge()
{
    if (m_alarm == Alarm::None)
        return tr("Reader %1 has no alarm.").arg(m_settings.name);
    const QString refused = mayHandleAlarms();
    if (!refused.isEmpty())
        return refused;
    const Session *session = m_station->session();
    const QString who =
        session && session->signedIn() ? session->userName() : Journal::systemUserName();
    const QString journal =
        m_station->commands()->record(JournalAction::kReaderAlarmAcknowledged,
                                      {{QStringLiteral("reader"), m_settings.name},
                                       {QStringLiteral("coder"), coderName()},
                                       {QStringLiteral("alarm"), m_alarmText}},
                                      who);
    if (!journal.isEmpty())
        return journal;
    m_alarm = Alarm::None;
    m_alarmText.clear();
    m_counts.badInRow = 0;
    m_lastReads.clear();
    m_lastActivity = m_now();
    emit alarmChanged();
    return QString();
}

QString ReaderWatch::startChallenge()
{
    const QString refused = mayHandleAlarms();
    if (!refused.isEmpty())
        return refused;
    if (m_challenge.active)
        return tr("A challenge test of reader %1 is running.").arg(m_settings.name);
    if (m_alarm != Alarm::None)
        return tr("Acknowledge the alarm of reader %1 first.").arg(m_settings.name);
    const int descriptor = coder();
    const qint64 jobId = descriptor >= 0 && m_jobs ? m_jobs->jobOf(descriptor) : 0;
    if (!jobId)
        return tr("%1 runs no job: there is nothing to compare the reads with.").arg(coderName());
    const Session *session = m_station->session();
    m_challenge = Challenge();
    m_challenge.active = true;
    m_challenge.by =
        session && session->signedIn() ? session->userName() : Journal::systemUserName();
    m_challenge.startedAt = m_now();
    m_challenge.jobId = jobId;
    // The stop must come within the product's number of reads.
    m_stopAfterJob = 0;
    Product product;
    const JobRecord *job = m_jobs->job(jobId);
    m_stopAfter = job && m_catalogue && m_catalogue->productByCode(job->productCode, &product).ok()
                      ? product.readerStopAfter
                      : Product::kDefaultReaderStopAfter;
    m_stopAfterJob = jobId;
    m_challenge.allowed = m_stopAfter;
    emit note(tr("Challenge test of reader %1 started by %2: let %3 wrong or missing codes pass.")
                  .arg(m_settings.name, m_challenge.by)
                  .arg(m_challenge.allowed));
    emit challengeChanged();
    return QString();
}

bool ReaderWatch::challengePassedToday() const
{
    if (m_challengesLoadedFor != m_settings.coder)
        const_cast<ReaderWatch *>(this)->loadTodaysChallenge();
    return m_lastPassed.isValid() && m_lastPassed.toLocalTime().date() == m_now().date();
}

void ReaderWatch::loadTodaysChallenge()
{
    m_challengesLoadedFor = m_settings.coder;
    const Coder *c = m_station->fleet()->coder(coder());
    if (!m_catalogue || !m_catalogue->isOpen() || !c)
        return;
    QList<ChallengeRecord> today;
    const QDateTime midnight(m_now().date(), QTime(0, 0));
    if (!m_catalogue->challenges(midnight, QDateTime(), c->connectionName, &today).ok())
        return;
    for (const ChallengeRecord &r : qAsConst(today)) {
        if (r.passed && r.reader == m_settings.name &&
            (!m_lastPassed.isValid() || r.endedAt > m_lastPassed))
            m_lastPassed = r.endedAt;
    }
}

void ReaderWatch::endChallenge(bool passed, const QString &detail)
{
    if (!m_challenge.active)
        return;
    const Challenge run = m_challenge;
    m_challenge = Challenge();
    const Coder *c = m_station->fleet()->coder(coder());
    ChallengeRecord record;
    record.coder = c ? c->connectionName : m_settings.coder;
    record.reader = m_settings.name;
    record.jobId = run.jobId;
    record.passed = passed;
    record.by = run.by;
    record.startedAt = run.startedAt.toUTC();
    record.endedAt = m_now().toUTC();
    record.readsSeen = run.readsSeen;
    record.detail = detail;
    if (passed)
        m_lastPassed = record.endedAt;
    m_station->commands()->record(JournalAction::kReaderChallenge,
                                  {{QStringLiteral("reader"), record.reader},
                                   {QStringLiteral("coder"), record.coder},
                                   {QStringLiteral("job"), record.jobId},
                                   {QStringLiteral("result"), ChallengeRecord::resultName(passed)},
                                   {QStringLiteral("reads"), record.readsSeen},
                                   {QStringLiteral("detail"), detail}},
                                  run.by);
    if (m_catalogue && m_catalogue->isOpen()) {
        const CatalogueStatus added = m_catalogue->addChallenge(&record);
        if (!added.ok())
            emit problem(tr("The challenge test of reader %1 is not in the catalogue: %2")
                             .arg(m_settings.name, added.reason));
    }
    const QString said =
        passed ? tr("Challenge test of reader %1 passed: %2 was stopped after %3 reads.")
                     .arg(m_settings.name, coderName())
                     .arg(record.readsSeen)
               : tr("Challenge test of reader %1 FAILED: %2.").arg(m_settings.name, detail);
    if (passed)
        emit note(said);
    else
        emit problem(said);
    emit challengeChanged();
}
