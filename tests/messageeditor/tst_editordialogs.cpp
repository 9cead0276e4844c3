// SPDX-License-Identifier: GPL-3.0-or-later
#include "boxrecorder.h"
#include "diagramqrcodeitem.h"
#include "diagramscene.h"
#include "editorresources.h"
#include "filedialogstub.h"
#include "messagereader.h"
#include "messagewriter.h"
#include "promptslayer.h"
#include "qrcodedynamicstyledialog.h"
#include "settimemodedialog.h"
#include "slotnaming.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

namespace {

const char *const kParts[] = {"year", "month", "day", "hour", "minute", "second"};

template <typename T> T *child(QWidget *parent, const QString &name)
{
    T *found = parent->findChild<T *>(name);
    if (!found)
        qFatal("no %s", qPrintable(name));
    return found;
}

void click(QWidget *parent, const char *button)
{
    child<QPushButton>(parent, button)->click();
}

} // namespace

class TestEditorDialogs : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { SlotNaming::install(); }
    void cleanup() { QCOMPARE(SlotNaming::take(), QStringList()); }
    void formatFromParts_data();
    void formatFromParts();
    void quickSettings_data();
    void quickSettings();
    void timeDialogAcceptsAndRejects();
    void leftOutEntriesAreNoCancel_data();
    void leftOutEntriesAreNoCancel();
    void dynamicContent_data();
    void dynamicContent();
    void dynamicFieldsSurviveTheNextSave();
    void everyPromptGoesToTheInstalledOne();
};

void TestEditorDialogs::formatFromParts_data()
{
    // Combo indexes and order numbers per part, year to second.
    QTest::addColumn<QList<int>>("parts");
    QTest::addColumn<QList<int>>("suffixes");
    QTest::addColumn<QList<int>>("orders");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("preview");
    QTest::addColumn<int>("quickRow"); // the quick setting it matches, or -1

    const QList<int> inOrder{1, 2, 3, 4, 5, 6};
    QTest::newRow("as it opens") << QList<int>{0, 0, 0, 0, 0, 0} << QList<int>{0, 0, 4, 0, 0, 0}
                                 << inOrder << "yyyy/MM/dd hh:mm:ss"
                                 << "2016/07/01 08:30:00" << 17;
    // yy with "/", MM with "/", dd with "取消", the rest "取消".
    QTest::newRow("two-digit date")
        << QList<int>{1, 0, 0, 1, 1, 1} << QList<int>{0, 0, 6, 0, 0, 0} << inOrder << "yy/MM/dd"
        << "16/07/01" << 8;
    QTest::newRow("equal numbers keep year to second")
        << QList<int>{0, 0, 0, 0, 0, 0} << QList<int>{3, 3, 3, 1, 1, 1}
        << QList<int>{1, 1, 1, 1, 1, 1} << "yyyy年MM月dd日hh时mm分ss秒"
        << "2016年07月01日08时30分00秒" << -1;
    QTest::newRow("time before date")
        << QList<int>{0, 0, 0, 0, 0, 0} << QList<int>{0, 0, 6, 0, 0, 2}
        << QList<int>{4, 5, 6, 1, 2, 3} << "hh:mm:ss yyyy/MM/dd"
        << "08:30:00 2016/07/01" << -1;
    QTest::newRow("equal numbers among others")
        << QList<int>{0, 0, 0, 0, 0, 0} << QList<int>{1, 1, 5, 0, 0, 0}
        << QList<int>{2, 2, 2, 1, 1, 1} << "hh:mm:ssyyyy-MM-dd  "
        << "08:30:002016-07-01  " << -1;
    QTest::newRow("spaces and dots") << QList<int>{0, 0, 0, 0, 0, 0} << QList<int>{2, 2, 5, 2, 2, 3}
                                     << inOrder << "yyyy.MM.dd  hh mm ss  "
                                     << "2016.07.01  08 30 00  " << -1;
    // A part left out drops its suffix with it.
    QTest::newRow("year left out")
        << QList<int>{2, 0, 0, 1, 1, 1} << QList<int>{3, 3, 3, 1, 1, 1} << inOrder << "MM月dd日"
        << "07月01日" << -1;
    QTest::newRow("everything left out")
        << QList<int>{2, 1, 1, 1, 1, 1} << QList<int>{0, 0, 0, 0, 0, 0} << inOrder << ""
        << "" << -1;
}

