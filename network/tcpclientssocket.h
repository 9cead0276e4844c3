// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framedecoder.h"

#include <QElapsedTimer>
#include <QTcpSocket>

#include <functional>

// One coder's connection. Moves received bytes into a FrameDecoder and hands
// each complete frame body (command byte plus payload) on, in order.
class TcpClientsSocket : public QTcpSocket
{
    Q_OBJECT
public:
    explicit TcpClientsSocket(QObject *parent = nullptr);
    ~TcpClientsSocket() override;

    // Takes over an accepted connection. The descriptor and IP text are kept
    // because they name the connection after it closed, when
    // socketDescriptor() is already -1.
    bool adopt(qintptr descriptor);
    int acceptedDescriptor() const { return m_descriptor; }

    // Called with every frame body. The server takes bodies this way: a
    // second signal hop per frame costs as much as decoding it (see
    // bench/README.md), so sendMsgToServer is emitted only while something
    // is connected to it.
    using FrameHandler = std::function<void(int descriptor, const QByteArray &body)>;
    void setFrameHandler(FrameHandler handler) { m_frameHandler = std::move(handler); }
    // Called, while the connection is open, with every change of the bytes
    // of unfinished frames it holds, so the server can keep their total.
    using HeldHandler = std::function<void(qint64 change)>;
    void setHeldHandler(HeldHandler handler) { m_heldHandler = std::move(handler); }
    // Bytes of unfinished frames as last reported to the held handler.
    qint64 heldBytes() const { return m_held; }
    // Frames whose body passes the limit for their command close the connection.
    void setBodyLimit(FrameDecoder::BodyLimit limit) { m_decoder.setBodyLimit(limit); }
    // More frames than this in one second close the connection (0: no limit):
    // a coder that floods would otherwise take a core of the PC for itself.
    void setFrameRateLimit(int perSecond) { m_rateLimit = perSecond; }
    QString ipText() const { return m_ipText; }

    // Most bytes that may wait for one coder in the outgoing buffer.  A coder
    // that stops reading would otherwise make the buffer grow with every file
    // sent to it; past this the connection is dropped.
    static constexpr qint64 kMaxPendingBytes = 64 * 1024 * 1024;

    // Queues a complete frame.  When the frame would take what waits for this
    // coder over kMaxPendingBytes, nothing is queued, the connection is
    // aborted with a log line and false is returned.
    bool sendFrame(const QByteArray &frame);

    // Deletes the socket once control is back in the event loop and no frame
    // is being handed on. A receiver of a frame may run a nested event loop
    // (a message box) in which the coder goes away; Qt still uses the socket
    // after its readyRead() returns, so it must not be deleted in there.
    void release();

signals:
    // One frame body, tagged with the descriptor the connection was accepted with.
    void sendMsgToServer(int descript, const QByteArray &data);
    // The connection closed. Emitted once, from inside the disconnect notification.
    void clientDisconnectedSig(const QString &ip, int descript);

protected slots:
    void receiveDataSlot();
    void clientDisconnectedSlot();

private:
    bool deliverFrames(bool *delivered);
    void reportHeld();
    void logHeader(qint64 bufferedBefore, qint32 length) const;

    // Largest single read, so a flood of small frames is delivered as it
    // arrives rather than gathered whole first.
    static constexpr qint64 kMaxRead = 1024 * 1024;

    FrameDecoder m_decoder;
    FrameHandler m_frameHandler;
    HeldHandler m_heldHandler;
    qint64 m_held = 0;
    int m_descriptor = -1;
    int m_rateLimit = 0;
    int m_rateCount = 0;
    QElapsedTimer m_rateWindow;
    QString m_ipText;
    int m_receiving = 0; // depth of receiveDataSlot calls on the stack
    bool m_releasePending = false;
};
