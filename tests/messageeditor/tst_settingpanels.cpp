// SPDX-License-Identifier: GPL-3.0-or-later
#include "barsetting.h"
#include "cnt2setting.h"
#include "cntsetting.h"
#include "diagrambaritem.h"
#include "diagramcnt2item.h"
#include "diagramcntitem.h"
#include "diagramimageitem.h"
#include "diagramqrcodeitem.h"
#include "diagramtextitem.h"
#include "diagramtimeitem.h"
#include "fontfamilies.h"
#include "imagesetting.h"
#include "panelcontrols.h"
#include "promptslayer.h"
#include "qrcodesetting.h"
#include "settimemodedialog.h"
#include "signallog.h"
#include "slotnaming.h"
#include "textsetting.h"
#include "timesetting.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace {

std::unique_ptr<QWidget> makePanel(const QString &name)
{
    if (name == "textSetting")
        return std::make_unique<textSetting>();
    if (name == "timeSetting")
        return std::make_unique<timeSetting>();
    if (name == "cntSetting")
        return std::make_unique<cntSetting>();
    if (name == "cnt2Setting")
        return std::make_unique<cnt2Setting>();
    if (name == "barSetting")
        return std::make_unique<barSetting>();
    if (name == "imageSetting")
        return std::make_unique<imageSetting>();
    if (name == "QRCodeSetting")
        return std::make_unique<QRCodeSetting>();
    return nullptr;
}

// What a control shows: a spin box's value, a combo's index, a check box's
// state (0 or 1).
int shown(QWidget *panel, const char *control)
{
    QWidget *w = panel->findChild<QWidget *>(control);
    if (auto *spin = qobject_cast<QSpinBox *>(w))
        return spin->value();
    if (auto *combo = qobject_cast<QComboBox *>(w))
        return combo->currentIndex();
    if (auto *check = qobject_cast<QCheckBox *>(w))
        return check->isChecked();
    qFatal("no control %s", control);
}

} // namespace

class TestSettingPanels : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { SlotNaming::install(); }
    void cleanup() { QCOMPARE(SlotNaming::take(), QStringList()); }
    void controlsEmitTheirValues_data();
    void controlsEmitTheirValues();
    void fontListsMatchTheFamilies_data();
    void fontListsMatchTheFamilies();
    void textFill();
    void timeFill();
    void timeChangeAsksForAFormat();
    void cntFill();
    void cnt2Fill();
    void barFill();
    void imageFill();
    void qrCodeFill();
};

