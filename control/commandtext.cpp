// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandtext.h"

#include "commandkind.h"
#include "parameterchanges.h"

#include <QCoreApplication>
#include <QHash>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("CommandText", text);
}

QString originText(const CommandOrigin &origin)
{
    if (!origin.isRemote())
        return QString();
    const QString via = origin.via == QLatin1String("mqtt")
                            ? QCoreApplication::translate("CommandText", "over MQTT")
                            : origin.via;
    // A job's own commands name the job ("job 12").
    if (origin.user.isEmpty() && !origin.account.isEmpty() && origin.via != QLatin1String("mqtt"))
        return QStringLiteral(" (%1)").arg(origin.account);
    if (origin.user.isEmpty())
        return QStringLiteral(" (%1)").arg(via);
    return QStringLiteral(" (%1, %2)")
        .arg(via, QCoreApplication::translate("CommandText", "claimed user %1").arg(origin.user));
}

// Empty when the coder never reported its own block.
QString parameterText(const Coder &coder, const PrintParameters &sent)
{
    if (coder.parameterBlock.size() < PrintParameters::kSize)
        return QString();
    const QList<ParameterChange> changes =
        parameterChanges(PrintParameters::fromBytes(coder.parameterBlock), sent);
    if (changes.isEmpty())
        return QCoreApplication::translate("CommandText", "sent unchanged");
    QStringList texts;
    for (const ParameterChange &change : changes)
        texts << change.text();
    return texts.join(QLatin1String(", "));
}

} // namespace

namespace CommandText {

QString coder(const Coder &coder)
{
    return coder.remarkName.isEmpty()
               ? coder.ipText
               : QStringLiteral("%1 (%2)").arg(coder.ipText, coder.remarkName);
}

QString coders(const QList<Coder> &list)
{
    if (list.isEmpty())
        return tr("no coder");
    if (list.size() > 2)
        return tr("%1 coders").arg(list.size());
    QStringList names;
    for (const Coder &c : list)
        names << coder(c);
    return names.join(QLatin1String(", "));
}

QString actionName(CommandResult::Action action)
{
    return tr(CommandKind::of(action).name);
}

QStringList done(const CommandRecord &record, const CommandResult &result)
{
    QList<Coder> reached;
    for (const Coder &c : record.coders) {
        if (result.reached.contains(c.descriptor))
            reached << c;
    }
    const QString origin = originText(record.origin);
    switch (record.action) {
    case CommandResult::Action::Apply:
        if (reached.isEmpty())
            return {};
        return {tr("%1 sent to %2").arg(record.fileName, coders(reached)) + origin};
    case CommandResult::Action::Parameters: {
        // Coders that had the same block get one line.
        QStringList order;
        QHash<QString, QList<Coder>> groups;
        for (const Coder &c : reached) {
            const QString text = parameterText(c, record.parameters);
            if (!groups.contains(text))
                order << text;
            groups[text] << c;
        }
        QStringList lines;
        for (const QString &text : order) {
            const QString who = coders(groups.value(text));
            lines << (text.isEmpty() ? tr("Print parameters sent to %1 (its own were not reported "
                                          "before)")
                                           .arg(who)
                                     : tr("Print parameters of %1: %2").arg(who, text)) +
                         origin;
        }
        return lines;
    }
    case CommandResult::Action::Start:
    case CommandResult::Action::Stop:
        if (reached.isEmpty())
            return {};
        return {QStringLiteral("%1: %2").arg(actionName(record.action), coders(reached)) + origin};
    case CommandResult::Action::Listen:
        return {tr("Port changed from %1 to %2").arg(record.previousPort).arg(record.port)};
    case CommandResult::Action::RemarkName: {
        if (record.coders.isEmpty())
            return {};
        const Coder &c = record.coders.first();
        if (record.remarkName.isEmpty())
            return {tr("Remark name of %1 removed (was %2)").arg(c.ipText, c.remarkName)};
        if (c.remarkName.isEmpty())
            return {tr("%1 named %2").arg(c.ipText, record.remarkName)};
        return {tr("%1 renamed from %2 to %3").arg(c.ipText, c.remarkName, record.remarkName)};
    }
    }
    return {};
}

} // namespace CommandText
