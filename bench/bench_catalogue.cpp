// SPDX-License-Identifier: GPL-3.0-or-later
// A catalogue of 100,000 products: lookups by GTIN and by code, each call
// timed, p50 and p99, next to the floor of the same run (a bare prepared,
// indexed SELECT of the id on a connection of its own).  SQLite always; the
// local PostgreSQL too when given the folder of a server started with
// scripts/postgres.sh:
//   bench_catalogue [--postgres DIR] [--rounds N]
#include "catalogue.h"
#include "gtin.h"
#include "productcsv.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

constexpr int kProducts = 100000;

QString code(int i)
{
    return QStringLiteral("P%1").arg(i, 6, 10, QLatin1Char('0'));
}

QString gtin13(int i)
{
    const QString body = QStringLiteral("4%1").arg(i, 11, 10, QLatin1Char('0'));
    return body + QString::number(Gtin::checkDigit(body));
}

QByteArray catalogueCsv()
{
    QByteArray csv = "code,gtin,name,template,shelf_life,coders,fields\n";
    for (int i = 0; i < kProducts; ++i) {
        csv += QStringLiteral("%1,%2,Product %3,product.spr,12 months,Line *,"
                              "\"[{\"\"name\"\":\"\"lot\"\",\"\"required\"\":true}]\"\n")
                   .arg(code(i), gtin13(i))
                   .arg(i)
                   .toUtf8();
    }
    return csv;
}

QString readLine(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readLine()).trimmed()
                                          : QString();
}

struct Figures
{
    double p50 = 0;
    double p99 = 0;
    double max = 0;
};

// Milliseconds of each call, over keys in a random order.
Figures measure(int rounds, const std::function<bool(int)> &call)
{
    QRandomGenerator random(42);
    for (int i = 0; i < 1000; ++i) // warm up
        call(int(random.bounded(kProducts)));
    QVector<double> ms;
    ms.reserve(rounds);
    QElapsedTimer timer;
    for (int i = 0; i < rounds; ++i) {
        const int key = int(random.bounded(kProducts));
        timer.start();
        if (!call(key)) {
            std::fprintf(stderr, "lookup %d failed\n", key);
            return {};
        }
        ms.append(timer.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return {ms.at(ms.size() / 2), ms.at(int(ms.size() * 0.99)), ms.last()};
}

bool bench(const QString &label, const DatabaseSettings &settings, int rounds)
{
    Catalogue catalogue;
    CatalogueStatus status = catalogue.open(settings);
    if (!status.ok()) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(label), qPrintable(status.reason));
        return false;
    }
    QByteArray csv = catalogueCsv();
    QBuffer buffer(&csv);
    buffer.open(QIODevice::ReadOnly);
    QElapsedTimer timer;
    timer.start();
    const ProductCsv::Report report =
        ProductCsv::import(catalogue, buffer, QStringLiteral("bench"));
    const qint64 importMs = timer.elapsed();
    if (!report.status.ok() || report.imported != kProducts) {
        std::fprintf(stderr, "%s: import: %s (%d imported)\n", qPrintable(label),
                     qPrintable(report.status.reason), report.imported);
        return false;
    }

    // The floor: the same index, the id alone, a statement prepared once.
    const QString name = QStringLiteral("bench-floor");
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(
            settings.driver == DatabaseSettings::Driver::Sqlite ? QStringLiteral("QSQLITE")
                                                                : QStringLiteral("QPSQL"),
            name);
        db.setDatabaseName(settings.driver == DatabaseSettings::Driver::Sqlite ? settings.sqlitePath
                                                                               : settings.database);
        db.setHostName(settings.host);
        db.setPort(settings.port);
        db.setUserName(settings.user);
        db.setPassword(settings.password);
        if (!db.open()) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(label), qPrintable(db.lastError().text()));
            return false;
        }
        QSqlQuery byGtin(db), byCode(db);
        byGtin.prepare(QStringLiteral("SELECT id FROM products WHERE gtin = ?"));
        byCode.prepare(QStringLiteral("SELECT id FROM products WHERE code = ?"));
        const auto bare = [](QSqlQuery &q, const QString &key) {
            q.bindValue(0, QVariant(key));
            const bool found = q.exec() && q.next();
            q.finish();
            return found;
        };
        const Figures floorGtin =
            measure(rounds, [&](int i) { return bare(byGtin, QLatin1Char('0') + gtin13(i)); });
        const Figures floorCode = measure(rounds, [&](int i) { return bare(byCode, code(i)); });
        Product p;
        const Figures gtin =
            measure(rounds, [&](int i) { return catalogue.productByGtin(gtin13(i), &p).ok(); });
        const Figures byCodeFigures =
            measure(rounds, [&](int i) { return catalogue.productByCode(code(i), &p).ok(); });
        ok = gtin.p99 > 0 && byCodeFigures.p99 > 0 && floorGtin.p99 > 0;
        std::printf("%s: 100,000 products imported in %lld ms\n", qPrintable(label), importMs);
        std::printf("| %s | lookup | p50 (ms) | p99 (ms) | max (ms) |\n|---|---|---:|---:|---:|\n",
                    qPrintable(label));
        const auto row = [&label](const char *what, const Figures &f) {
            std::printf("| %s | %s | %.3f | %.3f | %.3f |\n", qPrintable(label), what, f.p50, f.p99,
                        f.max);
        };
        row("by GTIN", gtin);
        row("by code", byCodeFigures);
        row("floor: bare SELECT id by GTIN", floorGtin);
        row("floor: bare SELECT id by code", floorCode);
        byGtin = QSqlQuery();
        byCode = QSqlQuery();
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    int rounds = 20000;
    QString postgresDir;
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args.at(i) == QLatin1String("--postgres"))
            postgresDir = args.at(i + 1);
        else if (args.at(i) == QLatin1String("--rounds"))
            rounds = qMax(100, args.at(i + 1).toInt());
    }
    QTemporaryDir dir;
    bool ok = bench(QStringLiteral("SQLite"),
                    DatabaseSettings::sqlite(dir.filePath(QStringLiteral("korvex.db"))), rounds);
    if (!postgresDir.isEmpty()) {
        DatabaseSettings s;
        s.driver = DatabaseSettings::Driver::Postgres;
        s.host = QStringLiteral("127.0.0.1");
        s.port = readLine(postgresDir + QStringLiteral("/port")).toInt();
        s.database = readLine(postgresDir + QStringLiteral("/database"));
        s.user = readLine(postgresDir + QStringLiteral("/user"));
        s.password = readLine(postgresDir + QStringLiteral("/password"));
        s.sslMode = QStringLiteral("disable");
        ok = bench(QStringLiteral("PostgreSQL"), s, rounds) && ok;
    }
    return ok ? 0 : 1;
}
