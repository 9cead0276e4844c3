// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printedcodes.h"

// The codes a message file prints at a moment, as the readers compare them
// (the service and the window hand this to their ReaderService).
namespace PrintedCodesOfFile {
PrintedCodes at(const QString &path, const QDateTime &moment);
}
