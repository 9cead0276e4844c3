// SPDX-License-Identifier: GPL-3.0-or-later
#include "boxrecorder.h"
#include "editorcommandline.h"
#include "editorstartup.h"
#include "mainwindow.h"

#include <QApplication>
#include <QMenu>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QTranslator>
#include <QtTest>

class TestEditorStartup : public QObject
{
    Q_OBJECT
private slots:
    void translationPath_data();
    void translationPath();
    void translatorIsInstalledEvenWhenItDidNotLoad();
    void localeCodecIsUtf8();
    void prepareInstallsTheChosenLanguage_data();
    void prepareInstallsTheChosenLanguage();
    void commandLine_data();
    void commandLine();
    void helpAndVersionLeaveTheFolderAlone();
};

void TestEditorStartup::translationPath_data()
{
    QTest::addColumn<QByteArray>("contents"); // "-" for no file, "/" for a folder
    QTest::addColumn<QString>("path");
    QTest::addColumn<QStringList>("boxes");

    const QString missing = "languageSettings|language.ini error:No such file or directory";
    QTest::newRow("missing: box, then Russian")
        << QByteArray("-") << ":/translate/ru.qm" << QStringList{missing};
    QTest::newRow("English") << QByteArray("language=:/translate/en.qm\n") << ":/translate/en.qm"
                             << QStringList();
    QTest::newRow("only the first line counts")
        << QByteArray("lang=:/translate/kr.qm\r\nlang=:/translate/en.qm\n") << ":/translate/kr.qm"
        << QStringList();
    QTest::newRow("second = belongs to the path")
        << QByteArray("a=b=c.qm") << "b=c.qm" << QStringList();
    QTest::newRow("no = keeps Chinese")
        << QByteArray(":/translate/en.qm\n") << QString() << QStringList();
    QTest::newRow("empty file keeps Chinese") << QByteArray() << QString() << QStringList();
    QTest::newRow("unreadable keeps Chinese, silently")
        << QByteArray("/") << QString() << QStringList();
}

void TestEditorStartup::translationPath()
{
    QFETCH(QByteArray, contents);
    QFETCH(QString, path);
    QFETCH(QStringList, boxes);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir::setCurrent(dir.path()));
    if (contents == "/") {
        QVERIFY(QDir(dir.path()).mkdir("language.ini"));
    } else if (contents != "-") {
        QFile file(dir.filePath("language.ini"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }
    boxRecorder recorder;
    QCOMPARE(editorStartup::translationPath(), path);
    QCOMPARE(recorder.seen, boxes);
}

void TestEditorStartup::translatorIsInstalledEvenWhenItDidNotLoad()
{
    // A translator that failed to load still joins the application's list:
    // loading a catalogue into it afterwards translates at once.
    const std::unique_ptr<QTranslator> translator =
        editorStartup::installTranslation(":/translate/none.qm");
    QCOMPARE(QCoreApplication::translate("MainWindow", "保存"), QString("保存"));
    editorStartup::initResources();
    QVERIFY(translator->load(":/translate/en.qm"));
    QCOMPARE(QCoreApplication::translate("MainWindow", "保存"), QString("Save"));
    QCoreApplication::removeTranslator(translator.get());
}

void TestEditorStartup::localeCodecIsUtf8()
{
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("ISO-8859-1"));
    editorStartup::useUtf8Codec();
    QCOMPARE(QTextCodec::codecForLocale()->name(), QByteArray("UTF-8"));
}

void TestEditorStartup::prepareInstallsTheChosenLanguage_data()
{
    QTest::addColumn<QByteArray>("contents"); // "-" for no file
    QTest::addColumn<QString>("catalogue");   // whose translation of "文件" is expected
    QTest::addColumn<int>("boxes");
    QTest::addColumn<Qt::LayoutDirection>("direction");

    QTest::newRow("English") << QByteArray("lang=:/translate/en.qm") << "en" << 0
                             << Qt::LeftToRight;
    QTest::newRow("Arabic, right to left")
        << QByteArray("lang=:/translate/arabic.qm") << "arabic" << 0 << Qt::RightToLeft;
    QTest::newRow("missing: box, then Russian") << QByteArray("-") << "ru" << 1 << Qt::LeftToRight;
    QTest::newRow("unknown path: Chinese")
        << QByteArray("lang=:/translate/xx.qm") << QString() << 0 << Qt::LeftToRight;
}

