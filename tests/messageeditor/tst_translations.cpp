// SPDX-License-Identifier: GPL-3.0-or-later
// The nine interface catalogues of the standalone editor against the texts
// the editor really shows: every text of its forms and every tr()/translate()
// of its code must be translated in every catalogue, and the English one must
// keep the agreed English texts and its entry count per context.
#include "editorresources.h"
#include "sourcetexts.h"

#include <QTranslator>
#include <QtTest>

namespace {

const QString kSourceDir = QStringLiteral(KORVEX_SOURCE_DIR "/messageeditor");
const QStringList kLanguages = {"ru", "esp", "pt", "en", "kr", "ita", "turkish", "cn", "arabic"};

QList<catalogueEntry> catalogueOf(const QString &lang)
{
    return readCatalogue(kSourceDir + "/translations/" + lang + ".ts");
}

// Texts the editor shows beyond the first edition of the catalogues: the
// reports of failures that used to pass in silence, undo and redo.  They are kept apart so
// that the count of the first edition stays checkable.
const QSet<sourceText> kAddedTexts = {
    {"MainWindow", QStringLiteral("无法打开文件：%1"), {}},
    {"MainWindow", QStringLiteral("文件不是有效的信息文件：%1"), {}},
    {"MainWindow", QStringLiteral("无法删除文件：%1\n%2"), {}},
    {"MainWindow", QStringLiteral("%1 有未保存的修改，是否保存？"), {}},
    {"MainWindow", QStringLiteral("不保存"), {}},
    {"MainWindow", QStringLiteral("取消"), {}},
    {"MainWindow", QStringLiteral("撤销"), {}},
    {"MainWindow", QStringLiteral("重做"), {}},
    {"MainWindow", QStringLiteral("撤销：%1"), {}},
    {"MainWindow", QStringLiteral("重做：%1"), {}},
    {"MainWindow", QStringLiteral("添加"), {}},
    {"MainWindow", QStringLiteral("移动"), {}},
    {"MainWindow", QStringLiteral("修改内容"), {}},
    {"MainWindow", QStringLiteral("修改属性"), {}},
    {"MainWindow", QStringLiteral("帮助"), {}},
    {"MainWindow", QStringLiteral("操作手册"), {}},
    {"MainWindow", QStringLiteral("找不到操作手册。"), {}},
    {"MainWindow", QStringLiteral("无法打开操作手册：%1"), {}},
    {"QObject", QStringLiteral("文件保存失败：%1\n%2"), {}},
    {"QObject", QStringLiteral("内容无效的条码：%1"), {}},
    {"QObject", QStringLiteral("……另有 %1 个"), {}},
    {"setTimeModeDialog", QStringLiteral("取消"), QStringLiteral("leave the part out")},
    {"setTimeModeDialog", QStringLiteral("取消"), QStringLiteral("no suffix")},
};

} // namespace

class tst_translations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void catalogueCoversShownTexts_data();
    void catalogueCoversShownTexts();
    void englishTable_data();
    void englishTable();
    void englishCounts_data();
    void englishCounts();
    void arabicTurnsLayout_data();
    void arabicTurnsLayout();

private:
    QSet<sourceText> m_shown;
};

void tst_translations::initTestCase()
{
    initEditorResources();
    m_shown = shownTexts(kSourceDir);
    // The scan must see the editor's own texts, or every check below is void.
    QVERIFY(m_shown.contains({"diagramTextItem", "Input text", {}}));
    QVERIFY(m_shown.contains({"QObject", QStringLiteral("条码格式错误！"), {}}));
}

void tst_translations::catalogueCoversShownTexts_data()
{
    QTest::addColumn<QString>("lang");
    for (const QString &lang : kLanguages)
        QTest::newRow(qPrintable(lang)) << lang;
}

