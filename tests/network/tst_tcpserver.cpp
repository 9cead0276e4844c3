// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol.h"
#include "storms.h"
#include "tcpclientssocket.h"
#include "tcpserver.h"

#include <QPointer>
#include <QTcpSocket>
#include <QTimer>
#include <QtEndian>
#include <QtTest>

#include <memory>

#include <sys/resource.h>

namespace {

// Lowers this process's descriptor limit while it lives.
struct DescriptorLimit
{
    rlimit saved{};
    bool set = false;
    explicit DescriptorLimit(int limit)
    {
        if (getrlimit(RLIMIT_NOFILE, &saved) != 0)
            return;
        rlimit tight = saved;
        tight.rlim_cur = rlim_t(limit);
        set = setrlimit(RLIMIT_NOFILE, &tight) == 0;
    }
    ~DescriptorLimit()
    {
        if (set)
            setrlimit(RLIMIT_NOFILE, &saved);
    }
};

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

    std::unique_ptr<TcpServer> m_server;
    std::unique_ptr<QSignalSpy> m_connected, m_disconnected, m_received;
    QList<QTcpSocket *> m_clients;

    // Connects a coder from 127.0.0.1 and returns the descriptor the server gave it.
    int connectCoder()
    {
        auto *client = new QTcpSocket(this);
        m_clients << client;
        const int before = m_connected->count();
        client->connectToHost(QHostAddress::LocalHost, m_server->serverPort());
        if (!client->waitForConnected(5000))
            return -1;
        if (!QTest::qWaitFor([&] { return m_connected->count() > before; }, 5000))
            return -1;
        return m_connected->last().at(0).toInt();
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
        for (const QList<QVariant> &args : *m_received) {
            if (args.at(0).toInt() == descriptor)
                bodies << args.at(1).toByteArray();
        }
        return bodies;
    }

private slots:
    void init()
    {
        m_server.reset(new TcpServer(nullptr, 0));
        QVERIFY(m_server->isListening());
        QVERIFY(m_server->serverPort() != 0);
        m_connected.reset(new QSignalSpy(m_server.get(), &TcpServer::addNewClientSocketSig));
        m_disconnected.reset(new QSignalSpy(m_server.get(), &TcpServer::reduceClientSocketSig));
        m_received.reset(new QSignalSpy(m_server.get(), &TcpServer::receiveMsgFromSocket));
    }
    void cleanup()
    {
        qDeleteAll(m_clients);
        m_clients.clear();
        m_connected.reset();
        m_disconnected.reset();
        m_received.reset();
        m_server.reset();
    }

    void connectAndDisconnectNameTheCoderByItsIpv4Text()
    {
        const int descriptor = connectCoder();
        QVERIFY(descriptor > 0);
        QCOMPARE(m_connected->last().at(1).toString(), QString("127.0.0.1"));
        QCOMPARE(m_server->connectionCount(), 1);

        // The socket must outlive its own disconnect notification.
        bool aliveDuringSignal = false;
        connect(m_server.get(), &TcpServer::reduceClientSocketSig, this, [&] {
            aliveDuringSignal = m_server->findChildren<TcpClientsSocket *>().size() == 1;
        });
        m_clients.first()->disconnectFromHost();
        QTRY_COMPARE(m_disconnected->count(), 1);
        QCOMPARE(m_disconnected->first(), (QList<QVariant>{"127.0.0.1", descriptor}));
        QVERIFY(aliveDuringSignal);
        QCOMPARE(m_server->connectionCount(), 0);
        QTRY_VERIFY(m_server->findChildren<TcpClientsSocket *>().isEmpty());
    }

    void framesArriveWholeAndInOrderHoweverTheyAreCut()
    {
        const int descriptor = connectCoder();
        QTcpSocket *coder = m_clients.first();
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
        QTcpSocket *coder = m_clients.first();
        const QByteArray status = packFrame(Command::StatusReport, QByteArray("\x01\x32", 2));
        coder->write(status + header(length) + QByteArray(100, 'j'));
        QTRY_COMPARE(m_disconnected->count(), 1);
        QCOMPARE(m_disconnected->first().at(1).toInt(), descriptor);
        QCOMPARE(bodiesFrom(descriptor), QList<QByteArray>{status.mid(4)});
        QTRY_COMPARE(coder->state(), QAbstractSocket::UnconnectedState);
    }

    void sendsReachOnlyTheNamedLiveConnection()
    {
        const int first = connectCoder();
        const int second = connectCoder();
        QVERIFY(first > 0 && second > 0 && first != second);
        const QByteArray start = packFrame(Command::RunControl, runControlPayload(true));
        m_server->sendMsgToSocket(second, start);
        QTRY_COMPARE(m_clients.at(1)->bytesAvailable(), qint64(start.size()));
        QCOMPARE(m_clients.at(1)->readAll(), start);

        m_clients.at(0)->disconnectFromHost();
        QTRY_COMPARE(m_disconnected->count(), 1);
        m_server->sendMsgToSocket(first, start); // gone: dropped
        m_server->sendMsgToSocket(-1, start);
        QTest::qWait(50);
        QCOMPARE(m_clients.at(1)->bytesAvailable(), qint64(0));
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
        m_clients.at(closing)->disconnectFromHost();
        QTRY_COMPARE(m_disconnected->count(), 1);
        QCOMPARE(m_disconnected->first(), (QList<QVariant>{"127.0.0.1", descriptors[closing]}));
        QCOMPARE(m_server->connectionCount(), 1);

        const QByteArray stop = packFrame(Command::RunControl, runControlPayload(false));
        m_server->sendMsgToSocket(descriptors[staying], stop);
        QTRY_COMPARE(m_clients.at(staying)->bytesAvailable(), qint64(stop.size()));
        m_clients.at(staying)->write(stop);
        QTRY_COMPARE(bodiesFrom(descriptors[staying]).size(), 1);
    }

