// SPDX-License-Identifier: GPL-3.0-or-later
#include "plantlog.h"

Q_LOGGING_CATEGORY(lcPlant, "korvex.plant", QtInfoMsg)
