// SPDX-License-Identifier: GPL-3.0-or-later
#include "../common/filesizelimit.h"
#include "boxrecorder.h"
#include "currentitemeditor.h"
#include "diagrambaritem.h"
#include "diagramcntitem.h"
#include "diagramimageitem.h"
#include "diagramitemfactory.h"
#include "diagrampicturebase.h"
#include "diagramqrcodeitem.h"
#include "diagramscene.h"
#include "diagramtextitem.h"
#include "diagramtimeitem.h"
#include "editorclock.h"
#include "editorhistory.h"
#include "editoritemtypes.h"
#include "editorstartup.h"
#include "editorwindowstate.h"
#include "filecommands.h"
#include "filedialogstub.h"
#include "mainwindow.h"
#include "messagewriter.h"
#include "qrcodedynamicstyledialog.h"

#include <QAction>
#include <QComboBox>
#include <QGraphicsLineItem>
#include <QGraphicsView>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTranslator>
#include <QUndoStack>
#include <QtTest>
#include <optional>

namespace {

QList<int> guideLines(const diagramScene &scene)
{
    QList<int> ys;
    const QList<QGraphicsItem *> all = scene.items();
    for (const QGraphicsItem *item : all) {
        if (auto *line = qgraphicsitem_cast<const QGraphicsLineItem *>(item))
            ys << int(line->line().y1());
    }
    std::sort(ys.begin(), ys.end());
    return ys;
}

QList<QGraphicsItem *> messageItems(const diagramScene &scene)
{
    QList<QGraphicsItem *> found;
    const QList<QGraphicsItem *> all = scene.items(Qt::AscendingOrder);
    for (QGraphicsItem *item : all) {
        if (diagramType::isMessageItem(item->type()))
            found << item;
    }
    return found;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// The bold italic model actions, by text.
QStringList emphasised(const MainWindow &window)
{
    QStringList names;
    for (const char *name : {"typeAAction", "typeBAction", "typeCAction", "typeDAction"}) {
        const QAction *action = window.findChild<QAction *>(name);
        const QFont font = action->font();
        if (font.weight() == 75 && font.italic())
            names << action->text();
        else if (font.weight() != 50 || font.italic())
            names << "odd:" + action->text();
    }
    return names;
}

} // namespace

class TestEditorMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void startsInTypeA();
    void modelSwitching_data();
    void modelSwitching();
    void toolButtonsAddItemsForTheModel_data();
    void toolButtonsAddItemsForTheModel();
    void editLineByKind_data();
    void editLineByKind();
    void selectionPullsItemsBackToZero();
    void deleteItemsKeepsCurrentPointersValid();
    void newKeepsGuidesAndModel();
    void saveAsksOnceThenWritesSilently();
    void failedSaveIsReportedAndChangesNothing();
    void openReplacesTheMessage();
    void failedOpenKeepsThePreviousMessage_data();
    void failedOpenKeepsThePreviousMessage();
    void deleteFile_data();
    void deleteFile();
    void unsavedChangesAskFirst_data();
    void unsavedChangesAskFirst();
    void panelControlsChangeTheCurrentItem_data();
    void panelControlsChangeTheCurrentItem();
    void selectingShowsTheItemInItsPanel();
    void selectingNeverChangesTheItem_data();
    void selectingNeverChangesTheItem();
    void shortcuts_data();
    void shortcuts();
    void deleteKeyRemovesTheSelection();
    void imageFileChosenThroughThePanel();
    void dynamicQRContent_data();
    void dynamicQRContent();
    void windowStateIsKeptInItsOwnStore();
    void undoAndRedoGiveTheSameFile_data();
    void undoAndRedoGiveTheSameFile();
    void openThenSaveGivesTheSameFile_data();
    void openThenSaveGivesTheSameFile();
    void helpOpensTheManual();

private:
    std::optional<editorClock::Pin> m_clock;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<boxRecorder> m_boxes;
    std::unique_ptr<fileDialogStub> m_dialogs;
    std::unique_ptr<MainWindow> m_window;
};

void TestEditorMainWindow::init()
{
    m_clock.emplace(QDateTime(QDate(2024, 3, 15), QTime(8, 30)));
    m_dir = std::make_unique<QTemporaryDir>();
    m_boxes = std::make_unique<boxRecorder>();
    m_dialogs = std::make_unique<fileDialogStub>();
    m_window = std::make_unique<MainWindow>();
}

void TestEditorMainWindow::cleanup()
{
    m_window.reset();
    m_dialogs.reset();
    m_boxes.reset();
    m_dir.reset();
    m_clock.reset();
}

void TestEditorMainWindow::startsInTypeA()
{
    MainWindow &w = *m_window;
    QCOMPARE(w.resolution(), 0);
    QCOMPARE(w.scene()->sceneRect(), QRectF(0, 0, 80000, 144));
    QCOMPARE(w.zoom(), 1.8);
    QCOMPARE(guideLines(*w.scene()), (QList<int>{0, 144, 300}));
    QCOMPARE(emphasised(w), QStringList{"Type A"});
    QVERIFY(w.files()->isNew());
    QVERIFY(!w.isWindowModified());
    QVERIFY(w.windowTitle().contains("Untitled.spr"));
    QVERIFY(w.findChild<QToolButton *>("cnt2ToolButton")->isHidden());
    QVERIFY(w.findChild<QToolButton *>("fileToolButton")->isHidden());
}

void TestEditorMainWindow::modelSwitching_data()
{
    QTest::addColumn<QString>("models"); // the model actions chosen, in order
    QTest::addColumn<int>("height");
    QTest::addColumn<qreal>("zoom");
    QTest::addColumn<QList<int>>("lines");

    QTest::newRow("B") << "B" << 300 << 0.88 << QList<int>{0, 300};
    QTest::newRow("C drops 144") << "C" << 600 << 0.47 << QList<int>{0, 300, 600};
    QTest::newRow("D") << "D" << 1200 << 0.23 << QList<int>{0, 300, 600, 900, 1200};
    QTest::newRow("C then A: earlier lines stay")
        << "CA" << 144 << 1.8 << QList<int>{0, 144, 300, 600};
    QTest::newRow("D then B") << "DB" << 300 << 0.88 << QList<int>{0, 300, 600, 900, 1200};
    QTest::newRow("A twice: one 144 line") << "AA" << 144 << 1.8 << QList<int>{0, 144, 300};
}

