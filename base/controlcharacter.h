// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>
#include <QString>

// What this system takes for a control character in a name: C0 (U+0000 to
// U+001F), DEL (U+007F), C1 (U+0080 to U+009F, where U+0085 ends a line and
// U+009B starts a terminal's escape sequence) and the line and paragraph
// separators U+2028 and U+2029, which split lines in many viewers.  A name
// holding one would break a log line, a CSV row or a terminal showing it.
// File names, user names, claimed users of the plant bus and remark names
// are all checked by this one rule where a new name comes in.
bool isControlCharacter(QChar c);
bool hasControlCharacter(const QString &text);
