// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

class TcpServer;

// Connection storms against a server running in this process's event loop,
// from plain sockets to 127.0.0.1.  Every loop is bounded in count and time.
// Shared by the short CTest versions and the long runs of bench/storm.
namespace Storm {

// Open file descriptors of this process (entries of /proc/self/fd).
int openDescriptors();
// Resident memory of this process in KiB (VmRSS).
qint64 residentKiB();

struct Figures
{
    int attempted = 0;
    int accepted = 0;        // addNewClientSocketSig emitted
    int stillConnected = 0;  // server connections left when the storm ended
    int resetAfterTaken = 0; // reset cycles whose connection the server held
    qint64 elapsedMs = 0;
    int descriptorsBefore = 0;
    int descriptorsAfter = 0;
    qint64 residentBeforeKiB = 0;
    qint64 residentAfterKiB = 0;
    QString toString() const;
};

// perSecond connections each second for seconds seconds; each is closed
// (normally, so the peer sees FIN) about 100 ms after it was opened.  Ends
// when every connection is gone from the server or after a grace period.
Figures connectionRate(TcpServer &server, int perSecond, int seconds);

// cycles connections, each reset (SO_LINGER 0, so RST): the even ones right
// after connect, the odd ones once the server has taken them.
Figures connectResetCycles(TcpServer &server, int cycles);

// Opens one connection that sends bytes and then keeps reading nothing;
// returns its descriptor on this side (close with ::close), or -1.
int connectRaw(quint16 port);
// Writes all bytes to a raw connection; false when the peer went away.
bool writeRaw(int fd, const QByteArray &bytes);

} // namespace Storm
