// SPDX-License-Identifier: GPL-3.0-or-later
// The frame decoder fed an arbitrary byte stream in arbitrary cuts, through
// both of its ways in (feed() and the in-place prepareAppend()/commitAppend()
// the socket uses).  Every body it yields must equal what a plain reading of
// the stream gives, and a bad header must stop it for good.
#include "framedecoder.h"

#include <QList>
#include <QtEndian>

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

// The frames a straightforward reader finds in the whole stream.
struct Expected
{
    QList<QByteArray> bodies;
    bool failed = false;
};

Expected readPlainly(const QByteArray &stream, qint32 maxBody)
{
    Expected e;
    int at = 0;
    while (stream.size() - at >= kFrameHeaderSize) {
        const qint32 length = qFromBigEndian<qint32>(stream.constData() + at);
        if (length < 0 || length > maxBody) {
            e.failed = true;
            break;
        }
        if (stream.size() - at - kFrameHeaderSize < length)
            break;
        e.bodies.append(stream.mid(at + kFrameHeaderSize, length));
        at += kFrameHeaderSize + length;
    }
    return e;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    // Byte 0: the body limit and the way in; byte 1 seeds the cuts.
    static const qint32 limits[] = {16, 4096, kMaxFrameBody};
    const qint32 maxBody = limits[data[0] % 3];
    const bool inPlace = data[0] & 0x80;
    quint32 seed = data[1] * 2654435761u + 1;
    const QByteArray stream(reinterpret_cast<const char *>(data) + 2, int(size - 2));

    FrameDecoder decoder(maxBody);
    QList<QByteArray> got;
    int at = 0;
    while (at < stream.size()) {
        seed = seed * 1103515245u + 12345u;
        const int cut = qMin(stream.size() - at, int((seed >> 16) % 19) + 1);
        if (inPlace) {
            int room = 0;
            char *to = decoder.prepareAppend(cut, &room);
            if (room < 0 || room > cut)
                abort();
            std::memcpy(to, stream.constData() + at, size_t(room));
            decoder.commitAppend(room);
            at += room;
            if (room == 0 && !decoder.failed())
                abort(); // an alive decoder must take bytes
            if (room == 0)
                break;
        } else {
            decoder.feed(stream.mid(at, cut));
            at += cut;
        }
        QByteArray body;
        while (decoder.next(&body))
            got.append(body);
        if (decoder.failed())
            break;
    }
    const Expected expected = readPlainly(stream, maxBody);
    if (got != expected.bodies || decoder.failed() != expected.failed)
        abort();
    if (!decoder.failed() && decoder.bufferedBytes() < 0)
        abort();
    return 0;
}
