// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue.h"

#include "catalogueschema.h"
#include "filerecord.h"
#include "gtin.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

using Kind = CatalogueStatus::Kind;

QString tr(const char *text)
{
    return QCoreApplication::translate("Catalogue", text);
}

QAtomicInt g_connections;

const QString kProductColumns = QStringLiteral(
    "id, code, gtin, name, template, shelf_life, coders, fields, revision, changed_by, changed_at,"
    " packaging_scan, reader_stop_after");
const QString kJobColumns = QStringLiteral(
    "id, product_code, order_number, lot, field_values, template, template_sha256, approval_id,"
    " message_sha256, started_by, started_at, ended_by, ended_at");

// Qt binds a null QString as NULL; the NOT NULL text columns take "".
QString text(const QString &value)
{
    return value.isNull() ? QString(QLatin1String("")) : value;
}

QVariant nullable(const QString &text)
{
    return text.isEmpty() ? QVariant(QVariant::String) : QVariant(text);
}

QString databaseText(const QSqlError &e)
{
    QString text = e.databaseText().trimmed();
    if (text.isEmpty())
        text = e.driverText().trimmed();
    return text.isEmpty() ? tr("no reason given") : text;
}

bool isUniqueViolation(const QSqlError &e)
{
    const QString code = e.nativeErrorCode();
    if (code == QLatin1String("23505")) // PostgreSQL's SQLSTATE
        return true;
    // SQLite's result code tells only "a constraint"; its text says which.
    return (code == QLatin1String("19") || code == QLatin1String("2067") ||
            code == QLatin1String("1555")) &&
           e.databaseText().contains(QLatin1String("UNIQUE"));
}

bool isBusy(const QSqlError &e)
{
    bool ok = false;
    const int code = e.nativeErrorCode().toInt(&ok);
    return ok && ((code & 0xff) == 5 || (code & 0xff) == 6); // SQLITE_BUSY, SQLITE_LOCKED
}

bool isSha256(const QString &hex)
{
    if (hex.size() != 64)
        return false;
    for (const QChar c : hex) {
        if (!((c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
              (c >= QLatin1Char('a') && c <= QLatin1Char('f'))))
            return false;
    }
    return true;
}

QString likePattern(const QString &text)
{
    QString escaped = text.toLower();
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    escaped.replace(QLatin1Char('%'), QLatin1String("\\%"));
    escaped.replace(QLatin1Char('_'), QLatin1String("\\_"));
    return QLatin1Char('%') + escaped + QLatin1Char('%');
}

QString fieldValuesJson(const QList<QPair<QString, QString>> &values)
{
    QJsonArray array;
    for (const auto &v : values)
        array.append(QJsonArray{v.first, v.second});
    return QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact));
}

QList<QPair<QString, QString>> fieldValuesFromJson(const QString &json)
{
    QList<QPair<QString, QString>> values;
    for (const QJsonValue &v : QJsonDocument::fromJson(json.toUtf8()).array()) {
        const QJsonArray pair = v.toArray();
        values.append({pair.at(0).toString(), pair.at(1).toString()});
    }
    return values;
}

} // namespace

Catalogue::Catalogue(Clock clock)
    : m_clock(clock ? std::move(clock) : Clock([] { return QDateTime::currentDateTimeUtc(); }))
{
}

Catalogue::~Catalogue()
{
    close();
}

QString Catalogue::timeText(const QDateTime &t)
{
    return t.toUTC().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzzZ"));
}

QDateTime Catalogue::timeFromText(const QString &text)
{
    if (text.isEmpty())
        return QDateTime();
    QDateTime t = QDateTime::fromString(text, Qt::ISODateWithMs);
    t.setTimeSpec(Qt::UTC);
    return t;
}

QString Catalogue::now() const
{
    return timeText(m_clock());
}

QString Catalogue::stamp(const QDateTime &t) const
{
    return t.isValid() ? timeText(t) : now();
}

