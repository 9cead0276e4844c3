// SPDX-License-Identifier: GPL-3.0-or-later
#include "plantlink.h"

#include "mqttclient.h"
#include "plantsettings.h"
#include "sparkplugnode.h"
#include "station.h"

PlantLink::PlantLink(Station *station, const PlantSettings &settings, JobRunner *jobs,
                     QObject *parent)
    : QObject(parent), m_client(new MqttClient(settings.broker, this)),
      m_node(new SparkplugNode(station->fleet(), m_client, settings.group, settings.node, this))
{
    m_node->setAccount(settings.broker.user);
    m_node->setPrimaryHost(settings.primaryHost);
    // Messages from the bus are loaded and checked as the window's are.
    m_node->setMessageSender(
        [station](const QString &path, const QList<int> &coders, const CommandOrigin &origin) {
            return station->apply(path, coders, origin);
        });
    if (jobs)
        m_node->setJobs(jobs);
    m_client->start();
}

PlantLink::~PlantLink()
{
    m_node->publishDeath();
    m_client->stop();
}
