// SPDX-License-Identifier: GPL-3.0-or-later
#include "listeningsocket.h"

#ifdef Q_OS_UNIX
#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// Enough for every coder of a plant arriving in the same second; the kernel
// trims it to net.core.somaxconn.
constexpr int kBacklog = SOMAXCONN > 1024 ? SOMAXCONN : 1024;

qintptr failWith(int fd, const char *step, QString *error)
{
    const int err = errno;
    if (fd >= 0)
        ::close(fd);
    *error =
        QStringLiteral("%1: %2").arg(QLatin1String(step), QString::fromLocal8Bit(strerror(err)));
    return -1;
}

} // namespace

qintptr openListeningSocket(quint16 port, QString *error)
{
    bool dualStack = true;
    int fd = ::socket(AF_INET6, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0 && (errno == EAFNOSUPPORT || errno == EPROTONOSUPPORT)) {
        dualStack = false;
        fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    }
    if (fd < 0)
        return failWith(fd, "socket", error);

    // Rebinding a port whose old connections linger in TIME_WAIT, as Qt does.
    const int on = 1;
    if (::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on) < 0)
        return failWith(fd, "SO_REUSEADDR", error);

    int bound;
    if (dualStack) {
        const int off = 0;
        if (::setsockopt(fd, IPPROTO_IPV6, IPV6_V6ONLY, &off, sizeof off) < 0)
            return failWith(fd, "IPV6_V6ONLY", error);
        sockaddr_in6 address{};
        address.sin6_family = AF_INET6;
        address.sin6_addr = in6addr_any;
        address.sin6_port = htons(port);
        bound = ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address);
    } else {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_ANY);
        address.sin_port = htons(port);
        bound = ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address);
    }
    if (bound < 0)
        return failWith(fd, "bind", error);
    if (::listen(fd, kBacklog) < 0)
        return failWith(fd, "listen", error);
    return fd;
}

void closeSocketDescriptor(qintptr descriptor)
{
    if (descriptor >= 0)
        ::close(int(descriptor));
}

#else

#ifdef Q_OS_WIN
#include <winsock2.h>
#endif

qintptr openListeningSocket(quint16, QString *error)
{
    error->clear();
    return -1;
}

void closeSocketDescriptor(qintptr descriptor)
{
#ifdef Q_OS_WIN
    if (descriptor >= 0)
        ::closesocket(SOCKET(descriptor));
#else
    Q_UNUSED(descriptor)
#endif
}

#endif
