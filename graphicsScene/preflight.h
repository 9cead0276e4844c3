// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "itemtypes.h"
#include "messagecheck.h"

#include <QList>
#include <QString>

#include <functional>

class GraphicsScene;
class TemplateSamples;
class QGraphicsItem;

// What stands between a message and a good print, found before it is sent
// to a coder or saved: items the heads cannot reach, barcodes that will not
// print or scan as drawn, and files the message needs but that are not
// there.  Nothing here shows anything; the caller lists the findings.
namespace Preflight {

enum class Kind {
    OutsidePrintArea, // part of the item is off the four head bands
    MaskedHead,       // on the band of a head the head mask leaves out
    FractionalModule, // linear barcode whose narrowest bar is not whole dots
    Gs1Refused,       // GS1 data that libzint's verification refuses
    OverCapacity,     // 2-D content more than the symbol holds
    Unencodable,      // any other content the encoder refuses
    MissingFont,
    MissingPicture,
    MissingDataFile,
    // A template's placeholder of no known name: a job cannot fill it.
    UnknownPlaceholder,
    // A field whose sample may not stand for what a job gives.
    SampleValue,
};

struct Finding
{
    Kind kind;
    // The item concerned; null for the message as a whole (its data file).
    QGraphicsItem *item = nullptr;
    // What the list shows for the item: its kind and content.
    QString itemName;
    // One sentence for the operator.
    QString text;
};

struct Options
{
    // Bit n set: head n + 1 (the band from dot 300 n down) prints.
    quint8 headMask = PrintHead::kMaskFourHeads;
    // Whether a font family can be drawn; empty: installed on this computer
    // or in the working folder's "fonts" folder.
    std::function<bool(const QString &family)> fontAvailable;
    // A template (a message with {{placeholders}} in its texts and barcode
    // contents) is judged as a job would print it: each item that names a
    // placeholder is checked filled with these samples, and its findings say
    // with which.  Null: the standard placeholders' generic samples.
    const TemplateSamples *samples = nullptr;
    // False: placeholders are checked as written, as a coder given the
    // template itself would print them.
    bool fillTemplates = true;
};

// The findings for the message in the scene, the message's own first, then
// item by item in stacking order.
QList<Finding> check(const GraphicsScene &scene, const Options &options = Options());

// Loads the message file at path into a scene of its own and checks it for
// coders printing with the heads of headMask: the control core's check of
// every message on its way to a coder.  A finding reads "<item>: <text>".
MessageCheckResult checkFile(const QString &path, quint8 headMask);

// "Text "LOT 12"", "Barcode "590123412345"", "Picture logo.png" ...
QString itemName(const QGraphicsItem *item);

} // namespace Preflight
