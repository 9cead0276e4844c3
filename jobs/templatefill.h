// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "product.h"

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
//
// A date item may also follow the product's shelf life ("TimeBestBefore":
// true in its record, a key the coders ignore): the fill gives it the day
// offset from the production date to the best-before date of the product's
// rule.  The coder counts whole days from its own date, so a rule in months
// or one ending on the month's last day is turned into the days it makes on
// the production date; a job still printing on a later day prints that day
// plus the same number of days.
namespace TemplateFill {

struct Result
{
    bool ok = false;
    QString error;     // what is wrong: "the template names {{colour}}, ..."
    QByteArray filled; // the message with every placeholder replaced
};

// The record key of a date item that follows the product's shelf life.
inline const char *bestBeforeKey()
{
    return "TimeBestBefore";
}

// The names of the placeholders a template holds, in order of appearance,
// each once.
QStringList placeholders(const QByteArray &message);

// values: name -> value; a date is given as yyyy-MM-dd.  A placeholder with
// no value, a format on a value that is no date, or a document that is not a
// message (not a JSON object) refuses the whole fill.  shelfLife: the
// product's rule for the date items that follow it, from the production
// date in values ("production", else today); null leaves their offsets as
// the template has them.  A template with such an item refuses a product
// without a rule.
Result fill(const QByteArray &message, const QMap<QString, QString> &values,
            const ShelfLifeRule *shelfLife = nullptr);

} // namespace TemplateFill
