// SPDX-License-Identifier: GPL-3.0-or-later
#include "barcodeitem.h"
#include "barcodesetwidget.h"
#include "generalsetwidget.h"
#include "graphicsimageitem.h"
#include "graphicsscene.h"
#include "graphicsserialnumberitem.h"
#include "graphicsshiftcodeitem.h"
#include "graphicstextitem.h"
#include "graphicstimeitem.h"
#include "imagesetwidget.h"
#include "mytexteditor.h"
#include "panelharness.h"
#include "serialnumsetwidget.h"
#include "shiftcodeset.h"
#include "textsetwidget.h"
#include "timesetwidget.h"

#include "../../graphicsScene/clock.h"

#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolTip>
#include <memory>

using namespace PanelHarness;
using Zint::QZint;

namespace {

std::unique_ptr<ItemPanel> makePanel(const QString &name)
{
    if (name == "general")
        return std::make_unique<GeneralSetWidget>();
    if (name == "text")
        return std::make_unique<TextSetWidget>();
    if (name == "time")
        return std::make_unique<TimeSetWidget>();
    if (name == "serial")
        return std::make_unique<SerialNumSetWidget>();
    if (name == "barcode")
        return std::make_unique<BarcodeSetWidget>();
    if (name == "image")
        return std::make_unique<ImageSetWidget>();
    if (name == "shift")
        return std::make_unique<ShiftCodeSet>();
    return nullptr;
}

QString shiftsOf(const GraphicsShiftCodeItem *item)
{
    QStringList all;
    for (const GraphicsShiftCodeItem::Shift &s : item->shiftTable())
        all << s.code + "@" + s.start.toString("HH:mm");
    return all.join(",");
}

// An item field as text, by the name the tables use.
QString field(QGraphicsItem *item, const QString &name)
{
    if (name == "x")
        return QString::number(item->x());
    if (name == "y")
        return QString::number(item->y());
    if (name == "rotation")
        return QString::number(item->rotation());
    if (name == "origin") {
        const QPointF o = item->transformOriginPoint();
        return o == item->boundingRect().center() ? "centre" : "elsewhere";
    }
    if (name == "extern")
        return item->data(ItemData::kIsExtern).toBool() ? "true" : "false";
    if (name == "text")
        return static_cast<QGraphicsTextItem *>(item)->toPlainText();
    if (item->type() == ItemTypeCode::kBarcode) {
        const QZint &z = static_cast<BarcodeItem *>(item)->encoder();
        const QMap<QString, QString> values = {
            {"symbology", QString::number(z.symbology())},
            {"content", z.text()},
            {"height", QString::number(z.height())},
            {"scale", QString::number(z.scale())},
            {"showText", z.showText() ? "true" : "false"},
            {"version", QString::number(z.option2())},
            {"inputMode", QString::number(z.inputMode())},
        };
        return values.value(name, "?");
    }
    if (item->type() == ItemTypeCode::kImage) {
        auto *image = static_cast<GraphicsImageItem *>(item);
        if (name == "size")
            return QString("%1x%2").arg(image->pixmap().width()).arg(image->pixmap().height());
        return "?";
    }
    auto *text = static_cast<GraphicsTextAbstract *>(item);
    const QFont font = text->font();
    if (name == "pixelSize")
        return QString::number(font.pixelSize());
    if (name == "letterSpacing")
        return QString::number(font.letterSpacing());
    if (name == "bold")
        return QString::number(font.weight());
    if (name == "italic")
        return font.italic() ? "true" : "false";
    if (name == "underline")
        return font.underline() ? "true" : "false";
    if (name == "family")
        return font.family();
    switch (item->type()) {
    case ItemTypeCode::kTime: {
        auto *time = static_cast<GraphicsTimeItem *>(item);
        if (name == "format")
            return time->timeFormat();
        if (name == "validDays")
            return QString::number(time->validDayCount());
        break;
    }
    case ItemTypeCode::kSerialNumber: {
        auto *serial = static_cast<GraphicsSerialNumberItem *>(item);
        if (name == "counter")
            return QString::number(serial->counterNumber());
        if (name == "base")
            return QString::number(serial->base());
        if (name == "digits")
            return QString::number(serial->digitCount());
        if (name == "fill")
            return QString::number(serial->fillChar().unicode());
        break;
    }
    case ItemTypeCode::kShiftCode:
        if (name == "shifts")
            return shiftsOf(static_cast<GraphicsShiftCodeItem *>(item));
        break;
    default:
        break;
    }
    return "?";
}

} // namespace