// Every shown text is translated in the compiled catalogue and finished in
// its source; the nine catalogues hold the same entries.
void tst_translations::catalogueCoversShownTexts()
{
    QFETCH(QString, lang);
    QTranslator translator;
    QVERIFY2(translator.load(":/translate/" + lang + ".qm"),
             "catalogue missing from the resources");

    QStringList problems;
    for (const sourceText &t : qAsConst(m_shown)) {
        const QString text = translator.translate(
            t.context.toUtf8(), t.source.toUtf8(),
            t.disambiguation.isEmpty() ? nullptr : t.disambiguation.toUtf8().constData());
        if (text.isEmpty())
            problems << "untranslated " + t.describe();
    }

    const QList<catalogueEntry> entries = catalogueOf(lang);
    QVERIFY2(!entries.isEmpty(), "source catalogue unreadable");
    QSet<sourceText> held;
    for (const catalogueEntry &e : entries) {
        if (!e.type.isEmpty() || e.translation.isEmpty())
            problems << QStringLiteral("%1 entry %2")
                            .arg(e.type.isEmpty() ? "empty" : e.type, e.text.describe());
        if (e.text.source != QLatin1String("QT_LAYOUT_DIRECTION"))
            held.insert(e.text);
    }
    QSet<sourceText> english;
    for (const catalogueEntry &e : catalogueOf("en"))
        english.insert(e.text);
    for (const sourceText &t : english - held)
        problems << "missing (held by en) " + t.describe();
    for (const sourceText &t : held - english)
        problems << "extra (not in en) " + t.describe();

    std::sort(problems.begin(), problems.end());
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
}

void tst_translations::englishTable_data()
{
    QTest::addColumn<QString>("context");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("english");
    const char *const rows[][3] = {
        {"MainWindow", "delete", "Delete"},
        {"MainWindow", "file", "File"},
        {"MainWindow", "二维码", "QRCode"},
        {"MainWindow", "保存", "Save"},
        {"MainWindow", "保存文件", "Save file"},
        {"MainWindow", "删除", "Delete"},
        {"MainWindow", "删除文件", "Delete file"},
        {"MainWindow", "另存为", "Save As"},
        {"MainWindow", "图片", "Image"},
        {"MainWindow", "完成", "Finish"},
        {"MainWindow", "平台", "Platform"},
        {"MainWindow", "序号", "Counter"},
        {"MainWindow", "序号1", "Cnt1"},
        {"MainWindow", "序号2", "Cnt2"},
        {"MainWindow", "打开", "Open"},
        {"MainWindow", "打开图片", "open Image"},
        {"MainWindow", "打开文件", "Open file"},
        {"MainWindow", "文件", "File"},
        {"MainWindow", "文字", "Text"},
        {"MainWindow", "文本", "Text"},
        {"MainWindow", "新建", "New"},
        {"MainWindow", "时间", "Time"},
        {"MainWindow", "条形码", "BarCode"},
        {"MainWindow", "编辑", "Edit"},
        {"MainWindow", "编辑软件", "Editing software"},
        {"MainWindow", "退出", "Exit"},
        {"MainWindow", "Type A", "Type A"},
        {"MainWindow", "Type B", "Type B"},
        {"MainWindow", "Type C", "Type C"},
        {"MainWindow", "Type D", "Type D"},
        {"QObject", "条码格式错误！", "Bar code format error!"},
        {"QObject", "条码格式错误，本条码为12位阿拉伯数字！",
         "The barcode format is wrong. This barcode is 12 Arabic numerals!"},
        {"QObject", "条码格式错误，本条码为13位阿拉伯数字！",
         "Barcode format error,the barcode is 13 - bit Arabic numerals!"},
        {"QObject", "条码格式错误，本条码为8位阿拉伯数字！",
         "Barcode format error,the barcode is 8 - bit Arabic numerals!"},
        {"QObject", "条码格式错误，本条码内容仅包含数字与大写字母及部分符号！",
         "Bar code format error, the contents of the bar code contains only numbers and uppercase "
         "letters and some symbols!"},
        {"QObject", "条码格式错误，本条码内容仅包含数字与英文字母及部分符号！",
         "Bar code format error, the contents of the bar code contains only numbers and letters "
         "and "
         "part of symbols!"},
        {"QObject", "确认", "Confirm"},
        {"QObject", "警告", "Warning"},
    };
    for (const auto &r : rows)
        QTest::addRow("%s %s", r[0], r[1])
            << QString::fromUtf8(r[0]) << QString::fromUtf8(r[1]) << QString::fromUtf8(r[2]);
}

