// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// What a message file is found to be on its way to coders: whether it loads
// as a message at all (and why not), and the pre-flight findings against the
// heads of those coders, one sentence each.  The check itself needs the
// document library; the control core only asks for it.
struct MessageCheckResult
{
    bool loaded = false;
    QString error;        // why it does not load; empty when it does
    QStringList findings; // "Text "LOT 12": part of it is off the print area" ...

    bool clean() const { return loaded && findings.isEmpty(); }
};

// Loads the message at path and checks it for coders printing with the heads
// of headMask (bit n: head n + 1).
using MessageCheck = std::function<MessageCheckResult(const QString &path, quint8 headMask)>;
