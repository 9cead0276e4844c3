// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// Every coder holds a descriptor; Debian's default soft limit of 1,024 stops
// a plant of a thousand coders.  Raises the soft limit of open files to the
// hard limit and returns the limit in force afterwards (0 when it cannot be
// read).
qint64 raiseOpenFileLimit();
