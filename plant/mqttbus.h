// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

// One session with a broker, as the Sparkplug node uses it: the will, the
// session's start and end, subscriptions, publishing and what arrives.
// MqttClient is the real one; tests put a bus of their own in its place.
class MqttBus : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // The will the broker publishes when the session ends without a
    // disconnect; set it on connecting(), it holds for that connection.
    virtual void setWill(const QString &topic, const QByteArray &payload, int qos) = 0;
    // Connects, and after a loss connects again, until stop().
    virtual void start() = 0;
    // Disconnects cleanly: the broker publishes no will.
    virtual void stop() = 0;
    virtual bool isConnected() const = 0;
    // False when it cannot go out (not connected, refused).
    virtual bool publish(const QString &topic, const QByteArray &payload, int qos = 0) = 0;
    virtual bool subscribe(const QString &pattern, int qos = 0) = 0;
    // A will and a message the broker keeps for later subscribers (a host
    // application's STATE).  A bus that keeps nothing sends them as usual.
    virtual void setRetainedWill(const QString &topic, const QByteArray &payload, int qos)
    {
        setWill(topic, payload, qos);
    }
    virtual bool publishRetained(const QString &topic, const QByteArray &payload, int qos)
    {
        return publish(topic, payload, qos);
    }

signals:
    // Just before each attempt to connect: the place to set the will.
    void connecting();
    void connected();
    // The session ended; reconnecting follows unless stopped.
    void disconnected(const QString &reason);
    void messageReceived(const QString &topic, const QByteArray &payload);
};
