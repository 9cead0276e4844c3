// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLatin1String>

// The journal's names of what was done: the "action" of each line.  They
// are read back by the journal's view, by korvex-journal's filters and by
// auditors' tools, so a name, once written, never changes.
namespace JournalAction {

// Commands to coders.
const QLatin1String kMessageSent("message sent");
const QLatin1String kPrintParameters("print parameters");
const QLatin1String kStart("start");
const QLatin1String kStop("stop");
const QLatin1String kPort("port");
const QLatin1String kRemarkName("remark name");
const QLatin1String kCommandFailed("command failed");
// Jobs.
const QLatin1String kJobStarted("job started");
const QLatin1String kJobEnded("job ended");
const QLatin1String kTemplateApproved("template approved");
// A scan of the packaging that is not the job's product.
const QLatin1String kPackagingRefused("packaging refused");
// The code readers after the coders.
const QLatin1String kReaderAlarm("reader alarm");
const QLatin1String kReaderAlarmAcknowledged("reader alarm acknowledged");
const QLatin1String kReaderChallenge("reader challenge");
// The designer.
const QLatin1String kMessageSaved("message saved");
// Users and roles.
const QLatin1String kSignIn("sign-in");
const QLatin1String kSignInRefused("sign-in refused");
const QLatin1String kSignOut("sign-out");
const QLatin1String kUsersOn("users on");
const QLatin1String kUsersOff("users off");
const QLatin1String kUserSet("user set");
const QLatin1String kUserRemoved("user removed");
const QLatin1String kIdleTime("idle time");
const QLatin1String kAdministratorCreated("administrator created");
// The journal itself, after a start found damage or a stop's traces.
const QLatin1String kJournalRecovered("journal recovered");

} // namespace JournalAction
