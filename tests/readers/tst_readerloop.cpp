// SPDX-License-Identifier: GPL-3.0-or-later
// The whole loop on 127.0.0.1: a job on a simulated coder, reader-sim
// drawing each of its prints and reading the codes back with zbar, and the
// watch comparing them with the job.  The right lot is good; the message
// changed at the coder's own panel to another lot is caught from the picture
// and stops the coder; a reader that goes away is connected to again; the
// challenge test passes on a wrong code and fails when a good one follows.
#include "catalogue.h"
#include "fleet.h"
#include "jobrunner.h"
#include "printedcodesof.h"
#include "readersim.h"
#include "readerwatch.h"
#include "simulatedcoder.h"
#include "station.h"

#include "../common/approvedproduct.h"

#include <QLoggingCategory>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

// A Code 128 of the lot, as a line's reader finds it after the coder.
const QByteArray kTemplate =
    R"({"ExternDataInfo":{"ExternMode":0},"TextItemInfo":[{"TextAtX":20,"TextAtY":10,)"
    R"("TextContent":"LOT {{lot}}"}],"BarcodeItemInfo":[{"BarAtX":20,"BarAtY":40,)"
    R"("BarContent":"10{{lot}}","BarMode":20,"BarHeight":40,"BarScale":2}]})";

} // namespace

class TestReaderLoop : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QTemporaryDir m_coderFolder;
    QString m_before;
    std::unique_ptr<Station> station;
    std::unique_ptr<Catalogue> catalogue;
    std::unique_ptr<JobRunner> jobs;
    std::unique_ptr<SimulatedCoder> simulated;
    std::unique_ptr<ReaderSim> sim;
    std::unique_ptr<ReaderWatch> watch;
    int descriptor = -1;

    bool listen(quint16 port)
    {
        sim = std::make_unique<ReaderSim>();
        QString error;
        if (!sim->listen(QHostAddress::LocalHost, port, &error)) {
            qWarning("reader-sim: %s", qPrintable(error));
            return false;
        }
        sim->follow(simulated.get());
        return true;
    }
    void startPrinting()
    {
        QVERIFY(station->fleet()->start({descriptor}).ok);
        QTRY_VERIFY(simulated->isPrinting());
    }
    // The message the coder holds, with another lot: what an operator's
    // edit at the coder's panel leaves behind.
    void changeTheLotAtThePanel(const QByteArray &from, const QByteArray &to)
    {
        const QString path = simulated->currentFilePath();
        QByteArray bytes = readFile(path);
        QVERIFY(bytes.contains(from));
        writeFile(path, bytes.replace(from, to));
    }

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules("korvex.*.debug=false\nkorvex.*.info=false");
        m_before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_dir.path()));
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
        coder.statusIntervalMs = 100; // a print each report
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
        QTRY_COMPARE(jobs->stateOf(descriptor), JobRunner::Stage::Verified);

        QVERIFY(listen(0));
        ReaderSettings settings;
        settings.name = "1";
        settings.host = "127.0.0.1";
        settings.port = sim->port();
        settings.coder = station->fleet()->coder(descriptor)->ipText;
        settings.silentSeconds = 60;
        watch = std::make_unique<ReaderWatch>(station.get(), jobs.get(), catalogue.get(), settings,
                                              &PrintedCodesOfFile::at);
        watch->start();
        QTRY_VERIFY(watch->link()->isConnected());
    }
    void cleanupTestCase()
    {
        watch.reset();
        sim.reset();
        simulated.reset();
        jobs.reset();
        catalogue.reset();
        station.reset();
        QDir::setCurrent(m_before);
    }

    // The lot printed is the job's: every read is good.  Then the message
    // is changed at the coder: the decoded wrong lot stops it after the
    // product's three reads, with an alarm.
    void theWrongLotIsCaughtFromThePicture()
    {
        startPrinting();
        QTRY_VERIFY_WITH_TIMEOUT(watch->counts().good >= 3, 15000);
        QCOMPARE(watch->counts().bad, 0);
        QCOMPARE(watch->counts().noRead, 0);

        changeTheLotAtThePanel("A2041", "B9999");
        QTRY_COMPARE_WITH_TIMEOUT(watch->alarm(), ReaderWatch::Alarm::BadReads, 15000);
        QTRY_VERIFY(!simulated->isPrinting());
        QVERIFY(watch->counts().bad >= 3);
        QVERIFY2(watch->alarmText().contains("10B9999"), qPrintable(watch->alarmText()));
        QCOMPARE(watch->acknowledge(), QString()); // users off: anyone
        changeTheLotAtThePanel("B9999", "A2041");
    }

    // The reader goes away and comes back on its port: the watch connects
    // again and reads go on being compared.
    void aReaderThatDropsOutIsConnectedToAgain()
    {
        const quint16 port = sim->port();
        sim.reset();
        QTRY_VERIFY(!watch->link()->isConnected());
        QVERIFY(listen(port));
        QTRY_VERIFY_WITH_TIMEOUT(watch->link()->isConnected(), 10000);
        const qint64 good = watch->counts().good;
        startPrinting();
        QTRY_VERIFY_WITH_TIMEOUT(watch->counts().good >= good + 2, 15000);
    }

    // The challenge: a wrong code must stop the coder within three reads.
    // One spoiled read followed by good ones fails it; a challenge card
    // (the wrong lot) passes it.
    void theChallengeOnDecodedPrints()
    {
        QVERIFY(simulated->isPrinting());
        QCOMPARE(watch->startChallenge(), QString());
        sim->corruptNextRead();
        QTRY_VERIFY_WITH_TIMEOUT(!watch->challengeRunning(), 15000);
        QVERIFY(!watch->challengePassedToday());
        QVERIFY(simulated->isPrinting());

        QCOMPARE(watch->startChallenge(), QString());
        changeTheLotAtThePanel("A2041", "C0000");
        QTRY_VERIFY_WITH_TIMEOUT(!watch->challengeRunning(), 15000);
        QVERIFY(watch->challengePassedToday());
        QTRY_VERIFY(!simulated->isPrinting());

        QList<ChallengeRecord> records;
        QVERIFY(catalogue->challenges(QDateTime(), QDateTime(), QString(), &records).ok());
        QCOMPARE(records.size(), 2);
    }
};

// A QApplication: the prints are drawn as they print.
QTEST_MAIN(TestReaderLoop)
#include "tst_readerloop.moc"
