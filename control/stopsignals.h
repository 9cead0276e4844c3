// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QCoreApplication;

// SIGTERM and SIGINT end the application's event loop from inside it, so
// that a service closes the coders' sockets and says goodbye on the plant
// bus before it exits.  False when the signals cannot be watched.
bool quitOnStopSignals(QCoreApplication &app);