void TestEditorDialogs::formatFromParts()
{
    QFETCH(QList<int>, parts);
    QFETCH(QList<int>, suffixes);
    QFETCH(QList<int>, orders);
    QFETCH(QString, format);
    QFETCH(QString, preview);
    QFETCH(int, quickRow);

    setTimeModeDialog dialog;
    for (int i = 0; i < 6; ++i) {
        const QString part = QString::fromLatin1(kParts[i]);
        child<QComboBox>(&dialog, part + "Combo")->setCurrentIndex(parts[i]);
        child<QComboBox>(&dialog, part + "SuffixCombo")->setCurrentIndex(suffixes[i]);
        child<QSpinBox>(&dialog, part + "OrderSpin")->setValue(orders[i]);
    }
    click(&dialog, "previewPushButton");
    QCOMPARE(dialog.format(), format);
    QCOMPARE(child<QLabel>(&dialog, "previewLabel")->text(), preview);
    QCOMPARE(child<QComboBox>(&dialog, "quickSettingCombo")->currentIndex(), quickRow);
    QCOMPARE(child<QLabel>(&dialog, "formatLabel")->text(), format);
}

void TestEditorDialogs::quickSettings_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("preview");
    QTest::newRow("first") << 0 << "yyyy年"
                           << "2016年";
    QTest::newRow("two spaces kept") << 14 << "yy/MM/dd  hh时"
                                     << "16/07/01  08时";
    QTest::newRow("default row") << 17 << "yyyy/MM/dd hh:mm:ss"
                                 << "2016/07/01 08:30:00";
    QTest::newRow("words") << 21 << "yyyy年MM月dd日 hh时mm分ss秒"
                           << "2016年07月01日 08时30分00秒";
    QTest::newRow("day first") << 23 << "dd.MM.yyyy"
                               << "01.07.2016";
    QTest::newRow("last") << 24 << "hh:mm"
                          << "08:30";
}

void TestEditorDialogs::quickSettings()
{
    QFETCH(int, index);
    QFETCH(QString, format);
    QFETCH(QString, preview);
    setTimeModeDialog dialog;
    auto *quick = child<QComboBox>(&dialog, "quickSettingCombo");
    QCOMPARE(quick->count(), 25);
    QCOMPARE(quick->currentIndex(), 17); // the time item's default
    quick->setCurrentIndex(index);
    // activated() is what a person choosing an entry triggers.
    QVERIFY(QMetaObject::invokeMethod(quick, "activated", Q_ARG(int, index)));
    QCOMPARE(dialog.format(), format);
    QCOMPARE(child<QLabel>(&dialog, "previewLabel")->text(), preview);

    // A dialog started from a listed format selects its row.
    setTimeModeDialog again;
    again.setFormat(format);
    QCOMPARE(child<QComboBox>(&again, "quickSettingCombo")->currentIndex(), index);
    QCOMPARE(child<QLabel>(&again, "previewLabel")->text(), preview);
}

void TestEditorDialogs::timeDialogAcceptsAndRejects()
{
    setTimeModeDialog accepted;
    click(&accepted, "okPushButton");
    QCOMPARE(accepted.result(), int(QDialog::Accepted));
    QCOMPARE(accepted.format(), QString("yyyy/MM/dd hh:mm:ss"));
    setTimeModeDialog rejected;
    click(&rejected, "cancelPushButton");
    QCOMPARE(rejected.result(), int(QDialog::Rejected));
}

void TestEditorDialogs::leftOutEntriesAreNoCancel_data()
{
    QTest::addColumn<QString>("lang");
    for (const char *lang : {"ru", "esp", "pt", "en", "kr", "ita", "turkish", "cn", "arabic"})
        QTest::newRow(lang) << QString::fromLatin1(lang);
}