void TestEditorMainWindow::modelSwitching()
{
    QFETCH(QString, models);
    QFETCH(int, height);
    QFETCH(qreal, zoom);
    QFETCH(QList<int>, lines);

    MainWindow &w = *m_window;
    w.buttonItemsClicked(diagramItemFactory::Text);
    QGraphicsItem *item = messageItems(*w.scene()).first();
    item->setPos(40, 20);
    for (QChar model : models)
        w.findChild<QAction *>(QString("type%1Action").arg(model))->trigger();

    QCOMPARE(w.resolution(), QString("ABCD").indexOf(models.back()));
    QCOMPARE(w.scene()->sceneRect(), QRectF(0, 0, 80000, height));
    QCOMPARE(w.zoom(), zoom);
    QCOMPARE(guideLines(*w.scene()), lines);
    QCOMPARE(emphasised(w), QStringList{"Type " + models.back()});
    QCOMPARE(item->pos(), QPointF(40, 20)); // items are neither moved nor scaled
    QCOMPARE(w.findChild<QGraphicsView *>("graphicsView")->dragMode(),
             QGraphicsView::RubberBandDrag);
}

void TestEditorMainWindow::toolButtonsAddItemsForTheModel_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("settings");

    QTest::newRow("text A") << "A" << 1 << int(diagramType::kText) << "70";
    QTest::newRow("text C") << "C" << 1 << int(diagramType::kText) << "150";
    QTest::newRow("unknown id: text") << "B" << 42 << int(diagramType::kText) << "150";
    QTest::newRow("time A") << "A" << 4 << int(diagramType::kTime) << "70";
    QTest::newRow("barcode A") << "A" << 7 << int(diagramType::kBar) << "3x100";
    QTest::newRow("barcode B") << "B" << 7 << int(diagramType::kBar) << "4x200";
    QTest::newRow("QR A") << "A" << 6 << int(diagramType::kQrCode) << "6";
    QTest::newRow("QR D") << "D" << 6 << int(diagramType::kQrCode) << "10";
}

void TestEditorMainWindow::toolButtonsAddItemsForTheModel()
{
    QFETCH(QString, model);
    QFETCH(int, id);
    QFETCH(int, type);
    QFETCH(QString, settings);

    MainWindow &w = *m_window;
    w.findChild<QAction *>("type" + model + "Action")->trigger();
    w.buttonItemsClicked(id);
    w.buttonItemsClicked(id);
    const QList<QGraphicsItem *> items = messageItems(*w.scene());
    QCOMPARE(items.size(), 2);
    QGraphicsItem *second = items.last();
    QCOMPARE(second->type(), type);
    // The second goes where the first ends.
    const QRectF first = items.first()->sceneBoundingRect();
    QCOMPARE(second->pos(), QPointF(int(first.x() + first.width()), 0));
    QCOMPARE(w.items()->current(currentItemEditor::kindOf(type)), second);
    QVERIFY(!second->isSelected());

    QString shown;
    if (auto *text = dynamic_cast<diagramTextBase *>(second))
        shown = QString::number(text->itemFont().pixelSize());
    else if (auto *bar = dynamic_cast<diagramBarItem *>(second))
        shown = QString("%1x%2").arg(bar->moduleWidth()).arg(bar->barHeight());
    else if (auto *qr = dynamic_cast<diagramQRCodeItem *>(second))
        shown = QString::number(qr->params().scale);
    QCOMPARE(shown, settings);
}

void TestEditorMainWindow::editLineByKind_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("editable");
    QTest::addColumn<QString>("content");

    QTest::newRow("text") << 1 << "Lot 42" << true << "Lot 42";
    QTest::newRow("barcode") << 7 << "6901234567892" << true << "6901234567892";
    QTest::newRow("empty barcode") << 7 << "" << true << "6901234567891";
    QTest::newRow("QR") << 6 << "https://example.org" << true << "https://example.org";
    QTest::newRow("empty QR") << 6 << "" << true << "123";
    QTest::newRow("time") << 4 << "x" << false << QString();
    QTest::newRow("counter") << 2 << "x" << false << QString();
    QTest::newRow("image") << 5 << "x" << false << QString();
}

void TestEditorMainWindow::editLineByKind()
{
    QFETCH(int, id);
    QFETCH(QString, typed);
    QFETCH(bool, editable);
    QFETCH(QString, content);

    MainWindow &w = *m_window;
    auto *line = w.findChild<QLineEdit *>("lineEdit");
    auto *button = w.findChild<QPushButton *>("editPushButton");
    w.buttonItemsClicked(id);
    QCOMPARE(line->isEnabled(), editable);
    QCOMPARE(button->isEnabled(), editable);
    if (!editable)
        return;
    line->setText(typed);
    button->click();
    QGraphicsItem *item = messageItems(*w.scene()).first();
    if (auto *text = dynamic_cast<diagramTextItem *>(item))
        QCOMPARE(text->toPlainText(), content);
    else if (auto *bar = dynamic_cast<diagramBarItem *>(item))
        QCOMPARE(bar->content(), content);
    else if (auto *qr = dynamic_cast<diagramQRCodeItem *>(item))
        QCOMPARE(qr->params().content, content);
    QCOMPARE(m_boxes->seen, QStringList());
}

void TestEditorMainWindow::selectionPullsItemsBackToZero()
{
    MainWindow &w = *m_window;
    w.buttonItemsClicked(diagramItemFactory::Text);
    QGraphicsItem *item = messageItems(*w.scene()).first();
    item->setPos(-35, 12);
    emit w.scene()->itemSelected(item);
    QCOMPARE(item->pos(), QPointF(0, 12));
}