CatalogueStatus Catalogue::open(const DatabaseSettings &settings)
{
    close();
    m_settings = settings;
    m_connectionName =
        QStringLiteral("korvex-catalogue-%1").arg(g_connections.fetchAndAddRelaxed(1));
    const bool sqlite = isSqlite();
    m_db = QSqlDatabase::addDatabase(sqlite ? QStringLiteral("QSQLITE") : QStringLiteral("QPSQL"),
                                     m_connectionName);
    if (!m_db.isValid()) {
        const QString why =
            tr("The catalogue cannot be opened: Qt's %1 driver is not installed "
               "(Debian package %2).")
                .arg(sqlite ? QStringLiteral("SQLite") : QStringLiteral("PostgreSQL"),
                     sqlite ? QStringLiteral("libqt5sql5-sqlite")
                            : QStringLiteral("libqt5sql5-psql"));
        close();
        return CatalogueStatus::failure(Kind::Unavailable, why);
    }
    if (sqlite) {
        m_db.setDatabaseName(settings.sqlitePath);
        m_db.setConnectOptions(
            QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(settings.busyTimeoutMs));
    } else {
        m_db.setHostName(settings.host);
        m_db.setPort(settings.port);
        m_db.setDatabaseName(settings.database);
        m_db.setUserName(settings.user);
        m_db.setPassword(settings.password);
        // The server's notices ("already exists, skipping") are no news.
        m_db.setConnectOptions(QStringLiteral("connect_timeout=%1;sslmode=%2;"
                                              "options=-cclient_min_messages=warning")
                                   .arg(settings.connectTimeoutSeconds)
                                   .arg(settings.sslMode));
    }
    m_opened = true;
    m_lost = true; // ready() connects
    const CatalogueStatus status = ready();
    if (!status.ok())
        close();
    return status;
}

void Catalogue::close()
{
    if (m_connectionName.isEmpty())
        return;
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connectionName);
    m_connectionName.clear();
    m_opened = false;
    m_schemaVersion = 0;
}

CatalogueStatus Catalogue::ready()
{
    if (!m_opened)
        return CatalogueStatus::failure(Kind::Unavailable, tr("The catalogue is not open."));
    // A server that restarted since the last call left a connection that
    // fails its first statement: the first job started after it would be
    // refused though the server is back.  One round trip finds out.
    if (!m_lost && !isSqlite() && !m_inTransaction &&
        !QSqlQuery(m_db).exec(QStringLiteral("SELECT 1")))
        m_lost = true;
    if (!m_lost)
        return {};
    m_db.close();
    if (!m_db.open()) {
        return CatalogueStatus::failure(
            Kind::Unavailable,
            tr("The catalogue database (%1) cannot be reached: %2. Nothing was changed.")
                .arg(m_settings.describe(), databaseText(m_db.lastError())));
    }
    if (isSqlite()) {
        QSqlQuery q(m_db);
        // Several programs on one PC (the window and the service) share the
        // file: with a write-ahead log, readers do not wait for a writer.
        if (!q.exec(QStringLiteral("PRAGMA foreign_keys = ON")) ||
            !q.exec(QStringLiteral("PRAGMA journal_mode = WAL"))) {
            const QString why = databaseText(q.lastError());
            m_db.close();
            return CatalogueStatus::failure(Kind::Unavailable,
                                            tr("The catalogue database (%1) cannot be used: %2")
                                                .arg(m_settings.describe(), why));
        }
    }
    m_lost = false;
    const CatalogueStatus migrated = migrate();
    if (!migrated.ok()) {
        m_db.close();
        m_lost = true;
    }
    return migrated;
}

CatalogueStatus Catalogue::begin()
{
    QSqlQuery q(m_db);
    // IMMEDIATE: take the write lock at once, so that a transaction that
    // reads and then writes never fails half-way on another writer.
    if (!q.exec(isSqlite() ? QStringLiteral("BEGIN IMMEDIATE") : QStringLiteral("BEGIN")))
        return failed(q, tr("begin a change"));
    m_inTransaction = true;
    return {};
}

CatalogueStatus Catalogue::commit()
{
    QSqlQuery q(m_db);
    if (!q.exec(QStringLiteral("COMMIT"))) {
        const CatalogueStatus status = failed(q, tr("save"));
        rollback();
        return status;
    }
    m_inTransaction = false;
    return {};
}

void Catalogue::rollback()
{
    if (!m_inTransaction)
        return;
    m_inTransaction = false;
    QSqlQuery q(m_db);
    q.exec(QStringLiteral("ROLLBACK"));
}

CatalogueStatus Catalogue::failed(const QSqlQuery &query, const QString &what)
{
    const QSqlError e = query.lastError();
    const QString detail = databaseText(e);
    if (isSqlite() && isBusy(e)) {
        return CatalogueStatus::failure(
            Kind::Unavailable,
            tr("The catalogue (%1) is busy with another program's change; could not %2. "
               "Nothing was changed; try again.")
                .arg(m_settings.describe(), what));
    }
    // A statement the server refused, or a connection that is gone?
    // PostgreSQL refuses every statement of a transaction after a failed
    // one, so the probe is tried again outside it.
    QSqlQuery probe(m_db);
    bool alive = m_db.isOpen() && probe.exec(QStringLiteral("SELECT 1"));
    if (!alive && m_db.isOpen() && m_inTransaction) {
        rollback();
        alive = probe.exec(QStringLiteral("SELECT 1"));
    }
    if (!alive) {
        m_lost = true;
        return CatalogueStatus::failure(
            Kind::Unavailable,
            tr("The catalogue database (%1) cannot be reached: %2. Could not %3; "
               "nothing was changed.")
                .arg(m_settings.describe(), detail, what));
    }
    if (isUniqueViolation(e))
        return CatalogueStatus::failure(Kind::Duplicate, tr("Could not %1: %2").arg(what, detail));
    return CatalogueStatus::failure(Kind::Failed, tr("Could not %1: %2").arg(what, detail));
}

