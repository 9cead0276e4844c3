// SPDX-License-Identifier: GPL-3.0-or-later
// One 200 KiB file-transfer frame sent to 100 connected coders: time until
// every coder has it, through TcpServer::sendMsgToSocket and through bare
// QTcpSockets doing the same writes.
#include "linkbench.h"
#include "protocol.h"
#include "tcpserver.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr int kCoders = 100;
constexpr int kRounds = 30;

// The coders' side: sockets that count what arrives until each has `expected` bytes.
class Coders
{
public:
    void connectAll(quint16 port)
    {
        for (int i = 0; i < kCoders; ++i) {
            auto socket = std::make_unique<QTcpSocket>();
            QTcpSocket *s = socket.get();
            QObject::connect(s, &QTcpSocket::readyRead, s, [this, s] {
                const qint64 before = m_received[s];
                m_received[s] += s->readAll().size();
                if (before < m_expected && m_received[s] >= m_expected && ++m_complete == kCoders)
                    m_loop.quit();
            });
            s->connectToHost(QHostAddress::LocalHost, port);
            m_sockets.push_back(std::move(socket));
        }
    }
    // Seconds from send() until every coder has `bytes` more.
    double time(qint64 bytes, const std::function<void()> &send)
    {
        for (auto &s : m_sockets)
            m_received[s.get()] = 0;
        m_expected = bytes;
        m_complete = 0;
        QElapsedTimer timer;
        timer.start();
        send();
        if (m_complete < kCoders)
            m_loop.exec();
        return timer.nsecsElapsed() / 1e9;
    }

private:
    std::vector<std::unique_ptr<QTcpSocket>> m_sockets;
    QHash<QTcpSocket *, qint64> m_received;
    qint64 m_expected = 0;
    int m_complete = 0;
    QEventLoop m_loop;
};

// Connects the coders to port, waits until the server has accepted them all,
// then times kRounds sends of `bytes` to every coder.
QVector<double> timeRounds(quint16 port, const std::function<bool()> &allAccepted, qint64 bytes,
                           const std::function<void()> &send)
{
    Coders coders;
    coders.connectAll(port);
    while (!allAccepted())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    QVector<double> seconds;
    for (int round = 0; round < kRounds; ++round)
        seconds << coders.time(bytes, send);
    return seconds;
}

QVector<double> throughLink(const QByteArray &frame)
{
    TcpServer server(nullptr, 0);
    QVector<int> descriptors;
    QObject::connect(&server, &TcpServer::addNewClientSocketSig,
                     [&](int descriptor, const QString &) { descriptors << descriptor; });
    return timeRounds(
        server.serverPort(), [&] { return descriptors.size() == kCoders; }, frame.size(),
        [&] {
            for (int descriptor : qAsConst(descriptors))
                server.sendMsgToSocket(descriptor, frame);
        });
}

QVector<double> throughBareSockets(const QByteArray &frame)
{
    QTcpServer server;
    server.listen(QHostAddress::Any, 0);
    QVector<QTcpSocket *> accepted;
    QObject::connect(&server, &QTcpServer::newConnection, [&] {
        while (server.hasPendingConnections())
            accepted << server.nextPendingConnection();
    });
    return timeRounds(
        server.serverPort(), [&] { return accepted.size() == kCoders; }, frame.size(),
        [&] {
            for (QTcpSocket *socket : qAsConst(accepted))
                socket->write(frame);
        });
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QByteArray frame = packFrame(Command::FileTransfer, QByteArray(200 * 1024, 'f'));
    const double link = LinkBench::median(throughLink(frame)) * 1e3;
    const double bare = LinkBench::median(throughBareSockets(frame)) * 1e3;
    std::printf("200 KiB frame to %d coders: TcpServer %.2f ms, bare QTcpSocket %.2f ms, "
                "ratio %.2f (median of %d rounds)\n",
                kCoders, link, bare, link / bare, kRounds);
    return 0;
}
