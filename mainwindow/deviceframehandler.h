// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "protocol.h"

#include <QObject>

// Splits a coder's frame body into command and payload and reports what it
// carries. Frames with other commands, and empty ones, are ignored.
class DeviceFrameHandler : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    void handle(int descriptor, const QByteArray &body);

signals:
    // 0x40: the coder's current message file.
    void currentFileReceived(int descriptor, const QString &name, const QByteArray &content);
    // 0x40 whose record is malformed or names an unsafe file.
    void currentFileRefused(int descriptor, const QString &reason);
    // 0x41: the coder's print-parameter block.
    void parametersReceived(int descriptor, const QByteArray &block);
    // 0x20: state and progress.
    void statusReceived(int descriptor, const StatusReport &report);
};