// The entries that leave a part or a suffix out shared their source text
// with the Cancel button, so Russian offered "Отмена" as a part of the date.
void TestEditorDialogs::leftOutEntriesAreNoCancel()
{
    QFETCH(QString, lang);
    initEditorResources();
    QTranslator translator;
    QVERIFY(translator.load(":/translate/" + lang + ".qm"));
    QCoreApplication::installTranslator(&translator);
    setTimeModeDialog dialog;
    QCoreApplication::removeTranslator(&translator);

    const QString cancel = child<QPushButton>(&dialog, "cancelPushButton")->text();
    QStringList entries;
    for (const char *part : kParts) {
        auto *combo = child<QComboBox>(&dialog, QString::fromLatin1(part) + "Combo");
        entries << combo->itemText(combo->count() - 1);
    }
    const QString leftOut = entries.first();
    // The suffix lists of year, month, day and second have a "none" entry.
    const std::pair<const char *, int> suffixes[] = {{"yearSuffixCombo", 5},
                                                     {"monthSuffixCombo", 5},
                                                     {"daySuffixCombo", 6},
                                                     {"secondSuffixCombo", 0}};
    for (const auto &suffix : suffixes)
        entries << child<QComboBox>(&dialog, suffix.first)->itemText(suffix.second);
    const QString noSuffix = entries.last();
    QCOMPARE(entries, (QStringList{leftOut, leftOut, leftOut, leftOut, leftOut, leftOut, noSuffix,
                                   noSuffix, noSuffix, noSuffix}));
    QVERIFY2(leftOut != cancel && noSuffix != cancel, qPrintable(leftOut + " / " + noSuffix));
    QVERIFY(!leftOut.isEmpty() && !noSuffix.isEmpty());
}

void TestEditorDialogs::dynamicContent_data()
{
    // Steps: "counter:i" chooses counter type index i, "time:f" accepts the
    // time dialog with format f, "time:" cancels it, "type:t" types t over
    // the line, "clear" presses the edit button.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("content");
    QTest::addColumn<int>("counterMode");
    QTest::addColumn<int>("counterPosition");
    QTest::addColumn<QString>("timeFormat");
    QTest::addColumn<int>("timePosition");
    QTest::addColumn<bool>("insertCounter");
    QTest::addColumn<bool>("insertTime");

    QTest::newRow("counter 3 on empty")
        << QStringList{"counter:2"} << "000" << 3 << 0 << "" << 0 << true << false;
    QTest::newRow("then a time") << QStringList{"counter:2", "time:yyyy/MM/dd"} << "000yyyy/MM/dd"
                                 << 3 << 0 << "yyyy/MM/dd" << 3 << true << true;
    QTest::newRow("after typed text") << QStringList{"type:LOT-", "counter:5"} << "LOT-000000" << 6
                                      << 4 << "" << 0 << true << false;
    // A single-digit counter at position 0 still counts as inserted.
    QTest::newRow("one digit first")
        << QStringList{"counter:0", "type:0AB"} << "0AB" << 1 << 0 << "" << 0 << true << false;
    QTest::newRow("time only") << QStringList{"type:D", "time:hh:mm"} << "Dhh:mm" << 0 << 0
                               << "hh:mm" << 1 << false << true;
    QTest::newRow("counter chosen again replaces its zeros")
        << QStringList{"counter:2", "time:hh:mm", "counter:4"} << "00000hh:mm" << 5 << 0 << "hh:mm"
        << 5 << true << true;
    QTest::newRow("time chosen again replaces its format")
        << QStringList{"type:A", "time:yyyy", "counter:0", "time:hh:mm"} << "Ahh:mm0" << 1 << 6
        << "hh:mm" << 1 << true << true;
    QTest::newRow("zeros typed away are not replaced")
        << QStringList{"counter:2", "type:X", "counter:0"} << "X0" << 1 << 1 << "" << 0 << true
        << false;
    QTest::newRow("cancelled time changes nothing")
        << QStringList{"counter:0", "time:"} << "0" << 1 << 0 << "" << 0 << true << false;
    QTest::newRow("nothing") << QStringList{} << "" << 0 << 0 << "" << 0 << false << false;
    QTest::newRow("edit button starts over") << QStringList{"counter:2", "time:hh", "clear"} << ""
                                             << 0 << 0 << "" << 0 << false << false;
}

