// SPDX-License-Identifier: GPL-3.0-or-later
#include "tcpclientssocket.h"

#include "deviceiptext.h"
#include "networklog.h"

#include <QMetaMethod>

TcpClientsSocket::TcpClientsSocket(QObject *parent) : QTcpSocket(parent)
{
    connect(this, &QTcpSocket::readyRead, this, &TcpClientsSocket::receiveDataSlot);
    connect(this, &QTcpSocket::disconnected, this, &TcpClientsSocket::clientDisconnectedSlot);
}

TcpClientsSocket::~TcpClientsSocket()
{
    // QAbstractSocket's destructor aborts a live connection and emits
    // disconnected(); by then this part of the object is gone.
    disconnect(this, &QTcpSocket::disconnected, this, &TcpClientsSocket::clientDisconnectedSlot);
}

bool TcpClientsSocket::adopt(qintptr descriptor)
{
    if (!setSocketDescriptor(descriptor, ConnectedState, ReadWrite))
        return false;
    m_descriptor = int(descriptor);
    m_ipText = deviceIpText(peerAddress());
    return true;
}

bool TcpClientsSocket::sendFrame(const QByteArray &frame)
{
    if (bytesToWrite() + frame.size() > kMaxPendingBytes) {
        qCWarning(lcLink) << "dropping connection of" << m_ipText << "descriptor" << m_descriptor
                          << ":" << bytesToWrite() << "bytes still wait for it and a frame of"
                          << frame.size() << "would pass the limit of" << kMaxPendingBytes;
        // Emits disconnected(), so the server forgets this socket right here.
        abort();
        return false;
    }
    write(frame);
    return true;
}

void TcpClientsSocket::release()
{
    if (m_receiving > 0)
        m_releasePending = true;
    else
        deleteLater();
}

void TcpClientsSocket::receiveDataSlot()
{
    ++m_receiving;
    bool delivered = false;
    while (bytesAvailable() > 0) {
        int room = 0;
        char *at = m_decoder.prepareAppend(int(qMin<qint64>(bytesAvailable(), kMaxRead)), &room);
        const qint64 got = read(at, room);
        m_decoder.commitAppend(int(qMax<qint64>(got, 0)));
        if (got <= 0 || !deliverFrames(&delivered))
            break;
        // The server may drop this connection for what it holds.
        reportHeld();
        if (state() != ConnectedState)
            break;
    }
    if (delivered && state() == ConnectedState)
        flush();
    if (--m_receiving == 0 && m_releasePending)
        deleteLater();
}

// Hands on every complete frame; false when the connection was closed meanwhile.
bool TcpClientsSocket::deliverFrames(bool *delivered)
{
    QByteArray body;
    for (;;) {
        const bool awaitingHeader = m_decoder.pendingLength() < 0;
        const qint64 before = m_decoder.bufferedBytes();
        const bool got = m_decoder.next(&body);
        if (awaitingHeader && lcFrames().isDebugEnabled()) {
            if (got)
                logHeader(before, body.size());
            else if (m_decoder.pendingLength() >= 0)
                logHeader(before, m_decoder.pendingLength());
        }
        if (!got)
            break;
        if (m_rateLimit > 0) {
            if (!m_rateWindow.isValid() || m_rateWindow.elapsed() >= 1000) {
                m_rateWindow.start();
                m_rateCount = 0;
            }
            if (++m_rateCount > m_rateLimit) {
                qCWarning(lcLink) << "closing connection of" << m_ipText << "descriptor"
                                  << m_descriptor << ": it sends more than" << m_rateLimit
                                  << "frames a second";
                abort();
                return false;
            }
        }
        *delivered = true;
        if (m_frameHandler)
            m_frameHandler(m_descriptor, body);
        static const QMetaMethod signal =
            QMetaMethod::fromSignal(&TcpClientsSocket::sendMsgToServer);
        if (isSignalConnected(signal))
            emit sendMsgToServer(m_descriptor, body);
        // A receiver may have closed the connection; what is left is moot.
        if (state() != ConnectedState)
            return false;
    }
    if (m_decoder.failed()) {
        if (m_decoder.badCommand() < 0)
            qCWarning(lcLink) << "closing connection of" << m_ipText << "descriptor" << m_descriptor
                              << ": frame length" << m_decoder.badLength() << "is negative or over"
                              << kMaxFrameBody;
        else
            qCWarning(lcLink) << "closing connection of" << m_ipText << "descriptor" << m_descriptor
                              << ": frame length" << m_decoder.badLength()
                              << "is too long for command" << m_decoder.badCommand();
        abort();
        return false;
    }
    return true;
}

void TcpClientsSocket::reportHeld()
{
    // A closed connection's bytes are already off the server's total.
    if (state() != ConnectedState)
        return;
    const qint64 change = m_decoder.bufferedBytes() - m_held;
    m_held += change;
    if (change != 0 && m_heldHandler)
        m_heldHandler(change);
}

void TcpClientsSocket::logHeader(qint64 bufferedBefore, qint32 length) const
{
    qCDebug(lcFrames) << "This P1 num: " << bufferedBefore;
    qCDebug(lcFrames) << "This P2 num: " << bufferedBefore - kFrameHeaderSize;
    qCDebug(lcFrames) << "length is :" << length;
}

void TcpClientsSocket::clientDisconnectedSlot()
{
    qCDebug(lcLink) << "index :" << peerAddress().toString().indexOf(QLatin1String("192"));
    emit clientDisconnectedSig(m_ipText, m_descriptor);
}