void TestEditorMainWindow::deleteItemsKeepsCurrentPointersValid()
{
    MainWindow &w = *m_window;
    auto *stack = w.findChild<QStackedWidget *>("stackedWidget");
    auto *line = w.findChild<QLineEdit *>("lineEdit");
    auto *deleteButton = w.findChild<QToolButton *>("deleteToolButton");
    QVERIFY(!stack->isEnabled()); // nothing to edit yet
    w.buttonItemsClicked(diagramItemFactory::QRCode);
    w.buttonItemsClicked(diagramItemFactory::Text);
    deleteButton->click(); // nothing selected
    QCOMPARE(messageItems(*w.scene()).size(), 2);
    QVERIFY(stack->isEnabled());

    // The QR code goes; the text panel shown stays with its item.
    messageItems(*w.scene()).first()->setSelected(true);
    deleteButton->click();
    QCOMPARE(messageItems(*w.scene()).size(), 1);
    QVERIFY(stack->isEnabled());
    QVERIFY(line->isEnabled());

    // The text shown goes: its panel and the edit line no longer edit
    // anything, rather than an unseen stand-in.
    messageItems(*w.scene()).first()->setSelected(true);
    deleteButton->click();
    QCOMPARE(messageItems(*w.scene()), QList<QGraphicsItem *>());
    QCOMPARE(guideLines(*w.scene()), (QList<int>{0, 144, 300}));
    QVERIFY(!stack->isEnabled());
    QVERIFY(!line->isEnabled());
    QVERIFY(line->text().isEmpty());
    QVERIFY(!w.findChild<QPushButton *>("editPushButton")->isEnabled());
    QCOMPARE(w.kind(), -1);
    // Changes sent anyway reach the stand-ins, not freed items.
    w.items()->textXChange(30);
    w.items()->QRCodeScaleChange(4);
    QVERIFY(!w.items()->text()->scene());

    w.buttonItemsClicked(diagramItemFactory::Bar);
    QVERIFY(stack->isEnabled());
    QVERIFY(line->isEnabled());
}

void TestEditorMainWindow::newKeepsGuidesAndModel()
{
    MainWindow &w = *m_window;
    w.scene600();
    w.buttonItemsClicked(diagramItemFactory::Text);
    m_boxes->answer = 1; // discard the changes
    w.newActionSlot();
    QCOMPARE(messageItems(*w.scene()), QList<QGraphicsItem *>());
    QCOMPARE(w.resolution(), 2);
    QCOMPARE(w.scene()->sceneRect(), QRectF(0, 0, 80000, 600));
    QCOMPARE(guideLines(*w.scene()), (QList<int>{0, 300, 600}));
    QVERIFY(w.files()->isNew());
    QCOMPARE(w.files()->fileName(), QString("Spray/Untitled.spr"));
}

void TestEditorMainWindow::saveAsksOnceThenWritesSilently()
{
    MainWindow &w = *m_window;
    w.buttonItemsClicked(diagramItemFactory::Text);
    QVERIFY(w.isWindowModified());
    const QString path = m_dir->filePath("label1"); // no extension is added
    m_dialogs->saveName = path;
    w.saveActionSlot();
    QCOMPARE(m_dialogs->asked, QStringList{"save|保存文件|.|*.spr"});
    QCOMPARE(w.files()->fileName(), path);
    QVERIFY(!w.files()->isNew());
    QVERIFY(!w.isWindowModified());
    QVERIFY(w.windowTitle().startsWith("label1[*]"));
    const QJsonObject saved = QJsonDocument::fromJson(readFile(path)).object();
    QCOMPARE(saved.value("TextItemInfo").toArray().size(), 1);

    messageItems(*w.scene()).first()->setPos(500, 0);
    QTRY_VERIFY(w.isWindowModified()); // the scene reports its change
    QVERIFY(w.windowTitle().startsWith("label1[*]"));
    w.saveActionSlot();
    QCOMPARE(m_dialogs->asked.size(), 1);
    QCOMPARE(QJsonDocument::fromJson(readFile(path))["TextItemInfo"][0]["TextAtX"].toInt(), 500);
    QVERIFY(!QFile::exists(path + ".spr"));
    QCOMPARE(m_boxes->seen, QStringList());
}

void TestEditorMainWindow::failedSaveIsReportedAndChangesNothing()
{
    MainWindow &w = *m_window;
    w.buttonItemsClicked(diagramItemFactory::Text);
    m_dialogs->saveName = m_dir->filePath("no/such/folder/label.spr");
    w.saveAsActionSlot();
    QCOMPARE(m_boxes->seen.size(), 1);
    QVERIFY(m_boxes->seen.first().startsWith("警告|文件保存失败"));
    QVERIFY(w.files()->isNew());
    QCOMPARE(w.files()->fileName(), QString("Spray/Untitled.spr"));
    QVERIFY(w.isWindowModified());

    // A save cut short (disk full) keeps the good file that was there.
    const QString path = m_dir->filePath("good.spr");
    m_dialogs->saveName = path;
    w.saveAsActionSlot();
    const QByteArray good = readFile(path);
    for (int i = 0; i < 20; ++i)
        w.buttonItemsClicked(diagramItemFactory::QRCode);
    {
        FileSizeLimit limit(good.size() + 16);
        w.saveActionSlot();
    }
    QCOMPARE(readFile(path), good);
    QCOMPARE(m_boxes->seen.size(), 2);
    QVERIFY(w.isWindowModified());
}

