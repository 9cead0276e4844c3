// SPDX-License-Identifier: GPL-3.0-or-later
// A job started on 100 simulated coders: the time from JobRunner::start()
// until every coder is verified (the catalogue's checks, the filled
// message, the batch record, the send, each coder's read-back and its state
// in the batch record), next to the floor of the same run: the same filled
// message sent to the same coders with Station::apply, which asks each
// coder for its message too, without catalogue or job.  The coders are
// SimulatedCoders of this process on 127.0.0.1; the catalogue is SQLite in
// a temporary folder, or the PostgreSQL server of scripts/postgres.sh with
// --postgres DIR.
#include "catalogue.h"
#include "fleet.h"
#include "jobrunner.h"
#include "linkbench.h"
#include "simulatedcoder.h"
#include "station.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLoggingCategory>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr int kCoders = 100;
constexpr int kRounds = 10;

const QByteArray kTemplate =
    R"({"ExternDataInfo":{"ExternMode":0},"TextItemInfo":[{"TextAtX":20,"TextAtY":10,)"
    R"("TextContent":"LOT {{lot}} BB {{best_before:dd.MM.yy}} L{{line}}"}]})";

bool waitFor(const std::function<bool()> &done, int ms = 30000)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return done();
}

QString line(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readLine()).trimmed() : QString();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("korvex.*.debug=false\nkorvex.*.info=false"));
    DatabaseSettings database;
    const QStringList args = app.arguments();
    const int pg = args.indexOf(QStringLiteral("--postgres"));
    QTemporaryDir work;
    QDir::setCurrent(work.path());
    if (pg > 0 && pg + 1 < args.size()) {
        const QString dir = args.at(pg + 1);
        database.driver = DatabaseSettings::Driver::Postgres;
        database.host = QStringLiteral("127.0.0.1");
        database.port = line(dir + QStringLiteral("/port")).toInt();
        database.database = line(dir + QStringLiteral("/database"));
        database.user = line(dir + QStringLiteral("/user"));
        database.password = line(dir + QStringLiteral("/password"));
        database.sslMode = QStringLiteral("disable");
    } else {
        database = DatabaseSettings::sqlite(QStringLiteral("korvex.db"));
    }

    QDir().mkdir(QStringLiteral("Spray"));
    if (!writeFile(QStringLiteral("Spray/juice.spr"), kTemplate))
        return 1;
    Station::Options options;
    options.port = 0;
    Station station(options);
    if (!station.open().ok)
        return 1;
    Catalogue catalogue;
    const CatalogueStatus opened = catalogue.open(database);
    if (!opened.ok()) {
        std::fprintf(stderr, "%s\n", qPrintable(opened.reason));
        return 1;
    }
    Product p;
    p.code = QStringLiteral("BENCH-%1").arg(QDateTime::currentMSecsSinceEpoch());
    p.name = QStringLiteral("Orange juice 1 l");
    p.templateName = QStringLiteral("juice.spr");
    ShelfLifeRule::parse(QStringLiteral("30 days"), &p.shelfLife, nullptr);
    p.coders = QStringList{QStringLiteral("127.0.0.*")};
    JobField field;
    field.name = QStringLiteral("line");
    field.kind = JobField::Kind::Integer;
    p.fields << field;
    if (!catalogue.addProduct(&p, QStringLiteral("olga")).ok())
        return 1;
    Approval a;
    a.templateName = p.templateName;
    a.sha256 = QString::fromLatin1(
        QCryptographicHash::hash(kTemplate, QCryptographicHash::Sha256).toHex());
    a.signerName = QStringLiteral("Olga Supervisor");
    a.account = QStringLiteral("olga");
    a.meaning = QStringLiteral("Approved for production");
    if (!catalogue.approve(&a, false).ok())
        return 1;
    JobRunner jobs(&station, &catalogue);

    std::vector<std::unique_ptr<QTemporaryDir>> folders;
    std::vector<std::unique_ptr<SimulatedCoder>> coders;
    for (int i = 0; i < kCoders; ++i) {
        folders.push_back(std::make_unique<QTemporaryDir>());
        CoderSettings settings;
        settings.number = i + 1;
        settings.port = station.fleet()->listeningPort();
        settings.folder = folders.back()->path();
        settings.statusIntervalMs = 5000;
        coders.push_back(std::make_unique<SimulatedCoder>(settings));
        coders.back()->start();
    }
    if (!waitFor([&] { return station.fleet()->count() == kCoders; }))
        return 1;
    const QList<int> descriptors = station.fleet()->descriptors();

    QVector<double> jobMs, floorMs;
    for (int round = 0; round < kRounds; ++round) {
        JobRunner::Request request;
        request.product = p.code;
        request.order = QStringLiteral("PO-%1").arg(round);
        request.lot = QStringLiteral("L%1").arg(round);
        request.values.insert(QStringLiteral("line"), QStringLiteral("3"));
        request.coders = descriptors;
        request.user = QStringLiteral("anna");
        const auto allVerified = [&] {
            for (int d : descriptors) {
                if (jobs.stateOf(d) != JobRunner::Stage::Verified)
                    return false;
            }
            return true;
        };
        QElapsedTimer timer;
        timer.start();
        const JobRunner::Started started = jobs.start(request);
        if (!started.ok) {
            std::fprintf(stderr, "%s\n", qPrintable(started.error));
            return 1;
        }
        if (!waitFor(allVerified))
            return 1;
        jobMs << timer.nsecsElapsed() / 1e6;
        if (!jobs.end(started.jobId, QStringLiteral("anna")).isEmpty())
            return 1;

        // The floor: the same bytes, sent and read back with no job about them.
        const auto allRead = [&] {
            for (int d : descriptors) {
                if (station.fleet()->coder(d)->readBack != ReadBack::Verified)
                    return false;
            }
            return true;
        };
        timer.start();
        const CommandResult sent = station.apply(started.messagePath, descriptors);
        if (!sent.ok || !waitFor(allRead))
            return 1;
        floorMs << timer.nsecsElapsed() / 1e6;
    }
    const double j = LinkBench::median(jobMs), f = LinkBench::median(floorMs);
    std::printf("job start on %d coders until all are verified, %s, median of %d rounds\n", kCoders,
                database.driver == DatabaseSettings::Driver::Sqlite ? "SQLite" : "PostgreSQL",
                kRounds);
    std::printf("floor: Station::apply + read-back %8.2f ms\n", f);
    std::printf("JobRunner::start until verified   %8.2f ms  (%.2f x floor)\n", j, j / f);
    return 0;
}