CatalogueStatus Catalogue::migrate()
{
    QSqlQuery q(m_db);
    if (!q.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS schema_version"
                               " (version INTEGER NOT NULL, applied_at TEXT NOT NULL)")))
        return failed(q, tr("read the schema version"));
    CatalogueStatus status = begin();
    if (!status.ok())
        return status;
    // One program at a time brings the schema up to date.
    if (!isSqlite() && !q.exec(QStringLiteral("LOCK TABLE schema_version IN EXCLUSIVE MODE"))) {
        status = failed(q, tr("read the schema version"));
        rollback();
        return status;
    }
    if (!q.exec(QStringLiteral("SELECT MAX(version) FROM schema_version")) || !q.next()) {
        status = failed(q, tr("read the schema version"));
        rollback();
        return status;
    }
    const int found = q.value(0).toInt();
    q.finish();
    if (found > kSchemaVersion) {
        rollback();
        return CatalogueStatus::failure(
            Kind::Refused, tr("The catalogue database (%1) has schema version %2, newer than this "
                              "program knows (version %3). Update Korvex on this PC before it uses "
                              "this catalogue; nothing was changed.")
                               .arg(m_settings.describe())
                               .arg(found)
                               .arg(kSchemaVersion));
    }
    for (int version = found + 1; version <= kSchemaVersion; ++version) {
        for (const QString &statement : CatalogueSchema::migration(version, isSqlite())) {
            if (!q.exec(statement)) {
                status = failed(q, tr("bring the schema to version %1").arg(version));
                rollback();
                return status;
            }
        }
        q.prepare(QStringLiteral("INSERT INTO schema_version (version, applied_at) VALUES (?, ?)"));
        q.addBindValue(version);
        q.addBindValue(now());
        if (!q.exec()) {
            status = failed(q, tr("bring the schema to version %1").arg(version));
            rollback();
            return status;
        }
    }
    status = commit();
    if (status.ok())
        m_schemaVersion = qMax(found, kSchemaVersion);
    return status;
}

// Products ------------------------------------------------------------------

CatalogueStatus Catalogue::readProducts(QSqlQuery &q, QList<Product> *out)
{
    while (q.next()) {
        Product p;
        p.id = q.value(0).toLongLong();
        p.code = q.value(1).toString();
        p.gtin = q.value(2).toString();
        p.name = q.value(3).toString();
        p.templateName = q.value(4).toString();
        QString error;
        ShelfLifeRule::parse(q.value(5).toString(), &p.shelfLife, &error);
        for (const QJsonValue &c : QJsonDocument::fromJson(q.value(6).toString().toUtf8()).array())
            p.coders.append(c.toString());
        JobField::listFromJson(q.value(7).toString(), &p.fields, &error);
        p.revision = q.value(8).toInt();
        p.changedBy = q.value(9).toString();
        p.changedAt = timeFromText(q.value(10).toString());
        p.packagingScan = q.value(11).toInt() != 0;
        p.readerStopAfter = q.value(12).toInt();
        out->append(p);
    }
    if (q.lastError().isValid())
        return failed(q, tr("read the products"));
    return {};
}

CatalogueStatus Catalogue::productWhere(const char *column, const QString &value,
                                        const QString &doing, const QString &missing, Product *out)
{
    CatalogueStatus status = ready();
    if (!status.ok())
        return status;
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("SELECT %1 FROM products WHERE %2 = ?")
                  .arg(kProductColumns, QLatin1String(column)));
    q.addBindValue(value);
    if (!q.exec())
        return failed(q, doing);
    QList<Product> found;
    status = readProducts(q, &found);
    if (!status.ok())
        return status;
    if (found.isEmpty())
        return CatalogueStatus::failure(Kind::NotFound, missing);
    *out = found.first();
    return {};
}

CatalogueStatus Catalogue::productByCode(const QString &code, Product *out)
{
    return productWhere("code", code.trimmed(), tr("look up product %1").arg(code),
                        tr("There is no product with the code %1.").arg(code), out);
}

CatalogueStatus Catalogue::productByGtin(const QString &gtin, Product *out)
{
    const Gtin::Result g = Gtin::normalise(gtin);
    if (!g.ok())
        return CatalogueStatus::failure(Kind::Invalid, tr("GTIN \"%1\": %2").arg(gtin, g.error));
    return productWhere("gtin", g.gtin14, tr("look up GTIN %1").arg(gtin),
                        tr("There is no product with the GTIN %1.").arg(gtin), out);
}

