// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mqttclient.h"

#include <QStringList>

#include <functional>
#include <optional>

class QSettings;

// The plant bus's section of the station's settings file, "korvex.conf"
// (StationSettings reads the rest):
//   [mqtt]    url              mqtt://host[:port] or mqtts://host[:port]
//             group, node      the Sparkplug group and edge-node IDs
//             user             the broker account
//             password_file    a file whose first line is its password
//             ca_file, cert_file, key_file   TLS files (mqtts)
//             primary_host     the host ID of the primary host application:
//                              births only while its STATE says online
// Without an [mqtt] section nothing is published.
struct PlantSettings
{
    bool mqtt = false;
    BrokerSettings broker;
    QString group;
    QString node;
    // Empty: births on every connection, metrics by name only.
    QString primaryHost;

    static constexpr const char *kFileName = "korvex.conf";

    // Reads path.  A missing file gives the defaults when it is not
    // required; every bad or missing setting is named in *errors, and false
    // is returned.
    static bool load(const QString &path, bool required, PlantSettings *settings,
                     QStringList *errors);

    // The broker of the section ini is in: its url (host, port, TLS), then
    // its account (user, the password of password_file) and TLS files.
    // Each problem goes to fail, worded without the section's name.
    static void readBrokerUrl(const QSettings &ini, BrokerSettings *broker,
                              const std::function<void(const QString &)> &fail);
    static void readBrokerAccount(const QSettings &ini, BrokerSettings *broker,
                                  const std::function<void(const QString &)> &fail);
};
