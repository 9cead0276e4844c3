// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLatin1String>

// The journal's names of what was done: the "action" of each line.  They
// are read back by the journal's view, by korvex-journal's filters and by
// auditors' tools, so a name, once written, never changes.
namespace JournalAction {

// Commands to coders.
constexpr QLatin1String kMessageSent("message sent");
constexpr QLatin1String kPrintParameters("print parameters");
constexpr QLatin1String kStart("start");
constexpr QLatin1String kStop("stop");
constexpr QLatin1String kPort("port");
constexpr QLatin1String kRemarkName("remark name");
constexpr QLatin1String kCommandFailed("command failed");
// Jobs.
constexpr QLatin1String kJobStarted("job started");
constexpr QLatin1String kJobEnded("job ended");
constexpr QLatin1String kTemplateApproved("template approved");
// The designer.
constexpr QLatin1String kMessageSaved("message saved");
// Users and roles.
constexpr QLatin1String kSignIn("sign-in");
constexpr QLatin1String kSignInRefused("sign-in refused");
constexpr QLatin1String kSignOut("sign-out");
constexpr QLatin1String kUsersOn("users on");
constexpr QLatin1String kUsersOff("users off");
constexpr QLatin1String kUserSet("user set");
constexpr QLatin1String kUserRemoved("user removed");
constexpr QLatin1String kIdleTime("idle time");
constexpr QLatin1String kAdministratorCreated("administrator created");
// The journal itself, after a start found damage or a stop's traces.
constexpr QLatin1String kJournalRecovered("journal recovered");

} // namespace JournalAction