class TestPanels : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_work;
    QString m_previousDir;
    // 20 May 2021, a Thursday, 08:30.
    Clock::Pin m_clock{QDateTime(QDate(2021, 5, 20), QTime(8, 30))};

    // Common table columns: the panel, the item kind, the steps done on the
    // panel's controls, the item field they must change and its new value.
    void addColumns()
    {
        QTest::addColumn<QString>("panel");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("expected");
    }

    void runTable()
    {
        QFETCH(QString, panel);
        QFETCH(int, kind);
        QFETCH(QString, steps);
        QFETCH(QString, field);
        QFETCH(QString, expected);

        GraphicsScene scene;
        scene.addNewItem(ItemType(kind));
        QGraphicsItem *item = scene.selectedItems().value(0);
        QVERIFY(item);
        std::unique_ptr<ItemPanel> widget = makePanel(panel);
        widget->show();
        widget->setItem(item);
        QCOMPARE(widget->item(), item);
        if (auto *text = qobject_cast<TextSetWidget *>(widget.get()))
            connect(text, &TextSetWidget::needExternData, &scene, &GraphicsScene::setItemExtern);
        if (auto *code = qobject_cast<BarcodeSetWidget *>(widget.get()))
            connect(code, &BarcodeSetWidget::needExternData, &scene, &GraphicsScene::setItemExtern);
        QVERIFY(runSteps(widget.get(), steps));
        QCOMPARE(::field(item, field), expected);
    }

