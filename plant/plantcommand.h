// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printparameters.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

// One order for a coder, read from a device command on the plant bus.
struct PlantCommand
{
    enum class Kind {
        ApplyMessage,
        Start,
        Stop,
        SetParameters,
        RequestCurrentFile,
        StartJob,
        EndJob
    };

    Kind kind = Kind::Start;
    // ApplyMessage: the file name in "Spray/", always ending in ".spr"
    // ("label1" and "label1.spr" both give "label1.spr").
    QString messageName;
    // SetParameters: the coder's last block with the requested fields set.
    PrintParameters parameters;
    // SetParameters: the metric names of the fields set, in payload order.
    QStringList fields;
    // StartJob: the product (its code or a GTIN), the order, the lot and
    // the values of the product's fields by field name.
    QString product;
    QString order;
    QString lot;
    QMap<QString, QString> fieldValues;
    // StartJob: what a scan of the packaging gave ("Job/Packaging"); "" when none.
    QString packaging;
    // The user name the payload claims ("Command/User"); "" when none.
    QString user;
};

struct DecodedCommands
{
    // In payload order; all the parameter fields of the payload make one
    // SetParameters, where the first of them stands.
    QList<PlantCommand> commands;
    // One reason per refused metric, naming it: "Parameters/Line Speed: 400
    // is out of range 0 to 300".  When there is any, commands is empty:
    // nothing of a payload goes out unless all of it can (a refused message
    // followed by a start must not start the old message).
    QStringList refusals;
};

// The names of the metrics a device (or the node) was born with, by the
// alias each was given at birth.  Empty when no aliases were given.
using AliasNames = QHash<quint64, QString>;

// Reads a device command (DCMD).  Metrics, by name, or by alias when aliases
// is not empty (an alias it lacks is refused as an unknown name is; a metric
// with both must give the name its alias stands for):
//   "Command/Apply Message" String: a plain message name of "Spray/", with
//       or without ".spr", at most 255 bytes of UTF-8 with ".spr"
//   "Command/Start", "Command/Stop", "Command/Request Current File": Boolean
//       true
//   "Command/User" String: at most 255 bytes, no control characters
//   "Job/Start" Boolean true, with "Job/Product" (a product code or a GTIN),
//       "Job/Order", "Job/Lot" and any "Job/Field/<name>" (name: letters,
//       digits and "_", a letter first, at most 32) String values of at most
//       255 bytes of UTF-8 without control characters; product, order and
//       lot must not be empty; "Job/Packaging", the same, is the GTIN a scan
//       of the packaging gave, for a product that asks for one.  A StartJob
//       where "Job/Start" stands.
//   "Job/End" Boolean true: ends the coder's job.
//   "Parameters/<Field>" (ParameterField::all()) that the operator may set:
//       an integer of any integer type, a Double or Float (offsets, in steps
//       of 0.1 mm) or a Boolean, within the panel's codes and ranges; they
//       are written into lastParameterBlock, which must be a whole block.
//       When "Head Enable Mask" is set without "Head Range Mask", the range
//       mask follows the heads as on the panel.
// Refused: an unknown or read-only name ("Job/State", "Job/Verified"), job
// values without "Job/Start" and "Job/Start" without product, order or lot, a name given twice, the
// wrong datatype, a null, a value out of range, an unsafe message name, parameters before the coder
// reported its block, and a payload that does not decode.
DecodedCommands decodeDeviceCommand(const QByteArray &payload, const QByteArray &lastParameterBlock,
                                    const AliasNames &aliases = {});

// Reads a node command (NCMD): only "Node Control/Rebirth" Boolean true is
// known, by name or by one of aliases.  True when a rebirth is asked, even beside refused metrics
// (a rebirth changes nothing); the reasons of the others go to *refusals.
bool decodeNodeCommand(const QByteArray &payload, QStringList *refusals,
                       const AliasNames &aliases = {});
