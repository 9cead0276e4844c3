// SPDX-License-Identifier: GPL-3.0-or-later
#include "sparkplugnode.h"

#include "codermetrics.h"
#include "fleet.h"
#include "jobmetrics.h"
#include "jobrunner.h"
#include "mqttbus.h"
#include "plantcommand.h"
#include "plantlog.h"
#include "readermetrics.h"
#include "readerservice.h"

#include <QDateTime>
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

using Sparkplug::metric;

const QString kNamespace = QStringLiteral("spBv1.0");
const QString kRebirth = QStringLiteral("Node Control/Rebirth");
const QString kResultDevice = QStringLiteral("Command Result/Device");
const QString kResultCommand = QStringLiteral("Command Result/Command");
const QString kResultOutcome = QStringLiteral("Command Result/Outcome");

Sparkplug::Metric bdSeqMetric(quint64 bdSeq)
{
    return metric(QStringLiteral("bdSeq"), Sparkplug::DataType::Int64, qint64(bdSeq));
}

const QString kUser = QStringLiteral("Command/User");
const QString kNoCommand = QStringLiteral("the payload holds no command");
// How many names or reasons one outcome lists; a payload may hold thousands.
constexpr int kMaxListed = 10;
constexpr int kMaxNameShown = 60;

// The metric that carries a command, as the outcome names it.
QString commandName(const PlantCommand &command)
{
    switch (command.kind) {
    case PlantCommand::Kind::ApplyMessage:
        return QStringLiteral("Command/Apply Message");
    case PlantCommand::Kind::Start:
        return QStringLiteral("Command/Start");
    case PlantCommand::Kind::Stop:
        return QStringLiteral("Command/Stop");
    case PlantCommand::Kind::SetParameters:
        return command.fields.join(QStringLiteral(", "));
    case PlantCommand::Kind::RequestCurrentFile:
        return QStringLiteral("Command/Request Current File");
    case PlantCommand::Kind::StartJob:
        return QStringLiteral("Job/Start");
    case PlantCommand::Kind::EndJob:
        return QStringLiteral("Job/End");
    }
    return QString();
}

// A peer's name in an outcome: control characters as '?', cut short.
QString shownName(const QString &name)
{
    QString out = name.left(kMaxNameShown);
    for (QChar &c : out) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            c = QLatin1Char('?');
    }
    return name.size() > kMaxNameShown ? out + QStringLiteral("...") : out;
}

QString listed(const QStringList &items, const QString &separator)
{
    QString out = items.mid(0, kMaxListed).join(separator);
    if (items.size() > kMaxListed)
        out += QStringLiteral("%1and %2 more").arg(separator).arg(items.size() - kMaxListed);
    return out;
}

// What a command message asks for: the names of its metrics in payload
// order (the user it claims is no command), or the message type when it
// names none.
QString commandsOf(const Sparkplug::Payload &payload, const QString &type)
{
    QStringList names;
    QSet<QString> seen;
    for (const Sparkplug::Metric &m : payload.metrics) {
        const QString name = shownName(m.name);
        if (!m.name.isEmpty() && m.name != kUser && !seen.contains(name)) {
            seen.insert(name);
            names << name;
        }
    }
    return names.isEmpty() ? type : listed(names, QStringLiteral(", "));
}

// The payload with the names that its metrics' aliases stand for.
Sparkplug::Payload named(Sparkplug::Payload payload, const AliasNames &names)
{
    for (Sparkplug::Metric &m : payload.metrics) {
        if (m.name.isEmpty() && m.alias && names.contains(*m.alias))
            m.name = names.value(*m.alias);
    }
    return payload;
}

// The largest timestamp a JSON number holds exactly.
constexpr double kMaxStateTimestamp = 9007199254740991.0;

QString refused(const QString &reason)
{
    return QStringLiteral("refused: ") + reason;
}

// Empty when the command reached the coder, else why not.
QString failureOf(const CommandResult &result, int descriptor)
{
    if (!result.ok)
        return result.error;
    if (!result.reached.contains(descriptor))
        return result.problems.isEmpty() ? QStringLiteral("the coder is no longer connected")
                                         : result.problems.join(QLatin1Char(' '));
    return QString();
}

} // namespace

