// SPDX-License-Identifier: GPL-3.0-or-later
#include "codermetrics.h"

#include "parameterfields.h"
#include "printparameters.h"

#include <QHash>
#include <QSet>

#include <cmath>
#include <cstring>

namespace CoderMetrics {

namespace {

using Sparkplug::DataType;
using Sparkplug::Metric;
using Sparkplug::metric;

QString stateText(CoderState state)
{
    switch (state) {
    case CoderState::Printing:
        return QStringLiteral("Printing");
    case CoderState::Ready:
        return QStringLiteral("Ready");
    case CoderState::Stopped:
        break;
    }
    return QStringLiteral("Stopped");
}

// Doubles compare by their bits, so that a NaN the coder keeps reporting
// is not sent again with every data message.
bool sameValue(const QVariant &a, const QVariant &b)
{
    if (a.isValid() != b.isValid())
        return false;
    if (a.userType() == QMetaType::Double && b.userType() == QMetaType::Double) {
        const double x = a.toDouble();
        const double y = b.toDouble();
        return std::memcmp(&x, &y, sizeof x) == 0;
    }
    return a == b;
}

QString key(const Metric &m)
{
    return m.name + QLatin1Char('\n') + QString::number(quint32(m.type));
}

} // namespace

QList<Metric> status(const Coder &coder)
{
    return {metric(QStringLiteral("Status/State"), DataType::String, stateText(coder.state)),
            metric(QStringLiteral("Status/Progress"), DataType::Int32,
                   QVariant::fromValue(qint64(coder.progress)))};
}

QList<Metric> birth(const Coder &coder, const QString &messageSha256)
{
    QList<Metric> out = status(coder);
    out << QList<Metric>{
        metric(QStringLiteral("Message/Name"), DataType::String, coder.currentFile),
        metric(QStringLiteral("Message/SHA-256"), DataType::String, messageSha256),
        metric(QStringLiteral("Properties/Remark Name"), DataType::String, coder.remarkName),
        metric(QStringLiteral("Properties/IP"), DataType::String, coder.ipText),
    };
    if (ParameterField::isWholeBlock(coder.parameterBlock)) {
        const PrintParameters p = PrintParameters::fromBytes(coder.parameterBlock);
        for (const ParameterField &field : ParameterField::all())
            out.append(metric(field.metric, field.type, field.read(p)));
    }
    return out;
}

QList<Metric> changed(const QList<Metric> &before, const QList<Metric> &after)
{
    QHash<QString, const Metric *> earlier;
    for (const Metric &m : before)
        earlier.insert(key(m), &m);
    QList<Metric> out;
    for (const Metric &m : after) {
        const Metric *old = earlier.value(key(m));
        if (old && !sameValue(old->value, m.value))
            out.append(m);
    }
    return out;
}

bool needsRebirth(const QList<Metric> &before, const QList<Metric> &after)
{
    QSet<QString> earlier;
    for (const Metric &m : before)
        earlier.insert(key(m));
    QSet<QString> later;
    for (const Metric &m : after)
        later.insert(key(m));
    return earlier != later;
}

QList<Metric> commandBirth()
{
    return {
        metric(QStringLiteral("Command/Apply Message"), DataType::String, QLatin1String("")),
        metric(QStringLiteral("Command/Start"), DataType::Boolean, false),
        metric(QStringLiteral("Command/Stop"), DataType::Boolean, false),
        metric(QStringLiteral("Command/Request Current File"), DataType::Boolean, false),
        metric(QStringLiteral("Command/User"), DataType::String, QLatin1String("")),
    };
}

} // namespace CoderMetrics
