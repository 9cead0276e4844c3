// SPDX-License-Identifier: GPL-3.0-or-later
#include "tcpserver.h"

#include "listeningsocket.h"
#include "networklog.h"
#include "tcpclientssocket.h"

#include <QMetaMethod>
#include <QTimer>

TcpServer::TcpServer(QObject *parent) : QTcpServer(parent)
{
    connect(this, &QTcpServer::acceptError, this, &TcpServer::acceptFailed);
}

TcpServer::TcpServer(QObject *parent, quint16 port) : TcpServer(parent)
{
    listenOnAllAddresses(port);
}

// Qt stops accepting for good when an accept fails for a reason it does not
// take for a passing one, among them every descriptor of the process in use
// (a storm of connections, a peer holding hundreds open).  Coders that come
// once descriptors are free again must still get in: try again shortly, as
// long as it takes, with one log line for the whole outage.
void TcpServer::acceptFailed(QAbstractSocket::SocketError error)
{
    if (!m_acceptRetrying)
        qCWarning(lcLink) << "cannot accept connections:" << error << errorString()
                          << "- trying again every" << kAcceptRetryMs << "ms";
    m_acceptRetrying = true;
    QTimer::singleShot(kAcceptRetryMs, this, [this] {
        // close() in the meantime ends the server's socket; listen() starts anew.
        if (isListening())
            resumeAccepting();
    });
}

bool TcpServer::listenOnAllAddresses(quint16 port)
{
    QString error;
    const qintptr fd = openListeningSocket(port, &error);
    if (fd >= 0) {
        if (setSocketDescriptor(fd))
            return true;
        qCWarning(lcLink) << "cannot serve on the listening socket:" << errorString();
        // Nobody owns it now: left open, the port would stay bound and unserved.
        closeSocketDescriptor(fd);
        return false;
    }
    if (error.isEmpty())
        return listen(QHostAddress::Any, port);
    qCWarning(lcLink) << "cannot listen on port" << port << ":" << error;
    return false;
}

void TcpServer::incomingConnection(qintptr socketDescriptor)
{
    qCDebug(lcLink) << "this is socketdescript :" << socketDescriptor;
    if (m_acceptRetrying) {
        m_acceptRetrying = false;
        qCInfo(lcLink) << "accepting connections again";
    }
    auto *socket = new TcpClientsSocket(this);
    if (!socket->adopt(socketDescriptor)) {
        qCWarning(lcLink) << "cannot take connection" << socketDescriptor << ":"
                          << socket->errorString();
        delete socket;
        closeSocketDescriptor(socketDescriptor);
        return;
    }
    if (socket->ipText().isEmpty()) {
        // The coder reset the connection before we took it from the accept
        // queue: its peer address can no longer be read, so nothing could name
        // it (folders, remark names). It is gone anyway; drop it.
        qCWarning(lcLink) << "dropping connection" << socketDescriptor
                          << ": reset before it was taken, peer address unreadable";
        socket->abort(); // closes the descriptor the socket now owns
        delete socket;
        return;
    }
    qCDebug(lcLink) << "index :" << socket->peerAddress().toString().indexOf(QLatin1String("192"));
    qCDebug(lcLink) << "client ip:" << socket->ipText();
    m_clientSocketList.append(socket);
    connect(socket, &TcpClientsSocket::clientDisconnectedSig, this,
            &TcpServer::clientSocketDisconnectedSlot);
    socket->setFrameHandler(
        [this](int descriptor, const QByteArray &body) { receiveMsg(descriptor, body); });
    socket->setHeldHandler([this](qint64 change) { heldChanged(change); });
    socket->setBodyLimit(m_bodyLimit);
    socket->setFrameRateLimit(m_frameRateLimit);
    emit addNewClientSocketSig(socket->acceptedDescriptor(), socket->ipText());
}

void TcpServer::sendMsgToSocket(int descript, const QByteArray &data)
{
    sendMsg(descript, data);
    qCDebug(lcLink) << "send data:" << hexPreview(data);
}

void TcpServer::sendMsg(int descrypt, const QByteArray &data)
{
    for (TcpClientsSocket *socket : qAsConst(m_clientSocketList)) {
        if (socket->socketDescriptor() == descrypt) {
            // May drop the connection, which edits the list: stop here.
            socket->sendFrame(data);
            return;
        }
    }
}

void TcpServer::receiveMsg(int descript, const QByteArray &receiveData)
{
    if (m_frameHandler)
        m_frameHandler(descript, receiveData);
    static const QMetaMethod signal = QMetaMethod::fromSignal(&TcpServer::receiveMsgFromSocket);
    if (isSignalConnected(signal))
        emit receiveMsgFromSocket(descript, receiveData);
}

void TcpServer::clientSocketDisconnectedSlot(const QString &ip, int descriptor)
{
    for (int i = 0; i < m_clientSocketList.size(); ++i) {
        TcpClientsSocket *socket = m_clientSocketList.at(i);
        if (socket->acceptedDescriptor() != descriptor || socket->ipText() != ip)
            continue;
        m_clientSocketList.removeAt(i);
        m_heldBytes -= socket->heldBytes();
        // Still inside the socket's own disconnect notification: release it
        // once that has returned.
        socket->release();
        emit reduceClientSocketSig(ip, descriptor);
        return;
    }
}

void TcpServer::heldChanged(qint64 change)
{
    m_heldBytes += change;
    if (change <= 0 || m_heldBytes <= m_receiveBudget)
        return;
    // The largest holder goes, not the one that happened to read last: an
    // honest coder's small frame must not pay for what others hold.
    TcpClientsSocket *largest = nullptr;
    for (TcpClientsSocket *socket : qAsConst(m_clientSocketList)) {
        if (!largest || socket->heldBytes() > largest->heldBytes())
            largest = socket;
    }
    if (!largest)
        return;
    qCWarning(lcLink) << "dropping connection of" << largest->ipText() << "descriptor"
                      << largest->acceptedDescriptor() << ": it holds" << largest->heldBytes()
                      << "bytes of unfinished frames; all connections together hold" << m_heldBytes
                      << "bytes, over the limit of" << m_receiveBudget;
    // Emits disconnected(), which takes it off the list and its bytes off the total.
    largest->abort();
}
