// SPDX-License-Identifier: GPL-3.0-or-later
// Short versions of the connection storms (bench/storm runs the long ones):
// the server takes every connection, lets go of every one that leaves, keeps
// its idle coders through a flood of garbage, and drops a coder that stops
// reading once too much waits for it.
#include "protocol.h"
#include "silentcoders.h"
#include "storms.h"
#include "tcpclientssocket.h"
#include "tcpserver.h"

#include <QRegularExpression>
#include <QTcpSocket>
#include <QtTest>

#include <unistd.h>

#include <memory>
#include <random>

class TestStorms : public QObject
{
    Q_OBJECT

    std::unique_ptr<TcpServer> server;

    // A coder that talks both ways, to show the others are not disturbed.
    void witnessTalks(QTcpSocket &witness, int descriptor)
    {
        QSignalSpy received(server.get(), &TcpServer::receiveMsgFromSocket);
        const QByteArray status = packFrame(Command::StatusReport, QByteArray("\x01\x05", 2));
        witness.write(status);
        witness.flush();
        QTRY_VERIFY(!received.isEmpty());
        QCOMPARE(received.last().at(0).toInt(), descriptor);
        const QByteArray stop = packFrame(Command::RunControl, runControlPayload(false));
        server->sendMsgToSocket(descriptor, stop);
        QTRY_COMPARE(witness.bytesAvailable(), qint64(stop.size()));
        QCOMPARE(witness.readAll(), stop);
    }

    int connectWitness(QTcpSocket &witness)
    {
        QSignalSpy accepted(server.get(), &TcpServer::addNewClientSocketSig);
        witness.connectToHost(QHostAddress::LocalHost, server->serverPort());
        if (!witness.waitForConnected(5000) ||
            !QTest::qWaitFor([&] { return !accepted.isEmpty(); }))
            return -1;
        return accepted.last().at(0).toInt();
    }

private slots:
    void initTestCase() { QLoggingCategory::setFilterRules("korvex.link.debug=false"); }
    void init()
    {
        server.reset(new TcpServer(nullptr, 0));
        QVERIFY(server->isListening());
    }
    void cleanup() { server.reset(); }

    void connectionRate()
    {
        const Storm::Figures f = Storm::connectionRate(*server, 500, 2);
        qInfo("%s", qPrintable(f.toString()));
        QCOMPARE(f.attempted, 1000);
        QCOMPARE(f.accepted, f.attempted);
        QCOMPARE(f.stillConnected, 0);
        QCOMPARE(f.descriptorsAfter, f.descriptorsBefore);
    }

    void connectAndResetCyclesLeaveNoSocketOpen()
    {
        const Storm::Figures f = Storm::connectResetCycles(*server, 2000);
        qInfo("%s", qPrintable(f.toString()));
        QVERIFY(f.resetAfterTaken > 0);
        QCOMPARE(f.stillConnected, 0);
        QCOMPARE(f.descriptorsAfter, f.descriptorsBefore);
    }

    void idleCodersStayWhileOneSendsGarbage()
    {
        constexpr int kIdle = 200;
        QSignalSpy accepted(server.get(), &TcpServer::addNewClientSocketSig);
        SilentCoders idle;
        QCOMPARE(idle.connectAll(server->serverPort(), kIdle), kIdle);
        QTRY_COMPARE(accepted.count(), kIdle);
        QTcpSocket witness;
        const int witnessDescriptor = connectWitness(witness);
        QVERIFY(witnessDescriptor > 0);

        std::mt19937 random(200);
        int rounds = 0;
        for (; rounds < 100; ++rounds) {
            const int fd = Storm::connectRaw(server->serverPort());
            QVERIFY(fd >= 0);
            QByteArray junk(1 + int(random() % 8192), '\0');
            for (char &c : junk)
                c = char(random());
            Storm::writeRaw(fd, junk);
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            ::close(fd);
        }
        QTRY_COMPARE(server->connectionCount(), kIdle + 1);
        QCOMPARE(idle.established(), kIdle);
        witnessTalks(witness, witnessDescriptor);
    }

    void coderThatStopsReadingIsDroppedAtTheCap()
    {
        QSignalSpy accepted(server.get(), &TcpServer::addNewClientSocketSig);
        QSignalSpy gone(server.get(), &TcpServer::reduceClientSocketSig);
        SilentCoders stalled; // never reads a byte
        QCOMPARE(stalled.connectAll(server->serverPort(), 1), 1);
        QTRY_COMPARE(accepted.count(), 1);
        const int descriptor = accepted.first().at(0).toInt();
        QTcpSocket witness;
        const int witnessDescriptor = connectWitness(witness);

        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^dropping connection of"));
        const QByteArray file = packFrame(Command::FileTransfer, QByteArray(1024 * 1024, 'f'));
        qint64 sent = 0;
        while (gone.isEmpty() && sent < 4 * TcpClientsSocket::kMaxPendingBytes) {
            server->sendMsgToSocket(descriptor, file);
            sent += file.size();
            QCoreApplication::processEvents();
        }
        qInfo("dropped after %lld bytes sent", sent);
        QCOMPARE(gone.count(), 1);
        QCOMPARE(gone.first().at(1).toInt(), descriptor);
        // What the kernel buffers on both ends comes on top of the cap.
        QVERIFY(sent > TcpClientsSocket::kMaxPendingBytes);
        QVERIFY(sent < TcpClientsSocket::kMaxPendingBytes + 32 * 1024 * 1024);
        QCOMPARE(server->connectionCount(), 1);
        witnessTalks(witness, witnessDescriptor);
    }
};

QTEST_GUILESS_MAIN(TestStorms)
#include "tst_storms.moc"
