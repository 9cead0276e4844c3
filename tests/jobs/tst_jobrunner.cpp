// SPDX-License-Identifier: GPL-3.0-or-later
// Jobs on a station with simulated coders on 127.0.0.1 and a catalogue in
// SQLite: everything is checked before anything is sent, only a coder that
// reports the very message sent may print, and a coder that lies or whose
// message changes at its panel is stopped.
#include "../common/rawcoder.h"
#include "../common/testfiles.h"
#include "catalogue.h"
#include "commandjournal.h"
#include "fleet.h"
#include "joboutbox.h"
#include "jobrunner.h"
#include "journal.h"
#include "journalcheck.h"
#include "journalline.h"
#include "runningjobs.h"
#include "simulatedcoder.h"
#include "station.h"
#include "templatefill.h"

#include <QCryptographicHash>
#include <QJsonDocument>
#include <QLoggingCategory>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

const QByteArray kTemplate =
    R"({"ExternDataInfo":{"ExternMode":0},"TextItemInfo":[{"TextAtX":20,"TextAtY":10,)"
    R"("TextContent":"LOT {{lot}} BB {{best_before:dd.MM.yy}} L{{line}}"}]})";

QString sha256Of(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

QStringList journalActions()
{
    QStringList actions;
    forEachJournalLine("journal", QString(), QString(),
                       [&](const JournalLine &line, const QString &) {
                           actions << line.object.value("action").toString();
                           return true;
                       });
    return actions;
}

} // namespace

