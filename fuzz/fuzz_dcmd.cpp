// SPDX-License-Identifier: GPL-3.0-or-later
// Commands from the plant bus, of any bytes, for a coder with and without
// a parameter block, by name and by the aliases of a birth, and as a node
// command.  A refused payload sends
// nothing, an accepted message name is a plain ".spr" name, every field set
// is within the panel's range, and a payload that decodes settles after
// one encode.  No accepted name or claimed user holds a control character.
// A job started holds a product, an order and a lot, none empty, and no job
// value or field name holds a control character or runs past its length.
#include "codermetrics.h"
#include "controlcharacter.h"
#include "filerecord.h"
#include "jobmetrics.h"
#include "parameterfields.h"
#include "plantcommand.h"
#include "sparkplugpayload.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

bool withinRange(const ParameterField &field, const QVariant &value)
{
    if (!field.codes.isEmpty())
        return field.codes.contains(value.toLongLong());
    const double v = value.toDouble();
    return std::isfinite(v) && v >= field.minimum && v <= field.maximum;
}

bool isJobValue(const QString &value)
{
    return !hasControlCharacter(value) && value.toUtf8().size() <= 255;
}

void checkJob(const PlantCommand &c)
{
    for (const QString &value : {c.product, c.order, c.lot}) {
        if (value.trimmed().isEmpty() || !isJobValue(value))
            abort();
    }
    for (auto it = c.fieldValues.cbegin(); it != c.fieldValues.cend(); ++it) {
        if (it.key().isEmpty() || it.key().size() > 32 || it.key().contains(QLatin1Char('/')) ||
            hasControlCharacter(it.key()) || !isJobValue(it.value()))
            abort();
    }
}

void checkDeviceCommand(const QByteArray &payload, const QByteArray &lastBlock,
                        const AliasNames &aliases = {})
{
    const DecodedCommands decoded = decodeDeviceCommand(payload, lastBlock, aliases);
    if (!decoded.refusals.isEmpty() && !decoded.commands.isEmpty())
        abort();
    for (const PlantCommand &c : decoded.commands) {
        if (hasControlCharacter(c.user) || hasControlCharacter(c.messageName))
            abort();
        if (c.kind == PlantCommand::Kind::ApplyMessage &&
            (!FileRecord::isSafeFileName(c.messageName) ||
             !c.messageName.endsWith(QLatin1String(".spr"))))
            abort();
        if (c.kind == PlantCommand::Kind::StartJob)
            checkJob(c);
        if (c.kind != PlantCommand::Kind::SetParameters)
            continue;
        if (!ParameterField::isWholeBlock(lastBlock) || c.fields.isEmpty())
            abort();
        for (const QString &name : c.fields) {
            const ParameterField *field = ParameterField::find(name);
            if (!field || !field->settable || !withinRange(*field, field->read(c.parameters)))
                abort();
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray payload(reinterpret_cast<const char *>(data), int(size));
    static const QByteArray block = PrintParameters().toBytes();
    checkDeviceCommand(payload, QByteArray());
    checkDeviceCommand(payload, block);
    // Aliases 1, 2, ... as a device is born with them.
    static const AliasNames aliases = [] {
        AliasNames out;
        for (const Sparkplug::Metric &m :
             CoderMetrics::birth(Coder(), QString()) + CoderMetrics::commandBirth() +
                 JobMetrics::of(nullptr, 0) + JobMetrics::commandBirth())
            out.insert(quint64(out.size() + 1), m.name);
        for (const ParameterField &field : ParameterField::all())
            out.insert(quint64(out.size() + 1), field.metric);
        return out;
    }();
    checkDeviceCommand(payload, block, aliases);
    QStringList refusals;
    decodeNodeCommand(payload, &refusals);
    decodeNodeCommand(payload, &refusals, {{1, QStringLiteral("Node Control/Rebirth")}});

    Sparkplug::Payload decoded;
    QString error;
    if (Sparkplug::decode(payload, &decoded, &error)) {
        const QByteArray once = Sparkplug::encode(decoded);
        Sparkplug::Payload again;
        if (!Sparkplug::decode(once, &again, &error) || Sparkplug::encode(again) != once)
            abort();
    }
    return 0;
}
