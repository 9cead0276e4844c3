// SPDX-License-Identifier: GPL-3.0-or-later
#include "plantcommand.h"

#include "codermetrics.h"
#include "controlcharacter.h"
#include "filerecord.h"
#include "parameterfields.h"
#include "printparameterfields.h"
#include "sparkplugpayload.h"

#include <QCoreApplication>
#include <QSet>

namespace {

using Sparkplug::DataType;
using Sparkplug::Metric;

QString tr(const char *text)
{
    return QCoreApplication::translate("PlantCommand", text);
}

const QLatin1String kApplyMessage("Command/Apply Message");
const QLatin1String kStart("Command/Start");
const QLatin1String kStop("Command/Stop");
const QLatin1String kRequestCurrentFile("Command/Request Current File");
const QLatin1String kUser("Command/User");
const QLatin1String kJobStart("Job/Start");
const QLatin1String kJobEnd("Job/End");
const QLatin1String kJobProduct("Job/Product");
const QLatin1String kJobOrder("Job/Order");
const QLatin1String kJobLot("Job/Lot");
const QLatin1String kJobPackaging("Job/Packaging");
const QLatin1String kJobFieldPrefix("Job/Field/");
const QLatin1String kJobState("Job/State");
const QLatin1String kJobVerified("Job/Verified");
constexpr int kMaxJobValueBytes = 255;
constexpr int kMaxFieldNameChars = 32;
const QLatin1String kRebirth("Node Control/Rebirth");
const QLatin1String kHeadEnableMask("Parameters/Head Enable Mask");
const QLatin1String kHeadRangeMask("Parameters/Head Range Mask");
const QLatin1String kMessageSuffix(".spr");
constexpr int kMaxUserBytes = 255;
constexpr int kMaxQuoted = 60;

// A peer's text in a refusal: control characters shown as '?' and cut
// short, so that a log line stays one readable line.
QString shown(const QString &text)
{
    QString out = text.left(kMaxQuoted);
    for (QChar &c : out) {
        if (isControlCharacter(c))
            c = QLatin1Char('?');
    }
    if (text.size() > kMaxQuoted)
        out += QStringLiteral("...");
    return out;
}

QString quoted(const QString &text)
{
    return QLatin1Char('"') + shown(text) + QLatin1Char('"');
}

bool refuse(QString *reason, const QString &text)
{
    *reason = text;
    return false;
}

bool isType(const Metric &m, DataType type, QString *reason)
{
    if (m.type != type)
        return refuse(reason, tr("datatype %1, expected %2")
                                  .arg(Sparkplug::typeName(m.type), Sparkplug::typeName(type)));
    if (!m.value.isValid())
        return refuse(reason, tr("null value"));
    return true;
}

// A momentary order: only true asks for it.
bool isTrue(const Metric &m, QString *reason)
{
    if (!isType(m, DataType::Boolean, reason))
        return false;
    if (!m.value.toBool())
        return refuse(reason, tr("false asks for nothing; write true"));
    return true;
}

// The file in "Spray/" that a message name stands for.
bool messageFile(const QString &name, QString *file, QString *reason)
{
    if (name.isEmpty())
        return refuse(reason, tr("empty message name"));
    if (name.trimmed() != name)
        return refuse(reason, tr("%1 begins or ends with a space").arg(quoted(name)));
    const QString withSuffix = name.endsWith(kMessageSuffix) ? name : name + kMessageSuffix;
    if (withSuffix.toUtf8().size() > FileRecord::kMaxNameBytes)
        return refuse(reason, tr("%1 is longer than %2 bytes of UTF-8 with \".spr\"")
                                  .arg(quoted(name))
                                  .arg(FileRecord::kMaxNameBytes));
    // ".spr" alone or a hidden file is no message the designer saves.
    if (withSuffix.startsWith(QLatin1Char('.')) || !FileRecord::isSafeFileName(withSuffix))
        return refuse(reason, tr("%1 is not a plain message name").arg(quoted(name)));
    *file = withSuffix;
    return true;
}

bool userName(const Metric &m, QString *user, QString *reason)
{
    if (!isType(m, DataType::String, reason))
        return false;
    const QString name = m.value.toString();
    if (name.toUtf8().size() > kMaxUserBytes || hasControlCharacter(name))
        return refuse(reason, tr("%1 is not a user name (at most %2 bytes, no control characters)")
                                  .arg(quoted(name))
                                  .arg(kMaxUserBytes));
    *user = name;
    return true;
}

// A job value: a String a batch record and a message can hold.
bool jobValue(const Metric &m, QString *value, QString *reason)
{
    if (!isType(m, DataType::String, reason))
        return false;
    const QString text = m.value.toString();
    if (text.toUtf8().size() > kMaxJobValueBytes)
        return refuse(
            reason,
            tr("%1 is longer than %2 bytes of UTF-8").arg(quoted(text)).arg(kMaxJobValueBytes));
    if (hasControlCharacter(text))
        return refuse(reason, tr("%1 holds a control character").arg(quoted(text)));
    *value = text;
    return true;
}

// A product's field name: letters, digits and "_", a letter first.
bool isFieldName(const QString &name)
{
    if (name.isEmpty() || name.size() > kMaxFieldNameChars)
        return false;
    for (int i = 0; i < name.size(); ++i) {
        const ushort c = name.at(i).unicode();
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (!letter && !(i > 0 && ((c >= '0' && c <= '9') || c == '_')))
            return false;
    }
    return true;
}

// The metrics the gateway publishes but takes no command for.
bool isReadOnly(const QString &name)
{
    static const QSet<QString> names = [] {
        QSet<QString> out{kJobState, kJobVerified};
        for (const Metric &m : CoderMetrics::birth(Coder(), QString()))
            out.insert(m.name);
        for (const ParameterField &field : ParameterField::all()) {
            if (!field.settable)
                out.insert(field.metric);
        }
        return out;
    }();
    return names.contains(name);
}

// How a refusal names a metric: by name, else by position and alias.
QString label(const Metric &m, int index)
{
    if (!m.name.isEmpty())
        return shown(m.name);
    if (m.alias)
        return tr("metric %1 (alias %2)").arg(index + 1).arg(*m.alias);
    return tr("metric %1").arg(index + 1);
}

// Heads are used from head 1 up to the highest enabled one, as the panel
// sets the range mask; with no head enabled it stays.
void rangeFollowsHeads(PrintParameters *p)
{
    if (const std::optional<qint8> range = PrintHeads::rangeMaskFor(quint8(p->headEnableMask)))
        p->headRangeMask = *range;
}

// Gives m the name its alias stands for; false, with the reason, for an
// alias that was never given or one that does not go with the name.
// Without aliases the metric is left as it came.
bool resolveAlias(Metric *m, const AliasNames &aliases, QString *reason)
{
    if (!m->alias || aliases.isEmpty())
        return true;
    const QString name = aliases.value(*m->alias);
    if (name.isNull())
        return refuse(reason, tr("unknown alias"));
    if (!m->name.isEmpty() && m->name != name)
        return refuse(reason, tr("alias %1 stands for %2").arg(QString::number(*m->alias), name));
    m->name = name;
    return true;
}

PlantCommand command(PlantCommand::Kind kind)
{
    PlantCommand c;
    c.kind = kind;
    return c;
}

} // namespace

