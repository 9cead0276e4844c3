// SPDX-License-Identifier: GPL-3.0-or-later
#include "planthost.h"

#include "mqttbus.h"
#include "plantlog.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

using Sparkplug::DataType;
using Sparkplug::Metric;
using Sparkplug::metric;

const QString kNamespace = QStringLiteral("spBv1.0");
// A bridge of a line's broker says on this topic of the site broker whether
// its link is up ("1") or down ("0"); see docs/mqtt/bridge.conf.example.
const QString kBridgePrefix = QStringLiteral("korvex/bridge/");
const QString kRebirth = QStringLiteral("Node Control/Rebirth");
const QString kResultDevice = QStringLiteral("Command Result/Device");
const QString kResultCommand = QStringLiteral("Command Result/Command");
const QString kResultOutcome = QStringLiteral("Command Result/Outcome");
const QString kBdSeq = QStringLiteral("bdSeq");
constexpr double kMaxStateTimestamp = 9007199254740991.0;

std::optional<quint64> bdSeqOf(const Sparkplug::Payload &payload)
{
    for (const Metric &m : payload.metrics) {
        if (m.name == kBdSeq && Sparkplug::isIntegerType(m.type) && m.value.isValid())
            return m.value.toULongLong();
    }
    return std::nullopt;
}

// A peer's ID in our words: control characters as '?', cut short.
QString shown(const QString &text)
{
    QString out = text.left(80);
    for (QChar &c : out) {
        if (c.unicode() < 0x20 || (c.unicode() >= 0x7f && c.unicode() < 0xa0))
            c = QLatin1Char('?');
    }
    return text.size() > 80 ? out + QStringLiteral("...") : out;
}

} // namespace

PlantHost::PlantHost(MqttBus *bus, const QString &hostId, bool primary, QObject *parent)
    : QObject(parent), m_bus(bus), m_hostId(hostId), m_primary(primary),
      m_clock([] { return QDateTime::currentMSecsSinceEpoch(); })
{
    connect(m_bus, &MqttBus::connecting, this, &PlantHost::connecting);
    connect(m_bus, &MqttBus::connected, this, &PlantHost::connected);
    connect(m_bus, &MqttBus::disconnected, this, &PlantHost::linkLost);
    connect(m_bus, &MqttBus::messageReceived, this, &PlantHost::messageReceived);
    m_expiry.setInterval(1000);
    connect(&m_expiry, &QTimer::timeout, this, &PlantHost::expirePending);
}

PlantHost::~PlantHost() = default;

QString PlantHost::stateTopic() const
{
    return kNamespace + QStringLiteral("/STATE/") + m_hostId;
}

QString PlantHost::key(const QString &group, const QString &node) const
{
    return group + QLatin1Char('/') + node;
}

QString PlantHost::stateJson(bool online) const
{
    return QStringLiteral(R"({"online": %1, "timestamp": %2})")
        .arg(online ? QStringLiteral("true") : QStringLiteral("false"))
        .arg(m_birthTimestamp);
}

void PlantHost::start()
{
    m_stopping = false;
    m_expiry.start();
    m_bus->start();
}

void PlantHost::stop()
{
    m_stopping = true;
    m_expiry.stop();
    if (m_bus->isConnected())
        m_bus->publishRetained(stateTopic(), stateJson(false).toUtf8(), 1);
    m_bus->stop();
}

// The will carries the timestamp of the birth that follows on this connection.
void PlantHost::connecting()
{
    m_birthTimestamp = m_clock();
    m_bus->setRetainedWill(stateTopic(), stateJson(false).toUtf8(), 1);
}

void PlantHost::connected()
{
    m_bus->subscribe(kNamespace + QStringLiteral("/#"), 0);
    m_bus->subscribe(stateTopic(), 1);
    m_bus->subscribe(kBridgePrefix + QLatin1Char('+'), 1);
    m_bus->publishRetained(stateTopic(), stateJson(true).toUtf8(), 1);
    qCInfo(lcPlant).noquote() << "host" << m_hostId << "online";
}

