// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol.h"
#include "tcpserver.h"

#include <QLoggingCategory>
#include <QtTest>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

// Coders that connect, send a frame and reset the connection before the
// server has taken it from the accept queue. Such a connection has no
// readable peer address any more; it must never be reported as a device with
// an empty IP text, which would name its folder "devices/" itself and make
// every such coder share one name.
class TestResetBeforeAccept : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLoggingCategory::setFilterRules("korvex.link.debug=false"); }

    void resetConnectionsNeverMakeNamelessDevices()
    {
        constexpr int kCoders = 100;
        TcpServer server(nullptr, 0);
        QVERIFY(server.isListening());
        QSignalSpy added(&server, &TcpServer::addNewClientSocketSig);
        QSignalSpy frames(&server, &TcpServer::receiveMsgFromSocket);

        // All of this happens while the server's event loop is not running:
        // the kernel completes each handshake and queues the connection.
        const QByteArray frame = packFrame(Command::StatusReport, QByteArray("\x01\x10", 2));
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(server.serverPort());
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        for (int i = 0; i < kCoders; ++i) {
            const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
            QVERIFY(fd >= 0);
            QCOMPARE(::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
            QCOMPARE(::write(fd, frame.constData(), size_t(frame.size())), ssize_t(frame.size()));
            const linger reset{1, 0}; // close() now sends RST
            ::setsockopt(fd, SOL_SOCKET, SO_LINGER, &reset, sizeof reset);
            ::close(fd);
        }

        // A live coder afterwards is still served.
        QTcpSocket live;
        live.connectToHost(QHostAddress::LocalHost, server.serverPort());
        QVERIFY(live.waitForConnected(2000));
        QTRY_VERIFY_WITH_TIMEOUT(!added.isEmpty() && added.last().at(1).toString() == "127.0.0.1",
                                 5000);
        QTest::qWait(100);

        for (const QList<QVariant> &device : qAsConst(added))
            QVERIFY2(!device.at(1).toString().isEmpty(), "a device with an empty IP text");
        for (const QList<QVariant> &body : qAsConst(frames)) {
            const int descriptor = body.at(0).toInt();
            bool known = false;
            for (const QList<QVariant> &device : qAsConst(added))
                known = known || device.at(0).toInt() == descriptor;
            QVERIFY2(known, "a frame from a connection never reported");
        }
    }
};

QTEST_GUILESS_MAIN(TestResetBeforeAccept)
#include "tst_resetbeforeaccept.moc"
