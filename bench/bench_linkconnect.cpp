// SPDX-License-Identifier: GPL-3.0-or-later
// 200 coders connecting at the same moment, none sending first: how fast the
// server accepts them and how much memory it holds with all connected. For
// comparison, the same burst against a QTcpServer listening with Qt's own
// (50-entry) accept queue.
#include "linkbench.h"
#include "silentcoders.h"
#include "tcpserver.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QTcpServer>
#include <QTcpSocket>

#include <cstdio>

namespace {

constexpr int kCoders = 200;

// Starts the burst, then runs events until all are accepted or the time is
// up; returns the seconds from the first connect.
double burst(SilentCoders &coders, quint16 port, const int &accepted, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    coders.connectAll(port, kCoders);
    while (accepted < kCoders && timer.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    return timer.nsecsElapsed() / 1e9;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // One log line per connection would dominate the figure.
    QLoggingCategory::setFilterRules(QStringLiteral("korvex.link.debug=false"));

    {
        TcpServer server(nullptr, 0);
        int accepted = 0;
        QObject::connect(&server, &TcpServer::addNewClientSocketSig, [&] { ++accepted; });
        const qint64 before = LinkBench::residentKiB();
        SilentCoders coders;
        const double seconds = burst(coders, server.serverPort(), accepted, 10000);
        const qint64 after = LinkBench::residentKiB();
        std::printf("TcpServer: %d of %d silent coders accepted in %.1f ms (%.0f per second); "
                    "resident memory +%lld KiB with all connected (%.1f KiB each)\n",
                    accepted, kCoders, seconds * 1e3, accepted / seconds,
                    static_cast<long long>(after - before), double(after - before) / kCoders);
    }
    {
        QTcpServer server;
        server.listen(QHostAddress::Any, 0);
        int accepted = 0;
        QObject::connect(&server, &QTcpServer::newConnection, [&] {
            while (QTcpSocket *socket = server.nextPendingConnection()) {
                socket->setParent(&server);
                ++accepted;
            }
        });
        SilentCoders coders;
        const double seconds = burst(coders, server.serverPort(), accepted, 5000);
        std::printf("QTcpServer::listen (queue of 50): %d of %d accepted after %.1f s\n", accepted,
                    kCoders, seconds);
    }
    return 0;
}
