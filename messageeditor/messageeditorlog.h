// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>

// Debug lines of the standalone editor; off by default.
// QT_LOGGING_RULES="korvex.messageeditor.debug=true" switches them on.
Q_DECLARE_LOGGING_CATEGORY(lcMessageEditor)
