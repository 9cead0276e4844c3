// SPDX-License-Identifier: GPL-3.0-or-later
#include "devicelistpanel.h"
#include "devicestore.h"
#include "eventlog.h"
#include "fleet.h"
#include "graphicsscene.h"
#include "graphicsview.h"
#include "startup.h"
#include "stationsettings.h"
#include "stationwindow.h"
#include "tcpserver.h"
#include "userstore.h"

#include <QApplication>
#include <QIcon>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QSplitter>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <sys/stat.h>

class TestStartup : public QObject
{
    Q_OBJECT

    // KorvexControl in folder, with no display to open a window on.
    static void startWithoutDisplay(QProcess *control, const QString &folder,
                                    const QStringList &args)
    {
        control->setWorkingDirectory(folder);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("DISPLAY");
        env.remove("QT_QPA_PLATFORM");
        control->setProcessEnvironment(env);
        control->start(KORVEX_CONTROL, args);
    }
private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(mainwindow);
        QSettings(QSettings::NativeFormat, QSettings::UserScope, "KorvexSoftWare").clear();
    }

    void configureInstallsStyleSheetAndNames()
    {
        auto *app = qobject_cast<QApplication *>(QCoreApplication::instance());
        Startup::configure(*app);
        const QString sheet = app->styleSheet();
        for (const char *selector :
             {"QLabel#deviceListLabel", "QLabel#fileListLabel", "QWidget#widget_2", "QTabBar::tab",
              "QTabBar::tab:selected", "QTabBar::tab:!selected", "QTabBar::tab:hover",
              "QToolButton", "QToolButton::hover", "QToolButton::checked",
              "QToolButton MyDeviceToolBtn::hover"})
            QVERIFY2(sheet.contains(QLatin1String(selector) + "{"), selector);
        QVERIFY(sheet.indexOf("QLabel#deviceListLabel") <
                sheet.indexOf("QToolButton MyDeviceToolBtn"));
        QCOMPARE(QCoreApplication::organizationName(), QString("VexaSettings"));
        QCOMPARE(QCoreApplication::applicationName(), QString("KorvexSoftWare"));
    }

    void iconsAreInTheResourceBundle()
    {
        for (const char *name : {"text", "time", "serialNum", "image", "barcode", "shiftcode",
                                 "delete", "save", "newFile", "editFile", "syncFile",
                                 "syncParameter", "select", "server", "start", "stop"}) {
            const QImage icon(QString(":/icon/%1.png").arg(name));
            QVERIFY2(!icon.isNull(), name);
            QCOMPARE(icon.size(), QSize(32, 32));
        }
    }

    // Remark names given before they lived in korvex.conf come over at the
    // first start, into the settings file with its comments kept; a name
    // removed from the file later does not come back, and the port the file
    // names is the one the server starts on.
    void remarkNamesOfThePerUserStoreComeOverOnce()
    {
        QTemporaryDir dir;
        const QString before = QDir::currentPath();
        QDir::setCurrent(dir.path());
        DeviceStore::setRemarkName("192.168.1.20", "Line 1 coder");
        DeviceStore::setRemarkName("fe80::1", "v6 coder");
        {
            QFile conf("korvex.conf");
            QVERIFY(conf.open(QIODevice::WriteOnly));
            conf.write("; the coders of hall 2\n[remark_names]\nfe80::1 = Kept\n");
        }
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
        const quint16 free = probe.serverPort();
        probe.close();
        {
            QFile conf("korvex.conf");
            QVERIFY(conf.open(QIODevice::Append));
            conf.write(QByteArray("[server]\nport = ") + QByteArray::number(free) + "\n");
        }
        {
            StationWindow window(std::nullopt);
            QCOMPARE(window.server()->serverPort(), free);
            QCOMPARE(window.findChild<QLineEdit *>("portLineEdit")->text(), QString::number(free));
            QCOMPARE(window.fleet()->settings()->remarkName("192.168.1.20"),
                     QString("Line 1 coder"));
            QCOMPARE(window.fleet()->settings()->remarkName("fe80::1"), QString("Kept"));
        }
        QFile conf("korvex.conf");
        QVERIFY(conf.open(QIODevice::ReadOnly));
        const QByteArray text = conf.readAll();
        QVERIFY(text.startsWith("; the coders of hall 2\n[remark_names]\nfe80::1 = Kept\n"));
        QVERIFY(text.contains("192.168.1.20 = Line 1 coder\n"));
        conf.close();
        QVERIFY(conf.open(QIODevice::WriteOnly | QIODevice::Truncate));
        conf.close();
        {
            StationWindow again;
            QCOMPARE(again.fleet()->settings()->remarkName("192.168.1.20"), QString());
        }
        QDir::setCurrent(before);
    }

    // Options of the program itself are read before anything else: help
    // and version open no window and touch nothing in the working folder.
    void commandLineIsReadBeforeAnythingStarts_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("printed");
        QTest::newRow("help") << QStringList{"--help"} << 0 << "--create-admin <NAME>";
        QTest::newRow("-h") << QStringList{"-h"} << 0 << "Usage:";
        QTest::newRow("version") << QStringList{"--version"} << 0 << "KorvexControl 0.";
        QTest::newRow("unknown option") << QStringList{"--frobnicate"} << 2 << "Usage:";
        QTest::newRow("an argument") << QStringList{"label.spr"} << 2 << "Usage:";
    }
    void commandLineIsReadBeforeAnythingStarts()
    {
        QFETCH(QStringList, args);
        QTemporaryDir dir;
        QProcess control;
        startWithoutDisplay(&control, dir.path(), args);
        QVERIFY(control.waitForFinished(30000));
        QFETCH(int, exitCode);
        QCOMPARE(control.exitCode(), exitCode);
        QFETCH(QString, printed);
        const QString output = QString::fromLocal8Bit(control.readAllStandardOutput() +
                                                      control.readAllStandardError());
        QVERIFY2(output.contains(printed), qPrintable(output));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList());
    }

    // The first start fits a 1280x800 screen with the whole parameter panel
    // in view; later starts open where the operator left the window.
    void mainWindowShowsAMessageSceneWhereItWasLeft()
    {
        QSettings(QSettings::NativeFormat, QSettings::UserScope, "KorvexSoftWare").clear();
        {
            StationWindow window;
            QVERIFY(window.server()->isListening());
            QCOMPARE(window.windowTitle(), QString("KorvexMainWindow"));
            QVERIFY(window.previewView());
            QCOMPARE(window.previewView()->messageScene(), window.previewScene());
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QVERIFY(window.width() <= 1280 && window.height() <= 770);
            auto *panel = window.findChild<QScrollArea *>("parameterScrollArea");
            QVERIFY(!panel->verticalScrollBar()->isVisible());
            QVERIFY(!panel->horizontalScrollBar()->isVisible());
            // All four heads in the preview.
            QGraphicsView *preview = window.previewView();
            QVERIFY(preview->mapToScene(preview->viewport()->rect()).boundingRect().bottom() >=
                    1200);
            // The event log opens with room for several lines.
            EventLog *log = window.eventLog();
            QVERIFY2(log->height() >= EventLog::kOpeningLines * log->fontMetrics().height(),
                     qPrintable(QString::number(log->height())));
            window.resize(900, 650);
            window.findChild<QSplitter *>("mainSplitter")->setSizes({400, 150});
            QVERIFY(!window.deviceList()->isCompact());
            window.deviceList()->findChild<QToolButton *>("compactListBtn")->click();
        }
        StationWindow again;
        again.show();
        QVERIFY(QTest::qWaitForWindowExposed(&again));
        QCOMPARE(again.size(), QSize(900, 650));
        QCOMPARE(again.findChild<QSplitter *>("mainSplitter")->sizes().last(), 150);
        QVERIFY(again.deviceList()->isCompact());
        QVERIFY(again.deviceList()->findChild<QToolButton *>("compactListBtn")->isChecked());
    }

    // KorvexControl --create-admin NAME, the way back when nobody can sign
    // in: the password from standard input (twice), the other users of a
    // file that can be read kept, a damaged one written anew, the owner's
    // alone; without a display.
    void createAdminRecoversTheUsersFile_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("users"); // after, in the file's order
        QTest::newRow("no file") << "none" << QStringList{"--create-admin", "anna"}
                                 << QByteArray("pw\npw\n") << 0 << QStringList{"anna"};
        QTest::newRow("a file kept") << "olga" << QStringList{"--create-admin", "anna"}
                                     << QByteArray("pw\npw\n") << 0 << QStringList{"olga", "anna"};
        QTest::newRow("a damaged file written anew")
            << "damaged" << QStringList{"--create-admin", "anna"} << QByteArray("pw\npw\n") << 0
            << QStringList{"anna"};
        QTest::newRow("passwords that differ")
            << "olga" << QStringList{"--create-admin", "anna"} << QByteArray("pw\nwp\n") << 1
            << QStringList{"olga"};
        QTest::newRow("an empty password") << "none" << QStringList{"--create-admin", "anna"}
                                           << QByteArray("\n\n") << 1 << QStringList();
        QTest::newRow("a name with a slash") << "none" << QStringList{"--create-admin", "../x"}
                                             << QByteArray("pw\npw\n") << 2 << QStringList();
        QTest::newRow("no name") << "none" << QStringList{"--create-admin"}
                                 << QByteArray("pw\npw\n") << 2 << QStringList();
    }
    void createAdminRecoversTheUsersFile()
    {
        QFETCH(QString, before);
        QFETCH(QStringList, args);
        QFETCH(QByteArray, input);
        QTemporaryDir dir;
        const QString path = dir.filePath("users.json");
        if (before == "olga") {
            UserStore olga(path);
            olga.setRounds(10);
            QVERIFY(olga.setUser("olga", Role::Operator, "olga-pw").ok);
            QVERIFY(olga.save().ok);
        } else if (before == "damaged") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("{\"format\":1,\"users\":[");
            file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
        }
        QProcess control;
        startWithoutDisplay(&control, dir.path(), args);
        control.write(input);
        control.closeWriteChannel();
        QVERIFY(control.waitForFinished(30000));
        QFETCH(int, exitCode);
        QCOMPARE(control.exitCode(), exitCode);

        QFETCH(QStringList, users);
        UserStore after(path);
        QVERIFY(after.load().ok);
        QStringList names;
        for (const UserStore::User &user : after.users())
            names << user.name;
        QCOMPARE(names, users);
        if (exitCode != 0)
            return;
        QVERIFY(after.enabled());
        QCOMPARE(after.users().last().rounds, UserStore::kDefaultRounds);
        QVERIFY(after.signIn("anna", "pw").ok);
        struct stat st = {};
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &st), 0);
        QCOMPARE(st.st_mode & 0777, mode_t(0600));
        QVERIFY(QFileInfo(dir.filePath("journal/HEAD")).exists());
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
