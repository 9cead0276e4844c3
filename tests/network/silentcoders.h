// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QVector>
#include <QtGlobal>

// Coders that all power up at the same moment: plain non-blocking connects to
// 127.0.0.1, opened back to back, that never send a byte. Closed on
// destruction.
class SilentCoders
{
public:
    SilentCoders() = default;
    SilentCoders(const SilentCoders &) = delete;
    SilentCoders &operator=(const SilentCoders &) = delete;
    ~SilentCoders();

    // Starts count connections to 127.0.0.1:port; returns how many were started.
    int connectAll(quint16 port, int count);
    // How many have completed their handshake (as the client sees it).
    int established() const;
    void closeAll();

private:
    QVector<int> m_fds;
};