CatalogueStatus Catalogue::searchProducts(const QString &text, int offset, int limit,
                                          QList<Product> *out, int *total)
{
    out->clear();
    CatalogueStatus status = ready();
    if (!status.ok())
        return status;
    const QString where = QStringLiteral(" FROM products WHERE lower(code) LIKE ? ESCAPE '\\'"
                                         " OR gtin LIKE ? ESCAPE '\\'"
                                         " OR lower(name) LIKE ? ESCAPE '\\'");
    const QString like = likePattern(text.trimmed());
    QSqlQuery q(m_db);
    if (total) {
        q.prepare(QStringLiteral("SELECT COUNT(*)") + where);
        for (int i = 0; i < 3; ++i)
            q.addBindValue(like);
        if (!q.exec() || !q.next())
            return failed(q, tr("search the products"));
        *total = q.value(0).toInt();
    }
    q.prepare(QStringLiteral("SELECT %1").arg(kProductColumns) + where +
              QStringLiteral(" ORDER BY code LIMIT ? OFFSET ?"));
    for (int i = 0; i < 3; ++i)
        q.addBindValue(like);
    q.addBindValue(qBound(0, limit, kMaxPage));
    q.addBindValue(qMax(0, offset));
    if (!q.exec())
        return failed(q, tr("search the products"));
    return readProducts(q, out);
}

CatalogueStatus Catalogue::productsAfter(const QString &code, int limit, QList<Product> *out)
{
    out->clear();
    CatalogueStatus status = ready();
    if (!status.ok())
        return status;
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("SELECT %1 FROM products WHERE code > ? ORDER BY code LIMIT ?")
                  .arg(kProductColumns));
    q.addBindValue(text(code));
    q.addBindValue(qBound(0, limit, kMaxPage));
    if (!q.exec())
        return failed(q, tr("read the products"));
    return readProducts(q, out);
}

CatalogueStatus Catalogue::conflictOf(qint64 id, const QString &code, const QString &doing)
{
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("SELECT changed_by, changed_at FROM products WHERE id = ?"));
    q.addBindValue(id);
    if (!q.exec())
        return failed(q, doing);
    if (!q.next())
        return CatalogueStatus::failure(
            Kind::Conflict,
            tr("Product %1 was deleted by someone else after you opened it; nothing was saved.")
                .arg(code));
    const QDateTime at = timeFromText(q.value(1).toString());
    return CatalogueStatus::failure(
        Kind::Conflict, tr("Product %1 was changed by %2 at %3 after you opened it; nothing was "
                           "saved. Open it again to see their changes.")
                            .arg(code, q.value(0).toString(),
                                 at.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))));
}

// Checks code and GTIN against the other products, inside the transaction.
static CatalogueStatus takenBy(QSqlDatabase &db, const Product &p, QSqlQuery *failedQuery)
{
    QSqlQuery q(db);
    q.prepare(
        QStringLiteral("SELECT code, gtin FROM products WHERE (code = ? OR gtin = ?) AND id <> ?"));
    q.addBindValue(text(p.code));
    q.addBindValue(nullable(p.gtin));
    q.addBindValue(p.id);
    if (!q.exec()) {
        *failedQuery = q;
        return CatalogueStatus::failure(Kind::Failed, QString());
    }
    while (q.next()) {
        if (q.value(0).toString() == p.code)
            return CatalogueStatus::failure(
                Kind::Duplicate,
                tr("The code %1 is already the code of another product.").arg(p.code));
        return CatalogueStatus::failure(Kind::Duplicate,
                                        tr("The GTIN %1 is already the GTIN of product %2.")
                                            .arg(p.gtin, q.value(0).toString()));
    }
    return {};
}

CatalogueStatus Catalogue::insertProduct(Product *p, const QString &by, QSqlQuery *insert)
{
    const QString at = now();
    insert->addBindValue(text(p->code));
    insert->addBindValue(nullable(p->gtin));
    insert->addBindValue(text(p->name));
    insert->addBindValue(text(p->templateName));
    insert->addBindValue(text(p->shelfLife.toText()));
    insert->addBindValue(text(QString::fromUtf8(
        QJsonDocument(QJsonArray::fromStringList(p->coders)).toJson(QJsonDocument::Compact))));
    insert->addBindValue(text(JobField::listToJson(p->fields)));
    insert->addBindValue(p->readerStopAfter);
    insert->addBindValue(text(by));
    insert->addBindValue(at);
    insert->addBindValue(p->packagingScan ? 1 : 0);
    if (!insert->exec() || !insert->next())
        return failed(*insert, tr("add product %1").arg(p->code));
    p->id = insert->value(0).toLongLong();
    insert->finish();
    p->revision = 1;
    p->changedBy = by;
    p->changedAt = timeFromText(at);
    return {};
}

