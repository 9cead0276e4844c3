// SPDX-License-Identifier: GPL-3.0-or-later
// korvex-catalogue: the catalogue of products, template approvals and batch
// records of the working folder, from a shell.
//
//   korvex-catalogue import FILE.csv
//   korvex-catalogue export FILE.csv
//   korvex-catalogue products [TEXT]
//   korvex-catalogue approve TEMPLATE --signer NAME [--meaning TEXT]
//   korvex-catalogue jobs [--from DATE] [--to DATE] [--lot LOT]
//   korvex-catalogue job ID [--csv FILE]
#include "boundedread.h"
#include "catalogue.h"
#include "databasesettings.h"
#include "filerecord.h"
#include "inifile.h"
#include "journal.h"
#include "journalactions.h"
#include "productcsv.h"
#include "stationsettings.h"
#include "userstore.h"
#include "writewhole.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QJsonObject>
#include <QSaveFile>

#include <cstdio>
#include <termios.h>
#include <unistd.h>

namespace {

constexpr int kUsage = 2;
const QString kDefaultMeaning = QStringLiteral("Approved for production");
// A password line longer than this is no password.
constexpr int kMaxPasswordBytes = 1024;

int fail(int code, const QString &text)
{
    std::fprintf(stderr, "korvex-catalogue: %s\n", qPrintable(text));
    return code;
}

void say(const QString &text)
{
    std::printf("%s\n", qPrintable(text));
}

// The catalogue that korvex.conf's [database] names, as the programs open it.
bool openCatalogue(Catalogue *catalogue, QString *error)
{
    const QString path = QString::fromLatin1(StationSettings::kFileName);
    PlainFile conf;
    if (QFileInfo::exists(path)) {
        conf = PlainFile::read(path, StationSettings::kMaxFileBytes);
        if (!conf.ok()) {
            *error = QStringLiteral("cannot read %1%2")
                         .arg(path, conf.error.isEmpty() ? QString() : ": " + conf.error);
            return false;
        }
    }
    DatabaseSettings settings;
    if (!DatabaseSettings::fromIni(IniFile::parse(conf.bytes), QDir::currentPath(), &settings,
                                   error)) {
        *error = path + QStringLiteral(": ") + *error;
        return false;
    }
    const CatalogueStatus opened = catalogue->open(settings);
    if (!opened.ok()) {
        *error = QStringLiteral("the catalogue (%1) cannot be opened: %2")
                     .arg(settings.describe(), opened.reason);
        return false;
    }
    return true;
}

int importCsv(Catalogue &catalogue, const QString &file)
{
    const ProductCsv::Report report =
        ProductCsv::importFile(catalogue, file, Journal::systemUserName());
    if (!report.status.ok())
        return fail(1,
                    QStringLiteral("nothing imported from %1: %2").arg(file, report.status.reason));
    for (const QString &column : report.ignoredColumns)
        say(QStringLiteral("%1: column \"%2\" ignored").arg(file, column));
    for (const ProductCsv::Refusal &r : report.refused)
        say(QStringLiteral("%1:%2: %3 refused: %4").arg(file).arg(r.line).arg(r.code, r.reason));
    if (report.refusedCount > report.refused.size())
        say(QStringLiteral("%1: and %2 more rows refused")
                .arg(file)
                .arg(report.refusedCount - report.refused.size()));
    say(QStringLiteral("%1: %2 products imported, %3 rows refused")
            .arg(file)
            .arg(report.imported)
            .arg(report.refusedCount));
    return report.refusedCount == 0 ? 0 : 1;
}

int products(Catalogue &catalogue, const QString &text)
{
    int total = 0;
    for (int offset = 0;; offset += Catalogue::kMaxPage) {
        QList<Product> page;
        const CatalogueStatus found =
            catalogue.searchProducts(text, offset, Catalogue::kMaxPage, &page, &total);
        if (!found.ok())
            return fail(1, QStringLiteral("cannot list the products: %1").arg(found.reason));
        for (const Product &p : qAsConst(page))
            say(QStringList{p.code, p.gtin, p.name, p.templateName, p.shelfLife.toText()}.join(
                QLatin1Char('\t')));
        if (page.size() < Catalogue::kMaxPage)
            break;
    }
    std::fprintf(stderr, "korvex-catalogue: %d products\n", total);
    return 0;
}

// One line of standard input, without echo on a terminal.
bool readPassword(const QString &account, QString *password)
{
    const bool terminal = ::isatty(STDIN_FILENO);
    termios before{};
    if (terminal) {
        std::fprintf(stderr, "Password of %s: ", qPrintable(account));
        std::fflush(stderr);
        ::tcgetattr(STDIN_FILENO, &before);
        termios quiet = before;
        quiet.c_lflag &= ~tcflag_t(ECHO);
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
    }
    QByteArray line(kMaxPasswordBytes + 2, '\0');
    const bool read = std::fgets(line.data(), line.size(), stdin) != nullptr;
    if (terminal) {
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &before);
        std::fprintf(stderr, "\n");
    }
    if (!read)
        return false;
    line.truncate(int(qstrlen(line.constData())));
    if (line.endsWith('\n'))
        line.chop(1);
    else if (line.size() > kMaxPasswordBytes)
        return false;
    if (line.endsWith('\r'))
        line.chop(1);
    *password = QString::fromUtf8(line);
    return true;
}

