// SPDX-License-Identifier: GPL-3.0-or-later
#include "protocol.h"

#include <QtEndian>

QByteArray packFrame(quint8 command, const QByteArray &payload)
{
    QByteArray frame(kFrameHeaderSize + 1 + payload.size(), Qt::Uninitialized);
    qToBigEndian<qint32>(qint32(1 + payload.size()), frame.data());
    frame[kFrameHeaderSize] = char(command);
    if (!payload.isEmpty())
        memcpy(frame.data() + kFrameHeaderSize + 1, payload.constData(), size_t(payload.size()));
    return frame;
}

qint32 maxBodyFromCoder(quint8 command)
{
    return command == Command::CurrentFile ? kMaxFrameBody : kMaxCoderReportBody;
}

QByteArray runControlPayload(bool start)
{
    return QByteArray(1, start ? '\x01' : '\x00');
}

QByteArray requestPayload()
{
    return QByteArray(1, '\x01');
}

QByteArray statusReportPayload(const StatusReport &report)
{
    QByteArray payload(2, '\0');
    payload[0] = char(report.state);
    payload[1] = char(report.progress);
    return payload;
}

StatusReport parseStatusReport(const QByteArray &payload)
{
    StatusReport report;
    if (payload.size() > 0)
        report.state = quint8(payload[0]);
    if (payload.size() > 1)
        report.progress = qint8(payload[1]);
    return report;
}
