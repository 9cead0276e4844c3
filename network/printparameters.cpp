// SPDX-License-Identifier: GPL-3.0-or-later
#include "printparameters.h"

#include <QtEndian>

#include <array>
#include <cstring>

namespace {

// Visits the fields in wire order, so that writing and reading cannot drift
// apart.
template <typename Params, typename Visitor> void visitFields(Params &p, Visitor &&v)
{
    v(p.sprayMode);
    v(p.deviceValue1);
    v(p.deviceValue2);
    v(p.dpiCode);
    v(p.triggerMode);
    v(p.headRangeMask);
    v(p.splice);
    v(p.headEnableMask);
    v(p.entireDirection);
    v(p.headOffset1);
    v(p.headOffset2);
    v(p.headOffset3);
    v(p.headOffset4);
    v(p.headDirection1);
    v(p.headDirection2);
    v(p.headDirection3);
    v(p.headDirection4);
    v(p.encoderEnabled);
    v(p.beepEnabled);
    v(p.encoderPpr);
    v(p.encoderDiameter);
    v(p.lineSpeed);
    v(p.signalInterval);
    v(p.deviceValue3);
}

void put(char *at, qint8 value)
{
    *at = char(value);
}
void put(char *at, bool value)
{
    *at = value ? 1 : 0;
}
void put(char *at, qint32 value)
{
    qToBigEndian<qint32>(value, at);
}
void put(char *at, double value)
{
    quint64 bits;
    std::memcpy(&bits, &value, sizeof bits);
    qToBigEndian<quint64>(bits, at);
}

void get(const char *at, qint8 &value)
{
    value = qint8(*at);
}
void get(const char *at, bool &value)
{
    value = *at != 0;
}
void get(const char *at, qint32 &value)
{
    value = qFromBigEndian<qint32>(at);
}
void get(const char *at, double &value)
{
    const quint64 bits = qFromBigEndian<quint64>(at);
    std::memcpy(&value, &bits, sizeof value);
}

} // namespace

QByteArray PrintParameters::toBytes() const
{
    std::array<char, kSize> block{};
    char *at = block.data();
    visitFields(*this, [&at](auto field) {
        put(at, field);
        at += sizeof(field);
    });
    return QByteArray(block.data(), kSize);
}

PrintParameters PrintParameters::fromBytes(const QByteArray &block)
{
    std::array<char, kSize> padded{};
    std::memcpy(padded.data(), block.constData(), size_t(qMin(block.size(), kSize)));
    PrintParameters p;
    const char *at = padded.data();
    visitFields(p, [&at](auto &field) {
        get(at, field);
        at += sizeof(field);
    });
    return p;
}

bool PrintParameters::operator==(const PrintParameters &other) const
{
    return toBytes() == other.toBytes();
}
