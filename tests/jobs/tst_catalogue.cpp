// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogue: one suite run on SQLite and on a real PostgreSQL server
// (scripts/postgres.sh, started by the CTest fixture; its folder is in
// KORVEX_TEST_POSTGRES).  Each test starts from an empty database.
#include "../common/residentmemory.h"
#include "catalogue.h"
#include "catalogueschema.h"
#include "csvreader.h"
#include "gtin.h"
#include "productcsv.h"

#include <QBuffer>
#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using Kind = CatalogueStatus::Kind;

const QDateTime kNow(QDate(2026, 12, 9), QTime(10, 0), Qt::UTC);
const QString kShaA = QString(64, QLatin1Char('a'));
const QString kShaB = QString(64, QLatin1Char('b'));

QString readLine(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readLine()).trimmed()
                                          : QString();
}

Product juice(const QString &code = QStringLiteral("OJ-1L"),
              const QString &gtin = QStringLiteral("4006381333931"))
{
    Product p;
    p.code = code;
    p.gtin = gtin;
    p.name = QStringLiteral("Orange juice 1 L");
    p.templateName = QStringLiteral("juice.spr");
    p.shelfLife = {ShelfLifeRule::Unit::Months, 9, true};
    p.coders = QStringList{QStringLiteral("Line *"), QStringLiteral("127.0.0.1*")};
    JobField lot;
    lot.name = QStringLiteral("lot");
    lot.label = QStringLiteral("Lot");
    lot.pattern = QStringLiteral("[A-Z]-[0-9]{4}");
    lot.required = true;
    p.fields = {lot};
    p.packagingScan = true;
    return p;
}

} // namespace

class TestCatalogue : public QObject
{
    Q_OBJECT
public:
    explicit TestCatalogue(bool postgres) : m_postgres(postgres) {}

private:
    DatabaseSettings settings() const
    {
        if (!m_postgres)
            return DatabaseSettings::sqlite(m_dir->filePath(QStringLiteral("korvex.db")));
        DatabaseSettings s;
        s.driver = DatabaseSettings::Driver::Postgres;
        s.host = QStringLiteral("127.0.0.1");
        s.port = readLine(m_pgDir + QStringLiteral("/port")).toInt();
        s.database = readLine(m_pgDir + QStringLiteral("/database"));
        s.user = readLine(m_pgDir + QStringLiteral("/user"));
        s.password = readLine(m_pgDir + QStringLiteral("/password"));
        s.sslMode = QStringLiteral("disable");
        return s;
    }
    // A connection of the test's own beside the catalogue's.
    QSqlDatabase raw(const QString &name)
    {
        const DatabaseSettings s = settings();
        QSqlDatabase db = QSqlDatabase::addDatabase(
            m_postgres ? QStringLiteral("QPSQL") : QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(m_postgres ? s.database : s.sqlitePath);
        db.setHostName(s.host);
        db.setPort(s.port);
        db.setUserName(s.user);
        db.setPassword(s.password);
        if (m_postgres)
            db.setConnectOptions(QStringLiteral("options=-cclient_min_messages=warning"));
        return db;
    }
    void exec(const QString &sql)
    {
        {
            QSqlDatabase db = raw(QStringLiteral("test-raw"));
            QVERIFY2(db.open(), qPrintable(db.lastError().text()));
            QSqlQuery q(db);
            QVERIFY2(q.exec(sql), qPrintable(q.lastError().text() + QLatin1Char(' ') + sql));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("test-raw"));
    }
    void openCatalogue(Catalogue *c)
    {
        const CatalogueStatus s = c->open(settings());
        QVERIFY2(s.ok(), qPrintable(s.reason));
    }
    void postgres(const QString &action)
    {
        QProcess p;
        p.start(QString::fromLocal8Bit(qgetenv("KORVEX_POSTGRES_SCRIPT")), {action, m_pgDir});
        QVERIFY(p.waitForFinished(120000));
        QVERIFY2(p.exitCode() == 0, p.readAllStandardError().constData());
    }

    bool m_postgres;
    QString m_pgDir;
    std::unique_ptr<QTemporaryDir> m_dir;
    Catalogue::Clock m_clock = [] { return kNow; };

private slots:
    void initTestCase()
    {
        if (m_postgres) {
            m_pgDir = QString::fromLocal8Bit(qgetenv("KORVEX_TEST_POSTGRES"));
            if (m_pgDir.isEmpty() || !QFile::exists(m_pgDir + QStringLiteral("/port")))
                QSKIP("no PostgreSQL server of the tests (run through ctest, which starts one)");
        }
    }
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        if (m_postgres)
            exec(QStringLiteral("DROP SCHEMA public CASCADE; CREATE SCHEMA public"));
    }

