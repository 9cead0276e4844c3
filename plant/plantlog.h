// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>

// The broker connection, the Sparkplug session and the commands it carries.
Q_DECLARE_LOGGING_CATEGORY(lcPlant)
