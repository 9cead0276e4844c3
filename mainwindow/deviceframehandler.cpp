// SPDX-License-Identifier: GPL-3.0-or-later
#include "deviceframehandler.h"

#include "controllog.h"
#include "filerecord.h"
#include "networklog.h"

void DeviceFrameHandler::handle(int descriptor, const QByteArray &body)
{
    if (body.isEmpty())
        return;
    const quint8 command = quint8(body.at(0));
    const QByteArray payload = body.mid(1);
    qCDebug(lcControl) << "descryption :" << descriptor;
    qCDebug(lcControl) << "data:" << hexPreview(payload);
    switch (command) {
    case Command::CurrentFile: {
        FileRecord record;
        QString error;
        if (FileRecord::parseCurrentFile(payload, &record, &error))
            emit currentFileReceived(descriptor, record.name, record.content);
        else
            emit currentFileRefused(descriptor, error);
        break;
    }
    case Command::Parameters:
        emit parametersReceived(descriptor, payload);
        break;
    case Command::StatusReport:
        emit statusReceived(descriptor, parseStatusReport(payload));
        break;
    default:
        break;
    }
}