static const char kInsertProduct[] =
    "INSERT INTO products (code, gtin, name, template, shelf_life, coders, fields,"
    " reader_stop_after, revision, changed_by, changed_at, packaging_scan)"
    " VALUES (?, ?, ?, ?, ?, ?, ?, ?, 1, ?, ?, ?) RETURNING id";

CatalogueStatus Catalogue::addProduct(Product *product, const QString &by)
{
    Product p = *product;
    p.id = 0;
    const QString why = p.normalise();
    if (!why.isEmpty())
        return CatalogueStatus::failure(Kind::Invalid, why);
    CatalogueStatus status = ready();
    if (!status.ok() || !(status = begin()).ok())
        return status;
    QSqlQuery failedQuery(m_db);
    status = takenBy(m_db, p, &failedQuery);
    if (status.kind == Kind::Failed)
        status = failed(failedQuery, tr("add product %1").arg(p.code));
    if (status.ok()) {
        QSqlQuery insert(m_db);
        insert.prepare(QLatin1String(kInsertProduct));
        status = insertProduct(&p, by, &insert);
    }
    if (status.ok())
        status = commit();
    else
        rollback();
    if (status.ok())
        *product = p;
    return status;
}

CatalogueStatus Catalogue::updateProduct(Product *product, const QString &by)
{
    Product p = *product;
    const QString why = p.normalise();
    if (!why.isEmpty())
        return CatalogueStatus::failure(Kind::Invalid, why);
    CatalogueStatus status = ready();
    if (!status.ok() || !(status = begin()).ok())
        return status;
    const QString doing = tr("save product %1").arg(p.code);
    QSqlQuery failedQuery(m_db);
    status = takenBy(m_db, p, &failedQuery);
    if (status.kind == Kind::Failed)
        status = failed(failedQuery, doing);
    const QString at = now();
    if (status.ok()) {
        QSqlQuery q(m_db);
        q.prepare(QStringLiteral(
            "UPDATE products SET code = ?, gtin = ?, name = ?, template = ?, shelf_life = ?,"
            " coders = ?, fields = ?, reader_stop_after = ?, revision = revision + 1,"
            " changed_by = ?, changed_at = ?, packaging_scan = ?"
            " WHERE id = ? AND revision = ?"));
        q.addBindValue(text(p.code));
        q.addBindValue(nullable(p.gtin));
        q.addBindValue(text(p.name));
        q.addBindValue(text(p.templateName));
        q.addBindValue(text(p.shelfLife.toText()));
        q.addBindValue(text(QString::fromUtf8(
            QJsonDocument(QJsonArray::fromStringList(p.coders)).toJson(QJsonDocument::Compact))));
        q.addBindValue(text(JobField::listToJson(p.fields)));
        q.addBindValue(p.readerStopAfter);
        q.addBindValue(text(by));
        q.addBindValue(at);
        q.addBindValue(p.packagingScan ? 1 : 0);
        q.addBindValue(p.id);
        q.addBindValue(p.revision);
        if (!q.exec())
            status = failed(q, doing);
        else if (q.numRowsAffected() != 1)
            status = conflictOf(p.id, p.code, doing);
    }
    if (status.ok())
        status = commit();
    else
        rollback();
    if (status.ok()) {
        p.revision += 1;
        p.changedBy = by;
        p.changedAt = timeFromText(at);
        *product = p;
    }
    return status;
}

CatalogueStatus Catalogue::removeProduct(const Product &product, const QString &by)
{
    Q_UNUSED(by) // the journal names who; the row is gone
    CatalogueStatus status = ready();
    if (!status.ok() || !(status = begin()).ok())
        return status;
    const QString doing = tr("delete product %1").arg(product.code);
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("DELETE FROM products WHERE id = ? AND revision = ?"));
    q.addBindValue(product.id);
    q.addBindValue(product.revision);
    if (!q.exec())
        status = failed(q, doing);
    else if (q.numRowsAffected() != 1)
        status = conflictOf(product.id, product.code, doing);
    if (status.ok())
        status = commit();
    else
        rollback();
    return status;
}

// Templates and approvals -----------------------------------------------------

CatalogueStatus Catalogue::recordTemplateSave(const TemplateSave &save)
{
    const QString sha = save.sha256.toLower();
    if (!FileRecord::isSafeFileName(save.templateName) || !isSha256(sha) || save.savedBy.isEmpty())
        return CatalogueStatus::failure(
            Kind::Invalid, tr("A save needs a message file name, its SHA-256 and who saved it."));
    CatalogueStatus status = ready();
    if (!status.ok() || !(status = begin()).ok())
        return status;
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral(
        "INSERT INTO template_saves (template, sha256, saved_by, saved_at) VALUES (?, ?, ?, ?)"));
    q.addBindValue(text(save.templateName));
    q.addBindValue(sha);
    q.addBindValue(text(save.savedBy));
    q.addBindValue(stamp(save.savedAt));
    if (!q.exec()) {
        status = failed(q, tr("record the save of %1").arg(save.templateName));
        rollback();
        return status;
    }
    return commit();
}