void TestEditorDialogs::dynamicContent()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, content);
    QFETCH(int, counterMode);
    QFETCH(int, counterPosition);
    QFETCH(QString, timeFormat);
    QFETCH(int, timePosition);
    QFETCH(bool, insertCounter);
    QFETCH(bool, insertTime);

    dialogScript script;
    QRCodeDynamicStyleDialog dialog;
    auto *line = child<QLineEdit>(&dialog, "contentLineEdit");
    auto *counter = child<QComboBox>(&dialog, "counterTypeCombo");
    QCOMPARE(counter->count(), 8);
    QStringList timeDialogStarts;
    for (const QString &step : steps) {
        const QString arg = step.section(':', 1);
        if (step.startsWith("counter:")) {
            counter->setCurrentIndex(arg.toInt());
            QVERIFY(QMetaObject::invokeMethod(counter, "activated", Q_ARG(int, arg.toInt())));
        } else if (step.startsWith("time:")) {
            script.timeFormat = [&](const QString &initial) -> std::optional<QString> {
                timeDialogStarts << initial;
                if (arg.isEmpty())
                    return std::nullopt;
                return arg;
            };
            click(&dialog, "timeSetPushButton");
        } else if (step.startsWith("type:")) {
            line->selectAll();
            QTest::keyClicks(line, arg);
        } else if (step == "clear") {
            click(&dialog, "editPushButton");
        }
        QCOMPARE(line->text(), dialog.composition().content);
    }
    click(&dialog, "okPushButton");
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const qrDynamicContent got = dialog.composition();
    QCOMPARE(got.content, content);
    QCOMPARE(got.counterMode, counterMode);
    QCOMPARE(got.counterPosition, counterPosition);
    QCOMPARE(got.timeFormat, timeFormat);
    QCOMPARE(got.timePosition, timePosition);
    QCOMPARE(dialog.insertCounter(), insertCounter);
    QCOMPARE(dialog.insertTime(), insertTime);

    // What the QR item receives: an empty content becomes "DORVIKA", and an
    // inserted counter or time marks the item as variable.
    diagramQRCodeItem item;
    qrCodeParams params = item.params();
    got.applyTo(params);
    QVERIFY(item.setParams(params));
    QCOMPARE(item.params().content, content.isEmpty() ? QString("DORVIKA") : content);
    QCOMPARE(item.params().insVariable, insertCounter || insertTime);
    QCOMPARE(item.params().cntMode, counterMode);
    QCOMPARE(item.params().cntPos, counterPosition);
    QCOMPARE(item.params().timeFormat, timeFormat);
    QCOMPARE(item.params().timePos, timePosition);
    QCOMPARE(item.params().insertCnt, insertCounter);
    QCOMPARE(item.params().insertTime, insertTime);
}

// Without the insert-variable flag the file drops the dynamic fields, so a
// counter and time inserted through the dialog vanished at the next save.
void TestEditorDialogs::dynamicFieldsSurviveTheNextSave()
{
    dialogScript script;
    script.dynamicQr = [] {
        qrDynamicContent c;
        c.content = "LOT000yyyy";
        c.counterMode = 3;
        c.counterPosition = 3;
        c.timeFormat = "yyyy";
        c.timePosition = 6;
        c.insertCounter = true;
        c.insertTime = true;
        return std::optional<qrDynamicContent>(c);
    };
    const std::optional<qrDynamicContent> answer =
        editorPrompts::current().composeDynamicQr(nullptr);
    QVERIFY(answer);
    diagramScene scene;
    auto *item = new diagramQRCodeItem;
    scene.addItem(item);
    qrCodeParams params = item->params();
    answer->applyTo(params);
    item->setParams(params);

    QTemporaryDir dir;
    const QString path = dir.filePath("dynamic.spr");
    QVERIFY(messageWriter::save(scene, path));
    diagramScene loaded;
    QCOMPARE(messageReader::load(path, &loaded), messageReader::Result::Loaded);
    diagramQRCodeItem *back = nullptr;
    for (QGraphicsItem *i : loaded.items()) {
        if (i->type() == diagramQRCodeItem::Type)
            back = static_cast<diagramQRCodeItem *>(i);
    }
    QVERIFY(back);
    const qrCodeParams reread = back->params();
    QCOMPARE(reread.content, QString("LOT000yyyy"));
    QVERIFY(reread.insVariable);
    QVERIFY(reread.insertCnt);
    QVERIFY(reread.insertTime);
    QCOMPARE(reread.cntMode, 3);
    QCOMPARE(reread.cntPos, 3);
    QCOMPARE(reread.timeFormat, QString("yyyy"));
    QCOMPARE(reread.timePos, 6);
}

