// SPDX-License-Identifier: GPL-3.0-or-later
#include "editorlog.h"

Q_LOGGING_CATEGORY(lcEditor, "korvex.editor", QtInfoMsg)