CatalogueStatus Catalogue::lastTemplateSave(const QString &templateName, const QString &sha256,
                                            TemplateSave *out)
{
    CatalogueStatus status = ready();
    if (!status.ok())
        return status;
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("SELECT saved_by, saved_at FROM template_saves"
                             " WHERE template = ? AND sha256 = ? ORDER BY id DESC LIMIT 1"));
    q.addBindValue(templateName);
    q.addBindValue(sha256.toLower());
    if (!q.exec())
        return failed(q, tr("read the saves of %1").arg(templateName));
    if (!q.next())
        return CatalogueStatus::failure(
            Kind::NotFound, tr("No save of this version of %1 is recorded.").arg(templateName));
    *out = {templateName, sha256.toLower(), q.value(0).toString(),
            timeFromText(q.value(1).toString())};
    return {};
}

CatalogueStatus Catalogue::approve(Approval *approval, bool fourEyes)
{
    Approval a = *approval;
    a.sha256 = a.sha256.toLower();
    if (!FileRecord::isSafeFileName(a.templateName) || !isSha256(a.sha256))
        return CatalogueStatus::failure(
            Kind::Invalid, tr("An approval needs a message file name and its SHA-256."));
    if (a.signerName.trimmed().isEmpty() || a.account.trimmed().isEmpty() ||
        a.meaning.trimmed().isEmpty())
        return CatalogueStatus::failure(
            Kind::Invalid, tr("A signature needs the signer's name, account and its meaning."));
    a.signedAt = timeFromText(stamp(a.signedAt));
    CatalogueStatus status = ready();
    if (!status.ok() || !(status = begin()).ok())
        return status;
    QSqlQuery q(m_db);
    const QString doing = tr("record the approval of %1").arg(a.templateName);
    if (fourEyes) {
        q.prepare(QStringLiteral("SELECT saved_by FROM template_saves"
                                 " WHERE template = ? AND sha256 = ? ORDER BY id DESC LIMIT 1"));
        q.addBindValue(text(a.templateName));
        q.addBindValue(text(a.sha256));
        if (!q.exec()) {
            status = failed(q, doing);
        } else if (q.next() && q.value(0).toString().compare(a.account, Qt::CaseInsensitive) == 0) {
            status = CatalogueStatus::failure(
                Kind::Forbidden, tr("%1 saved this version of %2 and may not also approve it; "
                                    "another Supervisor or Administrator must sign.")
                                     .arg(a.account, a.templateName));
        }
        q.finish();
    }
    if (status.ok()) {
        q.prepare(QStringLiteral("INSERT INTO approvals (template, sha256, signer_name, account,"
                                 " signed_at, meaning, method) VALUES (?, ?, ?, ?, ?, ?, ?)"
                                 " RETURNING id"));
        q.addBindValue(text(a.templateName));
        q.addBindValue(text(a.sha256));
        q.addBindValue(text(a.signerName));
        q.addBindValue(text(a.account));
        q.addBindValue(timeText(a.signedAt));
        q.addBindValue(text(a.meaning));
        q.addBindValue(text(Approval::methodName(a.method)));
        if (!q.exec() || !q.next())
            status = failed(q, doing);
        else
            a.id = q.value(0).toLongLong();
        q.finish();
    }
    if (status.ok())
        status = commit();
    else
        rollback();
    if (status.ok())
        *approval = a;
    return status;
}

CatalogueStatus Catalogue::readApproval(QSqlQuery &q, Approval *out)
{
    Approval a;
    a.id = q.value(0).toLongLong();
    a.templateName = q.value(1).toString();
    a.sha256 = q.value(2).toString();
    a.signerName = q.value(3).toString();
    a.account = q.value(4).toString();
    a.signedAt = timeFromText(q.value(5).toString());
    a.meaning = q.value(6).toString();
    a.method = q.value(7).toString() == QLatin1String("unsigned") ? Approval::Method::Unsigned
                                                                  : Approval::Method::Password;
    *out = a;
    return {};
}

CatalogueStatus Catalogue::approvalOf(const QString &templateName, const QString &sha256,
                                      Approval *out)
{
    CatalogueStatus status = ready();
    if (!status.ok())
        return status;
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("SELECT id, template, sha256, signer_name, account, signed_at,"
                             " meaning, method FROM approvals WHERE template = ? AND sha256 = ?"
                             " ORDER BY id DESC LIMIT 1"));
    q.addBindValue(templateName);
    q.addBindValue(sha256.toLower());
    if (!q.exec())
        return failed(q, tr("read the approvals of %1").arg(templateName));
    if (!q.next())
        return CatalogueStatus::failure(
            Kind::NotFound, tr("This version of %1 is not approved.").arg(templateName));
    return readApproval(q, out);
}

