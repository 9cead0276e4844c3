// SPDX-License-Identifier: GPL-3.0-or-later
#include "../common/filesizelimit.h"
#include "../common/rawcoder.h"
#include "../common/recordingnotifier.h"
#include "../common/testfiles.h"
#include "accesscontrol.h"
#include "changemydevicebtnremarknamedialog.h"
#include "coderbuttondelegate.h"
#include "coderlistmodel.h"
#include "commandjournal.h"
#include "controlstatusbar.h"
#include "devicelistpanel.h"
#include "editwidget.h"
#include "eventlog.h"
#include "filerecord.h"
#include "fleet.h"
#include "graphicsscene.h"
#include "journal.h"
#include "journalcheck.h"
#include "journaldock.h"
#include "journalline.h"
#include "journalview.h"
#include "messagefile.h"
#include "messagepreview.h"
#include "preflightdialog.h"
#include "printparameterwidget.h"
#include "session.h"
#include "signindialog.h"
#include "simulatedcoder.h"
#include "stationsettings.h"
#include "stationwindow.h"
#include "tcpserver.h"
#include "templatefill.h"
#include "templatesamples.h"
#include "templatetext.h"
#include "usersdialog.h"
#include "userstore.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCryptographicHash>
#include <QDateEdit>
#include <QDir>
#include <QGraphicsItem>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QLoggingCategory>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTreeWidget>

namespace {

const QByteArray kMessage =
    R"({"ExternDataInfo":{"ExternMode":0},"TextItemInfo":[{"TextAtX":20,"TextAtY":10,)"
    R"("TextAtZ":0,"TextContent":"LINE 1","TextFont":"DejaVu Sans,-1,120,5,75,0,0,0,0,0",)"
    R"("TextRotate":0,"TextID":"Text0","TextIsExtern":false,"TextFontSpace":0}]})";

// kMessage with a second line: two items in the preview.
QByteArray twoLineMessage()
{
    return QByteArray(kMessage).replace(
        "}]}", R"(},{"TextAtX":20,"TextAtY":60,"TextAtZ":0,"TextContent":"LINE 2",)"
               R"("TextFont":"DejaVu Sans,-1,120,5,75,0,0,0,0,0","TextRotate":0,"TextID":"Text1",)"
               R"("TextIsExtern":false,"TextFontSpace":0}]})");
}

QByteArray currentFileRecord(const QByteArray &name, const QByteArray &content)
{
    return char(quint8(name.size())) + name + QByteArray(4, '\0') + content;
}

QString sha256(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

QList<QJsonObject> journalLines()
{
    QList<QJsonObject> lines;
    forEachJournalLine("journal", QString(), QString(),
                       [&](const JournalLine &line, const QString &) {
                           lines << line.object;
                           return true;
                       });
    return lines;
}

// Three users, one of each role, quick to check (few rounds).
void writeUsers()
{
    UserStore store;
    store.setRounds(10);
    store.setEnabled(true);
    store.setUser("anna", Role::Administrator, "anna-pw");
    store.setUser("sam", Role::Supervisor, "sam-pw");
    store.setUser("olga", Role::Operator, "olga-pw");
    QVERIFY(store.save().ok);
}

QVariant rowData(const DeviceListPanel *list, int descriptor, int role)
{
    return list->indexOf(descriptor).data(role);
}

// A coder's row as painted: the colour at 40 % of its height, where its
// gradient has the middle stop, and how much of its bar is filled, in percent.
struct PaintedRow
{
    QColor colour;
    int bar = -1;
};

PaintedRow paintedRow(DeviceListPanel *list, int descriptor)
{
    QListView *view = list->view();
    const QRect rect = view->visualRect(list->indexOf(descriptor));
    const QImage image = view->viewport()->grab(rect).toImage();
    PaintedRow row;
    row.colour = image.pixelColor(8, rect.height() * 4 / 10);
    // The bar's groove is 2 px in from the sides, its border 1 px.
    const int y = rect.height() - 6;
    int filled = 0;
    for (int x = 0; x < image.width(); ++x)
        filled += image.pixelColor(x, y) == QColor(48, 140, 198) ? 1 : 0;
    row.bar = qRound(100.0 * filled / (rect.width() - 6));
    return row;
}

bool near(const QColor &a, const QColor &b)
{
    return qAbs(a.red() - b.red()) <= 6 && qAbs(a.green() - b.green()) <= 6 &&
           qAbs(a.blue() - b.blue()) <= 6;
}

// A device list fed by hand, without sockets: four coders, the newest on top.
struct FedList
{
    DeviceListPanel list;
    // lines: two coders of other lines too, the one of Line1 stale.
    explicit FedList(bool lines = false)
    {
        add(10, "192.168.1.10", "Line 1", CoderState::Printing);
        add(11, "192.168.1.11", "Line 2", CoderState::Ready);
        add(12, "192.168.1.12", "", CoderState::Stopped);
        add(13, "10.0.0.5", "Packing", CoderState::Printing);
        if (lines) {
            list.model()->setRemote({-2,
                                     "Line2/PC2",
                                     "10.0.2.5",
                                     "10.0.2.5",
                                     "",
                                     "",
                                     CoderState::Printing,
                                     40,
                                     false,
                                     {},
                                     {},
                                     {},
                                     false});
            list.model()->setRemote({-3,
                                     "Line1/PC1",
                                     "10.0.1.5",
                                     "10.0.1.5",
                                     "Filler",
                                     "",
                                     CoderState::Ready,
                                     0,
                                     true,
                                     {},
                                     {},
                                     {},
                                     false});
        }
        list.model()->flush();
        list.resize(180, 400);
        list.show();
    }
    void add(int descriptor, const QString &ip, const QString &name, CoderState state)
    {
        Coder coder;
        coder.descriptor = descriptor;
        coder.ipText = ip;
        coder.remarkName = name;
        coder.state = state;
        list.model()->addCoder(coder);
    }
};

} // namespace

// The control window end to end on 127.0.0.1: coders connect over real
// sockets, the test presses the window's buttons and checks what the coders
// receive and what lands on disk.
class TestControlWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<KorvexMainWindow> window;
    std::unique_ptr<RecordingNotifier> notifier;
    std::unique_ptr<ScriptedDialogs> dialogs;

