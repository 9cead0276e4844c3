// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHostAddress>
#include <QString>

// The text that names a coder in folders ("devices/" + text) and remark names.
// An IPv4 peer reaching our dual-stack socket appears as ::ffff:a.b.c.d and is
// named by its plain IPv4 form; any other address keeps its own text.
QString deviceIpText(const QHostAddress &peer);