void TestSettingPanels::controlsEmitTheirValues_data()
{
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("control");
    // "=v" sets the value or index v, "+n" steps n times, "click" clicks.
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("emitted"); // every signal the panel emitted

    auto row = [](const char *panel, const char *control, const char *action, const char *emitted) {
        QTest::addRow("%s %s %s", panel, control, action) << panel << control << action << emitted;
    };
    row("textSetting", "textXSpin", "=123", "textXChange(123)");
    row("textSetting", "textXSpin", "=25000", "textXChange(20000)");
    row("textSetting", "textYSpin", "=-500", "textYChange(-100)");
    row("textSetting", "textYSpin", "=2000", "textYChange(1300)");
    row("textSetting", "textRotateSpin", "=200", "textRotateChange(180)");
    row("textSetting", "textFontCombo", "=15", "textFontChange(15)");
    row("textSetting", "textSizeSpin", "+1", "textSizeChange(9)"); // from the minimum 6
    row("textSetting", "textSizeSpin", "=500", "textSizeChange(400)");
    row("textSetting", "textIntervalSpin", "=-150", "textIntervalChange(-100)");
    row("textSetting", "textIntervalSpin", "=250", "textIntervalChange(200)");

    row("timeSetting", "timeXSpin", "=7", "timeXChange(7)");
    row("timeSetting", "timeYSpin", "=-100", "timeYChange(-100)");
    row("timeSetting", "timeRotateSpin", "=90", "timeRotateChange(90)");
    row("timeSetting", "timeFontCombo", "=14", "timeFontChange(14)");
    row("timeSetting", "timeSizeSpin", "+1", "timeSizeChange(33)"); // from 30
    row("timeSetting", "timeSizeSpin", "=1", "timeSizeChange(6)");
    row("timeSetting", "timeSpacingSpin", "+1", "timeSpacingChange(1)"); // from 0
    row("timeSetting", "timeSpacingSpin", "=-1000", "timeSpacingChange(-100)");

    row("cntSetting", "cntXSpin", "=20000", "cntXChange(20000)");
    row("cntSetting", "cntYSpin", "=1300", "cntYChange(1300)");
    row("cntSetting", "cntRotateSpin", "=180", "cntRotateChange(180)");
    row("cntSetting", "cntFontCombo", "=3", "cntFontChange(3)");
    row("cntSetting", "cntSizeSpin", "+-1", "cntSizeChange(27)");
    row("cntSetting", "cntIntervalSpin", "=200", "cntIntervalChange(200)");
    row("cntSetting", "cntModeCombo", "=7", "cntModeChange(7)");
    row("cntSetting", "cntNameCombo", "=1", "cntNameChange(1)");

    row("cnt2Setting", "cnt2XSpin", "=1", "cnt2XChange(1)");
    row("cnt2Setting", "cnt2YSpin", "=-1", "cnt2YChange(-1)");
    row("cnt2Setting", "cnt2RotateSpin", "=45", "cnt2RotateChange(45)");
    row("cnt2Setting", "cnt2FontCombo", "=15", "cnt2FontChange(15)");
    row("cnt2Setting", "cnt2SizeSpin", "+1", "cnt2SizeChange(33)");
    row("cnt2Setting", "cnt2SizeSpin", "=999", "cnt2SizeChange(400)");
    row("cnt2Setting", "cnt2IntervalSpin", "=-100", "cnt2IntervalChange(-100)");
    row("cnt2Setting", "cnt2ModeCombo", "=2", "cnt2ModeChange(2)");

    row("barSetting", "barXSpin", "=50000", "barXChange(20000)");
    row("barSetting", "barYSpin", "=5", "barYChange(5)");
    row("barSetting", "barHeightSpin", "=999", "barHeightChange(400)");
    row("barSetting", "barRotateSpin", "=181", "barRotateChange(180)");
    row("barSetting", "barModeCombo", "=6", "barModeChange(6)");
    row("barSetting", "checkBox_showText", "click", "barTextStateChange(true)");

    row("imageSetting", "imageXSpin", "=10", "imageXChange(10)");
    row("imageSetting", "imageYSpin", "=1301", "imageYChange(1300)");
    row("imageSetting", "imageWidthSpin", "=30000", "imageWidthChange(20000)");
    row("imageSetting", "imageHeightSpin", "=401", "imageHeightChange(400)");
    row("imageSetting", "imageRotateSpin", "=30", "imageRotateChange(30)");
    row("imageSetting", "imageSelectPush", "click", "imageSelectChange()");
    row("imageSetting", "imageConversePush", "click", "imageConverseChange()");

    row("QRCodeSetting", "spinBox_QRCodeItemX", "=100", "QRCodeXChange(100)");
    row("QRCodeSetting", "spinBox_QRCodeItemY", "=-50", "QRCodeYChange(-50)");
    row("QRCodeSetting", "spinBox_QRCodeItemRotate", "=90", "QRCodeRotateChange(90)");
    row("QRCodeSetting", "spinBox_QRCodeItemScale", "=78", "QRCodeScaleChange(77)");
    row("QRCodeSetting", "comboBox_QRCodeItemLevel", "=3", "QRCodeLevelChange(3)");
    // The side list starts at version 1.
    row("QRCodeSetting", "comboBox_QRCodeItemVersion", "=4", "QRCodeVersionChange(5)");
    row("QRCodeSetting", "pushButton_QRCodeItemDyna", "click", "QRCodeDynamicStyle()");
}

void TestSettingPanels::controlsEmitTheirValues()
{
    QFETCH(QString, panel);
    QFETCH(QString, control);
    QFETCH(QString, action);
    QFETCH(QString, emitted);

    std::unique_ptr<QWidget> widget = makePanel(panel);
    QVERIFY(widget);
    QWidget *target = widget->findChild<QWidget *>(control);
    QVERIFY2(target, qPrintable(control));
    signalLog log(widget.get());

    const int number = action.mid(1).toInt();
    if (action == "click") {
        auto *button = qobject_cast<QAbstractButton *>(target);
        QVERIFY(button);
        button->click();
    } else if (auto *spin = qobject_cast<QSpinBox *>(target)) {
        if (action.startsWith('='))
            spin->setValue(number);
        else
            spin->stepBy(number);
    } else if (auto *combo = qobject_cast<QComboBox *>(target)) {
        combo->setCurrentIndex(number);
    } else {
        QFAIL("unknown control kind");
    }
    QCOMPARE(log.entries(), QStringList{emitted});
}

