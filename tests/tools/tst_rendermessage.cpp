// SPDX-License-Identifier: GPL-3.0-or-later
// render-message run as a person or a script would: no display, no platform
// chosen, and only its own words on standard error.
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestRenderMessage : public QObject
{
    Q_OBJECT
private slots:
    void runsWithoutADisplay_data();
    void runsWithoutADisplay();
    void drawsWhatPrintsAtAMoment_data();
    void drawsWhatPrintsAtAMoment();
};

namespace {

// A date and a shift code whose night shift runs past midnight.
const QByteArray kDatedMessage =
    R"({"TimeItemInfo":[{"TimeAtX":20,"TimeAtY":20,"TimeMode":"dd/MM/yyyy",)"
    R"("TimeFont":"DejaVu Sans,-1,100,5,50,0,0,0,0,0"}],)"
    R"("ShiftItemInfo":[{"ShiftX":20,"ShiftY":320,"ShiftFont":"DejaVu Sans,-1,100,5,50,0,0,0,0,0",)"
    R"("ShiftVector":[{"ShiftContent":"A","ShiftTime":"06:00"},)"
    R"({"ShiftContent":"B","ShiftTime":"14:00"},{"ShiftContent":"C","ShiftTime":"22:00"}]}]})";

QProcessEnvironment headless()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.remove("QT_QPA_PLATFORM");
    env.remove("QT_LOGGING_RULES");
    return env;
}

} // namespace

void TestRenderMessage::runsWithoutADisplay_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("error");

    const QString sample = QStringLiteral(KORVEX_SAMPLES "/every-symbology.spr");
    QTest::newRow("every symbology") << sample << "out.png" << 0 << "";
    QTest::newRow("missing message") << "no-such.spr"
                                     << "out.png" << 1 << "cannot read the message no-such.spr";
    QTest::newRow("missing message, the reason")
        << "no-such.spr"
        << "out.png" << 1
        << "render-message: Qt Drawing: Cannot read print file no-such.spr: No such file or "
           "directory.";
    QTest::newRow("picture in a missing folder")
        << sample << "no-such-folder/out.png" << 1
        << "cannot write the picture no-such-folder/out.png";
}

void TestRenderMessage::runsWithoutADisplay()
{
    QFETCH(QString, message);
    QFETCH(QString, picture);
    QFETCH(int, exitCode);
    QFETCH(QString, error);

    QTemporaryDir dir;
    QProcess tool;
    tool.setProcessEnvironment(headless());
    tool.setWorkingDirectory(dir.path());
    tool.start(QStringLiteral(KORVEX_RENDER_MESSAGE), {message, picture});
    QVERIFY(tool.waitForFinished(60000));
    QCOMPARE(tool.exitStatus(), QProcess::NormalExit);
    QCOMPARE(tool.exitCode(), exitCode);

    const QString stderrText = QString::fromLocal8Bit(tool.readAllStandardError());
    if (error.isEmpty()) {
        // None of the programs' own debug lines ("encode error:", "scale :").
        QVERIFY2(!stderrText.contains(QLatin1String("error:")) &&
                     !stderrText.contains(QLatin1String("scale")),
                 qPrintable(stderrText));
        QImage drawn(dir.filePath(picture));
        QVERIFY(!drawn.isNull());
        QVERIFY(drawn.width() > 100 && drawn.height() > 100);
    } else {
        QVERIFY2(stderrText.contains(error), qPrintable(stderrText));
    }
}

// Two moments give the same picture exactly when the date and the shift
// code print the same then; a moment with an offset keeps its own day.
void TestRenderMessage::drawsWhatPrintsAtAMoment_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<bool>("same");
    QTest::newRow("same day, night shift") << "2027-02-28T23:59"
                                           << "2027-02-28T22:30" << true;
    QTest::newRow("over the month end") << "2027-02-28T23:59"
                                        << "2027-03-01T00:01" << false;
    QTest::newRow("over a shift change") << "2027-02-28T13:59"
                                         << "2027-02-28T14:00" << false;
    QTest::newRow("an offset keeps its day") << "2027-02-28T23:59-01:00"
                                             << "2027-02-28T23:30" << true;
    QTest::newRow("in UTC, past the shift start") << "2027-02-28T06:00Z"
                                                  << "2027-02-28T05:59Z" << false;
    QTest::newRow("not a moment") << "tomorrow"
                                  << "" << false;
}

void TestRenderMessage::drawsWhatPrintsAtAMoment()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(bool, same);
    QTemporaryDir dir;
    QFile message(dir.filePath("dated.spr"));
    QVERIFY(message.open(QIODevice::WriteOnly));
    message.write(kDatedMessage);
    message.close();
    if (second.isEmpty()) {
        QProcess tool;
        tool.setProcessEnvironment(headless());
        tool.setWorkingDirectory(dir.path());
        tool.start(QStringLiteral(KORVEX_RENDER_MESSAGE), {"--at", first, "dated.spr", "at.png"});
        QVERIFY(tool.waitForFinished(60000));
        QCOMPARE(tool.exitCode(), 2);
        QVERIFY(QString::fromLocal8Bit(tool.readAllStandardError()).contains("is not a moment"));
        QVERIFY(!QFile::exists(dir.filePath("at.png")));
        return;
    }
    QList<QImage> drawn;
    for (const QString &moment : {first, second}) {
        QProcess tool;
        tool.setProcessEnvironment(headless());
        tool.setWorkingDirectory(dir.path());
        tool.start(QStringLiteral(KORVEX_RENDER_MESSAGE), {"--at", moment, "dated.spr", "at.png"});
        QVERIFY(tool.waitForFinished(60000));
        QCOMPARE(tool.exitCode(), 0);
        drawn << QImage(dir.filePath("at.png"));
        QVERIFY(!drawn.last().isNull());
    }
    QCOMPARE(drawn.first() == drawn.last(), same);
}

QTEST_GUILESS_MAIN(TestRenderMessage)
#include "tst_rendermessage.moc"
