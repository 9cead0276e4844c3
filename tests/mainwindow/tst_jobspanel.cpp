// SPDX-License-Identifier: GPL-3.0-or-later
// The "Jobs" view of the control window against a SQLite catalogue and
// simulated coders on 127.0.0.1: a job started from the view, each coder's
// stage on its button, the read-back in the preview's caption, and who may
// run jobs and send messages outside them.
#include "../common/recordingnotifier.h"
#include "../common/testfiles.h"
#include "accesscontrol.h"
#include "catalogue.h"
#include "coderlistmodel.h"
#include "devicelistpanel.h"
#include "eventlog.h"
#include "fleet.h"
#include "jobservice.h"
#include "jobspanel.h"
#include "journal.h"
#include "journalcheck.h"
#include "journalline.h"
#include "messagepreview.h"
#include "session.h"
#include "simulatedcoder.h"
#include "stationsettings.h"
#include "stationwindow.h"
#include "tcpserver.h"
#include "userstore.h"

#include <QComboBox>
#include <QCryptographicHash>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QLoggingCategory>
#include <QPushButton>
#include <QSettings>
#include <QtTest>

namespace {

const QByteArray kTemplate =
    R"({"ExternDataInfo":{"ExternMode":0},"TextItemInfo":[{"TextAtX":20,"TextAtY":10,)"
    R"("TextAtZ":0,"TextContent":"LOT {{lot}} L{{line}}","TextFont":"DejaVu Sans,-1,120,5,75,0,0,0,0,0",)"
    R"("TextRotate":0,"TextID":"Text0","TextIsExtern":false,"TextFontSpace":0}]})";

Product juice()
{
    Product p;
    p.code = "OJ-1L";
    p.gtin = "09501101020917";
    p.name = "Orange juice 1 l";
    p.templateName = "juice.spr";
    p.coders = QStringList{"127.0.0.*"};
    JobField line;
    line.name = "line";
    line.label = "Line";
    line.kind = JobField::Kind::Integer;
    line.hasRange = true;
    line.minimum = 1;
    line.maximum = 12;
    line.required = true;
    JobField shift;
    shift.name = "shift";
    shift.label = "Shift";
    shift.kind = JobField::Kind::PickList;
    shift.choices = QStringList{"A", "B"};
    shift.defaultValue = "A";
    p.fields << line << shift;
    return p;
}

} // namespace

class TestJobsPanel : public QObject
{
    Q_OBJECT

    std::unique_ptr<RecordingNotifier> notifier;
    std::unique_ptr<StationWindow> window;
    std::unique_ptr<JobService> service;
    std::vector<std::unique_ptr<SimulatedCoder>> sims;

    JobsPanel *panel() const { return window->jobsPanel(); }
    template <typename T> T *child(const QString &name) const
    {
        T *found = panel()->findChild<T *>(name);
        [&] { QVERIFY2(found, qPrintable(name)); }();
        return found;
    }
    QVariant data(int descriptor, int role) const
    {
        return window->deviceList()->indexOf(descriptor).data(role);
    }

