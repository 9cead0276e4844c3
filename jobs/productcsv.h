// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cataloguestatus.h"
#include "product.h"

#include <QList>
#include <QString>
#include <QStringList>

class Catalogue;
class QIODevice;

// Products to and from CSV files as an ERP exports them.  The first row
// names the columns, in any order and case:
//   code, name, template   required
//   gtin                   GTIN-8, -12, -13 or -14, or empty
//   shelf_life             "30 days", "18 months, end of month", or empty
//   coders                 remark names or address patterns, separated by ";"
//   fields                 the job fields as a JSON array (JobField::listToJson)
//   packaging_scan         "yes" when a scan of the packaging must confirm a
//                          job's product; "no" or empty when not
// Other columns are ignored and named in the report.
//
// An import is one transaction: every good row goes in and each refused row
// is reported with its line and why (GoodRows), or, with AllOrNothing, a
// single refused row keeps every row out.  A fault in the file itself
// (another encoding, a quote left open, over kMaxImportBytes) imports
// nothing.  Rows whose code or GTIN another row of the file or a product of
// the catalogue already has are refused; an import adds, it never changes
// a product.
class ProductCsv
{
public:
    static constexpr qint64 kMaxImportBytes = 128 * 1024 * 1024;
    // The report lists at most this many refused rows and counts the rest.
    static constexpr int kMaxReportedRows = 1000;

    enum class Mode { GoodRows, AllOrNothing };

    struct Refusal
    {
        int line = 0; // where the row begins in the file
        QString code;
        QString reason;
    };
    struct Report
    {
        CatalogueStatus status; // not ok: nothing was imported, and why
        int imported = 0;
        int refusedCount = 0;
        QList<Refusal> refused;
        QStringList ignoredColumns;
    };

    struct Columns
    {
        int code = -1;
        int gtin = -1;
        int name = -1;
        int templateName = -1;
        int shelfLife = -1;
        int coders = -1;
        int fields = -1;
        int packagingScan = -1;
        int readerStopAfter = -1;
    };

    static QStringList header();
    static QStringList row(const Product &product);
    // False with the reason when a required column is missing or one is named twice.
    static bool parseHeader(const QStringList &header, Columns *columns, QStringList *ignored,
                            QString *error);
    // Empty when the row makes a product that may be stored, else why not.
    static QString productFromRow(const QStringList &row, const Columns &columns, Product *out);

    static Report import(Catalogue &catalogue, QIODevice &in, const QString &by,
                         Mode mode = Mode::GoodRows);
    static Report importFile(Catalogue &catalogue, const QString &path, const QString &by,
                             Mode mode = Mode::GoodRows);
    // Every product, in code order, with the header row (UTF-8 with a byte
    // order mark).
    static CatalogueStatus exportTo(Catalogue &catalogue, QIODevice &out);
    // Written whole or not at all: an existing file stays as it was on failure.
    static CatalogueStatus exportFile(Catalogue &catalogue, const QString &path);
};
