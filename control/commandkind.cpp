// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandkind.h"

#include "journalactions.h"

#include <QtGlobal>

namespace {

using A = CommandResult::Action;

const CommandKind kKinds[] = {
    {A::Apply, JournalAction::kMessageSent, QT_TRANSLATE_NOOP("CommandText", "Apply"),
     Permission::Apply},
    {A::Parameters, JournalAction::kPrintParameters,
     QT_TRANSLATE_NOOP("CommandText", "Print parameters"), Permission::Parameters},
    {A::Start, JournalAction::kStart, QT_TRANSLATE_NOOP("CommandText", "Start"), Permission::Start},
    {A::Stop, JournalAction::kStop, QT_TRANSLATE_NOOP("CommandText", "Stop"), Permission::Stop},
    {A::Listen, JournalAction::kPort, QT_TRANSLATE_NOOP("CommandText", "Port"), Permission::Port},
    {A::RemarkName, JournalAction::kRemarkName, QT_TRANSLATE_NOOP("CommandText", "Remark name"),
     Permission::RemarkNames},
};

} // namespace

const CommandKind &CommandKind::of(CommandResult::Action action)
{
    for (const CommandKind &kind : kKinds) {
        if (kind.action == action)
            return kind;
    }
    Q_UNREACHABLE();
    return kKinds[0];
}
