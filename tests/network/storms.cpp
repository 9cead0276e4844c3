// SPDX-License-Identifier: GPL-3.0-or-later
#include "storms.h"

#include "../common/residentmemory.h"
#include "tcpserver.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QThread>

#include <arpa/inet.h>
#include <cerrno>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <deque>

namespace Storm {

namespace {

// How long the server gets, after a storm, to see every connection go.
constexpr int kGraceMs = 20000;
// How long a reset cycle waits for the server to take its connection.
constexpr int kTakeMs = 1000;

sockaddr_in loopback(quint16 port)
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

int startConnect(quint16 port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    const sockaddr_in address = loopback(port);
    if (::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) < 0 &&
        errno != EINPROGRESS) {
        ::close(fd);
        return -1;
    }
    return fd;
}

void resetClose(int fd)
{
    const linger now{1, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_LINGER, &now, sizeof now);
    ::close(fd);
}

void settle(TcpServer &server, int baseline)
{
    QDeadlineTimer deadline(kGraceMs);
    while (server.connectionCount() > baseline && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // Released sockets are deleted later; let that happen too.
    for (int i = 0; i < 20; ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

} // namespace

int openDescriptors()
{
    return int(QDir(QStringLiteral("/proc/self/fd"))
                   .entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)
                   .size());
}

qint64 residentKiB()
{
    return ResidentMemory::kib();
}

QString Figures::toString() const
{
    const QString figures = QStringLiteral("attempted %1, accepted %2, still connected %3, %4 ms, "
                                           "descriptors %5 -> %6, resident %7 -> %8 KiB")
                                .arg(attempted)
                                .arg(accepted)
                                .arg(stillConnected)
                                .arg(elapsedMs)
                                .arg(descriptorsBefore)
                                .arg(descriptorsAfter)
                                .arg(residentBeforeKiB)
                                .arg(residentAfterKiB);
    if (resetAfterTaken == 0)
        return figures;
    return figures + QStringLiteral(", %1 reset after the server took them").arg(resetAfterTaken);
}

Figures connectionRate(TcpServer &server, int perSecond, int seconds)
{
    Figures f;
    const int baseline = server.connectionCount();
    const auto counter = QObject::connect(&server, &TcpServer::addNewClientSocketSig,
                                          [&f](int, const QString &) { ++f.accepted; });
    f.descriptorsBefore = openDescriptors();
    f.residentBeforeKiB = residentKiB();
    QElapsedTimer clock;
    clock.start();
    // Ticks of 10 ms, each opening its share of the second's connections.
    constexpr int kTickMs = 10;
    const int ticks = seconds * 1000 / kTickMs;
    std::deque<std::pair<qint64, int>> open; // opened at (ms), descriptor
    for (int tick = 0; tick < ticks; ++tick) {
        const int due = int(qint64(perSecond) * (tick + 1) * kTickMs / 1000) - f.attempted;
        for (int i = 0; i < due; ++i) {
            const int fd = startConnect(server.serverPort());
            ++f.attempted;
            if (fd >= 0)
                open.emplace_back(clock.elapsed(), fd);
        }
        while (!open.empty() && clock.elapsed() - open.front().first >= 100) {
            ::close(open.front().second);
            open.pop_front();
        }
        const qint64 tickEnd = qint64(tick + 1) * kTickMs;
        do {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        } while (clock.elapsed() < tickEnd);
    }
    for (const auto &o : open)
        ::close(o.second);
    settle(server, baseline);
    f.elapsedMs = clock.elapsed();
    QObject::disconnect(counter);
    f.stillConnected = server.connectionCount() - baseline;
    f.descriptorsAfter = openDescriptors();
    f.residentAfterKiB = residentKiB();
    return f;
}

Figures connectResetCycles(TcpServer &server, int cycles)
{
    Figures f;
    const int baseline = server.connectionCount();
    const auto counter = QObject::connect(&server, &TcpServer::addNewClientSocketSig,
                                          [&f](int, const QString &) { ++f.accepted; });
    f.descriptorsBefore = openDescriptors();
    f.residentBeforeKiB = residentKiB();
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < cycles; ++i) {
        const int fd = startConnect(server.serverPort());
        ++f.attempted;
        if (fd < 0)
            continue;
        // Odd cycles wait until the server has taken the connection, so that
        // both the reset of a queued connection and that of a coder the
        // server already holds are stormed, however fast the build runs.
        if (i % 2 == 1) {
            const int taken = f.accepted + 1;
            QDeadlineTimer deadline(kTakeMs);
            while (f.accepted < taken && !deadline.hasExpired())
                QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
            if (f.accepted >= taken)
                ++f.resetAfterTaken;
        }
        resetClose(fd);
        if (i % 32 == 31)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    settle(server, baseline);
    f.elapsedMs = clock.elapsed();
    QObject::disconnect(counter);
    f.stillConnected = server.connectionCount() - baseline;
    f.descriptorsAfter = openDescriptors();
    f.residentAfterKiB = residentKiB();
    return f;
}

int connectRaw(quint16 port)
{
    const int fd = startConnect(port);
    if (fd < 0)
        return -1;
    // Loopback connects complete at once or within a few event-loop turns.
    for (int i = 0; i < 100; ++i) {
        int error = 0;
        socklen_t size = sizeof error;
        sockaddr_in peer{};
        socklen_t peerSize = sizeof peer;
        if (::getpeername(fd, reinterpret_cast<sockaddr *>(&peer), &peerSize) == 0)
            return fd;
        ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size);
        if (error != 0 && error != EINPROGRESS)
            break;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    ::close(fd);
    return -1;
}

bool writeRaw(int fd, const QByteArray &bytes)
{
    qint64 done = 0;
    QDeadlineTimer deadline(5000);
    while (done < bytes.size() && !deadline.hasExpired()) {
        const ssize_t n =
            ::send(fd, bytes.constData() + done, size_t(bytes.size() - done), MSG_NOSIGNAL);
        if (n > 0) {
            done += n;
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return done == bytes.size();
}

} // namespace Storm