    quint16 port() const { return window->server()->serverPort(); }
    // As korvex.conf holds it now, read afresh.
    static QString storedRemarkName(const QString &ipText)
    {
        StationSettings stored("korvex.conf");
        QStringList errors;
        return stored.load(true, &errors) ? stored.remarkName(ipText) : QString();
    }
    static std::optional<quint16> storedPort()
    {
        StationSettings stored("korvex.conf");
        QStringList errors;
        return stored.load(true, &errors) ? stored.port() : std::nullopt;
    }
    QToolButton *button(const char *name) const { return window->findChild<QToolButton *>(name); }
    DeviceListPanel *devices() const { return window->deviceList(); }
    // Descriptors in the order the coders connected: the oldest is at the bottom.
    QList<int> coders() const
    {
        QList<int> descriptors = devices()->shownDescriptors();
        std::reverse(descriptors.begin(), descriptors.end());
        return descriptors;
    }
    QVariant data(int descriptor, int role) const { return rowData(devices(), descriptor, role); }
    QString text(int descriptor) const { return data(descriptor, Qt::DisplayRole).toString(); }
    void click(int descriptor)
    {
        QListView *view = devices()->view();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                          view->visualRect(devices()->indexOf(descriptor)).center());
    }
    bool logHas(const QString &part) const
    {
        return window->eventLog()->lines().join('\n').contains(part);
    }
    void selectFile(const QString &name)
    {
        auto *list = window->findChild<QListWidget *>("fileListWidget");
        const auto found = list->findItems(name, Qt::MatchExactly);
        QVERIFY2(!found.isEmpty(), qPrintable(name));
        list->clearSelection();
        found.first()->setSelected(true);
    }
    std::unique_ptr<SimulatedCoder> simulatedCoder(const QString &folder, int statusMs = 1000)
    {
        CoderSettings settings;
        settings.port = port();
        settings.folder = folder;
        settings.statusIntervalMs = statusMs;
        settings.progressStep = 10;
        auto coder = std::make_unique<SimulatedCoder>(settings);
        coder->start();
        return coder;
    }

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(mainwindow);
        QLoggingCategory::setFilterRules("korvex.*.debug=false\nkorvex.control.info=false");
    }

    void init()
    {
        QSettings(QSettings::NativeFormat, QSettings::UserScope, "KorvexSoftWare").clear();
        QDir("Spray").removeRecursively();
        QDir("devices").removeRecursively();
        QFile::remove("devices");
        QDir("journal").removeRecursively();
        QFile::remove("journal");
        QFile::remove("users.json");
        QFile::remove("korvex.conf");
        QDir().mkdir("Spray");
        writeFile("Spray/label1.spr", kMessage);
        writeFile("Spray/a.b.spr", kMessage);
        notifier = std::make_unique<RecordingNotifier>();
        dialogs = std::make_unique<ScriptedDialogs>();
        window = std::make_unique<StationWindow>();
        window->show();
    }

    void cleanup()
    {
        window.reset();
        dialogs.reset();
        notifier.reset();
    }

    // Connect, check, replies to the preview and the panel.
    void checkingACoderAsksForItsFileAndParametersAndShowsThem()
    {
        RawCoder coder(port());
        QTRY_COMPARE(coders().size(), 1);
        const int device = coders().first();
        QCOMPARE(text(device), QString("127.0.0.1"));
        QVERIFY(QDir("devices/127.0.0.1").exists());
        QVERIFY(window->controlStatusBar()->coderCountText().contains('1'));

        click(device);
        QVERIFY(devices()->isChecked(device));
        QTRY_COMPARE(coder.received.size(), 2);
        QTest::qWait(50);
        QCOMPARE(coder.received, (QList<QByteArray>{"\x40\x01", "\x41\x01"}));

        coder.send(Command::CurrentFile, currentFileRecord("current.spr", kMessage));
        QTRY_COMPARE(readFile("devices/127.0.0.1/current.spr"), kMessage);
        QTRY_COMPARE(window->previewScene()->items().size(), 1);
        const QGraphicsItem *item = window->previewScene()->items().first();
        QVERIFY(
            !(item->flags() & (QGraphicsItem::ItemIsMovable | QGraphicsItem::ItemIsSelectable)));
        QCOMPARE(data(device, CoderListModel::CurrentFileRole).toString(), QString("current.spr"));
        QCOMPARE(window->preview()->caption(), QString("Current message of 127.0.0.1"));
        QVERIFY(data(device, Qt::ToolTipRole).toString().contains("current.spr"));
        QVERIFY(data(device, Qt::ToolTipRole).toString().contains("127.0.0.1"));

        PrintParameters sent;
        sent.dpiCode = 2;
        sent.lineSpeed = 120;
        sent.headOffset3 = 12.5;
        coder.send(Command::Parameters, sent.toBytes());
        QTRY_COMPARE(window->parameterPanel()->parameters().lineSpeed, 120);
        QCOMPARE(window->parameterPanel()->parameters().dpiCode, qint8(2));
        QCOMPARE(window->parameterPanel()->parameters().headOffset3, 12.5);
    }

    // The preview and the panel show the checked coder's replies only, and
    // nothing a coder sends opens a box.
    void onlyTheCheckedCodersRepliesAreShownWithoutBoxes()
    {
        RawCoder a(port());
        QTRY_COMPARE(coders().size(), 1);
        RawCoder b(port());
        QTRY_COMPARE(coders().size(), 2);
        click(coders().first()); // a's
        QTRY_COMPARE(a.received.size(), 2);
        const int shownAtStart = window->previewScene()->items().size(); // Spray's first message

        PrintParameters other;
        other.lineSpeed = 200;
        b.send(Command::Parameters, other.toBytes());
        b.send(Command::CurrentFile, currentFileRecord("b.spr", twoLineMessage()));
        QTRY_COMPARE(readFile("devices/127.0.0.1/b.spr"), twoLineMessage());
        QCOMPARE(data(coders().at(1), CoderListModel::CurrentFileRole).toString(),
                 QString("b.spr"));
        QCOMPARE(window->previewScene()->items().size(), shownAtStart);
        QVERIFY(window->parameterPanel()->parameters().lineSpeed != 200);

        a.send(Command::CurrentFile, currentFileRecord("damaged.spr", "x"));
        QTRY_VERIFY(logHas("Current message of coder 127.0.0.1: File "));
        a.send(Command::CurrentFile,
               currentFileRecord("data.spr", R"({"ExternDataInfo":{"ExternMode":1,)"
                                             R"("ExternFileName":"nowhere.txt"}})"));
        QTRY_VERIFY(logHas("Can not find the extern data file!"));
        QVERIFY(notifier->boxes.isEmpty());

        a.send(Command::CurrentFile, currentFileRecord("a.spr", twoLineMessage()));
        QTRY_COMPARE(window->previewScene()->items().size(), 2);
        PrintParameters own;
        own.lineSpeed = 120;
        a.send(Command::Parameters, own.toBytes());
        QTRY_COMPARE(window->parameterPanel()->parameters().lineSpeed, 120);
    }

    // Apply file, re-apply after an edit, parameters, start and stop, status.
    void aSimulatedCoderStoresWhatTheWindowSends()
    {
        QTemporaryDir dir;
        auto coder = simulatedCoder(dir.path(), 30);
        QTRY_COMPARE(coders().size(), 1);
        const int device = coders().first();
        click(device);

        // A clean message goes out without the pre-flight list.
        QTRY_VERIFY(!window->fleet()->coder(device)->parameterBlock.isEmpty());
        int checks = 0;
        dialogs->answer<PreflightDialog>(
            [&](PreflightDialog *) { return ++checks, int(QDialog::Rejected); });
        selectFile("label1");
        button("syncBtn")->click();
        QCOMPARE(checks, 0);
        QTRY_COMPARE(coder->currentFile(), QString("label1.spr"));
        QTRY_COMPARE(readFile(dir.filePath("label1.spr")), kMessage);
        QTRY_COMPARE(readFile("devices/127.0.0.1/label1.spr"), kMessage);
        QCOMPARE(data(device, CoderListModel::CurrentFileRole).toString(), QString("label1.spr"));
        QVERIFY(logHas("label1.spr sent to 127.0.0.1"));

        // Sent again after an edit: the local copy follows what the coder holds.
        const QByteArray edited = QByteArray(kMessage).replace("LINE 1", "LINE 2");
        writeFile("Spray/label1.spr", edited);
        button("syncBtn")->click();
        QTRY_COMPARE(readFile(dir.filePath("label1.spr")), edited);
        QTRY_COMPARE(readFile("devices/127.0.0.1/label1.spr"), edited);

        // A message named a.b travels as a.b.spr.
        selectFile("a.b");
        button("syncBtn")->click();
        QTRY_COMPARE(coder->currentFile(), QString("a.b.spr"));

        window->parameterPanel()->findChild<QCheckBox *>("spliceCheckBox")->click();
        window->parameterPanel()->findChild<QCheckBox *>("head4CheckBox")->click();
        button("syncPrintParameterBtn")->click();
        QTRY_VERIFY(coder->parameters().splice);
        QCOMPARE(coder->parameters(), window->parameterPanel()->parameters());
        // Old values from the coder's own block (all four heads), as it
        // reported it when checked.
        QVERIFY2(logHas("Print parameters of 127.0.0.1: head range 1, 2, 3, 4 → 1, 2, 3, splice "
                        "off → on, heads 1, 2, 3, 4 → 1, 2, 3"),
                 qPrintable(window->eventLog()->lines().join('\n')));

        button("startBtn")->click();
        QTRY_VERIFY(coder->isPrinting());
        QTRY_COMPARE(data(device, CoderListModel::StateRole).toInt(), int(CoderState::Printing));
        QTRY_VERIFY(data(device, CoderListModel::ProgressRole).toInt() > 0);
        button("StopBtn")->click();
        QTRY_VERIFY(!coder->isPrinting());
        QTRY_COMPARE(data(device, CoderListModel::StateRole).toInt(), int(CoderState::Stopped));
        QVERIFY(logHas("Start: 127.0.0.1"));
        QVERIFY(logHas("Stop: 127.0.0.1"));
        QVERIFY(window->controlStatusBar()->lastEventText().contains("Stop: 127.0.0.1"));
    }

    // What the window does lands in the journal and in its view, which
    // filters by coder, user, action and date; the designer's saves too.
    // Failing closed, nothing is done without its line.
    void theJournalKeepsWhatTheWindowDid()
    {
        QTemporaryDir dir;
        auto coder = simulatedCoder(dir.path());
        QTRY_COMPARE(coders().size(), 1);
        click(coders().first());
        QTRY_VERIFY(!window->fleet()->coder(coders().first())->parameterBlock.isEmpty());
        selectFile("label1");
        button("syncBtn")->click();
        window->parameterPanel()->findChild<QCheckBox *>("spliceCheckBox")->click();
        button("syncPrintParameterBtn")->click();
        button("startBtn")->click();
        button("StopBtn")->click();
        {
            EditWidget editor("Spray/label1.spr", EditWidget::ModeExisting, window.get());
            editor.setSaveObserver(window->journal());
            QVERIFY(editor.save());
        }
        QTRY_VERIFY(!coder->isPrinting());

        const QList<QJsonObject> lines = journalLines();
        QStringList actions;
        for (const QJsonObject &line : lines)
            actions << line.value("action").toString();
        QCOMPARE(actions, QStringList({"message sent", "print parameters", "start", "stop",
                                       "message saved"}));
        QCOMPARE(lines.at(0).value("sha256").toString(), sha256(kMessage));
        QCOMPARE(lines.at(4).value("file").toString(), QString("label1.spr"));
        QCOMPARE(lines.at(4).value("sha256Before").toString(), sha256(kMessage));
        QCOMPARE(lines.at(4).value("sha256After").toString(), sha256(readFile("Spray/label1.spr")));
        QVERIFY(lines.at(4).value("sha256After") != lines.at(4).value("sha256Before"));
        QCOMPARE(lines.at(2).value("user").toString(), Journal::systemUserName());
        QVERIFY(checkJournal("journal").ok);

        JournalView *view = window->journal()->view();
        QAbstractItemModel *rows = view->model();
        QTRY_COMPARE(rows->rowCount(), 5); // shown a moment after each line
        QCOMPARE(rows->index(1, JournalView::Details).data().toString(),
                 QString("127.0.0.1: splice off → on"));
        auto *coderFilter = view->findChild<QLineEdit *>("journalCoderFilter");
        auto *actionFilter = view->findChild<QComboBox *>("journalActionFilter");
        auto *userFilter = view->findChild<QComboBox *>("journalUserFilter");
        coderFilter->setText("127.0.0.1");
        QCOMPARE(rows->rowCount(), 4); // not the designer's save
        actionFilter->setCurrentIndex(actionFilter->findData("start"));
        QCOMPARE(rows->rowCount(), 1);
        QCOMPARE(rows->index(0, JournalView::Coders).data().toString(), QString("127.0.0.1"));
        coderFilter->clear();
        actionFilter->setCurrentIndex(0);
        userFilter->setCurrentIndex(userFilter->findData(Journal::systemUserName()));
        QCOMPARE(rows->rowCount(), 5);
        userFilter->setCurrentIndex(0);
        const QDate yesterday = QDate::currentDate().addDays(-1);
        view->setDateRange(yesterday.addDays(-3), yesterday);
        QCOMPARE(rows->rowCount(), 0);
        view->setDateRange(yesterday, QDate::currentDate());
        QCOMPARE(rows->rowCount(), 5);

        // Failing closed with a journal that cannot be written.
        window->journal()->commands()->setFailClosed(true);
        window->journal()->journal()->waitForDisk(); // its head is written from a thread
        QDir("journal").removeRecursively();
        writeFile("journal", "a file where the folder belongs");
        button("startBtn")->click();
        QTest::qWait(100);
        QVERIFY(!coder->isPrinting());
        QVERIFY(logHas("Not done: its journal line cannot be written"));
        dialogs->answer<ChangeMyDeviceBtnRemarkNameDialog>([](QDialog *dialog) {
            dialog->findChild<QLineEdit *>()->setText("Line 9");
            dialog->findChild<QPushButton *>()->click();
            return int(dialog->result());
        });
        devices()->editRemarkName(coders().first());
        QCOMPARE(text(coders().first()), QString("127.0.0.1"));
        QVERIFY(window->fleet()->settings()->remarkName("127.0.0.1").isEmpty());
        const QByteArray saved = readFile("Spray/label1.spr");
        {
            EditWidget editor("Spray/label1.spr", EditWidget::ModeExisting, window.get());
            editor.setSaveObserver(window->journal());
            QVERIFY(!editor.save());
        }
        QVERIFY(
            notifier->texts().join('\n').contains("is not saved: the journal cannot be written"));
        QCOMPARE(readFile("Spray/label1.spr"), saved);
        QFile::remove("journal");
    }

    // Role × control: the button's state and tool tip, and the command itself
    // allowed or refused by the session behind it.
    void rolesGovernTheWindow_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("allowed");
        const QStringList controls{"startBtn",   "StopBtn",     "syncBtn", "syncPrintParameterBtn",
                                   "newFileBtn", "editToolBtn", "builtBtn"};
        const QList<QPair<QString, int>> users{
            {"", 0}, {"olga", 3}, {"sam", 6}, {"anna", 7}}; // how many controls each may use
        for (const auto &user : users) {
            for (int i = 0; i < controls.size(); ++i) {
                const QString row =
                    (user.first.isEmpty() ? QString("nobody") : user.first) + ": " + controls.at(i);
                QTest::newRow(qPrintable(row)) << user.first << controls.at(i) << (i < user.second);
            }
        }
    }

    void rolesGovernTheWindow()
    {
        QFETCH(QString, user);
        QFETCH(QString, control);
        QFETCH(bool, allowed);
        writeUsers();
        Session *session = window->access()->session();
        QVERIFY(session->load().isEmpty());
        if (!user.isEmpty())
            QVERIFY(session->signIn(user, user + "-pw").ok);
        selectFile("label1");
        RawCoder coder(port());
        QTRY_COMPARE(coders().size(), 1);
        const QList<int> all = window->fleet()->descriptors();

        auto *widget = window->findChild<QWidget *>(control);
        QCOMPARE(widget->isEnabled(), allowed);
        if (!allowed)
            QVERIFY2(widget->toolTip().startsWith(user.isEmpty() ? "Sign in to " : "Only a "),
                     qPrintable(widget->toolTip()));
        CommandResult result;
        if (control == "startBtn")
            result = window->fleet()->start(all);
        else if (control == "StopBtn")
            result = window->fleet()->stop(all);
        else if (control == "syncBtn")
            result = window->fleet()->apply("Spray/label1.spr", all);
        else if (control == "syncPrintParameterBtn")
            result = window->fleet()->applyParameters(PrintParameters().toBytes(), all);
        else if (control == "builtBtn")
            result = window->fleet()->rebind(0);
        else
            return; // the designer: only its buttons
        QCOMPARE(result.ok, allowed);
        if (!allowed)
            QCOMPARE(result.error.left(10), widget->toolTip().left(10));
    }

    // Users switched on from the window, a user added, signing out and in
    // (a wrong password first), the sign-out after the idle time; all in the
    // journal.  A damaged users file lets nobody in and says how to recover.
    void usersAreSwitchedOnAndSignInFromTheWindow()
    {
        auto *status = window->findChild<QLabel *>("userStatus");
        QVERIFY(window->findChild<QWidget *>("syncPrintParameterBtn")->isEnabled());
        int runs = 0;
        dialogs->answer<UsersDialog>([&](QDialog *dialog) {
            ++runs;
            const auto set = [dialog](const char *name, const QString &text) {
                dialog->findChild<QLineEdit *>(name)->setText(text);
            };
            set("usersName", "anna");
            set("usersPassword", "anna-pw");
            set("usersRepeat", "anna-pw");
            dialog->findChild<QPushButton *>("usersOnBtn")->click();
            set("usersName", "olga");
            dialog->findChild<QComboBox *>("usersRole")->setCurrentIndex(0);
            set("usersPassword", "olga-pw");
            set("usersRepeat", "olga-pw");
            dialog->findChild<QPushButton *>("usersSetBtn")->click();
            return int(QDialog::Rejected);
        });
        emit status->linkActivated("users");
        QCOMPARE(runs, 1);
        Session *session = window->access()->session();
        QVERIFY(session->usersOn());
        QCOMPARE(session->userName(), QString("anna"));
        QCOMPARE(window->access()->store()->users().size(), 2);
        QVERIFY(status->text().contains("anna (Administrator)"));

        emit status->linkActivated("signout");
        QVERIFY(!window->findChild<QWidget *>("startBtn")->isEnabled());
        QCOMPARE(window->findChild<QWidget *>("startBtn")->toolTip(), QString("Sign in to start."));
        QStringList messages;
        dialogs->answer<SignInDialog>([&](QDialog *dialog) {
            auto *signIn = qobject_cast<SignInDialog *>(dialog);
            messages << signIn->message();
            signIn->setName("olga");
            signIn->setPassword(messages.size() == 1 ? "wrong" : "olga-pw");
            return int(QDialog::Accepted);
        });
        window->access()->setIdleInterval(200);
        emit status->linkActivated("signin");
        QCOMPARE(messages, QStringList({"", "Wrong name or password."}));
        QCOMPARE(session->userName(), QString("olga"));
        QVERIFY(window->findChild<QWidget *>("startBtn")->isEnabled());
        QVERIFY(!window->findChild<QWidget *>("builtBtn")->isEnabled());
        QTRY_VERIFY(!session->signedIn());
        QVERIFY(logHas("olga was signed out: no input for 15 minutes."));

        QStringList actions;
        for (const QJsonObject &line : journalLines())
            actions << line.value("action").toString() + ":" + line.value("user").toString();
        const QString me = Journal::systemUserName();
        QCOMPARE(actions,
                 QStringList({"users on:" + me, "sign-in:anna", "user set:anna", "sign-out:anna",
                              "sign-in refused:" + me, "sign-in:olga", "sign-out:olga"}));

        writeFile("users.json", "{\"format\":1,\"enabled\":true,\"users\":[{\"name\":1}]}");
        QFile("users.json").setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        QVERIFY(session->load().contains("KorvexControl --create-admin NAME"));
        QVERIFY(status->text().contains("Nobody can sign in"));
        QVERIFY(!window->findChild<QWidget *>("startBtn")->isEnabled());
        StationWindow restarted;
        QVERIFY(restarted.eventLog()->lines().join('\n').contains("is damaged. Nobody can sign in "
                                                                  "until an administrator runs"));
        QVERIFY(!restarted.access()->session()->signIn("anna", "anna-pw").ok);
    }

    // A message with findings against the checked coder's head mask lists
    // them first: Cancel sends nothing, "Send anyway" sends it.
    void applyChecksTheMessageAgainstTheCodersHeads()
    {
        RawCoder coder(port());
        QTRY_COMPARE(coders().size(), 1);
        click(coders().first());
        QTRY_COMPARE(coder.received.size(), 2);
        PrintParameters parameters;
        parameters.headEnableMask = 0b0101; // heads 1 and 3
        coder.send(Command::Parameters, parameters.toBytes());
        QTRY_VERIFY(!window->fleet()->coder(coders().first())->parameterBlock.isEmpty());
        writeFile("Spray/low.spr",
                  QByteArray(kMessage).replace(R"("TextAtY":10)", R"("TextAtY":400)"));
        QTRY_VERIFY(!window->findChild<QListWidget *>("fileListWidget")
                         ->findItems("low", Qt::MatchExactly)
                         .isEmpty());
        selectFile("low");

        QStringList listed;
        QString proceed;
        int answer = QDialog::Rejected;
        dialogs->answer<PreflightDialog>([&](PreflightDialog *dialog) {
            listed.clear();
            for (int row = 0; row < dialog->findingList()->topLevelItemCount(); ++row)
                listed << dialog->findingList()->topLevelItem(row)->text(0) + ": " +
                              dialog->findingList()->topLevelItem(row)->text(1);
            proceed = dialog->proceedButton()->text();
            return answer;
        });
        button("syncBtn")->click();
        QCOMPARE(proceed, QString("Send anyway"));
        QCOMPARE(listed.size(), 1);
        QVERIFY2(listed.first().startsWith("Text \"LINE 1\": ") &&
                     listed.first().contains("head 2"),
                 qPrintable(listed.first()));
        QTest::qWait(100);
        QVERIFY(!coder.commands().contains(Command::FileTransfer));
        QVERIFY(logHas("Spray/low.spr was not sent"));

        answer = QDialog::Accepted;
        button("syncBtn")->click();
        QTRY_VERIFY(coder.commands().contains(Command::FileTransfer));
        QTRY_VERIFY(QFile::exists("devices/127.0.0.1/low.spr"));
        QVERIFY(notifier->boxes.isEmpty());

        // With users on, only a Supervisor may send anyway.
        writeUsers();
        Session *session = window->access()->session();
        QVERIFY(session->load().isEmpty());
        QVERIFY(session->signIn("olga", "olga-pw").ok);
        bool mayProceed = true;
        dialogs->answer<PreflightDialog>([&](PreflightDialog *dialog) {
            mayProceed = dialog->proceedButton()->isEnabled();
            proceed = dialog->proceedButton()->toolTip();
            return int(QDialog::Accepted);
        });
        const int sent = coder.commands().count(Command::FileTransfer);
        button("syncBtn")->click();
        QVERIFY(!mayProceed);
        QVERIFY2(proceed.startsWith("Only a Supervisor may send a message despite"),
                 qPrintable(proceed));
        QTest::qWait(100);
        QCOMPARE(coder.commands().count(Command::FileTransfer), sent);
    }

    // The demo's coders take every sample message on its first Apply: each
    // one fits the heads they report, and nothing else is found.
    void everySampleFitsTheDemoCoders()
    {
        const QDir samples(KORVEX_SAMPLES);
        QDir().mkpath("Image");
        for (const QString &picture : QDir(samples.filePath("Image")).entryList(QDir::Files))
            QFile::copy(samples.filePath("Image/" + picture), "Image/" + picture);
        QTemporaryDir dir;
        std::vector<std::unique_ptr<SimulatedCoder>> demo;
        for (int i = 0; i < 3; ++i)
            demo.push_back(simulatedCoder(dir.filePath(QString::number(i))));
        QTRY_COMPARE(coders().size(), 3);
        for (const int coder : coders())
            window->fleet()->requestParameters(coder);
        QTRY_VERIFY([this] {
            const QList<int> all = coders();
            return std::all_of(all.cbegin(), all.cend(), [this](int coder) {
                const Coder *record = window->fleet()->coder(coder);
                return record && !record->parameterBlock.isEmpty();
            });
        }());
        const QStringList names = samples.entryList({"*.spr"}, QDir::Files);
        QVERIFY(names.size() >= 3);
        for (const QString &name : names) {
            // A job's template is judged as a job fills it.
            QString path = samples.filePath(name);
            const QByteArray bytes = readFile(path);
            const QStringList placeholders = TemplateText::names(QString::fromUtf8(bytes));
            if (!placeholders.isEmpty()) {
                QMap<QString, QString> values = TemplateSamples().values();
                for (const QString &field : placeholders)
                    if (!values.contains(field))
                        values.insert(field, "B");
                const TemplateFill::Result filled = TemplateFill::fill(bytes, values);
                QVERIFY2(filled.ok, qPrintable(name + ": " + filled.error));
                path = dir.filePath(name);
                writeFile(path, filled.filled);
            }
            for (const int coder : coders()) {
                const MessageCheckResult result = window->station()->check(path, {coder});
                QVERIFY2(result.clean(),
                         qPrintable(name + ": " + result.error + result.findings.join("; ")));
            }
        }
    }

    void statusReportsColourTheButton_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("progress");
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("bar");
        QTest::newRow("printing is green") << 1 << 40 << int(CoderState::Printing) << 40;
        QTest::newRow("ready is yellow") << 2 << 50 << int(CoderState::Ready) << 50;
        QTest::newRow("stopped is red") << 0 << 0 << int(CoderState::Stopped) << 0;
        QTest::newRow("unknown keeps the colour, moves the bar")
            << 3 << 70 << int(CoderState::Printing) << 70;
        QTest::newRow("negative progress") << 1 << -5 << int(CoderState::Printing) << 0;
    }

    void statusReportsColourTheButton()
    {
        QFETCH(int, status);
        QFETCH(int, progress);
        RawCoder coder(port());
        QTRY_COMPARE(coders().size(), 1);
        const int device = coders().first();
        coder.send(Command::StatusReport, statusReportPayload({1, 10}));
        QTRY_COMPARE(data(device, CoderListModel::ProgressRole).toInt(), 10);
        coder.send(Command::StatusReport, statusReportPayload({quint8(status), qint8(progress)}));
        QFETCH(int, bar);
        QTRY_COMPARE(data(device, CoderListModel::ProgressRole).toInt(), bar);
        QFETCH(int, state);
        QCOMPARE(data(device, CoderListModel::StateRole).toInt(), state);
        QTRY_COMPARE(devices()->countText(CoderState(state)), QString("1"));
        const PaintedRow painted = paintedRow(devices(), device);
        QVERIFY2(near(painted.colour, CoderButtonDelegate::stateColour(CoderState(state))),
                 qPrintable(painted.colour.name()));
        QVERIFY2(qAbs(painted.bar - bar) <= 2, qPrintable(QString::number(painted.bar)));
    }

    // Two coders behind one address keep their own buttons; newest on top.
    void coderBehindTheSameAddressKeepsItsButton()
    {
        RawCoder first(port());
        QTRY_COMPARE(coders().size(), 1);
        const int older = coders().first();
        RawCoder second(port());
        QTRY_COMPARE(coders().size(), 2);
        QCOMPARE(devices()->shownDescriptors().last(), older);

        first.socket.disconnectFromHost();
        QTRY_COMPARE(coders().size(), 1);
        const int left = coders().first();
        QVERIFY(left != older);
        click(left);
        QTRY_COMPARE(second.received.size(), 2);

        // No coder checked: nothing goes out.
        devices()->setMultiSelect(false);
        second.received.clear();
        for (const char *name : {"startBtn", "StopBtn", "syncPrintParameterBtn", "syncBtn"})
            button(name)->click();
        QTest::qWait(100);
        QVERIFY(second.received.isEmpty());
    }

    void badPortIsRefusedAndTheServerKeepsRunning_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "";
        QTest::newRow("not a number") << "64a";
        QTest::newRow("zero") << "0";
        QTest::newRow("too large") << "65536";
        QTest::newRow("negative") << "-1";
    }

    void badPortIsRefusedAndTheServerKeepsRunning()
    {
        QFETCH(QString, text);
        const quint16 before = port();
        window->findChild<QLineEdit *>("portLineEdit")->setText(text);
        button("builtBtn")->click();
        QCOMPARE(notifier->boxes.size(), 1);
        QVERIFY(window->server()->isListening());
        QCOMPARE(port(), before);
        QVERIFY(!window->fleet()->settings()->port().has_value());
        RawCoder coder(before);
        QTRY_COMPARE(coders().size(), 1);
    }

    void failedListenIsReportedAndThePreviousPortComesBack()
    {
        QTcpServer occupier;
        QVERIFY(occupier.listen(QHostAddress::Any, 0));
        const quint16 taken = occupier.serverPort();
        const quint16 before = port();
        window->findChild<QLineEdit *>("portLineEdit")->setText(QString::number(taken));
        button("builtBtn")->click();
        QCOMPARE(notifier->boxes.size(), 1);
        QVERIFY(notifier->boxes.first().text.contains(QString::number(taken)));
        QVERIFY(notifier->boxes.first().text.contains("in use"));
        QVERIFY(window->server()->isListening());
        QCOMPARE(port(), before);
        QVERIFY(!window->fleet()->settings()->port().has_value());

        // At start-up the window opens all the same, saying why.
        StationWindow second(taken);
        QVERIFY(!second.server()->isListening());
        QVERIFY(second.eventLog()->lines().join('\n').contains(
            QString("Cannot listen on port %1").arg(taken)));
        QVERIFY(second.controlStatusBar()->portText().contains("Not listening"));

        // A good port is taken and stored.
        occupier.close();
        window->findChild<QLineEdit *>("portLineEdit")->setText(QString::number(taken));
        button("builtBtn")->click();
        QCOMPARE(port(), taken);
        QCOMPARE(storedPort().value_or(0), taken);

        // The stored port fills the field; the server starts on the port it is given.
        StationWindow restarted;
        QCOMPARE(restarted.findChild<QLineEdit *>("portLineEdit")->text(), QString::number(taken));
        QVERIFY(restarted.server()->isListening());
        QVERIFY(restarted.server()->serverPort() != taken);
    }

    void applyWithoutAReadableFileSendsNothing()
    {
        RawCoder coder(port());
        QTRY_COMPARE(coders().size(), 1);
        click(coders().first());
        QTRY_COMPARE(coder.received.size(), 2);

        window->findChild<QListWidget *>("fileListWidget")->clearSelection();
        button("syncBtn")->click();
        QCOMPARE(notifier->boxes.size(), 1);
        QCOMPARE(notifier->boxes.first().title, QString("Warn"));
        QCOMPARE(notifier->boxes.first().text, QString("You must select a file! "));

        selectFile("label1");
        QFile::remove("Spray/label1.spr");
        button("syncBtn")->click();
        QTest::qWait(100);
        QCOMPARE(coder.received.size(), 2);
        QCOMPARE(notifier->boxes.size(), 2);
        QVERIFY(logHas("Nothing was sent"));
        QVERIFY(!QFile::exists("devices/127.0.0.1/label1.spr"));

        // A file over the limit is refused before it is read.
        writeFile("Spray/huge.spr", QByteArray(int(MessageFile::kMaxFileBytes) + 1, ' '));
        QTRY_VERIFY(!window->findChild<QListWidget *>("fileListWidget")
                         ->findItems("huge", Qt::MatchExactly)
                         .isEmpty());
        selectFile("huge");
        button("syncBtn")->click();
        QTest::qWait(100);
        QCOMPARE(coder.received.size(), 2);
        QCOMPARE(notifier->boxes.last().text,
                 QString("Cannot read Spray/huge.spr: The file is larger than 16 MiB. Nothing was "
                         "sent."));
    }

    // Too much waiting for one coder drops it (here: four messages of 16 MiB
    // without the event loop running); the file it did not get is not
    // recorded as its own.
    void aCoderDroppedDuringApplyIsNotRecordedAsHavingTheFile()
    {
        RawCoder coder(port());
        QTRY_COMPARE(coders().size(), 1);
        click(coders().first());
        QTRY_COMPARE(coder.received.size(), 2);
        // A message all the same: nothing that does not load as one goes out.
        QByteArray big = kMessage;
        big.insert(1, "\"Padding\":\"" +
                          QByteArray(int(MessageFile::kMaxFileBytes) - kMessage.size() - 64, 'x') +
                          "\",");
        for (int i = 0; i < 6; ++i)
            writeFile(QString("Spray/big%1.spr").arg(i), big);
        QTRY_VERIFY(!window->findChild<QListWidget *>("fileListWidget")
                         ->findItems("big5", Qt::MatchExactly)
                         .isEmpty());
        int dropped = -1;
        for (int i = 0; i < 6 && dropped < 0; ++i) {
            selectFile(QString("big%1").arg(i));
            button("syncBtn")->click();
            if (coders().isEmpty())
                dropped = i;
        }
        QCOMPARE(dropped, 4);
        QVERIFY(logHas("Coder 127.0.0.1 was dropped before it took big4.spr."));
        QTRY_VERIFY(QFile::exists("devices/127.0.0.1/big3.spr"));
        QTest::qWait(100);
        QVERIFY(!QFile::exists("devices/127.0.0.1/big4.spr"));
    }

    void unsafeCurrentFileNamesWriteNothing_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::newRow("parent folder") << QByteArray("../escaped.spr");
        QTest::newRow("sub folder") << QByteArray("x/escaped.spr");
        QTest::newRow("dot dot") << QByteArray("..");
        // 200 Latin-1 letters e-acute: 400 bytes as a UTF-8 file name.
        QTest::newRow("too long") << QByteArray(200, '\xe9');
    }

    void unsafeCurrentFileNamesWriteNothing()
    {
        QFETCH(QByteArray, name);
        RawCoder coder(port());
        QTRY_COMPARE(coders().size(), 1);
        coder.send(Command::CurrentFile, currentFileRecord(name, kMessage));
        QTRY_VERIFY(logHas("not stored"));
        QCOMPARE(QDir("devices").entryList(QDir::Files | QDir::NoDotAndDotDot), QStringList());
        QCOMPARE(QDir("devices/127.0.0.1").entryList(QDir::Files), QStringList());
        QVERIFY(!QFile::exists("escaped.spr"));
        QVERIFY(!QFile::exists("devices/x"));
    }

    // A coder's current file that cannot be written whole leaves the last good copy.
    void aFailedWriteKeepsTheOldCopy()
    {
        RawCoder coder(port());
        QTRY_COMPARE(coders().size(), 1);
        coder.send(Command::CurrentFile, currentFileRecord("current.spr", kMessage));
        QTRY_COMPARE(readFile("devices/127.0.0.1/current.spr"), kMessage);
        {
            const FileSizeLimit disk(kMessage.size());
            coder.send(Command::CurrentFile,
                       currentFileRecord("current.spr", kMessage + QByteArray(4096, ' ')));
            QTRY_VERIFY(logHas("not stored"));
        }
        QCOMPARE(readFile("devices/127.0.0.1/current.spr"), kMessage);
        QCOMPARE(QDir("devices/127.0.0.1").entryList(QDir::Files), QStringList{"current.spr"});
    }

    // Folder and copy failures are shown in the window, never as a box.
    void folderFailuresAreShownWithoutStopping()
    {
        QDir("devices").removeRecursively();
        writeFile("devices", "not a folder");
        RawCoder coder(port());
        QTRY_COMPARE(coders().size(), 1);
        QVERIFY(logHas("cannot create folder devices/127.0.0.1"));
        click(coders().first());
        selectFile("label1");
        button("syncBtn")->click();
        QTRY_VERIFY(logHas("Copy for coder 127.0.0.1 failed"));
        QVERIFY(window->controlStatusBar()->lastEventText().contains("failed"));
        QVERIFY(notifier->boxes.isEmpty());
        QTRY_VERIFY(coder.commands().contains(Command::FileTransfer));
    }

    void remarkNameIsKeptPerAddress()
    {
        auto rename = [this](const QString &name) {
            dialogs->answer<ChangeMyDeviceBtnRemarkNameDialog>([name](QDialog *dialog) {
                dialog->findChild<QLineEdit *>()->setText(name);
                dialog->findChild<QPushButton *>()->click();
                return int(dialog->result());
            });
        };
        RawCoder coder(port());
        QTRY_COMPARE(coders().size(), 1);
        const int device = coders().first();
        rename("Line 1");
        devices()->editRemarkName(device);
        QCOMPARE(text(device), QString("Line 1"));
        QVERIFY(data(device, Qt::ToolTipRole).toString().contains("Line 1"));
        QCOMPARE(window->fleet()->coder(device)->remarkName, QString("Line 1"));
        QCOMPARE(storedRemarkName("127.0.0.1"), QString("Line 1"));

        RawCoder again(port());
        QTRY_COMPARE(coders().size(), 2);
        QCOMPARE(text(coders().last()), QString("Line 1"));

        // The name belongs to the address: every coder behind it shows it.
        rename(QString());
        devices()->editRemarkName(device);
        QCOMPARE(text(device), QString("127.0.0.1"));
        QCOMPARE(text(coders().last()), QString("127.0.0.1"));
        RawCoder third(port());
        QTRY_COMPARE(coders().size(), 3);
        QCOMPARE(text(coders().last()), QString("127.0.0.1"));
        QCOMPARE(storedRemarkName("127.0.0.1"), QString());
    }

    void selectionFollowsTabsAndMultiSelect()
    {
        RawCoder a(port()), b(port());
        QTRY_COMPARE(coders().size(), 2);
        click(coders().at(0));
        click(coders().at(1));
        QCOMPARE(devices()->checkedDescriptors(), QList<int>{coders().at(1)});

        button("multiSelectbtnForParameter")->click();
        click(coders().at(0));
        QCOMPARE(devices()->checkedDescriptors().size(), 2);

        auto *tabs = window->findChild<QTabWidget *>("tabWidget");
        tabs->setCurrentIndex(1);
        QVERIFY(window->findChild<QWidget *>("containFileListWidget")->isVisible());
        QVERIFY(!window->parameterPanel()->isVisible());
        // The checks come along to the file tab, its button showing multi-select.
        QCOMPARE(devices()->checkedDescriptors().size(), 2);
        QVERIFY(button("multiSelectbtn")->isChecked());
        tabs->setCurrentIndex(0);
        QCOMPARE(devices()->checkedDescriptors().size(), 0);
        QVERIFY(!button("multiSelectbtnForParameter")->isChecked());
        QVERIFY(!button("multiSelectbtn")->isChecked());
        QVERIFY(window->parameterPanel()->isVisible());
        click(coders().at(0));
        click(coders().at(1));
        QCOMPARE(devices()->checkedDescriptors().size(), 1);
    }

    // F1 and the Help button's menu open the manual of the build, in
    // English while the interface language has none of its own; without a
    // manual, the log and a box say so.
    void helpOpensTheManual()
    {
        auto *manual = window->findChild<QAction *>("manualAction");
        QVERIFY(manual);
        QCOMPARE(manual->shortcut(), QKeySequence(Qt::Key_F1));
        QVERIFY(window->actions().contains(manual));
        QVERIFY(button("helpButton")->menu()->actions().contains(manual));
        manual->trigger();
#ifdef KORVEX_MANUAL_BUILT
        QCOMPARE(notifier->opened.size(), 1);
        const QString page = notifier->opened.first().toLocalFile();
        QVERIFY2(page.endsWith("/manual/en/index.html") && QFileInfo(page).isFile(),
                 qPrintable(page));
        QVERIFY(notifier->boxes.isEmpty());
#else
        QVERIFY(notifier->opened.isEmpty());
        QCOMPARE(notifier->boxes.size(), 1);
        QVERIFY(logHas("The operator's manual is not installed"));
#endif
    }

    void fileListFollowsTheFolderAndOpensTheEditor()
    {
        auto *list = window->findChild<QListWidget *>("fileListWidget");
        QTRY_COMPARE(list->count(), 2);
        writeFile("Spray/label2.spr", kMessage);
        writeFile("Spray/notes.txt", "x");
        QTRY_COMPARE(list->count(), 3);
        QVERIFY(!list->findItems("label2", Qt::MatchExactly).isEmpty());
        QFile::remove("Spray/a.b.spr");
        QTRY_COMPARE(list->count(), 2);

        QList<QPair<QString, int>> opened;
        window->setEditorOpener([&](const QString &path, int mode) {
            opened << qMakePair(path, mode);
            if (mode == 2)
                writeFile("Spray/fresh.spr", kMessage);
        });
        button("newFileBtn")->click();
        QCOMPARE(list->count(), 3);
        selectFile("label2");
        QVERIFY(button("editToolBtn")->isEnabled());
        button("editToolBtn")->click();
        QCOMPARE(opened, (QList<QPair<QString, int>>{{QString(), 2}, {"Spray/label2.spr", 0}}));
        QCOMPARE(window->previewScene()->items().size(), 1);
        QCOMPARE(window->preview()->caption(), QString("Spray/label2.spr"));

        // A file picked here shows its problems in the designer's boxes.
        QVERIFY(notifier->boxes.isEmpty());
        writeFile("Spray/damaged.spr", "x");
        writeFile("Spray/data.spr", R"({"ExternDataInfo":{"ExternMode":1,)"
                                    R"("ExternFileName":"nowhere.txt"}})");
        QTRY_COMPARE(list->count(), 5);
        selectFile("damaged");
        selectFile("data");
        QCOMPARE(notifier->boxes.size(), 2);
        QCOMPARE(notifier->boxes.at(0).kind, Prompts::Kind::Warning);
        QCOMPARE(notifier->boxes.at(0).title, QString("Qt Drawing"));
        QCOMPARE(notifier->boxes.at(0).text, QString("File Spray/damaged.spr is empty."));
        QCOMPARE(notifier->boxes.at(1).kind, Prompts::Kind::Information);
        QCOMPARE(notifier->boxes.at(1).title, QString("t"));
        QCOMPARE(notifier->boxes.at(1).text, QString("Can not find the extern data file!"));
    }

    void filterMatchesNameAddressAndState_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("shown");
        QTest::addColumn<bool>("lines"); // with the coders of two other lines
        QTest::newRow("empty: all, newest on top") << "" << QList<int>{13, 12, 11, 10} << false;
        QTest::newRow("remark name, any case") << "line" << QList<int>{11, 10} << false;
        QTest::newRow("IP text") << "192.168.1.1" << QList<int>{12, 11, 10} << false;
        QTest::newRow("one address") << "10.0.0" << QList<int>{13} << false;
        QTest::newRow("state") << "printing" << QList<int>{13, 10} << false;
        QTest::newRow("state, any case") << "READY" << QList<int>{11} << false;
        QTest::newRow("spaces around") << "  Packing " << QList<int>{13} << false;
        QTest::newRow("nothing matches") << "x-ray" << QList<int>{} << false;
        QTest::newRow("other lines below, by line")
            << "" << QList<int>{13, 12, 11, 10, -3, -2} << true;
        QTest::newRow("a line") << "line2/" << QList<int>{-2} << true;
        QTest::newRow("a remote coder's address") << "10.0.1" << QList<int>{-3} << true;
        QTest::newRow("a remote coder's name") << "filler" << QList<int>{-3} << true;
        QTest::newRow("state, remote coders too") << "printing" << QList<int>{13, 10, -2} << true;
    }

    void filterMatchesNameAddressAndState()
    {
        QFETCH(QString, text);
        QFETCH(bool, lines);
        FedList fed(lines);
        fed.list.setFilterText(text);
        QTEST(fed.list.shownDescriptors(), "shown");
        QCOMPARE(fed.list.count(), lines ? 6 : 4);
    }

    // The counts at the head, a state's change shown once with its last
    // value, a count that filters, checks the filter hides, compact rows.
    void countsChecksAndCompactRowsFollowTheList()
    {
        FedList fed;
        DeviceListPanel &list = fed.list;
        CoderListModel *model = list.model();
        QCOMPARE(list.countText(CoderState::Printing), QString("2"));
        QCOMPARE(list.countText(CoderState::Ready), QString("1"));
        QCOMPARE(list.countText(CoderState::Stopped), QString("1"));

        QSignalSpy changed(model, &QAbstractItemModel::dataChanged);
        model->setState(12, CoderState::Printing);
        model->setProgress(12, 30);
        model->setState(12, CoderState::Ready);
        model->setProgress(12, 35);
        QCOMPARE(changed.count(), 0);
        QTRY_COMPARE(changed.count(), 1);
        QTest::qWait(2 * CoderListModel::kMinRefreshMs);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(rowData(&list, 12, CoderListModel::StateRole).toInt(), int(CoderState::Ready));
        QCOMPARE(list.countText(CoderState::Ready), QString("2"));
        QCOMPARE(list.countText(CoderState::Stopped), QString("0"));
        const PaintedRow painted = paintedRow(&list, 12);
        QVERIFY(near(painted.colour, CoderButtonDelegate::stateColour(CoderState::Ready)));
        QCOMPARE(painted.bar, 35);

        // A count filters by its state.
        list.findChild<QToolButton *>("readyCount")->click();
        QCOMPARE(list.filterEdit()->text(), QString("ready"));
        QCOMPARE(list.shownDescriptors(), (QList<int>{12, 11}));
        QCOMPARE(list.countText(CoderState::Ready), QString("2/2"));
        QCOMPARE(list.countText(CoderState::Printing), QString("0/2"));

        // A coder the filter hides is no longer checked.
        QSignalSpy checked(&list, &DeviceListPanel::coderChecked);
        list.setMultiSelect(true);
        list.setChecked(12, true);
        list.setChecked(11, true);
        QCOMPARE(checked.count(), 2);
        list.setFilterText("Line 2");
        QCOMPARE(list.checkedDescriptors(), QList<int>{11});
        QCOMPARE(list.countText(CoderState::Ready), QString("1/2"));
        list.setFilterText(QString());
        QCOMPARE(list.countText(CoderState::Ready), QString("2"));
        QCOMPARE(list.checkedDescriptors(), QList<int>{11});
        list.setMultiSelect(false);
        QVERIFY(list.checkedDescriptors().isEmpty());

        QListView *view = list.view();
        QCOMPARE(view->visualRect(list.indexOf(10)).height(), CoderButtonDelegate::kRowHeight);
        list.findChild<QToolButton *>("compactListBtn")->click();
        QVERIFY(list.isCompact());
        QCOMPARE(view->visualRect(list.indexOf(10)).height(),
                 CoderButtonDelegate::kCompactRowHeight);
        QCOMPARE(view->visualRect(list.indexOf(10)).top(),
                 3 * CoderButtonDelegate::kCompactRowHeight);

        QVERIFY(model->removeCoder(13));
        QVERIFY(!model->removeCoder(13));
        QTRY_COMPARE(list.countText(CoderState::Printing), QString("1"));
        QCOMPARE(list.shownDescriptors(), (QList<int>{12, 11, 10}));
    }
};

QTEST_MAIN(TestControlWindow)
#include "tst_controlwindow.moc"
