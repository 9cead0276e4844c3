// SPDX-License-Identifier: GPL-3.0-or-later
#include "boxrecorder.h"
#include "editorstartup.h"
#include "mainwindow.h"

#include <QApplication>
#include <QMenu>

#include <QDir>
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

QTEST_MAIN(TestEditorStartup)
#include "tst_editorstartup.moc"