SparkplugNode::SparkplugNode(Fleet *fleet, MqttBus *bus, const QString &group, const QString &node,
                             QObject *parent)
    : QObject(parent), m_fleet(fleet), m_bus(bus), m_group(group), m_node(node),
      m_clock([] { return quint64(QDateTime::currentMSecsSinceEpoch()); })
{
    connect(m_bus, &MqttBus::connecting, this, &SparkplugNode::connecting);
    connect(m_bus, &MqttBus::connected, this, &SparkplugNode::connected);
    connect(m_bus, &MqttBus::disconnected, this, [this] { m_born = false; });
    connect(m_bus, &MqttBus::messageReceived, this, &SparkplugNode::messageReceived);
    connect(m_fleet, &Fleet::coderAdded, this, &SparkplugNode::coderAdded);
    connect(m_fleet, &Fleet::coderRemoved, this, &SparkplugNode::coderRemoved);
    connect(m_fleet, &Fleet::stateChanged, this, &SparkplugNode::markStatusDirty);
    connect(m_fleet, &Fleet::progressChanged, this, &SparkplugNode::markStatusDirty);
    connect(m_fleet, &Fleet::currentFileChanged, this, &SparkplugNode::markDirty);
    connect(m_fleet, &Fleet::parametersReceived, this, &SparkplugNode::markDirty);
    connect(m_fleet, &Fleet::remarkNameChanged, this, [this](const QString &ipText) {
        for (const int descriptor : m_fleet->descriptors()) {
            if (m_fleet->coder(descriptor)->ipText == ipText)
                markDirty(descriptor);
        }
    });
    // A report changes state and progress together: one DDATA for both,
    // sent once the frames that arrived together are read.
    m_flush.setSingleShot(true);
    m_flush.setInterval(0);
    connect(&m_flush, &QTimer::timeout, this, &SparkplugNode::flush);
    m_commandTimer.setInterval(0);
    connect(&m_commandTimer, &QTimer::timeout, this, &SparkplugNode::runCommands);
    for (const int descriptor : m_fleet->descriptors())
        coderAdded(descriptor);
}

void SparkplugNode::setJobs(JobRunner *runner)
{
    m_jobs = runner;
    connect(runner, &JobRunner::stageChanged, this,
            [this](int descriptor) { markDirty(descriptor); });
    // An ended job has no stage left to announce: its coders go back to
    // the neutral values, found by comparing with what was published.
    connect(runner, &JobRunner::jobEnded, this, [this] {
        for (auto it = m_devices.cbegin(); it != m_devices.cend(); ++it)
            markDirty(it.key());
    });
}

void SparkplugNode::setReaders(ReaderService *readers)
{
    m_readers = readers;
    connect(readers, &ReaderService::readsChanged, this, &SparkplugNode::markDirty);
}

QString SparkplugNode::topic(const QString &type, const QString &device) const
{
    return Sparkplug::topic(m_group, type, m_node, device);
}

// Each new connection registers a death certificate with the next bdSeq;
// an attempt that never connected leaves the number for the next one.
void SparkplugNode::connecting()
{
    if (m_willUsed) {
        m_bdSeq = (m_bdSeq + 1) % 256;
        m_willUsed = false;
    }
    m_born = false;
    m_leaving = false;
    m_bus->setWill(topic(QStringLiteral("NDEATH")), Sparkplug::encode(death()), 1);
}

Sparkplug::Payload SparkplugNode::death() const
{
    Sparkplug::Payload payload;
    payload.timestamp = m_clock();
    payload.metrics << bdSeqMetric(m_bdSeq);
    return payload;
}

void SparkplugNode::publishDeath()
{
    if (m_bus->isConnected())
        m_bus->publish(topic(QStringLiteral("NDEATH")), Sparkplug::encode(death()), 1);
}

void SparkplugNode::connected()
{
    m_willUsed = true;
    m_bus->subscribe(topic(QStringLiteral("NCMD")));
    m_bus->subscribe(QStringLiteral("%1/%2/DCMD/%3/+").arg(kNamespace, m_group, m_node));
    if (m_primaryHost.isEmpty()) {
        birthAll();
        return;
    }
    // The host's STATE is retained: its last word arrives at once.
    qCInfo(lcPlant).noquote() << "waiting for the primary host" << m_primaryHost << "to be online";
    m_bus->subscribe(QStringLiteral("%1/STATE/%2").arg(kNamespace, m_primaryHost), 1);
}

