// SPDX-License-Identifier: GPL-3.0-or-later
#include "networklog.h"

Q_LOGGING_CATEGORY(lcLink, "korvex.link", QtInfoMsg)
Q_LOGGING_CATEGORY(lcFrames, "korvex.link.frames", QtInfoMsg)

QByteArray hexPreview(const QByteArray &data, int maxBytes)
{
    if (data.size() <= maxBytes)
        return data.toHex();
    return data.left(maxBytes).toHex() + "... (" + QByteArray::number(data.size()) + " bytes)";
}