void TestEditorStartup::prepareInstallsTheChosenLanguage()
{
    QFETCH(QByteArray, contents);
    QFETCH(QString, catalogue);
    QFETCH(int, boxes);
    QFETCH(Qt::LayoutDirection, direction);

    QTemporaryDir dir;
    QVERIFY(QDir::setCurrent(dir.path()));
    if (contents != "-") {
        QFile file(dir.filePath("language.ini"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }
    QString expected = "文件";
    if (!catalogue.isEmpty()) {
        editorStartup::initResources();
        QTranslator reference;
        QVERIFY(reference.load(":/translate/" + catalogue + ".qm"));
        expected = reference.translate("MainWindow", "文件");
        QVERIFY(!expected.isEmpty() && expected != "文件");
    }

    boxRecorder recorder;
    {
        const std::unique_ptr<QTranslator> translator = editorStartup::prepare();
        MainWindow window;
        QCOMPARE(window.findChild<QMenu *>("file")->title(), expected);
        QCOMPARE(QApplication::layoutDirection(), direction);
        QCOMPARE(window.layoutDirection(), direction);
    }
    QCOMPARE(recorder.seen.size(), boxes);
    QCOMPARE(QApplication::layoutDirection(), Qt::LeftToRight);
}

void TestEditorStartup::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments"); // after the program's name
    QTest::addColumn<bool>("exits");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("printed"); // a part of the text

    QTest::newRow("nothing: the window") << QStringList() << false << 0 << QString();
    QTest::newRow("--help") << QStringList{"--help"} << true << 0 << "Usage: MessageEditor";
    QTest::newRow("-h") << QStringList{"-h"} << true << 0 << "--version";
    QTest::newRow("--version") << QStringList{"--version"} << true << 0
                               << "MessageEditor " KORVEX_VERSION "\n";
    QTest::newRow("-v") << QStringList{"-v"} << true << 0 << "MessageEditor ";
    QTest::newRow("help wins over Qt's options")
        << QStringList{"-platform", "offscreen", "--help"} << true << 0 << "Usage:";
    QTest::newRow("Qt's options pass")
        << QStringList{"-platform", "offscreen", "-style=fusion", "-reverse"} << false << 0
        << QString();
    QTest::newRow("unknown option: usage, 2")
        << QStringList{"--frobnicate"} << true << 2
        << "MessageEditor: Unknown option 'frobnicate'.\n\nUsage: MessageEditor";
    QTest::newRow("unknown among known ones")
        << QStringList{"-platform", "offscreen", "-x"} << true << 2 << "Unknown option 'x'";
    QTest::newRow("Qt option without its value")
        << QStringList{"-platform"} << true << 2 << "Usage:";
}

void TestEditorStartup::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, exits);
    QFETCH(int, code);
    QFETCH(QString, printed);

    const editorCommandLine::outcome got =
        editorCommandLine::read(QStringList{"MessageEditor"} + arguments);
    QCOMPARE(got.exits, exits);
    QCOMPARE(got.code, code);
    if (printed.isEmpty())
        QCOMPARE(got.text, QString());
    else
        QVERIFY2(got.text.contains(printed), qPrintable(got.text));
}

// The program itself, without a display: it prints, ends, and makes or
// reads nothing in the folder it was started in (no language box either).
void TestEditorStartup::helpAndVersionLeaveTheFolderAlone()
{
    const struct
    {
        const char *argument;
        int code;
        bool toStdout;
    } runs[] = {{"--help", 0, true}, {"--version", 0, true}, {"--bogus", 2, false}};
    for (const auto &run : runs) {
        QTemporaryDir dir;
        QProcess program;
        program.setWorkingDirectory(dir.path());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("QT_QPA_PLATFORM");
        environment.remove("DISPLAY");
        environment.remove("WAYLAND_DISPLAY");
        program.setProcessEnvironment(environment);
        program.start(KORVEX_MESSAGEEDITOR, {run.argument});
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), run.code);
        const QByteArray out = program.readAllStandardOutput();
        const QByteArray err = program.readAllStandardError();
        QVERIFY2(!(run.toStdout ? out : err).isEmpty(), run.argument);
        QVERIFY2((run.toStdout ? err : out).isEmpty(), run.argument);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList());
    }
}

QTEST_MAIN(TestEditorStartup)
#include "tst_editorstartup.moc"
