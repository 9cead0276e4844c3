// SPDX-License-Identifier: GPL-3.0-or-later
#include "mqttclient.h"

#include "plantlog.h"

#include <QSocketNotifier>

#include <mosquitto.h>
#include <openssl/ssl.h>
#include <openssl/x509.h>
#include <sys/ioctl.h>

namespace {

// libmosquitto's process-wide set-up, once.
void initLibrary()
{
    static const int done = mosquitto_lib_init();
    Q_UNUSED(done);
}

QByteArray bytes(const QString &text)
{
    return text.toUtf8();
}

const char *orNull(const QByteArray &text)
{
    return text.isEmpty() ? nullptr : text.constData();
}

} // namespace

MqttClient::MqttClient(const BrokerSettings &settings, QObject *parent)
    : MqttBus(parent), m_settings(settings)
{
    initLibrary();
    const QByteArray id = bytes(m_settings.clientId);
    m_mosq = mosquitto_new(orNull(id), true, this);
    mosquitto_connect_callback_set(m_mosq, &MqttClient::onConnect);
    mosquitto_disconnect_callback_set(m_mosq, &MqttClient::onDisconnect);
    mosquitto_message_callback_set(m_mosq, &MqttClient::onMessage);
    mosquitto_log_callback_set(m_mosq, &MqttClient::onLog);
    if (!m_settings.user.isEmpty())
        mosquitto_username_pw_set(m_mosq, bytes(m_settings.user).constData(),
                                  orNull(bytes(m_settings.password)));
    if (m_settings.tls) {
        const QByteArray ca = bytes(m_settings.caFile);
        const QByteArray cert = bytes(m_settings.certFile);
        const QByteArray key = bytes(m_settings.keyFile);
        const int rc =
            mosquitto_tls_set(m_mosq, orNull(ca), nullptr, orNull(cert), orNull(key), nullptr);
        if (rc != MOSQ_ERR_SUCCESS)
            qCWarning(lcPlant) << "TLS settings refused:" << mosquitto_strerror(rc);
    }
    m_misc.setInterval(1000);
    connect(&m_misc, &QTimer::timeout, this, [this] {
        if (!m_readNotifier)
            return;
        const int rc = mosquitto_loop_misc(m_mosq);
        if (rc != MOSQ_ERR_SUCCESS && m_connected)
            lost(errorText(rc));
        else
            updateWriteInterest();
    });
    m_retry.setSingleShot(true);
    connect(&m_retry, &QTimer::timeout, this, &MqttClient::attempt);
}

MqttClient::~MqttClient()
{
    stop();
    mosquitto_destroy(m_mosq);
}

void MqttClient::setWill(const QString &topic, const QByteArray &payload, int qos)
{
    mosquitto_will_set(m_mosq, bytes(topic).constData(), payload.size(), payload.constData(), qos,
                       false);
}

void MqttClient::setRetainedWill(const QString &topic, const QByteArray &payload, int qos)
{
    mosquitto_will_set(m_mosq, bytes(topic).constData(), payload.size(), payload.constData(), qos,
                       true);
}

void MqttClient::start()
{
    m_stopping = false;
    m_backOffMs = m_firstBackOffMs;
    attempt();
}

void MqttClient::stop()
{
    m_stopping = true;
    m_retry.stop();
    if (m_readNotifier) {
        // Queues DISCONNECT and writes it at once: the broker drops the will.
        mosquitto_disconnect(m_mosq);
        mosquitto_loop_write(m_mosq, 1);
    }
    unwatchSocket();
    m_connected = false;
}

bool MqttClient::publish(const QString &topic, const QByteArray &payload, int qos)
{
    return send(topic, payload, qos, false);
}

bool MqttClient::publishRetained(const QString &topic, const QByteArray &payload, int qos)
{
    return send(topic, payload, qos, true);
}

bool MqttClient::send(const QString &topic, const QByteArray &payload, int qos, bool retain)
{
    if (!m_connected)
        return false;
    const int rc = mosquitto_publish(m_mosq, nullptr, bytes(topic).constData(), payload.size(),
                                     payload.constData(), qos, retain);
    if (rc != MOSQ_ERR_SUCCESS) {
        qCWarning(lcPlant) << "cannot publish on" << topic << ":" << mosquitto_strerror(rc);
        return false;
    }
    updateWriteInterest();
    return true;
}

bool MqttClient::subscribe(const QString &pattern, int qos)
{
    const int rc = mosquitto_subscribe(m_mosq, nullptr, bytes(pattern).constData(), qos);
    updateWriteInterest();
    return rc == MOSQ_ERR_SUCCESS;
}

void MqttClient::attempt()
{
    if (m_stopping)
        return;
    m_tlsDetails.clear();
    emit connecting();
    const int rc = mosquitto_connect_async(m_mosq, bytes(m_settings.host).constData(),
                                           m_settings.port, m_settings.keepAliveSeconds);
    if (rc != MOSQ_ERR_SUCCESS) {
        lost(errorText(rc));
        return;
    }
    watchSocket();
}

void MqttClient::watchSocket()
{
    unwatchSocket();
    const int fd = mosquitto_socket(m_mosq);
    if (fd < 0) {
        lost(QStringLiteral("no socket"));
        return;
    }
    m_readNotifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(m_readNotifier, &QSocketNotifier::activated, this, &MqttClient::serviceSocket);
    m_writeNotifier = new QSocketNotifier(fd, QSocketNotifier::Write, this);
    connect(m_writeNotifier, &QSocketNotifier::activated, this, [this] {
        const int rc = mosquitto_loop_write(m_mosq, 1);
        if (rc != MOSQ_ERR_SUCCESS)
            lost(errorText(rc));
        else
            updateWriteInterest();
    });
    // The connection completes when the socket becomes writable.
    m_writeNotifier->setEnabled(true);
    m_misc.start();
}

