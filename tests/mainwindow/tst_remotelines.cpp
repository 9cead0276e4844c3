// SPDX-License-Identifier: GPL-3.0-or-later
// The window as the plant's host application, with a bus of the test's own
// in place of the site broker: the lines' coders in the device list, the
// window's commands to them under the signed-in user's role, their journal
// lines and outcomes.
#include "../common/recordingnotifier.h"
#include "accesscontrol.h"
#include "coderbuttondelegate.h"
#include "coderlistmodel.h"
#include "devicelistpanel.h"
#include "eventlog.h"
#include "mqttbus.h"
#include "plantcommand.h"
#include "planthost.h"
#include "planthostlink.h"
#include "planthostsettings.h"
#include "printparameters.h"
#include "remotelines.h"
#include "session.h"
#include "sparkplugpayload.h"
#include "stationwindow.h"
#include "userstore.h"

#include <QAbstractButton>
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QListView>
#include <QLoggingCategory>
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
};

QTEST_MAIN(TestRemoteLines)
#include "tst_remotelines.moc"