// Whatever was born is now unknown: shown stale until it is born again.
void PlantHost::linkLost()
{
    for (auto it = m_nodes.begin(); it != m_nodes.end(); ++it) {
        if (!it->stale || it->born)
            markStale(*it);
    }
}

void PlantHost::markStale(Node &node)
{
    node.born = false;
    node.stale = true;
    const QString k = key(node.group, node.id);
    for (auto it = node.devices.begin(); it != node.devices.end(); ++it) {
        it->born = false;
        if (!it->coder.stale) {
            it->coder.stale = true;
            emit coderChanged(k, it.key());
        }
    }
    failPending(node, QStringLiteral("no outcome: the node went offline"));
    emit nodeChanged(k);
}

int PlantHost::refusedTotal() const
{
    int total = 0;
    for (const int n : m_refusals)
        total += n;
    return total;
}

void PlantHost::refuse(const QString &reason, const QString &text)
{
    const int count = ++m_refusals[reason];
    const qint64 now = m_clock();
    const auto said = m_notedAt.constFind(reason);
    if (said != m_notedAt.constEnd() && now - *said < kNoteHoldOffMs)
        return;
    m_notedAt.insert(reason, now);
    const QString words =
        QStringLiteral("%1 (%2 refused for this reason so far)").arg(text).arg(count);
    qCWarning(lcPlant).noquote() << words;
    emit note(words, true);
}

void PlantHost::askRebirth(Node &node, const QString &why)
{
    const qint64 now = m_clock();
    if (node.rebirthAskedAt >= 0 && now - node.rebirthAskedAt < kRebirthHoldOffMs)
        return;
    node.rebirthAskedAt = now;
    ++m_rebirthsAsked;
    Sparkplug::Payload payload;
    payload.timestamp = quint64(now);
    payload.metrics << metric(kRebirth, DataType::Boolean, true);
    m_bus->publish(Sparkplug::topic(node.group, QStringLiteral("NCMD"), node.id),
                   Sparkplug::encode(payload), 0);
    const QString words =
        QStringLiteral("rebirth asked of %1: %2").arg(shown(key(node.group, node.id)), why);
    qCInfo(lcPlant).noquote() << words;
    emit note(words, false);
}

void PlantHost::messageReceived(const QString &topic, const QByteArray &payload)
{
    if (topic.startsWith(kBridgePrefix)) {
        bridgeReceived(topic.mid(kBridgePrefix.size()), payload);
        return;
    }
    const QStringList parts = topic.split(QLatin1Char('/'));
    if (parts.size() == 3 && parts.at(0) == kNamespace && parts.at(1) == QLatin1String("STATE")) {
        stateReceived(parts.at(2), payload);
        return;
    }
    if (parts.size() < 4 || parts.size() > 5 || parts.at(0) != kNamespace)
        return;
    sparkplugReceived(parts, payload);
}

void PlantHost::stateReceived(const QString &hostId, const QByteArray &payload)
{
    QJsonParseError error{};
    const QJsonDocument document = payload.size() <= kMaxStateBytes
                                       ? QJsonDocument::fromJson(payload, &error)
                                       : QJsonDocument();
    const QJsonObject state = document.object();
    const QJsonValue timestamp = state.value(QLatin1String("timestamp"));
    if (payload.size() > kMaxStateBytes || error.error != QJsonParseError::NoError ||
        !document.isObject()) {
        refuse(QStringLiteral("STATE not valid JSON"),
               QStringLiteral("STATE of host %1 refused: not valid JSON").arg(shown(hostId)));
        return;
    }
    if (!state.value(QLatin1String("online")).isBool() || !timestamp.isDouble() ||
        timestamp.toDouble() < 0 || timestamp.toDouble() > kMaxStateTimestamp) {
        refuse(QStringLiteral("STATE without online and timestamp"),
               QStringLiteral("STATE of host %1 refused: no Boolean \"online\" and "
                              "\"timestamp\" in ms since the epoch")
                   .arg(shown(hostId)));
        return;
    }
    // Another window or an old will says this host is offline while it is
    // connected: it says online again.
    if (hostId == m_hostId && !state.value(QLatin1String("online")).toBool() && !m_stopping &&
        m_bus->isConnected())
        m_bus->publishRetained(stateTopic(), stateJson(true).toUtf8(), 1);
}

