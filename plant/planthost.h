// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "remotecoder.h"
#include "sparkplugpayload.h"

#include <QHash>
#include <QMap>
#include <QObject>
#include <QTimer>

#include <functional>

class MqttBus;

// This window as a Sparkplug host application on the site broker: its
// STATE says online while it is connected (retained, the will says
// offline), and it follows every edge node it hears of: births, data and
// deaths, with the node's bdSeq and seq checked.  A gap in seq, data before
// a birth or an unknown alias asks the node for a rebirth.  What cannot be
// taken (a payload that does not decode, a datatype other than born, ...)
// is refused, counted by its reason and said; nothing is shown that was not
// born.  Nodes and devices that die stay, stale, with their last values.
// Commands to a remote coder go out as DCMD; the node's "Command Result"
// metrics bring the outcome back.
class PlantHost : public QObject
{
    Q_OBJECT
public:
    // Bounds on what peers make the host keep.
    static constexpr int kMaxNodes = 1024;
    static constexpr int kMaxDevicesPerNode = 4096;
    static constexpr int kMaxMetricsPerDevice = 512;
    static constexpr int kMaxStateBytes = 4096;
    static constexpr int kMaxPendingPerNode = 256;
    // A node is asked for a rebirth at most this often.
    static constexpr qint64 kRebirthHoldOffMs = 3000;
    // After a line's bridge is back, its stale nodes are asked for a rebirth
    // this much later.
    static constexpr int kBridgeSettleMs = 1000;
    // A command without an outcome after this long is given up.
    static constexpr qint64 kCommandTimeoutMs = 30000;
    // A node born more often than this in kBirthWindowMs is flooding: its
    // further births in that time are refused.
    static constexpr int kMaxBirthsPerWindow = 20;
    static constexpr qint64 kBirthWindowMs = 10000;
    // A refusal of one kind is said at most this often (all are counted).
    static constexpr qint64 kNoteHoldOffMs = 5000;

    PlantHost(MqttBus *bus, const QString &hostId, bool primary, QObject *parent = nullptr);
    ~PlantHost() override;

    // Milliseconds since the epoch (tests).
    void setClock(std::function<qint64()> clock) { m_clock = std::move(clock); }
    void start();
    // Publishes STATE offline itself, then disconnects.
    void stop();

    QString hostId() const { return m_hostId; }
    bool isPrimary() const { return m_primary; }
    QString stateTopic() const;

    // "<group>/<node>" of every node heard of, sorted.
    QStringList nodes() const;
    bool isNodeStale(const QString &node) const;
    // Device IDs of a node, sorted.
    QStringList devices(const QString &node) const;
    // Null when no such coder was ever born.
    const RemoteCoder *coder(const QString &node, const QString &device) const;
    // The value of a node metric as last told (invalid when not born).
    QVariant nodeMetric(const QString &node, const QString &name) const;

    // Refused messages by reason ("does not decode", "unknown alias", ...).
    QMap<QString, int> refusals() const { return m_refusals; }
    int refusedTotal() const;
    int rebirthsAsked() const { return m_rebirthsAsked; }
    int births() const { return m_births; }

    // Sends a command to a remote coder, claiming user; returns its id (> 0)
    // or 0 with the reason in *error.  The outcome follows as
    // commandOutcome(id, ...).
    quint64 sendCommand(const QString &node, const QString &device, const RemoteCommand &command,
                        const QString &user, QString *error);
    // The metric names the node's outcome gives for command, in order.
    static QString commandNames(const RemoteCommand &command);

signals:
    void nodeChanged(const QString &node);
    void coderChanged(const QString &node, const QString &device);
    // A refusal (problem) or a rebirth asked, in words for the event log.
    void note(const QString &text, bool problem);
    // outcome: "done", "refused: ...", or why no answer came.
    void commandOutcome(quint64 id, const QString &node, const QString &device,
                        const QString &command, const QString &outcome);

private:
    struct AliasTarget
    {
        QString device; // empty: a node metric
        QString name;
    };
    struct Device
    {
        RemoteCoder coder;
        bool born = false;
    };
    struct Pending
    {
        quint64 id;
        QString device;
        QString command;
        qint64 sentAt;
    };
    struct Node
    {
        QString group, id;
        bool born = false;
        bool stale = false;
        quint64 bdSeq = 0;
        quint8 seq = 0;
        qint64 rebirthAskedAt = -1; // -1: none since the last birth
        qint64 birthWindowStart = 0;
        int birthsInWindow = 0;
        QHash<QString, Sparkplug::Metric> metrics;
        QHash<quint64, AliasTarget> aliases;
        QMap<QString, Device> devices;
        QList<Pending> pending;
    };

    void connecting();
    void connected();
    void linkLost();
    void messageReceived(const QString &topic, const QByteArray &payload);
    void stateReceived(const QString &hostId, const QByteArray &payload);
    void bridgeReceived(const QString &group, const QByteArray &payload);
    void sparkplugReceived(const QStringList &parts, const QByteArray &payload);
    void nodeBirth(Node &node, const Sparkplug::Payload &payload);
    void nodeDeath(Node &node, const Sparkplug::Payload &payload);
    void deviceBirth(Node &node, const QString &device, Sparkplug::Payload payload);
    void nodeData(Node &node, Sparkplug::Payload payload);
    void deviceData(Node &node, const QString &device, Sparkplug::Payload payload);
    void outcomeReceived(Node &node, const QHash<QString, Sparkplug::Metric> &changed);
    // Fills in names from aliases; false (refused, rebirth asked) for an
    // alias the node never gave, or one of another device.
    bool resolveAliases(Node &node, const QString &device, Sparkplug::Payload *payload);
    // False, refused, when a metric is not born or has another datatype.
    bool checkData(Node &node, const QHash<QString, Sparkplug::Metric> &born,
                   const QList<Sparkplug::Metric> &metrics, const QString &what);
    void markStale(Node &node);
    void askRebirth(Node &node, const QString &why);
    void refuse(const QString &reason, const QString &text);
    void failPending(Node &node, const QString &outcome);
    void expirePending();
    QString stateJson(bool online) const;
    QString key(const QString &group, const QString &node) const;

    MqttBus *m_bus;
    QString m_hostId;
    bool m_primary;
    std::function<qint64()> m_clock;
    qint64 m_birthTimestamp = 0; // of the STATE of this connection
    QHash<QString, Node> m_nodes;
    int m_deviceCount = 0;
    QMap<QString, int> m_refusals;
    QHash<QString, qint64> m_notedAt;
    int m_rebirthsAsked = 0;
    int m_births = 0;
    quint64 m_nextCommand = 1;
    QTimer m_expiry;
    bool m_stopping = false;
};