private slots:
    void initTestCase()
    {
        SlotNaming::install();
        m_previousDir = QDir::currentPath();
        QDir::setCurrent(m_work.path());
    }
    void cleanupTestCase() { QDir::setCurrent(m_previousDir); }
    void cleanup() { QCOMPARE(SlotNaming::take(), QStringList()); }

    void generalPanel_data()
    {
        addColumns();
        QTest::newRow("X") << "general" << int(TypeText) << "itemX=120"
                           << "x"
                           << "120";
        QTest::newRow("X below 0") << "general" << int(TypeBarcode) << "itemX=-50"
                                   << "x"
                                   << "-50";
        QTest::newRow("X at most 60000") << "general" << int(TypeText) << "itemX=70000"
                                         << "x"
                                         << "7000";
        QTest::newRow("Y") << "general" << int(TypeImage) << "itemY=300"
                           << "y"
                           << "300";
        QTest::newRow("Y at most 1400") << "general" << int(TypeText) << "itemY=1500"
                                        << "y"
                                        << "150";
        QTest::newRow("rotate") << "general" << int(TypeTime) << "ItemRotation=90"
                                << "rotation"
                                << "90";
        QTest::newRow("rotate about centre") << "general" << int(TypeBarcode) << "ItemRotation=45"
                                             << "origin"
                                             << "centre";
        QTest::newRow("font size") << "general" << int(TypeText) << "fontSizeSpinBox=80"
                                   << "pixelSize"
                                   << "80";
        QTest::newRow("text space") << "general" << int(TypeSerialNumber) << "textSpaceSpinBox=12"
                                    << "letterSpacing"
                                    << "12";
        QTest::newRow("bold") << "general" << int(TypeShiftCode) << "boldBtn"
                              << "bold"
                              << "75";
        QTest::newRow("bold off") << "general" << int(TypeText) << "boldBtn;boldBtn"
                                  << "bold"
                                  << "50";
        QTest::newRow("italic") << "general" << int(TypeTime) << "ItalicBtn"
                                << "italic"
                                << "true";
        QTest::newRow("underline") << "general" << int(TypeText) << "underLineBtn"
                                   << "underline"
                                   << "true";
    }
    void generalPanel() { runTable(); }

    void textPanel_data()
    {
        addColumns();
        QTest::newRow("content") << "text" << int(TypeText) << "textEdit=Lot 42"
                                 << "text"
                                 << "Lot 42";
        QTest::newRow("external") << "text" << int(TypeText) << "externDataCheckBox"
                                  << "extern"
                                  << "true";
        QTest::newRow("external off")
            << "text" << int(TypeText) << "externDataCheckBox;externDataCheckBox"
            << "extern"
            << "false";
    }
    void textPanel() { runTable(); }

    void timePanel_data()
    {
        addColumns();
        QTest::newRow("format typed") << "time" << int(TypeTime) << "timeTypeLineEdit=yyyy-MM-dd"
                                      << "text"
                                      << "2021-05-20";
        QTest::newRow("tokens") << "time" << int(TypeTime)
                                << "clearBtn;daysBtn;slashBtn;monthBtn;minusBtn;yearBtn"
                                << "format"
                                << "dd/MM-yyyy";
        QTest::newRow("time tokens")
            << "time" << int(TypeTime) << "clearBtn;hoursBtn;colonBtn;minuteBtn;colonBtn;secondBtn"
            << "text"
            << "08:30:00";
        QTest::newRow("clear") << "time" << int(TypeTime) << "clearBtn"
                               << "format"
                               << "";
        QTest::newRow("valid days") << "time" << int(TypeTime) << "vaildDaysSpinBox=30"
                                    << "text"
                                    << "19/06/2021";
        QTest::newRow("valid days at most 3000")
            << "time" << int(TypeTime) << "vaildDaysSpinBox=4000"
            << "validDays"
            << "400";
    }
    void timePanel() { runTable(); }

    void serialNumberPanel_data()
    {
        addColumns();
        QTest::newRow("counter number only")
            << "serial" << int(TypeSerialNumber) << "counterIDcomboBox=Counter3"
            << "counter"
            << "3";
        QTest::newRow("counter keeps text")
            << "serial" << int(TypeSerialNumber) << "counterIDcomboBox=Counter3"
            << "text"
            << "000000";
        QTest::newRow("base 16") << "serial" << int(TypeSerialNumber) << "base16Btn"
                                 << "base"
                                 << "1";
        QTest::newRow("base 34") << "serial" << int(TypeSerialNumber) << "base34Btn"
                                 << "base"
                                 << "2";
        QTest::newRow("base 10 again") << "serial" << int(TypeSerialNumber) << "base34Btn;base10Btn"
                                       << "base"
                                       << "0";
        QTest::newRow("digits") << "serial" << int(TypeSerialNumber) << "digitsSpinBox=3"
                                << "text"
                                << "000";
        QTest::newRow("digits at most 8") << "serial" << int(TypeSerialNumber) << "digitsSpinBox=9"
                                          << "digits"
                                          << "6";
        QTest::newRow("prefix") << "serial" << int(TypeSerialNumber) << "preCharLineEdit=*"
                                << "text"
                                << "*****0";
        QTest::newRow("prefix one character")
            << "serial" << int(TypeSerialNumber) << "preCharLineEdit=#x"
            << "fill"
            << "35";
        QTest::newRow("prefix cleared") << "serial" << int(TypeSerialNumber) << "preCharLineEdit="
                                        << "fill"
                                        << "0";
    }
    void serialNumberPanel() { runTable(); }

    void barcodePanel_data()
    {
        addColumns();
        QTest::newRow("content") << "barcode" << int(TypeBarcode) << "contentLineEdit=ABC-1"
                                 << "content"
                                 << "ABC-1";
        QTest::newRow("empty content refused")
            << "barcode" << int(TypeBarcode) << "contentLineEdit="
            << "content"
            << "123456";
        QTest::newRow("EAN13") << "barcode" << int(TypeBarcode) << "typeComboBox=EAN13"
                               << "symbology"
                               << "13";
        QTest::newRow("ITF14") << "barcode" << int(TypeBarcode) << "typeComboBox=ITF14"
                               << "symbology"
                               << "89";
        QTest::newRow("Code_128 to GS1")
            << "barcode" << int(TypeBarcode) << "typeComboBox=Code_128;GS1Btn"
            << "symbology"
            << "16";
        QTest::newRow("GS1-128 keeps Code_128 choice")
            << "barcode" << int(TypeBarcode) << "typeComboBox=Code_128;GS1Btn;typeComboBox=Code_128"
            << "symbology"
            << "16";
        QTest::newRow("GS1-128 back to standard")
            << "barcode" << int(TypeBarcode) << "typeComboBox=Code_128;GS1Btn;standardBtn"
            << "symbology"
            << "20";
        QTest::newRow("GS1 QR") << "barcode" << int(TypeBarcode) << "GS1Btn"
                                << "inputMode"
                                << "2";
        QTest::newRow("GS1 dropped on other symbology")
            << "barcode" << int(TypeBarcode) << "GS1Btn;typeComboBox=Code_39"
            << "inputMode"
            << "1";
        QTest::newRow("height") << "barcode" << int(TypeBarcode)
                                << "typeComboBox=Code_128;heightSpinBox=120"
                                << "height"
                                << "120";
        QTest::newRow("scale in tenths") << "barcode" << int(TypeBarcode) << "ScaleSpinBox=35"
                                         << "scale"
                                         << "3.5";
        QTest::newRow("show text") << "barcode" << int(TypeBarcode) << "hideTextCheckBox"
                                   << "showText"
                                   << "true";
        QTest::newRow("QR size") << "barcode" << int(TypeBarcode) << "qrcodeSizecomboBox=29x29"
                                 << "version"
                                 << "3";
        QTest::newRow("external") << "barcode" << int(TypeBarcode) << "externDataCheckBox"
                                  << "extern"
                                  << "true";
    }
    void barcodePanel() { runTable(); }

    void imagePanel_data()
    {
        addColumns();
        QTest::newRow("width") << "image" << int(TypeImage) << "imageWidthSpinBox=480"
                               << "size"
                               << "480x240";
        QTest::newRow("height") << "image" << int(TypeImage) << "imageHeightSpinBox=100"
                                << "size"
                                << "240x100";
    }
    void imagePanel() { runTable(); }

    void shiftCodePanel_data()
    {
        addColumns();
        QTest::newRow("add") << "shift" << int(TypeShiftCode) << "addToolButton"
                             << "shifts"
                             << "A@00:00,A@00:00";
        QTest::newRow("add and edit")
            << "shift" << int(TypeShiftCode) << "addToolButton;lineEdit=B;timeEdit=06:30"
            << "shifts"
            << "A@00:00,B@06:30";
        QTest::newRow("shown code follows")
            << "shift" << int(TypeShiftCode) << "addToolButton;lineEdit=E;timeEdit=06:00"
            << "text"
            << "E";
        QTest::newRow("delete") << "shift" << int(TypeShiftCode)
                                << "addToolButton;lineEdit=B;deleteToolButton"
                                << "shifts"
                                << "A@00:00";
        // The last shift gone, the table is empty and the editors below it
        // have no row to write into.
        QTest::newRow("delete the last")
            << "shift" << int(TypeShiftCode)
            << "tableView@0,0;deleteToolButton;lineEdit=Z;timeEdit=01:00"
            << "shifts"
            << "";
        QTest::newRow("clicked row edited")
            << "shift" << int(TypeShiftCode) << "addToolButton;lineEdit=B;tableView@0,1;lineEdit=N"
            << "shifts"
            << "N@00:00,B@00:00";
    }
    void shiftCodePanel() { runTable(); }

    // Item to controls: what a panel shows for an item set up by hand.
    void refreshShowsItem_data()
    {
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("expected");
        QTest::newRow("X") << "general"
                           << "text at 12.9,30.2"
                           << "itemX"
                           << "12";
        QTest::newRow("Y") << "general"
                           << "text at 12.9,30.2"
                           << "itemY"
                           << "30";
        QTest::newRow("rotate") << "general"
                                << "barcode rotated 30"
                                << "ItemRotation"
                                << "30";
        QTest::newRow("font shown") << "general"
                                    << "text at 12.9,30.2"
                                    << "?fontSizeSpinBox"
                                    << "shown";
        QTest::newRow("font hidden") << "general"
                                     << "barcode rotated 30"
                                     << "?fontSizeSpinBox"
                                     << "hidden";
        QTest::newRow("weight 58 bold") << "general"
                                        << "text weight 58"
                                        << "boldBtn"
                                        << "on";
        QTest::newRow("weight 57 not bold") << "general"
                                            << "text weight 57"
                                            << "boldBtn"
                                            << "off";
        QTest::newRow("size") << "general"
                              << "text weight 58"
                              << "fontSizeSpinBox"
                              << "44";
        QTest::newRow("italic") << "general"
                                << "text weight 58"
                                << "ItalicBtn"
                                << "on";
        QTest::newRow("text") << "text"
                              << "text external"
                              << "textEdit"
                              << "Best before";
        QTest::newRow("text external") << "text"
                                       << "text external"
                                       << "externDataCheckBox"
                                       << "on";
        QTest::newRow("time format") << "time"
                                     << "time"
                                     << "timeTypeLineEdit"
                                     << "yy NN";
        QTest::newRow("time days") << "time"
                                   << "time"
                                   << "vaildDaysSpinBox"
                                   << "365";
        QTest::newRow("serial counter") << "serial"
                                        << "serial"
                                        << "counterIDcomboBox"
                                        << "Counter4";
        QTest::newRow("serial base") << "serial"
                                     << "serial"
                                     << "base34Btn"
                                     << "on";
        QTest::newRow("serial digits") << "serial"
                                       << "serial"
                                       << "digitsSpinBox"
                                       << "8";
        QTest::newRow("serial fill") << "serial"
                                     << "serial"
                                     << "preCharLineEdit"
                                     << "-";
        QTest::newRow("GS1-128 listed as Code_128") << "barcode"
                                                    << "gs1-128"
                                                    << "typeComboBox"
                                                    << "Code_128";
        QTest::newRow("GS1-128 data mode") << "barcode"
                                           << "gs1-128"
                                           << "GS1Btn"
                                           << "on";
        QTest::newRow("GS1-128 no QR size") << "barcode"
                                            << "gs1-128"
                                            << "?qrcodeSizecomboBox"
                                            << "hidden";
        QTest::newRow("GS1-128 height") << "barcode"
                                        << "gs1-128"
                                        << "heightSpinBox"
                                        << "77";
        QTest::newRow("GS1-128 scale") << "barcode"
                                       << "gs1-128"
                                       << "ScaleSpinBox"
                                       << "15";
        QTest::newRow("GS1-128 text") << "barcode"
                                      << "gs1-128"
                                      << "hideTextCheckBox"
                                      << "on";
        QTest::newRow("QR shows size") << "barcode"
                                       << "qr"
                                       << "?qrcodeSizecomboBox"
                                       << "shown";
        QTest::newRow("QR shows data mode") << "barcode"
                                            << "qr"
                                            << "?dataModeWidget"
                                            << "shown";
        QTest::newRow("EAN13 hides data mode") << "barcode"
                                               << "ean13"
                                               << "?dataModeWidget"
                                               << "hidden";
        QTest::newRow("EAN13 hides size") << "barcode"
                                          << "ean13"
                                          << "?qrcodeSizecomboBox"
                                          << "hidden";
        QTest::newRow("Data Matrix GS1") << "barcode"
                                         << "gs1 datamatrix"
                                         << "GS1Btn"
                                         << "on";
        // A matrix code's height is its module count, set by its content.
        QTest::newRow("QR hides height") << "barcode"
                                         << "qr"
                                         << "?heightSpinBox"
                                         << "hidden";
        QTest::newRow("Data Matrix hides height") << "barcode"
                                                  << "gs1 datamatrix"
                                                  << "?heightLabel"
                                                  << "hidden";
        QTest::newRow("image width") << "image"
                                     << "image 480x100"
                                     << "imageWidthSpinBox"
                                     << "480";
        QTest::newRow("image height") << "image"
                                      << "image 480x100"
                                      << "imageHeightSpinBox"
                                      << "100";
    }
    void refreshShowsItem()
    {
        QFETCH(QString, panel);
        QFETCH(QString, setup);
        QFETCH(QString, control);
        QFETCH(QString, expected);

        GraphicsScene scene;
        QGraphicsItem *item = nullptr;
        if (setup.startsWith("text")) {
            auto *text = new GraphicsTextItem;
            text->setPos(12.9, 30.2);
            QFont font = text->font();
            font.setPixelSize(44);
            font.setWeight(setup.endsWith("57") ? 57 : 58);
            font.setItalic(true);
            text->setFont(font);
            text->setPlainText("Best before");
            text->setData(ItemData::kIsExtern, setup == "text external");
            item = text;
        } else if (setup == "barcode rotated 30") {
            auto *code = new BarcodeItem;
            code->setRotation(30);
            item = code;
        } else if (setup == "time") {
            auto *time = new GraphicsTimeItem;
            time->setTimeFormat("yy NN");
            time->setValidDays(365);
            item = time;
        } else if (setup == "serial") {
            auto *serial = new GraphicsSerialNumberItem;
            serial->setCounterNumber(4);
            serial->setSystemBase(GraphicsSerialNumberItem::Base34);
            serial->setDigits(8);
            serial->setPreFixChar('-');
            item = serial;
        } else if (setup.contains("gs1") || setup == "qr" || setup == "ean13") {
            auto *code = new BarcodeItem;
            if (setup == "gs1-128") {
                code->setSymbology(QZint::Code128);
                code->setGS1Mode(true);
                code->setBarHeight(77);
                code->setScaleStep(15);
                code->setShowText(true);
            } else if (setup == "gs1 datamatrix") {
                code->setSymbology(QZint::DataMatrix);
                code->setGS1Mode(true);
            } else if (setup == "ean13") {
                code->setSymbology(QZint::Ean13);
            }
            item = code;
        } else if (setup == "image 480x100") {
            auto *image = new GraphicsImageItem;
            image->setImageWidth(480);
            image->setImageHeight(100);
            image->rescale();
            item = image;
        }
        QVERIFY(item);
        scene.addItem(item);
        std::unique_ptr<ItemPanel> widget = makePanel(panel);
        widget->show();
        widget->setItem(item);
        QCOMPARE(controlState(widget.get(), control), expected);
    }

    // A panel keeps only items of its kind, and then its controls change
    // nothing.
    void foreignItemIsNotKept_data()
    {
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QString>("steps");
        QTest::newRow("text") << "text"
                              << "textEdit=x;externDataCheckBox";
        QTest::newRow("time") << "time"
                              << "clearBtn;vaildDaysSpinBox=3";
        QTest::newRow("serial") << "serial"
                                << "base16Btn;digitsSpinBox=2";
        QTest::newRow("barcode") << "barcode"
                                 << "contentLineEdit=x;typeComboBox=EAN13";
        QTest::newRow("image") << "image"
                               << "imageWidthSpinBox=3";
        QTest::newRow("shift") << "shift"
                               << "addToolButton;deleteToolButton";
    }
    void foreignItemIsNotKept()
    {
        QFETCH(QString, panel);
        QFETCH(QString, steps);
        GraphicsScene scene;
        // A kind no panel but "text" edits, and text for the text panel's turn.
        scene.addNewItem(panel == "text" ? TypeShiftCode : TypeText);
        QGraphicsItem *item = scene.selectedItems().value(0);
        QJsonObject before;
        static_cast<GraphicsTextAbstract *>(item)->saveRecord(before);
        std::unique_ptr<ItemPanel> widget = makePanel(panel);
        widget->show();
        widget->setItem(item);
        QCOMPARE(widget->item(), nullptr);
        runSteps(widget.get(), steps);
        QJsonObject after;
        static_cast<GraphicsTextAbstract *>(item)->saveRecord(after);
        QCOMPARE(after, before);
    }

    // Bracketed content opens one part per line; "OK" joins the lines back
    // without any white space; "Cancel" changes nothing.
    void contentEditor_data()
    {
        QTest::addColumn<QString>("content");
        QTest::addColumn<QString>("lines");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("result");
        QTest::newRow("GS1 parts") << "[01]09501101530003[10]AB1"
                                   << "[01]09501101530003|[10]AB1"
                                   << ""
                                   << "okBtn"
                                   << "[01]09501101530003[10]AB1";
        QTest::newRow("empty parts dropped") << "[[01]1[[10]2"
                                             << "[01]1|[10]2"
                                             << ""
                                             << "okBtn"
                                             << "[01]1[10]2";
        QTest::newRow("plain text one line") << "AB [C]"
                                             << "AB [C]"
                                             << ""
                                             << "okBtn"
                                             << "AB[C]";
        QTest::newRow("lines added") << "[01]1"
                                     << "[01]1"
                                     << "|[17] 2712 31 |"
                                     << "okBtn"
                                     << "[01]1[17]271231";
        QTest::newRow("cancel") << "[01]1"
                                << "[01]1"
                                << "x"
                                << "CancelBtn"
                                << "[01]1";
    }
    void contentEditor()
    {
        QFETCH(QString, content);
        QFETCH(QString, lines);
        QFETCH(QString, typed);
        QFETCH(QString, button);
        QFETCH(QString, result);

        GraphicsScene scene;
        scene.addNewItem(TypeBarcode);
        auto *code = static_cast<BarcodeItem *>(scene.selectedItems().value(0));
        code->setSymbology(QZint::Code128);
        QWidget window;
        window.resize(800, 600);
        auto *panel = new BarcodeSetWidget(&window);
        window.show();
        panel->setItem(code);
        QVERIFY(runSteps(panel, "contentLineEdit=" + content));

        QVERIFY(runSteps(panel, "textExpandBtn"));
        auto *editor = window.findChild<MyTextEditor *>();
        QVERIFY(editor);
        QVERIFY(editor->isVisible());
        QCOMPARE(editor->geometry(), QRect(100, 20, 600, 250));
        auto *text = editor->findChild<QTextEdit *>("textEdit");
        QCOMPARE(text->toPlainText(), QString(lines).replace('|', '\n'));
        text->moveCursor(QTextCursor::End);
        // "|" is the Return key.
        const QStringList typedLines = typed.split('|');
        for (int i = 0; i < typedLines.size(); ++i) {
            if (i > 0)
                QTest::keyClick(text, Qt::Key_Return);
            QTest::keyClicks(text, typedLines.at(i));
        }
        QTest::mouseClick(editor->findChild<QPushButton *>(button), Qt::LeftButton);
        QVERIFY(!editor->isVisible());
        QCOMPARE(code->encoder().text(), result);
        QCOMPARE(controlState(panel, "contentLineEdit"), result);
    }

    void fontListFromFontsFolder()
    {
        QDir().mkpath("fonts");
        QFile::remove("fonts/sans.ttf");
        QVERIFY(QFile::copy("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", "fonts/sans.ttf"));
        QFile notAFont("fonts/readme.txt");
        QVERIFY(notAFont.open(QIODevice::WriteOnly));
        notAFont.write("no font here");
        notAFont.close();

        GeneralSetWidget panel;
        auto *combo = panel.findChild<QComboBox *>("fontComboBox");
        QCOMPARE(combo->count(), 1);
        QCOMPARE(combo->itemText(0), QString("DejaVu Sans"));
        QCOMPARE(combo->itemData(0).toString(), QString("DejaVu Sans"));

        // Choosing it gives a text item that family, its style kept.
        GraphicsScene scene;
        scene.addNewItem(TypeText);
        auto *text = static_cast<GraphicsTextAbstract *>(scene.selectedItems().value(0));
        panel.show();
        panel.setItem(text);
        QVERIFY(runSteps(&panel, "boldBtn;fontComboBox=DejaVu Sans"));
        QCOMPARE(text->font().family(), QString("DejaVu Sans"));
        QCOMPARE(text->font().weight(), int(QFont::Bold));
        QCOMPARE(text->font().pixelSize(), 150);
        QDir("fonts").removeRecursively();
    }

    void fontDisplayName_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<QString>("shown");
        const QString heiTi = QString(QChar(0x9ED1)) + QChar(0x4F53);
        QTest::newRow("SimHei") << "SimHei" << heiTi;
        QTest::newRow("any case") << "simhei" << heiTi;
        QTest::newRow("contained") << "Korvex SIMHEI Bold" << heiTi;
        QTest::newRow("other") << "DejaVu Sans"
                               << "DejaVu Sans";
    }
    void fontDisplayName()
    {
        QFETCH(QString, family);
        QFETCH(QString, shown);
        QCOMPARE(GeneralSetWidget::displayName(family), shown);
    }

    void timeHelpText()
    {
        TimeSetWidget panel;
        auto *edit = panel.findChild<QLineEdit *>("timeTypeLineEdit");
        QCOMPARE(edit->toolTip(),
                 QString("\"yyyy\" means year ,\"MM\" means month,\"dd\" means days.\ne.g. "
                         "\"yyyy/MM/dd\"  -> \"2021/05/20\"\n\n\"hh\" means hours ,\"mm\" means "
                         "minutes,\"ss\" measn seconds.\ne.g. ''hh:mm:ss\" -> "
                         "\"08:08:08\"\n\nCoustom date and other date format please see the "
                         "instructions."));
        panel.show();
        QTest::mouseClick(panel.findChild<QAbstractButton *>("helpBtn"), Qt::LeftButton);
        QTRY_COMPARE(QToolTip::text(), edit->toolTip());
    }
};

QTEST_MAIN(TestPanels)
#include "tst_panels.moc"