void PlantHost::bridgeReceived(const QString &group, const QByteArray &payload)
{
    if (payload.trimmed() == "1") {
        // The line's link is back, but births it sent before are lost:
        // its stale nodes are asked once the bridge has subscribed again.
        QTimer::singleShot(kBridgeSettleMs, this, [this, group] {
            for (auto it = m_nodes.begin(); it != m_nodes.end(); ++it) {
                if (it->group == group && !it->born)
                    askRebirth(*it, QStringLiteral("the line's bridge is back"));
            }
        });
        return;
    }
    if (payload.trimmed() != "0")
        return;
    for (auto it = m_nodes.begin(); it != m_nodes.end(); ++it) {
        if (it->group == group && (it->born || !it->stale))
            markStale(*it);
    }
}

void PlantHost::sparkplugReceived(const QStringList &parts, const QByteArray &payload)
{
    const QString &group = parts.at(1);
    const QString &type = parts.at(2);
    const QString &nodeId = parts.at(3);
    const QString device = parts.size() == 5 ? parts.at(4) : QString();
    const bool nodeType = type == QLatin1String("NBIRTH") || type == QLatin1String("NDEATH") ||
                          type == QLatin1String("NDATA");
    const bool deviceType = type == QLatin1String("DBIRTH") || type == QLatin1String("DDEATH") ||
                            type == QLatin1String("DDATA");
    if ((!nodeType || !device.isEmpty()) && (!deviceType || device.isEmpty()))
        return; // commands, our own and other hosts', and what is no Sparkplug message
    const QString where =
        shown(key(group, nodeId) + (device.isEmpty() ? QString() : QLatin1Char('/') + device));
    Sparkplug::Payload decoded;
    QString error;
    if (!Sparkplug::isValidId(group) || !Sparkplug::isValidId(nodeId) ||
        (!device.isEmpty() && !Sparkplug::isValidId(device))) {
        refuse(QStringLiteral("invalid ID"),
               QStringLiteral("%1 of %2 refused: an invalid ID").arg(type, where));
        return;
    }
    if (!Sparkplug::decode(payload, &decoded, &error)) {
        refuse(QStringLiteral("does not decode"),
               QStringLiteral("%1 of %2 refused: %3").arg(type, where, error));
        return;
    }
    const QString k = key(group, nodeId);
    auto found = m_nodes.find(k);
    if (found == m_nodes.end()) {
        if (type == QLatin1String("NDEATH") || type == QLatin1String("DDEATH"))
            return; // the death of a node never seen tells nothing
        if (m_nodes.size() >= kMaxNodes) {
            refuse(QStringLiteral("too many nodes"),
                   QStringLiteral("%1 of %2 refused: %3 edge nodes are followed already")
                       .arg(type, where)
                       .arg(kMaxNodes));
            return;
        }
        found = m_nodes.insert(k, Node());
        found->group = group;
        found->id = nodeId;
    }
    Node &node = *found;
    if (type == QLatin1String("NBIRTH")) {
        nodeBirth(node, decoded);
        return;
    }
    if (type == QLatin1String("NDEATH")) {
        nodeDeath(node, decoded);
        return;
    }
    if (!node.born) {
        askRebirth(node, QStringLiteral("%1 of %2 before its node's birth").arg(type, where));
        return;
    }
    // The seq of this node's messages runs on by one; a gap means something
    // was lost, and only a rebirth tells what.
    if (!decoded.seq || *decoded.seq > 255) {
        refuse(QStringLiteral("no seq"),
               QStringLiteral("%1 of %2 refused: no seq from 0 to 255").arg(type, where));
        return;
    }
    const quint8 expected = quint8(node.seq + 1);
    node.seq = quint8(*decoded.seq);
    if (*decoded.seq != expected) {
        askRebirth(node,
                   QStringLiteral("seq %1 after %2").arg(*decoded.seq).arg(quint8(expected - 1)));
        if (type != QLatin1String("DBIRTH"))
            return;
    }
    if (type == QLatin1String("NDATA"))
        nodeData(node, std::move(decoded));
    else if (type == QLatin1String("DBIRTH"))
        deviceBirth(node, device, std::move(decoded));
    else if (type == QLatin1String("DDATA"))
        deviceData(node, device, std::move(decoded));
    else { // DDEATH
        auto d = node.devices.find(device);
        if (d != node.devices.end() && d->born) {
            d->born = false;
            d->coder.stale = true;
            emit coderChanged(k, device);
        }
    }
}

