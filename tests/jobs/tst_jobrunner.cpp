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
#include "jobrunner.h"
#include "journalcheck.h"
#include "journalline.h"
#include "simulatedcoder.h"
#include "station.h"
#include "templatefill.h"

#include <QCryptographicHash>
#include <QJsonDocument>
#include <QLoggingCategory>
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
    }
    void aJobIsCheckedBeforeAnythingIsSent()
    {
        QFETCH(QString, change);
        if (change != "unsigned")
            approve(kTemplate);
        if (change == "changed")
            writeFile("Spray/juice.spr", QByteArray(kTemplate).replace("LOT", "L0T"));
        if (change == "coders") {
            Product p;
            QVERIFY(catalogue->productByCode("OJ-1L", &p).ok());
            p.coders = QStringList{"Line 9"};
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

    // A coder that goes away and comes back during the job may hold anything:
    // it is not verified, and it does not start.
    void aCoderBackDuringTheJobIsNotVerified()
    {
        approve(kTemplate);
        QTemporaryDir folder;
        auto simulated = coder(folder.path());
        QTRY_COMPARE(station->fleet()->count(), 1);
        const JobRunner::Started started = jobs->start(request(station->fleet()->descriptors()));
        QVERIFY2(started.ok, qPrintable(started.error));
        QTRY_COMPARE(jobs->stateOf(station->fleet()->descriptors().first()),
                     JobRunner::Stage::Verified);
        simulated.reset();
        QTRY_COMPARE(station->fleet()->count(), 0);
        RawCoder back(station->fleet()->listeningPort());
        QTRY_COMPARE(station->fleet()->count(), 1);
        const int again = station->fleet()->descriptors().first();
        QCOMPARE(jobs->jobOf(again), started.jobId);
        QCOMPARE(jobs->stateOf(again), JobRunner::Stage::NotVerified);
        QVERIFY(!station->fleet()->start({again}).ok);
    }
};

QTEST_GUILESS_MAIN(TestJobRunner)
#include "tst_jobrunner.moc"
