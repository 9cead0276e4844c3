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
    EditProducts     // the catalogue's products and the approval of templates
};

namespace Roles {

// "Operator", "Supervisor", "Administrator": the names in the users file.
QString name(Role role);
std::optional<Role> fromName(const QString &name);
// The least role that may.
Role needed(Permission permission);
inline bool allows(Role role, Permission permission)
{
    return int(role) >= int(needed(permission));
}
// "start", "print parameters" ... for the operator's messages.
QString permissionText(Permission permission);

} // namespace Roles
