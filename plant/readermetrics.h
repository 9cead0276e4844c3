// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sparkplugpayload.h"

#include <QList>

class ReaderService;

// What the code reader after a coder made of its codes, as device metrics
// after the job's: "Reader/Good", "Reader/Bad", "Reader/No Read" Int64 (the
// reads since the service started) and "Reader/Alarm" Boolean (an alarm
// stands until it is acknowledged).  A coder no reader watches: 0, 0, 0 and
// false.
namespace ReaderMetrics {
QList<Sparkplug::Metric> of(const ReaderService *readers, int descriptor);
}
