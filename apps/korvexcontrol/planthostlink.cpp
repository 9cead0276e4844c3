// SPDX-License-Identifier: GPL-3.0-or-later
#include "planthostlink.h"

#include "eventlog.h"
#include "mqttclient.h"
#include "parameterfields.h"
#include "planthost.h"
#include "planthostsettings.h"
#include "printparameters.h"
#include "remotelines.h"

namespace {

CoderState stateOf(const QString &text)
{
    if (text == QLatin1String("Printing"))
        return CoderState::Printing;
    if (text == QLatin1String("Ready"))
        return CoderState::Ready;
    return CoderState::Stopped;
}

// The fields of the panel's block that differ from what the coder was last
// told to hold: the panel's values for that coder, without writing what
// the coder holds already or may not be written.
QString parameterMetrics(const RemoteCoder &coder, const QByteArray &block,
                         QList<Sparkplug::Metric> *metrics)
{
    if (!ParameterField::isWholeBlock(block))
        return QStringLiteral("no whole parameter block");
    const PrintParameters p = PrintParameters::fromBytes(block);
    for (const ParameterField &field : ParameterField::all()) {
        if (!field.settable)
            continue;
        const auto known = coder.metrics.constFind(field.metric);
        if (known == coder.metrics.constEnd())
            return QStringLiteral("its print parameters are not known yet");
        const QVariant value = field.read(p);
        if (known->value != value)
            metrics->append(Sparkplug::metric(field.metric, field.type, value));
    }
    return metrics->isEmpty() ? QStringLiteral("it holds these print parameters already")
                              : QString();
}

} // namespace

PlantHostLink::PlantHostLink(const PlantHostSettings &settings, RemoteLines *lines, EventLog *log,
                             MqttBus *bus, QObject *parent)
    : QObject(parent), m_bus(bus ? bus : new MqttClient(settings.broker, this)),
      m_host(new PlantHost(m_bus, settings.hostId, settings.primary, this)), m_lines(lines)
{
    connect(m_host, &PlantHost::coderChanged, this, &PlantHostLink::show);
    connect(m_host, &PlantHost::nodeChanged, this, [this](const QString &node) {
        for (const QString &device : m_host->devices(node))
            show(node, device);
    });
    connect(m_host, &PlantHost::note, log, [log](const QString &text, bool problem) {
        log->add(problem ? EventLog::Level::Problem : EventLog::Level::Info, text);
    });
    connect(m_host, &PlantHost::commandOutcome, m_lines,
            [this](quint64, const QString &node, const QString &device, const QString &command,
                   const QString &outcome) { m_lines->outcome(node, device, command, outcome); });
    m_lines->setSender([this](const RemoteLines::Request &request) {
        RemoteCommand command;
        switch (request.order) {
        case RemoteLines::Order::Start:
            command.kind = RemoteCommand::Kind::Start;
            break;
        case RemoteLines::Order::Stop:
            command.kind = RemoteCommand::Kind::Stop;
            break;
        case RemoteLines::Order::Apply:
            command.kind = RemoteCommand::Kind::ApplyMessage;
            command.messageName = request.messageName;
            break;
        case RemoteLines::Order::Parameters: {
            command.kind = RemoteCommand::Kind::SetParameters;
            const RemoteCoder *coder = m_host->coder(request.node, request.device);
            const QString why =
                coder ? parameterMetrics(*coder, request.parameters, &command.parameters)
                      : QStringLiteral("no such coder");
            if (!why.isEmpty())
                return why;
            break;
        }
        case RemoteLines::Order::StartJob:
            command.kind = RemoteCommand::Kind::StartJob;
            command.product = request.job.product;
            command.order = request.job.order;
            command.lot = request.job.lot;
            for (auto it = request.job.fields.cbegin(); it != request.job.fields.cend(); ++it)
                command.fields.insert(it.key(), it.value());
            command.packaging = request.job.packaging;
            break;
        case RemoteLines::Order::EndJob:
            command.kind = RemoteCommand::Kind::EndJob;
            break;
        }
        QString error;
        m_host->sendCommand(request.node, request.device, command, request.user, &error);
        return error;
    });
    m_host->start();
}

PlantHostLink::~PlantHostLink()
{
    m_lines->setSender(nullptr);
    m_host->stop();
}

void PlantHostLink::show(const QString &node, const QString &device)
{
    const RemoteCoder *coder = m_host->coder(node, device);
    if (!coder)
        return;
    CoderListModel::RemoteRow row;
    row.node = node;
    row.device = device;
    row.ipText = coder->ipText().isEmpty() ? device : coder->ipText();
    row.remarkName = coder->remarkName();
    row.currentFile = coder->messageName();
    row.state = stateOf(coder->state());
    row.progress = coder->progress();
    row.stale = coder->stale || m_host->isNodeStale(node);
    // The job as the line's own runner has it: nothing claimed before it says.
    if (!coder->jobState().isEmpty()) {
        row.job = QStringLiteral("%1 (%2)").arg(coder->jobOrder(), coder->jobProduct());
        row.lot = coder->jobLot();
        // "verified" or "running" stand only with Job/Verified true beside them.
        const QString state = coder->jobState();
        const bool claimsVerified =
            state == QLatin1String("verified") || state == QLatin1String("running");
        row.stage =
            claimsVerified && !coder->jobVerified() ? QStringLiteral("not verified") : state;
        row.mismatch =
            row.stage == QLatin1String("mismatch") || row.stage == QLatin1String("not verified");
    }
    m_lines->show(row);
}
