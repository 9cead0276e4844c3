// SPDX-License-Identifier: GPL-3.0-or-later
// The coders and their commands without any window: simulated and raw
// coders on 127.0.0.1 drive a Fleet listening on a port the system picks.
#include "../common/rawcoder.h"
#include "devicestore.h"
#include "filerecord.h"
#include "fleet.h"
#include "printparameters.h"
#include "simulatedcoder.h"
#include "tcpserver.h"

#include <QCryptographicHash>
#include <QLoggingCategory>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

namespace {

const QByteArray kMessage = R"({"ExternDataInfo":{"ExternMode":0},"TextItemInfo":[]})";

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
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

        fleet->start({descriptor});
        QTRY_VERIFY(coder.isPrinting());
        QTRY_COMPARE(fleet->coder(descriptor)->state, CoderState::Printing);
        QTRY_VERIFY(fleet->coder(descriptor)->progress > 0);
        fleet->stop({descriptor});
        QTRY_VERIFY(!coder.isPrinting());
        QCOMPARE(results.size(), 4);
    }

    // Two coders behind one address are two records with one folder; each
    // goes alone; a coder that resets at once leaves nothing behind.
    void connectionsComeAndGoOneByOne()
    {
        RawCoder first(port());
        RawCoder second(port());
        QTRY_COMPARE(fleet->count(), 2);
        const QList<int> both = fleet->descriptors();
        fleet->setRemarkName(both.first(), "Line 3");
        QCOMPARE(fleet->coder(both.last())->displayName(), QString("Line 3"));
        QCOMPARE(DeviceStore::remarkName("127.0.0.1"), QString("Line 3"));

        QVERIFY(fleet->apply("Spray/label1.spr", both).ok);
        QTRY_COMPARE(first.commands(), QList<quint8>{Command::FileTransfer});
        QTRY_COMPARE(second.commands(), QList<quint8>{Command::FileTransfer});
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
