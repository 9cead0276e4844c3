// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commandrecord.h"

#include <QStringList>

// The operator's words for the coders and commands, the same in the
// window's event log and in the service's log.
namespace CommandText {

// "192.168.1.20 (Line 3)": the address, and the remark name when there is one.
QString coder(const Coder &coder);
// One or two coders by name, more by number: "3 coders".
QString coders(const QList<Coder> &coders);
// What a command that went out did, one line per group of coders it did the
// same to: "label1.spr sent to 192.168.1.20 (Line 3)", "Print parameters of
// 192.168.1.20: line speed 30 → 45 m/min", "Start: 3 coders".  Only the
// coders the result reached are named; the others are the result's problems.
QStringList done(const CommandRecord &record, const CommandResult &result);
// The command's name: "Apply", "Print parameters", "Start" ...
QString actionName(CommandResult::Action action);

} // namespace CommandText
