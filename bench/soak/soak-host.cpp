// SPDX-License-Identifier: GPL-3.0-or-later
// The control window's plant engine without the window, for the soak run:
// a PlantHost on a broker connection, commanded line by line on stdin and
// telling what happens as one JSON object a line on stdout.
//
//   soak-host --url mqtt://127.0.0.1:PORT [--user U] [--password-file F]
//             [--host-id scada]
//
// Commands, each with a tag of the caller's that comes back with it:
//   start <tag> <node> <device> <product> <order> <lot>
//   end <tag> <node> <device>
//   stats
//   quit
// node as PlantHost::nodes() gives it ("Plant/Line1"), device the coder's
// device ID.  quit, the end of stdin, SIGTERM and SIGINT all end it the same
// way: the counts once more, STATE offline, exit 0.
#include "mqttclient.h"
#include "planthost.h"
#include "plantsettings.h"
#include "stopsignals.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QSettings>
#include <QSocketNotifier>
#include <QTemporaryDir>
#include <QTimer>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <unistd.h>
#include <utility>

namespace {

// Longest command line taken; a longer one is refused whole.
constexpr int kMaxLineBytes = 4096;
// A node is told at most this often; what it is at the time is told.
constexpr qint64 kNodeHoldOffMs = 1000;
const QString kUser = QStringLiteral("soak-host");

class SoakHost
{
public:
    SoakHost(MqttBus *bus, const QString &hostId) : m_bus(bus)
    {
        // Before the host's own handlers: the time of an attempt is never
        // later than the timestamp of the STATE it publishes.
        QObject::connect(bus, &MqttBus::connecting, &m_context, [this] {
            m_attemptAt = QDateTime::currentMSecsSinceEpoch();
            m_ready = false;
        });
        QObject::connect(bus, &MqttBus::disconnected, &m_context, [this](const QString &why) {
            m_ready = false;
            say({{"event", "note"},
                 {"problem", true},
                 {"text", QStringLiteral("disconnected from the broker: %1").arg(why)}});
        });
        m_host = new PlantHost(bus, hostId, true, &m_context);
        // Ready once the broker hands back this connection's STATE online.
        QObject::connect(bus, &MqttBus::messageReceived, &m_context,
                         [this](const QString &topic, const QByteArray &payload) {
                             if (!m_ready && topic == m_host->stateTopic())
                                 stateHeard(payload);
                         });
        QObject::connect(m_host, &PlantHost::commandOutcome, &m_context,
                         [this](quint64 id, const QString &node, const QString &device,
                                const QString &command, const QString &outcome) {
                             say({{"event", "outcome"},
                                  {"tag", m_tags.take(id)},
                                  {"id", double(id)},
                                  {"node", node},
                                  {"device", device},
                                  {"command", command},
                                  {"outcome", outcome}});
                         });
        QObject::connect(m_host, &PlantHost::nodeChanged, &m_context,
                         [this](const QString &node) { nodeChanged(node); });
        // A device born is a node with one more: told as the node, held off.
        QObject::connect(m_host, &PlantHost::coderChanged, &m_context,
                         [this](const QString &node, const QString &device) {
                             QSet<QString> &known = m_known[node];
                             if (!known.contains(device)) {
                                 known.insert(device);
                                 nodeChanged(node);
                             }
                         });
        QObject::connect(m_host, &PlantHost::note, &m_context,
                         [this](const QString &text, bool problem) {
                             say({{"event", "note"}, {"problem", problem}, {"text", text}});
                         });
        m_clock.start();
    }

    void start() { m_host->start(); }

    // Takes what stdin gave; false after quit (what follows it is not read).
    bool take(const QByteArray &bytes)
    {
        m_pending += bytes;
        int newline;
        while ((newline = m_pending.indexOf('\n')) >= 0) {
            const QByteArray line = m_pending.left(newline);
            m_pending.remove(0, newline + 1);
            if (std::exchange(m_skipping, false))
                continue; // the end of a line refused as too long
            if (!takeLine(line))
                return false;
        }
        if (m_pending.size() > kMaxLineBytes) {
            if (!m_skipping)
                tooLong();
            m_skipping = true;
            m_pending.clear();
        }
        return true;
    }

