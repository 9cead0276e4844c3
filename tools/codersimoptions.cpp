// SPDX-License-Identifier: GPL-3.0-or-later
#include "codersimoptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QHostAddress>
#include <QTimer>

#include <algorithm>
#include <memory>

namespace {

bool readInt(const QCommandLineParser &parser, const QString &name, int min, int max, int *value,
             QString *message)
{
    if (!parser.isSet(name))
        return true;
    bool ok = false;
    const int v = parser.value(name).toInt(&ok);
    if (!ok || v < min || v > max) {
        *message = QStringLiteral("--%1 must be a whole number from %2 to %3, not \"%4\"")
                       .arg(name)
                       .arg(min)
                       .arg(max)
                       .arg(parser.value(name));
        return false;
    }
    *value = v;
    return true;
}

bool readPattern(const QString &text, QVector<quint8> *pattern, QString *message)
{
    pattern->clear();
    for (const QString &part : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool ok = false;
        const uint state = part.trimmed().toUInt(&ok);
        if (!ok || state > 255) {
            *message = QStringLiteral("--status takes state bytes 0 to 255 separated by "
                                      "commas, not \"%1\"")
                           .arg(text);
            return false;
        }
        *pattern << quint8(state);
    }
    if (pattern->isEmpty()) {
        *message = QStringLiteral("--status needs at least one state byte");
        return false;
    }
    return true;
}

bool readLie(const QCommandLineParser &parser, CoderSettings::Lie *lie, int *afterMs,
             QString *message)
{
    static const QList<QPair<QString, CoderSettings::Lie>> kinds{
        {QStringLiteral("wrong-length"), CoderSettings::Lie::WrongLength},
        {QStringLiteral("flood"), CoderSettings::Lie::Flood},
        {QStringLiteral("stall"), CoderSettings::Lie::Stall},
        {QStringLiteral("panel-change"), CoderSettings::Lie::PanelChange},
    };
    if (parser.isSet("lie")) {
        const QString kind = parser.value("lie");
        auto found = std::find_if(kinds.begin(), kinds.end(),
                                  [&](const auto &k) { return k.first == kind; });
        if (found == kinds.end()) {
            *message = QStringLiteral("--lie takes wrong-length, flood, stall or panel-change, "
                                      "not \"%1\"")
                           .arg(kind);
            return false;
        }
        *lie = found->second;
    }
    if (parser.isSet("lie-after")) {
        bool ok = false;
        const double seconds = parser.value("lie-after").toDouble(&ok);
        if (!ok || !(seconds >= 0) || seconds > 24 * 3600) {
            *message = QStringLiteral("--lie-after must be a number of seconds from 0 to "
                                      "86400, not \"%1\"")
                           .arg(parser.value("lie-after"));
            return false;
        }
        *afterMs = int(seconds * 1000 + 0.5);
    }
    return true;
}

} // namespace