void TestEditorMainWindow::openReplacesTheMessage()
{
    MainWindow &w = *m_window;
    const QString path = m_dir->filePath("two.spr");
    writeFile(path, R"({"SceneWidth": 6000,
        "TextItemInfo": [{"TextAtX": 10, "TextAtY": 5, "TextContent": "opened"}],
        "QrcodeItemInfo": [{"QRcodeAtX": 900, "QRcodeContent": "QR", "QRcodeScale": 4,
                            "QRcodeVersion": 1, "QRcodeLevel": 1}]})");
    w.buttonItemsClicked(diagramItemFactory::Bar);
    m_boxes->answer = 1; // discard the unsaved barcode
    m_dialogs->file = path;
    w.openActionSlot();

    QCOMPARE(m_dialogs->asked, QStringList{"open|打开文件|.|Spr Files(*.spr )"});
    const QList<QGraphicsItem *> items = messageItems(*w.scene());
    QCOMPARE(items.size(), 2);
    QCOMPARE(static_cast<diagramTextItem *>(items.first())->content(), QString("opened"));
    QCOMPARE(items.first()->pos(), QPointF(10, 5));
    QCOMPARE(w.scene()->sceneRect(), QRectF(0, 0, 8000, 610));
    QCOMPARE(w.files()->fileName(), path);
    QVERIFY(!w.files()->isNew());
    QVERIFY(!w.findChild<QLineEdit *>("lineEdit")->isEnabled());
    QVERIFY(!w.findChild<QPushButton *>("editPushButton")->isEnabled());
    QVERIFY(!w.findChild<QStackedWidget *>("stackedWidget")->isEnabled());
    QVERIFY(!w.isWindowModified());
    QCOMPARE(w.resolution(), 0);
}

void TestEditorMainWindow::failedOpenKeepsThePreviousMessage_data()
{
    QTest::addColumn<QByteArray>("contents"); // "-" for no file
    QTest::addColumn<QString>("report");

    QTest::newRow("missing") << QByteArray("-") << "警告|无法打开文件：";
    QTest::newRow("not JSON") << QByteArray("{\"SceneWidth\": 3")
                              << "警告|文件不是有效的信息文件：";
    QTest::newRow("JSON array") << QByteArray("[1, 2]") << "警告|文件不是有效的信息文件：";
}

void TestEditorMainWindow::failedOpenKeepsThePreviousMessage()
{
    QFETCH(QByteArray, contents);
    QFETCH(QString, report);

    MainWindow &w = *m_window;
    const QString previous = m_dir->filePath("previous.spr");
    w.buttonItemsClicked(diagramItemFactory::Text);
    m_dialogs->saveName = previous;
    w.saveAsActionSlot();
    const QByteArray saved = readFile(previous);

    const QString broken = m_dir->filePath("broken.spr");
    if (contents != "-")
        writeFile(broken, contents);
    m_dialogs->file = broken;
    w.openActionSlot();
    QCOMPARE(m_boxes->seen, QStringList{report + broken + "|确认"});
    QCOMPARE(messageItems(*w.scene()).size(), 1);
    QCOMPARE(w.files()->fileName(), previous);
    QCOMPARE(w.scene()->sceneRect(), QRectF(0, 0, 80000, 144));
    // The next save goes to the previous file, not over the broken one.
    w.saveActionSlot();
    QCOMPARE(readFile(previous), saved);
    QCOMPARE(readFile(broken), contents == "-" ? QByteArray("<none>") : contents);
}

void TestEditorMainWindow::deleteFile_data()
{
    QTest::addColumn<bool>("exists");
    QTest::addColumn<int>("boxes");

    QTest::newRow("removed, nothing asked") << true << 0;
    QTest::newRow("cannot be removed: reported") << false << 1;
}

void TestEditorMainWindow::deleteFile()
{
    QFETCH(bool, exists);
    QFETCH(int, boxes);

    MainWindow &w = *m_window;
    w.buttonItemsClicked(diagramItemFactory::Text); // unsaved: still not asked
    const QString path = m_dir->filePath("old.spr");
    if (exists)
        writeFile(path, "{}");
    m_dialogs->file = path;
    w.deleteActionSlot();
    QCOMPARE(m_dialogs->asked, QStringList{"open|删除文件|.|Spr Files(*.spr )"});
    QVERIFY(!QFile::exists(path));
    QCOMPARE(m_boxes->seen.size(), boxes);
    if (boxes)
        QVERIFY(m_boxes->seen.first().startsWith("警告|无法删除文件：" + path));
    QCOMPARE(messageItems(*w.scene()).size(), 1);
}

void TestEditorMainWindow::unsavedChangesAskFirst_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("answer"); // 0 save, 1 discard, 2 go back
    QTest::addColumn<bool>("carriedOn");

    for (const char *command : {"new", "open", "exit"}) {
        QTest::addRow("%s, save", command) << command << 0 << true;
        QTest::addRow("%s, discard", command) << command << 1 << true;
        QTest::addRow("%s, go back", command) << command << 2 << false;
    }
}

void TestEditorMainWindow::unsavedChangesAskFirst()
{
    QFETCH(QString, command);
    QFETCH(int, answer);
    QFETCH(bool, carriedOn);

    MainWindow &w = *m_window;
    w.show();
    const QString other = m_dir->filePath("other.spr");
    writeFile(other, R"({"SceneWidth": 0})");
    const QString saved = m_dir->filePath("saved.spr");
    m_dialogs->file = other;
    m_dialogs->saveName = saved;

    // Without changes nothing is asked.
    w.newActionSlot();
    QCOMPARE(m_boxes->seen, QStringList());

    w.buttonItemsClicked(diagramItemFactory::Text);
    m_boxes->answer = answer;
    if (command == "new")
        w.newActionSlot();
    else if (command == "open")
        w.openActionSlot();
    else
        w.exitActionSlot();

    QCOMPARE(
        m_boxes->seen,
        QStringList{"编辑软件|Spray/Untitled.spr 有未保存的修改，是否保存？|保存/不保存/取消"});
    QCOMPARE(QFile::exists(saved), answer == 0);
    QCOMPARE(messageItems(*w.scene()).isEmpty(), carriedOn && command != "exit");
    QCOMPARE(w.isVisible(), !(carriedOn && command == "exit"));
}

