// SPDX-License-Identifier: GPL-3.0-or-later
// Kill during save, for each program's writer: killsave forks a child that
// saves a 1000-item message and kills it at 100 random moments; the file is
// always the old message or the new one, whole, and nothing stays beside it.
// The journal likewise: 100 kills in the middle of its appends, and lines
// left cut off as by power lost, always check whole up to the last whole line.
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestKillSave : public QObject
{
    Q_OBJECT
private slots:
    void killedSavesLeaveOldOrNew_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("control program") << "control";
        QTest::newRow("standalone editor") << "editor";
    }
    void killedSavesLeaveOldOrNew()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        QProcess run;
        run.setProcessChannelMode(QProcess::MergedChannels);
        run.start(KILL_SAVE, {kind, dir.path(), "1000", "100", "13"});
        QVERIFY(run.waitForFinished(240000));
        const QByteArray output = run.readAll();
        qInfo("%s", output.trimmed().constData());
        QVERIFY2(run.exitStatus() == QProcess::NormalExit && run.exitCode() == 0,
                 output.constData());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
                 QStringList{"message.spr"});
    }

    void killedAppendsLeaveAWholeJournal()
    {
        QTemporaryDir dir;
        QProcess run;
        run.setProcessChannelMode(QProcess::MergedChannels);
        run.start(KILL_SAVE, {"journal", dir.path(), "10", "100", "13"});
        QVERIFY(run.waitForFinished(240000));
        const QByteArray output = run.readAll();
        qInfo("%s", output.trimmed().constData());
        QVERIFY2(run.exitStatus() == QProcess::NormalExit && run.exitCode() == 0,
                 output.constData());
    }
};

QTEST_GUILESS_MAIN(TestKillSave)
#include "tst_killsave.moc"
