// SPDX-License-Identifier: GPL-3.0-or-later
#include "productcsv.h"

#include "catalogue.h"
#include "csvreader.h"
#include "csvwriter.h"
#include "writewhole.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>
#include <QSqlQuery>

namespace {

using Kind = CatalogueStatus::Kind;

QString tr(const char *text)
{
    return QCoreApplication::translate("ProductCsv", text);
}

const char *const kColumns[] = {"code",     "gtin",           "name",
                                "template", "shelf_life",     "coders",
                                "fields",   "packaging_scan", "reader_stop_after"};
constexpr int kColumnCount = int(sizeof(kColumns) / sizeof(kColumns[0]));

// Qt binds a null QString as NULL; the NOT NULL text columns take "".
QString text(const QString &value)
{
    return value.isNull() ? QString(QLatin1String("")) : value;
}

QString column(const QStringList &row, int index)
{
    return index >= 0 && index < row.size() ? row.at(index) : QString();
}

} // namespace

QStringList ProductCsv::header()
{
    QStringList names;
    for (const char *c : kColumns)
        names << QLatin1String(c);
    return names;
}

QStringList ProductCsv::row(const Product &p)
{
    return {p.code,
            p.gtin,
            p.name,
            p.templateName,
            p.shelfLife.toText(),
            p.coders.join(QLatin1String("; ")),
            p.fields.isEmpty() ? QString() : JobField::listToJson(p.fields),
            p.packagingScan ? QStringLiteral("yes") : QStringLiteral("no"),
            QString::number(p.readerStopAfter)};
}

bool ProductCsv::parseHeader(const QStringList &names, Columns *columns, QStringList *ignored,
                             QString *error)
{
    *columns = Columns();
    int *places[] = {&columns->code,         &columns->gtin,          &columns->name,
                     &columns->templateName, &columns->shelfLife,     &columns->coders,
                     &columns->fields,       &columns->packagingScan, &columns->readerStopAfter};
    for (int i = 0; i < names.size(); ++i) {
        const QString name = names.at(i).trimmed().toLower();
        bool known = false;
        for (int k = 0; k < kColumnCount; ++k) {
            if (name != QLatin1String(kColumns[k]))
                continue;
            known = true;
            if (*places[k] >= 0) {
                *error = tr("The column \"%1\" is named twice in the first row.").arg(name);
                return false;
            }
            *places[k] = i;
        }
        if (!known)
            ignored->append(names.at(i));
    }
    for (int k : {0, 2, 3}) {
        if (*places[k] < 0) {
            *error = tr("The first row must name the columns; \"%1\" is missing (it needs at "
                        "least code, name and template).")
                         .arg(QLatin1String(kColumns[k]));
            return false;
        }
    }
    return true;
}

QString ProductCsv::productFromRow(const QStringList &r, const Columns &c, Product *out)
{
    Product p;
    p.code = column(r, c.code);
    p.gtin = column(r, c.gtin);
    p.name = column(r, c.name);
    p.templateName = column(r, c.templateName).trimmed();
    QString error;
    if (!ShelfLifeRule::parse(column(r, c.shelfLife), &p.shelfLife, &error))
        return error;
    for (const QString &coder : column(r, c.coders).split(QLatin1Char(';'))) {
        if (!coder.trimmed().isEmpty())
            p.coders << coder.trimmed();
    }
    if (!JobField::listFromJson(column(r, c.fields), &p.fields, &error))
        return error;
    const QString scan = column(r, c.packagingScan).trimmed().toLower();
    if (scan == QLatin1String("yes"))
        p.packagingScan = true;
    else if (!scan.isEmpty() && scan != QLatin1String("no"))
        return tr("packaging_scan is \"yes\", \"no\" or empty, not \"%1\".")
            .arg(column(r, c.packagingScan).trimmed());
    // Empty or no such column: the default.
    const QString stopAfter = column(r, c.readerStopAfter).trimmed();
    if (!stopAfter.isEmpty()) {
        bool ok = false;
        p.readerStopAfter = stopAfter.toInt(&ok);
        if (!ok)
            return tr("reader_stop_after \"%1\" is no number.").arg(stopAfter.left(32));
    }
    const QString why = p.normalise();
    if (!why.isEmpty())
        return why;
    *out = p;
    return QString();
}