// What the current item of a kind shows for one property.
QString describeProperty(currentItemEditor &items, const QString &name)
{
    if (name == "x")
        return QString::number(items.text()->x());
    if (name == "text family")
        return items.text()->itemFont().family();
    if (name == "text size")
        return QString::number(items.text()->itemFont().pixelSize());
    if (name == "counter")
        return items.cnt()->toPlainText() + " #" + QString::number(items.cnt()->counterNumber());
    if (name == "barcode")
        return QString("%1 %2x%3")
            .arg(items.bar()->symbology())
            .arg(items.bar()->pixmap().width())
            .arg(items.bar()->pixmap().height());
    if (name == "QR") {
        const qrCodeParams p = items.qrCode()->params();
        return QString("L%1 s%2 v%3 r%4")
            .arg(p.level)
            .arg(p.scale)
            .arg(p.version)
            .arg(items.qrCode()->rotation());
    }
    if (name == "time")
        return QString("%1 %2").arg(items.time()->itemFont().pixelSize()).arg(items.time()->y());
    if (name == "image")
        return QString("%1x%2")
            .arg(items.image()->pixmap().width())
            .arg(items.image()->pixmap().height());
    return "?";
}

void TestEditorMainWindow::panelControlsChangeTheCurrentItem_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QString>("expected");

    QTest::newRow("text x") << 1 << "textXSpin" << 250 << "x"
                            << "250";
    QTest::newRow("text font") << 1 << "textFontCombo" << 4 << "text family"
                               << "Arial";
    QTest::newRow("text size") << 1 << "textSizeSpin" << 99 << "text size"
                               << "99";
    QTest::newRow("counter digits") << 2 << "cntModeCombo" << 2 << "counter"
                                    << "000 #0";
    QTest::newRow("counter number") << 2 << "cntNameCombo" << 1 << "counter"
                                    << "000000 #1";
    QTest::newRow("barcode height") << 7 << "barHeightSpin" << 150 << "barcode"
                                    << "0 339x150";
    QTest::newRow("QR scale") << 6 << "spinBox_QRCodeItemScale" << 4 << "QR"
                              << "L2 s4 v1 r0";
    QTest::newRow("QR level") << 6 << "comboBox_QRCodeItemLevel" << 3 << "QR"
                              << "L3 s6 v1 r0";
    QTest::newRow("QR side") << 6 << "comboBox_QRCodeItemVersion" << 2 << "QR"
                             << "L2 s6 v3 r0";
    QTest::newRow("QR rotation") << 6 << "spinBox_QRCodeItemRotate" << 90 << "QR"
                                 << "L2 s6 v1 r90";
    QTest::newRow("time size") << 4 << "timeSizeSpin" << 60 << "time"
                               << "60 0";
    QTest::newRow("time y") << 4 << "timeYSpin" << -40 << "time"
                            << "70 -40";
    QTest::newRow("image width") << 5 << "imageWidthSpin" << 200 << "image"
                                 << "200x120";
}

void TestEditorMainWindow::panelControlsChangeTheCurrentItem()
{
    QFETCH(int, id);
    QFETCH(QString, control);
    QFETCH(int, value);
    QFETCH(QString, property);
    QFETCH(QString, expected);

    MainWindow &w = *m_window; // Type A: small text, barcodes and QR codes
    w.buttonItemsClicked(id);
    QWidget *widget = w.findChild<QWidget *>(control);
    QVERIFY(widget);
    QVERIFY(widget->isVisibleTo(w.findChild<QStackedWidget *>("stackedWidget")));
    if (auto *spin = qobject_cast<QSpinBox *>(widget))
        spin->setValue(value);
    else if (auto *combo = qobject_cast<QComboBox *>(widget))
        combo->setCurrentIndex(value);
    QCOMPARE(describeProperty(*w.items(), property), expected);
    QCOMPARE(m_boxes->seen, QStringList());
}

void TestEditorMainWindow::selectingShowsTheItemInItsPanel()
{
    MainWindow &w = *m_window;
    w.buttonItemsClicked(diagramItemFactory::Text);
    w.buttonItemsClicked(diagramItemFactory::Text);
    QList<QGraphicsItem *> texts = messageItems(*w.scene());
    texts.first()->setPos(123, 45);
    emit w.scene()->itemSelected(texts.first());
    const qreal otherX = texts.last()->x();
    auto *x = w.findChild<QSpinBox *>("textXSpin");
    QCOMPARE(x->value(), 123);
    QCOMPARE(w.findChild<QSpinBox *>("textYSpin")->value(), 45);
    QCOMPARE(w.findChild<QLineEdit *>("lineEdit")->text(), QString("Input text"));
    // Showing never moved the other text item, and edits go to this one.
    x->setValue(130);
    QCOMPARE(texts.first()->x(), 130.0);
    QCOMPARE(texts.last()->x(), otherX);
}

void TestEditorMainWindow::selectingNeverChangesTheItem_data()
{
    QTest::addColumn<QString>("models"); // the first before, the others after selecting
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("setup"); // "x=", "height=", "size=" of the item, "scene=" width
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("shown");

    QTest::newRow("image 1100 high, Type D") << "D" << 5 << "height=1100"
                                             << "imageHeightSpin" << 1100;
    QTest::newRow("image 1100 high, then Type A") << "DA" << 5 << "height=1100"
                                                  << "imageHeightSpin" << 400;
    QTest::newRow("barcode 550 high, Type C") << "C" << 7 << "height=550"
                                              << "barHeightSpin" << 550;
    QTest::newRow("barcode 700 high, Type C") << "C" << 7 << "height=700"
                                              << "barHeightSpin" << 600;
    QTest::newRow("text size 900, Type D") << "D" << 1 << "size=900"
                                           << "textSizeSpin" << 900;
    QTest::newRow("text at 30000") << "B" << 1 << "x=30000"
                                   << "textXSpin" << 30000;
    QTest::newRow("QR code at 79000") << "A" << 6 << "x=79000"
                                      << "spinBox_QRCodeItemX" << 79000;
    QTest::newRow("counter beyond the canvas") << "A" << 2 << "x=90000"
                                               << "cntXSpin" << 80000;
    QTest::newRow("time on a narrow canvas") << "B" << 4 << "scene=8000 x=30000"
                                             << "timeXSpin" << 20000;
}

