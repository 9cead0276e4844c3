// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mqttbus.h"

#include <QStringList>
#include <QTimer>

class QSocketNotifier;
struct mosquitto;

// Where and how to reach the broker.
struct BrokerSettings
{
    QString host = QStringLiteral("127.0.0.1");
    quint16 port = 1883;
    bool tls = false;
    QString caFile;   // TLS: the certificate authority that signed the broker's certificate
    QString certFile; // TLS: this client's certificate and key, when the broker asks for one
    QString keyFile;
    QString user;
    QString password;
    QString clientId;
    int keepAliveSeconds = 30;
};

// One MQTT 3.1.1 session through libmosquitto, run by the Qt event loop of
// this thread (no thread of libmosquitto's own).  Connects on start(), keeps
// the will registered for each connection, and when the broker is down or
// goes away tries again after 1, 2, 4 ... up to kMaxBackOffMs milliseconds.
class MqttClient : public MqttBus
{
    Q_OBJECT
public:
    static constexpr int kMaxBackOffMs = 30000;
    // Most packets read in one turn of the event loop.
    static constexpr int kMaxPacketsPerTurn = 256;

    explicit MqttClient(const BrokerSettings &settings, QObject *parent = nullptr);
    ~MqttClient() override;

    // The next connection registers the will anew (see connecting()).
    void setWill(const QString &topic, const QByteArray &payload, int qos) override;

    void start() override;
    void stop() override;
    bool isConnected() const override { return m_connected; }

    bool publish(const QString &topic, const QByteArray &payload, int qos = 0) override;
    bool subscribe(const QString &pattern, int qos = 0) override;
    void setRetainedWill(const QString &topic, const QByteArray &payload, int qos) override;
    bool publishRetained(const QString &topic, const QByteArray &payload, int qos) override;

    // Shortens the waits between attempts (tests).
    void setFirstBackOffMs(int ms) { m_firstBackOffMs = ms; }

private:
    static void onConnect(struct mosquitto *, void *self, int result);
    static void onDisconnect(struct mosquitto *, void *self, int result);
    static void onMessage(struct mosquitto *, void *self, const struct mosquitto_message *message);
    static void onLog(struct mosquitto *, void *self, int level, const char *text);

    // The words for a failed call of libmosquitto; a TLS error says what
    // was wrong with the certificates, as far as it was told.
    QString errorText(int rc);

    bool send(const QString &topic, const QByteArray &payload, int qos, bool retain);
    void attempt();
    void watchSocket();
    void unwatchSocket();
    void serviceSocket();
    void lost(const QString &reason);
    void updateWriteInterest();

    BrokerSettings m_settings;
    struct mosquitto *m_mosq = nullptr;
    // Released with deleteLater(): the session may end inside their own signal.
    QSocketNotifier *m_readNotifier = nullptr;
    QSocketNotifier *m_writeNotifier = nullptr;
    QTimer m_misc;  // keep-alive pings and retries of libmosquitto
    QTimer m_retry; // the next attempt after a failure
    int m_firstBackOffMs = 1000;
    int m_backOffMs = 1000;
    bool m_connected = false;
    bool m_stopping = false;
    // What the TLS layer said about the current attempt, for errorText().
    QStringList m_tlsDetails;
};
