// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

// Qt 5's QTcpServer::listen() uses an accept queue of 50. When a whole line of
// coders powers up at once, connections beyond it that send nothing first
// wait in SYN-ACK retries for many seconds. This opens the listening socket
// ourselves with a deep queue: dual-stack IPv6 (IPv4 peers appear mapped) on
// every address, falling back to IPv4 where IPv6 is missing.
//
// Returns the descriptor, ready for QTcpServer::setSocketDescriptor(), or -1
// with a reason in *error. On platforms without this code path it returns -1
// with an empty *error, and the caller should use QTcpServer::listen().
qintptr openListeningSocket(quint16 port, QString *error);

// Closes a socket descriptor that no Qt object took over.
void closeSocketDescriptor(qintptr descriptor);