void PlantHost::nodeBirth(Node &node, const Sparkplug::Payload &payload)
{
    ++m_births;
    const QString k = key(node.group, node.id);
    const qint64 now = m_clock();
    if (now - node.birthWindowStart >= kBirthWindowMs) {
        node.birthWindowStart = now;
        node.birthsInWindow = 0;
    }
    if (++node.birthsInWindow > kMaxBirthsPerWindow) {
        refuse(QStringLiteral("birth flood"),
               QStringLiteral("NBIRTH of %1 refused: more than %2 births in %3 s")
                   .arg(shown(k))
                   .arg(kMaxBirthsPerWindow)
                   .arg(kBirthWindowMs / 1000));
        return;
    }
    const std::optional<quint64> bdSeq = bdSeqOf(payload);
    if (!bdSeq) {
        refuse(QStringLiteral("birth without bdSeq"),
               QStringLiteral("NBIRTH of %1 refused: no bdSeq").arg(shown(k)));
        return;
    }
    QHash<quint64, AliasTarget> aliases;
    QHash<QString, Metric> metrics;
    for (const Metric &m : payload.metrics) {
        const auto before = node.metrics.constFind(m.name);
        if (m.name.isEmpty() || metrics.contains(m.name) ||
            (before != node.metrics.constEnd() && before->type != m.type) ||
            (m.alias && aliases.contains(*m.alias))) {
            refuse(QStringLiteral("birth not consistent"),
                   QStringLiteral("NBIRTH of %1 refused: metric \"%2\" %3")
                       .arg(shown(k), shown(m.name),
                            m.name.isEmpty()           ? QStringLiteral("without a name")
                            : metrics.contains(m.name) ? QStringLiteral("given twice")
                            : m.alias && aliases.contains(*m.alias)
                                ? QStringLiteral("with an alias given twice")
                                : QStringLiteral("was %1, now %2")
                                      .arg(Sparkplug::typeName(before->type),
                                           Sparkplug::typeName(m.type))));
            markStale(node);
            return;
        }
        metrics.insert(m.name, m);
        if (m.alias)
            aliases.insert(*m.alias, {QString(), m.name});
    }
    node.born = true;
    node.stale = false;
    node.bdSeq = *bdSeq;
    node.seq = quint8(payload.seq.value_or(0));
    node.rebirthAskedAt = -1;
    node.metrics = metrics;
    node.aliases = aliases;
    // Its devices are born anew after it; until then they are stale.
    for (auto it = node.devices.begin(); it != node.devices.end(); ++it) {
        it->born = false;
        if (!it->coder.stale) {
            it->coder.stale = true;
            emit coderChanged(k, it.key());
        }
    }
    emit nodeChanged(k);
}

// A death with another bdSeq is the late will of an older connection.
void PlantHost::nodeDeath(Node &node, const Sparkplug::Payload &payload)
{
    const std::optional<quint64> bdSeq = bdSeqOf(payload);
    if (!node.born || !bdSeq || *bdSeq != node.bdSeq) {
        qCInfo(lcPlant).noquote() << "NDEATH of" << key(node.group, node.id)
                                  << "ignored: not of the current birth";
        return;
    }
    markStale(node);
}