namespace {

// Answers everything and writes down what it was asked.
class promptRecorder : public editorPrompts
{
public:
    QStringList seen;
    void warning(const QString &title, const QString &text, const QString &button) override
    {
        seen << "warning|" + title + '|' + text + '|' + button;
    }
    void information(const QString &title, const QString &) override
    {
        seen << "information|" + title;
    }
    int question(const QString &title, const QString &, const QStringList &answers) override
    {
        seen << "question|" + title;
        return answers.size() - 1;
    }
    QString chooseFile(QWidget *, const QString &title, const QString &, const QString &) override
    {
        seen << "file|" + title;
        return "a.spr";
    }
    QString chooseSaveName(QWidget *, const QString &caption, const QString &,
                           const QString &) override
    {
        seen << "save|" + caption;
        return "b.spr";
    }
    std::optional<QString> chooseTimeFormat(QWidget *, const QString &initial) override
    {
        seen << "time|" + initial;
        return QString("yy");
    }
    std::optional<qrDynamicContent> composeDynamicQr(QWidget *) override
    {
        seen << "qr";
        return std::nullopt;
    }
};

} // namespace

// One seam for the editor's boxes, file dialogs and own dialogs; a test's
// layers answer what they script and pass the rest to the one below, and
// each undoes only its own replacement.
void TestEditorDialogs::everyPromptGoesToTheInstalledOne()
{
    promptRecorder bottom;
    QCOMPARE(editorPrompts::install(&bottom), nullptr);
    editorPrompts &p = editorPrompts::current();
    editorPrompts::warn("w");
    p.information("i", "text");
    QCOMPARE(p.question("q", "text", {"yes", "no"}), 1);
    QCOMPARE(p.chooseFile(nullptr, "open", ".", "*"), QString("a.spr"));
    QCOMPARE(p.chooseSaveName(nullptr, "save", ".", "*"), QString("b.spr"));
    QCOMPARE(p.chooseTimeFormat(nullptr, "hh"), std::optional<QString>("yy"));
    QVERIFY(!p.composeDynamicQr(nullptr));
    QCOMPARE(bottom.seen, (QStringList{"warning|警告|w|确认", "information|i", "question|q",
                                       "file|open", "save|save", "time|hh", "qr"}));
    bottom.seen.clear();
    {
        boxRecorder boxes;
        fileDialogStub files;
        files.file = "c.spr";
        dialogScript script;
        script.timeFormat = [](const QString &) { return std::optional<QString>("dd"); };
        editorPrompts::warn("kept");
        QCOMPARE(editorPrompts::current().chooseFile(nullptr, "open", ".", "*"), QString("c.spr"));
        QCOMPARE(editorPrompts::current().chooseTimeFormat(nullptr, QString()),
                 std::optional<QString>("dd"));
        QVERIFY(!editorPrompts::current().composeDynamicQr(nullptr));
        QCOMPARE(boxes.seen, QStringList{"警告|kept|确认"});
    }
    QCOMPARE(&editorPrompts::current(), &bottom);
    QCOMPARE(bottom.seen, QStringList{"qr"});
    QCOMPARE(editorPrompts::install(nullptr), &bottom);
}

QTEST_MAIN(TestEditorDialogs)
#include "tst_editordialogs.moc"
