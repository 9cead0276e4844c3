// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogueschema.h"

namespace CatalogueSchema {

QStringList migration(int version, bool sqlite)
{
    const QString id = sqlite ? QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT")
                              : QStringLiteral("BIGSERIAL PRIMARY KEY");
    QStringList statements;
    switch (version) {
    case 1:
        // Times are UTC text "yyyy-MM-ddTHH:mm:ss.zzzZ", which sorts as time
        // does in both databases.  coders and fields are JSON arrays.
        statements << QStringLiteral("CREATE TABLE products ("
                                     " id %1,"
                                     " code TEXT NOT NULL UNIQUE,"
                                     " gtin TEXT UNIQUE,"
                                     " name TEXT NOT NULL,"
                                     " template TEXT NOT NULL,"
                                     " shelf_life TEXT NOT NULL,"
                                     " coders TEXT NOT NULL,"
                                     " fields TEXT NOT NULL,"
                                     " revision INTEGER NOT NULL,"
                                     " changed_by TEXT NOT NULL,"
                                     " changed_at TEXT NOT NULL)")
                          .arg(id)
                   << QStringLiteral("CREATE TABLE template_saves ("
                                     " id %1,"
                                     " template TEXT NOT NULL,"
                                     " sha256 TEXT NOT NULL,"
                                     " saved_by TEXT NOT NULL,"
                                     " saved_at TEXT NOT NULL)")
                          .arg(id)
                   << QStringLiteral("CREATE INDEX template_saves_version"
                                     " ON template_saves (template, sha256)")
                   << QStringLiteral("CREATE TABLE approvals ("
                                     " id %1,"
                                     " template TEXT NOT NULL,"
                                     " sha256 TEXT NOT NULL,"
                                     " signer_name TEXT NOT NULL,"
                                     " account TEXT NOT NULL,"
                                     " signed_at TEXT NOT NULL,"
                                     " meaning TEXT NOT NULL,"
                                     " method TEXT NOT NULL)")
                          .arg(id)
                   << QStringLiteral(
                          "CREATE INDEX approvals_version ON approvals (template, sha256)")
                   << QStringLiteral("CREATE TABLE jobs ("
                                     " id %1,"
                                     " product_code TEXT NOT NULL,"
                                     " order_number TEXT NOT NULL,"
                                     " lot TEXT NOT NULL,"
                                     " field_values TEXT NOT NULL,"
                                     " template TEXT NOT NULL,"
                                     " template_sha256 TEXT NOT NULL,"
                                     " approval_id BIGINT REFERENCES approvals (id),"
                                     " message_sha256 TEXT NOT NULL,"
                                     " started_by TEXT NOT NULL,"
                                     " started_at TEXT NOT NULL,"
                                     " ended_by TEXT,"
                                     " ended_at TEXT)")
                          .arg(id)
                   << QStringLiteral("CREATE INDEX jobs_started ON jobs (started_at)")
                   << QStringLiteral("CREATE INDEX jobs_lot ON jobs (lot)")
                   << QStringLiteral("CREATE TABLE job_coders ("
                                     " id %1,"
                                     " job_id BIGINT NOT NULL REFERENCES jobs (id),"
                                     " ip TEXT NOT NULL,"
                                     " remark_name TEXT NOT NULL,"
                                     " sent_sha256 TEXT NOT NULL,"
                                     " readback_sha256 TEXT NOT NULL,"
                                     " result TEXT NOT NULL,"
                                     " result_at TEXT,"
                                     " started_at TEXT,"
                                     " stopped_at TEXT)")
                          .arg(id)
                   << QStringLiteral("CREATE INDEX job_coders_job ON job_coders (job_id)");
        break;
    case 2:
        // Products whose packaging must be scanned before a job starts.
        statements << QStringLiteral(
            "ALTER TABLE products ADD COLUMN packaging_scan INTEGER NOT NULL DEFAULT 0");
        break;
    case 3:
        // The code readers: how many bad reads in a row stop a coder, the
        // reads counted per job, and the daily challenge of each reader.
        statements
            << QStringLiteral(
                   "ALTER TABLE products ADD COLUMN reader_stop_after INTEGER NOT NULL DEFAULT 3")
            << QStringLiteral("CREATE TABLE reader_counts ("
                              " id %1,"
                              " job_id BIGINT NOT NULL REFERENCES jobs (id),"
                              " coder TEXT NOT NULL,"
                              " reader TEXT NOT NULL,"
                              " good BIGINT NOT NULL,"
                              " bad BIGINT NOT NULL,"
                              " no_read BIGINT NOT NULL,"
                              " not_compared BIGINT NOT NULL,"
                              " updated_at TEXT NOT NULL,"
                              " UNIQUE (job_id, coder, reader))")
                   .arg(id)
            << QStringLiteral("CREATE TABLE reader_challenges ("
                              " id %1,"
                              " coder TEXT NOT NULL,"
                              " reader TEXT NOT NULL,"
                              " job_id BIGINT,"
                              " result TEXT NOT NULL,"
                              " started_by TEXT NOT NULL,"
                              " started_at TEXT NOT NULL,"
                              " ended_at TEXT NOT NULL,"
                              " reads_seen INTEGER NOT NULL,"
                              " detail TEXT NOT NULL)")
                   .arg(id)
            << QStringLiteral(
                   "CREATE INDEX reader_challenges_coder ON reader_challenges (coder, ended_at)");
        break;
    default:
        break;
    }
    return statements;
}

} // namespace CatalogueSchema