void PlantHost::deviceBirth(Node &node, const QString &device, Sparkplug::Payload payload)
{
    ++m_births;
    const QString k = key(node.group, node.id);
    const QString where = shown(k + QLatin1Char('/') + device);
    auto found = node.devices.find(device);
    if (found == node.devices.end() &&
        (node.devices.size() >= kMaxDevicesPerNode || m_deviceCount >= kMaxNodes * 64)) {
        refuse(QStringLiteral("too many devices"),
               QStringLiteral("DBIRTH of %1 refused: too many devices").arg(where));
        return;
    }
    if (payload.metrics.size() > kMaxMetricsPerDevice) {
        refuse(QStringLiteral("too many metrics"),
               QStringLiteral("DBIRTH of %1 refused: %2 metrics, at most %3 are kept")
                   .arg(where)
                   .arg(payload.metrics.size())
                   .arg(kMaxMetricsPerDevice));
        return;
    }
    QHash<QString, Metric> metrics;
    QList<quint64> given;
    for (const Metric &m : qAsConst(payload.metrics)) {
        const Metric *before = found == node.devices.end() ? nullptr
                               : found->coder.metrics.contains(m.name)
                                   ? &*found->coder.metrics.constFind(m.name)
                                   : nullptr;
        QString problem;
        if (m.name.isEmpty())
            problem = QStringLiteral("a metric without a name");
        else if (metrics.contains(m.name))
            problem = QStringLiteral("metric \"%1\" given twice").arg(shown(m.name));
        else if (before && before->type != m.type)
            problem = QStringLiteral("metric \"%1\" was %2, now %3")
                          .arg(shown(m.name), Sparkplug::typeName(before->type),
                               Sparkplug::typeName(m.type));
        else if (m.alias &&
                 (given.contains(*m.alias) || (node.aliases.contains(*m.alias) &&
                                               node.aliases.value(*m.alias).device != device)))
            problem = QStringLiteral("alias %1 is not unique in the node").arg(*m.alias);
        if (!problem.isEmpty()) {
            refuse(QStringLiteral("birth not consistent"),
                   QStringLiteral("DBIRTH of %1 refused: %2").arg(where, problem));
            if (found != node.devices.end() && !found->coder.stale) {
                found->born = false;
                found->coder.stale = true;
                emit coderChanged(k, device);
            }
            return;
        }
        metrics.insert(m.name, m);
        if (m.alias)
            given << *m.alias;
    }
    if (found == node.devices.end()) {
        found = node.devices.insert(device, Device());
        found->coder.node = k;
        found->coder.device = device;
        ++m_deviceCount;
    }
    for (auto it = node.aliases.begin(); it != node.aliases.end();) {
        if (it->device == device)
            it = node.aliases.erase(it);
        else
            ++it;
    }
    for (const Metric &m : qAsConst(payload.metrics)) {
        if (m.alias)
            node.aliases.insert(*m.alias, {device, m.name});
    }
    found->born = true;
    found->coder.stale = false;
    found->coder.metrics = metrics;
    emit coderChanged(k, device);
}

bool PlantHost::resolveAliases(Node &node, const QString &device, Sparkplug::Payload *payload)
{
    for (Metric &m : payload->metrics) {
        if (!m.name.isEmpty() || !m.alias)
            continue;
        const auto target = node.aliases.constFind(*m.alias);
        if (target == node.aliases.constEnd() || target->device != device) {
            const QString where =
                shown(key(node.group, node.id) + (device.isEmpty() ? QString() : "/" + device));
            refuse(QStringLiteral("unknown alias"),
                   QStringLiteral("data of %1 refused: unknown alias %2").arg(where).arg(*m.alias));
            askRebirth(node, QStringLiteral("unknown alias %1 from %2").arg(*m.alias).arg(where));
            return false;
        }
        m.name = target->name;
    }
    return true;
}

bool PlantHost::checkData(Node &node, const QHash<QString, Metric> &born,
                          const QList<Metric> &metrics, const QString &what)
{
    for (const Metric &m : metrics) {
        const auto b = born.constFind(m.name);
        if (b == born.constEnd()) {
            refuse(
                QStringLiteral("metric not born"),
                QStringLiteral("%1 refused: metric \"%2\" was not born").arg(what, shown(m.name)));
            askRebirth(node, QStringLiteral("%1 holds a metric that was not born").arg(what));
            return false;
        }
        if (b->type != m.type) {
            refuse(QStringLiteral("datatype not as born"),
                   QStringLiteral("%1 refused: metric \"%2\" is %3, born %4")
                       .arg(what, shown(m.name), Sparkplug::typeName(m.type),
                            Sparkplug::typeName(b->type)));
            return false;
        }
    }
    return true;
}

