// SPDX-License-Identifier: GPL-3.0-or-later
// The long connection storms, against a server in this process on
// 127.0.0.1 (scripts/storm.sh builds and runs it; figures in README.md):
//   storm rate [PER_SECOND SECONDS]   default 1000 a second for 10 s
//   storm reset [CYCLES]              default 10000 connect-and-reset cycles
//   storm idle [IDLE ROUNDS]          default 200 idle coders, 2000 garbage rounds
//   storm stall                       one coder that stops reading
// Exits non-zero when a storm leaves a connection or a descriptor behind.
#include "protocol.h"
#include "silentcoders.h"
#include "storms.h"
#include "tcpclientssocket.h"
#include "tcpserver.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QTcpSocket>

#include <unistd.h>

#include <cstdio>
#include <random>

namespace {

int argument(const QStringList &args, int index, int fallback)
{
    bool ok = false;
    const int value = args.value(index).toInt(&ok);
    return ok && value > 0 ? value : fallback;
}

int report(const char *name, const Storm::Figures &f)
{
    std::printf("%s: %s\n", name, qPrintable(f.toString()));
    return f.stillConnected == 0 && f.descriptorsAfter == f.descriptorsBefore ? 0 : 1;
}

int idleWhileGarbage(TcpServer &server, int idleCount, int rounds)
{
    SilentCoders idle;
    if (idle.connectAll(server.serverPort(), idleCount) != idleCount)
        return 1;
    QElapsedTimer clock;
    clock.start();
    while (server.connectionCount() < idleCount && clock.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    std::mt19937 random(13);
    qint64 bytes = 0;
    for (int i = 0; i < rounds && clock.elapsed() < 120000; ++i) {
        const int fd = Storm::connectRaw(server.serverPort());
        if (fd < 0)
            continue;
        QByteArray junk(1 + int(random() % 65536), '\0');
        for (char &c : junk)
            c = char(random());
        Storm::writeRaw(fd, junk);
        bytes += junk.size();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 2);
        ::close(fd);
    }
    while (server.connectionCount() > idleCount && clock.elapsed() < 130000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    std::printf("idle: %d idle coders, %d garbage connections with %lld bytes in %lld ms; "
                "idle coders still connected: %d of %d\n",
                idleCount, rounds, bytes, clock.elapsed(), idle.established(), idleCount);
    return server.connectionCount() == idleCount && idle.established() == idleCount ? 0 : 1;
}

int stall(TcpServer &server)
{
    int dropped = 0;
    QObject::connect(&server, &TcpServer::reduceClientSocketSig, [&] { ++dropped; });
    SilentCoders stalled;
    stalled.connectAll(server.serverPort(), 1);
    int descriptor = -1;
    QObject::connect(&server, &TcpServer::addNewClientSocketSig,
                     [&](int d, const QString &) { descriptor = d; });
    QElapsedTimer clock;
    clock.start();
    while (descriptor < 0 && clock.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    const QByteArray file = packFrame(Command::FileTransfer, QByteArray(1024 * 1024, 'f'));
    qint64 sent = 0;
    while (dropped == 0 && sent < 4 * TcpClientsSocket::kMaxPendingBytes) {
        server.sendMsgToSocket(descriptor, file);
        sent += file.size();
        QCoreApplication::processEvents();
    }
    std::printf("stall: dropped %s after %lld bytes (%.1f MiB) sent, cap %lld MiB, peak "
                "resident %lld KiB\n",
                dropped ? "yes" : "no", sent, sent / 1048576.0,
                TcpClientsSocket::kMaxPendingBytes / 1048576, Storm::residentKiB());
    return dropped == 1 ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("korvex.link.debug=false"));
    const QStringList args = app.arguments();
    const QString what = args.value(1);
    TcpServer server(nullptr, 0);
    if (!server.isListening())
        return 2;
    if (what == QLatin1String("rate"))
        return report(
            "rate", Storm::connectionRate(server, argument(args, 2, 1000), argument(args, 3, 10)));
    if (what == QLatin1String("reset"))
        return report("reset", Storm::connectResetCycles(server, argument(args, 2, 10000)));
    if (what == QLatin1String("idle"))
        return idleWhileGarbage(server, argument(args, 2, 200), argument(args, 3, 2000));
    if (what == QLatin1String("stall"))
        return stall(server);
    std::fprintf(stderr, "usage: storm rate|reset|idle|stall [counts]\n");
    return 2;
}
