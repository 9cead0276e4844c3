// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDate>
#include <QMap>
#include <QString>
#include <QStringList>

// A template is an ordinary message file whose texts and barcode contents
// may name the job's values as placeholders: {{lot}}, {{order}},
// {{product}}, {{gtin}}, {{production}} and {{best_before}} (dates, written
// yyyy-MM-dd unless a Qt date format follows a colon: {{best_before:dd.MM.yy}}),
// and {{<field>}} for each of the product's job fields (a date field may
// take a format too).  Filling it writes the values into every string of
// the document and leaves everything else as it was, so the filled message
// is a message file like any other.
namespace TemplateFill {

struct Result
{
    bool ok = false;
    QString error;     // what is wrong: "the template names {{colour}}, ..."
    QByteArray filled; // the message with every placeholder replaced
};

// The names of the placeholders a template holds, in order of appearance,
// each once.
QStringList placeholders(const QByteArray &message);

// values: name -> value; a date is given as yyyy-MM-dd.  A placeholder with
// no value, a format on a value that is no date, or a document that is not a
// message (not a JSON object) refuses the whole fill.
Result fill(const QByteArray &message, const QMap<QString, QString> &values);

} // namespace TemplateFill