void PlantHost::nodeData(Node &node, Sparkplug::Payload payload)
{
    const QString what = QStringLiteral("NDATA of %1").arg(shown(key(node.group, node.id)));
    if (!resolveAliases(node, QString(), &payload) ||
        !checkData(node, node.metrics, payload.metrics, what))
        return;
    QHash<QString, Metric> changed;
    for (const Metric &m : qAsConst(payload.metrics)) {
        node.metrics[m.name].value = m.value;
        changed.insert(m.name, m);
    }
    if (changed.contains(kResultOutcome))
        outcomeReceived(node, changed);
    emit nodeChanged(key(node.group, node.id));
}

void PlantHost::deviceData(Node &node, const QString &device, Sparkplug::Payload payload)
{
    const QString k = key(node.group, node.id);
    auto found = node.devices.find(device);
    if (found == node.devices.end() || !found->born) {
        askRebirth(node, QStringLiteral("DDATA of %1 before its birth")
                             .arg(shown(k + QLatin1Char('/') + device)));
        return;
    }
    const QString what = QStringLiteral("DDATA of %1").arg(shown(k + QLatin1Char('/') + device));
    if (!resolveAliases(node, device, &payload) ||
        !checkData(node, found->coder.metrics, payload.metrics, what))
        return;
    for (const Metric &m : qAsConst(payload.metrics))
        found->coder.metrics[m.name].value = m.value;
    emit coderChanged(k, device);
}

// The node names the device and the metric names of each command message
// it carried out: the oldest request that matches both is answered.
void PlantHost::outcomeReceived(Node &node, const QHash<QString, Metric> &changed)
{
    const QString device = node.metrics.value(kResultDevice).value.toString();
    const QString command = node.metrics.value(kResultCommand).value.toString();
    const QString outcome = changed.value(kResultOutcome).value.toString();
    for (int i = 0; i < node.pending.size(); ++i) {
        const Pending p = node.pending.at(i);
        if (p.device == device && p.command == command) {
            node.pending.removeAt(i);
            emit commandOutcome(p.id, key(node.group, node.id), device, command, outcome);
            return;
        }
    }
}

void PlantHost::failPending(Node &node, const QString &outcome)
{
    const QList<Pending> pending = std::exchange(node.pending, {});
    for (const Pending &p : pending)
        emit commandOutcome(p.id, key(node.group, node.id), p.device, p.command, outcome);
}

void PlantHost::expirePending()
{
    const qint64 now = m_clock();
    for (auto it = m_nodes.begin(); it != m_nodes.end(); ++it) {
        while (!it->pending.isEmpty() && now - it->pending.first().sentAt >= kCommandTimeoutMs) {
            const Pending p = it->pending.takeFirst();
            emit commandOutcome(
                p.id, it.key(), p.device, p.command,
                QStringLiteral("no outcome within %1 s").arg(kCommandTimeoutMs / 1000));
        }
    }
}

QString PlantHost::commandNames(const RemoteCommand &command)
{
    QStringList names;
    switch (command.kind) {
    case RemoteCommand::Kind::ApplyMessage:
        names << QStringLiteral("Command/Apply Message");
        break;
    case RemoteCommand::Kind::Start:
        names << QStringLiteral("Command/Start");
        break;
    case RemoteCommand::Kind::Stop:
        names << QStringLiteral("Command/Stop");
        break;
    case RemoteCommand::Kind::SetParameters:
        for (const Metric &m : command.parameters)
            names << m.name;
        break;
    case RemoteCommand::Kind::StartJob: {
        names << QStringLiteral("Job/Start") << QStringLiteral("Job/Product")
              << QStringLiteral("Job/Order") << QStringLiteral("Job/Lot");
        QStringList fields = command.fields.keys();
        fields.sort();
        for (const QString &f : fields)
            names << QStringLiteral("Job/Field/") + f;
        if (!command.packaging.isEmpty())
            names << QStringLiteral("Job/Packaging");
        break;
    }
    case RemoteCommand::Kind::EndJob:
        names << QStringLiteral("Job/End");
        break;
    }
    return names.join(QStringLiteral(", "));
}