    void relisteningKeepsConnectedCoders()
    {
        const int descriptor = connectCoder();
        m_server->close();
        QVERIFY(m_server->listenOnAllAddresses(0));
        const QByteArray start = packFrame(Command::RunControl, runControlPayload(true));
        m_server->sendMsgToSocket(descriptor, start);
        QTRY_COMPARE(m_clients.first()->bytesAvailable(), qint64(start.size()));
        QVERIFY(connectCoder() > 0);
    }

    void busyPortLeavesTheServerNotListening()
    {
        TcpServer second(nullptr, m_server->serverPort());
        QVERIFY(!second.isListening());
    }

    void failedRelistenDoesNotKeepThePortBound()
    {
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::Any, 0));
        const quint16 freePort = probe.serverPort();
        probe.close();

        // Still listening: the new socket cannot be taken over.
        QVERIFY(!m_server->listenOnAllAddresses(freePort));
        QVERIFY(probe.listen(QHostAddress::Any, freePort));
    }

    void aCoderLeavingWhileAFrameIsHandledIsForgottenSafely()
    {
        // The window may show a message box for a frame; the coder can go away
        // while it is open, and its socket is released inside that loop.
        const int descriptor = connectCoder();
        QPointer<TcpClientsSocket> socket = m_server->findChildren<TcpClientsSocket *>().value(0);
        QVERIFY(socket);
        bool handled = false;
        connect(m_server.get(), &TcpServer::receiveMsgFromSocket, this, [&] {
            if (handled)
                return;
            handled = true;
            m_clients.first()->abort();
            QEventLoop box;
            QTimer::singleShot(200, &box, &QEventLoop::quit);
            box.exec();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        });
        const QByteArray frame = packFrame(Command::RunControl, runControlPayload(true));
        m_clients.first()->write(frame + frame);
        QTRY_VERIFY(handled);
        QTRY_VERIFY(!socket);
        QCOMPARE(m_disconnected->count(), 1);
        QCOMPARE(m_disconnected->first().at(1).toInt(), descriptor);
        QCOMPARE(m_server->connectionCount(), 0);
    }

    // Connections that arrive while every descriptor is in use cannot be
    // accepted; once descriptors are free again, coders get in without
    // anyone restarting the server.
    void acceptsAgainOnceDescriptorsAreFree()
    {
        QSignalSpy acceptErrors(m_server.get(), &QTcpServer::acceptError);
        {
            const DescriptorLimit limit(Storm::openDescriptors() + 8);
            QVERIFY(limit.set);
            // Each connection takes a descriptor here before the server can take
            // one for its end: the server's accept runs out.
            for (int i = 0; i < 8; ++i) {
                auto *client = new QTcpSocket(this);
                m_clients << client;
                client->connectToHost(QHostAddress::LocalHost, m_server->serverPort());
                client->waitForConnected(1000);
            }
            QTRY_VERIFY(acceptErrors.count() > 0);
            qDeleteAll(m_clients);
            m_clients.clear();
        }
        auto *fresh = new QTcpSocket(this);
        m_clients << fresh;
        fresh->connectToHost(QHostAddress::LocalHost, m_server->serverPort());
        QVERIFY(fresh->waitForConnected(2000));
        const QByteArray frame = packFrame(0x30, QByteArray(1, '\x01'));
        fresh->write(frame);
        fresh->flush();
        QTRY_VERIFY_WITH_TIMEOUT(
            !m_received->isEmpty() && m_received->last().at(1).toByteArray() == frame.mid(4), 3000);
    }

    // Unfinished frames of all connections share one budget.  Past it the
    // connection holding the most goes, not the one whose bytes came last.
    void pastTheReceiveBudgetTheLargestHolderIsDropped()
    {
        m_server->setReceiveBudget(1024 * 1024);
        const int hog = connectCoder();
        const int coder = connectCoder();
        QVERIFY(hog > 0 && coder > 0);
        const QByteArray hogBytes = header(2 * 1024 * 1024) + QByteArray(700 * 1024, 'h');
        writeAndWait(m_clients.at(0), hogBytes);
        // A header read is spent; what is held is the body so far.
        QTRY_COMPARE(m_server->heldBytes(), qint64(hogBytes.size() - kFrameHeaderSize));

        // 400 KiB more pass the budget together.
        const QByteArray file = packFrame(Command::CurrentFile, QByteArray(400 * 1024, 'f'));
        writeAndWait(m_clients.at(1), file.chopped(1));
        QTRY_COMPARE(m_disconnected->count(), 1);
        QCOMPARE(m_disconnected->first().at(1).toInt(), hog);
        QTRY_COMPARE(m_server->heldBytes(), qint64(file.size() - 1 - kFrameHeaderSize));
        writeAndWait(m_clients.at(1), file.right(1));
        QTRY_COMPARE(bodiesFrom(coder), QList<QByteArray>{file.mid(4)});
        QCOMPARE(m_server->heldBytes(), qint64(0));
        QCOMPARE(m_server->connectionCount(), 1);
    }

    void destroyingTheServerWithCodersConnectedReportsNothing()
    {
        connectCoder();
        connectCoder();
        m_server.reset();
        QCOMPARE(m_disconnected->count(), 0);
    }
};

QTEST_GUILESS_MAIN(TestTcpServer)
#include "tst_tcpserver.moc"
