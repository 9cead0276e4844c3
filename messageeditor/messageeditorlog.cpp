// SPDX-License-Identifier: GPL-3.0-or-later
#include "messageeditorlog.h"

Q_LOGGING_CATEGORY(lcMessageEditor, "korvex.messageeditor", QtInfoMsg)