// Batch records ---------------------------------------------------------------

CatalogueStatus Catalogue::addJob(JobRecord *job)
{
    JobRecord j = *job;
    if (j.productCode.isEmpty() || j.startedBy.isEmpty())
        return CatalogueStatus::failure(Kind::Invalid,
                                        tr("A job record needs its product and who started it."));
    j.startedAt = timeFromText(stamp(j.startedAt));
    CatalogueStatus status = ready();
    if (!status.ok() || !(status = begin()).ok())
        return status;
    const QString doing = tr("record the job of lot %1").arg(j.lot);
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("INSERT INTO jobs (product_code, order_number, lot, field_values,"
                             " template, template_sha256, approval_id, message_sha256, started_by,"
                             " started_at, ended_by, ended_at)"
                             " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) RETURNING id"));
    q.addBindValue(text(j.productCode));
    q.addBindValue(text(j.orderNumber));
    q.addBindValue(text(j.lot));
    q.addBindValue(text(fieldValuesJson(j.fieldValues)));
    q.addBindValue(text(j.templateName));
    q.addBindValue(text(j.templateSha256));
    q.addBindValue(j.approvalId > 0 ? QVariant(j.approvalId) : QVariant(QVariant::LongLong));
    q.addBindValue(text(j.messageSha256));
    q.addBindValue(text(j.startedBy));
    q.addBindValue(timeText(j.startedAt));
    q.addBindValue(nullable(j.endedBy));
    q.addBindValue(j.endedAt.isValid() ? QVariant(timeText(j.endedAt))
                                       : QVariant(QVariant::String));
    if (!q.exec() || !q.next())
        status = failed(q, doing);
    else
        j.id = q.value(0).toLongLong();
    q.finish();
    if (status.ok()) {
        q.prepare(QStringLiteral("INSERT INTO job_coders (job_id, ip, remark_name, sent_sha256,"
                                 " readback_sha256, result, result_at, started_at, stopped_at)"
                                 " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?) RETURNING id"));
        for (JobCoderRecord &c : j.coders) {
            c.jobId = j.id;
            q.addBindValue(j.id);
            q.addBindValue(text(c.ip));
            q.addBindValue(text(c.remarkName));
            q.addBindValue(text(c.sentSha256));
            q.addBindValue(text(c.readBackSha256));
            q.addBindValue(text(c.result));
            for (const QDateTime &t : {c.resultAt, c.startedAt, c.stoppedAt})
                q.addBindValue(t.isValid() ? QVariant(timeText(t)) : QVariant(QVariant::String));
            if (!q.exec() || !q.next()) {
                status = failed(q, doing);
                break;
            }
            c.id = q.value(0).toLongLong();
            q.finish();
        }
    }
    if (status.ok())
        status = commit();
    else
        rollback();
    if (status.ok())
        *job = j;
    return status;
}

CatalogueStatus Catalogue::updateJobCoder(const JobCoderRecord &c)
{
    CatalogueStatus status = ready();
    if (!status.ok() || !(status = begin()).ok())
        return status;
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("UPDATE job_coders SET sent_sha256 = ?, readback_sha256 = ?,"
                             " result = ?, result_at = ?, started_at = ?, stopped_at = ?"
                             " WHERE id = ?"));
    q.addBindValue(text(c.sentSha256));
    q.addBindValue(text(c.readBackSha256));
    q.addBindValue(text(c.result));
    for (const QDateTime &t : {c.resultAt, c.startedAt, c.stoppedAt})
        q.addBindValue(t.isValid() ? QVariant(timeText(t)) : QVariant(QVariant::String));
    q.addBindValue(c.id);
    if (!q.exec())
        status = failed(q, tr("record the state of coder %1").arg(c.ip));
    else if (q.numRowsAffected() != 1)
        status = CatalogueStatus::failure(Kind::NotFound,
                                          tr("The job has no coder record %1.").arg(c.id));
    if (status.ok())
        status = commit();
    else
        rollback();
    return status;
}

