// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class JobRunner;
class Station;
class MqttClient;
class SparkplugNode;
struct PlantSettings;

// The coders of a station on the plant's broker, for as long as it lives:
// connects with the settings' account, publishes the Sparkplug session and
// carries out the commands that arrive.  Going away, it publishes the
// node's death and disconnects cleanly.  With the station's jobs, each
// coder's job is on the bus too and jobs start and end from it.
class PlantLink : public QObject
{
    Q_OBJECT
public:
    PlantLink(Station *station, const PlantSettings &settings, JobRunner *jobs = nullptr,
              QObject *parent = nullptr);
    ~PlantLink() override;

    MqttClient *client() const { return m_client; }
    SparkplugNode *node() const { return m_node; }

private:
    MqttClient *m_client;
    SparkplugNode *m_node;
};