void TestSettingPanels::fontListsMatchTheFamilies_data()
{
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("combo");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("arialIndex"); // where "Arial" stands in the list
    QTest::addColumn<QString>("familyThere");
    QTest::newRow("text") << "textSetting"
                          << "textFontCombo" << 16 << 4 << fontFamilies::forText(4);
    QTest::newRow("time") << "timeSetting"
                          << "timeFontCombo" << 15 << 4 << fontFamilies::forCounterOrTime(4);
    QTest::newRow("counter") << "cntSetting"
                             << "cntFontCombo" << 15 << 4 << fontFamilies::forCounterOrTime(4);
    QTest::newRow("counter 2") << "cnt2Setting"
                               << "cnt2FontCombo" << 16 << 5 << fontFamilies::forCounter2(5);
}

// A list out of step with the family table would give every item below the
// gap the wrong font.
void TestSettingPanels::fontListsMatchTheFamilies()
{
    QFETCH(QString, panel);
    QFETCH(QString, combo);
    QFETCH(int, count);
    QFETCH(int, arialIndex);
    QFETCH(QString, familyThere);
    std::unique_ptr<QWidget> widget = makePanel(panel);
    auto *box = widget->findChild<QComboBox *>(combo);
    QVERIFY(box);
    QCOMPARE(box->count(), count);
    QCOMPARE(box->findText("Arial"), arialIndex);
    QCOMPARE(familyThere, QString("Arial"));
}

void TestSettingPanels::textFill()
{
    diagramTextItem item;
    item.setPos(25000, 50);
    item.setRotation(30);
    item.setFamily("Arial");
    item.setPixelSize(150);
    item.setSpacing(-300);
    textSetting panel;
    signalLog log(&panel);
    panel.fill(&item);
    QCOMPARE(shown(&panel, "textXSpin"), 20000);
    QCOMPARE(shown(&panel, "textYSpin"), 50);
    QCOMPARE(shown(&panel, "textRotateSpin"), 30);
    QCOMPARE(shown(&panel, "textFontCombo"), 4);
    QCOMPARE(shown(&panel, "textSizeSpin"), 150);
    QCOMPARE(shown(&panel, "textIntervalSpin"), -100);
    // What the controls clamped stays with the item: showing never writes.
    QCOMPARE(log.entries(), QStringList());
    QCOMPARE(item.pos(), QPointF(25000, 50));
}

void TestSettingPanels::timeFill()
{
    diagramTimeItem item;
    item.setPos(10, 1500);
    item.setFamily("8Pin Matrix");
    item.setPixelSize(70);
    item.setSpacing(3);
    item.setRotation(-90);
    timeSetting panel;
    signalLog log(&panel);
    panel.fill(&item);
    QCOMPARE(shown(&panel, "timeXSpin"), 10);
    QCOMPARE(shown(&panel, "timeYSpin"), 1300);
    QCOMPARE(shown(&panel, "timeRotateSpin"), 0);
    QCOMPARE(shown(&panel, "timeFontCombo"), 13);
    QCOMPARE(shown(&panel, "timeSizeSpin"), 70);
    QCOMPARE(shown(&panel, "timeSpacingSpin"), 3);
    QCOMPARE(log.entries(), QStringList());
}

void TestSettingPanels::timeChangeAsksForAFormat()
{
    diagramTimeItem item;
    item.setFormat("hh:mm");
    timeSetting panel;
    panel.fill(&item);
    QStringList asked;
    std::optional<QString> answer = QString("yy/MM/dd");
    dialogScript script;
    script.timeFormat = [&](const QString &initial) {
        asked << initial;
        return answer;
    };
    signalLog log(&panel);
    auto *change = panel.findChild<QPushButton *>("changePushButton");
    QVERIFY(change);
    change->click();
    QCOMPARE(log.entries(), QStringList{"timeModeChange(yy/MM/dd)"});
    // A cancelled dialog changes nothing; the next one starts from the
    // format last chosen.
    answer.reset();
    change->click();
    QCOMPARE(log.entries(), QStringList{"timeModeChange(yy/MM/dd)"});
    QCOMPARE(asked, (QStringList{"hh:mm", "yy/MM/dd"}));
}

void TestSettingPanels::cntFill()
{
    diagramCntItem item;
    item.setPos(100, -20);
    item.setFamily("FZGuLi-S12S");
    item.setPixelSize(500);
    item.setDigits(8);
    item.setCounterNumber(1);
    cntSetting panel;
    signalLog log(&panel);
    panel.fill(&item);
    QCOMPARE(shown(&panel, "cntXSpin"), 100);
    QCOMPARE(shown(&panel, "cntYSpin"), -20);
    QCOMPARE(shown(&panel, "cntFontCombo"), 8);
    QCOMPARE(shown(&panel, "cntSizeSpin"), 400);
    QCOMPARE(shown(&panel, "cntModeCombo"), 7);
    QCOMPARE(shown(&panel, "cntNameCombo"), 1);
    QCOMPARE(log.entries(), QStringList());
}

