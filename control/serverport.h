// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

class TcpServer;

// The port the operator types for the coder server, and listening on it.
namespace ServerPort {

// A decimal port from 1 to 65535, surrounding blanks allowed; nothing for
// anything else (empty, not a number, 0, too large).
std::optional<quint16> parse(const QString &text);

// Listens on every address at port. On failure *reason says why (for
// example "bind: Address already in use").
bool listen(TcpServer &server, quint16 port, QString *reason);

} // namespace ServerPort
