// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mqttclient.h"

#include <QStringList>

// The supervisor's side of the plant bus in "korvex.conf": the window
// follows the lines' edge nodes on the site broker as a host application.
//   [plant]   url              mqtt://host[:port] or mqtts://host[:port]
//             host_id          the host ID of this window (its STATE topic)
//             user             the broker account
//             password_file    a file whose first line is its password
//             ca_file, cert_file, key_file   TLS files (mqtts)
//             primary          true: this is the lines' primary host, the
//                              one host that commands their coders
// Without a [plant] section the window follows no line.
struct PlantHostSettings
{
    bool enabled = false;
    BrokerSettings broker;
    QString hostId;
    bool primary = false;

    // Reads the [plant] section of path; every bad or missing setting is
    // named in *errors, and false is returned.  A missing file or section
    // is no error (enabled stays false).
    static bool load(const QString &path, PlantHostSettings *settings, QStringList *errors);
};
