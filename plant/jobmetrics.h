// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sparkplugpayload.h"

#include <QList>

class JobRunner;

// A coder's job as device metrics, after the coder's own, in this order:
//   "Job/Order", "Job/Product" (the product's code), "Job/Lot" String,
//   "Job/State" String: the stage name of JobRunner::stateName ("sending",
//       "verified", "running", "mismatch", "not verified"),
//   "Job/Verified" Boolean: true while the coder is verified or running.
// Without a job (or without a runner): "", "", "", "" and false.
namespace JobMetrics {

QList<Sparkplug::Metric> of(const JobRunner *runner, int descriptor);

// The job commands a host may write, born with neutral values: "Job/Start"
// and "Job/End" false (the values are born above).
QList<Sparkplug::Metric> commandBirth();

} // namespace JobMetrics
