// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>

// Debug lines of the message document (counters, external data, barcode
// encoding); off by default.  QT_LOGGING_RULES="korvex.document.debug=true"
// switches them on.
Q_DECLARE_LOGGING_CATEGORY(lcDocument)
