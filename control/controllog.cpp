// SPDX-License-Identifier: GPL-3.0-or-later
#include "controllog.h"

Q_LOGGING_CATEGORY(lcControl, "korvex.control", QtInfoMsg)
