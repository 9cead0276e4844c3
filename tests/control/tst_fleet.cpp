// SPDX-License-Identifier: GPL-3.0-or-later
// The coders and their commands without any window: simulated and raw
// coders on 127.0.0.1 drive a Fleet listening on a port the system picks.
#include "../common/rawcoder.h"
#include "../common/testfiles.h"
#include "commandjournal.h"
#include "commandtext.h"
#include "devicestore.h"
#include "filerecord.h"
#include "fleet.h"
#include "journal.h"
#include "journalcheck.h"
#include "journalline.h"
#include "printparameters.h"
#include "simulatedcoder.h"
#include "stationsettings.h"
#include "tcpserver.h"

#include <memory>

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLoggingCategory>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

namespace {

const QByteArray kMessage = R"({"ExternDataInfo":{"ExternMode":0},"TextItemInfo":[]})";

// Keeps what it is told and refuses while refusing is set.
struct ScriptedRecorder : CommandRecorder
{
    QString refusing;
    QList<CommandRecord> records;
    QList<CommandResult> results;
    QString before(const CommandRecord &record) override
    {
        if (refusing.isEmpty())
            records << record;
        return refusing;
    }
    void after(const CommandRecord &, const CommandResult &result) override { results << result; }
};

QList<QJsonObject> journalLines(const QString &folder)
{
    QList<QJsonObject> lines;
    forEachJournalLine(folder, QString(), QString(), [&](const JournalLine &line, const QString &) {
        lines << line.object;
        return true;
    });
    return lines;
}

Coder coderAt(int descriptor, const QString &ip, const QString &name = QString(),
              const QByteArray &block = QByteArray())
{
    Coder c;
    c.descriptor = descriptor;
    c.ipText = ip;
    c.remarkName = name;
    c.parameterBlock = block;
    return c;
}

} // namespace

class TestFleet : public QObject
{
    Q_OBJECT

    std::unique_ptr<Fleet> fleet;

