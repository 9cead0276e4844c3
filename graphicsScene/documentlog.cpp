// SPDX-License-Identifier: GPL-3.0-or-later
#include "documentlog.h"

Q_LOGGING_CATEGORY(lcDocument, "korvex.document", QtInfoMsg)