int approve(Catalogue &catalogue, const QString &templateName, const QString &signer,
            const QString &meaning)
{
    if (!FileRecord::isSafeFileName(templateName) || templateName.startsWith(QLatin1Char('.')))
        return fail(kUsage,
                    QStringLiteral("\"%1\" is not a message name of Spray/").arg(templateName));
    if (signer.trimmed().isEmpty() || UserStore::nameProblem(signer.trimmed()) != QString())
        return fail(kUsage, QStringLiteral("--signer names who signs (a user name)"));
    if (meaning.trimmed().isEmpty() || meaning.size() > 200 || meaning.contains(QLatin1Char('\n')))
        return fail(kUsage, QStringLiteral("--meaning is one line of at most 200 characters"));
    const QString path = QDir(QStringLiteral("Spray")).filePath(templateName);
    const PlainFile file = PlainFile::read(path);
    if (!file.ok())
        return fail(1, QStringLiteral("cannot read %1%2")
                           .arg(path, file.error.isEmpty() ? QString() : ": " + file.error));

    UserStore users;
    const UserStore::Result loaded = users.load();
    if (!loaded.ok)
        return fail(1, loaded.error);
    Approval approval;
    approval.templateName = templateName;
    approval.sha256 = QString::fromLatin1(
        QCryptographicHash::hash(file.bytes, QCryptographicHash::Sha256).toHex());
    approval.signerName = signer.trimmed();
    approval.meaning = meaning.trimmed();
    const bool usersOn = users.enabled();
    if (usersOn) {
        QString password;
        if (!readPassword(approval.signerName, &password))
            return fail(1, QStringLiteral("no password on standard input"));
        const UserStore::SignIn signIn = users.signIn(approval.signerName, password);
        if (!signIn.ok)
            return fail(1, QStringLiteral("not signed: %1").arg(signIn.error));
        if (int(signIn.role) < int(Role::Supervisor))
            return fail(1, QStringLiteral("not signed: %1 is %2; a Supervisor or an "
                                          "Administrator signs templates")
                               .arg(approval.signerName, Roles::name(signIn.role)));
        approval.account = approval.signerName;
        approval.method = Approval::Method::Password;
    } else {
        approval.account = Journal::systemUserName();
        approval.method = Approval::Method::Unsigned;
    }

    // Nothing is approved that the journal would not show.
    Journal journal;
    QString error;
    if (!journal.open(&error))
        return fail(1,
                    QStringLiteral("not approved: the journal cannot be written: %1").arg(error));
    const CatalogueStatus approved = catalogue.approve(&approval, usersOn);
    if (!approved.ok())
        return fail(1, QStringLiteral("not approved: %1").arg(approved.reason));
    const JournalWrite line =
        journal.append(approval.account, JournalAction::kTemplateApproved,
                       {{QStringLiteral("template"), approval.templateName},
                        {QStringLiteral("sha256"), approval.sha256},
                        {QStringLiteral("signer"), approval.signerName},
                        {QStringLiteral("meaning"), approval.meaning},
                        {QStringLiteral("method"), Approval::methodName(approval.method)},
                        {QStringLiteral("approval"), approval.id}});
    journal.waitForDisk();
    if (!line.ok)
        return fail(1, QStringLiteral("%1 is approved (approval %2) but not in the journal: %3")
                           .arg(templateName)
                           .arg(approval.id)
                           .arg(line.error));
    say(QStringLiteral("%1 (SHA-256 %2) approved by %3%4: %5")
            .arg(templateName, approval.sha256, approval.signerName,
                 usersOn ? QString() : QStringLiteral(" (unsigned, users are off)"),
                 approval.meaning));
    return 0;
}

