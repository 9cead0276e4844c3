// SPDX-License-Identifier: GPL-3.0-or-later
#include "deviceiptext.h"

QString deviceIpText(const QHostAddress &peer)
{
    bool isV4 = false;
    const quint32 v4 = peer.toIPv4Address(&isV4);
    if (isV4)
        return QHostAddress(v4).toString();
    return peer.toString();
}
