// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commandrecord.h"
#include "sparkplugpayload.h"

#include <QHash>
#include <QObject>
#include <QQueue>
#include <QSet>
#include <QTimer>

class Fleet;
class MqttBus;
struct PlantCommand;

// This PC as a Sparkplug B edge node and every connected coder as one of
// its devices: births, data and deaths follow the Fleet; commands that
// arrive as DCMD and NCMD are checked, carried out through the Fleet, and
// their outcome is published as the node's "Command Result" metrics: one
// outcome for each command message, naming the device (the node's own ID
// for an NCMD) and the metrics the message holds.
// Topics: spBv1.0/<group>/<type>/<node>[/<device>], where the device ID is
// the coder's IP text (dots kept), with "_2", "_3" ... for further coders
// behind one address, stable while each stays connected.
class SparkplugNode : public QObject
{
    Q_OBJECT
public:
    // Commands waiting to be carried out; past this a command is refused.
    static constexpr int kMaxQueuedCommands = 256;
    // Commands carried out per turn of the event loop, so that the coders'
    // own traffic is never starved by a flood.
    static constexpr int kCommandsPerTurn = 8;

    SparkplugNode(Fleet *fleet, MqttBus *bus, const QString &group, const QString &node,
                  QObject *parent = nullptr);

    // Where "Command/Apply Message" finds messages by name.
    void setMessageFolder(const QString &folder) { m_messageFolder = folder; }
    // Sends a message to coders after loading and checking it (the
    // station's apply); without one, the Fleet sends it as it is.
    using MessageSender = std::function<CommandResult(const QString &path, const QList<int> &coders,
                                                      const CommandOrigin &origin)>;
    void setMessageSender(MessageSender sender) { m_sendMessage = std::move(sender); }
    // The broker account this node is connected with: the commands it
    // carries out came through that account's access list.
    void setAccount(const QString &account) { m_account = account; }
    // Milliseconds since the epoch for the payloads' timestamps (tests).
    void setClock(std::function<quint64()> clock) { m_clock = std::move(clock); }

    quint64 bdSeq() const { return m_bdSeq; }
    // The node's death, published by the node itself before a clean
    // disconnect (the broker drops the will then).
    void publishDeath();
    QString deviceId(int descriptor) const { return m_devices.value(descriptor).id; }

signals:
    // What became of one command, as published.
    void commandResult(const QString &device, const QString &command, const QString &outcome);

private:
    struct Device
    {
        QString id;
        QList<Sparkplug::Metric> last; // as last published
        bool statusOnly = true;        // since then only state and progress changed
    };
    struct PendingCommand
    {
        QString device;
        QByteArray payload;
    };

    Sparkplug::Payload death() const;
    void connecting();
    void connected();
    void messageReceived(const QString &topic, const QByteArray &payload);
    void coderAdded(int descriptor);
    void coderRemoved(int descriptor);
    void markDirty(int descriptor);
    void markStatusDirty(int descriptor);
    void flush();
    void birthAll();
    void birthDevice(int descriptor);
    void runCommands();
    void runCommand(const PendingCommand &command);
    void runNodeCommand(const QByteArray &payload);
    // Carries out one command of a device command message for descriptor;
    // empty when it was done, else why not.
    QString carryOut(const PlantCommand &command, int descriptor, const CommandOrigin &origin);
    CommandResult applyMessage(const QString &messageName, int descriptor,
                               const CommandOrigin &origin);
    void publishResult(const QString &device, const QString &command, const QString &outcome);
    void publish(const QString &type, const QString &device, QList<Sparkplug::Metric> metrics);
    QList<Sparkplug::Metric> deviceMetrics(int descriptor) const;
    QString topic(const QString &type, const QString &device = QString()) const;

    Fleet *m_fleet;
    MqttBus *m_bus;
    QString m_group;
    QString m_node;
    QString m_messageFolder = QStringLiteral("Spray");
    QString m_account;
    std::function<quint64()> m_clock;
    QHash<int, Device> m_devices;
    QSet<QString> m_ids;
    QSet<int> m_dirty;
    QTimer m_flush;
    QQueue<PendingCommand> m_commands;
    QTimer m_commandTimer;
    quint64 m_bdSeq = 0;
    bool m_willUsed = false; // a connection was made with the will of m_bdSeq
    quint8 m_seq = 0;
    MessageSender m_sendMessage;
};
