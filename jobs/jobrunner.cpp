// SPDX-License-Identifier: GPL-3.0-or-later
#include "jobrunner.h"

#include "boundedread.h"
#include "catalogue.h"
#include "commandjournal.h"
#include "fleet.h"
#include "gtin.h"
#include "joboutbox.h"
#include "journal.h"
#include "journalactions.h"
#include "product.h"
#include "runningjobs.h"
#include "station.h"
#include "templatefill.h"
#include "writewhole.h"

#include <QCryptographicHash>
#include <QTimer>

#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QSaveFile>
#include <algorithm>

namespace {

QString sha256Hex(const QByteArray &bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

QString shortHash(const QString &hex)
{
    return hex.left(12) + QChar(0x2026);
}

// The filled message's name says the job: "job-<order>-<lot>.spr", with
// anything a file name may not hold replaced.
QString messageNameFor(const QString &order, const QString &lot)
{
    QString name = QStringLiteral("job-%1-%2").arg(order, lot);
    for (QChar &c : name) {
        if (!(c.isLetterOrNumber() || c == QLatin1Char('-') || c == QLatin1Char('_') ||
              c == QLatin1Char('.')) ||
            c.unicode() > 0x7e)
            c = QLatin1Char('_');
    }
    return name.left(120) + QStringLiteral(".spr");
}

// The job's own origin, for the stops it gives by itself.
CommandOrigin jobOrigin(qint64 jobId)
{
    return {QStringLiteral("job"), QStringLiteral("job %1").arg(jobId), QString()};
}

} // namespace

JobRunner::JobRunner(Station *station, Catalogue *catalogue, QObject *parent)
    : QObject(parent), m_station(station), m_catalogue(catalogue),
      m_today([] { return QDate::currentDate(); }),
      m_now([] { return QDateTime::currentDateTimeUtc(); }),
      m_outbox(new JobOutbox(catalogue, QString::fromLatin1(kJobFolder), this))
{
    connect(m_outbox, &JobOutbox::problem, this, &JobRunner::problem);
    connect(m_outbox, &JobOutbox::waitingChanged, this, &JobRunner::recordsWaiting);
    qRegisterMetaType<JobRunner::Stage>();
    Fleet *fleet = station->fleet();
    fleet->setStartGate([this](const Coder &coder) { return startGate(coder.descriptor); });
    connect(fleet, &Fleet::readBackChanged, this, &JobRunner::readBackChanged);
    connect(fleet, &Fleet::coderAdded, this, &JobRunner::coderAdded);
    connect(fleet, &Fleet::coderRemoved, this,
            [this](int descriptor) { m_members.remove(descriptor); });
    connect(fleet, &Fleet::stateChanged, this, [this](int descriptor, ::CoderState state) {
        const auto member = m_members.constFind(descriptor);
        if (member != m_members.constEnd() && member->state == JobRunner::Stage::Verified &&
            state == ::CoderState::Printing)
            setState(descriptor, JobRunner::Stage::Running);
    });
    m_readBack.setInterval(kDefaultReadBackMs);
    connect(&m_readBack, &QTimer::timeout, this, [this] {
        // A coder that left the last read-back unanswered (one that stopped
        // reading, say) proves nothing any more. Stopping it may drop it, so
        // the members are walked by a copy of their descriptors.
        for (const int descriptor : m_members.keys()) {
            const auto member = m_members.constFind(descriptor);
            if (member == m_members.constEnd())
                continue;
            if (member->asked &&
                (member->state == Stage::Verified || member->state == Stage::Running))
                setState(descriptor, Stage::NotVerified, tr("it did not report its message"));
            const auto asking = m_members.find(descriptor);
            if (asking == m_members.end())
                continue;
            asking->asked = true;
            m_station->fleet()->requestCurrentFile(descriptor);
        }
    });
    resumeRunning();
}

JobRunner::~JobRunner()
{
    m_station->fleet()->setStartGate(nullptr);
}

QString JobRunner::check(const Request &request, Product *product, QByteArray *templateBytes,
                         QString *templateSha, qint64 *approvalId, QMap<QString, QString> *values)
{
    if (!m_catalogue->isOpen())
        return tr("the catalogue is not open; coders keep what they run.");
    CatalogueStatus found = m_catalogue->productByCode(request.product, product);
    if (found.kind == CatalogueStatus::Kind::NotFound)
        found = m_catalogue->productByGtin(request.product, product);
    if (found.kind == CatalogueStatus::Kind::Unavailable)
        return tr("the catalogue cannot be reached, so neither the product nor the approval of "
                  "its template can be checked (%1).")
            .arg(found.reason);
    if (!found.ok())
        return found.kind == CatalogueStatus::Kind::NotFound ||
                       found.kind == CatalogueStatus::Kind::Invalid
                   ? tr("No product \"%1\" in the catalogue (%2).")
                         .arg(request.product, found.reason)
                   : tr("The catalogue cannot be read: %1.").arg(found.reason);
    if (request.order.trimmed().isEmpty() || request.lot.trimmed().isEmpty())
        return tr("A job needs an order number and a lot.");
    const QString packaging = checkPackaging(request, *product);
    if (!packaging.isEmpty())
        return packaging;

    Fleet *fleet = m_station->fleet();
    if (request.coders.isEmpty())
        return tr("A job needs at least one coder.");
    for (int descriptor : request.coders) {
        const Coder *coder = fleet->coder(descriptor);
        if (!coder)
            return tr("A coder of the job is no longer connected.");
        if (!product->mayRunOn(coder->ipText, coder->remarkName))
            return tr("%1 may not run %2 (%3).")
                .arg(coder->connectionName, product->code, product->name);
        if (const qint64 other = jobOf(descriptor))
            return tr("%1 runs job %2; end it first.").arg(coder->connectionName).arg(other);
    }

    for (auto it = request.values.cbegin(); it != request.values.cend(); ++it) {
        const bool known = std::any_of(product->fields.cbegin(), product->fields.cend(),
                                       [&](const JobField &f) { return f.name == it.key(); });
        if (!known)
            return tr("%1 has no field \"%2\".").arg(product->code, it.key());
    }
    for (const JobField &field : qAsConst(product->fields)) {
        const QString value = request.values.value(field.name, field.defaultValue);
        const QString label = field.label.isEmpty() ? field.name : field.label;
        if (value.isEmpty() && field.required)
            return tr("%1: a value is needed.").arg(label);
        if (!value.isEmpty()) {
            const QString wrong = field.check(value);
            if (!wrong.isEmpty())
                return tr("%1: %2").arg(label, wrong);
        }
        values->insert(field.name, value);
    }
    const QDate production = request.production.isValid() ? request.production : m_today();
    values->insert(QStringLiteral("lot"), request.lot);
    values->insert(QStringLiteral("order"), request.order);
    values->insert(QStringLiteral("product"), product->code);
    values->insert(QStringLiteral("gtin"), product->gtin);
    values->insert(QStringLiteral("production"), production.toString(Qt::ISODate));
    const QDate bestBefore = product->shelfLife.bestBefore(production);
    if (bestBefore.isValid())
        values->insert(QStringLiteral("best_before"), bestBefore.toString(Qt::ISODate));

    // Only the very bytes that were signed may run.
    const QString path = QDir(m_station->messageFolder()).filePath(product->templateName);
    const PlainFile file = PlainFile::read(path);
    if (!file.ok())
        return tr("The template %1 of %2 cannot be read%3.")
            .arg(product->templateName, product->code,
                 file.error.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(file.error));
    *templateBytes = file.bytes;
    *templateSha = sha256Hex(file.bytes);
    Approval approval;
    const CatalogueStatus approved =
        m_catalogue->approvalOf(product->templateName, *templateSha, &approval);
    if (approved.kind == CatalogueStatus::Kind::NotFound)
        return tr("The template %1 as it is now (SHA-256 %2) is not approved for production: "
                  "have a supervisor sign it.")
            .arg(product->templateName, shortHash(*templateSha));
    if (!approved.ok())
        return tr("The catalogue cannot be read: %1.").arg(approved.reason);
    *approvalId = approval.id;
    return QString();
}

JobRunner::Started JobRunner::start(const Request &request)
{
    Started started;
    if (m_outbox->waiting())
        m_outbox->flush();
    settleUnfinishedStarts();
    const auto refuse = [&](const QString &why) {
        started.error = tr("The job was not started: %1").arg(why);
        emit problem(started.error);
        return started;
    };
    Product product;
    QByteArray templateBytes;
    QString templateSha;
    qint64 approvalId = 0;
    QMap<QString, QString> values;
    const QString wrong =
        check(request, &product, &templateBytes, &templateSha, &approvalId, &values);
    if (!wrong.isEmpty())
        return refuse(wrong);
    const TemplateFill::Result filled =
        TemplateFill::fill(templateBytes, values, &product.shelfLife);
    if (!filled.ok)
        return refuse(filled.error);

    // The filled message, a message file like any other.
    const QString name = messageNameFor(request.order, request.lot);
    if (!QDir().mkpath(QString::fromLatin1(kJobFolder)))
        return refuse(tr("the folder %1 cannot be made").arg(QString::fromLatin1(kJobFolder)));
    const QString path = QDir(QString::fromLatin1(kJobFolder)).filePath(name);
    QSaveFile out(path);
    QString reason;
    if (!out.open(QIODevice::WriteOnly) || !writeWhole(out, filled.filled, &reason) ||
        !out.commit()) {
        out.cancelWriting();
        return refuse(tr("%1 cannot be written (%2)")
                          .arg(path, reason.isEmpty() ? out.errorString() : reason));
    }

    // The batch record first: nothing runs that is not recorded.
    JobRecord record;
    record.productCode = product.code;
    record.orderNumber = request.order;
    record.lot = request.lot;
    for (const JobField &field : qAsConst(product.fields))
        record.fieldValues.append({field.name, values.value(field.name)});
    record.templateName = product.templateName;
    record.templateSha256 = templateSha;
    record.approvalId = approvalId;
    record.messageSha256 = sha256Hex(filled.filled);
    record.startedBy = request.user;
    Fleet *fleet = m_station->fleet();
    for (int descriptor : request.coders) {
        const Coder *coder = fleet->coder(descriptor);
        JobCoderRecord c;
        c.ip = coder->connectionName;
        c.remarkName = coder->remarkName;
        c.sentSha256 = record.messageSha256;
        c.result = stateName(Stage::Sending);
        record.coders << c;
    }
    // Kept before the record is written, so that a death in between leaves
    // no batch record open for ever (see settleUnfinishedStarts).
    m_starting = Running{record, name, {}};
    m_starting->record.startedAt = m_now();
    saveRunning();
    const CatalogueStatus added = m_catalogue->addJob(&record);
    m_starting.reset();
    if (!added.ok()) {
        saveRunning();
        return refuse(tr("the batch record cannot be written (%1); coders keep what they run")
                          .arg(added.reason));
    }
    Running running;
    running.record = record;
    running.messageName = name;
    for (const JobCoderRecord &c : qAsConst(record.coders))
        running.coderIds.insert(c.ip, c.id);
    m_jobs.insert(record.id, running);
    for (int descriptor : request.coders)
        m_members.insert(descriptor, Member{record.id, Stage::Sending});

    QJsonArray coders;
    for (const JobCoderRecord &c : qAsConst(record.coders))
        coders.append(
            QJsonObject{{QStringLiteral("ip"), c.ip}, {QStringLiteral("name"), c.remarkName}});
    QJsonObject fields{{QStringLiteral("job"), record.id},
                       {QStringLiteral("product"), product.code},
                       {QStringLiteral("order"), request.order},
                       {QStringLiteral("lot"), request.lot},
                       {QStringLiteral("template"), product.templateName},
                       {QStringLiteral("templateSha256"), templateSha},
                       {QStringLiteral("sha256"), record.messageSha256},
                       {QStringLiteral("coders"), coders}};
    const QString journalRefused =
        m_station->commands()->record(JournalAction::kJobStarted, fields, request.user);
    if (!journalRefused.isEmpty()) {
        end(record.id, request.user, request.origin);
        return refuse(journalRefused);
    }
    // Kept as running only now: a death before this leaves the start
    // unfinished, its record and journal closed at the next start.
    saveRunning();

    const CommandResult sent = m_station->apply(path, request.coders, request.origin);
    if (!sent.ok) {
        end(record.id, request.user, request.origin);
        return refuse(sent.error);
    }
    for (int descriptor : request.coders) {
        if (!sent.reached.contains(descriptor))
            setState(descriptor, Stage::NotVerified, tr("the message did not reach it"));
    }
    m_readBack.start();
    started.ok = true;
    started.jobId = record.id;
    started.messagePath = path;
    return started;
}

QString JobRunner::end(qint64 jobId, const QString &user, const CommandOrigin &origin)
{
    if (!m_jobs.contains(jobId))
        return tr("No job %1 is running.").arg(jobId);
    QList<int> coders;
    for (auto it = m_members.cbegin(); it != m_members.cend(); ++it) {
        if (it->jobId == jobId)
            coders << it.key();
    }
    // A job whose coders could not be stopped goes on: they still print it.
    if (!coders.isEmpty()) {
        const CommandResult stopped =
            m_station->fleet()->stop(coders, origin.isRemote() ? origin : jobOrigin(jobId));
        if (!stopped.ok) {
            const QString text = tr("Job %1 goes on: %2").arg(jobId).arg(stopped.error);
            emit problem(text);
            return text;
        }
    }
    for (int descriptor : qAsConst(coders))
        m_members.remove(descriptor);
    const Running running = m_jobs.take(jobId);
    saveRunning();
    // The batch record names who ended it, the PC's login when nobody is named.
    const QString who = user.isEmpty() ? Journal::systemUserName() : user;
    JobOutbox::Write write;
    write.kind = JobOutbox::Write::Kind::End;
    write.jobId = jobId;
    write.by = who;
    write.at = m_now();
    const bool ended = m_outbox->write(write);
    m_station->commands()->record(JournalAction::kJobEnded,
                                  {{QStringLiteral("job"), jobId},
                                   {QStringLiteral("lot"), running.record.lot},
                                   {QStringLiteral("order"), running.record.orderNumber}},
                                  who);
    if (m_jobs.isEmpty())
        m_readBack.stop();
    emit jobEnded(jobId);
    if (!ended && m_outbox->waiting()) {
        // The job has ended: its coders are stopped and the journal says so.
        // Its end waits in the outbox, and a caller told otherwise would try
        // again and hear that no such job runs.
        emit problem(tr("Job %1 ended, but its end is not in the batch record yet: %n write(s) "
                        "wait for the catalogue.",
                        nullptr, m_outbox->waiting())
                         .arg(jobId));
    } else if (!ended) {
        const QString text = tr("Job %1 ended, but the batch record refused its end.").arg(jobId);
        emit problem(text);
        return text;
    }
    return QString();
}

int JobRunner::waitingRecords() const
{
    return m_outbox->waiting();
}

qint64 JobRunner::jobOf(int descriptor) const
{
    return m_members.value(descriptor).jobId;
}

JobRunner::Stage JobRunner::stateOf(int descriptor) const
{
    return m_members.value(descriptor).state;
}

const JobRecord *JobRunner::job(qint64 jobId) const
{
    const auto found = m_jobs.constFind(jobId);
    return found == m_jobs.constEnd() ? nullptr : &found->record;
}

QList<qint64> JobRunner::runningJobs() const
{
    QList<qint64> ids = m_jobs.keys();
    std::sort(ids.begin(), ids.end());
    return ids;
}

QString JobRunner::messagePathOf(qint64 jobId) const
{
    const auto found = m_jobs.constFind(jobId);
    return found == m_jobs.constEnd()
               ? QString()
               : QDir(QString::fromLatin1(kJobFolder)).filePath(found->messageName);
}

QString JobRunner::stateName(Stage state)
{
    switch (state) {
    case Stage::Sending:
        return QStringLiteral("sending");
    case Stage::Verified:
        return QStringLiteral("verified");
    case Stage::Running:
        return QStringLiteral("running");
    case Stage::Mismatch:
        return QStringLiteral("mismatch");
    case Stage::NotVerified:
        return QStringLiteral("not verified");
    }
    return QString();
}

// The packaging on the line must be the product's own when the product says
// so; a scan of another product's is journaled as well as refused.
QString JobRunner::checkPackaging(const Request &request, const Product &product)
{
    if (!product.packagingScan)
        return QString();
    if (request.packagingGtin.trimmed().isEmpty())
        return tr("%1 starts only after a scan of its packaging; scan the packaging on the line.")
            .arg(product.code);
    const Gtin::Result scanned = Gtin::normalise(request.packagingGtin.trimmed());
    if (!scanned.ok())
        return tr("the packaging scan is no GTIN: %1").arg(scanned.error);
    if (scanned.gtin14 == product.gtin)
        return QString();
    m_station->commands()->record(JournalAction::kPackagingRefused,
                                  {{QStringLiteral("product"), product.code},
                                   {QStringLiteral("gtin"), product.gtin},
                                   {QStringLiteral("scanned"), scanned.gtin14},
                                   {QStringLiteral("order"), request.order},
                                   {QStringLiteral("lot"), request.lot}},
                                  request.user);
    return tr("the packaging scanned (GTIN %1) is not that of %2 (GTIN %3).")
        .arg(scanned.gtin14, product.code, product.gtin);
}

QString JobRunner::startGate(int descriptor) const
{
    const auto member = m_members.constFind(descriptor);
    if (member == m_members.constEnd() || member->state == Stage::Verified ||
        member->state == Stage::Running)
        return QString();
    const Coder *coder = m_station->fleet()->coder(descriptor);
    return tr("%1 of job %2 is %3, not verified.")
        .arg(coder ? coder->connectionName : QString())
        .arg(member->jobId)
        .arg(stateName(member->state));
}

void JobRunner::readBackChanged(int descriptor)
{
    const auto member = m_members.find(descriptor);
    const Coder *coder = m_station->fleet()->coder(descriptor);
    if (member == m_members.end() || !coder)
        return;
    if (coder->readBack == ReadBack::Verified || coder->readBack == ReadBack::Mismatch)
        member->asked = false;
    switch (coder->readBack) {
    case ReadBack::Verified:
        if (member->state == Stage::Sending)
            setState(descriptor, Stage::Verified);
        break;
    case ReadBack::Mismatch:
        setState(descriptor, Stage::Mismatch,
                 tr("it holds %1 (SHA-256 %2), not the job's message")
                     .arg(coder->currentFile, shortHash(coder->currentFileSha256)));
        break;
    case ReadBack::NoAnswer:
        setState(descriptor, Stage::NotVerified, tr("it did not report its message"));
        break;
    case ReadBack::None:
    case ReadBack::Pending:
        break;
    }
}

void JobRunner::coderAdded(int descriptor)
{
    const Coder *coder = m_station->fleet()->coder(descriptor);
    if (!coder)
        return;
    // Back during a job: it may hold anything by now.
    for (auto it = m_jobs.cbegin(); it != m_jobs.cend(); ++it) {
        if (!it->coderIds.contains(coder->connectionName))
            continue;
        m_members.insert(descriptor, Member{it.key(), Stage::Sending});
        setState(descriptor, Stage::NotVerified,
                 tr("it reconnected during the job; end the job and start it again"));
        return;
    }
}

void JobRunner::setState(int descriptor, Stage state, const QString &why)
{
    auto member = m_members.find(descriptor);
    if (member == m_members.end())
        return;
    const Stage was = member->state;
    member->state = state;
    const qint64 jobId = member->jobId;
    recordCoder(jobId, descriptor, stateName(state));
    emit stageChanged(descriptor, state);
    if (state != Stage::Mismatch && state != Stage::NotVerified)
        return;
    const Coder *coder = m_station->fleet()->coder(descriptor);
    const QString name = coder ? coder->connectionName : QString();
    // Never print a message nobody proved; a coder printing one is stopped.
    m_station->fleet()->stop({descriptor}, jobOrigin(jobId));
    emit problem(tr("%1 of job %2 is stopped: %3.").arg(name).arg(jobId).arg(why));
    Q_UNUSED(was)
}

void JobRunner::recordCoder(qint64 jobId, int descriptor, const QString &result)
{
    const auto running = m_jobs.constFind(jobId);
    const Coder *coder = m_station->fleet()->coder(descriptor);
    if (running == m_jobs.constEnd() || !coder)
        return;
    JobCoderRecord c;
    c.id = running->coderIds.value(coder->connectionName);
    c.jobId = jobId;
    c.ip = coder->connectionName;
    c.remarkName = coder->remarkName;
    c.sentSha256 = running->record.messageSha256;
    c.readBackSha256 =
        coder->readBack == ReadBack::Verified || coder->readBack == ReadBack::Mismatch
            ? coder->currentFileSha256
            : QString();
    c.result = result;
    c.resultAt =
        coder->readBackTime.isValid() ? coder->readBackTime : QDateTime::currentDateTimeUtc();
    JobOutbox::Write write;
    write.jobId = jobId;
    write.coder = c;
    m_outbox->write(write);
}

void JobRunner::saveRunning()
{
    QList<RunningJobs::Entry> entries;
    for (const qint64 id : runningJobs()) {
        const Running &r = m_jobs[id];
        entries << RunningJobs::Entry{r.record, r.messageName, r.coderIds};
    }
    QList<Running> starting = m_unfinished;
    if (m_starting)
        starting << *m_starting;
    for (const Running &r : qAsConst(starting)) {
        RunningJobs::Entry e{r.record, r.messageName, {}};
        e.record.id = 0;
        entries << e;
    }
    QString error;
    if (!RunningJobs::save(QString::fromLatin1(kJobFolder), entries, &error))
        emit problem(tr("The running jobs cannot be kept for a restart: %1.").arg(error));
}

// A service that died (killed, the power) left its jobs running: their
// coders may print their messages still.  They are known again, so that
// they can be ended, and each of their coders that comes back is one that
// reconnected during the job: stopped until the job is started again.
void JobRunner::resumeRunning()
{
    QString problemText;
    const QList<RunningJobs::Entry> found =
        RunningJobs::load(QString::fromLatin1(kJobFolder), &problemText);
    QStringList notes;
    if (!problemText.isEmpty())
        notes << problemText;
    for (const RunningJobs::Entry &e : found) {
        if (e.record.id == 0) {
            m_unfinished << Running{e.record, e.messageName, {}};
            continue;
        }
        m_jobs.insert(e.record.id, Running{e.record, e.messageName, e.coderIds});
        notes << tr("Job %1 (order %2, lot %3) was running when the service stopped; its coders "
                    "are stopped as they come back. End it, and start it again to go on.")
                     .arg(e.record.id)
                     .arg(e.record.orderNumber, e.record.lot);
    }
    if (!m_jobs.isEmpty())
        m_readBack.start();
    // Said once the owner is connected to our signals.
    if (!notes.isEmpty())
        QTimer::singleShot(0, this, [this, notes] {
            for (const QString &text : notes)
                emit problem(text);
        });
}

// A start the service died in: its batch record may have been written, but
// its message was never sent (that comes after the job is kept as running).
// The record, found by its lot, order and message, is closed as ended by
// the system.
void JobRunner::settleUnfinishedStarts()
{
    if (m_unfinished.isEmpty() || !m_catalogue->isOpen())
        return;
    QList<Running> left;
    for (const Running &r : qAsConst(m_unfinished)) {
        JobQuery query;
        query.lot = r.record.lot;
        QList<JobRecord> records;
        const CatalogueStatus listed = m_catalogue->jobs(query, &records);
        if (!listed.ok()) {
            left << r;
            continue;
        }
        // Only the record this start wrote: open, of the same order and
        // message, written when it was kept.  Another station's job of the
        // same lot is never taken for it; when in doubt, nothing is closed.
        QList<JobRecord> matches;
        for (const JobRecord &record : qAsConst(records)) {
            if (record.endedBy.isEmpty() && !m_jobs.contains(record.id) &&
                record.orderNumber == r.record.orderNumber &&
                record.messageSha256 == r.record.messageSha256 &&
                (!r.record.startedAt.isValid() ||
                 record.startedAt >= r.record.startedAt.addSecs(-5)))
                matches << record;
        }
        if (matches.size() > 1) {
            emit problem(tr("A start of lot %1 (order %2) was cut short when the service stopped; "
                            "%3 open batch records could be its own, so none is closed.")
                             .arg(r.record.lot, r.record.orderNumber)
                             .arg(matches.size()));
            continue;
        }
        for (const JobRecord &record : qAsConst(matches)) {
            if (!m_catalogue->endJob(record.id, Journal::systemUserName(), m_now()).ok()) {
                left << r;
                break;
            }
            m_station->commands()->record(JournalAction::kJobEnded,
                                          {{QStringLiteral("job"), record.id},
                                           {QStringLiteral("lot"), record.lot},
                                           {QStringLiteral("order"), record.orderNumber}},
                                          Journal::systemUserName());
            emit problem(tr("Job %1 (order %2, lot %3) was being started when the service "
                            "stopped; its message was never sent, and its batch record is closed.")
                             .arg(record.id)
                             .arg(record.orderNumber, record.lot));
        }
    }
    m_unfinished = left;
    saveRunning();
}
