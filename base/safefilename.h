// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Longest file name, in UTF-8 bytes, that is accepted.
constexpr int kMaxFileNameBytes = 255;

// True for a plain file name only: not empty, not "." or "..", no "/",
// "\\", ":", NUL or other control character (controlcharacter.h), at most
// kMaxFileNameBytes of UTF-8, no trailing dot or space and no name Windows
// keeps for a device ("CON", "nul.spr", "COM1"), so that it cannot leave the
// folder it is joined to on any system.  Names come from coders and from
// message files.
bool isSafeFileName(const QString &name);
// The same for a name that a stored file already holds (a picture a saved
// message names): C1 characters and the line and paragraph separators,
// which an earlier rule let through, still pass, so that what was saved
// then still loads.
bool isSafeStoredFileName(const QString &name);
