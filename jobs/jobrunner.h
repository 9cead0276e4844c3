// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commandrecord.h"
#include "commandresult.h"
#include "records.h"

#include <QDate>
#include <QHash>
#include <QMap>
#include <QObject>
#include <QTimer>

#include <optional>

class Catalogue;
class JobOutbox;
class Station;
struct Product;

// Jobs on a station: a product of the catalogue, an order, a lot and the
// values of the product's fields, run on a set of coders.  Starting one
// checks everything before anything is sent (the product, each value, the
// template's approval of exactly the bytes on disk, which coders may run
// it), fills the template into a message of its own in "Jobs/", sends it
// through the station (loaded and pre-flighted like any message) and reads
// it back from every coder: only a coder whose report is the very message
// sent is verified, and the station's Fleet refuses to start any coder of a
// job that is not.  A coder that reconnects during the job, or whose
// periodic read-back differs (its message was changed at its own panel), is
// stopped and said so.  The batch record goes to the catalogue and the
// journal as it happens; what the catalogue cannot take while a job runs
// (its server away) waits in a JobOutbox, kept on disk, and is written in
// order when it is back.  A job never starts without the catalogue: the
// product and the template's approval must be checked.
class JobRunner : public QObject
{
    Q_OBJECT
public:
    static constexpr const char *kJobFolder = "Jobs";
    static constexpr int kDefaultReadBackMs = 5 * 60 * 1000;

    // Where one coder stands in its job.
    enum class Stage { Sending, Verified, Running, Mismatch, NotVerified };

    struct Request
    {
        QString product; // its code, or a GTIN in any of its forms
        QString order;
        QString lot;
        QMap<QString, QString> values; // field name -> value; missing: the default
        QList<int> coders;
        QDate production; // invalid: today
        QString user;     // who starts it (the signed-in user, or the claimed one)
        CommandOrigin origin;
        // What a scan of the packaging on the line gave (any GTIN form); a
        // product that asks for a confirming scan starts only when it is its own.
        QString packagingGtin;
    };

    struct Started
    {
        bool ok = false;
        QString error;
        qint64 jobId = 0;
        QString messagePath; // the filled message
    };

    JobRunner(Station *station, Catalogue *catalogue, QObject *parent = nullptr);
    ~JobRunner() override;

    Started start(const Request &request);
    // Stops the job's coders and records its end.
    QString end(qint64 jobId, const QString &user, const CommandOrigin &origin = CommandOrigin());

    // The job a connection runs, 0 for none; its state in it.
    qint64 jobOf(int descriptor) const;
    Stage stateOf(int descriptor) const;
    static QString stateName(Stage state);
    const JobRecord *job(qint64 jobId) const;
    // The jobs running now, by id (also those found running at start).
    QList<qint64> runningJobs() const;
    // Closes the batch records of jobs whose start the service did not live
    // to finish (their messages were never sent), once the catalogue is open.
    void settleUnfinishedStarts();
    // The filled message a running job sends ("Jobs/job-PO-77-A2041.spr"); empty for none.
    QString messagePathOf(qint64 jobId) const;

    void setReadBackInterval(int ms) { m_readBack.setInterval(ms); }
    // The production date when a request gives none (tests).
    void setToday(std::function<QDate()> today) { m_today = std::move(today); }
    // The time a job's end is recorded at (tests).
    void setClock(std::function<QDateTime()> now) { m_now = std::move(now); }
    // The batch-record writes that wait for the catalogue.
    JobOutbox *outbox() const { return m_outbox; }
    int waitingRecords() const;

signals:
    void stageChanged(int descriptor, JobRunner::Stage stage);
    void jobEnded(qint64 jobId);
    void problem(const QString &text);
    // How many batch-record writes wait for the catalogue, when it changes.
    void recordsWaiting(int count);

private:
    struct Running
    {
        JobRecord record;
        QString messageName;
        QHash<QString, qint64> coderIds; // IP text -> its JobCoderRecord id
    };
    // The job being started, kept in the file before its batch record is
    // written; the starts a dead service left unfinished.
    std::optional<Running> m_starting;
    QList<Running> m_unfinished;
    struct Member
    {
        qint64 jobId = 0;
        Stage state = Stage::Sending;
        bool asked = false; // a periodic read-back awaits its answer
    };

    QString check(const Request &request, Product *product, QByteArray *templateBytes,
                  QString *templateSha, qint64 *approvalId, QMap<QString, QString> *values);
    QString checkPackaging(const Request &request, const Product &product);
    void readBackChanged(int descriptor);
    void coderAdded(int descriptor);
    void setState(int descriptor, Stage state, const QString &why = QString());
    QString startGate(int descriptor) const;
    void recordCoder(qint64 jobId, int descriptor, const QString &result);
    // Keeps the running jobs in their file, for a start after a death.
    void saveRunning();
    void resumeRunning();

    Station *m_station;
    Catalogue *m_catalogue;
    QHash<qint64, Running> m_jobs;
    QHash<int, Member> m_members;
    QTimer m_readBack;
    std::function<QDate()> m_today;
    std::function<QDateTime()> m_now;
    JobOutbox *m_outbox;
};

Q_DECLARE_METATYPE(JobRunner::Stage)
