// SPDX-License-Identifier: GPL-3.0-or-later
// Receive throughput of frames through TcpServer/TcpClientsSocket on
// loopback, next to reading the same bytes with a bare QTcpSocket.
#include "linkbench.h"
#include "protocol.h"
#include "tcpserver.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTcpServer>
#include <QTcpSocket>

#include <cstdio>

namespace {

struct Load
{
    const char *name;
    int bodySize; // command byte plus payload
    int framesPerChunk;
    int chunks;
};

// Seconds from the sender's start until the receiver quits the loop.
double timeReceiving(quint16 port, const QByteArray &chunk, int rounds, QEventLoop &loop)
{
    QElapsedTimer timer;
    timer.start();
    LinkBench::Sender sender(port, chunk, rounds);
    loop.exec();
    return timer.nsecsElapsed() / 1e9;
}

// Seconds to receive every frame of the load through the device link.
double throughLink(const Load &load, const QByteArray &chunk)
{
    TcpServer server(nullptr, 0);
    const qint64 expected = qint64(load.framesPerChunk) * load.chunks;
    qint64 frames = 0;
    QEventLoop loop;
    QObject::connect(&server, &TcpServer::receiveMsgFromSocket, &loop,
                     [&](int, const QByteArray &) {
                         if (++frames == expected)
                             loop.quit();
                     });
    return timeReceiving(server.serverPort(), chunk, load.chunks, loop);
}

// Seconds to read the same bytes with a bare socket.
double throughBareSocket(const Load &load, const QByteArray &chunk)
{
    QTcpServer server;
    server.listen(QHostAddress::Any, 0);
    const qint64 expected = qint64(chunk.size()) * load.chunks;
    qint64 bytes = 0;
    QEventLoop loop;
    QObject::connect(&server, &QTcpServer::newConnection, &loop, [&] {
        QTcpSocket *socket = server.nextPendingConnection();
        QObject::connect(socket, &QTcpSocket::readyRead, &loop, [&, socket] {
            bytes += socket->readAll().size();
            if (bytes == expected)
                loop.quit();
        });
    });
    return timeReceiving(server.serverPort(), chunk, load.chunks, loop);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const Load loads[] = {
        {"100-byte frames", 100 - kFrameHeaderSize, 10000, 200}, // 200 MB
        {"1 MiB frames", (1 << 20) - kFrameHeaderSize, 1, 512},  // 512 MiB
    };
    constexpr int kRuns = 9;
    // An argument picks the loads whose name contains it, e.g. "100-byte".
    const QString only = app.arguments().value(1);
    for (const Load &load : loads) {
        if (!QString::fromLatin1(load.name).contains(only))
            continue;
        QByteArray chunk;
        const QByteArray frame =
            packFrame(Command::StatusReport, QByteArray(load.bodySize - 1, 's'));
        for (int i = 0; i < load.framesPerChunk; ++i)
            chunk += frame;
        const double megabytes = double(chunk.size()) * load.chunks / 1e6;
        QVector<double> link, bare;
        for (int run = 0; run < kRuns; ++run) {
            bare << megabytes / throughBareSocket(load, chunk);
            link << megabytes / throughLink(load, chunk);
        }
        const double linkMedian = LinkBench::median(link);
        const double bareMedian = LinkBench::median(bare);
        std::printf("%-16s %8.0f MB per run: TcpClientsSocket %7.0f MB/s (%9.0f frames/s), "
                    "bare QTcpSocket %7.0f MB/s, ratio %3.0f%% (median of %d)\n",
                    load.name, megabytes, linkMedian, linkMedian * 1e6 / (load.bodySize + 4),
                    bareMedian, 100.0 * linkMedian / bareMedian, kRuns);
    }
    return 0;
}
