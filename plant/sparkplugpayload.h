// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QVariant>

#include <optional>

// The plant bus carries the coders to a SCADA host or historian over MQTT,
// in the Sparkplug B convention: a fixed topic namespace and a protobuf
// payload of named, typed metrics.  This is the payload codec and the topic
// builder; the session (births, deaths, sequence numbers) is the caller's.
namespace Sparkplug {

// Largest payload decode() reads, and most metrics it keeps: a command or a
// birth holds a few dozen metrics of a few bytes each, and a peer must not
// make us hold more than a few megabytes.
constexpr int kMaxPayloadBytes = 256 * 1024;
constexpr int kMaxMetrics = 4096;

// The metric datatypes as numbered on the wire; codes without a name here
// (data sets, files, templates, arrays) may still arrive, see Metric.
enum class DataType : quint32 {
    Unknown = 0,
    Int8 = 1,
    Int16 = 2,
    Int32 = 3,
    Int64 = 4,
    UInt8 = 5,
    UInt16 = 6,
    UInt32 = 7,
    UInt64 = 8,
    Float = 9,
    Double = 10,
    Boolean = 11,
    String = 12,
    DateTime = 13,
    Text = 14,
    UUID = 15,
    Bytes = 17
};

// "Int32", "Boolean", ...; "datatype N" for a code without a name.
QString typeName(DataType type);
// Int8 to UInt64 and DateTime.
bool isIntegerType(DataType type);

struct Metric
{
    QString name; // null when the metric came with an alias only
    std::optional<quint64> alias;
    DataType type = DataType::Unknown;
    // qint64 for every integer type and DateTime (Int8, Int16 and Int32
    // sign-extended from their width), except a UInt64 or DateTime above
    // the qint64 range, which is a quint64; double for Float and Double;
    // bool; QString for String, Text and UUID; QByteArray for Bytes.
    // Invalid: the metric is null, or its datatype is one whose value is
    // not read here (Unknown, or a code without a name above).
    QVariant value;
};

// A metric by name, as the births and DATA messages carry them.
inline Metric metric(const QString &name, DataType type, const QVariant &value)
{
    Metric m;
    m.name = name;
    m.type = type;
    m.value = value;
    return m;
}

struct Payload
{
    quint64 timestamp = 0;      // ms since the epoch, UTC
    std::optional<quint64> seq; // absent on a node death
    QList<Metric> metrics;
};

// Integer values are written in the width of their datatype (a value
// outside it wraps); an invalid value, and the value of a datatype not
// named above, is written as null.
QByteArray encode(const Payload &payload);

// False, with the reason in *error, for bytes that are not a payload, more
// than kMaxPayloadBytes or kMaxMetrics, a name or text that is not UTF-8,
// or a metric whose value does not fit its datatype (a missing value, an
// Int8 of 300).  *payload is only written on success.
bool decode(const QByteArray &bytes, Payload *payload, QString *error);

// "spBv1.0/<group>/<messageType>/<edgeNode>[/<device>]" for the node
// messages (NBIRTH, NDEATH, NDATA, NCMD, without a device) and the device
// messages (DBIRTH, DDEATH, DDATA, DCMD, with one); empty for any other
// message type, a device where none belongs or is missing, an invalid ID,
// or a topic longer than MQTT allows.
QString topic(const QString &group, const QString &messageType, const QString &edgeNode,
              const QString &device = QString());

// A group, edge node or device ID: not empty, no '/', '+', '#' or NUL, and
// representable in UTF-8 (no lone surrogate).
bool isValidId(const QString &id);

} // namespace Sparkplug