    // A coder on 127.0.0.1, checked in the device list; its descriptor.
    int checkedCoder(const QString &folder, bool keepsItsMessage = false)
    {
        QDir().mkpath(folder);
        CoderSettings settings;
        settings.port = window->server()->serverPort();
        settings.folder = folder;
        settings.statusIntervalMs = 50;
        settings.keepsItsMessage = keepsItsMessage;
        if (keepsItsMessage) {
            writeFile(folder + "/own.spr", QByteArray(kTemplate).replace("{{lot}}", "OLD"));
            settings.messageSource = folder + "/own.spr";
        }
        sims.push_back(std::make_unique<SimulatedCoder>(settings));
        sims.back()->start();
        const int before = window->fleet()->descriptors().size();
        if (!QTest::qWaitFor([&] { return window->fleet()->descriptors().size() > before; }))
            return -1;
        const int descriptor = window->fleet()->descriptors().last();
        window->deviceList()->model()->flush();
        QListView *view = window->deviceList()->view();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                          view->visualRect(window->deviceList()->indexOf(descriptor)).center());
        return descriptor;
    }

    void chooseJuice()
    {
        child<QLineEdit>("searchEdit")->setText("juice");
        auto *list = child<QListWidget>("productList");
        QCOMPARE(list->count(), 1);
        list->item(0)->setSelected(true);
        QCOMPARE(panel()->product().code, QString("OJ-1L"));
    }

    void fillAndStart(const QString &line = "3")
    {
        child<QLineEdit>("orderEdit")->setText("PO-77");
        child<QLineEdit>("lotEdit")->setText("A2041");
        child<QLineEdit>("field_line")->setText(line);
        QTest::mouseClick(child<QPushButton>("startJobBtn"), Qt::LeftButton);
    }

    static void writeUsers()
    {
        UserStore store;
        store.setRounds(10);
        store.setEnabled(true);
        store.setUser("anna", Role::Administrator, "anna-pw");
        store.setUser("sam", Role::Supervisor, "sam-pw");
        store.setUser("olga", Role::Operator, "olga-pw");
        QVERIFY(store.save().ok);
    }

    void open()
    {
        window = std::make_unique<StationWindow>();
        window->fleet()->setReadBackTimeout(2000);
        service = std::make_unique<JobService>(window->KorvexMainWindow::station());
        QVERIFY(service->open());
        Product p = juice();
        QVERIFY(service->catalogue()->addProduct(&p, "sam").ok());
        Approval a;
        a.templateName = "juice.spr";
        a.sha256 = QCryptographicHash::hash(kTemplate, QCryptographicHash::Sha256).toHex();
        a.signerName = "Sam Supervisor";
        a.account = "sam";
        a.meaning = "Approved for production";
        QVERIFY(service->catalogue()->approve(&a, true).ok());
        window->setJobService(service.get());
        window->show();
    }

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(mainwindow);
        QLoggingCategory::setFilterRules("korvex.*.debug=false\nkorvex.*.info=false");
    }

    void init()
    {
        QSettings(QSettings::NativeFormat, QSettings::UserScope, "KorvexSoftWare").clear();
        for (const char *folder : {"Spray", "devices", "journal", "Jobs", "sim1", "sim2"})
            QDir(folder).removeRecursively();
        for (const char *file : {"korvex.db", "korvex.conf", "users.json"})
            QFile::remove(file);
        QDir().mkdir("Spray");
        writeFile("Spray/juice.spr", kTemplate);
        notifier = std::make_unique<RecordingNotifier>();
    }

    void cleanup()
    {
        sims.clear();
        if (window)
            window->setJobService(nullptr);
        service.reset();
        window.reset();
        notifier.reset();
    }

    // Chosen from the list, started on the checked coder, read back and
    // verified (on its button and in the preview's caption), printing, ended.
    void aJobStartedFromTheViewIsVerifiedAndPrints()
    {
        open();
        const int coder = checkedCoder("sim1");
        QVERIFY(coder >= 0);
        chooseJuice();
        QVERIFY(child<QLabel>("codersLabel")->text().contains("127.0.0.1"));
        fillAndStart();
        QVERIFY2(panel()->currentJob() > 0, qPrintable(panel()->startReason()));
        QTRY_COMPARE(data(coder, CoderListModel::JobStageRole).toString(), QString("verified"));
        QCOMPARE(data(coder, CoderListModel::LotRole).toString(), QString("A2041"));
        QCOMPARE(data(coder, CoderListModel::JobRole).toString(), QString("PO-77 (OJ-1L)"));
        QVERIFY(!data(coder, CoderListModel::JobMismatchRole).toBool());
        QVERIFY(data(coder, Qt::ToolTipRole).toString().contains("Lot: A2041"));
        QCOMPARE(child<QListWidget>("stageList")->item(0)->text(), QString("127.0.0.1: verified"));

        // The preview shows what the coder reported, with the time it did.
        const Coder *held = window->fleet()->coder(coder);
        const QString at = held->readBackTime.toLocalTime().toString("HH:mm:ss");
        QTRY_COMPARE(window->preview()->caption(),
                     QString("Current message of 127.0.0.1, read back %1").arg(at));
        QVERIFY(!window->preview()->showsMismatch());

        QTest::mouseClick(child<QPushButton>("startPrintingBtn"), Qt::LeftButton);
        QTRY_COMPARE(data(coder, CoderListModel::JobStageRole).toString(), QString("running"));
        QTRY_COMPARE(window->fleet()->coder(coder)->state, CoderState::Printing);

        const qint64 job = panel()->currentJob();
        QTest::mouseClick(child<QPushButton>("endJobBtn"), Qt::LeftButton);
        QCOMPARE(panel()->currentJob(), qint64(0));
        QVERIFY(data(coder, CoderListModel::JobRole).toString().isEmpty());
        JobRecord record;
        QVERIFY(service->catalogue()->job(job, &record).ok());
        QCOMPARE(record.endedBy, Journal::systemUserName());
        QCOMPARE(record.fieldValues.value(1), qMakePair(QString("shift"), QString("A")));
    }

    // Each value is checked as it is typed, the reason beside it; a GTIN in
    // any form names the product, a wrong one is refused with why.
    void valuesAreCheckedAsTyped_data()
    {
        QTest::addColumn<QString>("widget");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("reason"); // empty: accepted
        QTest::newRow("in range") << "field_line"
                                  << "12"
                                  << "";
        QTest::newRow("out of range") << "field_line"
                                      << "13"
                                      << "Line must be from 1 to 12; 13 is not.";
        QTest::newRow("no number") << "field_line"
                                   << "x"
                                   << "Line must be a whole number; \"x\" is not.";
        QTest::newRow("required and empty") << "field_line"
                                            << ""
                                            << "Line is required.";
        QTest::newRow("GTIN-13") << "gtinEdit"
                                 << "9501101020917"
                                 << "";
        QTest::newRow("GTIN wrong check digit") << "gtinEdit"
                                                << "9501101020918"
                                                << "check digit";
        QTest::newRow("GTIN nobody has") << "gtinEdit"
                                         << "4006381333931"
                                         << "No product has the GTIN 04006381333931.";
    }
    void valuesAreCheckedAsTyped()
    {
        QFETCH(QString, widget);
        QFETCH(QString, text);
        QFETCH(QString, reason);
        open();
        if (widget == "gtinEdit") {
            auto *edit = child<QLineEdit>(widget);
            QTest::keyClicks(edit, text);
            QTest::keyClick(edit, Qt::Key_Return);
            const QString shown = child<QLabel>("gtinReason")->text();
            QVERIFY2(reason.isEmpty() ? shown.isEmpty() : shown.contains(reason),
                     qPrintable(shown));
            QCOMPARE(panel()->product().code, reason.isEmpty() ? QString("OJ-1L") : QString());
            return;
        }
        chooseJuice();
        auto *edit = child<QLineEdit>(widget);
        edit->setText("1");
        edit->clear();
        QTest::keyClicks(edit, text);
        QCOMPARE(panel()->fieldReason("line"), reason);
        if (reason.isEmpty())
            return;
        // Refused at the start too, with the reason beside the button.
        const int coder = checkedCoder("sim1");
        fillAndStart(text);
        QCOMPARE(panel()->currentJob(), qint64(0));
        QVERIFY2(panel()->startReason().contains("Line"), qPrintable(panel()->startReason()));
        QVERIFY(window->eventLog()->lines().join('\n').contains(panel()->startReason()));
        QVERIFY(data(coder, CoderListModel::JobRole).toString().isEmpty());
    }

    // A wedge scan of a GS1-128 code (identifier, group separator) chooses
    // the product, fills the lot and the production date and warns of a
    // best-before the shelf life does not give; the product asks for its
    // packaging scanned: a scan of another product's is refused and
    // journaled, a code that is none says why, the right one lets it start.
    void aScanChoosesTheProductAndThePackagingConfirmsIt()
    {
        open();
        Product p;
        QVERIFY(service->catalogue()->productByCode("OJ-1L", &p).ok());
        p.packagingScan = true;
        QVERIFY(ShelfLifeRule::parse("30 days", &p.shelfLife, nullptr));
        QVERIFY(service->catalogue()->updateProduct(&p, "sam").ok());
        const int coder = checkedCoder("sim1");
        QVERIFY(coder >= 0);
        const auto scan = [&](const char *name, const QString &code) {
            auto *edit = child<QLineEdit>(name);
            for (const QChar c : code) {
                if (c.unicode() >= 0x20) {
                    QTest::keyClick(edit, c.toLatin1());
                    continue;
                }
                // What a wedge types for FNC1: Ctrl+], the text 0x1D.
                QKeyEvent press(QEvent::KeyPress, Qt::Key_BracketRight, Qt::ControlModifier,
                                QString(c));
                QApplication::sendEvent(edit, &press);
            }
            QTest::keyClick(edit, Qt::Key_Return);
        };
        const QString gs(QChar(0x1d));
        scan("gtinEdit", "]C10109501101020917"
                         "10A2041" +
                             gs +
                             "11261209"
                             "15270101");
        QCOMPARE(panel()->product().code, QString("OJ-1L"));
        QCOMPARE(child<QLineEdit>("lotEdit")->text(), QString("A2041"));
        const QString note = child<QLabel>("gtinReason")->text();
        QVERIFY2(note.contains("Lot A2041 from the scan. Production date 2026-12-09 from the "
                               "scan. Check the packaging: the best-before date (15) 2027-01-01 "
                               "is not 2027-01-08, which the shelf life of OJ-1L (30 days) gives."),
                 qPrintable(note));
        auto *start = child<QPushButton>("startJobBtn");
        QVERIFY(!start->isEnabled());
        QVERIFY(!child<QLineEdit>("packagingEdit")->isHidden());

        const QList<QPair<QString, QString>> refused{
            {"]E04006381333931", "The packaging scanned (GTIN 04006381333931) is not that of "
                                 "OJ-1L (GTIN 09501101020917): the job does not start."},
            {"]d20109501101020918", "check digit"}};
        for (const auto &row : refused) {
            scan("packagingEdit", row.first);
            const QString shown = child<QLabel>("packagingReason")->text();
            QVERIFY2(shown.contains(row.second), qPrintable(shown));
            QVERIFY(!start->isEnabled());
        }
        QVERIFY(window->eventLog()->lines().join('\n').contains(refused.first().second));
        int journaled = 0;
        forEachJournalLine(
            "journal", QString(), QString(), [&](const JournalLine &line, const QString &) {
                journaled += line.object.value("action").toString() == "packaging refused" &&
                             line.object.value("scanned").toString() == "04006381333931";
                return true;
            });
        QCOMPARE(journaled, 1);

        scan("packagingEdit", "]Q3"
                              "0109501101020917"
                              "10A2041");
        QVERIFY2(child<QLabel>("packagingReason")->text().contains("Packaging confirmed"),
                 qPrintable(child<QLabel>("packagingReason")->text()));
        QVERIFY(start->isEnabled());
        const QByteArray shots = qgetenv("KORVEX_SHOT_PAUSE_MS");
        if (!shots.isEmpty()) { // a moment for a screenshot of the view (tools, never CI)
            panel()->parentWidget()->show();
            QTest::qWait(shots.toInt());
        }
        child<QLineEdit>("orderEdit")->setText("PO-77");
        child<QLineEdit>("field_line")->setText("3");
        QTest::mouseClick(start, Qt::LeftButton);
        QVERIFY2(panel()->currentJob() > 0, qPrintable(panel()->startReason()));
        // The next job's packaging is scanned anew, also when the product is chosen again.
        QVERIFY(!start->isEnabled());
        scan("packagingEdit", "]E09501101020917");
        QVERIFY(start->isEnabled());
        chooseJuice();
        QVERIFY(!start->isEnabled());
    }

    // A coder that goes on reporting its own message: mismatch on its button
    // (framed in red) and in red in the preview with both SHA-256s; never started.
    void aCoderKeepingItsMessageIsAMismatchAndNotStarted()
    {
        open();
        const int coder = checkedCoder("sim1", true);
        QVERIFY(coder >= 0);
        chooseJuice();
        fillAndStart();
        QVERIFY2(panel()->currentJob() > 0, qPrintable(panel()->startReason()));
        QTRY_COMPARE(data(coder, CoderListModel::JobStageRole).toString(), QString("mismatch"));
        QVERIFY(data(coder, CoderListModel::JobMismatchRole).toBool());
        QCOMPARE(child<QListWidget>("stageList")->item(0)->foreground().color(), QColor(200, 0, 0));

        const Coder *held = window->fleet()->coder(coder);
        QTRY_VERIFY(window->preview()->showsMismatch());
        const QString caption = window->preview()->caption();
        QVERIFY2(caption.contains("sent SHA-256 " + held->sentSha256), qPrintable(caption));
        QVERIFY2(caption.contains("held SHA-256 " + held->currentFileSha256), qPrintable(caption));
        QVERIFY(held->sentSha256 != held->currentFileSha256);

        // Its button, unchecked, keeps a red frame.
        window->deviceList()->setChecked(coder, false);
        window->deviceList()->model()->flush();
        QListView *view = window->deviceList()->view();
        const QRect rect = view->visualRect(window->deviceList()->indexOf(coder));
        const QImage image = view->viewport()->grab(rect).toImage();
        QCOMPARE(image.pixelColor(0, rect.height() / 2), QColor(200, 0, 0));

        QTest::mouseClick(child<QPushButton>("startPrintingBtn"), Qt::LeftButton);
        QVERIFY2(panel()->startReason().contains("no coder of job"),
                 qPrintable(panel()->startReason()));
        QTest::qWait(200);
        QVERIFY(window->fleet()->coder(coder)->state != CoderState::Printing);
    }

    // Who may run jobs and who may send a message outside one, by [jobs] enabled.
    void rolesOfJobs_data()
    {
        QTest::addColumn<QString>("jobs"); // [jobs] enabled; empty: no such line
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("action");  // "apply" or "job"
        QTest::addColumn<QString>("refusal"); // its start; empty: allowed
        QTest::newRow("jobs off: an operator sends") << ""
                                                     << "olga"
                                                     << "apply"
                                                     << "";
        QTest::newRow("jobs on: an operator may not send")
            << "true"
            << "olga"
            << "apply"
            << "Only a Supervisor may send messages outside a job; olga is signed in as Operator.";
        QTest::newRow("jobs on: a supervisor sends") << "true"
                                                     << "sam"
                                                     << "apply"
                                                     << "";
        QTest::newRow("jobs on: an operator runs a job") << "true"
                                                         << "olga"
                                                         << "job"
                                                         << "";
        QTest::newRow("jobs on: nobody signed in") << "true"
                                                   << ""
                                                   << "job"
                                                   << "Sign in to run jobs.";
        QTest::newRow("a bad value: off") << "maybe"
                                          << "olga"
                                          << "apply"
                                          << "";
    }
    void rolesOfJobs()
    {
        QFETCH(QString, jobs);
        QFETCH(QString, user);
        QFETCH(QString, action);
        QFETCH(QString, refusal);
        if (!jobs.isEmpty())
            writeFile("korvex.conf", "[jobs]\nenabled = " + jobs.toUtf8() + "\n");
        writeUsers();
        open();
        QCOMPARE(window->KorvexMainWindow::station()->settings()->jobsEnabled(), jobs == "true");
        if (jobs == "maybe")
            QVERIFY(window->KorvexMainWindow::station()->settingsErrors().join('\n').contains(
                "[jobs] enabled must be true or false, not \"maybe\""));
        Session *session = window->access()->session();
        QVERIFY(session->load().isEmpty());
        if (!user.isEmpty())
            QVERIFY(session->signIn(user, user + "-pw").ok);
        const int coder = checkedCoder("sim1");
        QVERIFY(coder >= 0);
        if (action == "apply") {
            QCOMPARE(window->findChild<QWidget *>("syncBtn")->isEnabled(), refusal.isEmpty());
            const CommandResult result = window->fleet()->apply("Spray/juice.spr", {coder});
            QCOMPARE(result.ok, refusal.isEmpty());
            QVERIFY2(result.ok || result.error.startsWith(refusal), qPrintable(result.error));
            return;
        }
        chooseJuice();
        fillAndStart();
        QCOMPARE(panel()->currentJob() > 0, refusal.isEmpty());
        if (!refusal.isEmpty()) {
            QVERIFY2(panel()->startReason().contains(refusal), qPrintable(panel()->startReason()));
            return;
        }
        // The job's own send passes as running a job, not as sending outside one.
        QTRY_COMPARE(data(coder, CoderListModel::JobStageRole).toString(), QString("verified"));
    }
};

QTEST_MAIN(TestJobsPanel)
#include "tst_jobspanel.moc"