// The panels showed a value beyond their fixed ranges clamped and wrote it
// back, so that merely selecting a tall picture cut it.
void TestEditorMainWindow::selectingNeverChangesTheItem()
{
    QFETCH(QString, models);
    QFETCH(int, id);
    QFETCH(QString, setup);
    QFETCH(QString, control);
    QFETCH(int, shown);

    MainWindow &w = *m_window;
    auto chooseModel = [&](QChar model) {
        w.findChild<QAction *>(QString("type%1Action").arg(model))->trigger();
    };
    chooseModel(models.front());
    w.buttonItemsClicked(id);
    QGraphicsItem *item = messageItems(*w.scene()).first();
    for (const QString &step : setup.split(' ')) {
        const int value = step.section('=', 1).toInt();
        if (step.startsWith("x="))
            item->setX(value);
        else if (step.startsWith("scene="))
            w.scene()->setSceneRect(0, 0, value, 610);
        else if (auto *picture = dynamic_cast<diagramPictureBase *>(item))
            picture->showScaled(QSize(picture->pixmap().width(), value));
        else
            static_cast<diagramTextBase *>(item)->setPixelSize(value);
    }
    auto state = [item] {
        QString size;
        if (auto *picture = dynamic_cast<diagramPictureBase *>(item))
            size = QString("%1x%2").arg(picture->pixmap().width()).arg(picture->pixmap().height());
        else
            size = QString::number(static_cast<diagramTextBase *>(item)->itemFont().pixelSize());
        return QString("@%1,%2 %3").arg(item->x()).arg(item->y()).arg(size);
    };
    const QString before = state();

    emit w.scene()->itemSelected(item);
    for (QChar model : models.mid(1))
        chooseModel(model);
    QCOMPARE(w.findChild<QSpinBox *>(control)->value(), shown);
    QCOMPARE(state(), before);
    emit w.scene()->itemSelected(item);
    QCOMPARE(state(), before);
}

void TestEditorMainWindow::shortcuts_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QKeySequence>("keys");

    QTest::newRow("new") << "newAction" << QKeySequence(Qt::CTRL + Qt::Key_N);
    QTest::newRow("open") << "openAction" << QKeySequence(Qt::CTRL + Qt::Key_O);
    QTest::newRow("save") << "saveAction" << QKeySequence(Qt::CTRL + Qt::Key_S);
    QTest::newRow("undo") << "undoAction" << QKeySequence(Qt::CTRL + Qt::Key_Z);
    QTest::newRow("redo") << "redoAction" << QKeySequence(Qt::CTRL + Qt::SHIFT + Qt::Key_Z);
}

void TestEditorMainWindow::shortcuts()
{
    QFETCH(QString, action);
    QFETCH(QKeySequence, keys);
    QCOMPARE(m_window->findChild<QAction *>(action)->shortcut(), keys);
}

void TestEditorMainWindow::deleteKeyRemovesTheSelection()
{
    MainWindow &w = *m_window;
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.buttonItemsClicked(diagramItemFactory::Text);
    w.buttonItemsClicked(diagramItemFactory::Bar);
    messageItems(*w.scene()).last()->setSelected(true);

    // In the edit line Delete edits the text and removes nothing.
    auto *line = w.findChild<QLineEdit *>("lineEdit");
    line->setFocus();
    QTest::keyClick(line, Qt::Key_Delete);
    QTest::qWait(300);
    QCOMPARE(messageItems(*w.scene()).size(), 2);

    auto *view = w.findChild<QGraphicsView *>("graphicsView");
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Delete);
    QTRY_COMPARE(messageItems(*w.scene()).size(), 1); // the button's click is animated
    QCOMPARE(messageItems(*w.scene()).first()->type(), int(diagramType::kText));
}

void TestEditorMainWindow::imageFileChosenThroughThePanel()
{
    MainWindow &w = *m_window;
    const QString path = m_dir->filePath("logo.bmp");
    QImage picture(64, 32, QImage::Format_RGB32);
    picture.fill(Qt::black);
    QVERIFY(picture.save(path));
    w.buttonItemsClicked(diagramItemFactory::Image);
    m_dialogs->file = path;
    w.findChild<QPushButton *>("imageSelectPush")->click();
    QCOMPARE(m_dialogs->asked, QStringList{"open|打开图片|.|Image Files(*.jpg *.bmp)"});
    QCOMPARE(w.items()->image()->path(), path);
    QCOMPARE(w.findChild<QSpinBox *>("imageWidthSpin")->value(), 64);
    QCOMPARE(w.findChild<QSpinBox *>("imageHeightSpin")->value(), 32);

    m_dialogs->file.clear(); // a cancelled dialog changes nothing
    w.findChild<QPushButton *>("imageSelectPush")->click();
    QCOMPARE(w.items()->image()->path(), path);
}

void TestEditorMainWindow::dynamicQRContent_data()
{
    QTest::addColumn<QString>("content");
    QTest::addColumn<int>("counterMode");
    QTest::addColumn<QString>("timeFormat");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("insVariable");

    QTest::newRow("counter") << "LOT000" << 3 << QString() << "LOT000" << true;
    QTest::newRow("time") << "yyyy/MM/dd" << 0 << "yyyy/MM/dd"
                          << "yyyy/MM/dd" << true;
    QTest::newRow("nothing inserted") << "PLAIN" << 0 << QString() << "PLAIN" << false;
    QTest::newRow("empty content") << QString() << 0 << QString() << "DORVIKA" << false;
}