void SparkplugNode::stateReceived(const QByteArray &payload)
{
    QString problem;
    QJsonObject state;
    if (payload.size() > kMaxStateBytes) {
        problem =
            QStringLiteral("%1 bytes, at most %2 are read").arg(payload.size()).arg(kMaxStateBytes);
    } else {
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(payload, &error);
        state = document.object();
        const QJsonValue timestamp = state.value(QLatin1String("timestamp"));
        if (error.error != QJsonParseError::NoError || !document.isObject())
            problem = QStringLiteral("not valid JSON");
        else if (!state.value(QLatin1String("online")).isBool() || !timestamp.isDouble() ||
                 timestamp.toDouble() < 0 || timestamp.toDouble() > kMaxStateTimestamp)
            problem = QStringLiteral("no Boolean \"online\" and \"timestamp\" in ms since the "
                                     "epoch");
    }
    if (!problem.isEmpty()) {
        ++m_refusedStates;
        qCWarning(lcPlant).noquote()
            << QStringLiteral("STATE of the primary host %1 refused: %2 (%3 refused so far)")
                   .arg(m_primaryHost, problem)
                   .arg(m_refusedStates);
        return;
    }
    const quint64 timestamp = quint64(state.value(QLatin1String("timestamp")).toDouble());
    const bool online = state.value(QLatin1String("online")).toBool();
    if (m_stateSeen && timestamp < m_stateTimestamp) {
        qCInfo(lcPlant).noquote() << "STATE of the primary host" << m_primaryHost
                                  << "ignored: older than the last one";
        return;
    }
    m_stateSeen = true;
    m_stateTimestamp = timestamp;
    if (online && !m_born && !m_leaving) {
        qCInfo(lcPlant).noquote() << "the primary host" << m_primaryHost << "is online";
        birthAll();
    } else if (!online && m_born) {
        leaveForHost();
    }
}

void SparkplugNode::leaveForHost()
{
    qCInfo(lcPlant).noquote() << "the primary host" << m_primaryHost
                              << "is offline: the node dies and waits for it";
    publishDeath();
    m_born = false;
    m_leaving = true;
    if (!m_commands.isEmpty()) {
        qCInfo(lcPlant) << m_commands.size() << "waiting commands dropped";
        m_commands.clear();
        m_commandTimer.stop();
    }
    // Not from inside the bus's own delivery of the STATE.
    QTimer::singleShot(0, this, [this] {
        if (!m_leaving)
            return;
        m_bus->stop();
        m_bus->start();
    });
}

void SparkplugNode::birthAll()
{
    m_born = true;
    m_seq = 0;
    QList<Sparkplug::Metric> metrics;
    metrics << bdSeqMetric(m_bdSeq);
    metrics << metric(kRebirth, Sparkplug::DataType::Boolean, false);
    for (const QString &name : {kResultDevice, kResultCommand, kResultOutcome})
        metrics << metric(name, Sparkplug::DataType::String, QString());
    publish(QStringLiteral("NBIRTH"), QString(), metrics, &m_nodeAliases);
    for (const int descriptor : m_fleet->descriptors())
        birthDevice(descriptor);
}

void SparkplugNode::birthDevice(int descriptor)
{
    auto found = m_devices.find(descriptor);
    if (found == m_devices.end())
        return;
    found->last = deviceMetrics(descriptor);
    found->statusOnly = true;
    m_dirty.remove(descriptor);
    publish(QStringLiteral("DBIRTH"), found->id, found->last, &found->aliases);
}

QList<Sparkplug::Metric> SparkplugNode::deviceMetrics(int descriptor) const
{
    const Coder *coder = m_fleet->coder(descriptor);
    if (!coder)
        return {};
    // The command metrics are born too: some hosts write only what they saw born.
    QList<Sparkplug::Metric> metrics =
        CoderMetrics::birth(*coder, coder->currentFileSha256) + CoderMetrics::commandBirth();
    if (m_jobs)
        metrics += JobMetrics::of(m_jobs, descriptor) + JobMetrics::commandBirth();
    if (m_readers)
        metrics += ReaderMetrics::of(m_readers, descriptor);
    return metrics;
}

