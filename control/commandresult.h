// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QMetaType>
#include <QString>
#include <QStringList>

// What became of one command to the coders.
struct CommandResult
{
    enum class Action { Apply, Parameters, Start, Stop, Listen, RemarkName };

    Action action = Action::Apply;
    // False when nothing was done; error says why, in words for the operator.
    bool ok = true;
    QString error;
    // The connections the command went out to.
    QList<int> reached;
    // What went wrong for single coders of a command that went out.
    QStringList problems;

    static CommandResult failed(Action action, const QString &error)
    {
        CommandResult result;
        result.action = action;
        result.ok = false;
        result.error = error;
        return result;
    }
};

Q_DECLARE_METATYPE(CommandResult)