bool CoderSimOptions::parse(const QStringList &arguments, CoderSimOptions *options,
                            QString *message, int *exitCode, QCommandLineParser *ownParser)
{
    *exitCode = 2;
    QCommandLineParser localParser;
    QCommandLineParser &parser = ownParser ? *ownParser : localParser;
    if (!ownParser)
        parser.setApplicationDescription(QStringLiteral(
            "Simulates coders that connect to KorvexControl: they answer the current-file and "
            "parameter requests, store the message files they are sent, take print parameters "
            "and, while printing, report their status with a moving progress."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addOptions({
        {"host", "Address of KorvexControl (default 127.0.0.1).", "address", "127.0.0.1"},
        {"port", "Port of KorvexControl (default 64032).", "port", "64032"},
        {"source",
         "IPv4 address coder 1 connects from, coder N from the (N-1)-th address after it "
         "(any of 127.0.0.0/8 on Linux; default: the system's choice).",
         "address"},
        {"count", "Number of coders (default 1).", "n", "1"},
        {"folder", "Folder holding one subfolder coder-N per coder (default coder-sim).", "dir",
         "coder-sim"},
        {"message", "Message file reported as current (repeat to give coders different ones).",
         "file"},
        {"status", "State bytes reported in turn while printing, separated by commas (default 1).",
         "list", "1"},
        {"status-interval", "Milliseconds between status reports (default 500).", "ms", "500"},
        {"progress-step", "Percent the progress moves per report (default 5).", "percent", "5"},
        {"duration",
         "Seconds after which the coders disconnect and the program ends "
         "(0: never).",
         "seconds", "0"},
        {"autostart", "Start printing as soon as connected."},
        {"keep-message",
         "Store the messages sent but go on reporting the one it had, as a coder that does not "
         "hold what it was sent."},
        {"reconnect-interval", "Milliseconds between connection attempts (default 1000).", "ms",
         "1000"},
        {"lie",
         "Misbehave as a faulty coder would: wrong-length (status reports whose length field "
         "does not match their body), flood (status reports as fast as the socket takes them), "
         "stall (never read again, keep the connection) or panel-change (switch to another "
         "message as an operator at its panel would).",
         "kind"},
        {"lie-after",
         "Seconds it behaves after each connection (panel-change: after each message it was "
         "sent) before it lies (default 5).",
         "seconds", "5"},
    });
    if (!parser.parse(arguments)) {
        *message = parser.errorText();
        return false;
    }
    if (parser.isSet(help)) {
        *message = parser.helpText();
        *exitCode = 0;
        return false;
    }
    if (parser.isSet(version)) {
        *message = QCoreApplication::applicationName() + QLatin1Char(' ') +
                   QCoreApplication::applicationVersion();
        *exitCode = 0;
        return false;
    }
    if (!parser.positionalArguments().isEmpty()) {
        *message =
            QStringLiteral("unexpected argument \"%1\"").arg(parser.positionalArguments().first());
        return false;
    }

    int port = 64032, count = 1, interval = 500, step = 5, duration = 0, reconnect = 1000;
    QVector<quint8> pattern;
    CoderSettings::Lie lie = CoderSettings::Lie::None;
    int lieAfterMs = 5000;
    if (!readLie(parser, &lie, &lieAfterMs, message))
        return false;
    if (!readInt(parser, "port", 1, 65535, &port, message) ||
        !readInt(parser, "count", 1, 1000, &count, message) ||
        !readInt(parser, "status-interval", 1, 3600000, &interval, message) ||
        !readInt(parser, "progress-step", 0, 100, &step, message) ||
        !readInt(parser, "duration", 0, 31 * 24 * 3600, &duration, message) ||
        !readInt(parser, "reconnect-interval", 1, 3600000, &reconnect, message) ||
        !readPattern(parser.value("status"), &pattern, message))
        return false;

    quint32 source = 0;
    if (parser.isSet("source")) {
        const QHostAddress address(parser.value("source"));
        bool ipv4 = false;
        source = address.toIPv4Address(&ipv4);
        if (!ipv4 || source > 0xFFFFFFFFu - quint32(count - 1)) {
            *message = QStringLiteral("--source must be an IPv4 address with room for %1 "
                                      "coders after it, not \"%2\"")
                           .arg(count)
                           .arg(parser.value("source"));
            return false;
        }
    }

    const QStringList messages = parser.values("message");
    const QDir root(parser.value("folder"));
    options->coders.clear();
    for (int n = 1; n <= count; ++n) {
        CoderSettings s;
        s.number = n;
        s.host = parser.value("host");
        s.port = quint16(port);
        if (source)
            s.sourceAddress = QHostAddress(source + quint32(n - 1)).toString();
        s.folder = root.filePath(QStringLiteral("coder-%1").arg(n));
        if (!messages.isEmpty())
            s.messageSource = messages.at((n - 1) % messages.size());
        s.statusPattern = pattern;
        s.statusIntervalMs = interval;
        s.progressStep = step;
        s.autostart = parser.isSet("autostart");
        s.keepsItsMessage = parser.isSet("keep-message");
        s.reconnectIntervalMs = reconnect;
        s.lie = lie;
        s.lieAfterMs = lieAfterMs;
        options->coders << s;
    }
    options->durationSeconds = duration;
    *exitCode = 0;
    return true;
}

QVector<SimulatedCoder *> CoderSimOptions::createCoders() const
{
    QVector<SimulatedCoder *> created;
    auto running = std::make_shared<int>(coders.size());
    for (const CoderSettings &settings : coders) {
        auto *coder = new SimulatedCoder(settings, qApp);
        QObject::connect(coder, &SimulatedCoder::finished, qApp, [running] {
            if (--*running == 0)
                QCoreApplication::quit();
        });
        created << coder;
    }
    if (durationSeconds > 0) {
        QTimer::singleShot(durationSeconds * 1000, qApp, [created] {
            for (SimulatedCoder *coder : created)
                coder->stop();
            // A server that never acknowledges the close must not keep us alive.
            QTimer::singleShot(2000, qApp, &QCoreApplication::quit);
        });
    }
    return created;
}