    void migrationsFromEmpty()
    {
        {
            Catalogue c(m_clock);
            openCatalogue(&c);
            QCOMPARE(c.schemaVersion(), Catalogue::kSchemaVersion);
        }
        Catalogue again(m_clock); // opening again applies nothing twice
        openCatalogue(&again);
        Product p = juice();
        QVERIFY(again.addProduct(&p, QStringLiteral("anna")).ok());
        QSqlDatabase db = raw(QStringLiteral("count"));
        QVERIFY(db.open());
        {
            QSqlQuery q(db);
            QVERIFY(q.exec(QStringLiteral("SELECT COUNT(*), MAX(version) FROM schema_version")));
            QVERIFY(q.next());
            QCOMPARE(q.value(0).toInt(), Catalogue::kSchemaVersion);
            QCOMPARE(q.value(1).toInt(), Catalogue::kSchemaVersion);
        }
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("count"));
    }

    // A catalogue of the first schema, with a product in it, is brought up
    // to date; the product asks for no packaging scan.
    void migrationsFromTheFirstSchema()
    {
        exec(QStringLiteral("CREATE TABLE schema_version"
                            " (version INTEGER NOT NULL, applied_at TEXT NOT NULL)"));
        for (const QString &statement : CatalogueSchema::migration(1, !m_postgres))
            exec(statement);
        exec(QStringLiteral("INSERT INTO schema_version VALUES (1, 'then')"));
        exec(QStringLiteral("INSERT INTO products (code, gtin, name, template, shelf_life, coders,"
                            " fields, revision, changed_by, changed_at) VALUES ('OLD', NULL,"
                            " 'Old', 'a.spr', '', '[]', '[]', 1, 'anna', 'then')"));
        Catalogue c(m_clock);
        openCatalogue(&c);
        QCOMPARE(c.schemaVersion(), Catalogue::kSchemaVersion);
        Product old;
        QVERIFY(c.productByCode(QStringLiteral("OLD"), &old).ok());
        QVERIFY(!old.packagingScan);
        old.packagingScan = true;
        QVERIFY(c.updateProduct(&old, QStringLiteral("anna")).ok());
        QVERIFY(c.productByCode(QStringLiteral("OLD"), &old).ok());
        QVERIFY(old.packagingScan);
    }

    void newerSchemaRefused()
    {
        {
            Catalogue c(m_clock);
            openCatalogue(&c);
        }
        exec(QStringLiteral("INSERT INTO schema_version VALUES (7, 'later')"));
        Catalogue c(m_clock);
        const CatalogueStatus s = c.open(settings());
        QCOMPARE(s.kind, Kind::Refused);
        QVERIFY2(
            s.reason.contains(QLatin1String("schema version 7")) &&
                s.reason.contains(QStringLiteral("(version %1)").arg(Catalogue::kSchemaVersion)),
            qPrintable(s.reason));
        QVERIFY(!c.isOpen());
        Product p;
        QCOMPARE(c.productByCode(QStringLiteral("x"), &p).kind, Kind::Unavailable);
    }

    void gtin_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("gtin14");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("reason");
        QTest::newRow("GTIN-8") << "96385074"
                                << "00000096385074" << 0 << "";
        QTest::newRow("UPC-A") << "036000291452"
                               << "00036000291452" << 0 << "";
        QTest::newRow("EAN-13") << "4006381333931"
                                << "04006381333931" << 0 << "";
        QTest::newRow("GTIN-14") << "10012345678902"
                                 << "10012345678902" << 0 << "";
        QTest::newRow("blanks around") << "  4006381333931 "
                                       << "04006381333931" << 0 << "";
        QTest::newRow("check digit") << "4006381333932"
                                     << "" << 13 << "it should be 1";
        QTest::newRow("GTIN-14 check") << "10012345678901"
                                       << "" << 14 << "it should be 2";
        QTest::newRow("letter") << " 40063813339X1"
                                << "" << 13 << "character 13 is \"X\"";
        QTest::newRow("length") << "4006381333"
                                << "" << 0 << "this one has 10";
        QTest::newRow("too long") << "400638133393100"
                                  << "" << 0 << "this one has 15";
        QTest::newRow("empty") << ""
                               << "" << 0 << "empty";
    }
    void gtin()
    {
        QFETCH(QString, input);
        QFETCH(QString, gtin14);
        QFETCH(int, position);
        QFETCH(QString, reason);
        const Gtin::Result r = Gtin::normalise(input);
        QCOMPARE(r.gtin14, gtin14);
        QCOMPARE(r.position, position);
        QVERIFY2(r.error.contains(reason), qPrintable(r.error));
        QCOMPARE(r.ok(), reason.isEmpty());
    }

    void rules_data()
    {
        QTest::addColumn<QString>("rule");
        QTest::addColumn<QDate>("produced");
        QTest::addColumn<QDate>("bestBefore");
        QTest::newRow("days") << "30 days" << QDate(2026, 12, 9) << QDate(2027, 1, 8);
        QTest::newRow("months keep the day")
            << "18 months" << QDate(2026, 1, 15) << QDate(2027, 7, 15);
        QTest::newRow("short month") << "1 month" << QDate(2028, 1, 31) << QDate(2028, 2, 29);
        QTest::newRow("end of month")
            << "9m, end of month" << QDate(2026, 12, 9) << QDate(2027, 9, 30);
        QTest::newRow("days end of month")
            << "3 days eom" << QDate(2026, 2, 27) << QDate(2026, 3, 31);
        QTest::newRow("none") << "" << QDate(2026, 12, 9) << QDate();
        QTest::newRow("unknown unit") << "3 weeks" << QDate(2026, 12, 9) << QDate();
        QTest::newRow("too long") << "121 months" << QDate(2026, 12, 9) << QDate();
    }
    void rules()
    {
        QFETCH(QString, rule);
        QFETCH(QDate, produced);
        QFETCH(QDate, bestBefore);
        ShelfLifeRule r;
        QString error;
        const bool parsed = ShelfLifeRule::parse(rule, &r, &error);
        QCOMPARE(parsed, error.isEmpty());
        QCOMPARE(r.bestBefore(produced), bestBefore);
        if (parsed) { // its text reads back as the same rule
            ShelfLifeRule again;
            QVERIFY(ShelfLifeRule::parse(r.toText(), &again, &error));
            QVERIFY(again == r);
        }
    }

    void jobFields_data()
    {
        QTest::addColumn<QString>("json");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("problem"); // of the definition, or of the value
        const QString lot = QStringLiteral("[{\"name\":\"lot\",\"label\":\"Lot\",\"pattern\":\"[A-"
                                           "Z]-[0-9]{4}\",\"required\":true}]");
        QTest::newRow("text fits") << lot << "A-2041"
                                   << "";
        QTest::newRow("text outside pattern") << lot << "A-20411"
                                              << "does not have the form";
        QTest::newRow("required") << lot << ""
                                  << "Lot is required";
        const QString line =
            QStringLiteral("[{\"name\":\"line\",\"kind\":\"integer\",\"min\":1,\"max\":12}]");
        QTest::newRow("integer in range") << line << "12"
                                          << "";
        QTest::newRow("integer outside") << line << "13"
                                         << "from 1 to 12";
        QTest::newRow("not an integer") << line << "1.5"
                                        << "whole number";
        QTest::newRow("optional empty") << line << ""
                                        << "";
        const QString shift =
            QStringLiteral("[{\"name\":\"shift\",\"kind\":\"list\",\"choices\":[\"A\",\"B\"]}]");
        QTest::newRow("pick list") << shift << "B"
                                   << "";
        QTest::newRow("not in list") << shift << "C"
                                     << "one of A, B";
        const QString made = QStringLiteral("[{\"name\":\"made\",\"kind\":\"date\"}]");
        QTest::newRow("date") << made << "2026-12-09"
                              << "";
        QTest::newRow("no date") << made << "2026-02-30"
                                 << "YYYY-MM-DD";
        QTest::newRow("unknown kind") << "[{\"name\":\"x\",\"kind\":\"colour\"}]"
                                      << ""
                                      << "unknown kind";
        QTest::newRow("bad pattern") << "[{\"name\":\"x\",\"pattern\":\"[A-\"}]"
                                     << ""
                                     << "does not parse";
        QTest::newRow("empty range")
            << "[{\"name\":\"x\",\"kind\":\"integer\",\"min\":5,\"max\":1}]"
            << ""
            << "is empty";
        QTest::newRow("default outside")
            << "[{\"name\":\"x\",\"kind\":\"integer\",\"min\":1,\"max\":2,\"default\":\"3\"}]"
            << ""
            << "default";
        QTest::newRow("list without choices") << "[{\"name\":\"x\",\"kind\":\"list\"}]"
                                              << ""
                                              << "choice";
        QTest::newRow("twice") << "[{\"name\":\"x\"},{\"name\":\"x\"}]"
                               << ""
                               << "defined twice";
        QTest::newRow("bad name") << "[{\"name\":\"1st\"}]"
                                  << ""
                                  << "field name";
        QTest::newRow("unknown key") << "[{\"name\":\"x\",\"colour\":\"red\"}]"
                                     << ""
                                     << "unknown key";
        QTest::newRow("not JSON") << "lot:text"
                                  << ""
                                  << "do not parse";
    }
    void jobFields()
    {
        QFETCH(QString, json);
        QFETCH(QString, value);
        QFETCH(QString, problem);
        QList<JobField> fields;
        QString error;
        if (!JobField::listFromJson(json, &fields, &error)) {
            QVERIFY2(!problem.isEmpty() && error.contains(problem), qPrintable(error));
            return;
        }
        QCOMPARE(fields.size(), 1);
        const QString why = fields.first().check(value);
        QVERIFY2(problem.isEmpty() ? why.isEmpty() : why.contains(problem), qPrintable(why));
        QList<JobField> again; // stored and read back the same
        QVERIFY(JobField::listFromJson(JobField::listToJson(fields), &again, &error));
        QVERIFY(again == fields);
    }

    void settingsFromConf_data()
    {
        QTest::addColumn<QByteArray>("conf");
        QTest::addColumn<QString>("error");
        QTest::newRow("no section: SQLite") << QByteArray("[server]\nport = 64032\n") << "";
        QTest::newRow("no host") << QByteArray("[database]\ndatabase = k\nuser = u\n")
                                 << "\"host\"";
        QTest::newRow("bad port") << QByteArray(
                                         "[database]\nhost = h\ndatabase = k\nuser = u\nport = 0\n")
                                  << "not a port number";
        QTest::newRow("bad sslmode")
            << QByteArray("[database]\nhost = h\ndatabase = k\nuser = u\nsslmode = maybe\n")
            << "sslmode \"maybe\"";
        QTest::newRow("no password file")
            << QByteArray("[database]\nhost = h\ndatabase = k\nuser = u\npassword_file = gone\n")
            << "no such file";
    }
    void settingsFromConf()
    {
        QFETCH(QByteArray, conf);
        QFETCH(QString, error);
        QFile file(m_dir->filePath(QStringLiteral("korvex.conf")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(conf);
        file.close();
        DatabaseSettings s;
        QString why;
        QCOMPARE(DatabaseSettings::fromWorkDir(m_dir->path(), &s, &why), error.isEmpty());
        QVERIFY2(why.contains(error), qPrintable(why));
        if (error.isEmpty()) {
            QCOMPARE(s.driver, DatabaseSettings::Driver::Sqlite);
            QCOMPARE(s.sqlitePath, m_dir->filePath(QStringLiteral("korvex.db")));
        }
    }

    // korvex.conf naming the server, as a plant writes it, opens the catalogue.
    void openFromConf()
    {
        if (!m_postgres)
            QSKIP("the SQLite default is settingsFromConf's first row");
        const DatabaseSettings fixture = settings();
        QFile password(m_dir->filePath(QStringLiteral("db.password")));
        QVERIFY(password.open(QIODevice::WriteOnly));
        password.write(fixture.password.toUtf8() + "\r\n");
        password.close();
        QFile conf(m_dir->filePath(QStringLiteral("korvex.conf")));
        QVERIFY(conf.open(QIODevice::WriteOnly));
        conf.write(QStringLiteral("[database]\nhost = 127.0.0.1\nport = %1\ndatabase = %2\n"
                                  "user = %3\npassword_file = db.password\nsslmode = disable\n")
                       .arg(fixture.port)
                       .arg(fixture.database, fixture.user)
                       .toUtf8());
        conf.close();
        DatabaseSettings s;
        QString why;
        QVERIFY2(DatabaseSettings::fromWorkDir(m_dir->path(), &s, &why), qPrintable(why));
        Catalogue c(m_clock);
        const CatalogueStatus status = c.open(s);
        QVERIFY2(status.ok(), qPrintable(status.reason));
        s.password = QStringLiteral("wrong");
        Catalogue refused(m_clock);
        QCOMPARE(refused.open(s).kind, Kind::Unavailable);
    }

    void productsCrud()
    {
        Catalogue c(m_clock);
        openCatalogue(&c);
        Product p = juice();
        QVERIFY(c.addProduct(&p, QStringLiteral("anna")).ok());
        QCOMPARE(p.gtin, QStringLiteral("04006381333931"));
        QCOMPARE(p.revision, 1);
        QCOMPARE(p.changedAt, kNow);

        Product got;
        QVERIFY(c.productByGtin(QStringLiteral("4006381333931"), &got).ok());
        QCOMPARE(got.code, p.code);
        QVERIFY(got.shelfLife == p.shelfLife);
        QVERIFY(got.fields == p.fields);
        QCOMPARE(got.coders, p.coders);
        QCOMPARE(got.packagingScan, true);
        QVERIFY(got.mayRunOn(QStringLiteral("127.0.0.11"), QString()));
        QVERIFY(got.mayRunOn(QStringLiteral("10.0.0.1"), QStringLiteral("Line 2")));
        QVERIFY(!got.mayRunOn(QStringLiteral("10.0.0.1"), QStringLiteral("Packing")));
        QCOMPARE(c.productByGtin(QStringLiteral("4006381333932"), &got).kind, Kind::Invalid);
        QCOMPARE(c.productByCode(QStringLiteral("nope"), &got).kind, Kind::NotFound);

        Product other = juice(QStringLiteral("AJ_100%"), QStringLiteral("96385074"));
        other.name = QStringLiteral("Apple juice");
        QVERIFY(c.addProduct(&other, QStringLiteral("anna")).ok());
        Product clash = juice(QStringLiteral("OJ-1L"), QString());
        QCOMPARE(c.addProduct(&clash, QStringLiteral("anna")).kind, Kind::Duplicate);
        clash = juice(QStringLiteral("OJ-2L"), QStringLiteral("04006381333931"));
        const CatalogueStatus dup = c.addProduct(&clash, QStringLiteral("anna"));
        QCOMPARE(dup.kind, Kind::Duplicate);
        QVERIFY2(dup.reason.contains(QLatin1String("OJ-1L")), qPrintable(dup.reason));
        Product bad = juice(QStringLiteral("BAD"), QStringLiteral("4006381333932"));
        QCOMPARE(c.addProduct(&bad, QStringLiteral("anna")).kind, Kind::Invalid);
        QCOMPARE(c.productByCode(QStringLiteral("BAD"), &got).kind, Kind::NotFound);

        QList<Product> found;
        int total = 0;
        QVERIFY(c.searchProducts(QStringLiteral("JUICE"), 0, 10, &found, &total).ok());
        QCOMPARE(total, 2);
        QVERIFY(c.searchProducts(QStringLiteral("_100%"), 0, 10, &found, &total).ok());
        QCOMPARE(total, 1); // "%" and "_" are themselves, not wildcards
        QVERIFY(c.searchProducts(QStringLiteral("0009638"), 0, 10, &found, &total).ok());
        QCOMPARE(found.value(0).code, QStringLiteral("AJ_100%"));
        QVERIFY(c.searchProducts(QString(), 1, 10, &found, &total).ok());
        QCOMPARE(found.size(), 1);
        QCOMPARE(found.first().code, QStringLiteral("OJ-1L"));

        got.name = QStringLiteral("Orange juice 1 litre");
        QVERIFY(c.updateProduct(&got, QStringLiteral("ben")).ok());
        QCOMPARE(got.revision, 2);
        Product again;
        QVERIFY(c.productByCode(QStringLiteral("OJ-1L"), &again).ok());
        QCOMPARE(again.name, got.name);
        QCOMPARE(again.changedBy, QStringLiteral("ben"));
        QVERIFY(c.removeProduct(again, QStringLiteral("ben")).ok());
        QCOMPARE(c.productByCode(QStringLiteral("OJ-1L"), &again).kind, Kind::NotFound);
    }

    void secondConcurrentSaveRefused()
    {
        QDateTime clock = kNow;
        Catalogue pc1([&clock] { return clock; });
        Catalogue pc2([&clock] { return clock; });
        openCatalogue(&pc1);
        openCatalogue(&pc2);
        Product p = juice();
        QVERIFY(pc1.addProduct(&p, QStringLiteral("anna")).ok());
        Product a, b;
        QVERIFY(pc1.productByCode(p.code, &a).ok());
        QVERIFY(pc2.productByCode(p.code, &b).ok());
        a.name = QStringLiteral("Anna's name");
        b.name = QStringLiteral("Ben's name");
        clock = kNow.addSecs(60);
        QVERIFY(pc1.updateProduct(&a, QStringLiteral("anna")).ok());
        const CatalogueStatus s = pc2.updateProduct(&b, QStringLiteral("ben"));
        QCOMPARE(s.kind, Kind::Conflict);
        const QString when =
            kNow.addSecs(60).toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        QVERIFY2(s.reason.contains(QLatin1String("anna")) && s.reason.contains(when),
                 qPrintable(s.reason));
        QCOMPARE(pc2.removeProduct(b, QStringLiteral("ben")).kind, Kind::Conflict);
        Product stored;
        QVERIFY(pc2.productByCode(p.code, &stored).ok());
        QCOMPARE(stored.name, QStringLiteral("Anna's name"));
        QCOMPARE(stored.revision, 2);
        // Read again, ben's save goes through.
        stored.name = QStringLiteral("Ben's name");
        QVERIFY(pc2.updateProduct(&stored, QStringLiteral("ben")).ok());
    }

    void csvImport_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("allOrNothing");
        QTest::addColumn<int>("imported");
        QTest::addColumn<QStringList>("refused"); // "line: part of the reason"
        QTest::addColumn<QString>("fileError");
        const QByteArray header = "code,name,template,gtin,shelf_life,coders,fields,erp_id\r\n";
        const QByteArray good =
            header + "A1,\"Juice, orange\",juice.spr,4006381333931,9 months,Line 1;Line 2,,17\r\n"
                     "A2,\"Line \"\"two\"\"\",juice.spr,,30 days,,"
                     "\"[{\"\"name\"\":\"\"lot\"\",\n \"\"required\"\":true}]\",18\n";
        QTest::newRow("quotes, commas, newlines, BOM")
            << QByteArray("\xef\xbb\xbf") + good << false << 2 << QStringList() << "";
        QTest::newRow("bad rows") << header + "A1,One,a.spr,4006381333932,,,,\n"
                                              "A2,Two,a.spr,,3 weeks,,,\n"
                                              "A3,Three,a.spr,,,,[{\"name\":1}],\n"
                                              "A4,Four,../a.spr,,,,,\n"
                                              "A5,Five,a.spr,96385074,,,,\n"
                                              "A5,Five again,a.spr,,,,,\n"
                                              "A6,Six,a.spr,000096385074,,,,\n"
                                              "EXISTS,Seven,a.spr,,,,,\n"
                                              "A8,Eight,a.spr,10012345678902,,,,\n"
                                  << false << 1
                                  << QStringList{"2: it should be 1",
                                                 "3: no shelf-life rule",
                                                 "4: field name",
                                                 "5: not the name of a message",
                                                 "7: also on line 6",
                                                 "8: also on line 6",
                                                 "9: already in the catalogue",
                                                 "10: already the GTIN of product EXISTS"}
                                  << "";
        QTest::newRow("bad reads that stop a coder")
            << QByteArray("code,name,template,reader_stop_after\n"
                          "R1,One,a.spr,5\nR2,Two,a.spr,\nR3,Three,a.spr,0\nR4,Four,a.spr,many\n")
            << false << 2 << QStringList{"4: must be from 1 to 100, not 0", "5: is no number"}
            << "";
        QTest::newRow("all or nothing")
            << header + "B1,One,a.spr,,,,,\nB2,Two,a.spr,,1 fortnight,,,\n"
            << true << 0 << QStringList{"3: no shelf-life rule"} << "(all or nothing)";
        QTest::newRow("Windows-1252") << header + "C1,Caf\xe9,a.spr,,,,,\n"
                                      << false << 0 << QStringList() << "Line 2 is not UTF-8";
        QTest::newRow("UTF-16") << QByteArray("\xff\xfe") + "c\0o\0d\0e\0" << false << 0
                                << QStringList() << "UTF-16";
        QTest::newRow("open quote")
            << header + "D1,\"never closed,a.spr\n"
            << false << 0 << QStringList() << "starts on line 2 is never closed";
        QTest::newRow("no template column") << QByteArray("code,name\nE1,One\n") << false << 0
                                            << QStringList() << "\"template\" is missing";
        QTest::newRow("empty") << QByteArray() << false << 0 << QStringList() << "empty";
        QTest::newRow("packaging scan")
            << QByteArray("code,name,template,packaging_scan\nF1,One,a.spr,Yes\nF2,Two,a.spr,no\n"
                          "F3,Three,a.spr,\nF4,Four,a.spr,maybe\n")
            << false << 3
            << QStringList{"5: packaging_scan is \"yes\", \"no\" or empty, not \"maybe\"."} << "";
    }
    void csvImport()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, allOrNothing);
        QFETCH(int, imported);
        QFETCH(QStringList, refused);
        QFETCH(QString, fileError);
        Catalogue c(m_clock);
        openCatalogue(&c);
        Product existing = juice(QStringLiteral("EXISTS"), QStringLiteral("10012345678902"));
        QVERIFY(c.addProduct(&existing, QStringLiteral("anna")).ok());
        QBuffer in(&file);
        QVERIFY(in.open(QIODevice::ReadOnly));
        const ProductCsv::Report r = ProductCsv::import(
            c, in, QStringLiteral("erp"),
            allOrNothing ? ProductCsv::Mode::AllOrNothing : ProductCsv::Mode::GoodRows);
        QVERIFY2(r.status.reason.contains(fileError), qPrintable(r.status.reason));
        QCOMPARE(r.status.ok(), fileError.isEmpty());
        QStringList got;
        for (const ProductCsv::Refusal &x : r.refused)
            got << QString::number(x.line) + QLatin1String(": ") + x.reason;
        QVERIFY2(r.imported == imported, qPrintable(got.join(QLatin1Char('\n'))));
        QCOMPARE(got.size(), refused.size());
        for (int i = 0; i < refused.size(); ++i)
            QVERIFY2(got.at(i).startsWith(refused.at(i).section(QLatin1Char(':'), 0, 0)) &&
                         got.at(i).contains(refused.at(i).section(QLatin1String(": "), 1)),
                     qPrintable(got.at(i)));
        QList<Product> all;
        int total = 0;
        QVERIFY(c.searchProducts(QString(), 0, 100, &all, &total).ok());
        QCOMPARE(total, imported + 1); // nothing half-imported
        if (QTest::currentDataTag() == QLatin1String("quotes, commas, newlines, BOM")) {
            QCOMPARE(r.ignoredColumns, QStringList{QStringLiteral("erp_id")});
            Product a2;
            QVERIFY(c.productByCode(QStringLiteral("A2"), &a2).ok());
            QCOMPARE(a2.name, QStringLiteral("Line \"two\""));
            QVERIFY(a2.fields.value(0).required);
        }
        if (QTest::currentDataTag() == QLatin1String("packaging scan")) {
            Product f;
            QVERIFY(c.productByCode(QStringLiteral("F1"), &f).ok());
            QVERIFY(f.packagingScan);
            QVERIFY(c.productByCode(QStringLiteral("F2"), &f).ok());
            QVERIFY(!f.packagingScan);
        }
    }

    // 100,000 rows go in, in bounded memory, and come out again the same.
    void csvLargeImportAndExport()
    {
        const QString path = m_dir->filePath(QStringLiteral("products.csv"));
#if defined(__SANITIZE_ADDRESS__)
        // The same paths at a tenth of the rows: under AddressSanitizer the
        // whole file costs two minutes of CI and reaches no other code.
        const int rows = 10000;
#else
        const int rows = 100000;
#endif
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("code,gtin,name,template,shelf_life,coders,fields\n");
            const QByteArray fields = "\"[{\"\"name\"\":\"\"lot\"\",\"\"label\"\":\"\"" +
                                      QByteArray(190, 'L') + "\"\",\"\"default\"\":\"\"" +
                                      QByteArray(190, 'D') + "\"\"}]\"";
            for (int i = 0; i < rows; ++i) {
                const QString body = QStringLiteral("4%1").arg(i, 11, 10, QLatin1Char('0'));
                const QString gtin = body + QString::number(Gtin::checkDigit(body));
                f.write(QStringLiteral("P%1,%2,Product %1,p.spr,12 months,Line *,")
                            .arg(i, 6, 10, QLatin1Char('0'))
                            .arg(gtin)
                            .toUtf8() +
                        fields + '\n');
            }
        }
        const qint64 fileKib = QFileInfo(path).size() / 1024;
        Catalogue c(m_clock);
        openCatalogue(&c);
        const qint64 before = ResidentMemory::kib();
        const ProductCsv::Report r = ProductCsv::importFile(c, path, QStringLiteral("erp"));
        const qint64 grown = ResidentMemory::kib() - before;
        QVERIFY2(r.status.ok(), qPrintable(r.status.reason));
        QVERIFY2(r.imported == rows, qPrintable(r.refused.value(0).reason));
        QCOMPARE(r.refusedCount, 0);
