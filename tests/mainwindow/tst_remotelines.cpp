// SPDX-License-Identifier: GPL-3.0-or-later
// The window as the plant's host application, with a bus of the test's own
// in place of the site broker: the lines' coders in the device list, the
// window's commands to them under the signed-in user's role, their journal
// lines and outcomes, and jobs started on them from the Jobs view.
#include "../common/recordingnotifier.h"
#include "../common/testfiles.h"
#include "accesscontrol.h"
#include "catalogue.h"
#include "coderbuttondelegate.h"
#include "coderlistmodel.h"
#include "devicelistpanel.h"
#include "eventlog.h"
#include "fleet.h"
#include "jobservice.h"
#include "jobspanel.h"
#include "mqttbus.h"
#include "plantcommand.h"
#include "planthost.h"
#include "planthostlink.h"
#include "planthostsettings.h"
#include "printparameters.h"
#include "remotelines.h"
#include "session.h"
#include "simulatedcoder.h"
#include "sparkplugpayload.h"
#include "stationwindow.h"
#include "tcpserver.h"
#include "userstore.h"

#include <QAbstractButton>
#include <QCryptographicHash>
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QLoggingCategory>
#include <QPushButton>
#include <QSettings>
#include <QtTest>

using Sparkplug::DataType;
using Sparkplug::metric;

namespace {

class SiteBus : public MqttBus
{
public:
    QList<QPair<QString, QByteArray>> published;
    void setWill(const QString &, const QByteArray &, int) override {}
    void start() override
    {
        emit connecting();
        emit connected();
    }
    void stop() override {}
    bool up = true;
    bool isConnected() const override { return up; }
    bool publish(const QString &topic, const QByteArray &payload, int) override
    {
        if (up)
            published << qMakePair(topic, payload);
        return up;
    }
    bool subscribe(const QString &, int) override { return true; }
    void deliver(const QString &topic, std::optional<quint64> seq,
                 const QList<Sparkplug::Metric> &metrics)
    {
        Sparkplug::Payload p;
        p.timestamp = 1733740000000;
        p.seq = seq;
        p.metrics = metrics;
        emit messageReceived(QStringLiteral("spBv1.0/") + topic, Sparkplug::encode(p));
    }
    QStringList commands() const
    {
        QStringList out;
        for (const auto &m : published) {
            if (m.first.contains(QLatin1String("/DCMD/")))
                out << m.first;
        }
        return out;
    }
};

const QByteArray kTemplate =
    R"({"ExternDataInfo":{"ExternMode":0},"TextItemInfo":[{"TextAtX":20,"TextAtY":10,)"
    R"("TextAtZ":0,"TextContent":"LOT {{lot}} L{{line}}","TextFont":"DejaVu Sans,-1,120,5,75,0,0,0,0,0",)"
    R"("TextRotate":0,"TextID":"Text0","TextIsExtern":false,"TextFontSpace":0}]})";

Sparkplug::Metric text(const char *name, const QString &value)
{
    return metric(QString::fromUtf8(name), DataType::String, value);
}

} // namespace

class TestRemoteLines : public QObject
{
    Q_OBJECT

    std::unique_ptr<RecordingNotifier> notifier;
    std::unique_ptr<StationWindow> window;
    std::unique_ptr<SiteBus> bus;
    std::unique_ptr<PlantHostLink> link;
    std::unique_ptr<JobService> service;
    std::unique_ptr<SimulatedCoder> sim;

