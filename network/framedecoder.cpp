// SPDX-License-Identifier: GPL-3.0-or-later
#include "framedecoder.h"

#include <QtEndian>

FrameDecoder::FrameDecoder(qint32 maxBody) : m_maxBody(maxBody) {}

void FrameDecoder::feed(const QByteArray &bytes)
{
    if (m_failed || bytes.isEmpty())
        return;
    // Appending to an empty buffer shares the caller's data instead of copying.
    m_buffer.append(bytes);
}

char *FrameDecoder::prepareAppend(int available, int *room)
{
    if (m_failed) {
        m_buffer = QByteArray();
        m_pos = 0;
    }
    *room = available;
    // Stop a large body at its last byte, so the buffer reserved for it is
    // never outgrown and can become the body as it is.
    const qint64 missing = qint64(m_pending) - bufferedBytes();
    if (m_pending > kLargeBody && missing > 0)
        *room = int(qMin<qint64>(available, missing));
    m_committed = m_buffer.size();
    m_buffer.resize(m_committed + *room);
    return m_buffer.data() + m_committed;
}

void FrameDecoder::commitAppend(int written)
{
    m_buffer.resize(m_committed + qMax(0, written));
}

bool FrameDecoder::next(QByteArray *body)
{
    if (m_failed)
        return false;
    if (m_pending < 0) {
        if (bufferedBytes() < kFrameHeaderSize) {
            dropConsumed();
            return false;
        }
        const qint32 length = qFromBigEndian<qint32>(m_buffer.constData() + m_pos);
        m_pos += kFrameHeaderSize;
        if (length < 0 || length > m_maxBody) {
            fail(length, -1);
            return false;
        }
        m_pending = length;
        m_commandChecked = false;
    }
    // Checked before anything is reserved for the body: a short report that
    // announces megabytes would otherwise swallow every frame after it.
    if (m_bodyLimit && !m_commandChecked && m_pending > 0 && bufferedBytes() > 0) {
        const quint8 command = quint8(m_buffer.at(m_pos));
        if (m_pending > m_bodyLimit(command)) {
            fail(m_pending, command);
            return false;
        }
        m_commandChecked = true;
    }
    if (bufferedBytes() < m_pending) {
        dropConsumed();
        m_buffer.reserve(qMin(m_pending, kEagerReserve));
        return false;
    }
    const int tail = m_buffer.size() - m_pos - m_pending;
    if (m_pos == 0 && tail < m_pending) {
        // A large body gathered over many reads starts the buffer: hand the
        // buffer over as the body and copy only the few bytes after it.
        QByteArray rest = m_buffer.mid(m_pending);
        m_buffer.truncate(m_pending);
        *body = std::move(m_buffer);
        m_buffer = std::move(rest);
    } else {
        *body = m_buffer.mid(m_pos, m_pending);
        m_pos += m_pending;
        if (m_pos == m_buffer.size()) {
            m_buffer.clear();
            m_pos = 0;
        }
    }
    m_pending = -1;
    return true;
}

void FrameDecoder::fail(qint32 length, int command)
{
    m_failed = true;
    m_badLength = length;
    m_badCommand = command;
    m_pending = -1;
    m_buffer = QByteArray();
    m_pos = 0;
}

// Moves an incomplete tail to the front once, so the buffer does not keep
// every delivered frame alive and a large body can later be taken whole.
void FrameDecoder::dropConsumed()
{
    if (m_pos == 0)
        return;
    m_buffer.remove(0, m_pos);
    m_pos = 0;
}
