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
};

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
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.remove("QT_QPA_PLATFORM");
    env.remove("QT_LOGGING_RULES");
    QProcess tool;
    tool.setProcessEnvironment(env);
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

QTEST_GUILESS_MAIN(TestRenderMessage)
#include "tst_rendermessage.moc"
