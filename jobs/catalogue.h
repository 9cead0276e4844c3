// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cataloguestatus.h"
#include "databasesettings.h"
#include "product.h"
#include "readerrecords.h"
#include "records.h"

#include <QDateTime>
#include <QSqlDatabase>
#include <QString>

#include <functional>

class QSqlQuery;

// The catalogue of products, template approvals and batch records, in
// SQLite or PostgreSQL (see DatabaseSettings).  Both programs own one: each
// Catalogue has its own connection, so several may be open in one process.
// open() applies the schema's migrations and refuses a database whose
// schema is newer than this program knows.
//
// Every call returns a CatalogueStatus; none throws or shows a box.  Every
// write is one transaction and reports success only once it is committed.
// A call made while the database is unreachable fails with Kind::Unavailable
// and the next call connects again, so a server that went away and came
// back is used again without reopening.
//
// A Catalogue belongs to the thread that opened it (Qt SQL connections are
// per thread); a job engine on another thread opens one of its own.
//
// Times are kept in UTC with milliseconds; a record's own time is the
// caller's when valid, else the catalogue's clock.  The user who makes a
// change is an argument (the signed-in user, or the system login with users
// off).
class Catalogue
{
public:
    using Clock = std::function<QDateTime()>;
    static constexpr int kSchemaVersion = 3;
    static constexpr int kMaxPage = 1000;

    explicit Catalogue(Clock clock = {});
    ~Catalogue();
    Catalogue(const Catalogue &) = delete;
    Catalogue &operator=(const Catalogue &) = delete;

    CatalogueStatus open(const DatabaseSettings &settings);
    void close();
    bool isOpen() const { return m_opened; }
    const DatabaseSettings &settings() const { return m_settings; }
    // The schema version found in the database at open.
    int schemaVersion() const { return m_schemaVersion; }

    // Products.  add and update normalise the product first (GTIN to 14
    // digits) and fill in id, revision, changedBy and changedAt.  update and
    // remove must name the revision the product was read at: when someone
    // saved it since, they are refused with Kind::Conflict naming who and
    // when, and nothing is written.
    CatalogueStatus addProduct(Product *product, const QString &by);
    CatalogueStatus updateProduct(Product *product, const QString &by);
    CatalogueStatus removeProduct(const Product &product, const QString &by);
    CatalogueStatus productByCode(const QString &code, Product *out);
    // Any of GTIN-8, -12, -13 or -14; a wrong check digit is Kind::Invalid.
    CatalogueStatus productByGtin(const QString &gtin, Product *out);
    // Products whose code, GTIN or name holds text (case ignored), ordered by
    // code, at most limit (up to kMaxPage) from offset; *total: all matches.
    CatalogueStatus searchProducts(const QString &text, int offset, int limit, QList<Product> *out,
                                   int *total = nullptr);
    // The next page of products after code (in code order), for exports.
    CatalogueStatus productsAfter(const QString &code, int limit, QList<Product> *out);

    // Templates.  The designer records each save, so that the four-eyes rule
    // can tell who made a version.  approve() stores a signature; with
    // fourEyes (users on) it refuses a signer whose account last saved that
    // very version.  A version with no recorded save (copied in from
    // elsewhere) has no author to compare with and may be signed by anyone.
    CatalogueStatus recordTemplateSave(const TemplateSave &save);
    CatalogueStatus lastTemplateSave(const QString &templateName, const QString &sha256,
                                     TemplateSave *out);
    CatalogueStatus approve(Approval *approval, bool fourEyes);
    // The latest signature of that version; Kind::NotFound: not approved.
    CatalogueStatus approvalOf(const QString &templateName, const QString &sha256, Approval *out);

    // Batch records.  addJob stores the job with its coders and fills in
    // their ids; updateJobCoder replaces what can change for a coder (read
    // back, result, times); endJob records who ended it and when.
    CatalogueStatus addJob(JobRecord *job);
    CatalogueStatus updateJobCoder(const JobCoderRecord &coder);
    CatalogueStatus endJob(qint64 jobId, const QString &by, const QDateTime &at = QDateTime());
    CatalogueStatus job(qint64 jobId, JobRecord *out);
    // Newest first, with their coders.
    CatalogueStatus jobs(const JobQuery &query, QList<JobRecord> *out);

    // The code readers (cataloguereaders.cpp).  recordReaderCounts replaces
    // the counts of that job, coder and reader; addChallenge fills in the id.
    CatalogueStatus recordReaderCounts(const ReaderCounts &counts);
    CatalogueStatus readerCounts(qint64 jobId, QList<ReaderCounts> *out);
    CatalogueStatus addChallenge(ChallengeRecord *challenge);
    // Challenges ended in [from, to) (either end open when invalid), of the
    // coder when it is not empty, oldest first.
    CatalogueStatus challenges(const QDateTime &from, const QDateTime &to, const QString &coder,
                               QList<ChallengeRecord> *out);

    static QString timeText(const QDateTime &t);
    static QDateTime timeFromText(const QString &text);

private:
    friend class ProductCsv;

    // Connects again when the last call lost the connection.
    CatalogueStatus ready();
    QString now() const;
    QString stamp(const QDateTime &t) const;
    bool isSqlite() const { return m_settings.driver == DatabaseSettings::Driver::Sqlite; }
    CatalogueStatus begin();
    CatalogueStatus commit();
    void rollback();
    // The status of a failed statement; checks whether the connection is
    // still there and drops it when not.
    CatalogueStatus failed(const QSqlQuery &query, const QString &what);
    CatalogueStatus migrate();
    CatalogueStatus conflictOf(qint64 id, const QString &code, const QString &doing);
    CatalogueStatus insertProduct(Product *product, const QString &by, QSqlQuery *insert);
    CatalogueStatus readProducts(QSqlQuery &query, QList<Product> *out);
    // The one product whose column holds value.
    CatalogueStatus productWhere(const char *column, const QString &value, const QString &doing,
                                 const QString &missing, Product *out);
    CatalogueStatus readCoders(JobRecord *job);
    CatalogueStatus readApproval(QSqlQuery &query, Approval *out);

    Clock m_clock;
    DatabaseSettings m_settings;
    QString m_connectionName;
    QSqlDatabase m_db;
    bool m_opened = false;
    bool m_lost = false;
    bool m_inTransaction = false;
    int m_schemaVersion = 0;
};
