// SPDX-License-Identifier: GPL-3.0-or-later
// The products view, template approvals and batch records in the control
// window, on a catalogue in SQLite in the test's own folder.
#include "../common/promptslayer.h"
#include "../common/recordingnotifier.h"
#include "../common/testfiles.h"
#include "batchrecordsdialog.h"
#include "catalogue.h"
#include "cataloguetemplatefields.h"
#include "commandjournal.h"
#include "jobservice.h"
#include "journal.h"
#include "journaldock.h"
#include "productsdialog.h"
#include "productslink.h"
#include "session.h"
#include "signaturedialog.h"
#include "stationwindow.h"
#include "templatesigning.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QPlainTextEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

const QByteArray kTemplate =
    R"({"ExternDataInfo":{"ExternMode":0},"TextItemInfo":[{"TextAtX":20,"TextAtY":10,)"
    R"("TextAtZ":0,"TextContent":"LOT {{lot}}","TextFont":"DejaVu Sans,-1,120,5,75,0,0,0,0,0",)"
    R"("TextRotate":0,"TextID":"Text0","TextIsExtern":false,"TextFontSpace":0}]})";

// File dialogs answered with the names given.
struct FileAnswers : PromptsLayer
{
    QString open;
    QString save;
    QString openFileName(QWidget *, const QString &, const QString &, const QString &) override
    {
        return open;
    }
    QString saveFileName(QWidget *, const QString &, const QString &, const QString &,
                         const QString &) override
    {
        return save;
    }
};

} // namespace

