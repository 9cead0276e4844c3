// SPDX-License-Identifier: GPL-3.0-or-later
#include "silentcoders.h"

#include <arpa/inet.h>
#include <cerrno>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

SilentCoders::~SilentCoders()
{
    closeAll();
}

int SilentCoders::connectAll(quint16 port, int count)
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int started = 0;
    for (int i = 0; i < count; ++i) {
        const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        if (fd < 0)
            break;
        if (::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) < 0 &&
            errno != EINPROGRESS) {
            ::close(fd);
            break;
        }
        m_fds << fd;
        ++started;
    }
    return started;
}

int SilentCoders::established() const
{
    int done = 0;
    for (int fd : m_fds) {
        pollfd p{fd, POLLOUT, 0};
        if (::poll(&p, 1, 0) == 1 && (p.revents & POLLOUT) && !(p.revents & (POLLERR | POLLHUP)))
            ++done;
    }
    return done;
}

void SilentCoders::closeAll()
{
    for (int fd : m_fds)
        ::close(fd);
    m_fds.clear();
}
