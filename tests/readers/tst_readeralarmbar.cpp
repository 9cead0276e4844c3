// SPDX-License-Identifier: GPL-3.0-or-later
// The readers' bar of the control window: the reminder for a printing coder
// whose reader has no passed challenge today, a red row for an alarm, and
// the buttons a Supervisor's only, refusals in the event log, never a box.
#include "../common/testfiles.h"
#include "fleet.h"
#include "readeralarmbar.h"
#include "readerservice.h"
#include "readerwatch.h"
#include "session.h"
#include "simulatedcoder.h"
#include "station.h"

#include <QLoggingCategory>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QtTest>

class TestReaderAlarmBar : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_before;

    static QPushButton *button(ReaderAlarmBar &bar, const QString &name)
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return bar.findChild<QPushButton *>(name);
    }

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules("korvex.*.debug=false\nkorvex.*.info=false");
        m_before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_dir.path()));
    }
    void cleanupTestCase() { QDir::setCurrent(m_before); }

    void theBarShowsTheReminderAndAlarmsForASupervisor()
    {
        QTcpServer reader;
        QVERIFY(reader.listen(QHostAddress::LocalHost, 0));
        writeFile("korvex.conf",
                  "[reader.1]\nhost=127.0.0.1\nport=" + QByteArray::number(reader.serverPort()) +
                      "\ncoder=127.0.0.1\nsilent_seconds=5\n"
                      "[reader.bad]\nhost=127.0.0.1\n");
        Station::Options options;
        options.port = 0;
        options.settingsPath = "korvex.conf";
        Station station(options);
        QVERIFY(station.open().ok);
        ReaderService readers(&station, nullptr, nullptr, {});
        const QStringList errors = readers.start();
        QCOMPARE(errors.size(), 1);
        QVERIFY2(errors.first().contains("[reader.bad]: port must be"), qPrintable(errors.first()));
        QCOMPARE(int(readers.watches().size()), 1);
        ReaderWatch *watch = readers.watches().front().get();
        QDateTime now(QDate(2026, 12, 9), QTime(10, 0));
        watch->setClock([&] { return now; });
        ReaderAlarmBar bar(&station, &readers);
        QSignalSpy problems(&bar, &ReaderAlarmBar::problem);
        QVERIFY(bar.rows().isEmpty());
        QVERIFY(bar.isHidden());

        QTemporaryDir folder;
        CoderSettings settings;
        settings.port = station.fleet()->listeningPort();
        settings.folder = folder.path();
        settings.statusIntervalMs = 20;
        SimulatedCoder coder(settings);
        coder.start();
        QTRY_COMPARE(station.fleet()->count(), 1);
        const int descriptor = station.fleet()->descriptors().first();
        QCOMPARE(readers.watchOf(descriptor), watch);
        QVERIFY(station.fleet()->start({descriptor}).ok);
        QTRY_COMPARE(bar.rows(), QStringList{"127.0.0.1: No passed challenge test today"});

        // Silent while it prints: the red row.
        now = now.addSecs(6);
        watch->checkSilence();
        QCOMPARE(bar.rows().size(), 1);
        QVERIFY2(bar.rows().first().startsWith("Reader alarm: Reader 1 after 127.0.0.1 has sent "
                                               "nothing for 5 s"),
                 qPrintable(bar.rows().first()));

        // An Operator is refused, a Supervisor clears it.
        QVERIFY(station.session()->switchOn("admin", "correct horse 12").ok);
        QVERIFY(station.session()->setUser("oleg", Role::Operator, "correct horse 12").ok);
        QVERIFY(station.session()->setUser("sveta", Role::Supervisor, "correct horse 12").ok);
        station.session()->signOut("test");
        QVERIFY(station.session()->signIn("oleg", "correct horse 12").ok);
        QPushButton *acknowledge = button(bar, "acknowledge-1");
        QVERIFY(acknowledge);
        acknowledge->click();
        QCOMPARE(problems.count(), 1);
        QVERIFY(problems.first().first().toString().startsWith("Only a Supervisor"));
        QCOMPARE(watch->alarm(), ReaderWatch::Alarm::Silent);
        station.session()->signOut("test");
        QVERIFY(station.session()->signIn("sveta", "correct horse 12").ok);
        button(bar, "acknowledge-1")->click();
        QCOMPARE(watch->alarm(), ReaderWatch::Alarm::None);
        QCOMPARE(bar.rows(), QStringList{"127.0.0.1: No passed challenge test today"});

        // No job on the coder: nothing to challenge, said so.
        button(bar, "challenge-1")->click();
        QCOMPARE(problems.count(), 2);
        QVERIFY(problems.last().first().toString().contains("runs no job"));
    }
};

QTEST_MAIN(TestReaderAlarmBar)
#include "tst_readeralarmbar.moc"