class TestJobRunner : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_before;
    std::unique_ptr<Station> station;
    std::unique_ptr<Catalogue> catalogue;
    std::unique_ptr<JobRunner> jobs;

    Product juice() const
    {
        Product p;
        p.code = "OJ-1L";
        p.gtin = "09501101020917";
        p.name = "Orange juice 1 l";
        p.templateName = "juice.spr";
        ShelfLifeRule::parse("30 days", &p.shelfLife, nullptr);
        p.coders = QStringList{"127.0.0.*"};
        JobField line;
        line.name = "line";
        line.label = "Line";
        line.kind = JobField::Kind::Integer;
        line.hasRange = true;
        line.minimum = 1;
        line.maximum = 12;
        line.required = true;
        p.fields << line;
        return p;
    }

    void approve(const QByteArray &bytes)
    {
        Approval a;
        a.templateName = "juice.spr";
        a.sha256 = sha256Of(bytes);
        a.signerName = "Olga Supervisor";
        a.account = "olga";
        a.meaning = "Approved for production";
        QVERIFY(catalogue->approve(&a, true).ok());
    }

    std::unique_ptr<SimulatedCoder> coder(const QString &folder, bool keepsItsMessage = false)
    {
        CoderSettings settings;
        settings.port = station->fleet()->listeningPort();
        settings.folder = folder;
        settings.keepsItsMessage = keepsItsMessage;
        settings.statusIntervalMs = 20;
        if (keepsItsMessage) {
            writeFile(folder + "/own.spr", "{\"own\":1}");
            settings.messageSource = folder + "/own.spr";
        }
        auto simulated = std::make_unique<SimulatedCoder>(settings);
        simulated->start();
        return simulated;
    }

    JobRunner::Request request(const QList<int> &coders) const
    {
        JobRunner::Request r;
        r.product = "OJ-1L";
        r.order = "PO-77";
        r.lot = "A2041";
        r.values.insert("line", "3");
        r.coders = coders;
        r.production = QDate(2026, 12, 9);
        r.user = "anna";
        return r;
    }

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules("korvex.*.debug=false\nkorvex.*.info=false");
        m_before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_dir.path()));
    }
    void cleanupTestCase() { QDir::setCurrent(m_before); }

    void init()
    {
        for (const char *folder : {"journal", "devices", "Jobs", "Spray"})
            QDir(folder).removeRecursively();
        QFile::remove("korvex.db");
        Station::Options options;
        options.port = 0;
        station = std::make_unique<Station>(options);
        QVERIFY(station->open().ok);
        station->fleet()->setReadBackTimeout(500);
        catalogue = std::make_unique<Catalogue>();
        QVERIFY(catalogue->open(DatabaseSettings::sqlite("korvex.db")).ok());
        Product p = juice();
        QVERIFY(catalogue->addProduct(&p, "olga").ok());
        writeFile("Spray/juice.spr", kTemplate);
        jobs = std::make_unique<JobRunner>(station.get(), catalogue.get());
    }
    void cleanup()
    {
        jobs.reset();
        catalogue.reset();
        station.reset();
    }

    // The placeholders and what filling them gives, or why not.
    void templatesAreFilledOrRefused_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("filled"); // or the error
        QTest::newRow("values and a date format")
            << QByteArray("LOT {{lot}} BB {{best_before:dd.MM.yy}}") << "LOT A2041 BB 08.01.27";
        QTest::newRow("no placeholder") << QByteArray("EXP") << "EXP";
        QTest::newRow("a value nobody gave")
            << QByteArray("{{colour}}")
            << "the template names {{colour}}, which this job has no value for";
        QTest::newRow("a format on a text")
            << QByteArray("{{lot:yyyy}}") << "{{lot:yyyy}} takes a date, and \"A2041\" is none";
    }
    void templatesAreFilledOrRefused()
    {
        QFETCH(QByteArray, text);
        const QByteArray message = "{\"TextItemInfo\":[{\"TextContent\":\"" + text + "\"}]}";
        const TemplateFill::Result result =
            TemplateFill::fill(message, {{"lot", "A2041"}, {"best_before", "2027-01-08"}});
        QFETCH(QString, filled);
        if (!result.ok) {
            QCOMPARE(result.error, filled);
            return;
        }
        const QJsonDocument document = QJsonDocument::fromJson(result.filled);
        QCOMPARE(document["TextItemInfo"][0]["TextContent"].toString(), filled);
    }

    // Refused before anything goes out: the reason, no message sent, no job.
    void aJobIsCheckedBeforeAnythingIsSent_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("reason");
        QTest::newRow("unknown product") << "product"
                                         << "No product \"NOPE\" in the catalogue";
        QTest::newRow("a field out of its range") << "line"
                                                  << "Line: ";
        QTest::newRow("a field nobody has") << "colour"
                                            << "OJ-1L has no field \"colour\".";
        QTest::newRow("not approved") << "unsigned"
                                      << "The template juice.spr as it is now (SHA-256 ";
        QTest::newRow("changed after its signature") << "changed"
                                                     << "is not approved for production";
        QTest::newRow("a coder the product may not run on")
            << "coders"
            << "may not run OJ-1L (Orange juice 1 l).";
        QTest::newRow("no lot") << "lot"
                                << "A job needs an order number and a lot.";
        QTest::newRow("packaging not scanned")
            << "packaging"
            << "OJ-1L starts only after a scan of its packaging; scan the packaging on the line.";
        QTest::newRow("packaging of another product")
            << "other packaging"
            << "the packaging scanned (GTIN 04006381333931) is not that of OJ-1L (GTIN "
               "09501101020917).";
        QTest::newRow("packaging scan with a wrong check digit")
            << "bad packaging"
            << "the packaging scan is no GTIN: ";
    }
    void aJobIsCheckedBeforeAnythingIsSent()
    {
        QFETCH(QString, change);
        if (change != "unsigned")
            approve(kTemplate);
        if (change == "changed")
            writeFile("Spray/juice.spr", QByteArray(kTemplate).replace("LOT", "L0T"));
        if (change == "coders" || change.contains("packaging")) {
            Product p;
            QVERIFY(catalogue->productByCode("OJ-1L", &p).ok());
            if (change == "coders")
                p.coders = QStringList{"Line 9"};
            p.packagingScan = change.contains("packaging");
            QVERIFY(catalogue->updateProduct(&p, "olga").ok());
        }
        RawCoder raw(station->fleet()->listeningPort());
        QTRY_COMPARE(station->fleet()->count(), 1);
        JobRunner::Request r = request(station->fleet()->descriptors());
        if (change == "product")
            r.product = "NOPE";
        if (change == "line")
            r.values["line"] = "13";
        if (change == "colour")
            r.values["colour"] = "red";
        if (change == "lot")
            r.lot.clear();
        if (change == "other packaging")
            r.packagingGtin = "4006381333931";
        if (change == "bad packaging")
            r.packagingGtin = "4006381333932";
        const JobRunner::Started started = jobs->start(r);
        QVERIFY(!started.ok);
        QFETCH(QString, reason);
        QVERIFY2(started.error.contains(reason), qPrintable(started.error));
        QTest::qWait(50);
        QVERIFY(raw.received.isEmpty());
        QCOMPARE(jobs->jobOf(r.coders.first()), 0);
        QList<JobRecord> records;
        QVERIFY(catalogue->jobs(JobQuery(), &records).ok());
        QVERIFY(records.isEmpty());
        QCOMPARE(journalActions().contains("packaging refused"), change == "other packaging");
    }

    // A job verified and started; a coder that keeps another message is
    // never started; a message changed at the panel later stops its coder;
    // the end stops them all and closes the batch record.
    void onlyACoderHoldingTheJobsMessagePrints()
    {
        approve(kTemplate);
        QTemporaryDir honestFolder, liarFolder;
        auto honest = coder(honestFolder.path());
        auto liar = coder(liarFolder.path(), true);
        QTRY_COMPARE(station->fleet()->count(), 2);
        const QList<int> both = station->fleet()->descriptors();
        const JobRunner::Started started = jobs->start(request(both));
        QVERIFY2(started.ok, qPrintable(started.error));
        QCOMPARE(started.messagePath, QString("Jobs/job-PO-77-A2041.spr"));
        const QByteArray sent = [&] {
            QFile f(started.messagePath);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }();
        QVERIFY(sent.contains("LOT A2041 BB 08.01.27 L3"));

        int verified = -1, lying = -1;
        QTRY_VERIFY(jobs->stateOf(both.at(0)) != JobRunner::Stage::Sending &&
                    jobs->stateOf(both.at(1)) != JobRunner::Stage::Sending);
        for (int d : both)
            (jobs->stateOf(d) == JobRunner::Stage::Verified ? verified : lying) = d;
        QVERIFY(verified >= 0 && lying >= 0);
        QCOMPARE(jobs->stateOf(lying), JobRunner::Stage::Mismatch);

        // Start: refused while any coder of the job is not verified.
        const CommandResult refused = station->fleet()->start(both);
        QVERIFY(!refused.ok);
        QVERIFY2(refused.error.contains("is mismatch, not verified"), qPrintable(refused.error));
        QVERIFY(station->fleet()->start({verified}).ok);
        QTRY_COMPARE(jobs->stateOf(verified), JobRunner::Stage::Running);
        QVERIFY(!liar->isPrinting());

        // Changed at the coder's own panel: the next read-back stops it.
        writeFile(honestFolder.filePath("job-PO-77-A2041.spr"), "{\"changed\":1}");
        jobs->setReadBackInterval(50);
        QTRY_COMPARE(jobs->stateOf(verified), JobRunner::Stage::Mismatch);
        QTRY_VERIFY(!honest->isPrinting());

        // A job whose coders cannot be stopped goes on (here the journal
        // refuses the stop).
        station->commands()->setPolicy([](const CommandRecord &command) {
            return command.action == CommandResult::Action::Stop ? QString("Held") : QString();
        });
        const QString goesOn = jobs->end(started.jobId, "anna");
        station->commands()->setPolicy(nullptr);
        QVERIFY2(goesOn.startsWith("Job "), qPrintable(goesOn));
        QCOMPARE(jobs->jobOf(verified), started.jobId);
        QVERIFY(jobs->end(started.jobId, "anna").isEmpty());
        QCOMPARE(jobs->jobOf(verified), 0);
        JobRecord record;
        QVERIFY(catalogue->job(started.jobId, &record).ok());
        QCOMPARE(record.endedBy, QString("anna"));
        QCOMPARE(record.lot, QString("A2041"));
        QCOMPARE(record.messageSha256, sha256Of(sent));
        QCOMPARE(record.templateSha256, sha256Of(kTemplate));
        QCOMPARE(record.coders.size(), 2);
        for (const JobCoderRecord &c : record.coders)
            QCOMPARE(c.result, QString("mismatch"));
        const QStringList actions = journalActions();
        QVERIFY(actions.contains("job started") && actions.contains("job ended"));
        QVERIFY(actions.contains("message sent"));
    }

    // A coder whose operator picks another message at its panel while it
    // prints the job's, and one that stops reading: the periodic read-back
    // finds the first holding another message and the second no longer
    // answering, and stops both.
    void aCoderThatLiesDuringTheJobIsStopped_data()
    {
        QTest::addColumn<int>("lie");
        QTest::addColumn<bool>("hasOwnMessage");
        QTest::addColumn<QString>("holds"); // what it reports after its lie; empty: nothing
        const int panel = int(CoderSettings::Lie::PanelChange);
        QTest::newRow("back to its own message at the panel") << panel << true << "own.spr";
        QTest::newRow("the job's message edited at the panel")
            << panel << false << "panel-job-PO-77-A2041.spr";
        QTest::newRow("stops reading") << int(CoderSettings::Lie::Stall) << false << QString();
    }
    void aCoderThatLiesDuringTheJobIsStopped()
    {
        QFETCH(int, lie);
        QFETCH(bool, hasOwnMessage);
        QFETCH(QString, holds);
        approve(kTemplate);
        QTemporaryDir folder;
        CoderSettings settings;
        settings.port = station->fleet()->listeningPort();
        settings.folder = folder.path();
        settings.statusIntervalMs = 20;
        settings.lie = CoderSettings::Lie(lie);
        // The stall counts from the connection, a panel change from the send.
        settings.lieAfterMs = holds.isEmpty() ? 1000 : 300;
        if (hasOwnMessage) {
            writeFile(folder.filePath("own.spr"), "{\"own\":1}");
            settings.messageSource = folder.filePath("own.spr");
        }
        SimulatedCoder simulated(settings);
        QSignalSpy lies(&simulated, &SimulatedCoder::lying);
        simulated.start();
        QTRY_COMPARE(station->fleet()->count(), 1);
        const int descriptor = station->fleet()->descriptors().first();
        const JobRunner::Started started = jobs->start(request({descriptor}));
        QVERIFY2(started.ok, qPrintable(started.error));
        QTRY_COMPARE(jobs->stateOf(descriptor), JobRunner::Stage::Verified);
        QVERIFY(station->fleet()->start({descriptor}).ok);
        QTRY_COMPARE(jobs->stateOf(descriptor), JobRunner::Stage::Running);
        QTRY_COMPARE(lies.size(), 1);
        jobs->setReadBackInterval(100);
        if (holds.isEmpty()) {
            // It takes no stop either; it is no longer counted as proven.
            QTRY_COMPARE(jobs->stateOf(descriptor), JobRunner::Stage::NotVerified);
        } else {
            QCOMPARE(simulated.currentFile(), holds);
            QTRY_COMPARE(jobs->stateOf(descriptor), JobRunner::Stage::Mismatch);
            QTRY_VERIFY(!simulated.isPrinting());
        }
        QVERIFY(jobs->end(started.jobId, "anna").isEmpty());
    }

    // A coder that goes away and comes back during the job may hold anything:
    // it is not verified, and it does not start.  So are the coders of a job
    // the service died in (kill -9, the power): started again, it knows the
    // job, which can be ended, and its batch record does not stay open.
    void aCoderBackDuringTheJobIsNotVerified_data()
    {
        QTest::addColumn<bool>("serviceDied");
        QTest::newRow("the coder reconnects") << false;
        QTest::newRow("the service died and started again") << true;
    }
    void aCoderBackDuringTheJobIsNotVerified()
    {
        QFETCH(bool, serviceDied);
        approve(kTemplate);
        QTemporaryDir folder;
        auto simulated = coder(folder.path());
        QTRY_COMPARE(station->fleet()->count(), 1);
        const JobRunner::Started started = jobs->start(request(station->fleet()->descriptors()));
        QVERIFY2(started.ok, qPrintable(started.error));
        QTRY_COMPARE(jobs->stateOf(station->fleet()->descriptors().first()),
                     JobRunner::Stage::Verified);
        if (serviceDied) {
            jobs.reset(); // no end: the service is gone
            jobs = std::make_unique<JobRunner>(station.get(), catalogue.get());
            QSignalSpy problems(jobs.get(), &JobRunner::problem);
            QCOMPARE(jobs->runningJobs(), QList<qint64>{started.jobId});
            QVERIFY(jobs->job(started.jobId));
            QCOMPARE(jobs->job(started.jobId)->lot, QString("A2041"));
            QCOMPARE(jobs->messagePathOf(started.jobId), started.messagePath);
            QTRY_COMPARE(problems.size(), 1);
            QVERIFY2(problems.first().first().toString().contains("was running when the service"),
                     qPrintable(problems.first().first().toString()));
        }
        simulated.reset();
        QTRY_COMPARE(station->fleet()->count(), 0);
        RawCoder back(station->fleet()->listeningPort());
        QTRY_COMPARE(station->fleet()->count(), 1);
        const int again = station->fleet()->descriptors().first();
        QCOMPARE(jobs->jobOf(again), started.jobId);
        QCOMPARE(jobs->stateOf(again), JobRunner::Stage::NotVerified);
        QVERIFY(!station->fleet()->start({again}).ok);
        if (!serviceDied)
            return;

        QVERIFY(jobs->end(started.jobId, "anna").isEmpty());
        QVERIFY(!QFile::exists("Jobs/running.json"));
        JobRecord record;
        QVERIFY(catalogue->job(started.jobId, &record).ok());
        QCOMPARE(record.endedBy, QString("anna"));
        QCOMPARE(record.coders.first().result, QString("not verified"));
        jobs.reset();
        jobs = std::make_unique<JobRunner>(station.get(), catalogue.get());
        QVERIFY(jobs->runningJobs().isEmpty());
    }

    // The service died while a job was being started, after its batch
    // record was written and before its message went: the record is closed
    // when the catalogue is open again; a start that wrote nothing leaves nothing.
    void aStartTheServiceDiedInIsClosed()
    {
        approve(kTemplate);
        JobRecord written;
        written.productCode = "OJ-1L";
        written.orderNumber = "PO-77";
        written.lot = "A2041";
        written.templateName = "juice.spr";
        written.templateSha256 = sha256Of(kTemplate);
        written.messageSha256 = QString(64, 'a');
        written.startedBy = "anna";
        QVERIFY(catalogue->addJob(&written).ok());
        RunningJobs::Entry died{written, "job-PO-77-A2041.spr", {}};
        died.record.id = 0;
        RunningJobs::Entry never = died;
        never.record.lot = "B1";
        QString error;
        jobs.reset();
        QVERIFY(RunningJobs::save("Jobs", {died, never}, &error));
        jobs = std::make_unique<JobRunner>(station.get(), catalogue.get());
        QSignalSpy problems(jobs.get(), &JobRunner::problem);
        QVERIFY(jobs->runningJobs().isEmpty());
        jobs->settleUnfinishedStarts();
        QCOMPARE(problems.size(), 1);
        QVERIFY2(problems.first().first().toString().contains("its message was never sent"),
                 qPrintable(problems.first().first().toString()));
        JobRecord record;
        QVERIFY(catalogue->job(written.id, &record).ok());
        QCOMPARE(record.endedBy, Journal::systemUserName());
        QVERIFY(journalActions().contains("job ended"));
        QVERIFY(!QFile::exists("Jobs/running.json"));
    }

    // The catalogue takes no write (here a write seam standing in for a
    // locked database): the coder's state and the job's end wait in the
    // outbox and its file; a runner started afresh writes them, in order.
    void batchRecordWritesWaitAcrossARestart()
    {
        approve(kTemplate);
        Product p;
        QVERIFY(catalogue->productByCode("OJ-1L", &p).ok());
        p.packagingScan = true;
        QVERIFY(catalogue->updateProduct(&p, "olga").ok());
        QTemporaryDir folder;
        auto simulated = coder(folder.path());
        QTRY_COMPARE(station->fleet()->count(), 1);
        const int descriptor = station->fleet()->descriptors().first();
        JobRunner::Request r = request({descriptor});
        r.packagingGtin = "9501101020917"; // the EAN-13 on the box
        const JobRunner::Started started = jobs->start(r);
        QVERIFY2(started.ok, qPrintable(started.error));
        const auto locked = [](const JobOutbox::Write &) {
            return CatalogueStatus::failure(CatalogueStatus::Kind::Unavailable, "locked");
        };
        jobs->outbox()->setWriter(locked);
        QSignalSpy problems(jobs.get(), &JobRunner::problem);
        QTRY_COMPARE(jobs->stateOf(descriptor), JobRunner::Stage::Verified);
        QCOMPARE(jobs->waitingRecords(), 1);
        QVERIFY(jobs->end(started.jobId, "anna").isEmpty());
        QVERIFY2(problems.last().first().toString().contains("2 write(s) wait for the catalogue"),
                 qPrintable(problems.last().first().toString()));
        QVERIFY(!problems.isEmpty());
        QVERIFY2(problems.first().first().toString().contains("locked"),
                 qPrintable(problems.first().first().toString()));
        QList<JobOutbox::Write> kept;
        QString error;
        QVERIFY(JobOutbox::fromJson(readFile("Jobs/outbox.json"), &kept, &error));
        QCOMPARE(kept.size(), 2);
        JobRecord record;
        QVERIFY(catalogue->job(started.jobId, &record).ok());
        QVERIFY(record.endedBy.isEmpty());
        QCOMPARE(record.coders.first().result, QString("sending"));

        // The restart: the writes come back from the file and go out once each.
        jobs = std::make_unique<JobRunner>(station.get(), catalogue.get());
        QCOMPARE(jobs->waitingRecords(), 2);
        QStringList written;
        jobs->outbox()->setWriter([&](const JobOutbox::Write &w) {
            written << (w.kind == JobOutbox::Write::Kind::End ? "end" : w.coder.result);
            return w.kind == JobOutbox::Write::Kind::End ? catalogue->endJob(w.jobId, w.by, w.at)
                                                         : catalogue->updateJobCoder(w.coder);
        });
        QTRY_COMPARE(jobs->waitingRecords(), 0);
        QCOMPARE(written, QStringList({"verified", "end"}));
        QVERIFY(!QFile::exists("Jobs/outbox.json"));
        QVERIFY(catalogue->job(started.jobId, &record).ok());
        QCOMPARE(record.endedBy, QString("anna"));
        QCOMPARE(record.coders.first().result, QString("verified"));
    }

    // A file of the outbox that cannot be read is put aside, not overwritten.
    void aDamagedOutboxIsKeptAside()
    {
        jobs.reset();
        QVERIFY(QDir().mkpath("Jobs"));
        writeFile("Jobs/outbox.json", "{\"version\":1,\"writes\":[{\"kind\":\"coffee\"}]}");
        writeFile("Jobs/running.json",
                  "{\"version\":1,\"jobs\":[{\"job\":7,\"message\":\"../x\"}]}");
        jobs = std::make_unique<JobRunner>(station.get(), catalogue.get());
        QSignalSpy problems(jobs.get(), &JobRunner::problem);
        QTRY_COMPARE(problems.size(), 2);
        const QString text = problems.first().first().toString();
        QVERIFY2(text.contains("write 1 is of no known kind (\"coffee\")"), qPrintable(text));
        const QString running = problems.last().first().toString();
        QVERIFY2(running.contains("names no job or no message of its own"), qPrintable(running));
        QVERIFY(jobs->runningJobs().isEmpty());
        QCOMPARE(QDir("Jobs").entryList({"running.json.damaged-*"}).size(), 1);
        QCOMPARE(jobs->waitingRecords(), 0);
        const QStringList aside = QDir("Jobs").entryList({"outbox.json.damaged-*"});
        QCOMPARE(aside.size(), 1);
        QCOMPARE(readFile("Jobs/" + aside.first()),
                 QByteArray("{\"version\":1,\"writes\":[{\"kind\":\"coffee\"}]}"));
    }

    // PostgreSQL goes away during a job: no job starts meanwhile, the writes
    // of the running one wait, and when the server is back they arrive
    // exactly once and in the order they were made.
    void batchRecordWritesWaitForTheServer()
    {
        const QString pg = QString::fromLocal8Bit(qgetenv("KORVEX_TEST_POSTGRES"));
        if (pg.isEmpty() || !QFile::exists(pg + "/port"))
            QSKIP("no PostgreSQL server of the tests (run through ctest, which starts one)");
        const auto line = [&](const char *name) {
            return QString::fromUtf8(readFile(pg + "/" + name)).trimmed();
        };
        const auto server = [&](const QString &action) {
            QProcess p;
            p.start(QString::fromLocal8Bit(qgetenv("KORVEX_POSTGRES_SCRIPT")), {action, pg});
            QVERIFY(p.waitForFinished(120000));
            QVERIFY2(p.exitCode() == 0, p.readAllStandardError().constData());
        };
        DatabaseSettings s;
        s.driver = DatabaseSettings::Driver::Postgres;
        s.host = "127.0.0.1";
        s.port = line("port").toInt();
        s.database = line("database");
        s.user = line("user");
        s.password = line("password");
        s.sslMode = "disable";
        jobs.reset();
        {
            // Each run starts from an empty database.
            QSqlDatabase db = QSqlDatabase::addDatabase("QPSQL", "test-raw");
            db.setHostName(s.host);
            db.setPort(s.port);
            db.setDatabaseName(s.database);
            db.setUserName(s.user);
            db.setPassword(s.password);
            db.setConnectOptions("options=-cclient_min_messages=warning");
            QVERIFY(db.open());
            QVERIFY(QSqlQuery(db).exec("DROP SCHEMA public CASCADE; CREATE SCHEMA public"));
        }
        QSqlDatabase::removeDatabase("test-raw");
        catalogue = std::make_unique<Catalogue>();
        QVERIFY(catalogue->open(s).ok());
        Product p = juice();
        QVERIFY(catalogue->addProduct(&p, "olga").ok());
        approve(kTemplate);
        jobs = std::make_unique<JobRunner>(station.get(), catalogue.get());
        jobs->outbox()->setRetry(50, 400);
        QStringList written;
        jobs->outbox()->setWriter([&](const JobOutbox::Write &w) {
            const CatalogueStatus status = w.kind == JobOutbox::Write::Kind::End
                                               ? catalogue->endJob(w.jobId, w.by, w.at)
                                               : catalogue->updateJobCoder(w.coder);
            if (status.ok())
                written << (w.kind == JobOutbox::Write::Kind::End
                                ? QString("end")
                                : w.coder.ip.section(':', -1) + " " + w.coder.result);
            return status;
        });

        QTemporaryDir a, b;
        auto first = coder(a.path());
        auto second = coder(b.path());
        QTRY_COMPARE(station->fleet()->count(), 2);
        const QList<int> both = station->fleet()->descriptors();
        const JobRunner::Started started = jobs->start(request(both));
        QVERIFY2(started.ok, qPrintable(started.error));
        for (int d : both)
            QTRY_COMPARE(jobs->stateOf(d), JobRunner::Stage::Verified);
        written.clear();

        server("pause");
        QVERIFY(station->fleet()->start(both).ok);
        for (int d : both)
            QTRY_COMPARE(jobs->stateOf(d), JobRunner::Stage::Running);
        QCOMPARE(jobs->waitingRecords(), 2);
        // Ended, though its end waits: the caller is not told to try again.
        QSignalSpy waiting(jobs.get(), &JobRunner::problem);
        const QString ended = jobs->end(started.jobId, "anna");
        QVERIFY2(ended.isEmpty(), qPrintable(ended));
        QVERIFY(!waiting.isEmpty());
        QVERIFY2(waiting.last().first().toString().contains("3 write(s) wait"),
                 qPrintable(waiting.last().first().toString()));
        const QStringList queued = [&] {
            QStringList names;
            for (const JobOutbox::Write &w : jobs->outbox()->queue())
                names << (w.kind == JobOutbox::Write::Kind::End
                              ? QString("end")
                              : w.coder.ip.section(':', -1) + " " + w.coder.result);
            return names;
        }();
        QCOMPARE(queued.size(), 3);
        QCOMPARE(queued.last(), QString("end"));
        const JobRunner::Started refused = jobs->start(request(both));
        QVERIFY(!refused.ok);
        QVERIFY2(refused.error.contains("the catalogue cannot be reached, so neither the product "
                                        "nor the approval of its template can be checked"),
                 qPrintable(refused.error));
        QVERIFY(written.isEmpty());

        server("resume");
        QTRY_COMPARE_WITH_TIMEOUT(jobs->waitingRecords(), 0, 15000);
        QCOMPARE(written, queued);
        QVERIFY(!QFile::exists("Jobs/outbox.json"));
        JobRecord record;
        QVERIFY(catalogue->job(started.jobId, &record).ok());
        QCOMPARE(record.endedBy, QString("anna"));
        for (const JobCoderRecord &c : record.coders)
            QCOMPARE(c.result, QString("running"));
        QList<JobRecord> all;
        QVERIFY(catalogue->jobs(JobQuery(), &all).ok());
        QCOMPARE(all.size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestJobRunner)
#include "tst_jobrunner.moc"
