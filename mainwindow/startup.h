// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QApplication;

namespace Startup {

// The application style sheet compiled into the program, read as Latin-1 up
// to the first NUL byte; empty when the resource is missing.
QString styleSheet();

// Installs the style sheet and the organization and application names.
void configure(QApplication &app);

} // namespace Startup