void MqttClient::unwatchSocket()
{
    for (QSocketNotifier **notifier : {&m_readNotifier, &m_writeNotifier}) {
        if (*notifier) {
            (*notifier)->setEnabled(false);
            (*notifier)->deleteLater();
            *notifier = nullptr;
        }
    }
    m_misc.stop();
}

void MqttClient::serviceSocket()
{
    // libmosquitto reads about one packet a call: read on while the socket
    // holds more, so that a burst costs one turn of the event loop, not one
    // per message (a bounded number, so that nothing else starves).
    for (int i = 0; i < kMaxPacketsPerTurn; ++i) {
        const int rc = mosquitto_loop_read(m_mosq, 1);
        if (rc != MOSQ_ERR_SUCCESS) {
            lost(errorText(rc));
            return;
        }
        int waiting = 0;
        const int fd = mosquitto_socket(m_mosq);
        if (!m_readNotifier || fd < 0 || ::ioctl(fd, FIONREAD, &waiting) != 0 || waiting <= 0)
            break;
    }
    updateWriteInterest();
}

void MqttClient::updateWriteInterest()
{
    if (m_writeNotifier)
        m_writeNotifier->setEnabled(mosquitto_want_write(m_mosq));
}

// The session is over, for whatever reason: told once, then tried again.
void MqttClient::lost(const QString &reason)
{
    const bool wasWatching = m_readNotifier != nullptr;
    unwatchSocket();
    const bool wasConnected = m_connected;
    m_connected = false;
    if (wasConnected || wasWatching || !m_retry.isActive())
        qCInfo(lcPlant) << "broker" << m_settings.host << m_settings.port << ":" << reason;
    if (wasConnected)
        emit disconnected(reason);
    if (m_stopping || m_retry.isActive())
        return;
    m_retry.start(m_backOffMs);
    m_backOffMs = qMin(m_backOffMs * 2, kMaxBackOffMs);
}

void MqttClient::onConnect(struct mosquitto *, void *self, int result)
{
    auto *client = static_cast<MqttClient *>(self);
    if (result != 0) {
        client->lost(QStringLiteral("connection refused: %1")
                         .arg(QString::fromUtf8(mosquitto_connack_string(result))));
        return;
    }
    client->m_connected = true;
    client->m_backOffMs = client->m_firstBackOffMs;
    qCInfo(lcPlant) << "connected to broker" << client->m_settings.host << client->m_settings.port;
    emit client->connected();
}

void MqttClient::onDisconnect(struct mosquitto *, void *self, int result)
{
    auto *client = static_cast<MqttClient *>(self);
    if (!client->m_stopping)
        client->lost(result == 0 ? QStringLiteral("disconnected") : client->errorText(result));
}

void MqttClient::onMessage(struct mosquitto *, void *self, const struct mosquitto_message *message)
{
    auto *client = static_cast<MqttClient *>(self);
    emit client->messageReceived(
        QString::fromUtf8(message->topic),
        QByteArray(static_cast<const char *>(message->payload), message->payloadlen));
}

QString MqttClient::errorText(int rc)
{
    if (rc == MOSQ_ERR_ERRNO)
        return QString::fromUtf8(strerror(errno));
    QString text = QString::fromUtf8(mosquitto_strerror(rc));
    if (rc == MOSQ_ERR_TLS && !m_tlsDetails.isEmpty()) {
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
        text += QStringLiteral(": ") + m_tlsDetails.join(QStringLiteral("; "));
    }
    m_tlsDetails.clear();
    return text;
}

// libmosquitto tells what went wrong with TLS only in its log: the
// handshake's errors, and its own check of the host name.  The reason a
// certificate does not verify is asked of the connection while it is
// still there.
void MqttClient::onLog(struct mosquitto *mosq, void *self, int level, const char *text)
{
    if (level != MOSQ_LOG_ERR)
        return;
    auto *client = static_cast<MqttClient *>(self);
    QStringList &details = client->m_tlsDetails;
    const QString line = QString::fromUtf8(text);
    QString detail;
    if (line.contains(QLatin1String("host name verification failed"))) {
        detail = QStringLiteral("the broker's certificate is not for host %1")
                     .arg(client->m_settings.host);
    } else if (line.startsWith(QLatin1String("OpenSSL Error"))) {
        const auto *ssl = static_cast<const SSL *>(mosquitto_ssl_get(mosq));
        const long verified = ssl ? SSL_get_verify_result(ssl) : X509_V_OK;
        const bool hostFailed =
            !details.isEmpty() && details.last().contains(QLatin1String("host"));
        if (verified != X509_V_OK && !hostFailed)
            detail = QStringLiteral("the broker's certificate does not verify against ca_file (%1)")
                         .arg(QString::fromUtf8(X509_verify_cert_error_string(verified)));
        else if (verified == X509_V_OK)
            // "OpenSSL Error[0]: error:0A00010B:SSL routines::wrong version number"
            detail = line.mid(line.lastIndexOf(QLatin1Char(':')) + 1).trimmed();
    }
    if (!detail.isEmpty() && !details.contains(detail) && details.size() < 4)
        details << detail;
}