void SparkplugNode::coderAdded(int descriptor)
{
    const Coder *coder = m_fleet->coder(descriptor);
    if (!coder)
        return;
    // Dots are kept; a second coder behind one address gets "_2", and so on.
    QString id = coder->ipText;
    for (int ordinal = 2; m_ids.contains(id) || !Sparkplug::isValidId(id); ++ordinal)
        id = QStringLiteral("%1_%2").arg(coder->ipText).arg(ordinal);
    m_ids.insert(id);
    m_devices.insert(descriptor, Device{id, {}, true, {}});
    birthDevice(descriptor);
    // A coder sends its print parameters only when asked: without them the
    // bus could neither see nor change them.  Its answer rebirths it.
    if (coder->parameterBlock.isEmpty())
        m_fleet->requestParameters(descriptor);
}

void SparkplugNode::coderRemoved(int descriptor)
{
    const Device device = m_devices.take(descriptor);
    if (device.id.isEmpty())
        return;
    m_ids.remove(device.id);
    m_dirty.remove(descriptor);
    publish(QStringLiteral("DDEATH"), device.id, {});
}

void SparkplugNode::markDirty(int descriptor)
{
    const auto found = m_devices.find(descriptor);
    if (found == m_devices.end())
        return;
    found->statusOnly = false;
    markStatusDirty(descriptor);
}

// Ten reports a second from each of a thousand coders: a status report
// builds and compares its two metrics only.
void SparkplugNode::markStatusDirty(int descriptor)
{
    if (!m_devices.contains(descriptor))
        return;
    m_dirty.insert(descriptor);
    if (!m_flush.isActive())
        m_flush.start();
}

void SparkplugNode::flush()
{
    const QSet<int> dirty = std::exchange(m_dirty, {});
    for (const int descriptor : dirty) {
        auto found = m_devices.find(descriptor);
        const Coder *coder = m_fleet->coder(descriptor);
        if (found == m_devices.end() || !coder)
            continue;
        if (found->statusOnly && found->last.size() >= 2) {
            QList<Sparkplug::Metric> changed;
            const QList<Sparkplug::Metric> status = CoderMetrics::status(*coder);
            for (int i = 0; i < status.size(); ++i) {
                if (status.at(i).value != found->last.at(i).value) {
                    found->last[i] = status.at(i);
                    changed << status.at(i);
                }
            }
            if (!changed.isEmpty())
                publish(QStringLiteral("DDATA"), found->id, changed, &found->aliases);
            continue;
        }
        found->statusOnly = true;
        const QList<Sparkplug::Metric> now = deviceMetrics(descriptor);
        // Metrics seen for the first time (parameters after the first
        // reply) were never born: the device is born again with them.
        if (CoderMetrics::needsRebirth(found->last, now)) {
            birthDevice(descriptor);
            continue;
        }
        const QList<Sparkplug::Metric> changed = CoderMetrics::changed(found->last, now);
        if (changed.isEmpty())
            continue;
        found->last = now;
        publish(QStringLiteral("DDATA"), found->id, changed, &found->aliases);
    }
}

void SparkplugNode::messageReceived(const QString &topic, const QByteArray &payload)
{
    if (!m_primaryHost.isEmpty() &&
        topic == kNamespace + QStringLiteral("/STATE/") + m_primaryHost) {
        stateReceived(payload);
        return;
    }
    const QStringList parts = topic.split(QLatin1Char('/'));
    if (parts.size() < 4 || parts.at(0) != kNamespace || parts.at(1) != m_group ||
        parts.at(3) != m_node)
        return;
    // Unborn, the node has no outcome to publish and no host to obey.
    if (!m_primaryHost.isEmpty() && !m_born) {
        qCInfo(lcPlant).noquote() << parts.at(2) << "ignored: the node is not born";
        return;
    }
    if (parts.at(2) == QLatin1String("NCMD") && parts.size() == 4) {
        runNodeCommand(payload);
        return;
    }
    if (parts.at(2) != QLatin1String("DCMD") || parts.size() != 5)
        return;
    if (m_commands.size() >= kMaxQueuedCommands) {
        Sparkplug::Payload decoded;
        QString error;
        const QString command = Sparkplug::decode(payload, &decoded, &error)
                                    ? commandsOf(decoded, QStringLiteral("DCMD"))
                                    : QStringLiteral("DCMD");
        publishResult(
            parts.at(4), command,
            refused(QStringLiteral("%1 commands are waiting already").arg(kMaxQueuedCommands)));
        return;
    }
    m_commands.enqueue({parts.at(4), payload});
    m_commandTimer.start();
}

