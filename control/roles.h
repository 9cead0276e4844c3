// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

// Who may do what while users sign in.  Each role may do all that the one
// before it may.
enum class Role { Operator, Supervisor, Administrator };

enum class Permission {
    Start,
    Stop,
    Apply,        // send a message that exists
    SendAnyway,   // send a message despite its pre-flight findings
    EditMessages, // the designer: new and changed messages
    Parameters,   // print parameters
    RemarkNames,
    Port,
    Users,           // users and roles, switching them on and off
    JournalSettings, // what the journal keeps and where
    RunJobs,         // start and end jobs of approved products
    EditProducts,    // the catalogue's products
    SignTemplates    // release a template version for production
};

namespace Roles {

// "Operator", "Supervisor", "Administrator": the names in the users file.
QString name(Role role);
std::optional<Role> fromName(const QString &name);
// The role's name in the interface language, for the operator; the users
// file and the journal keep name().
QString displayName(Role role);
// The least role that may.
Role needed(Permission permission);
inline bool allows(Role role, Permission permission)
{
    return int(role) >= int(needed(permission));
}
// "start", "print parameters" ... for the operator's messages.
QString permissionText(Permission permission);

} // namespace Roles
