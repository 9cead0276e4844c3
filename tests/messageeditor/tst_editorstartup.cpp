// SPDX-License-Identifier: GPL-3.0-or-later
#include "boxrecorder.h"
#include "editorstartup.h"

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
    QVERIFY(translator->load(QFINDTESTDATA("startup_en.qm")));
    QCOMPARE(QCoreApplication::translate("MainWindow", "保存"), QString("Save"));
    QCoreApplication::removeTranslator(translator.get());
}

void TestEditorStartup::localeCodecIsUtf8()
{
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("ISO-8859-1"));
    editorStartup::useUtf8Codec();
    QCOMPARE(QTextCodec::codecForLocale()->name(), QByteArray("UTF-8"));
}

QTEST_MAIN(TestEditorStartup)
#include "tst_editorstartup.moc"
