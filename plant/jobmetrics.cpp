// SPDX-License-Identifier: GPL-3.0-or-later
#include "jobmetrics.h"

#include "jobrunner.h"

namespace {

using Sparkplug::metric;

} // namespace

QList<Sparkplug::Metric> JobMetrics::of(const JobRunner *runner, int descriptor)
{
    QString order, product, lot, state;
    bool verified = false;
    const qint64 jobId = runner ? runner->jobOf(descriptor) : 0;
    if (const JobRecord *job = jobId ? runner->job(jobId) : nullptr) {
        order = job->orderNumber;
        product = job->productCode;
        lot = job->lot;
        const JobRunner::Stage stage = runner->stateOf(descriptor);
        state = JobRunner::stateName(stage);
        verified = stage == JobRunner::Stage::Verified || stage == JobRunner::Stage::Running;
    }
    const auto text = Sparkplug::DataType::String;
    return {metric(QStringLiteral("Job/Order"), text, order),
            metric(QStringLiteral("Job/Product"), text, product),
            metric(QStringLiteral("Job/Lot"), text, lot),
            metric(QStringLiteral("Job/State"), text, state),
            metric(QStringLiteral("Job/Verified"), Sparkplug::DataType::Boolean, verified)};
}

QList<Sparkplug::Metric> JobMetrics::commandBirth()
{
    return {metric(QStringLiteral("Job/Start"), Sparkplug::DataType::Boolean, false),
            metric(QStringLiteral("Job/End"), Sparkplug::DataType::Boolean, false)};
}
