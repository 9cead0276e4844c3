// SPDX-License-Identifier: GPL-3.0-or-later
// korvex-catalogue run in a working folder as a plant's script would: an
// import reports each refused row and keeps the good ones, an approval is
// signed (users on) or marked unsigned (users off) and always journaled,
// and a batch record comes out as CSV.
#include "catalogue.h"
#include "journal.h"
#include "journalline.h"
#include "userstore.h"

#include <QCryptographicHash>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run
{
    int code;
    QString out;
    QString err;
};

const QByteArray kTemplate = R"({"TextItemInfo":[{"TextContent":"LOT {{lot}}"}]})";

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
}

QList<QJsonObject> journalLines(const QString &folder)
{
    QList<QJsonObject> lines;
    forEachJournalLine(folder + "/journal", QString(), QString(),
                       [&](const JournalLine &line, const QString &) {
                           lines << line.object;
                           return true;
                       });
    return lines;
}

} // namespace

class TestKorvexCatalogue : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;

    Run run(const QStringList &args, const QByteArray &input = QByteArray())
    {
        QProcess process;
        process.setWorkingDirectory(dir->path());
        process.start(KORVEX_CATALOGUE, args);
        process.write(input);
        process.closeWriteChannel();
        if (!process.waitForFinished(30000))
            return {-1, {}, {}};
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }
    QString path(const QString &name) const { return dir->filePath(name); }

