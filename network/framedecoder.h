// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "protocol.h"

#include <QByteArray>

// Cuts a byte stream into frame bodies (command byte plus payload). It owns no
// socket: bytes go in with feed() in whatever pieces they arrived, complete
// bodies come out of next() in arrival order, and an incomplete tail waits for
// the next feed().
//
// A header announcing a negative length or more than the cap puts the decoder
// in the failed state for good: the stream cannot be resynchronised, so the
// owner should close the connection.  So does a body longer than the limit
// set for its command, once its command byte has arrived.
class FrameDecoder
{
public:
    explicit FrameDecoder(qint32 maxBody = kMaxFrameBody);

    // The longest body a frame with that command may announce, on top of
    // the cap; null (the default): the cap alone.
    using BodyLimit = qint32 (*)(quint8 command);
    void setBodyLimit(BodyLimit limit) { m_bodyLimit = limit; }

    void feed(const QByteArray &bytes);
    // For a reader that fills memory itself, saving a copy: returns where to
    // write, and in *room how many of the available bytes to write there
    // (fewer when a large body ends sooner); commitAppend() then says how
    // many were written.
    char *prepareAppend(int available, int *room);
    void commitAppend(int written);
    // Takes the next complete body; false when none is complete yet or the
    // decoder has failed.
    bool next(QByteArray *body);

    bool failed() const { return m_failed; }
    // The length the offending header announced (valid once failed).
    qint32 badLength() const { return m_badLength; }
    // The command byte of a body over its limit; -1 when the header itself was bad.
    int badCommand() const { return m_badCommand; }
    // Length announced by the header being served, -1 while awaiting a header.
    qint32 pendingLength() const { return m_pending; }
    // Bytes held that no delivered body has used yet (headers included).
    qint64 bufferedBytes() const { return m_buffer.size() - m_pos; }

private:
    void dropConsumed();
    void fail(qint32 length, int command);

    // Room reserved at once for an announced body, so a large frame is
    // gathered without reallocating; larger bodies grow as they arrive.
    static constexpr int kEagerReserve = 4 * 1024 * 1024;
    // Bodies above this are read up to their end and no further.
    static constexpr int kLargeBody = 64 * 1024;

    QByteArray m_buffer;
    int m_pos = 0;       // first unconsumed byte of m_buffer
    int m_committed = 0; // buffer size before prepareAppend()
    qint32 m_pending = -1;
    qint32 m_maxBody;
    qint32 m_badLength = 0;
    int m_badCommand = -1;
    BodyLimit m_bodyLimit = nullptr;
    bool m_commandChecked = false; // the pending body's command met its limit
    bool m_failed = false;
};