CatalogueStatus Catalogue::endJob(qint64 jobId, const QString &by, const QDateTime &at)
{
    if (by.isEmpty())
        return CatalogueStatus::failure(Kind::Invalid, tr("Ending a job needs who ends it."));
    CatalogueStatus status = ready();
    if (!status.ok() || !(status = begin()).ok())
        return status;
    const QString doing = tr("record the end of job %1").arg(jobId);
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral(
        "UPDATE jobs SET ended_by = ?, ended_at = ? WHERE id = ? AND ended_at IS NULL"));
    q.addBindValue(text(by));
    q.addBindValue(stamp(at));
    q.addBindValue(jobId);
    if (!q.exec()) {
        status = failed(q, doing);
    } else if (q.numRowsAffected() != 1) {
        q.prepare(QStringLiteral("SELECT ended_by, ended_at FROM jobs WHERE id = ?"));
        q.addBindValue(jobId);
        if (!q.exec())
            status = failed(q, doing);
        else if (!q.next())
            status = CatalogueStatus::failure(Kind::NotFound, tr("There is no job %1.").arg(jobId));
        else
            status = CatalogueStatus::failure(
                Kind::Conflict, tr("Job %1 was already ended by %2 at %3.")
                                    .arg(jobId)
                                    .arg(q.value(0).toString(), q.value(1).toString()));
        q.finish();
    }
    if (status.ok())
        status = commit();
    else
        rollback();
    return status;
}

namespace {

JobRecord jobFromRow(const QSqlQuery &q)
{
    JobRecord j;
    j.id = q.value(0).toLongLong();
    j.productCode = q.value(1).toString();
    j.orderNumber = q.value(2).toString();
    j.lot = q.value(3).toString();
    j.fieldValues = fieldValuesFromJson(q.value(4).toString());
    j.templateName = q.value(5).toString();
    j.templateSha256 = q.value(6).toString();
    j.approvalId = q.value(7).toLongLong();
    j.messageSha256 = q.value(8).toString();
    j.startedBy = q.value(9).toString();
    j.startedAt = Catalogue::timeFromText(q.value(10).toString());
    j.endedBy = q.value(11).toString();
    j.endedAt = Catalogue::timeFromText(q.value(12).toString());
    return j;
}

} // namespace

CatalogueStatus Catalogue::readCoders(JobRecord *job)
{
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("SELECT id, ip, remark_name, sent_sha256, readback_sha256, result,"
                             " result_at, started_at, stopped_at FROM job_coders WHERE job_id = ?"
                             " ORDER BY id"));
    q.addBindValue(job->id);
    if (!q.exec())
        return failed(q, tr("read the coders of job %1").arg(job->id));
    job->coders.clear();
    while (q.next()) {
        JobCoderRecord c;
        c.id = q.value(0).toLongLong();
        c.jobId = job->id;
        c.ip = q.value(1).toString();
        c.remarkName = q.value(2).toString();
        c.sentSha256 = q.value(3).toString();
        c.readBackSha256 = q.value(4).toString();
        c.result = q.value(5).toString();
        c.resultAt = timeFromText(q.value(6).toString());
        c.startedAt = timeFromText(q.value(7).toString());
        c.stoppedAt = timeFromText(q.value(8).toString());
        job->coders.append(c);
    }
    return {};
}

CatalogueStatus Catalogue::job(qint64 jobId, JobRecord *out)
{
    CatalogueStatus status = ready();
    if (!status.ok())
        return status;
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("SELECT %1 FROM jobs WHERE id = ?").arg(kJobColumns));
    q.addBindValue(jobId);
    if (!q.exec())
        return failed(q, tr("read job %1").arg(jobId));
    if (!q.next())
        return CatalogueStatus::failure(Kind::NotFound, tr("There is no job %1.").arg(jobId));
    JobRecord j = jobFromRow(q);
    q.finish();
    status = readCoders(&j);
    if (status.ok())
        *out = j;
    return status;
}

CatalogueStatus Catalogue::jobs(const JobQuery &query, QList<JobRecord> *out)
{
    out->clear();
    CatalogueStatus status = ready();
    if (!status.ok())
        return status;
    QString sql = QStringLiteral("SELECT %1 FROM jobs WHERE 1 = 1").arg(kJobColumns);
    QVariantList values;
    if (query.from.isValid()) {
        sql += QStringLiteral(" AND started_at >= ?");
        values << timeText(query.from);
    }
    if (query.to.isValid()) {
        sql += QStringLiteral(" AND started_at < ?");
        values << timeText(query.to);
    }
    if (!query.lot.isEmpty()) {
        sql += QStringLiteral(" AND lot = ?");
        values << query.lot;
    }
    sql += QStringLiteral(" ORDER BY started_at DESC, id DESC LIMIT ?");
    values << qBound(0, query.limit, kMaxPage);
    QSqlQuery q(m_db);
    q.prepare(sql);
    for (const QVariant &v : values)
        q.addBindValue(v);
    if (!q.exec())
        return failed(q, tr("read the batch records"));
    QList<JobRecord> found;
    while (q.next())
        found.append(jobFromRow(q));
    q.finish();
    for (JobRecord &j : found) {
        status = readCoders(&j);
        if (!status.ok())
            return status;
    }
    *out = found;
    return {};
}