void TestEditorMainWindow::dynamicQRContent()
{
    QFETCH(QString, content);
    QFETCH(int, counterMode);
    QFETCH(QString, timeFormat);
    QFETCH(QString, shown);
    QFETCH(bool, insVariable);

    MainWindow &w = *m_window;
    w.buttonItemsClicked(diagramItemFactory::QRCode);
    qrDynamicContent composed;
    composed.content = content;
    composed.counterMode = counterMode;
    composed.counterPosition = counterMode ? 3 : 0;
    composed.insertCounter = counterMode != 0;
    composed.timeFormat = timeFormat;
    composed.insertTime = !timeFormat.isEmpty();
    {
        dialogScript script;
        script.dynamicQr = [&] { return std::optional<qrDynamicContent>(composed); };
        w.findChild<QPushButton *>("pushButton_QRCodeItemDyna")->click();
    }

    const qrCodeParams p = w.items()->qrCode()->params();
    QCOMPARE(p.content, shown);
    QCOMPARE(w.findChild<QLineEdit *>("lineEdit")->text(), shown);
    QCOMPARE(p.insVariable, insVariable);

    // The dynamic fields survive a save and an open.
    const QString path = m_dir->filePath("dynamic.spr");
    m_dialogs->saveName = path;
    w.saveActionSlot();
    m_dialogs->file = path;
    w.openActionSlot();
    QCOMPARE(messageItems(*w.scene()).size(), 1);
    const qrCodeParams reopened =
        static_cast<diagramQRCodeItem *>(messageItems(*w.scene()).first())->params();
    QCOMPARE(
        QString("%1 %2 %3 %4")
            .arg(reopened.insertCnt)
            .arg(reopened.cntMode)
            .arg(reopened.insertTime)
            .arg(reopened.timeFormat),
        QString("%1 %2 %3 %4").arg(p.insertCnt).arg(p.cntMode).arg(p.insertTime).arg(p.timeFormat));
}

// Size and place come back in the next run, from the editor's own store;
// the language file it starts from is only read.
void TestEditorMainWindow::windowStateIsKeptInItsOwnStore()
{
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    QVERIFY2(!config.isEmpty(), "CTest points XDG_CONFIG_HOME into the test's folder");
    QSettings(QSettings::NativeFormat, QSettings::UserScope, editorWindowState::kOrganization,
              editorWindowState::kApplication)
        .clear();
    const QString home = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_dir->path()));
    const QString language = m_dir->filePath("language.ini");
    writeFile(language, "language=:/translate/en.qm\n");
    const QDateTime written = QFileInfo(language).lastModified();
    const QRect place(40, 50, 900, 640);
    {
        const std::unique_ptr<QTranslator> translator = editorStartup::prepare();
        MainWindow window;
        window.show();
        window.setGeometry(place);
        QVERIFY(window.close());
        MainWindow again;
        again.show();
        QCOMPARE(again.geometry(), place);
    }
    QVERIFY(QDir::setCurrent(home));

    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
             QStringList{"language.ini"});
    QCOMPARE(readFile(language), QByteArray("language=:/translate/en.qm\n"));
    QCOMPARE(QFileInfo(language).lastModified(), written);
    QVERIFY(QFile::exists(config + "/Korvex/MessageEditor.conf"));
    // The control program's store is no business of the editor's.
    QVERIFY(!QFile::exists(config + "/KorvexSoftWare.conf"));
    QVERIFY(!QFile::exists(config + "/VexaSettings"));
    QCOMPARE(m_boxes->seen, QStringList());
}

// Each action is done, undone and redone; the file saved after each is byte
// for byte the file before or after it, and the unsaved mark follows.  The
// message: a text, a barcode, a date and a picture, saved.  "add N" adds an
// item of kind N, "NAME=V" sets a panel control, "edit=T" applies T from
// the edit line, "delete" deletes the last item, "drag" drags the first
// with the mouse, "picture" chooses another picture.
void TestEditorMainWindow::undoAndRedoGiveTheSameFile_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<int>("undoSteps");
    QTest::newRow("add a QR code") << "add 6" << 1;
    QTest::newRow("add two items") << "add 1;add 4" << 2;
    QTest::newRow("typing x merges") << "textXSpin=2;textXSpin=25;textXSpin=250" << 1;
    QTest::newRow("x, then size") << "textXSpin=250;textSizeSpin=99" << 2;
    QTest::newRow("barcode height") << "barHeightSpin=120" << 1;
    QTest::newRow("content from the edit line") << "edit=LOT 7" << 1;
    QTest::newRow("delete the last item") << "delete" << 1;
    QTest::newRow("drag is one step") << "drag" << 1;
    QTest::newRow("picture choice") << "picture" << 1;
    QTest::newRow("picture size") << "imageWidthSpin=200" << 1;
}

