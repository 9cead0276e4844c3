// SPDX-License-Identifier: GPL-3.0-or-later
// The station both programs build: its settings file, and the one way every
// message goes to a coder (loaded and checked first), with raw coders on
// 127.0.0.1 and a check that answers from a script.
#include "../common/rawcoder.h"
#include "../common/testfiles.h"
#include "commandjournal.h"
#include "fleet.h"
#include "inifile.h"
#include "journal.h"
#include "journalcheck.h"
#include "journalline.h"
#include "station.h"
#include "stationsettings.h"

#include <QJsonArray>
#include <QLoggingCategory>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

namespace {

QStringList journalActions(const QString &folder)
{
    QStringList actions;
    forEachJournalLine(folder, QString(), QString(), [&](const JournalLine &line, const QString &) {
        actions << line.object.value("action").toString();
        return true;
    });
    return actions;
}

} // namespace

class TestStation : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_before;

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules("korvex.*.debug=false\nkorvex.*.info=false");
        m_before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_dir.path()));
    }
    void cleanupTestCase() { QDir::setCurrent(m_before); }

    // Changing one value rewrites that line only: the administrator's
    // comments, order and other sections stand as they were.
    void iniFileChangesOneLineAndKeepsTheRest_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value"); // "<remove>": the key goes
        QTest::addColumn<QByteArray>("after");
        const QByteArray conf = "; coders of hall 2\n[server]\nport = 64032 \n\n[mqtt]\n"
                                "# the broker\nurl = mqtt://127.0.0.1\n";
        QTest::newRow("a value changed")
            << conf << "server"
            << "port"
            << "64100"
            << QByteArray("; coders of hall 2\n[server]\nport = 64100\n\n[mqtt]\n"
                          "# the broker\nurl = mqtt://127.0.0.1\n");
        QTest::newRow("a key added to its section")
            << conf << "mqtt"
            << "node"
            << "line-3" << QByteArray(conf + "node = line-3\n");
        QTest::newRow("a new section at the end")
            << conf << "remark_names"
            << "127.0.0.11"
            << "Line 1" << QByteArray(conf + "\n[remark_names]\n127.0.0.11 = Line 1\n");
        QTest::newRow("quoted where the text needs it")
            << QByteArray() << "remark_names"
            << "::1"
            << " Line \"A\"; left\\"
            << QByteArray("[remark_names]\n::1 = \" Line \\\"A\\\"; left\\\\\"\n");
        QTest::newRow("a key removed")
            << conf << "server"
            << "port"
            << "<remove>"
            << QByteArray("; coders of hall 2\n[server]\n\n[mqtt]\n# the broker\n"
                          "url = mqtt://127.0.0.1\n");
        QTest::newRow("CRLF and no last newline") << QByteArray("[server]\r\nport=1") << "server"
                                                  << "port"
                                                  << "2" << QByteArray("[server]\nport = 2\n");
    }
    void iniFileChangesOneLineAndKeepsTheRest()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        IniFile ini = IniFile::parse(before);
        if (value == "<remove>")
            ini.remove(section, key);
        else
            ini.setValue(section, key, value);
        QFETCH(QByteArray, after);
        QCOMPARE(ini.toText(), after);
        // What was written reads back as it was meant.
        const IniFile again = IniFile::parse(after);
        QCOMPARE(again.value(section, key), value == "<remove>" ? QString() : value);
        QCOMPARE(again.contains(section, key), value != "<remove>");
    }

    // A bad value is named with its key and stands at its default; a
    // change is written into the file, never through a link in its place.
    void settingsNameBadValuesAndKeepTheirFile()
    {
        writeFile("bad.conf", "[server]\nport = 70000\n[remark_names]\n127.0.0.11 = Line 1\n");
        StationSettings bad("bad.conf");
        QStringList errors;
        QVERIFY(!bad.load(false, &errors));
        QCOMPARE(errors, QStringList{"bad.conf: [server] port must be a number from 1 to 65535, "
                                     "not \"70000\""});
        QVERIFY(!bad.port());
        QCOMPARE(bad.remarkName("127.0.0.11"), QString("Line 1"));

        StationSettings missing("missing.conf");
        errors.clear();
        QVERIFY(missing.load(false, &errors));
        QVERIFY(!missing.load(true, &errors));
        QCOMPARE(errors, QStringList{"missing.conf: no such settings file"});
        QVERIFY(!QFile::exists("missing.conf"));

        writeFile("target.conf", "; someone else's\n");
        QVERIFY(QFile::link("target.conf", "linked.conf"));
        StationSettings linked("linked.conf");
        QCOMPARE(linked.setPort(64100), QString("The port holds until the program ends: "
                                                "linked.conf is a link; change the file it "
                                                "names."));
        QCOMPARE(linked.port(), std::optional<quint16>(64100));
        QVERIFY(QFileInfo("linked.conf").isSymLink());
        QCOMPARE(readFile("target.conf"), QByteArray("; someone else's\n"));

        // A file that cannot be replaced keeps its text; the change holds
        // for this run and says so.
        QDir().mkpath("locked");
        writeFile("locked/korvex.conf", "[server]\nport = 1\n");
        QFile::setPermissions("locked", QFile::ReadOwner | QFile::ExeOwner);
        StationSettings locked("locked/korvex.conf");
        QVERIFY(locked.load(true, &errors));
        const QString unkept = locked.setRemarkName("127.0.0.11", "Line 1");
        QFile::setPermissions("locked", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (::geteuid() != 0) {
            QVERIFY2(unkept.startsWith("The name holds until the program ends"),
                     qPrintable(unkept));
            QCOMPARE(readFile("locked/korvex.conf"), QByteArray("[server]\nport = 1\n"));
        }
        QCOMPARE(locked.remarkName("127.0.0.11"), QString("Line 1"));
    }

    // Every message goes out through the station's check: one that does not
    // load never leaves, findings refuse it unless the sender accepts them
    // (never from the plant bus), and each refusal is journaled.
    void everyMessageIsCheckedBeforeItGoesOut_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("remote");
        QTest::addColumn<bool>("sendAnyway");
        QTest::addColumn<QString>("refusal"); // empty: sent
        QTest::newRow("a clean message") << "clean.spr" << false << false << QString();
        QTest::newRow("not a message")
            << "broken.spr" << false << true
            << "broken.spr was not sent: it does not load as a message (File is empty.).";
        QTest::newRow("findings")
            << "finding.spr" << false << false
            << "finding.spr was not sent: the pre-flight check found: Text \"A\": off the print "
               "area; Barcode \"1\": does not scan";
        QTest::newRow("findings accepted in the window")
            << "finding.spr" << false << true << QString();
        QTest::newRow("findings over the plant bus, accepted or not")
            << "finding.spr" << true << true
            << "finding.spr was not sent: the pre-flight check found: Text \"A\": off the print "
               "area; Barcode \"1\": does not scan";
    }
    void everyMessageIsCheckedBeforeItGoesOut()
    {
        QFETCH(QString, file);
        QDir("journal").removeRecursively();
        QDir("devices").removeRecursively();
        QFile::remove("korvex.conf");
        Station::Options options;
        options.port = 0;
        QList<quint8> masks;
        options.check = [&masks](const QString &path, quint8 mask) {
            masks << mask;
            MessageCheckResult result;
            result.loaded = !path.endsWith("broken.spr");
            if (!result.loaded)
                result.error = "File is empty.";
            if (path.endsWith("finding.spr"))
                result.findings =
                    QStringList{"Text \"A\": off the print area", "Barcode \"1\": does not scan"};
            return result;
        };
        Station station(options);
        QVERIFY(station.settingsErrors().isEmpty());
        QVERIFY(station.open().ok);
        QVERIFY(QDir("Spray").exists() && QDir("devices").exists());
        writeFile("Spray/" + file, "{}");
        RawCoder coder(station.fleet()->listeningPort());
        QTRY_COMPARE(station.fleet()->count(), 1);
        QSignalSpy problems(&station, &Station::problem);

        QFETCH(bool, remote);
        QFETCH(bool, sendAnyway);
        const CommandOrigin origin =
            remote ? CommandOrigin{"mqtt", "mes", "olga"} : CommandOrigin();
        const CommandResult result =
            station.apply("Spray/" + file, station.fleet()->descriptors(), origin,
                          sendAnyway ? Station::Findings::SendAnyway : Station::Findings::Refuse);
        QCOMPARE(masks, QList<quint8>{0x0f}); // no block reported yet: all four heads
        QFETCH(QString, refusal);
        QCOMPARE(result.error, refusal);
        QCOMPARE(result.ok, refusal.isEmpty());
        if (refusal.isEmpty()) {
            QTRY_COMPARE(coder.commands(),
                         (QList<quint8>{Command::FileTransfer, Command::CurrentFile}));
            QCOMPARE(journalActions("journal"), QStringList{"message sent"});
            return;
        }
        QTest::qWait(50);
        QVERIFY(coder.received.isEmpty());
        QVERIFY(!QFile::exists("devices/127.0.0.1/" + file));
        QCOMPARE(problems.size(), 1);
        QCOMPARE(journalActions("journal"), QStringList{"command failed"});
    }
};

QTEST_GUILESS_MAIN(TestStation)
#include "tst_station.moc"