private slots:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir(dir->path()).mkpath("Spray"));
        writeFile(path("Spray/juice.spr"), kTemplate);
    }

    void productsGoInAndOut()
    {
        writeFile(path("in.csv"), "code,gtin,name,template,colour\r\n"
                                  "OJ-1L,5901234123457,Orange juice,juice.spr,orange\r\n"
                                  "OJ-2L,5901234123458,Orange juice 2 l,juice.spr,orange\r\n");
        Run imported = run({"import", "in.csv"});
        QCOMPARE(imported.code, 1);
        QVERIFY2(imported.out.contains("in.csv:3: OJ-2L refused: "), qPrintable(imported.out));
        QVERIFY(imported.out.contains("column \"colour\" ignored"));
        QVERIFY(imported.out.contains("1 products imported, 1 rows refused"));

        Run listed = run({"products", "orange"});
        QCOMPARE(listed.code, 0);
        QCOMPARE(listed.out, QString("OJ-1L\t05901234123457\tOrange juice\tjuice.spr\t\n"));
        QCOMPARE(run({"products", "apple"}).out, QString());

        QCOMPARE(run({"export", "out.csv"}).code, 0);
        QFile out(path("out.csv"));
        QVERIFY(out.open(QIODevice::ReadOnly));
        const QByteArray exported = out.readAll();
        QVERIFY2(exported.contains("OJ-1L,05901234123457,Orange juice,juice.spr"),
                 exported.constData());
        QVERIFY(!exported.contains("OJ-2L"));

        // A second import of the same row adds nothing.
        writeFile(path("again.csv"), "code,name,template\r\nOJ-1L,Orange juice,juice.spr\r\n");
        QCOMPARE(run({"import", "again.csv"}).code, 1);
        QCOMPARE(run({"import", "missing.csv"}).code, 1);
        QCOMPARE(run({"products"}).out.count('\n'), 1);
    }

    void approvalsWithUsersOff()
    {
        Run approved = run({"approve", "juice.spr", "--signer", "Olga Supervisor"});
        QCOMPARE(approved.code, 0);
        QVERIFY2(approved.out.contains("unsigned, users are off"), qPrintable(approved.out));
        const QString sha = QCryptographicHash::hash(kTemplate, QCryptographicHash::Sha256).toHex();
        {
            Catalogue catalogue;
            QVERIFY(catalogue.open(DatabaseSettings::sqlite(path("korvex.db"))).ok());
            Approval a;
            QVERIFY(catalogue.approvalOf("juice.spr", sha, &a).ok());
            QCOMPARE(a.method, Approval::Method::Unsigned);
            QCOMPARE(a.signerName, QString("Olga Supervisor"));
            QCOMPARE(a.account, Journal::systemUserName());
        }
        const QList<QJsonObject> lines = journalLines(dir->path());
        QCOMPARE(lines.size(), 1);
        QCOMPARE(lines.at(0).value("action").toString(), QString("template approved"));
        QCOMPARE(lines.at(0).value("sha256").toString(), sha);
        QCOMPARE(lines.at(0).value("method").toString(), QString("unsigned"));

        // Nothing but a plain message of Spray/, and a signer, is taken.
        QCOMPARE(run({"approve", "../korvex.db", "--signer", "x"}).code, 2);
        QCOMPARE(run({"approve", "nowhere.spr", "--signer", "x"}).code, 1);
        QCOMPARE(run({"approve", "juice.spr"}).code, 2);
        QCOMPARE(journalLines(dir->path()).size(), 1);
    }

    // Users on: the password from standard input, the role, and the
    // four-eyes rule; only a good signature is stored and journaled.
    void approvalsWithUsersOn()
    {
        {
            UserStore users(path("users.json"));
            users.setRounds(1);
            QVERIFY(users.setUser("admin", Role::Administrator, "admin-pw").ok);
            QVERIFY(users.setUser("olga", Role::Supervisor, "olga-pw").ok);
            QVERIFY(users.setUser("otto", Role::Operator, "otto-pw").ok);
            users.setEnabled(true);
            QVERIFY(users.save().ok);
            Catalogue catalogue;
            QVERIFY(catalogue.open(DatabaseSettings::sqlite(path("korvex.db"))).ok());
            TemplateSave save;
            save.templateName = "juice.spr";
            save.sha256 = QCryptographicHash::hash(kTemplate, QCryptographicHash::Sha256).toHex();
            save.savedBy = "olga";
            QVERIFY(catalogue.recordTemplateSave(save).ok());
        }
        const QStringList olga{"approve", "juice.spr", "--signer", "olga"};
        Run refused = run(olga, "wrong\n");
        QCOMPARE(refused.code, 1);
        QVERIFY2(refused.err.contains("not signed"), qPrintable(refused.err));
        refused = run(olga, "olga-pw\n");
        QCOMPARE(refused.code, 1);
        QVERIFY2(refused.err.contains("may not also approve it"), qPrintable(refused.err));
        refused = run({"approve", "juice.spr", "--signer", "otto"}, "otto-pw\n");
        QVERIFY2(refused.err.contains("otto is Operator"), qPrintable(refused.err));
        QCOMPARE(run({"approve", "juice.spr", "--signer", "admin"}).code, 1); // no password
        QCOMPARE(journalLines(dir->path()).size(), 0);

        Run signedBy = run({"approve", "juice.spr", "--signer", "admin", "--meaning", "Released"},
                           "admin-pw\r\n");
        QCOMPARE(signedBy.code, 0);
        const QList<QJsonObject> lines = journalLines(dir->path());
        QCOMPARE(lines.size(), 1);
        QCOMPARE(lines.at(0).value("user").toString(), QString("admin"));
        QCOMPARE(lines.at(0).value("method").toString(), QString("password"));
        QCOMPARE(lines.at(0).value("meaning").toString(), QString("Released"));
    }

    void batchRecordsComeOutAsCsv()
    {
        JobRecord job;
        {
            Catalogue catalogue;
            QVERIFY(catalogue.open(DatabaseSettings::sqlite(path("korvex.db"))).ok());
            job.productCode = "OJ-1L";
            job.orderNumber = "PO-77";
            job.lot = "A2041";
            job.templateName = "juice.spr";
            job.templateSha256 = QString(64, 'a');
            job.messageSha256 = QString(64, 'b');
            job.startedBy = "anna";
            JobCoderRecord coder;
            coder.ip = "127.0.0.11";
            coder.sentSha256 = job.messageSha256;
            coder.result = "verified";
            job.coders << coder;
            QVERIFY(catalogue.addJob(&job).ok());
            QVERIFY(catalogue.job(job.id, &job).ok());
        }
        Run listed = run({"jobs", "--lot", "A2041"});
        QCOMPARE(listed.code, 0);
        QVERIFY2(listed.out.startsWith(QString::number(job.id) + "\t"), qPrintable(listed.out));
        QVERIFY(listed.out.contains("\tOJ-1L\tPO-77\tA2041\tanna\trunning\n"));
        QCOMPARE(run({"jobs", "--lot", "B1"}).out, QString());
        QCOMPARE(run({"jobs", "--from", "2026-13-01"}).code, 2);

        QCOMPARE(run({"job", QString::number(job.id), "--csv", "job.csv"}).code, 0);
        QFile csv(path("job.csv"));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QCOMPARE(csv.readAll(), job.toCsv());
        QCOMPARE(run({"job", "99"}).code, 1);
        QCOMPARE(run({"job", "x"}).code, 2);
    }
};

QTEST_GUILESS_MAIN(TestKorvexCatalogue)
#include "tst_korvexcatalogue.moc"
