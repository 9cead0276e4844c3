// SPDX-License-Identifier: GPL-3.0-or-later
#include "controlcharacter.h"

#include <algorithm>

bool isControlCharacter(QChar c)
{
    const ushort u = c.unicode();
    return u < 0x20 || (u >= 0x7f && u <= 0x9f) || u == 0x2028 || u == 0x2029;
}

bool hasControlCharacter(const QString &text)
{
    return std::any_of(text.cbegin(), text.cend(), isControlCharacter);
}