// The English catalogue keeps the agreed English word for word, in the
// compiled catalogue the program loads.
void tst_translations::englishTable()
{
    QFETCH(QString, context);
    QFETCH(QString, source);
    QFETCH(QString, english);
    QTranslator translator;
    QVERIFY(translator.load(":/translate/en.qm"));
    QCOMPARE(translator.translate(context.toUtf8(), source.toUtf8()), english);
}

void tst_translations::englishCounts_data()
{
    QTest::addColumn<QString>("context");
    QTest::addColumn<int>("count");
    const std::pair<const char *, int> counts[] = {
        {"MainWindow", 36},
        {"QObject", 8},
        {"textSetting", 23},
        {"timeSetting", 23},
        {"cntSetting", 34},
        {"cnt2Setting", 32},
        {"barSetting", 14},
        {"imageSetting", 9},
        {"QRCodeSetting", 17},
        {"setTimeModeDialog", 59},
        {"QRCodeDynamicStyleDialog", 13},
        {"diagramTextItem", 1},
    };
    int total = 0;
    for (const auto &c : counts) {
        QTest::newRow(c.first) << QString::fromLatin1(c.first) << c.second;
        total += c.second;
    }
    QCOMPARE(total, 269);
    QTest::newRow("other contexts") << QString() << 0;
}

// 270 entries in the twelve contexts (texts added since are counted apart);
// no entry outside them.
void tst_translations::englishCounts()
{
    QFETCH(QString, context);
    QFETCH(int, count);
    static const QStringList known = {"MainWindow",
                                      "QObject",
                                      "textSetting",
                                      "timeSetting",
                                      "cntSetting",
                                      "cnt2Setting",
                                      "barSetting",
                                      "imageSetting",
                                      "QRCodeSetting",
                                      "setTimeModeDialog",
                                      "QRCodeDynamicStyleDialog",
                                      "diagramTextItem"};
    QStringList counted;
    for (const catalogueEntry &e : catalogueOf("en")) {
        if (kAddedTexts.contains(e.text))
            continue;
        if (context.isEmpty() ? !known.contains(e.text.context) : e.text.context == context)
            counted << e.text.describe();
    }
    QVERIFY2(counted.size() == count, qPrintable(QStringLiteral("%1 entries instead of %2:\n%3")
                                                     .arg(counted.size())
                                                     .arg(count)
                                                     .arg(counted.join('\n'))));
}

void tst_translations::arabicTurnsLayout_data()
{
    QTest::addColumn<QString>("lang");
    QTest::addColumn<Qt::LayoutDirection>("direction");
    for (const QString &lang : kLanguages)
        QTest::newRow(qPrintable(lang))
            << lang << (lang == "arabic" ? Qt::RightToLeft : Qt::LeftToRight);
}

// Installing a catalogue sets the application's layout direction, as at
// start-up.
void tst_translations::arabicTurnsLayout()
{
    QFETCH(QString, lang);
    QFETCH(Qt::LayoutDirection, direction);
    QTranslator translator;
    QVERIFY(translator.load(":/translate/" + lang + ".qm"));
    QCoreApplication::installTranslator(&translator);
    QCOMPARE(QGuiApplication::layoutDirection(), direction);
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);
}

QTEST_MAIN(tst_translations)
#include "tst_translations.moc"
