// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class EventLog;
class MqttBus;
class PlantHost;
class RemoteLines;
struct PlantHostSettings;
struct RemoteCoder;

// The window as the plant's host application, for as long as it lives:
// the coders of the lines on the site broker in its device list, and its
// commands to them sent by the host engine.  Going away, it says offline.
class PlantHostLink : public QObject
{
    Q_OBJECT
public:
    // With bus null, a broker connection of the settings' own.
    PlantHostLink(const PlantHostSettings &settings, RemoteLines *lines, EventLog *log,
                  MqttBus *bus = nullptr, QObject *parent = nullptr);
    ~PlantHostLink() override;

    PlantHost *host() const { return m_host; }

private:
    void show(const QString &node, const QString &device);

    MqttBus *m_bus;
    PlantHost *m_host;
    RemoteLines *m_lines;
};
