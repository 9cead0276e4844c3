// SPDX-License-Identifier: GPL-3.0-or-later
// Users and roles without a window: the users file (its hashes, its
// permissions, what a damaged or foreign one leads to), names, the lock
// after five wrong passwords, and a session that journals and governs the
// Fleet's commands.
#include "../common/rawcoder.h"
#include "commandjournal.h"
#include "fleet.h"
#include "journal.h"
#include "journalline.h"
#include "session.h"
#include "userstore.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QLoggingCategory>
#include <QProcess>
#include <QSettings>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

void writeFile(const QString &path, const QByteArray &bytes, int mode = 0600)
{
    QFile::remove(path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    QCOMPARE(::chmod(QFile::encodeName(path).constData(), mode_t(mode)), 0);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList journalActions()
{
    QStringList actions;
    forEachJournalLine("journal", QString(), QString(),
                       [&](const JournalLine &line, const QString &) {
                           actions << line.action + ":" + line.object.value("user").toString();
                           return true;
                       });
    return actions;
}

// A store of two users, quick to check (tests: few rounds).
QByteArray validFile()
{
    UserStore store("valid.json");
    store.setRounds(10);
    store.setEnabled(true);
    store.setUser("anna", Role::Administrator, "secret");
    store.setUser("olga", Role::Operator, "pw");
    store.save();
    return readFile("valid.json");
}

} // namespace

class TestUsers : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules("korvex.*.debug=false\nkorvex.*.info=false");
    }
    void init()
    {
        QSettings(QSettings::NativeFormat, QSettings::UserScope, "KorvexSoftWare").clear();
        QFile::remove("users.json");
        QDir("journal").removeRecursively();
    }

    // Salted PBKDF2-SHA256 of 100,000 rounds, never the password; the file
    // is its owner's alone and read back whole.
    void theUsersFileHoldsSaltedHashesForItsOwnerOnly()
    {
        UserStore store;
        QVERIFY(store.load().ok);
        QVERIFY(!store.enabled());
        QVERIFY(store.setUser("anna", Role::Administrator, "correct horse").ok);
        QVERIFY(store.setUser("bert", Role::Supervisor, "correct horse").ok);
        store.setEnabled(true);
        QVERIFY(store.save().ok);
        const QByteArray bytes = readFile("users.json");
        QVERIFY(!bytes.contains("correct horse"));
        struct stat st = {};
        QCOMPARE(::stat("users.json", &st), 0);
        QCOMPARE(st.st_mode & 0777, mode_t(0600));
        QCOMPARE(store.users().first().rounds, 100000);
        QVERIFY(store.users().first().salt != store.users().last().salt);
        QVERIFY(store.users().first().hash != store.users().last().hash);

        UserStore again;
        QVERIFY(again.load().ok);
        QVERIFY(again.enabled() && !again.damaged());
        QCOMPARE(again.users().size(), 2);
        const UserStore::SignIn signedIn = again.signIn("bert", "correct horse");
        QVERIFY(signedIn.ok);
        QCOMPARE(signedIn.role, Role::Supervisor);
        QVERIFY(!again.signIn("bert", "correct horsE").ok);
        QVERIFY(!again.removeUser("anna").ok); // the last administrator
        QVERIFY(!again.setUser("anna", Role::Operator, "x").ok);
    }

    void aUsersFileThatCannotBeTrustedLetsNobodyIn_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("reason");
        QTest::newRow("not JSON") << "garbage"
                                  << "is damaged";
        QTest::newRow("a hash cut short") << "short hash"
                                          << "is damaged";
        QTest::newRow("a name with a slash") << "slash"
                                             << "is damaged";
        QTest::newRow("no administrator") << "no admin"
                                          << "names no administrator";
        QTest::newRow("readable by others") << "0644"
                                            << "may be read or written by other accounts";
        QTest::newRow("another account's") << "chown"
                                           << "belongs to another account";
        QTest::newRow("a link") << "link"
                                << "is not a plain file";
        QTest::newRow("too large") << "large"
                                   << "is too large";
    }
    void aUsersFileThatCannotBeTrustedLetsNobodyIn()
    {
        QFETCH(QString, damage);
        QByteArray bytes = validFile();
        if (damage == "garbage")
            bytes = "{\"format\":1,\"users\":[";
        else if (damage == "short hash")
            bytes.replace(bytes.indexOf("\"hash\": \"") + 9, 8, "");
        else if (damage == "slash")
            bytes.replace("\"olga\"", "\"../olga\"");
        else if (damage == "no admin")
            bytes.replace("Administrator", "Supervisor");
        else if (damage == "large")
            bytes.append(QByteArray(UserStore::kMaxFileBytes, ' '));
        writeFile("users.json", bytes, damage == "0644" ? 0644 : 0600);
        if (damage == "chown") {
            if (::geteuid() != 0)
                QSKIP("giving the file to another account needs root");
            QCOMPARE(::chown("users.json", ::getuid() + 1, gid_t(-1)), 0);
        }
        if (damage == "link") {
            QFile::rename("users.json", "elsewhere.json");
            QVERIFY(QFile::link("elsewhere.json", "users.json"));
        }
        Fleet fleet;
        Journal journal;
        CommandJournal commands(&fleet, &journal);
        UserStore store;
        store.setRounds(10);
        Session session(&store, &commands);
        const QString error = session.load();
        QFETCH(QString, reason);
        QVERIFY2(error.contains(reason), qPrintable(error));
        QVERIFY(error.contains("KorvexControl --create-admin NAME"));
        QVERIFY(session.usersOn());
        QVERIFY(commands.failsClosed());
        QVERIFY(!session.signIn("anna", "secret").ok);
        QVERIFY(!session.signedIn());
        QVERIFY(session.refusal(Permission::Start).contains("--create-admin"));
        QVERIFY(!session.setUser("eve", Role::Administrator, "x").ok);
        QFile::remove("users.json");
        QFile::remove("elsewhere.json");
    }

    void userNamesAreChecked_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("plain") << "anna" << true;
        QTest::newRow("with a space and an umlaut") << QString::fromUtf8("Anna Müller") << true;
        QTest::newRow("64 characters") << QString(64, 'a') << true;
        QTest::newRow("65 characters") << QString(65, 'a') << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("a space before") << " anna" << false;
        QTest::newRow("a tab") << "an\tna" << false;
        QTest::newRow("a line end") << "anna\n" << false;
        QTest::newRow("an escape") << "anna\x1b[2J" << false;
        QTest::newRow("a right-to-left mark") << QString("anna") + QChar(0x202e) << false;
        QTest::newRow("a slash") << "../anna" << false;
        QTest::newRow("a backslash") << "DOMAIN\\anna" << false;
        QTest::newRow("DEL") << "an\x7fna" << false;
        QTest::newRow("C1 next line") << QString("an") + QChar(0x85) + "na" << false;
        QTest::newRow("C1 escape sequence") << QString("op") + QChar(0x9b) + "31m" << false;
        QTest::newRow("a line separator") << QString("an") + QChar(0x2028) + "na" << false;
        QTest::newRow("a paragraph separator") << QString("anna") + QChar(0x2029) << false;
    }
    void userNamesAreChecked()
    {
        QFETCH(QString, name);
        QFETCH(bool, accepted);
        UserStore store;
        store.setRounds(10);
        QCOMPARE(store.setUser(name, Role::Operator, "pw").ok, accepted);
        QCOMPARE(UserStore::nameProblem(name).isEmpty(), accepted);
    }

    // A new remark name holds no control character either: C0, DEL, C1 and
    // the line and paragraph separators.
    void aRemarkNameWithAControlCharacterIsRefused()
    {
        Fleet fleet;
        QVERIFY(fleet.listen(0).ok);
        RawCoder coder(fleet.listeningPort());
        QTRY_COMPARE(fleet.count(), 1);
        const int descriptor = fleet.descriptors().first();
        QVERIFY(fleet.setRemarkName(descriptor, "Line 3").ok);
        for (const ushort c : {0x1b, 0x7f, 0x85, 0x9b, 0x2028, 0x2029}) {
            const CommandResult refused =
                fleet.setRemarkName(descriptor, "Line" + QString(QChar(c)) + "4");
            QVERIFY(!refused.ok);
            QVERIFY2(refused.error.contains("cannot hold control characters"),
                     qPrintable(refused.error));
        }
        QCOMPARE(fleet.coder(descriptor)->remarkName, QString("Line 3"));
        QVERIFY(fleet.setRemarkName(descriptor, "Line" + QString(QChar(0xa0)) + "4").ok);
    }

    // Five wrong passwords lock the name for a minute, whichever password
    // comes next; an unknown name is told the same as a wrong password.
    void fiveWrongPasswordsLockTheNameForAMinute()
    {
        QDateTime now(QDate(2026, 12, 8), QTime(12, 0), Qt::UTC);
        UserStore store;
        store.setRounds(10);
        store.setClock([&] { return now; });
        store.setUser("anna", Role::Administrator, "secret");
        for (int i = 0; i < 4; ++i)
            QCOMPARE(store.signIn("anna", "guess").error, QString("Wrong name or password."));
        QCOMPARE(store.signIn("nobody", "guess").error, QString("Wrong name or password."));
        QVERIFY(store.signIn("anna", "guess").error.contains("locked for a minute"));
        QVERIFY(!store.signIn("anna", "secret").ok);
        QVERIFY(store.signIn("anna", "secret").error.contains("locked for 60 more seconds"));
        now = now.addSecs(59);
        QVERIFY(!store.signIn("anna", "secret").ok);
        now = now.addSecs(2);
        QVERIFY(store.signIn("anna", "secret").ok);
        QCOMPARE(store.signIn("anna", "guess").error, QString("Wrong name or password."));
    }

    // Users on: nothing until someone signs in, then what the role allows;
    // every sign-in, refusal, sign-out and change to the users is journaled
    // under the name of who did it.
    void aSessionGovernsTheWindowsCommandsAndIsJournaled()
    {
        Fleet fleet;
        QVERIFY(fleet.listen(0).ok);
        Journal journal;
        CommandJournal commands(&fleet, &journal);
        UserStore store;
        store.setRounds(10);
        Session session(&store, &commands);
        QVERIFY(session.load().isEmpty());
        QVERIFY(!session.usersOn() && session.refusal(Permission::Users).isEmpty());
        RawCoder coder(fleet.listeningPort());
        QTRY_COMPARE(fleet.count(), 1);
        const QList<int> all = fleet.descriptors();

        QVERIFY(session.switchOn("anna", "secret").ok);
        QVERIFY(session.signedIn() && commands.failsClosed());
        QVERIFY(QFileInfo("users.json").exists());
        QVERIFY(session.setUser("olga", Role::Operator, "pw").ok);
        session.signOut("signed out");
        QVERIFY(!fleet.start(all).ok);
        QCOMPARE(fleet.stop(all).error, QString("Sign in to stop. Nothing was sent."));
        QVERIFY(!session.signIn("olga", "wrong").ok);
        QVERIFY(session.signIn("olga", "pw").ok);
        QVERIFY(fleet.start(all).ok);
        const CommandResult parameters = fleet.applyParameters(PrintParameters().toBytes(), all);
        QCOMPARE(parameters.error, QString("Only a Supervisor may change print parameters; olga "
                                           "is signed in as Operator. Nothing was sent."));
        QVERIFY(!session.setUser("olga", Role::Administrator, "pw").ok);
        // The plant bus answers to the broker's access list, not to roles.
        QVERIFY(
            fleet.applyParameters(PrintParameters().toBytes(), all, {"mqtt", "korvexd", "bob"}).ok);
        session.signOut("idle");
        QVERIFY(session.signIn("anna", "secret").ok);
        QVERIFY(session.switchOff().ok);
        QVERIFY(!session.usersOn() && !commands.failsClosed());
        QVERIFY(fleet.stop(all).ok);

        const QString me = Journal::systemUserName();
        QCOMPARE(journalActions(),
                 QStringList({"users on:" + me, "sign-in:anna", "user set:anna", "sign-out:anna",
                              "sign-in refused:" + me, "sign-in:olga", "start:olga",
                              "print parameters:bob", "sign-out:olga", "sign-in:anna",
                              "users off:anna", "stop:" + me}));
    }

    // "KorvexControl --create-admin NAME" keeps the users of a file it can
    // trust (one readable by others is made the owner's alone), writes any
    // other anew, and replaces a link itself, never what it points to; it
    // says what it did.
    void theRepairKeepsWhatItCanTrust_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QStringList>("users"); // after the repair
        QTest::addColumn<QString>("said");
        const QStringList kept{"anna", "olga", "root"}, anew{"root"};
        QTest::newRow("no file") << "none" << anew << "";
        QTest::newRow("readable by others")
            << "0644" << kept << "could be read by other accounts: it is now readable by its owner";
        QTest::newRow("readable by the group")
            << "0640" << kept << "The other users are kept: anna, olga.";
        QTest::newRow("writable by the group")
            << "0660" << anew << "could be written by other accounts";
        QTest::newRow("another account's") << "chown" << anew << "belonged to another account";
        QTest::newRow("damaged") << "garbage" << anew << "was damaged";
        QTest::newRow("a link") << "link" << anew
                                << "users.json was a link to " +
                                       QDir::current().filePath("elsewhere.json") +
                                       ": the link is removed";
    }
    void theRepairKeepsWhatItCanTrust()
    {
        QFETCH(QString, damage);
        if (damage != "none")
            writeFile("users.json", damage == "garbage" ? QByteArray("{") : validFile(),
                      damage.startsWith('0') ? damage.toInt(nullptr, 8) : 0600);
        if (damage == "chown")
            QCOMPARE(::chown("users.json", ::getuid() + 1, gid_t(-1)), 0);
        if (damage == "link") {
            QVERIFY(QFile::rename("users.json", "elsewhere.json"));
            QVERIFY(QFile::link("elsewhere.json", "users.json"));
        }
        const QByteArray elsewhere = readFile("elsewhere.json");
        QProcess admin;
        admin.start(KORVEX_CONTROL, {"--create-admin", "root"});
        admin.write("pw\npw\n");
        admin.closeWriteChannel();
        QVERIFY(admin.waitForFinished(30000));
        const QString out = QString::fromLocal8Bit(admin.readAllStandardOutput());
        QCOMPARE(admin.exitCode(), 0);
        QFETCH(QString, said);
        QVERIFY2(out.contains(said) && out.contains("root is an administrator"), qPrintable(out));

        const QFileInfo info("users.json");
        QVERIFY(info.isFile() && !info.isSymLink());
        struct stat st = {};
        QCOMPARE(::stat("users.json", &st), 0);
        QCOMPARE(st.st_mode & 0777, mode_t(0600));
        QCOMPARE(st.st_uid, ::getuid());
        QCOMPARE(readFile("elsewhere.json"), elsewhere);
        UserStore store;
        QVERIFY(store.load().ok);
        QStringList names;
        for (const UserStore::User &user : store.users())
            names << user.name;
        QFETCH(QStringList, users);
        QCOMPARE(names, users);
        QVERIFY(store.signIn("root", "pw").ok);
        QCOMPARE(store.signIn("olga", "pw").ok, users.contains("olga"));
        QFile::remove("elsewhere.json");
    }

    // A users file that is a link is never written through.
    void noUsersFileIsWrittenThroughALink()
    {
        writeFile("elsewhere.json", "precious");
        QVERIFY(QFile::link("elsewhere.json", "users.json"));
        UserStore store;
        store.setRounds(10);
        QVERIFY(store.setUser("anna", Role::Administrator, "secret").ok);
        const UserStore::Result saved = store.save();
        QVERIFY(!saved.ok);
        QVERIFY2(saved.error.contains("it is a link, which is not followed"),
                 qPrintable(saved.error));
        QCOMPARE(readFile("elsewhere.json"), QByteArray("precious"));
        QVERIFY(QFileInfo("users.json").isSymLink());
        QFile::remove("elsewhere.json");
    }

    // Users on and a journal that cannot be written: nobody signs in.
    void withUsersOnNobodySignsInWithoutTheJournal()
    {
        writeFile("users.json", validFile());
        QDir("blocked").removeRecursively();
        writeFile("blocked", "not a folder");
        Fleet fleet;
        Journal journal("blocked");
        CommandJournal commands(&fleet, &journal);
        UserStore store;
        Session session(&store, &commands);
        QVERIFY(session.load().isEmpty());
        const UserStore::SignIn refused = session.signIn("anna", "secret");
        QVERIFY(!refused.ok);
        QVERIFY2(refused.error.contains("its journal line cannot be written"),
                 qPrintable(refused.error));
        QVERIFY(!session.signedIn());
        QFile::remove("blocked");
    }
};

QTEST_GUILESS_MAIN(TestUsers)
#include "tst_users.moc"
