// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// GS1 trade item numbers.  A GTIN-8, GTIN-12 (UPC-A), GTIN-13 (EAN-13) or
// GTIN-14 is stored as 14 digits, padded with zeros on the left, so that
// one product has one key whichever form the ERP or the scanner gives.
class Gtin
{
public:
    struct Result
    {
        QString gtin14;   // the 14 digits; empty when refused
        QString error;    // the reason in the operator's words; empty when good
        int position = 0; // 1-based character of the input at fault; 0: the whole
        bool ok() const { return error.isEmpty(); }
    };

    // The GS1 check digit of the digits before it (any length): weights 3, 1,
    // 3 ... from the right.  The input must be digits only.
    static int checkDigit(const QString &digitsWithoutCheck);
    // Checks a GTIN of 8, 12, 13 or 14 digits (blanks at either end are
    // ignored) and gives its 14-digit form.
    static Result normalise(const QString &text);
};
