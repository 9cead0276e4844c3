// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol.h"
#include "tcpclientssocket.h"
#include "tcpserver.h"

#include <QPointer>
#include <QTcpSocket>
#include <QTimer>
#include <QtEndian>
#include <QtTest>

#include <memory>

namespace {

QByteArray header(qint32 length)
{
    QByteArray h(4, '\0');
    qToBigEndian<qint32>(length, h.data());
    return h;
}

} // namespace

class TestTcpServer : public QObject
{
    Q_OBJECT

    std::unique_ptr<TcpServer> server;
    std::unique_ptr<QSignalSpy> connected, disconnected, received;
    QList<QTcpSocket *> clients;

    // Connects a coder from 127.0.0.1 and returns the descriptor the server gave it.
    int connectCoder()
    {
        auto *client = new QTcpSocket(this);
        clients << client;
        const int before = connected->count();
        client->connectToHost(QHostAddress::LocalHost, server->serverPort());
        if (!client->waitForConnected(5000))
            return -1;
        if (!QTest::qWaitFor([&] { return connected->count() > before; }, 5000))
            return -1;
        return connected->last().at(0).toInt();
    }

    void writeAndWait(QTcpSocket *client, const QByteArray &bytes)
    {
        client->write(bytes);
        client->flush();
        QTest::qWait(20);
    }

    QList<QByteArray> bodiesFrom(int descriptor) const
    {
        QList<QByteArray> bodies;
        for (const QList<QVariant> &args : *received) {
            if (args.at(0).toInt() == descriptor)
                bodies << args.at(1).toByteArray();
        }
        return bodies;
    }

private slots:
    void init()
    {
        server.reset(new TcpServer(nullptr, 0));
        QVERIFY(server->isListening());
        QVERIFY(server->serverPort() != 0);
        connected.reset(new QSignalSpy(server.get(), &TcpServer::addNewClientSocketSig));
        disconnected.reset(new QSignalSpy(server.get(), &TcpServer::reduceClientSocketSig));
        received.reset(new QSignalSpy(server.get(), &TcpServer::receiveMsgFromSocket));
    }
    void cleanup()
    {
        qDeleteAll(clients);
        clients.clear();
        connected.reset();
        disconnected.reset();
        received.reset();
        server.reset();
    }

    void connectAndDisconnectNameTheCoderByItsIpv4Text()
    {
        const int descriptor = connectCoder();
        QVERIFY(descriptor > 0);
        QCOMPARE(connected->last().at(1).toString(), QString("127.0.0.1"));
        QCOMPARE(server->connectionCount(), 1);

        // The socket must outlive its own disconnect notification.
        bool aliveDuringSignal = false;
        connect(server.get(), &TcpServer::reduceClientSocketSig, this, [&] {
            aliveDuringSignal = server->findChildren<TcpClientsSocket *>().size() == 1;
        });
        clients.first()->disconnectFromHost();
        QTRY_COMPARE(disconnected->count(), 1);
        QCOMPARE(disconnected->first(), (QList<QVariant>{"127.0.0.1", descriptor}));
        QVERIFY(aliveDuringSignal);
        QCOMPARE(server->connectionCount(), 0);
        QTRY_VERIFY(server->findChildren<TcpClientsSocket *>().isEmpty());
    }

    void framesArriveWholeAndInOrderHoweverTheyAreCut()
    {
        const int descriptor = connectCoder();
        QTcpSocket *coder = clients.first();
        const QByteArray status = packFrame(Command::StatusReport, QByteArray("\x01\x32", 2));
        const QByteArray reply = packFrame(Command::Parameters, QByteArray(81, '\x07'));
        // Header in pieces, then the body in two.
        writeAndWait(coder, reply.left(1));
        writeAndWait(coder, reply.mid(1, 2));
        writeAndWait(coder, reply.mid(3, 10));
        writeAndWait(coder, reply.mid(13));
        // Three frames and an empty one in a single write, and a cut tail.
        writeAndWait(coder, status + header(0) + status + reply + reply.left(7));
        writeAndWait(coder, reply.mid(7));
        const QList<QByteArray> expected{reply.mid(4),  status.mid(4), QByteArray(),
                                         status.mid(4), reply.mid(4),  reply.mid(4)};
        QTRY_COMPARE(bodiesFrom(descriptor), expected);
    }

    void badLengthClosesTheConnection_data()
    {
        QTest::addColumn<qint32>("length");
        QTest::newRow("negative") << qint32(-5);
        QTest::newRow("over the cap") << kMaxFrameBody + 1;
    }
    void badLengthClosesTheConnection()
    {
        QFETCH(qint32, length);
        const int descriptor = connectCoder();
        QTcpSocket *coder = clients.first();
        const QByteArray status = packFrame(Command::StatusReport, QByteArray("\x01\x32", 2));
        coder->write(status + header(length) + QByteArray(100, 'j'));
        QTRY_COMPARE(disconnected->count(), 1);
        QCOMPARE(disconnected->first().at(1).toInt(), descriptor);
        QCOMPARE(bodiesFrom(descriptor), QList<QByteArray>{status.mid(4)});
        QTRY_COMPARE(coder->state(), QAbstractSocket::UnconnectedState);
    }

