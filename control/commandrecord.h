// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "coder.h"
#include "commandresult.h"
#include "printparameters.h"

#include <QList>
#include <QString>

// Where a command came from when not from the operator of this PC.
struct CommandOrigin
{
    QString via;     // empty: this PC's window or service; "mqtt": the plant bus
    QString account; // the broker account the service is connected with
    QString user;    // the user name the command claims, unchecked; empty: none

    bool isRemote() const { return !via.isEmpty(); }
};

// A command as it is about to go out: the records of the coders it goes to,
// as they were before it, and what it carries.
struct CommandRecord
{
    CommandResult::Action action = CommandResult::Action::Apply;
    QList<Coder> coders;
    // Apply: the message sent.
    QString fileName;
    QString sha256; // of its bytes, lower-case hex
    qint64 bytes = 0;
    // Parameters: the block sent; each coder's own is in its record.
    PrintParameters parameters;
    // RemarkName: the new name (empty: none); the coders hold the old one.
    QString remarkName;
    // Listen: the port the server moves from (0: none) and to.
    quint16 previousPort = 0;
    quint16 port = 0;
    CommandOrigin origin;
};

// Keeps a record of the Fleet's commands: asked before each goes out, it
// may refuse it, and it learns of the outcome afterwards.
class CommandRecorder
{
public:
    virtual ~CommandRecorder() = default;
    // Empty to let the command go out; else why it may not.
    virtual QString before(const CommandRecord &record) = 0;
    virtual void after(const CommandRecord &record, const CommandResult &result) = 0;
};