// A rebirth changes nothing on the coders: it is done even beside metrics
// that are refused, and the outcome says both.
void SparkplugNode::runNodeCommand(const QByteArray &payload)
{
    Sparkplug::Payload decoded;
    QString error;
    if (!Sparkplug::decode(payload, &decoded, &error)) {
        publishResult(m_node, QStringLiteral("NCMD"), refused(error));
        return;
    }
    QStringList refusals;
    const bool rebirth = decodeNodeCommand(payload, &refusals, m_nodeAliases.names);
    if (rebirth)
        birthAll();
    QString outcome = QStringLiteral("done");
    if (!refusals.isEmpty())
        outcome = refused(listed(refusals, QStringLiteral("; "))) +
                  (rebirth ? QStringLiteral("; the rebirth was done") : QString());
    else if (!rebirth)
        outcome = refused(kNoCommand);
    publishResult(m_node, commandsOf(named(decoded, m_nodeAliases.names), QStringLiteral("NCMD")),
                  outcome);
}

void SparkplugNode::runCommands()
{
    for (int i = 0; i < kCommandsPerTurn && !m_commands.isEmpty(); ++i)
        runCommand(m_commands.dequeue());
    if (m_commands.isEmpty())
        m_commandTimer.stop();
}

// One outcome per message.  Its commands go out in payload order and stop
// at the first that fails: a start after a message that was not sent
// would start the old one.
void SparkplugNode::runCommand(const PendingCommand &pending)
{
    Sparkplug::Payload payload;
    QString error;
    if (!Sparkplug::decode(pending.payload, &payload, &error)) {
        publishResult(pending.device, QStringLiteral("DCMD"), refused(error));
        return;
    }
    int descriptor = -1;
    for (auto it = m_devices.cbegin(); it != m_devices.cend(); ++it) {
        if (it->id == pending.device)
            descriptor = it.key();
    }
    const AliasNames aliases = m_devices.value(descriptor).aliases.names;
    const QString asked = commandsOf(named(payload, aliases), QStringLiteral("DCMD"));
    const Coder *coder = m_fleet->coder(descriptor);
    if (!coder) {
        publishResult(pending.device, asked,
                      refused(QStringLiteral("no coder %1 is connected").arg(pending.device)));
        return;
    }
    const DecodedCommands decoded =
        decodeDeviceCommand(pending.payload, coder->parameterBlock, aliases);
    if (!decoded.refusals.isEmpty()) {
        publishResult(pending.device, asked,
                      refused(listed(decoded.refusals, QStringLiteral("; "))));
        return;
    }
    if (decoded.commands.isEmpty()) {
        publishResult(pending.device, asked, refused(kNoCommand));
        return;
    }
    QStringList done;
    for (int i = 0; i < decoded.commands.size(); ++i) {
        const PlantCommand &command = decoded.commands.at(i);
        // The journal names the account and the user the command claims.
        const QString failure =
            carryOut(command, descriptor, {QStringLiteral("mqtt"), m_account, command.user});
        if (failure.isEmpty()) {
            done << commandName(command);
            continue;
        }
        if (decoded.commands.size() == 1) {
            publishResult(pending.device, asked, refused(failure));
            return;
        }
        QString outcome = refused(commandName(command) + QStringLiteral(": ") + failure);
        if (!done.isEmpty())
            outcome += QStringLiteral("; done before it: ") + done.join(QStringLiteral(", "));
        QStringList skipped;
        for (int j = i + 1; j < decoded.commands.size(); ++j)
            skipped << commandName(decoded.commands.at(j));
        if (!skipped.isEmpty())
            outcome += QStringLiteral("; not carried out: ") + skipped.join(QStringLiteral(", "));
        publishResult(pending.device, asked, outcome);
        return;
    }
    publishResult(pending.device, asked, QStringLiteral("done"));
}

QString SparkplugNode::carryOut(const PlantCommand &command, int descriptor,
                                const CommandOrigin &origin)
{
    const QList<int> target{descriptor};
    CommandResult result;
    switch (command.kind) {
    case PlantCommand::Kind::ApplyMessage:
        result = applyMessage(command.messageName, descriptor, origin);
        break;
    case PlantCommand::Kind::Start:
        result = m_fleet->start(target, origin);
        break;
    case PlantCommand::Kind::Stop:
        result = m_fleet->stop(target, origin);
        break;
    case PlantCommand::Kind::SetParameters:
        result = m_fleet->applyParameters(command.parameters.toBytes(), target, origin);
        // The coder's own answer refreshes the parameters it is born with.
        m_fleet->requestParameters(descriptor);
        break;
    case PlantCommand::Kind::RequestCurrentFile:
        m_fleet->requestCurrentFile(descriptor);
        result.reached = m_fleet->coder(descriptor) ? target : QList<int>();
        break;
    case PlantCommand::Kind::StartJob:
        return startJob(command, descriptor, origin);
    case PlantCommand::Kind::EndJob:
        return endJob(descriptor, origin);
    }
    return failureOf(result, descriptor);
}