quint64 PlantHost::sendCommand(const QString &nodeKey, const QString &device,
                               const RemoteCommand &command, const QString &user, QString *error)
{
    const auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return quint64(0);
    };
    if (!m_primary)
        return fail(QStringLiteral("only the primary host commands the lines' coders "
                                   "([plant] primary=true)"));
    auto found = m_nodes.find(nodeKey);
    if (found == m_nodes.end() || !found->devices.contains(device))
        return fail(QStringLiteral("no coder %1 on %2").arg(device, nodeKey));
    Node &node = *found;
    if (!node.born || !node.devices.value(device).born)
        return fail(QStringLiteral("%1 on %2 is offline").arg(device, nodeKey));
    if (!m_bus->isConnected())
        return fail(QStringLiteral("not connected to the site broker"));
    if (node.pending.size() >= kMaxPendingPerNode)
        return fail(QStringLiteral("%1 commands to %2 wait for their outcome already")
                        .arg(kMaxPendingPerNode)
                        .arg(nodeKey));
    QList<Metric> metrics;
    const auto text = [](const QString &name, const QString &value) {
        return metric(name, DataType::String, value);
    };
    switch (command.kind) {
    case RemoteCommand::Kind::ApplyMessage:
        metrics << text(QStringLiteral("Command/Apply Message"), command.messageName);
        break;
    case RemoteCommand::Kind::Start:
        metrics << metric(QStringLiteral("Command/Start"), DataType::Boolean, true);
        break;
    case RemoteCommand::Kind::Stop:
        metrics << metric(QStringLiteral("Command/Stop"), DataType::Boolean, true);
        break;
    case RemoteCommand::Kind::SetParameters:
        if (command.parameters.isEmpty())
            return fail(QStringLiteral("no parameter to set"));
        metrics << command.parameters;
        break;
    case RemoteCommand::Kind::StartJob: {
        metrics << metric(QStringLiteral("Job/Start"), DataType::Boolean, true)
                << text(QStringLiteral("Job/Product"), command.product)
                << text(QStringLiteral("Job/Order"), command.order)
                << text(QStringLiteral("Job/Lot"), command.lot);
        QStringList fields = command.fields.keys();
        fields.sort();
        for (const QString &f : fields)
            metrics << text(QStringLiteral("Job/Field/") + f, command.fields.value(f));
        if (!command.packaging.isEmpty())
            metrics << text(QStringLiteral("Job/Packaging"), command.packaging);
        break;
    }
    case RemoteCommand::Kind::EndJob:
        metrics << metric(QStringLiteral("Job/End"), DataType::Boolean, true);
        break;
    }
    if (!user.isEmpty())
        metrics << text(QStringLiteral("Command/User"), user);
    Sparkplug::Payload payload;
    payload.timestamp = quint64(m_clock());
    payload.metrics = metrics;
    const QString topic = Sparkplug::topic(node.group, QStringLiteral("DCMD"), node.id, device);
    if (topic.isEmpty() || !m_bus->publish(topic, Sparkplug::encode(payload), 0))
        return fail(QStringLiteral("the command could not be sent to the site broker"));
    const quint64 id = m_nextCommand++;
    node.pending.append({id, device, commandNames(command), m_clock()});
    return id;
}

QStringList PlantHost::nodes() const
{
    QStringList out = m_nodes.keys();
    out.sort();
    return out;
}

bool PlantHost::isNodeStale(const QString &node) const
{
    const auto found = m_nodes.constFind(node);
    return found == m_nodes.constEnd() || found->stale || !found->born;
}

QStringList PlantHost::devices(const QString &node) const
{
    return m_nodes.value(node).devices.keys();
}

const RemoteCoder *PlantHost::coder(const QString &node, const QString &device) const
{
    const auto n = m_nodes.constFind(node);
    if (n == m_nodes.constEnd())
        return nullptr;
    const auto d = n->devices.constFind(device);
    return d == n->devices.constEnd() ? nullptr : &d->coder;
}

QVariant PlantHost::nodeMetric(const QString &node, const QString &name) const
{
    return m_nodes.value(node).metrics.value(name).value;
}
