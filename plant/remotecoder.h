// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sparkplugpayload.h"

#include <QHash>
#include <QString>

// A coder of another line, as its edge node last told the host: the
// metrics of its DBIRTH with the values of the DDATA since.  Stale once the
// device or its node died, or the link to it was lost: the values are then
// the last known ones.
struct RemoteCoder
{
    QString node;   // "<group>/<edge node>", the line
    QString device; // the device ID under the node (the coder's IP text)
    bool stale = false;
    QHash<QString, Sparkplug::Metric> metrics; // by name

    QVariant value(const QString &name) const { return metrics.value(name).value; }
    // "Stopped", "Printing", "Ready"; "" before the birth said.
    QString state() const { return value(QStringLiteral("Status/State")).toString(); }
    // 0 to 100, -1 before the first report.
    int progress() const
    {
        const QVariant v = value(QStringLiteral("Status/Progress"));
        return v.isValid() ? v.toInt() : -1;
    }
    QString remarkName() const
    {
        return value(QStringLiteral("Properties/Remark Name")).toString();
    }
    QString ipText() const { return value(QStringLiteral("Properties/IP")).toString(); }
    QString messageName() const { return value(QStringLiteral("Message/Name")).toString(); }
    // Its job as the line tells it: "" when it runs none (or before the birth).
    QString jobState() const { return value(QStringLiteral("Job/State")).toString(); }
    QString jobOrder() const { return value(QStringLiteral("Job/Order")).toString(); }
    QString jobProduct() const { return value(QStringLiteral("Job/Product")).toString(); }
    QString jobLot() const { return value(QStringLiteral("Job/Lot")).toString(); }
    bool jobVerified() const { return value(QStringLiteral("Job/Verified")).toBool(); }
};

// A command for a remote coder, written as the edge node reads a DCMD.
struct RemoteCommand
{
    enum class Kind { ApplyMessage, Start, Stop, SetParameters, StartJob, EndJob };
    Kind kind = Kind::Start;
    QString messageName;                 // ApplyMessage: a message of the line's "Spray/"
    QList<Sparkplug::Metric> parameters; // SetParameters: "Parameters/<Field>" with values
    QString product, order, lot;         // StartJob
    QHash<QString, QString> fields;      // StartJob: "Job/Field/<name>" values by name
    QString packaging;                   // StartJob: the packaging scan's GTIN; "" when none
};