DecodedCommands decodeDeviceCommand(const QByteArray &payload, const QByteArray &lastParameterBlock,
                                    const AliasNames &aliases)
{
    DecodedCommands out;
    Sparkplug::Payload decoded;
    QString error;
    if (!Sparkplug::decode(payload, &decoded, &error)) {
        out.refusals << tr("command payload refused: %1").arg(error);
        return out;
    }

    const bool haveBlock = ParameterField::isWholeBlock(lastParameterBlock);
    PrintParameters parameters = PrintParameters::fromBytes(lastParameterBlock);
    QList<PlantCommand> commands;
    QStringList fields;
    int parametersAt = -1;
    QString user;
    PlantCommand job = command(PlantCommand::Kind::StartJob);
    int jobAt = -1;
    bool jobValues = false;
    QSet<QString> seen;
    for (int i = 0; i < decoded.metrics.size(); ++i) {
        Metric m = decoded.metrics.at(i);
        QString reason;
        const auto refused = [&](const QString &why) {
            out.refusals << label(m, i) + QStringLiteral(": ") + why;
        };
        if (!resolveAlias(&m, aliases, &reason)) {
            refused(reason);
            continue;
        }
        if (m.name.isEmpty()) {
            refused(m.alias ? tr("commands are taken by name, not by alias") : tr("no name"));
            continue;
        }
        if (seen.contains(m.name)) {
            refused(tr("given more than once"));
            continue;
        }
        seen.insert(m.name);

        if (m.name == kApplyMessage) {
            QString file;
            if (!isType(m, DataType::String, &reason) ||
                !messageFile(m.value.toString(), &file, &reason)) {
                refused(reason);
                continue;
            }
            PlantCommand apply = command(PlantCommand::Kind::ApplyMessage);
            apply.messageName = file;
            commands << apply;
        } else if (m.name == kStart || m.name == kStop || m.name == kRequestCurrentFile) {
            if (!isTrue(m, &reason)) {
                refused(reason);
                continue;
            }
            commands << command(m.name == kStart  ? PlantCommand::Kind::Start
                                : m.name == kStop ? PlantCommand::Kind::Stop
                                                  : PlantCommand::Kind::RequestCurrentFile);
        } else if (m.name == kJobStart || m.name == kJobEnd) {
            if (!isTrue(m, &reason)) {
                refused(reason);
                continue;
            }
            if (m.name == kJobEnd) {
                commands << command(PlantCommand::Kind::EndJob);
            } else {
                jobAt = commands.size();
                commands << job;
            }
        } else if (m.name == kJobProduct || m.name == kJobOrder || m.name == kJobLot) {
            QString *into = m.name == kJobProduct ? &job.product
                            : m.name == kJobOrder ? &job.order
                                                  : &job.lot;
            if (!jobValue(m, into, &reason))
                refused(reason);
            else if (into->trimmed().isEmpty())
                refused(tr("empty"));
            jobValues = true;
        } else if (m.name == kJobPackaging) {
            if (!jobValue(m, &job.packaging, &reason))
                refused(reason);
            jobValues = true;
        } else if (m.name.startsWith(kJobFieldPrefix)) {
            const QString field = m.name.mid(kJobFieldPrefix.size());
            QString value;
            if (!isFieldName(field))
                refused(tr("%1 is not a field name (letters, digits and \"_\", a letter first, "
                           "at most %2)")
                            .arg(quoted(field))
                            .arg(kMaxFieldNameChars));
            else if (!jobValue(m, &value, &reason))
                refused(reason);
            else
                job.fieldValues.insert(field, value);
            jobValues = true;
        } else if (m.name == kUser) {
            if (!userName(m, &user, &reason))
                refused(reason);
        } else if (const ParameterField *field = ParameterField::find(m.name)) {
            if (!field->settable) {
                refused(tr("read only"));
            } else if (!field->write(m, &parameters, &reason)) {
                refused(reason);
            } else if (!haveBlock) {
                refused(tr("the coder has not reported its print parameters yet"));
            } else {
                fields << m.name;
                if (parametersAt < 0) {
                    parametersAt = commands.size();
                    commands << command(PlantCommand::Kind::SetParameters);
                }
            }
        } else if (isReadOnly(m.name)) {
            refused(tr("read only"));
        } else {
            refused(tr("unknown metric"));
        }
    }
    if (jobAt < 0 && jobValues) {
        out.refusals << tr("Job/Product, Job/Order, Job/Lot and Job/Field/... start a job only "
                           "with Job/Start true");
    } else if (jobAt >= 0) {
        QStringList missing;
        if (job.product.isEmpty() && !seen.contains(kJobProduct))
            missing << kJobProduct;
        if (job.order.isEmpty() && !seen.contains(kJobOrder))
            missing << kJobOrder;
        if (job.lot.isEmpty() && !seen.contains(kJobLot))
            missing << kJobLot;
        if (!missing.isEmpty())
            out.refusals << tr("Job/Start: a job needs %1").arg(missing.join(QStringLiteral(", ")));
        else
            commands[jobAt] = job;
    }
    if (!out.refusals.isEmpty())
        return out;

    if (parametersAt >= 0) {
        if (fields.contains(kHeadEnableMask) && !fields.contains(kHeadRangeMask))
            rangeFollowsHeads(&parameters);
        commands[parametersAt].parameters = parameters;
        commands[parametersAt].fields = fields;
    }
    for (PlantCommand &c : commands)
        c.user = user;
    out.commands = commands;
    return out;
}

bool decodeNodeCommand(const QByteArray &payload, QStringList *refusals, const AliasNames &aliases)
{
    QStringList refused;
    Sparkplug::Payload decoded;
    QString error;
    bool rebirth = false;
    if (!Sparkplug::decode(payload, &decoded, &error)) {
        refused << tr("command payload refused: %1").arg(error);
    } else {
        for (int i = 0; i < decoded.metrics.size(); ++i) {
            Metric m = decoded.metrics.at(i);
            QString reason;
            if (resolveAlias(&m, aliases, &reason)) {
                if (m.name != kRebirth)
                    reason = m.name.isEmpty() && m.alias
                                 ? tr("commands are taken by name, not by alias")
                                 : tr("unknown metric");
                else if (isTrue(m, &reason))
                    rebirth = true;
            }
            if (!reason.isEmpty())
                refused << label(m, i) + QStringLiteral(": ") + reason;
        }
    }
    if (refusals)
        *refusals = refused;
    return rebirth;
}