#if defined(__SANITIZE_ADDRESS__) // its shadow memory is no measure
        Q_UNUSED(grown)
        Q_UNUSED(fileKib)
#else
        // The file is never held whole.
        QVERIFY2(grown < fileKib,
                 qPrintable(QStringLiteral("%1 KiB for a file of %2 KiB").arg(grown).arg(fileKib)));
#endif
        const QString out = m_dir->filePath(QStringLiteral("export.csv"));
        QVERIFY(ProductCsv::exportFile(c, out).ok());
        QFile f(out);
        QVERIFY(f.open(QIODevice::ReadOnly));
        CsvReader reader(&f, ProductCsv::kMaxImportBytes);
        QStringList record;
        QCOMPARE(reader.next(&record), CsvReader::Outcome::Record);
        QCOMPARE(record, ProductCsv::header());
        int count = 0;
        while (reader.next(&record) == CsvReader::Outcome::Record) {
            if (count == 4242) {
                Product p;
                QVERIFY(c.productByCode(record.first(), &p).ok());
                QCOMPARE(record, ProductCsv::row(p));
                QCOMPARE(p.fields.value(0).defaultValue.size(), 190);
            }
            ++count;
        }
        QVERIFY2(reader.error().isEmpty(), qPrintable(reader.error()));
        QCOMPARE(count, rows);
    }

    void csvTooLarge()
    {
        const QString path = m_dir->filePath(QStringLiteral("huge.csv"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("code,name,template\n");
        QVERIFY(f.resize(ProductCsv::kMaxImportBytes + 1)); // sparse: no disk taken
        f.close();
        Catalogue c(m_clock);
        openCatalogue(&c);
        const ProductCsv::Report r = ProductCsv::importFile(c, path, QStringLiteral("erp"));
        QCOMPARE(r.status.kind, Kind::Invalid);
        QVERIFY2(r.status.reason.contains(QLatin1String("over 128 MiB")),
                 qPrintable(r.status.reason));
        QCOMPARE(r.imported, 0);
    }

    void approvals()
    {
        Catalogue c(m_clock);
        openCatalogue(&c);
        QVERIFY(c.recordTemplateSave({QStringLiteral("juice.spr"), kShaA.toUpper(),
                                      QStringLiteral("anna"), QDateTime()})
                    .ok());
        Approval a;
        QCOMPARE(c.approvalOf(QStringLiteral("juice.spr"), kShaA, &a).kind, Kind::NotFound);
        a.templateName = QStringLiteral("juice.spr");
        a.sha256 = kShaA;
        a.signerName = QStringLiteral("Anna Berg");
        a.account = QStringLiteral("Anna");
        a.meaning = QStringLiteral("Approved for production");
        const CatalogueStatus own = c.approve(&a, true);
        QCOMPARE(own.kind, Kind::Forbidden);
        QVERIFY2(own.reason.contains(QLatin1String("may not also approve")),
                 qPrintable(own.reason));
        QCOMPARE(c.approvalOf(QStringLiteral("juice.spr"), kShaA, &a).kind, Kind::NotFound);

        a.signerName = QStringLiteral("Ben Olsen");
        a.account = QStringLiteral("ben");
        QVERIFY(c.approve(&a, true).ok());
        QVERIFY(a.id > 0);
        // With users off the author's own approval is stored, marked unsigned.
        Approval off = a;
        off.sha256 = kShaB;
        off.account = QStringLiteral("anna");
        off.method = Approval::Method::Unsigned;
        QVERIFY(c.approve(&off, true).ok()); // no save of this version recorded
        Approval got;
        QVERIFY(c.approvalOf(QStringLiteral("juice.spr"), kShaA.toUpper(), &got).ok());
        QCOMPARE(got.signerName, QStringLiteral("Ben Olsen"));
        QCOMPARE(got.signedAt, kNow);
        QCOMPARE(got.method, Approval::Method::Password);
        QVERIFY(c.approvalOf(QStringLiteral("juice.spr"), kShaB, &got).ok());
        QCOMPARE(got.method, Approval::Method::Unsigned);
        QCOMPARE(c.approvalOf(QStringLiteral("other.spr"), kShaA, &got).kind, Kind::NotFound);
        a.sha256 = QStringLiteral("not a hash");
        QCOMPARE(c.approve(&a, false).kind, Kind::Invalid);
    }

    void batchRecordRoundTrip()
    {
        Catalogue c(m_clock);
        openCatalogue(&c);
        JobRecord j;
        j.productCode = QStringLiteral("OJ-1L");
        j.orderNumber = QStringLiteral("PO-77");
        j.lot = QStringLiteral("A-2041");
        j.fieldValues = {{QStringLiteral("lot"), QStringLiteral("A-2041")},
                         {QStringLiteral("note"), QStringLiteral("a, \"b\"")}};
        j.templateName = QStringLiteral("juice.spr");
        j.templateSha256 = kShaA;
        j.messageSha256 = kShaB;
        j.startedBy = QStringLiteral("olga");
        JobCoderRecord coder;
        coder.ip = QStringLiteral("127.0.0.11");
        coder.remarkName = QStringLiteral("Line 1");
        coder.sentSha256 = kShaB;
        coder.result = QStringLiteral("sending");
        j.coders = {coder, coder};
        j.coders[1].ip = QStringLiteral("127.0.0.12");
        QVERIFY(c.addJob(&j).ok());
        QVERIFY(j.id > 0 && j.coders.at(1).id > j.coders.at(0).id);
        JobCoderRecord verified = j.coders.at(0);
        verified.readBackSha256 = kShaB;
        verified.result = QStringLiteral("verified");
        verified.resultAt = kNow.addSecs(2);
        verified.startedAt = kNow.addSecs(3);
        QVERIFY(c.updateJobCoder(verified).ok());
        QVERIFY(c.endJob(j.id, QStringLiteral("olga"), kNow.addSecs(3600)).ok());
        const CatalogueStatus twice = c.endJob(j.id, QStringLiteral("piet"));
        QCOMPARE(twice.kind, Kind::Conflict);
        QVERIFY2(twice.reason.contains(QLatin1String("olga")), qPrintable(twice.reason));

        JobRecord got;
        QVERIFY(c.job(j.id, &got).ok());
        QCOMPARE(got.fieldValues, j.fieldValues);
        QCOMPARE(got.startedAt, kNow);
        QCOMPARE(got.endedAt, kNow.addSecs(3600));
        QCOMPARE(got.coders.size(), 2);
        QCOMPARE(got.coders.at(0).result, QStringLiteral("verified"));
        QCOMPARE(got.coders.at(0).startedAt, kNow.addSecs(3));
        QVERIFY(!got.coders.at(1).startedAt.isValid());

        JobRecord later = j;
        later.lot = QStringLiteral("A-2042");
        later.startedAt = kNow.addDays(1);
        later.coders.clear();
        QVERIFY(c.addJob(&later).ok());
        QList<JobRecord> list;
        QVERIFY(c.jobs({kNow, kNow.addDays(1), QString(), 10}, &list).ok());
        QCOMPARE(list.size(), 1);
        QCOMPARE(list.first().lot, QStringLiteral("A-2041"));
        QVERIFY(c.jobs({QDateTime(), QDateTime(), QStringLiteral("A-2042"), 10}, &list).ok());
        QCOMPARE(list.size(), 1);
        QVERIFY(c.jobs({}, &list).ok());
        QCOMPARE(list.size(), 2);
        QCOMPARE(list.first().id, later.id); // newest first

        QByteArray csv = got.toCsv();
        QBuffer buffer(&csv);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        CsvReader reader(&buffer, 1 << 20);
        QStringList header, row;
        QCOMPARE(reader.next(&header), CsvReader::Outcome::Record);
        QCOMPARE(reader.next(&row), CsvReader::Outcome::Record);
        QCOMPARE(row.value(header.indexOf(QStringLiteral("fields"))),
                 QStringLiteral("lot=A-2041; note=a, \"b\""));
        QCOMPARE(row.value(header.indexOf(QStringLiteral("result"))), QStringLiteral("verified"));
        QCOMPARE(reader.next(&row), CsvReader::Outcome::Record);
        QCOMPARE(reader.next(&row), CsvReader::Outcome::End);
    }

    void unreachableAtOpen()
    {
        DatabaseSettings s = settings();
        if (m_postgres) {
            QTcpServer probe; // a port nothing listens on
            QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
            s.port = probe.serverPort();
            probe.close();
        } else {
            s.sqlitePath = m_dir->filePath(QStringLiteral("no such folder/korvex.db"));
        }
        Catalogue c(m_clock);
        const CatalogueStatus status = c.open(s);
        QCOMPARE(status.kind, Kind::Unavailable);
        QVERIFY2(status.reason.contains(s.describe()), qPrintable(status.reason));
        Product p = juice();
        QCOMPARE(c.addProduct(&p, QStringLiteral("anna")).kind, Kind::Unavailable);
    }

    // The server stops (PostgreSQL) or another program holds the write lock
    // (SQLite): a write fails with the reason, nothing is reported as written
    // that was not, and the next write after it is back goes through.
    void goingAwayAndBack()
    {
        DatabaseSettings s = settings();
        s.busyTimeoutMs = 100;
        Catalogue c(m_clock);
        QVERIFY(c.open(s).ok());
        Product first = juice(QStringLiteral("FIRST"), QString());
        QVERIFY(c.addProduct(&first, QStringLiteral("anna")).ok());
        QSqlDatabase locker;
        if (m_postgres) {
            postgres(QStringLiteral("pause"));
        } else {
            locker = raw(QStringLiteral("locker"));
            QVERIFY(locker.open());
            QVERIFY(QSqlQuery(locker).exec(QStringLiteral("BEGIN EXCLUSIVE")));
        }
        Product during = juice(QStringLiteral("DURING"), QString());
        const CatalogueStatus down = c.addProduct(&during, QStringLiteral("anna"));
        QCOMPARE(down.kind, Kind::Unavailable);
        QVERIFY2(down.reason.contains(QLatin1String("nothing was changed"), Qt::CaseInsensitive),
                 qPrintable(down.reason));
        QCOMPARE(during.id, 0);
        first.name = QStringLiteral("Renamed while down");
        QCOMPARE(c.updateProduct(&first, QStringLiteral("anna")).kind, Kind::Unavailable);
        QCOMPARE(first.revision, 1);
        if (m_postgres) {
            Product read;
            QCOMPARE(c.productByCode(QStringLiteral("FIRST"), &read).kind, Kind::Unavailable);
            postgres(QStringLiteral("resume"));
        } else {
            QVERIFY(QSqlQuery(locker).exec(QStringLiteral("ROLLBACK")));
            locker.close();
            locker = QSqlDatabase();
            QSqlDatabase::removeDatabase(QStringLiteral("locker"));
        }
        Product read;
        QCOMPARE(c.productByCode(QStringLiteral("DURING"), &read).kind, Kind::NotFound);
        QVERIFY(c.productByCode(QStringLiteral("FIRST"), &read).ok());
        QCOMPARE(read.revision, 1);
        QVERIFY(c.updateProduct(&first, QStringLiteral("anna")).ok());
        QVERIFY(c.addProduct(&during, QStringLiteral("anna")).ok());
        if (!m_postgres)
            return;
        // Away and back while nobody used it: the first call goes through.
        postgres(QStringLiteral("pause"));
        postgres(QStringLiteral("resume"));
        const CatalogueStatus back = c.productByCode(QStringLiteral("FIRST"), &read);
        QVERIFY2(back.ok(), qPrintable(back.reason));
    }
};

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    int failures = 0;
    for (const bool postgres : {false, true}) {
        TestCatalogue suite(postgres);
        qInfo("=== %s", postgres ? "PostgreSQL" : "SQLite");
        failures += QTest::qExec(&suite, argc, argv);
    }
    return failures;
}

#include "tst_catalogue.moc"
