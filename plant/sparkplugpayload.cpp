// SPDX-License-Identifier: GPL-3.0-or-later
#include "sparkplugpayload.h"

#include "sparkplugb.pb.h"

#include <limits>
#include <string>

namespace Sparkplug {

namespace {

using WireMetric = korvex::sparkplug::Payload::Metric;

constexpr int kMaxTopicBytes = 65535; // an MQTT topic's length field

bool fail(QString *error, const QString &message)
{
    if (error)
        *error = message;
    return false;
}

// Qt replaces what is not UTF-8 (stray bytes, overlong forms, encoded
// surrogates), so such bytes do not come back unchanged.
bool isUtf8(const std::string &bytes)
{
    const QByteArray raw = QByteArray::fromRawData(bytes.data(), int(bytes.size()));
    return QString::fromUtf8(raw).toUtf8() == raw;
}

QString fromUtf8(const std::string &bytes)
{
    return QString::fromUtf8(bytes.data(), int(bytes.size()));
}

std::string toUtf8(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    return std::string(bytes.constData(), size_t(bytes.size()));
}

// Int8 and Int16 are sign-extended to 32 bits on the wire; a sender that
// writes the bare 8 or 16 bits is read as well.
std::optional<qint64> signedFrom32(quint32 bits, int width)
{
    if (width == 32)
        return qint32(bits);
    const quint32 mask = (1u << width) - 1;
    const quint32 negativeFloor = ~(mask >> 1); // 0xFFFFFF80 for Int8
    if (bits > mask && bits < negativeFloor)
        return std::nullopt;
    const quint32 low = bits & mask;
    const quint32 sign = 1u << (width - 1);
    return (low & sign) ? qint64(low) - (qint64(1) << width) : qint64(low);
}

std::optional<qint64> unsignedFrom32(quint32 bits, int width)
{
    if (width < 32 && bits >> width)
        return std::nullopt;
    return qint64(bits);
}

QVariant unsignedFrom64(quint64 bits)
{
    if (bits > quint64(std::numeric_limits<qint64>::max()))
        return QVariant::fromValue(bits);
    return QVariant::fromValue(qint64(bits));
}

int widthOf(DataType type)
{
    switch (type) {
    case DataType::Int8:
    case DataType::UInt8:
        return 8;
    case DataType::Int16:
    case DataType::UInt16:
        return 16;
    default:
        return 32;
    }
}

bool readValue(const WireMetric &wire, DataType type, QVariant *value, QString *error)
{
    const auto missing = [&]() {
        return fail(error, QStringLiteral("%1 without its value").arg(typeName(type)));
    };
    switch (type) {
    case DataType::Int8:
    case DataType::Int16:
    case DataType::Int32:
    case DataType::UInt8:
    case DataType::UInt16:
    case DataType::UInt32: {
        if (wire.value_case() != WireMetric::kIntValue)
            return missing();
        const bool isSigned = type <= DataType::Int32;
        const auto read = isSigned ? signedFrom32(wire.int_value(), widthOf(type))
                                   : unsignedFrom32(wire.int_value(), widthOf(type));
        if (!read)
            return fail(
                error,
                QStringLiteral("%1 out of range for %2").arg(wire.int_value()).arg(typeName(type)));
        *value = QVariant::fromValue(*read);
        return true;
    }
    case DataType::Int64:
        if (wire.value_case() != WireMetric::kLongValue)
            return missing();
        *value = QVariant::fromValue(qint64(wire.long_value()));
        return true;
    case DataType::UInt64:
    case DataType::DateTime:
        if (wire.value_case() != WireMetric::kLongValue)
            return missing();
        *value = unsignedFrom64(wire.long_value());
        return true;
    case DataType::Float:
        if (wire.value_case() != WireMetric::kFloatValue)
            return missing();
        *value = double(wire.float_value());
        return true;
    case DataType::Double:
        if (wire.value_case() != WireMetric::kDoubleValue)
            return missing();
        *value = wire.double_value();
        return true;
    case DataType::Boolean:
        if (wire.value_case() != WireMetric::kBooleanValue)
            return missing();
        *value = wire.boolean_value();
        return true;
    case DataType::String:
    case DataType::Text:
    case DataType::UUID:
        if (wire.value_case() != WireMetric::kStringValue)
            return missing();
        if (!isUtf8(wire.string_value()))
            return fail(error, QStringLiteral("text that is not UTF-8"));
        *value = fromUtf8(wire.string_value());
        return true;
    case DataType::Bytes:
        if (wire.value_case() != WireMetric::kBytesValue)
            return missing();
        *value = QByteArray(wire.bytes_value().data(), int(wire.bytes_value().size()));
        return true;
    default:
        // Data sets, templates, arrays ...: the gateway takes none of them.
        *value = QVariant();
        return true;
    }
}

void writeValue(const Metric &metric, WireMetric *wire)
{
    const QVariant &v = metric.value;
    switch (metric.type) {
    case DataType::Int8:
        wire->set_int_value(quint32(qint32(qint8(v.toLongLong()))));
        break;
    case DataType::Int16:
        wire->set_int_value(quint32(qint32(qint16(v.toLongLong()))));
        break;
    case DataType::Int32:
        wire->set_int_value(quint32(qint32(v.toLongLong())));
        break;
    case DataType::UInt8:
        wire->set_int_value(quint8(v.toULongLong()));
        break;
    case DataType::UInt16:
        wire->set_int_value(quint16(v.toULongLong()));
        break;
    case DataType::UInt32:
        wire->set_int_value(quint32(v.toULongLong()));
        break;
    case DataType::Int64:
    case DataType::UInt64:
    case DataType::DateTime:
        wire->set_long_value(v.toULongLong());
        break;
    case DataType::Float:
        wire->set_float_value(float(v.toDouble()));
        break;
    case DataType::Double:
        wire->set_double_value(v.toDouble());
        break;
    case DataType::Boolean:
        wire->set_boolean_value(v.toBool());
        break;
    case DataType::String:
    case DataType::Text:
    case DataType::UUID:
        wire->set_string_value(toUtf8(v.toString()));
        break;
    case DataType::Bytes: {
        const QByteArray bytes = v.toByteArray();
        wire->set_bytes_value(bytes.constData(), size_t(bytes.size()));
        break;
    }
    default:
        wire->set_is_null(true);
        break;
    }
}

} // namespace

QString typeName(DataType type)
{
    switch (type) {
    case DataType::Unknown:
        return QStringLiteral("Unknown");
    case DataType::Int8:
        return QStringLiteral("Int8");
    case DataType::Int16:
        return QStringLiteral("Int16");
    case DataType::Int32:
        return QStringLiteral("Int32");
    case DataType::Int64:
        return QStringLiteral("Int64");
    case DataType::UInt8:
        return QStringLiteral("UInt8");
    case DataType::UInt16:
        return QStringLiteral("UInt16");
    case DataType::UInt32:
        return QStringLiteral("UInt32");
    case DataType::UInt64:
        return QStringLiteral("UInt64");
    case DataType::Float:
        return QStringLiteral("Float");
    case DataType::Double:
        return QStringLiteral("Double");
    case DataType::Boolean:
        return QStringLiteral("Boolean");
    case DataType::String:
        return QStringLiteral("String");
    case DataType::DateTime:
        return QStringLiteral("DateTime");
    case DataType::Text:
        return QStringLiteral("Text");
    case DataType::UUID:
        return QStringLiteral("UUID");
    case DataType::Bytes:
        return QStringLiteral("Bytes");
    }
    return QStringLiteral("datatype %1").arg(quint32(type));
}

bool isIntegerType(DataType type)
{
    return (type >= DataType::Int8 && type <= DataType::UInt64) || type == DataType::DateTime;
}

QByteArray encode(const Payload &payload)
{
    korvex::sparkplug::Payload wire;
    wire.set_timestamp(payload.timestamp);
    if (payload.seq)
        wire.set_seq(*payload.seq);
    for (const Metric &metric : payload.metrics) {
        WireMetric *out = wire.add_metrics();
        if (!metric.name.isNull())
            out->set_name(toUtf8(metric.name));
        if (metric.alias)
            out->set_alias(*metric.alias);
        out->set_datatype(quint32(metric.type));
        if (metric.value.isValid())
            writeValue(metric, out);
        else
            out->set_is_null(true);
    }
    const std::string bytes = wire.SerializeAsString();
    return QByteArray(bytes.data(), int(bytes.size()));
}

bool decode(const QByteArray &bytes, Payload *payload, QString *error)
{
    if (bytes.size() > kMaxPayloadBytes)
        return fail(error, QStringLiteral("payload of %1 bytes; at most %2 are read")
                               .arg(bytes.size())
                               .arg(kMaxPayloadBytes));
    korvex::sparkplug::Payload wire;
    if (!wire.ParseFromArray(bytes.constData(), bytes.size()))
        return fail(error, QStringLiteral("not a Sparkplug B payload"));
    if (wire.metrics_size() > kMaxMetrics)
        return fail(error, QStringLiteral("%1 metrics; at most %2 are read")
                               .arg(wire.metrics_size())
                               .arg(kMaxMetrics));
    Payload out;
    out.timestamp = wire.timestamp();
    if (wire.has_seq())
        out.seq = wire.seq();
    out.metrics.reserve(wire.metrics_size());
    for (int i = 0; i < wire.metrics_size(); ++i) {
        const WireMetric &in = wire.metrics(i);
        const QString which = QStringLiteral("metric %1").arg(i + 1);
        Metric metric;
        if (in.has_name()) {
            if (!isUtf8(in.name()))
                return fail(error, which + QStringLiteral(": name is not UTF-8"));
            metric.name = fromUtf8(in.name());
            // Names are never null once read, even empty ones.
            if (metric.name.isNull())
                metric.name = QLatin1String("");
        }
        if (in.has_alias())
            metric.alias = in.alias();
        metric.type = DataType(in.datatype());
        QString why;
        if (!in.is_null() && !readValue(in, metric.type, &metric.value, &why))
            return fail(error, QStringLiteral("%1 (\"%2\"): %3").arg(which, metric.name, why));
        out.metrics.append(metric);
    }
    *payload = out;
    return true;
}

bool isValidId(const QString &id)
{
    if (id.isEmpty())
        return false;
    for (const QChar c : id) {
        if (c == QLatin1Char('/') || c == QLatin1Char('+') || c == QLatin1Char('#') ||
            c.unicode() == 0)
            return false;
    }
    return QString::fromUtf8(id.toUtf8()) == id;
}

QString topic(const QString &group, const QString &messageType, const QString &edgeNode,
              const QString &device)
{
    static const QStringList nodeTypes{QStringLiteral("NBIRTH"), QStringLiteral("NDEATH"),
                                       QStringLiteral("NDATA"), QStringLiteral("NCMD")};
    static const QStringList deviceTypes{QStringLiteral("DBIRTH"), QStringLiteral("DDEATH"),
                                         QStringLiteral("DDATA"), QStringLiteral("DCMD")};
    const bool forDevice = deviceTypes.contains(messageType);
    if (!forDevice && !nodeTypes.contains(messageType))
        return QString();
    if (!isValidId(group) || !isValidId(edgeNode))
        return QString();
    if (forDevice ? !isValidId(device) : !device.isEmpty())
        return QString();
    QString out = QStringLiteral("spBv1.0/%1/%2/%3").arg(group, messageType, edgeNode);
    if (forDevice)
        out += QLatin1Char('/') + device;
    if (out.toUtf8().size() > kMaxTopicBytes)
        return QString();
    return out;
}

} // namespace Sparkplug