void TestSettingPanels::cnt2Fill()
{
    diagramCnt2Item item;
    item.setPos(0, 0);
    item.setFamily("??????2fzr");
    item.setDigits(1);
    item.setSpacing(7);
    cnt2Setting panel;
    signalLog log(&panel);
    panel.fill(&item);
    QCOMPARE(shown(&panel, "cnt2FontCombo"), 14);
    QCOMPARE(shown(&panel, "cnt2SizeSpin"), 150);
    QCOMPARE(shown(&panel, "cnt2IntervalSpin"), 7);
    QCOMPARE(shown(&panel, "cnt2ModeCombo"), 0);
    QCOMPARE(log.entries(), QStringList());
    // A family no list holds leaves the font blank rather than naming
    // another.
    item.setFamily("Unknown Sans");
    panel.fill(&item);
    QCOMPARE(shown(&panel, "cnt2FontCombo"), -1);
    QCOMPARE(log.entries(), QStringList());
}

void TestSettingPanels::barFill()
{
    diagramBarItem item;
    barcodeSettings settings = item.settings();
    settings.symbology = 2;
    settings.content = "KORVEX";
    settings.showText = false;
    settings.barHeight = 500;
    item.setSettings(settings);
    item.setPos(30, -200);
    barSetting panel;
    signalLog log(&panel);
    panel.fill(&item);
    QCOMPARE(shown(&panel, "barXSpin"), 30);
    QCOMPARE(shown(&panel, "barYSpin"), -100);
    QCOMPARE(shown(&panel, "barHeightSpin"), 400);
    QCOMPARE(shown(&panel, "barModeCombo"), 2);
    QCOMPARE(shown(&panel, "checkBox_showText"), 0);
    QCOMPARE(log.entries(), QStringList());
}

void TestSettingPanels::imageFill()
{
    QTemporaryDir dir;
    QImage picture(500, 450, QImage::Format_RGB32);
    picture.fill(Qt::white);
    const QString path = dir.filePath("logo.bmp");
    QVERIFY(picture.save(path));
    diagramImageItem item;
    item.loadFile(path);
    item.setPos(5, 6);
    imageSetting panel;
    signalLog log(&panel);
    panel.fill(&item);
    QCOMPARE(shown(&panel, "imageXSpin"), 5);
    QCOMPARE(shown(&panel, "imageYSpin"), 6);
    QCOMPARE(shown(&panel, "imageWidthSpin"), 500);
    QCOMPARE(shown(&panel, "imageHeightSpin"), 400);
    QCOMPARE(panel.findChild<QLabel *>("fileNameLabel")->text(), QString("logo.bmp"));
    QCOMPARE(log.entries(), QStringList());

    // The 1200-dot model and a wide scene show it as it is; a narrower range
    // again clamps what the box shows, and still sends nothing.
    item.showScaled(QSize(25000, 1100));
    panel.setCanvas({1200, 35000});
    panel.fill(&item);
    QCOMPARE(shown(&panel, "imageWidthSpin"), 25000);
    QCOMPARE(shown(&panel, "imageHeightSpin"), 1100);
    panel.setCanvas({144, 8000});
    QCOMPARE(shown(&panel, "imageWidthSpin"), 20000);
    QCOMPARE(shown(&panel, "imageHeightSpin"), 400);
    QCOMPARE(log.entries(), QStringList());
    QCOMPARE(item.pixmap().size(), QSize(25000, 1100));
}

void TestSettingPanels::qrCodeFill()
{
    diagramQRCodeItem item;
    qrCodeParams params = item.params();
    params.level = 3;
    params.scale = 80;
    params.version = 7; // only files give versions beyond the list
    item.setParams(params);
    item.setPos(40, 0);
    QRCodeSetting panel;
    signalLog log(&panel);
    panel.fill(&item);
    QCOMPARE(shown(&panel, "spinBox_QRCodeItemX"), 40);
    QCOMPARE(shown(&panel, "spinBox_QRCodeItemScale"), 77);
    QCOMPARE(shown(&panel, "comboBox_QRCodeItemLevel"), 3);
    QCOMPARE(shown(&panel, "comboBox_QRCodeItemVersion"), -1);
    QCOMPARE(log.entries(), QStringList());
    params.version = 3;
    item.setParams(params);
    panel.fill(&item);
    QCOMPARE(shown(&panel, "comboBox_QRCodeItemVersion"), 2);
}

QTEST_MAIN(TestSettingPanels)
#include "tst_settingpanels.moc"
