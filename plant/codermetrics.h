// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "coder.h"
#include "sparkplugpayload.h"

#include <QList>

// One coder as a device on the plant bus.
namespace CoderMetrics {

// Every metric of the coder, with name, datatype and value, in this order:
//   "Status/State" String: "Stopped", "Printing" or "Ready"
//   "Status/Progress" Int32: 0 to 100, -1 before the first report
//   "Message/Name" String: the current message file, "" when unknown
//   "Message/SHA-256" String: messageSha256 as given (lower-case hex of the
//       copy in devices/<IP>/<name>, "" when unknown)
//   "Properties/Remark Name" String, "Properties/IP" String
//   one "Parameters/<Field>" per field of the print-parameter block, in
//       block order (ParameterField::all()), once the coder has sent a whole
//       block; a shorter one is not published (its missing fields would read
//       as zeros).
QList<Sparkplug::Metric> birth(const Coder &coder, const QString &messageSha256);

// The first two metrics of birth(), "Status/State" and "Status/Progress":
// all that a status report can change, built without the rest.
QList<Sparkplug::Metric> status(const Coder &coder);

// The metrics of after whose value differs from the metric of the same
// name and datatype in before, for a data message.  A metric of after that
// before lacks is left out: it was never born, see needsRebirth().
QList<Sparkplug::Metric> changed(const QList<Sparkplug::Metric> &before,
                                 const QList<Sparkplug::Metric> &after);

// True when after has a metric (name and datatype) that before lacks, or
// lacks one that before has: the device must be born again rather than
// send data (the coder's first parameter block, for example).
bool needsRebirth(const QList<Sparkplug::Metric> &before, const QList<Sparkplug::Metric> &after);

// The metrics a host may write in a device command (decodeDeviceCommand),
// with neutral values, for hosts that only write metrics they saw born:
// "Command/Apply Message" "", "Command/Start", "Command/Stop" and
// "Command/Request Current File" false, "Command/User" "".
QList<Sparkplug::Metric> commandBirth();

} // namespace CoderMetrics