ProductCsv::Report ProductCsv::import(Catalogue &catalogue, QIODevice &in, const QString &by,
                                      Mode mode)
{
    Report report;
    const auto refuseFile = [&report](const QString &why) {
        report.imported = 0;
        report.status = CatalogueStatus::failure(Kind::Invalid, why + tr(" Nothing was imported."));
        return report;
    };
    CsvReader reader(&in, kMaxImportBytes);
    QStringList record;
    const CsvReader::Outcome first = reader.next(&record);
    if (first == CsvReader::Outcome::Error)
        return refuseFile(reader.error());
    if (first == CsvReader::Outcome::End)
        return refuseFile(tr("The file is empty."));
    Columns columns;
    QString error;
    if (!parseHeader(record, &columns, &report.ignoredColumns, &error))
        return refuseFile(error);

    CatalogueStatus status = catalogue.ready();
    if (!status.ok() || !(status = catalogue.begin()).ok()) {
        report.status = status;
        return report;
    }
    QSqlQuery insert(catalogue.m_db);
    insert.prepare(QStringLiteral(
        "INSERT INTO products (code, gtin, name, template, shelf_life, coders, fields,"
        " reader_stop_after, revision, changed_by, changed_at, packaging_scan)"
        " VALUES (?, ?, ?, ?, ?, ?, ?, ?, 1, ?, ?, ?)"
        " ON CONFLICT DO NOTHING RETURNING id"));
    QSqlQuery taken(catalogue.m_db);
    taken.prepare(QStringLiteral("SELECT code, gtin FROM products WHERE code = ? OR gtin = ?"));
    const QString at = catalogue.now();
    QHash<QString, int> codes; // code -> line, of the rows taken so far
    QHash<QString, int> gtins;
    const auto refuse = [&report](int line, const QString &code, const QString &reason) {
        ++report.refusedCount;
        if (report.refused.size() < kMaxReportedRows)
            report.refused.append({line, code, reason});
    };
    const auto abandon = [&](const CatalogueStatus &why) {
        catalogue.rollback();
        report.imported = 0;
        report.status = why;
        return report;
    };
    for (;;) {
        const CsvReader::Outcome outcome = reader.next(&record);
        if (outcome == CsvReader::Outcome::End)
            break;
        if (outcome == CsvReader::Outcome::Error) {
            catalogue.rollback();
            return refuseFile(reader.error());
        }
        if (record.size() == 1 && record.first().trimmed().isEmpty())
            continue; // a blank line
        const int line = reader.line();
        Product p;
        const QString why = productFromRow(record, columns, &p);
        if (!why.isEmpty()) {
            refuse(line, column(record, columns.code).trimmed(), why);
            continue;
        }
        if (codes.contains(p.code)) {
            refuse(line, p.code,
                   tr("The code %1 is also on line %2 of the file.")
                       .arg(p.code)
                       .arg(codes.value(p.code)));
            continue;
        }
        if (!p.gtin.isEmpty() && gtins.contains(p.gtin)) {
            refuse(line, p.code,
                   tr("The GTIN %1 is also on line %2 of the file.")
                       .arg(p.gtin)
                       .arg(gtins.value(p.gtin)));
            continue;
        }
        codes.insert(p.code, line);
        if (!p.gtin.isEmpty())
            gtins.insert(p.gtin, line);
        insert.addBindValue(text(p.code));
        insert.addBindValue(p.gtin.isEmpty() ? QVariant(QVariant::String) : QVariant(p.gtin));
        insert.addBindValue(text(p.name));
        insert.addBindValue(text(p.templateName));
        insert.addBindValue(text(p.shelfLife.toText()));
        insert.addBindValue(QString::fromUtf8(
            QJsonDocument(QJsonArray::fromStringList(p.coders)).toJson(QJsonDocument::Compact)));
        insert.addBindValue(text(JobField::listToJson(p.fields)));
        insert.addBindValue(p.readerStopAfter);
        insert.addBindValue(text(by));
        insert.addBindValue(at);
        insert.addBindValue(p.packagingScan ? 1 : 0);
        if (!insert.exec())
            return abandon(catalogue.failed(insert, tr("import line %1").arg(line)));
        const bool added = insert.next();
        insert.finish();
        if (added) {
            ++report.imported;
            continue;
        }
        taken.addBindValue(p.code);
        taken.addBindValue(p.gtin.isEmpty() ? QVariant(QVariant::String) : QVariant(p.gtin));
        if (!taken.exec())
            return abandon(catalogue.failed(taken, tr("import line %1").arg(line)));
        QString reason = tr("The code %1 is already in the catalogue.").arg(p.code);
        while (taken.next()) {
            if (taken.value(0).toString() == p.code)
                break;
            reason = tr("The GTIN %1 is already the GTIN of product %2 in the catalogue.")
                         .arg(p.gtin, taken.value(0).toString());
        }
        taken.finish();
        refuse(line, p.code, reason);
    }
    if (mode == Mode::AllOrNothing && report.refusedCount > 0) {
        return abandon(CatalogueStatus::failure(
            Kind::Invalid,
            QCoreApplication::translate("ProductCsv",
                                        "%n row(s) were refused, so none was imported (all or "
                                        "nothing).",
                                        nullptr, report.refusedCount)));
    }
    status = catalogue.commit();
    if (!status.ok()) {
        report.imported = 0;
        report.status = status;
    }
    return report;
}

