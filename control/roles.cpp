// SPDX-License-Identifier: GPL-3.0-or-later
#include "roles.h"

#include <QCoreApplication>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("Roles", text);
}

} // namespace

namespace Roles {

QString name(Role role)
{
    switch (role) {
    case Role::Operator:
        return QStringLiteral("Operator");
    case Role::Supervisor:
        return QStringLiteral("Supervisor");
    case Role::Administrator:
        return QStringLiteral("Administrator");
    }
    return QString();
}

std::optional<Role> fromName(const QString &text)
{
    for (const Role role : {Role::Operator, Role::Supervisor, Role::Administrator}) {
        if (text == name(role))
            return role;
    }
    return std::nullopt;
}

Role needed(Permission permission)
{
    switch (permission) {
    case Permission::Start:
    case Permission::Stop:
    case Permission::Apply:
        return Role::Operator;
    case Permission::SendAnyway:
    case Permission::EditMessages:
    case Permission::Parameters:
    case Permission::RemarkNames:
    case Permission::EditProducts:
        return Role::Supervisor;
    case Permission::Port:
    case Permission::Users:
    case Permission::JournalSettings:
        return Role::Administrator;
    }
    return Role::Administrator;
}

QString permissionText(Permission permission)
{
    switch (permission) {
    case Permission::Start:
        return tr("start");
    case Permission::Stop:
        return tr("stop");
    case Permission::Apply:
        return tr("send messages");
    case Permission::SendAnyway:
        return tr("send a message despite its pre-flight findings");
    case Permission::EditMessages:
        return tr("edit messages");
    case Permission::Parameters:
        return tr("change print parameters");
    case Permission::RemarkNames:
        return tr("name coders");
    case Permission::Port:
        return tr("change the port");
    case Permission::Users:
        return tr("manage users");
    case Permission::JournalSettings:
        return tr("change the journal's settings");
    case Permission::EditProducts:
        return tr("edit products");
    }
    return QString();
}

} // namespace Roles