    bool logHas(const QString &part) const
    {
        return window->eventLog()->lines().join('\n').contains(part);
    }
    QList<QJsonObject> journal() const
    {
        QList<QJsonObject> lines;
        const QDir folder("journal");
        for (const QString &name : folder.entryList({"*.jsonl"}, QDir::Files, QDir::Name)) {
            QFile file(folder.filePath(name));
            if (!file.open(QIODevice::ReadOnly))
                continue;
            for (const QByteArray &line : file.readAll().split('\n')) {
                if (!line.isEmpty())
                    lines << QJsonDocument::fromJson(line).object();
            }
        }
        return lines;
    }

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(mainwindow);
        QLoggingCategory::setFilterRules("korvex.*=false");
    }

    void init()
    {
        QSettings(QSettings::NativeFormat, QSettings::UserScope, "KorvexSoftWare").clear();
        QDir("journal").removeRecursively();
        QFile::remove("users.json");
        QFile::remove("korvex.db");
        UserStore store;
        store.setRounds(10);
        store.setEnabled(true);
        store.setUser("anna", Role::Administrator, "anna-pw");
        store.setUser("olga", Role::Operator, "olga-pw");
        QVERIFY(store.save().ok);
        notifier = std::make_unique<RecordingNotifier>();
        window = std::make_unique<StationWindow>();
        window->show();
        const QString loaded = window->access()->session()->load();
        QVERIFY2(loaded.isEmpty(), qPrintable(loaded));
        QVERIFY(window->access()->session()->signIn("olga", "olga-pw").ok);
        bus = std::make_unique<SiteBus>();
        PlantHostSettings settings;
        settings.hostId = "supervisor";
        settings.primary = true;
        link = std::make_unique<PlantHostLink>(settings, window->remoteLines(), window->eventLog(),
                                               bus.get());
    }

    void cleanup()
    {
        if (window)
            window->setJobService(nullptr);
        sim.reset();
        service.reset();
        link.reset();
        bus.reset();
        window.reset();
        notifier.reset();
    }

    // A coder of line 2 is listed with its line, coloured and counted as a
    // local one; a start goes to it as a DCMD claiming the signed-in user,
    // is journaled with its line, and its outcome reaches the event log.
    // Print parameters need a Supervisor there as here.  Once its node
    // died, it stays, greyed and uncounted, and takes no command.
    void linesCodersAreListedAndCommanded()
    {
        bus->deliver("Line2/NBIRTH/PC2", 0,
                     {metric("bdSeq", DataType::Int64, qint64(3)),
                      text("Command Result/Device", ""), text("Command Result/Command", ""),
                      text("Command Result/Outcome", "")});
        bus->deliver("Line2/DBIRTH/PC2/10.0.2.5", 1,
                     {text("Status/State", "Printing"),
                      metric("Status/Progress", DataType::Int32, qint64(40)),
                      text("Properties/IP", "10.0.2.5"), text("Properties/Remark Name", "Filler"),
                      metric("Parameters/Line Speed", DataType::Int32, qint64(30))});
        DeviceListPanel *list = window->deviceList();
        const int coder = window->remoteLines()->descriptorOf("Line2/PC2", "10.0.2.5");
        QVERIFY(CoderListModel::isRemote(coder));
        list->model()->flush();
        QCOMPARE(list->indexOf(coder).data(Qt::DisplayRole).toString(),
                 QString("Line2/PC2: Filler"));
        QCOMPARE(list->countText(CoderState::Printing), QString("1"));
        QVERIFY(list->indexOf(coder).data(Qt::ToolTipRole).toString().contains("Line2/PC2"));
        QCOMPARE(list->count(), 1);
        QCOMPARE(list->model()->localCount(), 0); // the status bar's "connected" coders

        list->setChecked(coder, true);
        window->findChild<QAbstractButton *>("startBtn")->click();
        QCOMPARE(bus->commands(), QStringList{"spBv1.0/Line2/DCMD/PC2/10.0.2.5"});
        const DecodedCommands sent = decodeDeviceCommand(bus->published.last().second, {});
        QCOMPARE(sent.commands.size(), 1);
        QCOMPARE(int(sent.commands.first().kind), int(PlantCommand::Kind::Start));
        QCOMPARE(sent.commands.first().user, QString("olga"));
        QVERIFY(!logHas("no coder chosen"));
        QVERIFY(logHas("sent to 10.0.2.5 on Line2/PC2"));
        const QList<QJsonObject> lines = journal();
        QVERIFY(!lines.isEmpty());
        QCOMPARE(lines.last().value("action").toString(), QString("start"));
        QCOMPARE(lines.last().value("node").toString(), QString("Line2/PC2"));
        QCOMPARE(lines.last().value("user").toString(), QString("olga"));

        bus->deliver("Line2/NDATA/PC2", 2,
                     {text("Command Result/Device", "10.0.2.5"),
                      text("Command Result/Command", "Command/Start"),
                      text("Command Result/Outcome", "done")});
        QVERIFY(logHas("Command/Start for 10.0.2.5 on Line2/PC2: done"));

        PrintParameters parameters;
        parameters.lineSpeed = 45;
        window->remoteLines()->take(RemoteLines::Order::Parameters, {coder}, QString(),
                                    parameters.toBytes());
        QCOMPARE(bus->commands().size(), 1);
        QVERIFY(logHas("not sent: Only a "));

        bus->deliver("Line2/NDEATH/PC2", std::nullopt,
                     {metric("bdSeq", DataType::Int64, qint64(3))});
        list->model()->flush();
        QVERIFY(list->indexOf(coder).data(CoderListModel::StaleRole).toBool());
        QCOMPARE(list->countText(CoderState::Printing), QString("0"));
        QListView *view = list->view();
        const QRect rect = view->visualRect(list->indexOf(coder));
        const QColor painted =
            view->viewport()->grab(rect).toImage().pixelColor(8, rect.height() * 4 / 10);
        const QColor live = CoderButtonDelegate::stateColour(CoderState::Printing);
        QVERIFY(qAbs(painted.red() - live.red()) + qAbs(painted.green() - live.green()) > 40);
        window->findChild<QAbstractButton *>("startBtn")->click();
        QCOMPARE(bus->commands().size(), 1);
        QVERIFY(logHas("not sent: its line is not heard of"));

        // Born again, then the host's link fails a start it had journaled:
        // the journal says that it did not go out.
        bus->deliver("Line2/NBIRTH/PC2", 0, {metric("bdSeq", DataType::Int64, qint64(4))});
        bus->deliver("Line2/DBIRTH/PC2/10.0.2.5", 1, {text("Status/State", "Ready")});
        bus->up = false;
        window->findChild<QAbstractButton *>("startBtn")->click();
        QCOMPARE(bus->commands().size(), 1);
        QCOMPARE(journal().last().value("action").toString(), QString("command failed"));
        QCOMPARE(journal().last().value("node").toString(), QString("Line2/PC2"));
    }

    // A job from the Jobs view on a coder of line 2 (checked in the device
    // list as a local one is): one DCMD with the job's metrics and the
    // signed-in user, journaled with its line first, its outcome in the event
    // log; the row and the view show what the line says of that job, never
    // the verdict it gave of an earlier one.  Printing starts only once the
    // line says verified; "End job" sends Job/End.  Refused: nothing goes out.
    void aJobGoesToALinesCoder_data()
    {
        QTest::addColumn<QString>("user"); // signed in; empty: nobody
        QTest::addColumn<bool>("lineHeard");
        QTest::addColumn<QString>("refusal"); // in the view or the event log; empty: sent
        QTest::addColumn<bool>("withLocal");  // a coder of this PC checked as well
        QTest::newRow("an operator, the job's metrics") << "olga" << true << "" << false;
        QTest::newRow("nobody signed in: refused") << "" << true << "Sign in to run jobs." << false;
        QTest::newRow("its line not heard of: not sent")
            << "olga" << false
            << "Job start for 10.0.2.5 on Line2/PC2 not sent: its line is not heard of" << false;
        QTest::newRow("with a coder of this PC: each its own way") << "olga" << true << "" << true;
    }
    void aJobGoesToALinesCoder()
    {
        QFETCH(QString, user);
        QFETCH(bool, lineHeard);
        QFETCH(QString, refusal);
        QFETCH(bool, withLocal);
        service = std::make_unique<JobService>(window->KorvexMainWindow::station());
        QVERIFY(service->open());
        Product juice;
        juice.code = "OJ-1L";
        juice.gtin = "09501101020917";
        juice.name = "Orange juice 1 l";
        juice.templateName = "juice.spr";
        juice.coders = QStringList{"10.0.2.*", "127.0.0.*"};
        juice.packagingScan = true;
        JobField line;
        line.name = "line";
        line.kind = JobField::Kind::Integer;
        juice.fields << line;
        QVERIFY(service->catalogue()->addProduct(&juice, "anna").ok());
        Approval approval;
        approval.templateName = "juice.spr";
        approval.sha256 = QCryptographicHash::hash(kTemplate, QCryptographicHash::Sha256).toHex();
        approval.signerName = "Anna Admin";
        approval.account = "anna";
        approval.meaning = "Approved for production";
        QVERIFY(service->catalogue()->approve(&approval, true).ok());
        window->setJobService(service.get());
        JobsPanel *panel = window->jobsPanel();
        QVERIFY(panel);

        // Its line ran another job on it before: verified, by its birth.
        bus->deliver("Line2/NBIRTH/PC2", 0,
                     {metric("bdSeq", DataType::Int64, qint64(3)),
                      text("Command Result/Device", ""), text("Command Result/Command", ""),
                      text("Command Result/Outcome", "")});
        bus->deliver("Line2/DBIRTH/PC2/10.0.2.5", 1,
                     {text("Status/State", "Ready"), text("Properties/IP", "10.0.2.5"),
                      text("Properties/Remark Name", "Filler"), text("Job/Order", "PO-1"),
                      text("Job/Product", "OJ-1L"), text("Job/Lot", "OLD"),
                      text("Job/State", "verified"),
                      metric("Job/Verified", DataType::Boolean, true),
                      metric("Job/Start", DataType::Boolean, false),
                      metric("Job/End", DataType::Boolean, false)});
        if (!lineHeard)
            bus->deliver("Line2/NDEATH/PC2", std::nullopt,
                         {metric("bdSeq", DataType::Int64, qint64(3))});
        DeviceListPanel *list = window->deviceList();
        const int coder = window->remoteLines()->descriptorOf("Line2/PC2", "10.0.2.5");
        list->model()->flush();
        list->setChecked(coder, true);
        int local = -1;
        if (withLocal) {
            QDir("Spray").removeRecursively();
            QDir().mkpath("Spray");
            writeFile("Spray/juice.spr", kTemplate);
            QDir("sim1").removeRecursively();
            QDir().mkpath("sim1");
            CoderSettings settings;
            settings.port = window->server()->serverPort();
            settings.folder = "sim1";
            settings.statusIntervalMs = 50;
            sim = std::make_unique<SimulatedCoder>(settings);
            sim->start();
            QTRY_COMPARE(window->fleet()->descriptors().size(), 1);
            local = window->fleet()->descriptors().first();
            list->model()->flush();
            list->setMultiSelect(true);
            list->setChecked(local, true);
            list->setChecked(coder, true);
        }

        Session *session = window->access()->session();
        if (user.isEmpty())
            session->signOut("test");
        panel->findChild<QLineEdit *>("searchEdit")->setText("juice");
        panel->findChild<QListWidget *>("productList")->item(0)->setSelected(true);
        QVERIFY(panel->findChild<QLabel *>("codersLabel")
                    ->text()
                    .contains("Filler (10.0.2.5) on Line2/PC2"));
        panel->findChild<QLineEdit *>("orderEdit")->setText("PO-77");
        panel->findChild<QLineEdit *>("lotEdit")->setText("A2041");
        panel->findChild<QLineEdit *>("field_line")->setText("3");
        auto *packaging = panel->findChild<QLineEdit *>("packagingEdit");
        packaging->setText("09501101020917");
        QTest::keyClick(packaging, Qt::Key_Return);
        const int journaled = journal().size();
        QTest::mouseClick(panel->findChild<QPushButton *>("startJobBtn"), Qt::LeftButton);
        if (!refusal.isEmpty()) {
            QVERIFY(bus->commands().isEmpty());
            QVERIFY2(panel->startReason().contains(refusal) || logHas(refusal),
                     qPrintable(panel->startReason()));
            QCOMPARE(journal().size(), journaled);
            QCOMPARE(panel->findChild<QListWidget *>("stageList")->count(), 0);
            return;
        }
        QCOMPARE(bus->commands(), QStringList{"spBv1.0/Line2/DCMD/PC2/10.0.2.5"});
        const DecodedCommands sent = decodeDeviceCommand(bus->published.last().second, {});
        QVERIFY2(sent.refusals.isEmpty(), qPrintable(sent.refusals.join("; ")));
        QCOMPARE(sent.commands.size(), 1);
        const PlantCommand &job = sent.commands.first();
        QCOMPARE(int(job.kind), int(PlantCommand::Kind::StartJob));
        QCOMPARE(job.product + "|" + job.order + "|" + job.lot + "|" + job.packaging,
                 QString("OJ-1L|PO-77|A2041|09501101020917"));
        QCOMPARE(job.fieldValues, (QMap<QString, QString>{{"line", "3"}}));
        QCOMPARE(job.user, QString("olga"));
        const QJsonObject started = journal().last();
        QCOMPARE(QStringList({started.value("action").toString(), started.value("node").toString(),
                              started.value("device").toString(), started.value("lot").toString()}),
                 QStringList({"job started", "Line2/PC2", "10.0.2.5", "A2041"}));
        auto *stages = panel->findChild<QListWidget *>("stageList");
        const auto lastKind = [&] {
            return int(decodeDeviceCommand(bus->published.last().second, {}).commands.first().kind);
        };
        if (withLocal) {
            // Said which went where: this PC's coder in the job, the line's by its command.
            QVERIFY(panel->currentJob() > 0);
            QVERIFY(logHas(QString("Lot A2041: job %1 runs on this PC's coders; sent to their "
                                   "lines for Filler (10.0.2.5) on Line2/PC2.")
                               .arg(panel->currentJob())));
            QTRY_COMPARE(stages->count(), 2);
            QTRY_COMPARE(stages->item(0)->text(), QString("127.0.0.1: verified"));
            QCOMPARE(stages->item(1)->text(),
                     QString("Filler (10.0.2.5) on Line2/PC2: sent, its line has not taken it up"));
            QTest::mouseClick(panel->findChild<QPushButton *>("endJobBtn"), Qt::LeftButton);
            QCOMPARE(panel->currentJob(), qint64(0));
            QCOMPARE(lastKind(), int(PlantCommand::Kind::EndJob));
            QCOMPARE(stages->count(), 0);
            return;
        }
        QCOMPARE(panel->currentJob(), qint64(0));
        QVERIFY(
            logHas("no coder of this PC; sent to their lines for Filler (10.0.2.5) on Line2/PC2"));

        // The earlier job's verdict is not this one's.
        QCOMPARE(stages->count(), 1);
        QCOMPARE(stages->item(0)->text(),
                 QString("Filler (10.0.2.5) on Line2/PC2: sent, its line has not taken it up"));
        QTest::mouseClick(panel->findChild<QPushButton *>("startPrintingBtn"), Qt::LeftButton);
        QCOMPARE(bus->commands().size(), 1);
        QCOMPARE(panel->startReason(),
                 QString("Not started: no line says a coder of the job is verified."));

        bus->deliver(
            "Line2/NDATA/PC2", 2,
            {text("Command Result/Device", "10.0.2.5"),
             text("Command Result/Command",
                  "Job/Start, Job/Product, Job/Order, Job/Lot, Job/Field/line, Job/Packaging"),
             text("Command Result/Outcome", "done")});
        QVERIFY(logHas("Job/Packaging for 10.0.2.5 on Line2/PC2: done"));
        bus->deliver("Line2/DDATA/PC2/10.0.2.5", 3,
                     {text("Job/Order", "PO-77"), text("Job/Lot", "A2041"),
                      text("Job/State", "sending"),
                      metric("Job/Verified", DataType::Boolean, false)});
        list->model()->flush();
        QCOMPARE(list->indexOf(coder).data(CoderListModel::LotRole).toString(), QString("A2041"));
        QCOMPARE(stages->item(0)->text(), QString("Filler (10.0.2.5) on Line2/PC2: sending"));
        // "verified" without Job/Verified beside it is not taken.
        bus->deliver("Line2/DDATA/PC2/10.0.2.5", 4, {text("Job/State", "verified")});
        QCOMPARE(stages->item(0)->text(), QString("Filler (10.0.2.5) on Line2/PC2: not verified"));
        QTest::mouseClick(panel->findChild<QPushButton *>("startPrintingBtn"), Qt::LeftButton);
        QCOMPARE(bus->commands().size(), 1);
        bus->deliver("Line2/DDATA/PC2/10.0.2.5", 5,
                     {metric("Job/Verified", DataType::Boolean, true)});
        list->model()->flush();
        QCOMPARE(list->indexOf(coder).data(CoderListModel::JobStageRole).toString(),
                 QString("verified"));

        QTest::mouseClick(panel->findChild<QPushButton *>("startPrintingBtn"), Qt::LeftButton);
        QCOMPARE(bus->commands().size(), 2);
        QCOMPARE(lastKind(), int(PlantCommand::Kind::Start));
        session->signOut("test");
        QTest::mouseClick(panel->findChild<QPushButton *>("endJobBtn"), Qt::LeftButton);
        QCOMPARE(panel->startReason(),
                 QString("The job of the lines' coders was not ended: Sign in to run jobs."));
        QVERIFY(session->signIn("olga", "olga-pw").ok);
        QTest::mouseClick(panel->findChild<QPushButton *>("endJobBtn"), Qt::LeftButton);
        QCOMPARE(bus->commands().size(), 3);
        QCOMPARE(lastKind(), int(PlantCommand::Kind::EndJob));
        QCOMPARE(journal().last().value("action").toString(), QString("job ended"));
        QCOMPARE(stages->count(), 0);
    }
};

QTEST_MAIN(TestRemoteLines)
#include "tst_remotelines.moc"