ProductCsv::Report ProductCsv::importFile(Catalogue &catalogue, const QString &path,
                                          const QString &by, Mode mode)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Report report;
        report.status = CatalogueStatus::failure(
            Kind::Invalid, tr("%1 cannot be read: %2").arg(path, file.errorString()));
        return report;
    }
    if (file.size() > kMaxImportBytes) {
        Report report;
        report.status = CatalogueStatus::failure(
            Kind::Invalid, tr("%1 is over %2 MiB; split it and import the parts. Nothing was "
                              "imported.")
                               .arg(path)
                               .arg(kMaxImportBytes / (1024 * 1024)));
        return report;
    }
    return import(catalogue, file, by, mode);
}

CatalogueStatus ProductCsv::exportTo(Catalogue &catalogue, QIODevice &out)
{
    // With a byte order mark: spreadsheets take a file without one for the
    // PC's legacy code page and garble every name that is not ASCII.
    QByteArray chunk = "\xef\xbb\xbf" + CsvWriter::line(header());
    QString last;
    for (;;) {
        QList<Product> page;
        const CatalogueStatus status = catalogue.productsAfter(last, Catalogue::kMaxPage, &page);
        if (!status.ok())
            return status;
        for (const Product &p : page)
            chunk += CsvWriter::line(row(p));
        if (out.write(chunk) != chunk.size())
            return CatalogueStatus::failure(
                Kind::Failed, tr("The export could not be written: %1").arg(out.errorString()));
        chunk.clear();
        if (page.size() < Catalogue::kMaxPage)
            return {};
        last = page.last().code;
    }
}

CatalogueStatus ProductCsv::exportFile(Catalogue &catalogue, const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return CatalogueStatus::failure(
            Kind::Failed, tr("%1 cannot be written: %2").arg(path, file.errorString()));
    const CatalogueStatus status = exportTo(catalogue, file);
    if (!status.ok()) {
        file.cancelWriting();
        return status;
    }
    QString reason;
    if (!writeWhole(file, QByteArray(), &reason) || !file.commit()) {
        if (reason.isEmpty())
            reason = file.errorString();
        file.cancelWriting();
        return CatalogueStatus::failure(Kind::Failed,
                                        tr("%1 cannot be written: %2").arg(path, reason));
    }
    return {};
}