    // The end of stdin: a last line without its newline is taken too.
    void endOfInput()
    {
        if (!m_skipping && !m_pending.isEmpty())
            takeLine(m_pending);
        m_pending.clear();
    }

    // The end: nodes held off told now, the counts, STATE offline.
    void finish()
    {
        for (auto it = m_nodes.begin(); it != m_nodes.end(); ++it) {
            if (it->queued) {
                it->queued = false;
                sayNode(it.key());
            }
        }
        sayStats();
        m_host->stop();
    }

private:
    struct NodeTold
    {
        qint64 at = -1;
        bool queued = false;
    };

    // A reader gone (a failed write) ends the program.
    void say(const QJsonObject &object)
    {
        const QByteArray line = QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
        if (std::fwrite(line.constData(), 1, size_t(line.size()), stdout) != size_t(line.size()) ||
            std::fflush(stdout) != 0) {
            if (m_heard) {
                m_heard = false;
                QCoreApplication::quit();
            }
        }
    }

    // False for quit.
    bool takeLine(const QByteArray &bytes)
    {
        if (bytes.size() > kMaxLineBytes) {
            tooLong();
            return true;
        }
        return command(QString::fromUtf8(bytes).trimmed());
    }

    void tooLong()
    {
        refused(QString(), QStringLiteral("a line longer than %1 bytes").arg(kMaxLineBytes));
    }

    void refused(const QString &tag, const QString &error)
    {
        say({{"event", "refused"}, {"tag", tag}, {"error", error}});
    }

    // False for quit.
    bool command(const QString &line)
    {
        const QStringList words = line.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (words.isEmpty())
            return true;
        const QString &verb = words.first();
        const QString tag = words.value(1);
        if (verb == QLatin1String("quit"))
            return false;
        if (verb == QLatin1String("stats")) {
            sayStats();
            return true;
        }
        RemoteCommand remote;
        if (verb == QLatin1String("start") && words.size() == 7) {
            remote.kind = RemoteCommand::Kind::StartJob;
            remote.product = words.at(4);
            remote.order = words.at(5);
            remote.lot = words.at(6);
        } else if (verb == QLatin1String("end") && words.size() == 4) {
            remote.kind = RemoteCommand::Kind::EndJob;
        } else if (verb == QLatin1String("start")) {
            refused(tag,
                    QStringLiteral("usage: start <tag> <node> <device> <product> <order> <lot>"));
            return true;
        } else if (verb == QLatin1String("end")) {
            refused(tag, QStringLiteral("usage: end <tag> <node> <device>"));
            return true;
        } else {
            refused(tag, QStringLiteral("unknown command \"%1\"").arg(verb.left(40)));
            return true;
        }
        QString error;
        const quint64 id = m_host->sendCommand(words.at(2), words.at(3), remote, kUser, &error);
        if (!id) {
            refused(tag, error);
            return true;
        }
        m_tags.insert(id, tag);
        say({{"event", "sent"}, {"tag", tag}, {"id", double(id)}});
        return true;
    }

    void stateHeard(const QByteArray &payload)
    {
        const QJsonObject state = QJsonDocument::fromJson(payload).object();
        if (state.value(QStringLiteral("online")).toBool() &&
            qint64(state.value(QStringLiteral("timestamp")).toDouble()) >= m_attemptAt &&
            m_bus->isConnected()) {
            m_ready = true;
            say({{"event", "ready"}});
        }
    }

    void nodeChanged(const QString &node)
    {
        NodeTold &told = m_nodes[node];
        if (told.queued)
            return;
        const qint64 since = m_clock.elapsed() - told.at;
        if (told.at < 0 || since >= kNodeHoldOffMs) {
            sayNode(node);
            return;
        }
        told.queued = true;
        QTimer::singleShot(kNodeHoldOffMs - since, &m_context, [this, node] {
            m_nodes[node].queued = false;
            sayNode(node);
        });
    }

    QJsonObject nodeObject(const QString &node) const
    {
        return {{"node", node},
                {"stale", m_host->isNodeStale(node)},
                {"devices", m_host->devices(node).size()}};
    }