class TestProducts : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_before;
    std::unique_ptr<RecordingNotifier> notifier;
    std::unique_ptr<ScriptedDialogs> dialogs;
    std::unique_ptr<FileAnswers> files;
    std::unique_ptr<StationWindow> window;
    std::unique_ptr<JobService> jobs;
    std::unique_ptr<ProductsLink> link;

    Station *station() const { return static_cast<KorvexMainWindow *>(window.get())->station(); }
    Session *session() const { return station()->session(); }
    Catalogue *catalogue() const { return jobs->catalogue(); }
    std::unique_ptr<ProductsDialog> productsDialog() const
    {
        return std::make_unique<ProductsDialog>(catalogue(), session(), station()->commands(),
                                                "Spray", "Jobs");
    }
    template <class T> static T *child(QObject *parent, const char *name)
    {
        T *found = parent->findChild<T *>(name);
        if (!found)
            qFatal("no %s", name);
        return found;
    }
    // The signature dialog answered with these, as a signer would type them.
    void signAs(const QString &name, const QString &password)
    {
        dialogs->answer<SignatureDialog>([name, password](SignatureDialog *d) {
            d->setSigner(name, password);
            return int(QDialog::Accepted);
        });
    }
    // Users on: anna the administrator, olga a supervisor, signed in as who.
    void usersOn(const QString &who)
    {
        session()->store()->setRounds(10);
        QVERIFY(session()->switchOn("anna", "anna-pw").ok);
        QVERIFY(session()->setUser("olga", Role::Supervisor, "olga-pw").ok);
        QVERIFY(session()->setUser("otto", Role::Operator, "otto-pw").ok);
        session()->signOut("test");
        QVERIFY(session()->signIn(who, who + "-pw").ok);
    }

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules("korvex.*.debug=false\nkorvex.*.info=false");
        m_before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_dir.path()));
    }
    void cleanupTestCase() { QDir::setCurrent(m_before); }

    void init()
    {
        for (const char *folder : {"journal", "devices", "Jobs", "Spray"})
            QDir(folder).removeRecursively();
        for (const char *file : {"korvex.db", "users.json", "korvex.conf"})
            QFile::remove(file);
        QVERIFY(QDir().mkpath("Spray") && QDir().mkpath("Jobs"));
        writeFile("Spray/juice.spr", kTemplate);
        notifier = std::make_unique<RecordingNotifier>();
        dialogs = std::make_unique<ScriptedDialogs>();
        files = std::make_unique<FileAnswers>();
        window = std::make_unique<StationWindow>();
        jobs = std::make_unique<JobService>(station());
        QVERIFY(jobs->open());
        link = std::make_unique<ProductsLink>(window.get(), jobs.get());
    }
    void cleanup()
    {
        link.reset();
        jobs.reset();
        window.reset();
        files.reset();
        dialogs.reset();
        notifier.reset();
    }

    // The GTIN checked as typed, the product saved, and a save of a copy
    // someone else changed meanwhile refused naming them, nothing overwritten.
    void editAndSaveRefusesTheSecondConcurrentSave()
    {
        auto dialog = productsDialog();
        auto *gtin = child<QLineEdit>(dialog.get(), "gtin");
        auto *gtinCheck = child<QLabel>(dialog.get(), "gtinCheck");
        const QList<QPair<QString, QString>> typed{{"9501101020918", "check digit"},
                                                   {"95011010209x", "digit"},
                                                   {"9501101020917", "09501101020917"}};
        for (const auto &row : typed) {
            gtin->setText(row.first);
            QVERIFY2(gtinCheck->text().contains(row.second), qPrintable(gtinCheck->text()));
        }
        child<QLineEdit>(dialog.get(), "code")->setText("OJ-1L");
        child<QLineEdit>(dialog.get(), "name")->setText("Orange juice 1 l");
        child<QComboBox>(dialog.get(), "templateName")->setCurrentText("juice.spr");
        child<QLineEdit>(dialog.get(), "shelfLife")->setText("30 days");
        child<QPlainTextEdit>(dialog.get(), "fields")
            ->setPlainText(R"([{"name":"lot","label":"Lot","kind":"text","required":true}])");
        child<QCheckBox>(dialog.get(), "packagingScan")->setChecked(true);
        QVERIFY(dialog->save());
        QCOMPARE(dialog->total(), 1);
        QCOMPARE(dialog->current().gtin, QString("09501101020917"));
        QVERIFY(dialog->current().packagingScan);

        // Fields that are no JSON: refused with the reason.
        child<QPlainTextEdit>(dialog.get(), "fields")->setPlainText("[{");
        QVERIFY(!dialog->save());
        child<QPlainTextEdit>(dialog.get(), "fields")
            ->setPlainText(R"([{"name":"lot","label":"Lot","kind":"text","required":true}])");

        // Another PC saves the same product first.
        Catalogue other;
        QVERIFY(other.open(DatabaseSettings::sqlite("korvex.db")).ok());
        Product theirs;
        QVERIFY(other.productByCode("OJ-1L", &theirs).ok());
        theirs.name = "Orange juice, one litre";
        QVERIFY(other.updateProduct(&theirs, "berta").ok());

        child<QLineEdit>(dialog.get(), "name")->setText("Orange juice 1 litre");
        notifier->boxes.clear();
        QVERIFY(!dialog->save());
        QCOMPARE(notifier->boxes.size(), 1);
        QVERIFY2(notifier->boxes.at(0).text.contains("berta"),
                 qPrintable(notifier->boxes.at(0).text));
        Product stored;
        QVERIFY(catalogue()->productByCode("OJ-1L", &stored).ok());
        QCOMPARE(stored.name, QString("Orange juice, one litre"));
    }

    // An import with a bad row: the good rows in, the bad one reported by
    // line and reason; the export holds what was imported.
    void csvImportReportsRefusedRowsAndExportWritesTheProducts()
    {
        writeFile("erp.csv", "code,gtin,name,template\n"
                             "A1,9501101020917,Apple juice,juice.spr\n"
                             "B2,9501101020918,Bad digit,juice.spr\n"
                             "C3,,Cherry juice,juice.spr\n");
        files->open = QDir::current().absoluteFilePath("erp.csv");
        auto dialog = productsDialog();
        dialog->importCsv();
        QCOMPARE(dialog->total(), 2);
        QCOMPARE(notifier->boxes.size(), 1);
        const QString report = notifier->boxes.at(0).text;
        QVERIFY2(report.contains("2 products imported, 1 rows refused"), qPrintable(report));
        QVERIFY2(report.contains("line 3 (B2)"), qPrintable(report));

        files->save = QDir::current().absoluteFilePath("out.csv");
        dialog->exportCsv();
        QFile out("out.csv");
        QVERIFY(out.open(QIODevice::ReadOnly));
        const QByteArray exported = out.readAll();
        QVERIFY(exported.contains("A1") && exported.contains("C3") && !exported.contains("B2"));
    }

    // Users on: the wrong password and the version's own author are
    // refused, another supervisor signs, and changed bytes are not approved.
    void signaturesCheckThePasswordAndFourEyes()
    {
        usersOn("olga");
        // The designer saves the template as olga.
        window->journal()->saved(QDir::current().absoluteFilePath("Spray/juice.spr"));
        TemplateSave last;
        QVERIFY(catalogue()
                    ->lastTemplateSave("juice.spr", TemplateSigning::fileSha256("Spray/juice.spr"),
                                       &last)
                    .ok());
        QCOMPARE(last.savedBy, QString("olga"));

        auto dialog = productsDialog();
        child<QComboBox>(dialog.get(), "templateName")->setCurrentText("juice.spr");
        auto *signature = child<QLabel>(dialog.get(), "signature");
        QVERIFY(signature->text().startsWith("not approved"));
        const struct
        {
            QString who, password, refusal;
        } refused[] = {{"olga", "wrong", "Not signed"},
                       {"olga", "olga-pw", "may not also approve"}};
        for (const auto &row : refused) {
            notifier->boxes.clear();
            signAs(row.who, row.password);
            dialog->signTemplate();
            QCOMPARE(notifier->boxes.size(), 1);
            QVERIFY2(notifier->boxes.at(0).text.contains(row.refusal),
                     qPrintable(notifier->boxes.at(0).text));
            QVERIFY(signature->text().startsWith("not approved"));
        }
        // An operator may not open the view at all; anna signs.
        session()->signOut("test");
        QVERIFY(session()->signIn("otto", "otto-pw").ok);
        notifier->boxes.clear();
        link->open();
        QCOMPARE(notifier->boxes.size(), 1);
        session()->signOut("test");
        QVERIFY(session()->signIn("anna", "anna-pw").ok);
        signAs("anna", "anna-pw");
        dialog->signTemplate();
        QVERIFY2(signature->text().contains("signed by anna"), qPrintable(signature->text()));
        QVERIFY(signature->text().contains(TemplateSigning::fileSha256("Spray/juice.spr")));
        QVERIFY(signature->text().contains("Approved for production"));
        bool journaled = false;
        for (const QString &name : QDir(station()->journal()->folder()).entryList()) {
            QFile f(station()->journal()->folder() + "/" + name);
            if (f.open(QIODevice::ReadOnly) && f.readAll().contains("template approved"))
                journaled = true;
        }
        QVERIFY(journaled);

        writeFile("Spray/juice.spr", QByteArray(kTemplate).replace("LOT", "LOS"));
        child<QComboBox>(dialog.get(), "templateName")->setCurrentText(QString());
        child<QComboBox>(dialog.get(), "templateName")->setCurrentText("juice.spr");
        QVERIFY(signature->text().startsWith("not approved"));
    }

    void withUsersOffApprovalsAreUnsignedUnderTheSystemLogin()
    {
        auto dialog = productsDialog();
        child<QComboBox>(dialog.get(), "templateName")->setCurrentText("juice.spr");
        signAs(QString(), QString());
        dialog->signTemplate();
        Approval a;
        QVERIFY(catalogue()
                    ->approvalOf("juice.spr", TemplateSigning::fileSha256("Spray/juice.spr"), &a)
                    .ok());
        QCOMPARE(a.method, Approval::Method::Unsigned);
        QCOMPARE(a.account, Journal::systemUserName());
        QVERIFY(child<QLabel>(dialog.get(), "signature")->text().contains("unsigned"));
    }

    // What the designer learns of a message from the catalogue: the products
    // naming it as their template with their fields, and whether exactly
    // these bytes are signed.
    void theDesignerSeesTheTemplatesOfTheCatalogue()
    {
        for (const char *code : {"OJ-1L", "OJ-330", "AJ-1L"}) {
            Product p;
            p.code = code;
            p.name = "Juice";
            p.templateName = QByteArray(code) == "AJ-1L" ? "apple.spr" : "juice.spr";
            JobField line;
            line.name = QByteArray(code) == "OJ-1L" ? "line" : "shift";
            line.label = "Line";
            line.kind = JobField::Kind::Integer;
            line.hasRange = true;
            line.minimum = 2;
            line.maximum = 9;
            p.fields << line;
            QVERIFY2(catalogue()->addProduct(&p, "olga").ok(), code);
        }
        CatalogueTemplateFields fields(catalogue());
        const TemplateProducts products = fields.productsOf("juice.spr");
        QCOMPARE(products.codes, (QStringList{"OJ-1L", "OJ-330"}));
        QCOMPARE(products.fields.size(), 2);
        QCOMPARE(products.fields.first().minimum, 2);
        QVERIFY(!fields.productsOf("orange.spr").isTemplate());

        QByteArray bytes = kTemplate;
        QCOMPARE(fields.signatureOf("juice.spr", bytes).state,
                 TemplateFields::Signature::State::NotApproved);
        QVERIFY(TemplateSigning::sign(*catalogue(), *session(), nullptr, "Spray/juice.spr", {}, {},
                                      TemplateSigning::approvedForProduction())
                    .ok);
        const TemplateFields::Signature signature = fields.signatureOf("juice.spr", bytes);
        QCOMPARE(signature.state, TemplateFields::Signature::State::Approved);
        QCOMPARE(signature.signer, Journal::systemUserName());
        QVERIFY(signature.unsignedApproval);
        QCOMPARE(signature.meaning, QString("Approved for production"));
        QCOMPARE(fields.signatureOf("juice.spr", bytes.replace("LOT", "L0T")).state,
                 TemplateFields::Signature::State::NotApproved);
    }

    // The batch record as a PDF: a PDF whose text holds the lot and the
    // filled message's SHA-256; and as CSV.
    void batchRecordExportsAsPdfAndCsv()
    {
        const QByteArray filled = QByteArray(kTemplate).replace("{{lot}}", "L-7731");
        writeFile("Jobs/job-4711-L-7731.spr", filled);
        JobRecord job;
        job.productCode = "OJ-1L";
        job.orderNumber = "4711";
        job.lot = "L-7731";
        job.fieldValues = {{"lot", "L-7731"}};
        job.templateName = "juice.spr";
        job.templateSha256 = TemplateSigning::fileSha256("Spray/juice.spr");
        job.messageSha256 = TemplateSigning::fileSha256("Jobs/job-4711-L-7731.spr");
        Approval approval;
        approval.templateName = job.templateName;
        approval.sha256 = job.templateSha256;
        approval.signerName = approval.account = "olga";
        approval.meaning = "Approved for production";
        QVERIFY(catalogue()->approve(&approval, true).ok());
        job.approvalId = approval.id;
        job.startedBy = "otto";
        job.startedAt = QDateTime::currentDateTimeUtc();
        JobCoderRecord coder;
        coder.ip = "127.0.0.11";
        coder.remarkName = "Line 1";
        coder.sentSha256 = job.messageSha256;
        coder.readBackSha256 = job.messageSha256;
        coder.result = "verified";
        job.coders << coder;
        QVERIFY(catalogue()->addJob(&job).ok());

        ReaderCounts reads;
        reads.jobId = job.id;
        reads.coder = "127.0.0.11";
        reads.reader = "1";
        reads.good = 2;
        reads.bad = 1;
        QVERIFY(catalogue()->recordReaderCounts(reads).ok());
        ChallengeRecord challenge;
        challenge.coder = "127.0.0.11";
        challenge.reader = "1";
        challenge.jobId = job.id;
        challenge.passed = true;
        challenge.by = "sveta";
        challenge.readsSeen = 3;
        QVERIFY(catalogue()->addChallenge(&challenge).ok());

        BatchRecordsDialog dialog(catalogue(), "Jobs");
        QCOMPARE(dialog.jobs().size(), 1);
        files->save = QDir::current().absoluteFilePath("job.pdf");
        QVERIFY(dialog.exportPdf());
        QFile pdf("job.pdf");
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");
        files->save = QDir::current().absoluteFilePath("job.csv");
        QVERIFY(dialog.exportCsv());
        QFile csv("job.csv");
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QVERIFY(csv.readAll().contains("L-7731"));

        const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
        if (pdftotext.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QProcess text;
        text.start(pdftotext, {"job.pdf", "-"});
        QVERIFY(text.waitForFinished(30000));
        // Long hashes may wrap: compare without white space.
        const QString words =
            QString::fromUtf8(text.readAllStandardOutput()).remove(QRegExp("\\s"));
        QVERIFY2(words.contains("L-7731"), qPrintable(words));
        QVERIFY2(words.contains(job.messageSha256), qPrintable(words));
        QVERIFY2(words.contains("Approvedforproduction,signedbyolga"), qPrintable(words));
        QVERIFY2(words.contains("127.0.0.11,reader1:2good,1bad,0noread,0notcompared"),
                 qPrintable(words));
        QVERIFY2(words.contains("reader1,passedat") && words.contains("bysvetaafter3reads"),
                 qPrintable(words));
    }
};

QTEST_MAIN(TestProducts)
#include "tst_products.moc"
