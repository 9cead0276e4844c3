// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>

// What a message prints as codes a reader can decode at a moment: the
// content of each barcode and 2-D code, with every date, shift and value in
// it as the coder prints it then.  Working it out needs the document
// library; the readers only ask for it.
struct PrintedCodes
{
    bool loaded = false;
    QString error;     // why the message does not load; empty when it does
    QStringList codes; // in stacking order, each once
    // A code whose content comes from a data file at print time: what it
    // prints cannot be known here, so reads are counted but not compared.
    bool predictable = true;
    // The codes stay what they are until this moment (invalid: for good).
    QDateTime until;
};

// The codes the message at path prints at the moment.
using PrintedCodesOf = std::function<PrintedCodes(const QString &path, const QDateTime &moment)>;
