// SPDX-License-Identifier: GPL-3.0-or-later
#include "readermetrics.h"

#include "readerservice.h"
#include "readerwatch.h"

QList<Sparkplug::Metric> ReaderMetrics::of(const ReaderService *readers, int descriptor)
{
    using Sparkplug::metric;
    const ReaderWatch *watch = readers ? readers->watchOf(descriptor) : nullptr;
    const ReaderWatch::Counts counts = watch ? watch->counts() : ReaderWatch::Counts();
    const bool alarm = watch && watch->alarm() != ReaderWatch::Alarm::None;
    const auto number = Sparkplug::DataType::Int64;
    return {metric(QStringLiteral("Reader/Good"), number, counts.good),
            metric(QStringLiteral("Reader/Bad"), number, counts.bad),
            metric(QStringLiteral("Reader/No Read"), number, counts.noRead),
            metric(QStringLiteral("Reader/Alarm"), Sparkplug::DataType::Boolean, alarm)};
}
