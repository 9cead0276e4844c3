// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framedecoder.h"

#include <QTcpSocket>

// One coder's connection. Moves received bytes into a FrameDecoder and hands
// each complete frame body (command byte plus payload) on, in order.
class TcpClientsSocket : public QTcpSocket
{
    Q_OBJECT
public:
    explicit TcpClientsSocket(QObject *parent = nullptr);

    // Takes over an accepted connection. The descriptor and IP text are kept
    // because they name the connection after it closed, when
    // socketDescriptor() is already -1.
    bool adopt(qintptr descriptor);
    int acceptedDescriptor() const { return m_descriptor; }
    QString ipText() const { return m_ipText; }

signals:
    // One frame body, tagged with the descriptor the connection was accepted with.
    void sendMsgToServer(int descript, const QByteArray &data);
    // The connection closed. Emitted once, from inside the disconnect notification.
    void clientDisconnectedSig(const QString &ip, int descript);

protected slots:
    void receiveDataSlot();
    void clientDisconnectedSlot();

private:
    void logHeader(qint64 bufferedBefore, qint32 length) const;

    FrameDecoder m_decoder;
    int m_descriptor = -1;
    QString m_ipText;
};