    quint16 port() const { return fleet->listeningPort(); }

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules("korvex.*.debug=false\nkorvex.*.info=false");
    }

    void init()
    {
        QSettings(QSettings::NativeFormat, QSettings::UserScope, "KorvexSoftWare").clear();
        QDir("devices").removeRecursively();
        QDir().mkpath("Spray");
        writeFile("Spray/label1.spr", kMessage);
        fleet = std::make_unique<Fleet>();
        QVERIFY(fleet->listen(0).ok);
    }

    void cleanup() { fleet.reset(); }

    // Apply, parameters, start and stop, the requests and the records they fill.
    void commandsReachASimulatedCoderAndItsRecordFollows()
    {
        QTemporaryDir dir;
        CoderSettings settings;
        settings.port = port();
        settings.folder = dir.path();
        settings.statusIntervalMs = 20;
        SimulatedCoder coder(settings);
        QSignalSpy results(fleet.get(), &Fleet::commandDone);
        QSignalSpy notes(fleet.get(), &Fleet::note);
        coder.start();
        QTRY_COMPARE(fleet->count(), 1);
        const int descriptor = fleet->descriptors().first();
        QCOMPARE(fleet->coder(descriptor)->ipText, QString("127.0.0.1"));

        const CommandResult applied = fleet->apply("Spray/label1.spr", {descriptor, 9999});
        QVERIFY(applied.ok);
        QCOMPARE(applied.reached, QList<int>{descriptor});
        QCOMPARE(fleet->coder(descriptor)->currentFile, QString("label1.spr"));
        QCOMPARE(fleet->coder(descriptor)->currentFileSha256,
                 QCryptographicHash::hash(kMessage, QCryptographicHash::Sha256).toHex());
        QTRY_COMPARE(readFile(dir.filePath("label1.spr")), kMessage);
        QTRY_COMPARE(readFile("devices/127.0.0.1/label1.spr"), kMessage);

        PrintParameters parameters;
        parameters.lineSpeed = 45;
        parameters.splice = true;
        QVERIFY(fleet->applyParameters(parameters.toBytes(), {descriptor}).ok);
        QTRY_COMPARE(coder.parameters(), parameters);
        fleet->requestParameters(descriptor);
        QTRY_COMPARE(fleet->coder(descriptor)->parameterBlock, parameters.toBytes());

        QSignalSpy stored(fleet.get(), &Fleet::currentFileStored);
        QDir("devices").removeRecursively();
        fleet->requestCurrentFile(descriptor);
        QTRY_COMPARE(stored.size(), 1);
        QCOMPARE(stored.first().at(1).toString(), QString("devices/127.0.0.1/label1.spr"));
        QCOMPARE(readFile("devices/127.0.0.1/label1.spr"), kMessage);

        PrintParameters faster = parameters;
        faster.lineSpeed = 60;
        faster.splice = false;
        QVERIFY(fleet->applyParameters(faster.toBytes(), {descriptor}).ok);

        fleet->start({descriptor});
        QTRY_VERIFY(coder.isPrinting());
        QTRY_COMPARE(fleet->coder(descriptor)->state, CoderState::Printing);
        QTRY_VERIFY(fleet->coder(descriptor)->progress > 0);
        fleet->stop({descriptor});
        QTRY_VERIFY(!coder.isPrinting());
        QCOMPARE(results.size(), 5);
        QStringList said;
        for (const QList<QVariant> &n : notes)
            said << n.first().toString();
        said.removeAll("Coder 127.0.0.1 connected");
        QCOMPARE(said, QStringList({"label1.spr sent to 127.0.0.1",
                                    "Print parameters sent to 127.0.0.1 (its own were not "
                                    "reported before)",
                                    "Print parameters of 127.0.0.1: splice on → off, line speed "
                                    "45 → 60 m/min",
                                    "Start: 127.0.0.1", "Stop: 127.0.0.1"}));
    }

    // Every command is shown to the recorder before it goes out; one it
    // refuses sends nothing and says why.
    void theRecorderSeesEveryCommandAndMayRefuseIt()
    {
        ScriptedRecorder recorder;
        fleet->setRecorder(&recorder);
        RawCoder coder(port());
        QTRY_COMPARE(fleet->count(), 1);
        const int descriptor = fleet->descriptors().first();
        fleet->setRemarkName(descriptor, "Line 3");
        QVERIFY(fleet->apply("Spray/label1.spr", {descriptor}).ok);
        QVERIFY(fleet->start({descriptor}, {"mqtt", "korvexd", "anna"}).ok);
        QCOMPARE(recorder.records.size(), 3);
        QCOMPARE(recorder.records.at(0).action, CommandResult::Action::RemarkName);
        QCOMPARE(recorder.records.at(0).remarkName, QString("Line 3"));
        QVERIFY(recorder.records.at(0).coders.first().remarkName.isEmpty()); // as it was
        QCOMPARE(recorder.records.at(1).fileName, QString("label1.spr"));
        QCOMPARE(recorder.records.at(1).sha256,
                 QString(QCryptographicHash::hash(kMessage, QCryptographicHash::Sha256).toHex()));
        QCOMPARE(recorder.records.at(1).bytes, kMessage.size());
        QCOMPARE(recorder.records.at(2).origin.user, QString("anna"));
        QCOMPARE(recorder.results.size(), 3);
        // The message, the read-back's request for it, the start.
        QTRY_COMPARE(coder.commands().size(), 3);

        recorder.refusing = "The journal cannot be written";
        QSignalSpy problems(fleet.get(), &Fleet::problem);
        const CommandResult refused = fleet->stop({descriptor});
        QVERIFY(!refused.ok);
        QCOMPARE(refused.error, QString("The journal cannot be written. Nothing was sent."));
        QCOMPARE(problems.size(), 1);
        QVERIFY(!fleet->setRemarkName(descriptor, "Line 4").ok);
        QCOMPARE(fleet->coder(descriptor)->remarkName, QString("Line 3"));
        QCOMPARE(fleet->settings()->remarkName("127.0.0.1"), QString("Line 3"));
        const quint16 before = port();
        QVERIFY(!fleet->rebind(0).ok);
        QCOMPARE(port(), before);
        QTest::qWait(50);
        QCOMPARE(coder.commands().size(), 3);
        QCOMPARE(recorder.results.size(), 3);
        fleet->setRecorder(nullptr);
    }

    // The journal of a scripted run, field by field; a command from the
    // plant bus carries its account and the user it claims.
    void aScriptedRunIsJournaledFieldByField()
    {
        QDir("journal").removeRecursively();
        Journal journal("journal");
        journal.setClock(
            [] { return QDateTime(QDate(2026, 12, 8), QTime(13, 0), Qt::OffsetFromUTC, 3600); });
        journal.setPc("LINE-PC");
        CommandJournal commands(fleet.get(), &journal);
        commands.setUser("anna");
        commands.open();
        QTemporaryDir dir;
        CoderSettings settings;
        settings.port = port();
        settings.folder = dir.path();
        SimulatedCoder coder(settings);
        coder.start();
        QTRY_COMPARE(fleet->count(), 1);
        const int descriptor = fleet->descriptors().first();
        fleet->setRemarkName(descriptor, "Line 3");
        QVERIFY(fleet->apply("Spray/label1.spr", {descriptor}).ok);
        fleet->requestParameters(descriptor);
        QTRY_VERIFY(!fleet->coder(descriptor)->parameterBlock.isEmpty());
        PrintParameters changed =
            PrintParameters::fromBytes(fleet->coder(descriptor)->parameterBlock);
        const int oldSpeed = changed.lineSpeed;
        changed.lineSpeed = oldSpeed + 15;
        QVERIFY(fleet->applyParameters(changed.toBytes(), {descriptor}).ok);
        QVERIFY(fleet->start({descriptor}).ok);
        QVERIFY(fleet->stop({descriptor}, {"mqtt", "korvexd", "bob"}).ok);

        const QList<QJsonObject> lines = journalLines("journal");
        QCOMPARE(lines.size(), 5);
        const QJsonArray coders{QJsonObject{{"ip", "127.0.0.1"}, {"name", "Line 3"}}};
        const QStringList actions{"remark name", "message sent", "print parameters", "start",
                                  "stop"};
        for (int i = 0; i < lines.size(); ++i) {
            QCOMPARE(lines.at(i).value("action").toString(), actions.at(i));
            QCOMPARE(lines.at(i).value("number").toInt(), i + 1);
            QCOMPARE(lines.at(i).value("time").toString(), QString("2026-12-08T12:00:00.000Z"));
            QCOMPARE(lines.at(i).value("offset").toString(), QString("+01:00"));
            QCOMPARE(lines.at(i).value("pc").toString(), QString("LINE-PC"));
            QCOMPARE(lines.at(i).value("user").toString(), QString(i < 4 ? "anna" : "bob"));
            if (i > 0)
                QCOMPARE(lines.at(i).value("coders").toArray(), coders);
        }
        QCOMPARE(lines.at(0).value("old").toString(), QString());
        QCOMPARE(lines.at(0).value("new").toString(), QString("Line 3"));
        QCOMPARE(lines.at(1).value("file").toString(), QString("label1.spr"));
        QCOMPARE(lines.at(1).value("sha256").toString(),
                 QString(QCryptographicHash::hash(kMessage, QCryptographicHash::Sha256).toHex()));
        QCOMPARE(lines.at(1).value("bytes").toInt(), kMessage.size());
        const QJsonArray groups = lines.at(2).value("changes").toArray();
        QCOMPARE(groups.size(), 1);
        QCOMPARE(groups.first().toObject().value("coders").toArray(), QJsonArray{"127.0.0.1"});
        QCOMPARE(groups.first().toObject().value("fields").toArray(),
                 (QJsonArray{QJsonObject{{"field", "line speed"},
                                         {"old", QString::number(oldSpeed)},
                                         {"new", QString::number(oldSpeed + 15)},
                                         {"unit", "m/min"}}}));
        QVERIFY(!lines.at(3).contains("via"));
        QCOMPARE(lines.at(4).value("via").toString(), QString("mqtt"));
        QCOMPARE(lines.at(4).value("account").toString(), QString("korvexd"));
        QCOMPARE(lines.at(4).value("claimed").toBool(), true);
        QCOMPARE(CommandJournal::details(lines.at(4)),
                 QString("over MQTT, broker account korvexd, user as claimed"));
        QCOMPARE(CommandJournal::coderNames(lines.at(4)), QStringList{"127.0.0.1 (Line 3)"});
        QVERIFY(checkJournal("journal").ok);
    }

    // A journal line that cannot be written stops the command while failing
    // closed; otherwise the command goes out and the problem is told.
    void aLineThatCannotBeWrittenStopsTheCommandOnlyWhenFailingClosed()
    {
        QDir("blocked").removeRecursively();
        writeFile("blocked", "a file where the journal's folder belongs");
        Journal journal("blocked");
        CommandJournal commands(fleet.get(), &journal);
        RawCoder coder(port());
        QTRY_COMPARE(fleet->count(), 1);
        QSignalSpy problems(&commands, &CommandJournal::problem);
        commands.setFailClosed(true);
        const CommandResult refused = fleet->start(fleet->descriptors());
        QVERIFY(!refused.ok);
        QVERIFY2(refused.error.startsWith("Not done: its journal line cannot be written (Cannot "
                                          "create the journal folder blocked). Nothing was sent."),
                 qPrintable(refused.error));
        QVERIFY(!fleet->apply("Spray/label1.spr", fleet->descriptors()).ok);
        QTest::qWait(50);
        QVERIFY(coder.commands().isEmpty());
        QVERIFY(problems.isEmpty());

        commands.setFailClosed(false);
        QVERIFY(fleet->start(fleet->descriptors()).ok);
        QTRY_COMPARE(coder.commands(), QList<quint8>{Command::RunControl});
        QCOMPARE(problems.size(), 1);
        QVERIFY(problems.first().first().toString().startsWith("Not in the journal (start)"));
        QFile::remove("blocked");
    }

    // The operator's words for what commands did.
    void commandsInOperatorWords()
    {
        PrintParameters slow, fast;
        slow.lineSpeed = 30;
        fast.lineSpeed = 45;
        fast.beepEnabled = true;
        const QList<Coder> three{coderAt(1, "192.168.1.20", "Line 3", slow.toBytes()),
                                 coderAt(2, "192.168.1.21", QString(), fast.toBytes()),
                                 coderAt(3, "192.168.1.22", QString(), slow.toBytes())};
        CommandResult all;
        all.reached = {1, 2, 3};
        CommandRecord apply;
        apply.fileName = "label1.spr";
        apply.coders = three.mid(0, 1);
        QCOMPARE(CommandText::done(apply, all),
                 QStringList{"label1.spr sent to 192.168.1.20 (Line 3)"});
        apply.coders = three;
        QCOMPARE(CommandText::done(apply, all), QStringList{"label1.spr sent to 3 coders"});
        CommandResult two;
        two.reached = {1, 2};
        QCOMPARE(CommandText::done(apply, two),
                 QStringList{"label1.spr sent to 192.168.1.20 (Line 3), 192.168.1.21"});

        CommandRecord parameters;
        parameters.action = CommandResult::Action::Parameters;
        parameters.coders = three;
        parameters.parameters = fast;
        QCOMPARE(CommandText::done(parameters, all),
                 QStringList({"Print parameters of 192.168.1.20 (Line 3), 192.168.1.22: beep off "
                              "→ on, line speed 30 → 45 m/min",
                              "Print parameters of 192.168.1.21: sent unchanged"}));

        CommandRecord start;
        start.action = CommandResult::Action::Start;
        start.coders = three;
        start.origin = {"mqtt", "korvexd", "anna"};
        QCOMPARE(CommandText::done(start, all),
                 QStringList{"Start: 3 coders (over MQTT, claimed user anna)"});
        CommandResult none;
        QCOMPARE(CommandText::done(start, none), QStringList());

        CommandRecord rename;
        rename.action = CommandResult::Action::RemarkName;
        rename.coders = three.mid(0, 1);
        rename.remarkName = "Line 4";
        QCOMPARE(CommandText::done(rename, all),
                 QStringList{"192.168.1.20 renamed from Line 3 to Line 4"});
        rename.remarkName.clear();
        QCOMPARE(CommandText::done(rename, all),
                 QStringList{"Remark name of 192.168.1.20 removed (was Line 3)"});
    }

    // Every send asks the coder for its message back: only the very bytes
    // sent, under the same name, verify it; another file, other bytes, or
    // no answer in time do not, and a later report that differs (a change
    // at the coder's own panel) is caught as well.
    void readBackVerifiesWhatTheCoderHolds_data()
    {
        QTest::addColumn<QString>("coder"); // "honest", "keeps its message", "silent"
        QTest::addColumn<int>("readBack");
        QTest::addColumn<QString>("problem");
        QTest::newRow("holds what was sent") << "honest" << int(ReadBack::Verified) << QString();
        QTest::newRow("keeps another message")
            << "keeps its message" << int(ReadBack::Mismatch)
            << "Coder 127.0.0.1 holds another message than was sent: sent label1.spr";
        QTest::newRow("no answer") << "silent" << int(ReadBack::NoAnswer)
                                   << "Coder 127.0.0.1 did not report its message after "
                                      "label1.spr was sent: not verified.";
    }
    void readBackVerifiesWhatTheCoderHolds()
    {
        QFETCH(QString, coder);
        QTemporaryDir dir;
        writeFile(dir.filePath("own.spr"), "{\"own\":1}");
        CoderSettings settings;
        settings.port = port();
        settings.folder = dir.path();
        settings.messageSource = dir.filePath("own.spr");
        settings.keepsItsMessage = coder == "keeps its message";
        SimulatedCoder simulated(settings);
        std::unique_ptr<RawCoder> silent;
        if (coder == "silent")
            silent = std::make_unique<RawCoder>(port());
        else
            simulated.start();
        QTRY_COMPARE(fleet->count(), 1);
        const int descriptor = fleet->descriptors().first();
        fleet->setReadBackTimeout(200);
        QSignalSpy readBacks(fleet.get(), &Fleet::readBackChanged);
        QSignalSpy problems(fleet.get(), &Fleet::problem);
        QVERIFY(fleet->apply("Spray/label1.spr", {descriptor}).ok);
        QCOMPARE(fleet->coder(descriptor)->readBack, ReadBack::Pending);
        QTRY_COMPARE(readBacks.size(), 2);
        QFETCH(int, readBack);
        QCOMPARE(int(fleet->coder(descriptor)->readBack), readBack);
        QCOMPARE(readBacks.last().at(1).value<ReadBack>(), ReadBack(readBack));
        QVERIFY(fleet->coder(descriptor)->readBackTime.isValid());
        QFETCH(QString, problem);
        QTest::qWait(250); // the wait of a verified coder ends without a word
        QCOMPARE(problems.size(), problem.isEmpty() ? 0 : 1);
        if (!problem.isEmpty())
            QVERIFY2(problems.first().first().toString().startsWith(problem),
                     qPrintable(problems.first().first().toString()));
        if (coder != "honest")
            return;
        // Changed at the coder's panel: its next report no longer matches.
        writeFile(dir.filePath("label1.spr"), "{\"changed\":1}");
        fleet->requestCurrentFile(descriptor);
        QTRY_COMPARE(fleet->coder(descriptor)->readBack, ReadBack::Mismatch);
    }

    // Two coders behind one address are two records with one folder; each
    // goes alone; a coder that resets at once leaves nothing behind.
    void connectionsComeAndGoOneByOne()
    {
        QSignalSpy notes(fleet.get(), &Fleet::note);
        RawCoder first(port());
        RawCoder second(port());
        QTRY_COMPARE(fleet->count(), 2);
        // Named in the event log as the plant bus names them.
        QTRY_COMPARE(notes.size(), 2);
        QCOMPARE(notes.at(1).at(0).toString(), QString("Coder 127.0.0.1_2 connected"));
        const QList<int> both = fleet->descriptors();
        fleet->setRemarkName(both.first(), "Line 3");
        QCOMPARE(fleet->coder(both.last())->displayName(), QString("Line 3"));
        QCOMPARE(fleet->settings()->remarkName("127.0.0.1"), QString("Line 3"));

        QVERIFY(fleet->apply("Spray/label1.spr", both).ok);
        const QList<quint8> sentAndAsked{Command::FileTransfer, Command::CurrentFile};
        QTRY_COMPARE(first.commands(), sentAndAsked);
        QTRY_COMPARE(second.commands(), sentAndAsked);
        QTRY_COMPARE(readFile("devices/127.0.0.1/label1.spr"), kMessage);

        QSignalSpy removed(fleet.get(), &Fleet::coderRemoved);
        first.socket.disconnectFromHost();
        QTRY_COMPARE(removed.size(), 1);
        QCOMPARE(fleet->count(), 1);
        const CommandResult started = fleet->start(both);
        QCOMPARE(started.reached, QList<int>{fleet->descriptors().first()});
        QTRY_COMPARE(second.commands().size(), 2);

        for (int i = 0; i < 20; ++i) {
            QTcpSocket reset;
            reset.connectToHost(QHostAddress::LocalHost, port());
            QVERIFY(reset.waitForConnected(2000));
            reset.abort();
        }
        QTRY_COMPARE(fleet->server()->connectionCount(), 1);
        QCOMPARE(fleet->count(), 1);
        second.send(Command::StatusReport, statusReportPayload({2, 30}));
        QTRY_COMPARE(fleet->coder(fleet->descriptors().first())->state, CoderState::Ready);
    }

    // Nothing goes out when the message cannot be read whole or its name
    // cannot be sent, and the result says why.
    void applyRefusesWhatCannotBeSent_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << "Spray/missing.spr"
                                 << "Cannot read Spray/missing.spr";
        QTest::newRow("folder") << "Spray/folder.spr"
                                << "Not a plain file";
        QTest::newRow("fifo") << "Spray/fifo.spr"
                              << "Not a plain file";
        QTest::newRow("too large") << "Spray/large.spr"
                                   << "larger than 16 MiB";
        QTest::newRow("unsafe name") << "Spray/a:b.spr"
                                     << "Cannot send a:b.spr";
    }
    void applyRefusesWhatCannotBeSent()
    {
        QFETCH(QString, path);
        QFETCH(QString, reason);
        QDir().mkpath("Spray/folder.spr");
        ::mkfifo("Spray/fifo.spr", 0600);
        QFile large("Spray/large.spr");
        QVERIFY(large.open(QIODevice::WriteOnly) && large.resize(Fleet::kMaxMessageBytes + 1));
        large.close();
        writeFile("Spray/a:b.spr", kMessage);

        RawCoder coder(port());
        QTRY_COMPARE(fleet->count(), 1);
        const CommandResult result = fleet->apply(path, fleet->descriptors());
        QVERIFY(!result.ok);
        QVERIFY2(result.error.contains(reason), qPrintable(result.error));
        QVERIFY(result.error.endsWith("Nothing was sent."));
        QVERIFY(result.reached.isEmpty());
        fleet->stop(fleet->descriptors());
        QTRY_COMPARE(coder.commands(), QList<quint8>{Command::RunControl});
        QVERIFY(!QFile::exists("devices/127.0.0.1/" + QFileInfo(path).fileName()));
    }
};

QTEST_GUILESS_MAIN(TestFleet)
#include "tst_fleet.moc"
