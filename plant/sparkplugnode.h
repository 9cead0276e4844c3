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
class JobRunner;
class ReaderService;
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
// With a primary host (Sparkplug 3.0) the node follows that host's STATE
// (spBv1.0/STATE/<host>, JSON): it is born only while the host's last STATE
// says online, and when the host goes offline it publishes its death,
// disconnects and connects again to wait for it.  Then every metric gets
// an alias at birth, data messages carry the alias alone, and commands are
// taken by alias or by name.
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
    // The station's jobs: each device then has the job metrics
    // (JobMetrics) and takes "Job/Start" and "Job/End".  Set before the
    // first connection; without it job commands are refused.
    void setJobs(JobRunner *runner);
    // The code readers' metrics (ReaderMetrics) after the job's.
    void setReaders(ReaderService *readers);
    // The broker account this node is connected with: the commands it
    // carries out came through that account's access list.
    void setAccount(const QString &account) { m_account = account; }
    // Milliseconds since the epoch for the payloads' timestamps (tests).
    void setClock(std::function<quint64()> clock) { m_clock = std::move(clock); }

    // The host ID whose STATE the node waits for; empty (the default) for
    // births on every connection and metrics by name only.  Set before
    // the first connection.
    void setPrimaryHost(const QString &hostId) { m_primaryHost = hostId; }
    // Whether NBIRTH went out on the current connection.
    bool isBorn() const { return m_born; }
    // STATE messages refused as unreadable since the start.
    int refusedStates() const { return m_refusedStates; }
    // Largest STATE payload read; the host's JSON is a few dozen bytes.
    static constexpr int kMaxStateBytes = 4096;

    quint64 bdSeq() const { return m_bdSeq; }
    // The node's death, published by the node itself before a clean
    // disconnect (the broker drops the will then).
    void publishDeath();
    QString deviceId(int descriptor) const { return m_devices.value(descriptor).id; }

signals:
    // What became of one command, as published.
    void commandResult(const QString &device, const QString &command, const QString &outcome);

private:
    // The alias of each metric given one, and back.
    struct Aliases
    {
        QHash<QString, quint64> byName;
        QHash<quint64, QString> names;
    };
    struct Device
    {
        QString id;
        QList<Sparkplug::Metric> last; // as last published
        bool statusOnly = true;        // since then only state and progress changed
        Aliases aliases;
    };
    struct PendingCommand
    {
        QString device;
        QByteArray payload;
    };

    Sparkplug::Payload death() const;
    void connecting();
    void connected();
    void stateReceived(const QByteArray &payload);
    // The primary host went offline: death, and a new connection to wait on.
    void leaveForHost();
    // Gives each metric its alias (a new one when it has none yet); data
    // messages then carry the alias without the name.
    void useAliases(QList<Sparkplug::Metric> *metrics, Aliases *aliases, bool birth);
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
    QString startJob(const PlantCommand &command, int descriptor, const CommandOrigin &origin);
    QString endJob(int descriptor, const CommandOrigin &origin);
    CommandResult applyMessage(const QString &messageName, int descriptor,
                               const CommandOrigin &origin);
    void publishResult(const QString &device, const QString &command, const QString &outcome);
    // aliases: those of the device (or the node) the metrics belong to.
    void publish(const QString &type, const QString &device, QList<Sparkplug::Metric> metrics,
                 Aliases *aliases = nullptr);
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
    QString m_primaryHost;
    bool m_born = false;    // NBIRTH went out on this connection
    bool m_leaving = false; // dead for the primary host, reconnecting
    bool m_stateSeen = false;
    quint64 m_stateTimestamp = 0; // of the last STATE taken
    int m_refusedStates = 0;
    Aliases m_nodeAliases;
    quint64 m_nextAlias = 1; // never reused while the node lives
    MessageSender m_sendMessage;
    JobRunner *m_jobs = nullptr;
    ReaderService *m_readers = nullptr;
};
