// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QVector>
#include <QtGlobal>

#include <algorithm>

// Small helpers shared by the link benchmarks.
namespace LinkBench {

inline double median(QVector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0.0 : values.at(values.size() / 2);
}

// Resident memory of this process in KiB (Linux /proc), 0 where unknown.
qint64 residentKiB();

// Writes `rounds` copies of chunk to 127.0.0.1:port from a plain blocking
// socket on its own thread, so the receiving event loop has a core to itself.
class Sender
{
public:
    Sender(quint16 port, QByteArray chunk, int rounds);
    ~Sender();
    void wait();

private:
    struct Private;
    Private *m_d;
};

} // namespace LinkBench
