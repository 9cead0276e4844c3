// SPDX-License-Identifier: GPL-3.0-or-later
// Simulated coders that misbehave as real ones do, against a Fleet listening
// on 127.0.0.1: what the PC does about each, while an honest coder beside it
// goes on being served.
#include "../common/residentmemory.h"
#include "../common/testfiles.h"
#include "fleet.h"
#include "simulatedcoder.h"
#include "tcpclientssocket.h"
#include "tcpserver.h"

#include <QLoggingCategory>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

const QByteArray kMessage = R"({"ExternDataInfo":{"ExternMode":0},"TextItemInfo":[]})";

QStringList g_warnings;

void keepWarnings(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    if (type == QtWarningMsg || type == QtCriticalMsg)
        g_warnings << text;
}

} // namespace

class TestLyingCoders : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_before;
    std::unique_ptr<Fleet> fleet;
    std::vector<std::unique_ptr<SimulatedCoder>> coders;
    std::vector<std::unique_ptr<QTemporaryDir>> folders;

    SimulatedCoder *coder(CoderSettings::Lie lie, int lieAfterMs)
    {
        folders.push_back(std::make_unique<QTemporaryDir>());
        CoderSettings settings;
        settings.port = fleet->listeningPort();
        settings.folder = folders.back()->path();
        settings.statusIntervalMs = 20;
        settings.reconnectIntervalMs = 50;
        settings.lie = lie;
        settings.lieAfterMs = lieAfterMs;
        coders.push_back(std::make_unique<SimulatedCoder>(settings));
        coders.back()->start();
        return coders.back().get();
    }

    // The descriptor of the connection that came last.
    int newest() const { return fleet->descriptors().last(); }

    // Sends the message and waits for the coder's read-back to end.
    ReadBack applyAndReadBack(int descriptor, int timeoutMs = 10000)
    {
        if (!fleet->apply("Spray/label1.spr", {descriptor}).ok || !fleet->coder(descriptor))
            return ReadBack::None;
        (void)QTest::qWaitFor(
            [&] {
                const Coder *c = fleet->coder(descriptor);
                return !c || c->readBack != ReadBack::Pending;
            },
            timeoutMs);
        const Coder *c = fleet->coder(descriptor);
        return c ? c->readBack : ReadBack::None;
    }

    TcpClientsSocket *socketOf(int descriptor) const
    {
        for (TcpClientsSocket *s : fleet->server()->findChildren<TcpClientsSocket *>()) {
            if (s->acceptedDescriptor() == descriptor &&
                s->state() == QAbstractSocket::ConnectedState)
                return s;
        }
        return nullptr;
    }

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules("korvex.*.debug=false\nkorvex.*.info=false");
        m_before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_dir.path()));
        QDir().mkpath("Spray");
        writeFile("Spray/label1.spr", kMessage);
    }
    void cleanupTestCase() { QDir::setCurrent(m_before); }

    void init()
    {
        fleet = std::make_unique<Fleet>();
        QVERIFY(fleet->listen(0).ok);
        g_warnings.clear();
    }
    void cleanup()
    {
        qInstallMessageHandler(nullptr);
        coders.clear();
        fleet.reset();
        folders.clear();
    }

    // A status report whose length says far more than was sent, then one
    // that says less: each costs the connection at once, with one line in
    // the log, nothing held, and the coder is back when it reconnects.
    void aWrongLengthCostsTheConnectionAndTheCoderComesBack()
    {
        qInstallMessageHandler(keepWarnings);
        SimulatedCoder *liar = coder(CoderSettings::Lie::WrongLength, 400);
        QSignalSpy lies(liar, &SimulatedCoder::lying);
        QSignalSpy added(fleet.get(), &Fleet::coderAdded);
        QSignalSpy removed(fleet.get(), &Fleet::coderRemoved);
        for (int told = 1; told <= 2; ++told) {
            QTRY_COMPARE(added.size(), told);
            QTRY_COMPARE(lies.size(), told);
            QTRY_COMPARE_WITH_TIMEOUT(removed.size(), told, 2000);
            QCOMPARE(fleet->server()->heldBytes(), qint64(0));
        }
        // Back again, and honest until it lies once more.
        QTRY_COMPARE(added.size(), 3);
        QCOMPARE(applyAndReadBack(newest()), ReadBack::Verified);
        QTRY_COMPARE(removed.size(), 3);
        qInstallMessageHandler(nullptr);
        QCOMPARE(g_warnings.size(), 3);
        for (const QString &line : qAsConst(g_warnings))
            QVERIFY2(line.startsWith("closing connection of \"127.0.0.1\""), qPrintable(line));
    }

    // Status reports as fast as the socket takes them: the connection is
    // closed for it within a second (it would take a core of the PC), what
    // the PC holds stays small and another coder's send is still answered.
    void aFloodingCoderLeavesTheOthersServed()
    {
        qInstallMessageHandler(keepWarnings);
        coder(CoderSettings::Lie::None, 0);
        QTRY_COMPARE(fleet->count(), 1);
        const int honest = newest();
        SimulatedCoder *flood = coder(CoderSettings::Lie::Flood, 0);
        QSignalSpy lies(flood, &SimulatedCoder::lying);
        QSignalSpy removed(fleet.get(), &Fleet::coderRemoved);
        QTRY_VERIFY(lies.size() >= 1);
        QTRY_VERIFY_WITH_TIMEOUT(removed.size() >= 1, 3000);
        QVERIFY(!g_warnings.isEmpty());
        QVERIFY2(g_warnings.first().contains("frames a second"), qPrintable(g_warnings.first()));
        const qint64 residentBefore = ResidentMemory::kib();

        // It comes back and floods again, and is cut off again, meanwhile.
        for (int round = 0; round < 3; ++round)
            QCOMPARE(applyAndReadBack(honest, 30000), ReadBack::Verified);
        QTest::qWait(500);
        QVERIFY(fleet->coder(honest));
        QVERIFY(fleet->server()->heldBytes() < 64 * 1024);
        if (residentBefore > 0)
            QVERIFY2(ResidentMemory::kib() - residentBefore < 64 * 1024,
                     qPrintable(QString::number(ResidentMemory::kib() - residentBefore)));
        qInstallMessageHandler(nullptr);
    }

    // A coder that never reads again: its send ends "not verified", what
    // waits for it stays within the bound and past it the send says it was
    // dropped; the coder beside it is verified all along.
    void aStalledCoderFailsItsSendsAndHoldsUpNothing()
    {
        SimulatedCoder *stalled = coder(CoderSettings::Lie::Stall, 0);
        QSignalSpy lies(stalled, &SimulatedCoder::lying);
        QTRY_COMPARE(lies.size(), 1);
        QTRY_COMPARE(fleet->count(), 1);
        const int dead = newest();
        coder(CoderSettings::Lie::None, 0);
        QTRY_COMPARE(fleet->count(), 2);
        const int honest = newest();
        fleet->setReadBackTimeout(500);

        QSignalSpy problems(fleet.get(), &Fleet::problem);
        QCOMPARE(applyAndReadBack(dead), ReadBack::NoAnswer);
        QVERIFY(problems.size() == 1 &&
                problems.first().first().toString().endsWith("was sent: not verified."));
        QCOMPARE(applyAndReadBack(honest), ReadBack::Verified);

        // 8 MiB files until the stalled coder is let go.
        writeFile("Spray/large.spr", QByteArray(8 * 1024 * 1024, ' ') + kMessage);
        CommandResult last;
        int sends = 0;
        while (fleet->coder(dead) && sends < 40) {
            last = fleet->apply("Spray/large.spr", {dead});
            ++sends;
            if (TcpClientsSocket *s = socketOf(dead))
                QVERIFY(s->bytesToWrite() <= TcpClientsSocket::kMaxPendingBytes);
            QTest::qWait(20);
        }
        QVERIFY(!fleet->coder(dead));
        QVERIFY2(sends >= 8, qPrintable(QString::number(sends)));
        QVERIFY(last.reached.isEmpty());
        QVERIFY2(last.problems.value(0).contains("was dropped before it took large.spr"),
                 qPrintable(last.problems.join(' ')));
        QCOMPARE(applyAndReadBack(honest), ReadBack::Verified);
    }
};

QTEST_GUILESS_MAIN(TestLyingCoders)
#include "tst_lyingcoders.moc"