void TestEditorMainWindow::undoAndRedoGiveTheSameFile()
{
    QFETCH(QString, steps);
    QFETCH(int, undoSteps);
    MainWindow &w = *m_window;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QString logo = m_dir->filePath("logo.bmp");
    const QString other = m_dir->filePath("other.bmp");
    QImage picture(64, 32, QImage::Format_RGB32);
    picture.fill(Qt::black);
    QVERIFY(picture.save(logo));
    QVERIFY(picture.scaled(40, 40).save(other));
    for (int kind : {diagramItemFactory::Text, diagramItemFactory::Bar, diagramItemFactory::Time,
                     diagramItemFactory::Image})
        w.buttonItemsClicked(kind);
    m_dialogs->file = logo;
    w.findChild<QPushButton *>("imageSelectPush")->click();
    m_dialogs->saveName = m_dir->filePath("all.spr");
    w.saveAsActionSlot();
    QVERIFY(!w.isWindowModified());
    // The steps start at the saved message.
    w.history()->reset();
    QUndoStack *stack = w.history()->stack();
    QAction *undo = w.findChild<QAction *>("undoAction");
    QAction *redo = w.findChild<QAction *>("redoAction");
    QVERIFY(!undo->isEnabled());
    const auto saved = [&] {
        const QString path = m_dir->filePath("check.spr");
        return messageWriter::save(*w.scene(), path) ? readFile(path) : QByteArray("<none>");
    };
    const QByteArray before = saved();
    const auto item = [&](int type) -> QGraphicsItem * {
        for (QGraphicsItem *i : messageItems(*w.scene()))
            if (i->type() == type)
                return i;
        return nullptr;
    };

    for (const QString &step : steps.split(';')) {
        const QString name = step.section('=', 0, 0);
        const QString value = step.section('=', 1);
        if (step.startsWith("add ")) {
            w.buttonItemsClicked(step.mid(4).toInt());
        } else if (step == "delete") {
            w.scene()->clearSelection();
            messageItems(*w.scene()).last()->setSelected(true);
            w.on_deleteToolButton_clicked();
        } else if (step == "drag") {
            auto *view = w.findChild<QGraphicsView *>("graphicsView");
            QGraphicsItem *text = item(diagramType::kText);
            view->centerOn(text);
            const QPoint from = view->mapFromScene(text->sceneBoundingRect().center());
            const QPoint to = from + QPoint(30, 0);
            QTest::mousePress(view->viewport(), Qt::LeftButton, {}, from);
            for (const QPoint at : {from + QPoint(10, 0), to}) {
                QMouseEvent move(QEvent::MouseMove, at, view->viewport()->mapToGlobal(at),
                                 Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(view->viewport(), &move);
            }
            QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, to);
        } else if (step == "picture") {
            emit w.scene()->itemSelected(item(diagramType::kImage));
            m_dialogs->file = other;
            w.findChild<QPushButton *>("imageSelectPush")->click();
        } else if (name == "edit") {
            emit w.scene()->itemSelected(item(diagramType::kText));
            w.findChild<QLineEdit *>("lineEdit")->setText(value);
            w.on_editPushButton_clicked();
        } else {
            // The panel of the control's kind shows its item first.
            const int type = name.startsWith("text")  ? diagramType::kText
                             : name.startsWith("bar") ? diagramType::kBar
                                                      : diagramType::kImage;
            emit w.scene()->itemSelected(item(type));
            QWidget *control = w.findChild<QWidget *>(name);
            QVERIFY2(control, qPrintable(name));
            if (auto *spin = qobject_cast<QSpinBox *>(control))
                spin->setValue(value.toInt());
            else if (auto *combo = qobject_cast<QComboBox *>(control))
                combo->setCurrentIndex(value.toInt());
        }
    }
    const QByteArray after = saved();
    QVERIFY(after != before);
    QCOMPARE(stack->count(), undoSteps);
    QTRY_VERIFY(w.isWindowModified());
    QVERIFY(undo->toolTip().startsWith(QString::fromUtf8("撤销：")));

    for (int i = 0; i < undoSteps; ++i)
        undo->trigger();
    QCOMPARE(saved(), before);
    QVERIFY(!w.isWindowModified());
    QVERIFY(!undo->isEnabled());
    // A restored picture shows the file it showed, not the placeholder.
    QCOMPARE(static_cast<diagramImageItem *>(item(diagramType::kImage))->path(), logo);

    for (int i = 0; i < undoSteps; ++i)
        redo->trigger();
    QCOMPARE(saved(), after);
    QVERIFY(w.isWindowModified());
    QCOMPARE(m_boxes->seen, QStringList());
}

void TestEditorMainWindow::openThenSaveGivesTheSameFile_data()
{
    QTest::addColumn<QString>("sample");
    const QDir samples(KORVEX_EDITOR_SAMPLES);
    const QStringList names = samples.entryList({"*.spr"}, QDir::Files, QDir::Name);
    QVERIFY(names.size() >= 2);
    for (const QString &name : names)
        QTest::newRow(qPrintable(name)) << samples.filePath(name);
}

// Opening a message and saving it without a change reversed the stacking
// of each kind, dropped a barcode's scaled height and cut the fractions off
// positions: the file changed without anyone changing it.
void TestEditorMainWindow::openThenSaveGivesTheSameFile()
{
    QFETCH(QString, sample);
    const QByteArray original = readFile(sample);
    const QString path = m_dir->filePath("m.spr");
    writeFile(path, original);
    MainWindow &w = *m_window;
    m_dialogs->file = path;
    w.openActionSlot();
    QCOMPARE(w.files()->fileName(), path);
    QVERIFY(!w.isWindowModified());
    w.saveActionSlot();
    // Line by line, so that a failure names the first line that changed.
    QCOMPARE(QString::fromUtf8(readFile(path)).split('\n'),
             QString::fromUtf8(original).split('\n'));
    QCOMPARE(readFile(path), original);
    QCOMPARE(m_boxes->seen, QStringList());
    QCOMPARE(m_dialogs->asked, QStringList{"open|打开文件|.|Spr Files(*.spr )"});
}

// F1 and the help menu open the manual of the build, in English while the
// interface language has none of its own; without a manual, a box says so.
void TestEditorMainWindow::helpOpensTheManual()
{
    auto *manual = m_window->findChild<QAction *>("manualAction");
    QVERIFY(manual);
    QCOMPARE(manual->shortcut(), QKeySequence(Qt::Key_F1));
    QVERIFY(m_window->findChild<QMenu *>("help")->actions().contains(manual));
    manual->trigger();
#ifdef KORVEX_MANUAL_BUILT
    QCOMPARE(m_boxes->opened.size(), 1);
    const QString page = m_boxes->opened.first().toLocalFile();
    QVERIFY2(page.endsWith("/manual/en/index.html") && QFileInfo(page).isFile(), qPrintable(page));
    QCOMPARE(m_boxes->seen, QStringList());
#else
    QVERIFY(m_boxes->opened.isEmpty());
    QCOMPARE(m_boxes->seen.size(), 1);
#endif
}

QTEST_MAIN(TestEditorMainWindow)

#include "tst_editormainwindow.moc"
