// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commandresult.h"
#include "roles.h"

#include <QLatin1String>

// What each kind of command is called and who may give it, in one table:
// the journal's action, the operator's name for it, and the permission the
// window's session asks for (commands from the plant bus are the broker's
// access list's to allow).
struct CommandKind
{
    CommandResult::Action action;
    QLatin1String journalAction; // "message sent"
    const char *name;            // "Apply", translated in the context "CommandText"
    Permission permission;

    static const CommandKind &of(CommandResult::Action action);
};
