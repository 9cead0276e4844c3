// SPDX-License-Identifier: GPL-3.0-or-later
#include "linkbench.h"

#include "../tests/common/residentmemory.h"

#include <QByteArray>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace LinkBench {

qint64 residentKiB()
{
    return qMax<qint64>(ResidentMemory::kib(), 0);
}

struct Sender::Private
{
    std::thread thread;
};

Sender::Sender(quint16 port, QByteArray chunk, int rounds) : m_d(new Private)
{
    m_d->thread = std::thread([port, chunk, rounds] {
        const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(port);
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) < 0) {
            ::close(fd);
            return;
        }
        for (int r = 0; r < rounds; ++r) {
            qint64 sent = 0;
            while (sent < chunk.size()) {
                const ssize_t n =
                    ::send(fd, chunk.constData() + sent, size_t(chunk.size() - sent), MSG_NOSIGNAL);
                if (n <= 0) {
                    ::close(fd);
                    return;
                }
                sent += n;
            }
        }
        ::close(fd);
    });
}

Sender::~Sender()
{
    wait();
    delete m_d;
}

void Sender::wait()
{
    if (m_d->thread.joinable())
        m_d->thread.join();
}

} // namespace LinkBench
