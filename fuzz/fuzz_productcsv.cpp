// SPDX-License-Identifier: GPL-3.0-or-later
// The product CSV import of any bytes, without a database: the reader keeps
// to its bounds, every record it returns reads back the same once written,
// and every row taken as a product is one the catalogue would store as it is.
#include "csvreader.h"
#include "csvwriter.h"
#include "gtin.h"
#include "productcsv.h"

#include <QBuffer>

#include <cstdint>
#include <cstdlib>

namespace {

QStringList readBack(const QStringList &record)
{
    // A leading byte order mark of the record's own must survive the one
    // the reader drops.
    QByteArray bytes = "\xef\xbb\xbf" + CsvWriter::line(record);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    CsvReader reader(&buffer, bytes.size());
    QStringList again;
    if (reader.next(&again) != CsvReader::Outcome::Record)
        abort();
    QStringList rest;
    if (reader.next(&rest) != CsvReader::Outcome::End)
        abort();
    return again;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    CsvReader reader(&buffer, 1 << 20);
    QStringList record;
    bool haveHeader = false;
    ProductCsv::Columns columns;
    for (;;) {
        const CsvReader::Outcome outcome = reader.next(&record);
        if (outcome != CsvReader::Outcome::Record) {
            if ((outcome == CsvReader::Outcome::Error) == reader.error().isEmpty())
                abort();
            break;
        }
        if (record.isEmpty() || record.size() > CsvReader::kMaxFields)
            abort();
        for (const QString &field : record) {
            if (field.toUtf8().size() > CsvReader::kMaxFieldBytes)
                abort();
        }
        if (readBack(record) != record)
            abort();
        if (!haveHeader) {
            QStringList ignored;
            QString error;
            haveHeader = ProductCsv::parseHeader(record, &columns, &ignored, &error);
            if (!haveHeader && error.isEmpty())
                abort();
            continue;
        }
        Product p;
        if (!ProductCsv::productFromRow(record, columns, &p).isEmpty())
            continue;
        Product again = p;
        if (!again.normalise().isEmpty() || again.code != p.code || again.gtin != p.gtin)
            abort();
        if (!p.gtin.isEmpty() && (p.gtin.size() != 14 || !Gtin::normalise(p.gtin).ok()))
            abort();
        // What is exported imports as the same product.
        Product exported;
        ProductCsv::Columns all;
        QStringList ignored;
        QString error;
        if (!ProductCsv::parseHeader(ProductCsv::header(), &all, &ignored, &error) ||
            !ProductCsv::productFromRow(ProductCsv::row(p), all, &exported).isEmpty() ||
            exported.code != p.code || exported.gtin != p.gtin || exported.name != p.name ||
            !(exported.shelfLife == p.shelfLife) || exported.coders != p.coders ||
            !(exported.fields == p.fields))
            abort();
    }
    return 0;
}