namespace {

// Who a job command stands under, as the journal names it: the user it
// claims, else the broker account, else the way it came.
QString actorOf(const CommandOrigin &origin)
{
    if (!origin.user.isEmpty())
        return origin.user;
    return origin.account.isEmpty() ? origin.via : origin.account;
}

} // namespace

// A job on this one coder; the job engine checks everything before it
// sends, and the read-back's outcome follows in "Job/State".
QString SparkplugNode::startJob(const PlantCommand &command, int descriptor,
                                const CommandOrigin &origin)
{
    if (!m_jobs)
        return QStringLiteral("jobs are not run on this station");
    JobRunner::Request request;
    request.product = command.product;
    request.order = command.order;
    request.lot = command.lot;
    request.values = command.fieldValues;
    request.packagingGtin = command.packaging;
    request.coders = {descriptor};
    request.user = actorOf(origin);
    request.origin = origin;
    const JobRunner::Started started = m_jobs->start(request);
    // The stage of a job refused before anything was sent never changed.
    markDirty(descriptor);
    return started.ok ? QString() : started.error;
}

QString SparkplugNode::endJob(int descriptor, const CommandOrigin &origin)
{
    if (!m_jobs)
        return QStringLiteral("jobs are not run on this station");
    const qint64 jobId = m_jobs->jobOf(descriptor);
    if (!jobId)
        return QStringLiteral("no job runs on %1").arg(m_devices.value(descriptor).id);
    return m_jobs->end(jobId, actorOf(origin), origin);
}

// A message of the message folder, by the name the command gave.
CommandResult SparkplugNode::applyMessage(const QString &messageName, int descriptor,
                                          const CommandOrigin &origin)
{
    QString name = messageName;
    if (!name.endsWith(QLatin1String(".spr")))
        name += QLatin1String(".spr");
    const QString path = QDir(m_messageFolder).filePath(name);
    if (m_sendMessage)
        return m_sendMessage(path, {descriptor}, origin);
    return m_fleet->apply(path, {descriptor}, origin);
}

void SparkplugNode::publishResult(const QString &device, const QString &command,
                                  const QString &outcome)
{
    qCInfo(lcPlant).noquote() << "command" << command << "for" << device << ":" << outcome;
    emit commandResult(device, command, outcome);
    publish(QStringLiteral("NDATA"), QString(),
            {metric(kResultDevice, Sparkplug::DataType::String, device),
             metric(kResultCommand, Sparkplug::DataType::String, command),
             metric(kResultOutcome, Sparkplug::DataType::String, outcome)},
            &m_nodeAliases);
}

void SparkplugNode::useAliases(QList<Sparkplug::Metric> *metrics, Aliases *aliases, bool birth)
{
    if (m_primaryHost.isEmpty() || !aliases)
        return;
    for (Sparkplug::Metric &m : *metrics) {
        auto found = aliases->byName.find(m.name);
        if (found == aliases->byName.end()) {
            found = aliases->byName.insert(m.name, m_nextAlias);
            aliases->names.insert(m_nextAlias++, m.name);
        }
        m.alias = *found;
        if (!birth)
            m.name = QString();
    }
}

void SparkplugNode::publish(const QString &type, const QString &device,
                            QList<Sparkplug::Metric> metrics, Aliases *aliases)
{
    // With a primary host, nothing goes out before NBIRTH.
    if (!m_bus->isConnected() || (!m_primaryHost.isEmpty() && !m_born))
        return;
    useAliases(&metrics, aliases, type.endsWith(QLatin1String("BIRTH")));
    Sparkplug::Payload payload;
    payload.timestamp = m_clock();
    payload.seq = m_seq;
    payload.metrics = std::move(metrics);
    m_seq = quint8(m_seq + 1); // 255 is followed by 0
    m_bus->publish(topic(type, device), Sparkplug::encode(payload), 0);
}
