// SPDX-License-Identifier: GPL-3.0-or-later
// A code reader after a coder running a job, on a station with a simulated
// coder on 127.0.0.1, a plain server standing in for the reader and a
// catalogue in SQLite: the right code is good, wrong or unreadable ones in a
// row stop the coder and raise an alarm only a Supervisor clears, and the
// challenge test passes only when the coder is stopped in time.
#include "../common/approvedproduct.h"
#include "catalogue.h"
#include "commandjournal.h"
#include "fleet.h"
#include "jobrunner.h"
#include "journalcheck.h"
#include "journalline.h"
#include "printedcodesof.h"
#include "readerwatch.h"
#include "session.h"
#include "simulatedcoder.h"
#include "station.h"

#include <QLoggingCategory>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

const QByteArray kTemplate =
    R"({"ExternDataInfo":{"ExternMode":0},"TextItemInfo":[{"TextAtX":20,"TextAtY":10,)"
    R"("TextContent":"LOT {{lot}}"}],"BarcodeItemInfo":[{"BarAtX":20,"BarAtY":40,)"
    R"("BarContent":"10{{lot}}","BarMode":20,"BarHeight":30,"BarScale":1}]})";
const QString kPassword = "correct horse 12";

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

class TestReaderWatch : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_before;
    QTemporaryDir m_coderFolder;
    std::unique_ptr<Station> station;
    std::unique_ptr<Catalogue> catalogue;
    std::unique_ptr<JobRunner> jobs;
    std::unique_ptr<SimulatedCoder> simulated;
    QTcpServer server;
    QTcpSocket *reader = nullptr;
    std::unique_ptr<ReaderWatch> watch;
    QDateTime now;
    int descriptor = -1;
    qint64 jobId = 0;

    void send(const QByteArray &lines)
    {
        reader->write(lines);
        reader->flush();
    }
    // Sends the line and waits for the watch to take it.
    ReaderWatch::Read read(const QByteArray &line)
    {
        QSignalSpy seen(watch.get(), &ReaderWatch::readSeen);
        send(line + "\r\n");
        if (!seen.wait(5000))
            return ReaderWatch::Read::NotCompared;
        return seen.first().first().value<ReaderWatch::Read>();
    }
    void startPrinting()
    {
        QVERIFY(station->fleet()->start({descriptor}).ok);
        QTRY_VERIFY(simulated->isPrinting());
        QTRY_COMPARE(station->fleet()->coder(descriptor)->state, CoderState::Printing);
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
        QFile::remove("users.json");
        Station::Options options;
        options.port = 0;
        station = std::make_unique<Station>(options);
        QVERIFY(station->open().ok);
        catalogue = std::make_unique<Catalogue>();
        QVERIFY(catalogue->open(DatabaseSettings::sqlite("korvex.db")).ok());
        addApprovedJuice(*catalogue, kTemplate);
        jobs = std::make_unique<JobRunner>(station.get(), catalogue.get());

        CoderSettings coder;
        coder.port = station->fleet()->listeningPort();
        coder.folder = m_coderFolder.path();
        coder.statusIntervalMs = 20;
        simulated = std::make_unique<SimulatedCoder>(coder);
        simulated->start();
        QTRY_COMPARE(station->fleet()->count(), 1);
        descriptor = station->fleet()->descriptors().first();
        JobRunner::Request r;
        r.product = "OJ-1L";
        r.order = "PO-77";
        r.lot = "A2041";
        r.coders = {descriptor};
        r.user = "anna";
        const JobRunner::Started started = jobs->start(r);
        QVERIFY2(started.ok, qPrintable(started.error));
        jobId = started.jobId;
        QTRY_COMPARE(jobs->stateOf(descriptor), JobRunner::Stage::Verified);

        QVERIFY(server.listen(QHostAddress::LocalHost, 0));
        ReaderSettings settings;
        settings.name = "1";
        settings.host = "127.0.0.1";
        settings.port = server.serverPort();
        settings.coder = station->fleet()->coder(descriptor)->ipText;
        settings.silentSeconds = 5;
        now = QDateTime(QDate(2026, 12, 9), QTime(10, 0));
        watch = std::make_unique<ReaderWatch>(station.get(), jobs.get(), catalogue.get(), settings,
                                              &PrintedCodesOfFile::at);
        watch->setClock([this] { return now; });
        watch->start();
        QTRY_VERIFY(server.hasPendingConnections());
        reader = server.nextPendingConnection();
        QTRY_VERIFY(watch->link()->isConnected());
    }
    void cleanup()
    {
        watch.reset();
        server.close();
        reader = nullptr;
        simulated.reset();
        jobs.reset();
        catalogue.reset();
        station.reset();
    }

    // The right code is good; wrong and unreadable ones in a row stop the
    // coder with an alarm and a journal line; only a Supervisor clears it;
    // the counts go into the batch record; without a job nothing is compared.
    void badReadsStopTheCoderUntilASupervisorAcknowledges()
    {
        startPrinting();
        QCOMPARE(read("10A2041"), ReaderWatch::Read::Good);
        QCOMPARE(read("10B9999"), ReaderWatch::Read::Bad);
        QCOMPARE(read("10A2041"), ReaderWatch::Read::Good); // the run starts over
        QCOMPARE(read("10B9999"), ReaderWatch::Read::Bad);
        QCOMPARE(read("NOREAD"), ReaderWatch::Read::NoRead);
        QCOMPARE(watch->alarm(), ReaderWatch::Alarm::None);
        QSignalSpy alarm(watch.get(), &ReaderWatch::alarmChanged);
        send(QByteArray("\x00\x01garbage\xff\n", 12)); // the third in a row
        QTRY_COMPARE(alarm.count(), 1);
        QCOMPARE(watch->alarm(), ReaderWatch::Alarm::BadReads);
        QVERIFY2(watch->alarmText().contains("3 wrong or unreadable codes in a row"),
                 qPrintable(watch->alarmText()));
        QTRY_VERIFY(!simulated->isPrinting());
        QVERIFY(journalActions().contains("reader alarm"));
        // Started again before anyone acknowledged: the next bad read stops it again.
        startPrinting();
        QCOMPARE(read("10B9999"), ReaderWatch::Read::Bad);
        QTRY_VERIFY(!simulated->isPrinting());
        QCOMPARE(journalActions().count("reader alarm"), 2);

        // Users on: an Operator may not clear it, a Supervisor may.
        QVERIFY(station->session()->switchOn("admin", kPassword).ok);
        QVERIFY(station->session()->setUser("oleg", Role::Operator, kPassword).ok);
        QVERIFY(station->session()->setUser("sveta", Role::Supervisor, kPassword).ok);
        station->session()->signOut("test");
        QVERIFY(station->session()->signIn("oleg", kPassword).ok);
        QVERIFY(watch->acknowledge().contains("Only a Supervisor"));
        QVERIFY(watch->startChallenge().contains("Only a Supervisor"));
        QCOMPARE(watch->alarm(), ReaderWatch::Alarm::BadReads);
        station->session()->signOut("test");
        QVERIFY(station->session()->signIn("sveta", kPassword).ok);
        QCOMPARE(watch->acknowledge(), QString());
        QCOMPARE(watch->alarm(), ReaderWatch::Alarm::None);
        QVERIFY(journalActions().contains("reader alarm acknowledged"));

        watch->flush();
        QList<ReaderCounts> counts;
        QVERIFY(catalogue->readerCounts(jobId, &counts).ok());
        QCOMPARE(counts.size(), 1);
        QCOMPARE(counts.first().good, 2);
        QCOMPARE(counts.first().bad, 4);
        QCOMPARE(counts.first().noRead, 1);
        QCOMPARE(counts.first().reader, QString("1"));

        // After the job, reads are counted and not compared.
        QVERIFY(jobs->end(jobId, "anna").isEmpty());
        for (int i = 0; i < 4; ++i)
            QCOMPARE(read("10B9999"), ReaderWatch::Read::NotCompared);
        QCOMPARE(watch->counts().notCompared, 4);
        QCOMPARE(watch->alarm(), ReaderWatch::Alarm::None);
    }

    // A read just after midnight matches what printed just before it too;
    // later, only the new day's code is good.
    void aReadStraddlingMidnightMatchesBothSides()
    {
        ReaderSettings settings = watch->settings();
        watch.reset();
        reader = nullptr;
        const auto codesOf = [](const QString &, const QDateTime &moment) {
            PrintedCodes codes;
            codes.loaded = true;
            codes.codes << moment.date().toString("yyMMdd");
            codes.until = QDateTime(moment.date().addDays(1), QTime(0, 0));
            return codes;
        };
        watch = std::make_unique<ReaderWatch>(station.get(), jobs.get(), catalogue.get(), settings,
                                              codesOf);
        watch->setClock([this] { return now; });
        now = QDateTime(QDate(2026, 12, 10), QTime(0, 0, 1));
        QCOMPARE(watch->take("261209"), ReaderWatch::Read::Good);
        QCOMPARE(watch->take("261210"), ReaderWatch::Read::Good);
        now = now.addSecs(5);
        QCOMPARE(watch->take("261209"), ReaderWatch::Read::Bad);
        QCOMPARE(watch->take("261210"), ReaderWatch::Read::Good);
    }

    // A reader silent for too long while its coder prints: an alarm, and
    // the coder goes on.
    void aSilentReaderIsAnAlarm()
    {
        watch->checkSilence();
        QCOMPARE(watch->alarm(), ReaderWatch::Alarm::None);
        startPrinting();
        now = now.addSecs(4);
        watch->checkSilence();
        QCOMPARE(watch->alarm(), ReaderWatch::Alarm::None);
        now = now.addSecs(2);
        watch->checkSilence();
        QCOMPARE(watch->alarm(), ReaderWatch::Alarm::Silent);
        QVERIFY(watch->alarmText().contains("has sent nothing for 5 s"));
        QVERIFY(simulated->isPrinting());
    }

    // The challenge: passed when the coder stops within the product's
    // number of reads; failed on a good code, or when the stop fails; the
    // result in the catalogue and the journal.
    void theChallengePassesOnlyWhenTheCoderStops_data()
    {
        QTest::addColumn<QByteArrayList>("reads");
        QTest::addColumn<bool>("stopRefused");
        QTest::addColumn<QString>("result"); // "passed" or what the failure says
        QTest::newRow("stopped at the third bad read")
            << QByteArrayList{"10X", "NOREAD", "10Y"} << false << "passed";
        QTest::newRow("a good code read")
            << QByteArrayList{"10A2041"} << false << "the challenge needs a wrong or missing code";
        QTest::newRow("the stop refused")
            << QByteArrayList{"10X", "10X", "10X"} << true << "it could not be stopped";
    }
    void theChallengePassesOnlyWhenTheCoderStops()
    {
        QFETCH(QByteArrayList, reads);
        QFETCH(bool, stopRefused);
        QFETCH(QString, result);
        startPrinting();
        QVERIFY(!watch->challengePassedToday());
        QCOMPARE(watch->startChallenge(), QString());
        QVERIFY(watch->challengeRunning());
        if (stopRefused)
            station->commands()->setPolicy([](const CommandRecord &command) {
                return command.action == CommandResult::Action::Stop ? QString("Held") : QString();
            });
        for (const QByteArray &r : reads)
            read(r);
        station->commands()->setPolicy(nullptr);
        QVERIFY(!watch->challengeRunning());
        QList<ChallengeRecord> records;
        QVERIFY(catalogue->challenges(QDateTime(), QDateTime(), QString(), &records).ok());
        QCOMPARE(records.size(), 1);
        const ChallengeRecord &c = records.first();
        QCOMPARE(c.readsSeen, reads.size());
        QCOMPARE(c.jobId, jobId);
        QCOMPARE(c.passed, result == "passed");
        QCOMPARE(watch->challengePassedToday(), c.passed);
        if (!c.passed)
            QVERIFY2(c.detail.contains(result), qPrintable(c.detail));
        QVERIFY(journalActions().contains("reader challenge"));
    }
};

// A QApplication: the message is laid out as it prints.
QTEST_MAIN(TestReaderWatch)
#include "tst_readerwatch.moc"
