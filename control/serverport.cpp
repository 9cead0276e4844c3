// SPDX-License-Identifier: GPL-3.0-or-later
#include "serverport.h"

#include "listeningsocket.h"
#include "tcpserver.h"

namespace ServerPort {

std::optional<quint16> parse(const QString &text)
{
    bool ok = false;
    const uint port = text.trimmed().toUInt(&ok, 10);
    if (!ok || port == 0 || port > 65535)
        return std::nullopt;
    return quint16(port);
}

bool listen(TcpServer &server, quint16 port, QString *reason)
{
    if (server.listenOnAllAddresses(port))
        return true;
    // The server logs why but keeps no text of it; ask the system again.
    QString error;
    const qintptr probe = openListeningSocket(port, &error);
    if (probe >= 0) {
        closeSocketDescriptor(probe);
        error = server.errorString();
    }
    if (error.isEmpty())
        error = server.errorString();
    *reason = error.isEmpty() ? QStringLiteral("unknown reason") : error;
    return false;
}

} // namespace ServerPort