int listJobs(Catalogue &catalogue, const QDate &from, const QDate &to, const QString &lot)
{
    JobQuery query;
    if (from.isValid())
        query.from = from.startOfDay().toUTC();
    if (to.isValid())
        query.to = to.addDays(1).startOfDay().toUTC();
    query.lot = lot;
    QList<JobRecord> jobs;
    const CatalogueStatus found = catalogue.jobs(query, &jobs);
    if (!found.ok())
        return fail(1, QStringLiteral("cannot list the jobs: %1").arg(found.reason));
    for (const JobRecord &j : qAsConst(jobs))
        say(QStringList{QString::number(j.id), Catalogue::timeText(j.startedAt), j.productCode,
                        j.orderNumber, j.lot, j.startedBy,
                        j.endedAt.isValid() ? Catalogue::timeText(j.endedAt)
                                            : QStringLiteral("running")}
                .join(QLatin1Char('\t')));
    return 0;
}

int jobCsv(Catalogue &catalogue, const QString &idText, const QString &output)
{
    bool number = false;
    const qint64 id = idText.toLongLong(&number);
    if (!number || id <= 0)
        return fail(kUsage, QStringLiteral("\"%1\" is no job number").arg(idText));
    JobRecord job;
    const CatalogueStatus found = catalogue.job(id, &job);
    if (!found.ok())
        return fail(1, QStringLiteral("job %1: %2").arg(id).arg(found.reason));
    const QByteArray csv = job.toCsv();
    if (output.isEmpty()) {
        std::fwrite(csv.constData(), 1, size_t(csv.size()), stdout);
        return std::fflush(stdout) == 0 ? 0 : fail(1, QStringLiteral("cannot write the CSV"));
    }
    QSaveFile file(output);
    QString reason;
    if (!file.open(QIODevice::WriteOnly) || !writeWhole(file, csv, &reason) || !file.commit()) {
        file.cancelWriting();
        return fail(1, QStringLiteral("cannot write %1: %2")
                           .arg(output, reason.isEmpty() ? file.errorString() : reason));
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("korvex-catalogue"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KORVEX_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Works on the catalogue of the working folder: the database that [database] of "
        "korvex.conf names, or korvex.db (SQLite) without one.\n\n"
        "import FILE.csv: adds the products of an ERP's CSV file; every refused row is "
        "reported with its line and why, and exits with 1 when there is any.\n"
        "export FILE.csv: writes every product (the file is replaced whole).\n"
        "products [TEXT]: lists the products whose code, GTIN or name holds TEXT.\n"
        "approve TEMPLATE --signer NAME [--meaning TEXT]: releases the message "
        "Spray/TEMPLATE as it is now for production. With users on (users.json), the "
        "signer's password is read from standard input and the signer must be a Supervisor "
        "or an Administrator who did not save that version; with users off the approval "
        "is recorded unsigned under the system login. Journaled.\n"
        "jobs [--from DATE] [--to DATE] [--lot LOT]: lists the batch records, newest first.\n"
        "job ID [--csv FILE]: writes a job's batch record as CSV."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption signer(QStringLiteral("signer"),
                                    QStringLiteral("approve: who signs (the user account)."),
                                    QStringLiteral("name"));
    const QCommandLineOption meaning(
        QStringLiteral("meaning"),
        QStringLiteral("approve: what the signature means (default: %1).").arg(kDefaultMeaning),
        QStringLiteral("text"), kDefaultMeaning);
    const QCommandLineOption from(QStringLiteral("from"),
                                  QStringLiteral("jobs: the first day (YYYY-MM-DD, local time)."),
                                  QStringLiteral("date"));
    const QCommandLineOption to(QStringLiteral("to"),
                                QStringLiteral("jobs: the last day (YYYY-MM-DD)."),
                                QStringLiteral("date"));
    const QCommandLineOption lot(QStringLiteral("lot"), QStringLiteral("jobs: only this lot."),
                                 QStringLiteral("lot"));
    const QCommandLineOption csv(QStringLiteral("csv"),
                                 QStringLiteral("job: the CSV file to write; default: standard "
                                                "output."),
                                 QStringLiteral("file"));
    parser.addOptions({signer, meaning, from, to, lot, csv});
    parser.addPositionalArgument(QStringLiteral("command"),
                                 QStringLiteral("import, export, products, approve, jobs or job"));
    parser.process(app);

    const QStringList args = parser.positionalArguments();
    const QString command = args.value(0);
    const QHash<QString, QPair<int, int>> arity{
        {QStringLiteral("import"), {2, 2}},   {QStringLiteral("export"), {2, 2}},
        {QStringLiteral("products"), {1, 2}}, {QStringLiteral("approve"), {2, 2}},
        {QStringLiteral("jobs"), {1, 1}},     {QStringLiteral("job"), {2, 2}}};
    if (!arity.contains(command))
        return fail(kUsage, command.isEmpty()
                                ? QStringLiteral("name a command (see --help)")
                                : QStringLiteral("unknown command %1 (see --help)").arg(command));
    if (args.size() < arity.value(command).first || args.size() > arity.value(command).second)
        return fail(kUsage, QStringLiteral("wrong arguments for %1 (see --help)").arg(command));
    if (command == QLatin1String("approve") && !parser.isSet(signer))
        return fail(kUsage, QStringLiteral("approve needs --signer NAME"));

    QDate dates[2];
    const QCommandLineOption *options[2] = {&from, &to};
    for (int i = 0; i < 2; ++i) {
        if (!parser.isSet(*options[i]))
            continue;
        dates[i] = QDate::fromString(parser.value(*options[i]), Qt::ISODate);
        if (!dates[i].isValid())
            return fail(kUsage, QStringLiteral("--%1 %2 is not a date YYYY-MM-DD")
                                    .arg(options[i]->names().first(), parser.value(*options[i])));
    }

    Catalogue catalogue;
    QString error;
    if (!openCatalogue(&catalogue, &error))
        return fail(1, error);
    const QString argument = args.value(1);
    if (command == QLatin1String("import"))
        return importCsv(catalogue, argument);
    if (command == QLatin1String("export")) {
        const CatalogueStatus written = ProductCsv::exportFile(catalogue, argument);
        return written.ok()
                   ? 0
                   : fail(1,
                          QStringLiteral("cannot export to %1: %2").arg(argument, written.reason));
    }
    if (command == QLatin1String("products"))
        return products(catalogue, argument);
    if (command == QLatin1String("approve"))
        return approve(catalogue, argument, parser.value(signer), parser.value(meaning));
    if (command == QLatin1String("jobs"))
        return listJobs(catalogue, dates[0], dates[1], parser.value(lot));
    return jobCsv(catalogue, argument, parser.value(csv));
}
