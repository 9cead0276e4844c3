// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>
#include <QVector>

// A code as a hand scanner (keyboard wedge) or a code reader on the line
// delivers it, taken apart.  The scan may begin with an AIM symbology
// identifier ("]C1" GS1-128, "]e0" GS1 DataBar, "]d2" GS1 DataMatrix, "]Q3"
// GS1 QR Code, "]J1" GS1 DotCode, "]E0"/"]E4"/"]E3" EAN/UPC, "]I1" ITF ...);
// a GS1 code then holds an element string, its variable-length fields ended
// by the group separator (0x1D, what FNC1 is sent as).  Without an
// identifier the scan may also be an element string with the application
// identifiers in brackets, "(01)09501101020917(10)ABC", or the digits of an
// EAN-13, UPC-A, EAN-8 or GTIN-14.
struct Gs1Scan
{
    enum class Kind {
        ElementString, // GS1 application identifiers and their data
        Gtin,          // a plain EAN/UPC or ITF-14: only the GTIN
        Text,          // a code of no GS1 meaning (e.g. "]C0", "]Q1"): only its text
    };
    struct Element
    {
        QString ai;    // 2 to 4 digits
        QString data;  // as scanned
        int index = 0; // 0-based character of the scan where the AI begins
        bool operator==(const Element &o) const { return ai == o.ai && data == o.data; }
    };

    QString symbology; // the identifier as scanned, "]C1"; empty without one
    Kind kind = Kind::Text;
    QVector<Element> elements; // ElementString: in the order scanned
    QString text;              // the scan after the identifier (and its line end)

    // What a coding line needs, when the scan holds it.
    QString gtin;      // 14 digits: AI 01, or the plain EAN/UPC/ITF-14
    QString lot;       // AI 10
    QString serial;    // AI 21
    QDate production;  // AI 11
    QDate bestBefore;  // AI 15; a day 00 is the month's last day
    QDate expiry;      // AI 17; likewise
    qint64 count = -1; // AI 37; -1 without

    QString error;  // why the scan is refused, in the operator's words; empty when good
    int index = -1; // 0-based character of the scan at fault (its length: it ends too soon)
    bool ok() const { return error.isEmpty(); }

    // Scans are at most this many characters (a 2-D code holds fewer).
    static constexpr int kMaxLength = 8192;

    // Takes a scan apart.  A trailing line end is dropped.  The century of a
    // date is the one that puts it nearest to today (GS1's sliding window:
    // up to 50 years ahead, 49 back).  Never throws; the work is linear in
    // the scan's length.
    static Gs1Scan parse(const QString &scan, const QDate &today);

    // The elements as a GS1 element string: AIs one after the other, a
    // group separator after each field of variable length but the last.
    static QString elementString(const QVector<Element> &elements);
    // The same with the AIs in brackets, as printed under a barcode.
    static QString bracketed(const QVector<Element> &elements);
};
