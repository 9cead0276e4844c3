// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framedecoder.h"

#include <QList>
#include <QTcpServer>

#include <functional>

class TcpClientsSocket;

// The server coders connect to. Keeps one TcpClientsSocket per connection,
// passes their frame bodies on tagged with the connection's descriptor, and
// writes ready-made frames to the connection a descriptor names.
class TcpServer : public QTcpServer
{
    Q_OBJECT
public:
    // Starts listening at once on every IPv4 and IPv6 address at port (0: a
    // port the system picks, see serverPort()).
    TcpServer(QObject *parent, quint16 port);
    // Not listening yet.
    explicit TcpServer(QObject *parent = nullptr);

    // Listens on every address with an accept queue deep enough for a plant
    // full of coders powering up together. Use this rather than
    // QTcpServer::listen(), whose queue holds 50. Connected coders are kept
    // across close() and a new listen.
    bool listenOnAllAddresses(quint16 port);

    int connectionCount() const { return m_clientSocketList.size(); }

    // Called with every frame body a coder sends, tagged with its descriptor.
    // The owner of the server takes bodies this way: receiveMsgFromSocket is
    // emitted only while something is connected to it, since a second signal
    // hop per frame costs as much as decoding it.
    using FrameHandler = std::function<void(int descriptor, const QByteArray &body)>;
    void setFrameHandler(FrameHandler handler) { m_frameHandler = std::move(handler); }
    // Applied to the connections accepted from now on (see
    // FrameDecoder::setBodyLimit); null: the frame length cap alone.
    void setBodyLimit(FrameDecoder::BodyLimit limit) { m_bodyLimit = limit; }
    // Frames a second one connection may send (TcpClientsSocket::setFrameRateLimit).
    void setFrameRateLimit(int perSecond) { m_frameRateLimit = perSecond; }

    // Bytes of unfinished frames all connections hold together.  Each is
    // capped by the frame length limit, but many connections together are
    // not: past this budget the connection holding the most is dropped.
    static constexpr qint64 kReceiveBudget = 256 * 1024 * 1024;
    qint64 heldBytes() const { return m_heldBytes; }
    void setReceiveBudget(qint64 bytes) { m_receiveBudget = bytes; }

    // How long the server waits before it accepts again after an accept
    // failed for want of descriptors or memory.
    static constexpr int kAcceptRetryMs = 500;

signals:
    void addNewClientSocketSig(int descriptor, const QString &ip);
    // descriptor is the one the connection was accepted with, so receivers can
    // tell apart two connections from one address.
    void reduceClientSocketSig(const QString &ip, int descriptor);
    void receiveMsgFromSocket(int descript, const QByteArray &data);

public slots:
    // Writes a complete frame to the connection with that descriptor; nothing
    // happens when none has it.
    void sendMsgToSocket(int descript, const QByteArray &data);

protected:
    void incomingConnection(qintptr socketDescriptor) override;

protected slots:
    void sendMsg(int descrypt, const QByteArray &data);
    void receiveMsg(int descript, const QByteArray &receiveData);
    void clientSocketDisconnectedSlot(const QString &ip, int descriptor);

private:
    void acceptFailed(QAbstractSocket::SocketError error);
    void heldChanged(qint64 change);

    // Accepting stopped after a failure and is retried every kAcceptRetryMs.
    bool m_acceptRetrying = false;
    FrameHandler m_frameHandler;
    FrameDecoder::BodyLimit m_bodyLimit = nullptr;
    int m_frameRateLimit = 0;
    qint64 m_heldBytes = 0;
    qint64 m_receiveBudget = kReceiveBudget;
    // In order of arrival; the server owns them.
    QList<TcpClientsSocket *> m_clientSocketList;
};