    void sendsReachOnlyTheNamedLiveConnection()
    {
        const int first = connectCoder();
        const int second = connectCoder();
        QVERIFY(first > 0 && second > 0 && first != second);
        const QByteArray start = packFrame(Command::RunControl, runControlPayload(true));
        server->sendMsgToSocket(second, start);
        QTRY_COMPARE(clients.at(1)->bytesAvailable(), qint64(start.size()));
        QCOMPARE(clients.at(1)->readAll(), start);

        clients.at(0)->disconnectFromHost();
        QTRY_COMPARE(disconnected->count(), 1);
        server->sendMsgToSocket(first, start); // gone: dropped
        server->sendMsgToSocket(-1, start);
        QTest::qWait(50);
        QCOMPARE(clients.at(1)->bytesAvailable(), qint64(0));
    }

    // A coder that rebooted reconnects before its old connection timed out:
    // two connections share 127.0.0.1, and only the one that closes goes.
    void closingOneOfTwoConnectionsFromOneAddressKeepsTheOther_data()
    {
        QTest::addColumn<int>("closing");
        QTest::newRow("newer closes") << 1;
        QTest::newRow("older closes") << 0;
    }
    void closingOneOfTwoConnectionsFromOneAddressKeepsTheOther()
    {
        QFETCH(int, closing);
        const int descriptors[2] = {connectCoder(), connectCoder()};
        const int staying = 1 - closing;
        clients.at(closing)->disconnectFromHost();
        QTRY_COMPARE(disconnected->count(), 1);
        QCOMPARE(disconnected->first(), (QList<QVariant>{"127.0.0.1", descriptors[closing]}));
        QCOMPARE(server->connectionCount(), 1);

        const QByteArray stop = packFrame(Command::RunControl, runControlPayload(false));
        server->sendMsgToSocket(descriptors[staying], stop);
        QTRY_COMPARE(clients.at(staying)->bytesAvailable(), qint64(stop.size()));
        clients.at(staying)->write(stop);
        QTRY_COMPARE(bodiesFrom(descriptors[staying]).size(), 1);
    }

    void relisteningKeepsConnectedCoders()
    {
        const int descriptor = connectCoder();
        server->close();
        QVERIFY(server->listenOnAllAddresses(0));
        const QByteArray start = packFrame(Command::RunControl, runControlPayload(true));
        server->sendMsgToSocket(descriptor, start);
        QTRY_COMPARE(clients.first()->bytesAvailable(), qint64(start.size()));
        QVERIFY(connectCoder() > 0);
    }

    void busyPortLeavesTheServerNotListening()
    {
        TcpServer second(nullptr, server->serverPort());
        QVERIFY(!second.isListening());
    }

    void failedRelistenDoesNotKeepThePortBound()
    {
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::Any, 0));
        const quint16 freePort = probe.serverPort();
        probe.close();

        // Still listening: the new socket cannot be taken over.
        QVERIFY(!server->listenOnAllAddresses(freePort));
        QVERIFY(probe.listen(QHostAddress::Any, freePort));
    }

    void aCoderLeavingWhileAFrameIsHandledIsForgottenSafely()
    {
        // The window may show a message box for a frame; the coder can go away
        // while it is open, and its socket is released inside that loop.
        const int descriptor = connectCoder();
        QPointer<TcpClientsSocket> socket = server->findChildren<TcpClientsSocket *>().value(0);
        QVERIFY(socket);
        bool handled = false;
        connect(server.get(), &TcpServer::receiveMsgFromSocket, this, [&] {
            if (handled)
                return;
            handled = true;
            clients.first()->abort();
            QEventLoop box;
            QTimer::singleShot(200, &box, &QEventLoop::quit);
            box.exec();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        });
        const QByteArray frame = packFrame(Command::RunControl, runControlPayload(true));
        clients.first()->write(frame + frame);
        QTRY_VERIFY(handled);
        QTRY_VERIFY(!socket);
        QCOMPARE(disconnected->count(), 1);
        QCOMPARE(disconnected->first().at(1).toInt(), descriptor);
        QCOMPARE(server->connectionCount(), 0);
    }

    void destroyingTheServerWithCodersConnectedReportsNothing()
    {
        connectCoder();
        connectCoder();
        server.reset();
        QCOMPARE(disconnected->count(), 0);
    }
};

QTEST_GUILESS_MAIN(TestTcpServer)
#include "tst_tcpserver.moc"