    void sayNode(const QString &node)
    {
        m_nodes[node].at = m_clock.elapsed();
        QJsonObject object = nodeObject(node);
        object.insert(QStringLiteral("event"), QStringLiteral("node"));
        say(object);
    }

    void sayStats()
    {
        QJsonObject refusals;
        const QMap<QString, int> counts = m_host->refusals();
        for (auto it = counts.cbegin(); it != counts.cend(); ++it)
            refusals.insert(it.key(), it.value());
        QJsonArray nodes;
        for (const QString &node : m_host->nodes())
            nodes.append(nodeObject(node));
        say({{"event", "stats"},
             {"births", m_host->births()},
             {"rebirthsAsked", m_host->rebirthsAsked()},
             {"refused", m_host->refusedTotal()},
             {"refusals", refusals},
             {"nodes", nodes}});
    }

    QObject m_context;
    MqttBus *m_bus;
    PlantHost *m_host = nullptr;
    QElapsedTimer m_clock;
    qint64 m_attemptAt = 0;
    bool m_ready = false;
    bool m_heard = true;
    QByteArray m_pending;
    bool m_skipping = false;
    QHash<quint64, QString> m_tags;
    QHash<QString, NodeTold> m_nodes;
    QHash<QString, QSet<QString>> m_known;
};

// The broker of the options, read as the window reads its [plant] section.
bool brokerOf(const QCommandLineParser &options, BrokerSettings *broker, QStringList *errors)
{
    QTemporaryDir scratch;
    if (!scratch.isValid()) {
        *errors << QStringLiteral("no scratch folder: %1").arg(scratch.errorString());
        return false;
    }
    {
        QSettings ini(scratch.filePath(QStringLiteral("options.ini")), QSettings::IniFormat);
        ini.setValue(QStringLiteral("url"), options.value(QStringLiteral("url")));
        ini.setValue(QStringLiteral("user"), options.value(QStringLiteral("user")));
        ini.setValue(QStringLiteral("password_file"),
                     options.value(QStringLiteral("password-file")));
        const auto fail = [errors](const QString &text) { *errors << text; };
        PlantSettings::readBrokerUrl(ini, broker, fail);
        PlantSettings::readBrokerAccount(ini, broker, fail);
    }
    return errors->isEmpty();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("soak-host"));
    QCommandLineParser options;
    options.setApplicationDescription(
        QStringLiteral("The control window's plant engine, commanded on stdin."));
    options.addHelpOption();
    options.addOptions({{"url", "The broker: mqtt://host[:port] or mqtts://host[:port].", "url"},
                        {"user", "The broker account.", "name"},
                        {"password-file", "A file whose first line is its password.", "file"},
                        {"host-id", "The host ID of its STATE (default scada).", "id", "scada"}});
    options.process(app);

    QStringList errors;
    BrokerSettings broker;
    const QString hostId = options.value(QStringLiteral("host-id"));
    if (!Sparkplug::isValidId(hostId))
        errors << QStringLiteral("--host-id \"%1\" must be a name without \"/\", \"+\" and \"#\"")
                      .arg(hostId);
    if (!brokerOf(options, &broker, &errors)) {
        for (const QString &error : qAsConst(errors))
            std::fprintf(stderr, "soak-host: %s\n", qPrintable(error));
        return 2;
    }
    broker.clientId = QStringLiteral("korvex-host-%1-%2").arg(hostId).arg(::getpid());

    // A reader that went away shows as a failed write, not as SIGPIPE.
    std::signal(SIGPIPE, SIG_IGN);
    if (!quitOnStopSignals(app)) {
        std::fprintf(stderr, "soak-host: cannot watch for SIGTERM\n");
        return 1;
    }

    MqttClient bus(broker);
    SoakHost host(&bus, hostId);
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&] {
        char buffer[16384];
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n < 0 && (errno == EINTR || errno == EAGAIN))
            return;
        if (n <= 0)
            host.endOfInput();
        if (n <= 0 || !host.take(QByteArray(buffer, int(n)))) {
            input.setEnabled(false);
            app.quit();
        }
    });
    host.start();
    app.exec();
    input.setEnabled(false);
    host.finish();
    return 0;
}
