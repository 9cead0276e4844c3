// SPDX-License-Identifier: GPL-3.0-or-later
#include "../common/filesizelimit.h"
#include "../common/recordingnotifier.h"
#include "barcodesetwidget.h"
#include "clock.h"
#include "counter.h"
#include "counterregistry.h"
#include "designtemplate.h"
#include "editwidget.h"
#include "generalsetwidget.h"
#include "graphicsimageitem.h"
#include "graphicsscene.h"
#include "graphicstextitem.h"
#include "graphicstimeitem.h"
#include "graphicsview.h"
#include "imagesetwidget.h"
#include "messagefile.h"
#include "panelharness.h"
#include "preflightdialog.h"
#include "printpreviewdialog.h"
#include "scriptedfiledialogs.h"
#include "textsetwidget.h"

#include <QCryptographicHash>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTreeWidget>
#include <QUndoStack>
#include <functional>

using namespace PanelHarness;
using Answer = Prompts::Answer;

namespace {

void click(QWidget *parent, const char *name)
{
    auto *button = parent->findChild<QAbstractButton *>(name);
    QVERIFY2(button, name);
    QTest::mouseClick(button, Qt::LeftButton);
}

QAbstractButton *dialogButton(EditWidget *editor, QDialogButtonBox::StandardButton which)
{
    return editor->findChild<QDialogButtonBox *>("buttonBox")->button(which);
}

// Lets deferred deletes (WA_DeleteOnClose) run.
void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

QString savedText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QWidget *currentPanel(EditWidget *editor)
{
    QWidget *page = editor->findChild<QStackedWidget *>("stackedWidget")->currentWidget();
    auto *panel = page->findChild<ItemPanel *>();
    return panel ? static_cast<QWidget *>(panel) : page;
}

// The catalogue as the designer sees it: juice.spr is the template of
// OJ-1L, and the versions in approved are signed.
class FakeTemplateFields : public TemplateFields
{
public:
    QSet<QByteArray> approved;
    void approve(const QString &path)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        approved << QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
    }
    TemplateProducts productsOf(const QString &messageName) override
    {
        TemplateProducts products;
        if (messageName != "juice.spr")
            return products;
        products.codes << "OJ-1L";
        TemplateField line;
        line.name = "line";
        line.label = "Line";
        line.kind = TemplateField::Kind::Integer;
        TemplateField code{"code", "Code", TemplateField::Kind::Text, "(AB|CD)1", false, 0, {}, {}};
        products.fields << line << code;
        return products;
    }
    Signature signatureOf(const QString &, const QByteArray &bytes) override
    {
        Signature s;
        if (approved.contains(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256))) {
            s.state = Signature::State::Approved;
            s.meaning = "Approved for production";
            s.signer = "Olga Petrova";
            s.signedAt = QDateTime(QDate(2026, 12, 9), QTime(14, 30));
        }
        return s;
    }
};

QStringList menuEntries(QWidget *panel)
{
    QStringList entries;
    for (QAction *action : panel->findChild<QToolButton *>("insertFieldBtn")->menu()->actions()) {
        if (!action->isSeparator())
            entries << action->text();
    }
    return entries;
}

} // namespace

class TestEditWidget : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<QTemporaryDir> m_work;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    QString m_previousDir;

    // A message of one text item saved under Spray/, for the flows on an
    // existing file.
    QString existingMessage(const QString &name)
    {
        QDir().mkpath("Spray");
        GraphicsScene scene;
        scene.addNewItem(TypeText);
        const QString path = "Spray/" + name + ".spr";
        RecordingNotifier quiet;
        return MessageFile::save(scene, path) ? path : QString();
    }

private slots:
    void initTestCase()
    {
        qRegisterMetaType<ItemType>("ItemType");
        SlotNaming::install();
        m_previousDir = QDir::currentPath();
    }
    void init()
    {
        // Every flow in a fresh working folder: its own Spray/ and Image/.
        m_work = std::make_unique<QTemporaryDir>();
        QDir::setCurrent(m_work->path());
        // A finding (the default font may be missing here) must not block a
        // save: the pre-flight list is answered "save anyway".
        m_dialogs = std::make_unique<ScriptedDialogs>();
        m_dialogs->answer<PreflightDialog>(
            [](PreflightDialog *) { return int(QDialog::Accepted); });
    }
    void cleanup()
    {
        m_dialogs.reset();
        QDir::setCurrent(m_previousDir);
        m_work.reset();
        QCOMPARE(SlotNaming::take(), QStringList());
    }

    void newMessageSavedTwiceAsksOnce()
    {
        RecordingNotifier notifier;
        ScriptedFileDialogs dialogs;
        dialogs.saveAnswers << "Spray/label1"
                            << "Spray/other.spr";
        auto *editor = new EditWidget(QString(), EditWidget::ModeNew);
        QPointer<EditWidget> alive(editor);
        editor->show();
        QApplication::setActiveWindow(editor);
        QVERIFY(QTest::qWaitForWindowActive(editor));
        click(editor, "textBtn");
        QVERIFY(editor->isModified());

        QVERIFY(editor->save());
        // A name typed without the suffix gets it: the control window lists
        // "*.spr" files only.
        QCOMPARE(editor->filePath(), QString("Spray/label1.spr"));
        QCOMPARE(dialogs.lastSuffix, QString("spr"));
        QCOMPARE(dialogs.lastCaption, QString("Save file"));
        QCOMPARE(dialogs.lastFilter, QString("Spray Files (*.spr)"));
        QCOMPARE(dialogs.lastDir, QString("Spray"));
        QVERIFY(!editor->isModified());

        click(editor, "barcodeBtn");
        QTest::keyClick(editor, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(dialogs.saveAsked, 1);
        QVERIFY(savedText("Spray/label1.spr").contains("BarcodeItemInfo"));
        QVERIFY(!QFile::exists("Spray/other.spr"));
        QVERIFY(alive && editor->isVisible());
        QVERIFY(notifier.boxes.isEmpty());
        delete editor;
    }

    // A save with findings lists them first; a chosen row selects its item;
    // going back writes nothing, going ahead anyway writes the message.
    void savingChecksTheMessageFirst()
    {
        const QString path = existingMessage("label1");
        const QString before = savedText(path);
        RecordingNotifier notifier;
        auto *editor = new EditWidget(path, EditWidget::ModeExisting);
        editor->show();
        QGraphicsItem *text = editor->scene()->items().first();
        text->setSelected(true);
        QVERIFY(runSteps(editor, "itemY=1150"));
        click(editor, "barcodeBtn");
        QCOMPARE(editor->scene()->selectedItems().size(), 1);
        QVERIFY(!text->isSelected());

        QStringList listed;
        int answer = QDialog::Rejected;
        m_dialogs->answer<PreflightDialog>([&](PreflightDialog *dialog) {
            for (int row = 0; row < dialog->findingList()->topLevelItemCount(); ++row)
                listed << dialog->findingList()->topLevelItem(row)->text(1);
            for (int row = 0; row < dialog->findings().size(); ++row) {
                if (dialog->findings().at(row).kind == Preflight::Kind::OutsidePrintArea)
                    dialog->findingList()->setCurrentItem(dialog->findingList()->topLevelItem(row));
            }
            return answer;
        });
        QVERIFY(!editor->save());
        QVERIFY(listed.join('\n').contains("bottom edge"));
        QCOMPARE(editor->scene()->selectedItems(), QList<QGraphicsItem *>{text});
        QCOMPARE(savedText(path), before);
        QVERIFY(editor->isModified());

        answer = QDialog::Accepted;
        QVERIFY(editor->save());
        QVERIFY(savedText(path).contains("\"TextAtY\": 1150"));
        QVERIFY(!editor->isModified());
        QVERIFY(notifier.boxes.isEmpty());
        delete editor;
    }

    // A product's template: the mark says whether the bytes a save writes
    // are signed, the text panel inserts the product's fields, and the
    // pre-flight check judges the message filled with their samples.  A
    // message of no product offers the standard placeholders only.
    void templateOfAProductInTheDesigner()
    {
        const QString path = existingMessage("juice");
        const QString other = existingMessage("other");
        // Written elsewhere, not laid out as the designer writes it.
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray compact =
            QJsonDocument::fromJson(file.readAll()).toJson(QJsonDocument::Compact);
        file.close();
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(compact);
        file.close();
        FakeTemplateFields catalogue;
        RecordingNotifier notifier;
        auto *editor = new EditWidget(path, EditWidget::ModeExisting);
        editor->setTemplateFields(&catalogue);
        editor->show();
        auto *mark = editor->findChild<QLabel *>("templateMark");
        QVERIFY(mark && mark->isVisible());
        QCOMPARE(mark->text(), QString("juice.spr: not approved"));
        // Signed as the file is, and the message is as it was loaded.
        catalogue.approve(path);
        editor->designTemplate()->refreshMark();
        QCOMPARE(mark->text(), QString("juice.spr: Approved for production, signed by Olga "
                                       "Petrova, ") +
                                   QDateTime(QDate(2026, 12, 9), QTime(14, 30))
                                       .toLocalTime()
                                       .toString("yyyy-MM-dd HH:mm"));

        QGraphicsItem *text = editor->scene()->items().first();
        text->setSelected(true);
        QWidget *panel = currentPanel(editor);
        QVERIFY(qobject_cast<TextSetWidget *>(panel));
        const QStringList entries = menuEntries(panel);
        QCOMPARE(entries.size(), 8);
        QCOMPARE(entries.first(), QString("Lot\t{{lot}}"));
        QCOMPARE(entries.mid(6), (QStringList{"Line\t{{line}}", "Code\t{{code}}"}));
        for (QAction *action :
             panel->findChild<QToolButton *>("insertFieldBtn")->menu()->actions()) {
            if (action->data() == "{{code}}" || action->data() == "{{line}}")
                action->trigger();
        }
        QVERIFY(static_cast<GraphicsTextItem *>(text)->toPlainText().contains("{{line}}{{code}}"));
        QVERIFY(editor->undoStack()->canUndo());
        // A moment after the change the version is no longer the signed one.
        QTRY_COMPARE(mark->text(), QString("juice.spr: not approved"));

        QStringList listed;
        m_dialogs->answer<PreflightDialog>([&](PreflightDialog *dialog) {
            for (const Preflight::Finding &f : dialog->findings())
                listed << f.text;
            return int(QDialog::Accepted);
        });
        QVERIFY(editor->save());
        QVERIFY2(listed.join('\n').contains("The field Code ({{code}}): no sample could be made"),
                 qPrintable(listed.join('\n')));
        QVERIFY(!listed.join('\n').contains("no standard placeholder"));
        QCOMPARE(mark->text(), QString("juice.spr: not approved"));
        catalogue.approve(path);
        editor->designTemplate()->refreshMark();
        QVERIFY(mark->text().startsWith("juice.spr: Approved for production"));
        delete editor;

        editor = new EditWidget(other, EditWidget::ModeExisting);
        editor->setTemplateFields(&catalogue);
        editor->show();
        QVERIFY(!editor->findChild<QLabel *>("templateMark")->isVisible());
        editor->scene()->items().first()->setSelected(true);
        QCOMPARE(menuEntries(currentPanel(editor)).size(), 6);
        QVERIFY(notifier.boxes.isEmpty());
        delete editor;
    }

    // "Preview at" draws a copy at the chosen moment and count, lists the
    // next changes and names the fast fields; the designer's message and
    // the live counter stay as they are.
    void previewShowsAMomentOnCopies()
    {
        QDir().mkpath("Spray");
        QFile file("Spray/dated.spr");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(R"({"TimeItemInfo":[{"TimeAtX":0,"TimeAtY":0,"TimeMode":"dd/MM/yyyy"},)"
                   R"({"TimeAtX":0,"TimeAtY":300,"TimeMode":"HH:mm"}],)"
                   R"("CntItemInfo":[{"SNatX":0,"SNatY":600,"SNcounterID":3,"SNdigits":6}]})");
        file.close();
        const Clock::Pin pin(QDateTime(QDate(2027, 2, 10), QTime(9, 0), Qt::UTC));
        EditWidget editor(file.fileName(), EditWidget::ModeExisting);
        editor.setAttribute(Qt::WA_DeleteOnClose, false);
        editor.show();
        Counter *live = findCounter(3);
        QVERIFY(live);
        live->CurValue = 7;
        emit live->counterDataChanged();
        const auto texts = [](GraphicsScene *scene) {
            QStringList all;
            for (QGraphicsItem *item : scene->items(Qt::AscendingOrder))
                all << static_cast<QGraphicsTextItem *>(item)->toPlainText();
            return all;
        };
        const QStringList designed = texts(editor.scene());
        QCOMPARE(designed, (QStringList{"10/02/2027", "09:00", "000007"}));

        click(&editor, "previewBtn");
        PrintPreviewDialog *preview = editor.printPreview();
        QVERIFY(preview && preview->isVisible());
        QCOMPARE(texts(preview->previewScene()), designed);
        preview->setMoment(QDateTime(QDate(2027, 2, 28), QTime(23, 59), Qt::UTC));
        preview->setCount(41);
        QCOMPARE(texts(preview->previewScene()), (QStringList{"28/02/2027", "23:59", "000041"}));
        QTreeWidget *changes = preview->changeList();
        QCOMPARE(changes->topLevelItemCount(), 10);
        const QTreeWidgetItem *first = changes->topLevelItem(0);
        QCOMPARE(first->text(0), QString("2027-03-01 00:00"));
        QCOMPARE(first->text(1), QString("Midnight, month end"));
        QCOMPARE(first->text(3), QString("28/02/2027"));
        QCOMPARE(first->text(4), QString("01/03/2027"));
        QCOMPARE(preview->paceText(), QString("Changes every minute: Date 2 (HH:mm)"));

        QCOMPARE(texts(editor.scene()), designed);
        QCOMPARE(live->CurValue, quint32(7));
        // Opened again, it copies the message as it is now.
        static_cast<GraphicsTimeItem *>(editor.scene()->items(Qt::AscendingOrder).first())
            ->setTimeFormat("yyyy");
        click(&editor, "previewBtn");
        QCOMPARE(editor.printPreview(), preview);
        QCOMPARE(texts(preview->previewScene()).first(), QString("2027"));
    }

    // Each action is done, undone and redone; the file saved after each
    // is byte for byte the file before or after the action, and the
    // unsaved mark follows.  "@drag" drags the selection in the view,
    // "@right" and "@down" press arrow keys there, "@picture" chooses
    // another picture; the rest are the editor's controls.
    void undoAndRedoGiveTheSameFile_data()
    {
        QTest::addColumn<QString>("pick"); // item IDs, "time", "serial", "image", "shift"
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("undoSteps");
        QTest::newRow("typing into a text is one step") << "Text1"
                                                        << "textEdit=Lot 7" << 1;
        QTest::newRow("font size, then bold") << "Text1"
                                              << "fontSizeSpinBox=80;boldBtn" << 2;
        QTest::newRow("x, then y") << "Text1"
                                   << "itemX=40;itemY=500" << 2;
        QTest::newRow("rotation") << "Text1"
                                  << "ItemRotation=90" << 1;
        QTest::newRow("date format by buttons") << "time"
                                                << "clearBtn;yearBtn;minusBtn;monthBtn" << 1;
        QTest::newRow("valid days") << "time"
                                    << "vaildDaysSpinBox=30" << 1;
        QTest::newRow("serial digits, base, fill")
            << "serial"
            << "digitsSpinBox=8;base16Btn;preCharLineEdit=*" << 3;
        QTest::newRow("barcode type and content")
            << "Barcode0"
            << "typeComboBox=Code_93;contentLineEdit=ABC-42" << 2;
        QTest::newRow("GS1 data mode") << "Barcode0"
                                       << "GS1Btn" << 1;
        QTest::newRow("barcode scale and height") << "Barcode0"
                                                  << "ScaleSpinBox=30;heightSpinBox=80" << 2;
        QTest::newRow("picture choice") << "image"
                                        << "@picture" << 1;
        QTest::newRow("picture size") << "image"
                                      << "imageWidthSpinBox=120" << 1;
        QTest::newRow("shift table") << "shift"
                                     << "addToolButton;lineEdit=N;timeEdit=22:00" << 1;
        QTest::newRow("text made external") << "Text1"
                                            << "externDataCheckBox" << 1;
        QTest::newRow("first external column deleted") << "Text0"
                                                       << "deleteBtn" << 1;
        QTest::newRow("two items deleted") << "Text1,time"
                                           << "deleteBtn" << 1;
        QTest::newRow("barcode added") << "Text1"
                                       << "barcodeBtn" << 1;
        QTest::newRow("placeholder, then a picture chosen") << "Text1"
                                                            << "imageBtn;@picture" << 2;
        QTest::newRow("picture added, then moved") << "Text1"
                                                   << "imageBtn;itemX=100" << 2;
        QTest::newRow("one drag is one step") << "Text1,serial"
                                              << "@drag" << 1;
        QTest::newRow("a run of arrow keys is one step") << "Text1"
                                                         << "@right;@right;@down" << 1;
        QTest::newRow("arrows, typing, arrows") << "Text1"
                                                << "@right;textEdit=X;@down" << 3;
    }
    void undoAndRedoGiveTheSameFile()
    {
        QFETCH(QString, pick);
        QFETCH(QString, steps);
        QFETCH(int, undoSteps);
        QImage picture(40, 20, QImage::Format_RGB32);
        picture.fill(Qt::black);
        QDir().mkpath("Image");
        QVERIFY(picture.save("Image/logo.png"));
        QVERIFY(picture.scaled(60, 60).save("other.png"));
        QFile data("data.csv");
        QVERIFY(data.open(QIODevice::WriteOnly));
        data.write("A1,B1\nA2,B2\n");
        data.close();
        const QString font = R"("DejaVu Sans,-1,100,5,50,0,0,0,0,0")";
        QDir().mkpath("Spray");
        QFile file("Spray/all.spr");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(
            QString(R"({"ExternDataInfo":{"ExternMode":1,"ExternFileName":"data.csv"},)"
                    R"("ExternDataSequance":{"F0":"Text0","F1":"Barcode0"},)"
                    R"("TextItemInfo":[{"TextAtX":20,"TextAtY":10,"TextContent":"LOT 12",)"
                    R"("TextFont":%1,"TextID":"Text0","TextIsExtern":true},)"
                    R"({"TextAtX":20,"TextAtY":330,"TextContent":"LINE 2","TextFont":%1,)"
                    R"("TextID":"Text1"}],)"
                    R"("TimeItemInfo":[{"TimeAtX":600,"TimeAtY":10,"TimeMode":"dd/MM/yyyy",)"
                    R"("TimeFont":%1}],)"
                    R"("CntItemInfo":[{"SNatX":600,"SNatY":330,"SNcounterID":2,"SNfont":%1}],)"
                    R"("BarcodeItemInfo":[{"BarAtX":1200,"BarAtY":10,"BarMode":20,)"
                    R"("BarContent":"ABC123","BarScale":1,"BarID":"Barcode0",)"
                    R"("BarIsExtern":true}],)"
                    R"("ImgItemInfo":[{"ImageAtX":1200,"ImageAtY":620,"ImageWidth":40,)"
                    R"("ImageHeight":20,"ImagePixPath":"/Image/logo.png"}],)"
                    R"("ShiftItemInfo":[{"ShiftX":20,"ShiftY":620,"ShiftFont":%1,)"
                    R"("ShiftVector":[{"ShiftContent":"A","ShiftTime":"06:00"},)"
                    R"({"ShiftContent":"B","ShiftTime":"14:00"}]}]})")
                .arg(font)
                .toUtf8());
        file.close();

        RecordingNotifier notifier;
        ScriptedFileDialogs dialogs;
        dialogs.openAnswers << QDir::current().absoluteFilePath("other.png");
        EditWidget editor(file.fileName(), EditWidget::ModeExisting);
        editor.setAttribute(Qt::WA_DeleteOnClose, false);
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        QVERIFY(notifier.boxes.isEmpty());
        auto *view = editor.findChild<GraphicsView *>("graphicsView");
        view->resetTransform();
        const auto itemCalled = [&](const QString &name) -> QGraphicsItem * {
            for (QGraphicsItem *item : editor.scene()->items()) {
                const ItemType kind = GraphicsScene::kindOf(item);
                if (item->data(ItemData::kId).toString() == name ||
                    (name == "time" && kind == TypeTime) ||
                    (name == "serial" && kind == TypeSerialNumber) ||
                    (name == "image" && kind == TypeImage) ||
                    (name == "shift" && kind == TypeShiftCode))
                    return item;
            }
            return nullptr;
        };
        // A loaded picture comes selected.
        editor.scene()->clearSelection();
        for (const QString &name : pick.split(',')) {
            QGraphicsItem *item = itemCalled(name);
            QVERIFY2(item, qPrintable(name));
            item->setSelected(true);
        }
        // What a save writes, into a file of its own: the editor's own file
        // and its clean state stay.
        const auto saved = [&] {
            const QString path = "check.spr";
            return view->saveFile(path) ? savedText(path) : QString("<not written>");
        };
        const QString before = saved();
        QVERIFY(!editor.isWindowModified());
        QUndoStack *stack = editor.undoStack();

        // After each action; when none merged, each undo step must give one.
        QStringList states{before};
        for (const QString &step : steps.split(';')) {
            if (step == "@drag") {
                QGraphicsItem *first = editor.scene()->selectedItems().first();
                view->centerOn(first);
                const QPoint from = view->mapFromScene(first->sceneBoundingRect().center());
                const QPoint to = from + QPoint(30, 20);
                QTest::mousePress(view->viewport(), Qt::LeftButton, {}, from);
                for (const QPoint at : {from + QPoint(10, 10), to}) {
                    QMouseEvent move(QEvent::MouseMove, at, view->viewport()->mapToGlobal(at),
                                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
                    QApplication::sendEvent(view->viewport(), &move);
                }
                QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, to);
            } else if (step == "@right" || step == "@down") {
                view->setFocus();
                QTest::keyClick(view, step == "@right" ? Qt::Key_Right : Qt::Key_Down);
            } else if (step == "@picture") {
                click(&editor, "selectImageToolButton");
            } else {
                QVERIFY2(runSteps(&editor, step), qPrintable(step));
            }
            states << saved();
        }
        const QString after = saved();
        QVERIFY(after != before);
        QVERIFY(editor.isWindowModified());
        QCOMPARE(stack->count(), undoSteps);
        QVERIFY(editor.findChild<QToolButton *>("undoBtn")->isEnabled());
        QVERIFY(editor.findChild<QToolButton *>("undoBtn")->toolTip().startsWith("Undo "));

        const bool oneStepEach = states.size() == undoSteps + 1;
        for (int i = undoSteps - 1; i >= 0; --i) {
            click(&editor, "undoBtn");
            if (oneStepEach)
                QCOMPARE(saved(), states.at(i));
        }
        QCOMPARE(saved(), before);
        QVERIFY(!editor.isWindowModified());
        QVERIFY(!editor.isModified());
        QVERIFY(!editor.findChild<QToolButton *>("undoBtn")->isEnabled());

        for (int i = 0; i < undoSteps; ++i)
            QTest::keyClick(&editor, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(saved(), after);
        QVERIFY(editor.isWindowModified());
        // Back once more by the keys, and forward by the other redo keys.
        for (int i = 0; i < undoSteps; ++i)
            QTest::keyClick(&editor, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(saved(), before);
        for (int i = 0; i < undoSteps; ++i)
            QTest::keyClick(&editor, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(saved(), after);
        QVERIFY(notifier.boxes.isEmpty());
    }

    // OK saves first and closes only when the message was written.
    void okClosesOnlyAfterSaving_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<QString>("box");
        QTest::newRow("name given") << "Spray/label1.spr" << true << "";
        QTest::newRow("name cancelled") << "" << false << "";
        QTest::newRow("write fails") << "Spray/missing/label1.spr" << false << "Cannot write file";
    }
    void okClosesOnlyAfterSaving()
    {
        QFETCH(QString, answer);
        QFETCH(bool, closed);
        QFETCH(QString, box);
        RecordingNotifier notifier;
        ScriptedFileDialogs dialogs;
        dialogs.saveAnswers << answer;
        auto *editor = new EditWidget(QString(), EditWidget::ModeNew);
        QPointer<EditWidget> alive(editor);
        editor->show();
        click(editor, "textBtn");
        click(editor, "timeBtn");

        QTest::mouseClick(dialogButton(editor, QDialogButtonBox::Ok), Qt::LeftButton);
        settle();
        QCOMPARE(alive.isNull(), closed);
        QCOMPARE(QFile::exists("Spray/label1.spr"), closed);
        if (box.isEmpty()) {
            QVERIFY(notifier.boxes.isEmpty());
        } else {
            QCOMPARE(notifier.boxes.size(), 1);
            QCOMPARE(notifier.boxes.first().kind, Prompts::Kind::Warning);
            QCOMPARE(notifier.boxes.first().title, QString("Qt Drawing"));
            QVERIFY(notifier.boxes.first().text.startsWith(box));
        }
        if (closed)
            return;
        // Still open with the message intact, and still without a name: the
        // next OK asks again.
        QVERIFY(editor->isVisible());
        QCOMPARE(editor->scene()->items().size(), 2);
        QVERIFY(editor->isModified());
        QCOMPARE(editor->filePath(), QString());
        dialogs.saveAnswers << "Spray/label1.spr";
        QTest::mouseClick(dialogButton(editor, QDialogButtonBox::Ok), Qt::LeftButton);
        settle();
        QVERIFY(alive.isNull());
        QCOMPARE(dialogs.saveAsked, 2);
        QVERIFY(savedText("Spray/label1.spr").contains("TimeItemInfo"));
    }

    void failedWriteKeepsTheOldFile()
    {
        const QString path = existingMessage("label1");
        QVERIFY(!path.isEmpty());
        const QString before = savedText(path);
        RecordingNotifier notifier;
        auto *editor = new EditWidget(path, EditWidget::ModeExisting);
        QPointer<EditWidget> alive(editor);
        editor->show();
        QCOMPARE(editor->scene()->items().size(), 1);
        QVERIFY(!editor->isModified());
        click(editor, "serialNumBtn");
        {
            // The disk fills up during the save.
            FileSizeLimit limit(before.size() + 16);
            QTest::mouseClick(dialogButton(editor, QDialogButtonBox::Ok), Qt::LeftButton);
        }
        settle();
        QVERIFY(alive && editor->isVisible());
        QCOMPARE(notifier.boxes.size(), 1);
        QCOMPARE(savedText(path), before);
        QCOMPARE(editor->scene()->items().size(), 2);
        delete editor;
    }

    // What went wrong opening a message is shown in the designer's boxes.
    void openingAMessageShowsWhatWentWrong_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("items");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::newRow("readable") << QByteArray(R"({"TextItemInfo":[{}]})") << 1 << ""
                                  << "";
        QTest::newRow("pictures") << QByteArray(R"({"TextItemInfo":[{}],"ImgItemInfo":[)"
                                                R"({"ImageAtX":300},{"ImageAtX":600}]})")
                                  << 3 << ""
                                  << "";
        QTest::newRow("damaged") << QByteArray("x") << 0 << "Qt Drawing"
                                 << "File Spray/label1.spr is empty.";
        QTest::newRow("data file missing")
            << QByteArray(R"({"TextItemInfo":[{}],"ExternDataInfo":{"ExternMode":1,)"
                          R"("ExternFileName":"nowhere.txt"}})")
            << 1 << "t"
            << "Can not find the extern data file!";
    }
    void openingAMessageShowsWhatWentWrong()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, items);
        QFETCH(QString, title);
        QFETCH(QString, text);
        QDir().mkpath("Spray");
        QFile file("Spray/label1.spr");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        RecordingNotifier notifier;
        EditWidget editor(file.fileName(), EditWidget::ModeExisting);
        editor.setAttribute(Qt::WA_DeleteOnClose, false);
        QCOMPARE(editor.scene()->items().size(), items);
        // Nothing comes up selected: a stray key would change the message.
        QCOMPARE(editor.scene()->selectedItems().size(), 0);
        QCOMPARE(notifier.boxes.size(), title.isEmpty() ? 0 : 1);
        if (title.isEmpty())
            return;
        QCOMPARE(notifier.boxes.first().kind,
                 title == "t" ? Prompts::Kind::Information : Prompts::Kind::Warning);
        QCOMPARE(notifier.boxes.first().title, title);
        QCOMPARE(notifier.boxes.first().text, text);
    }

    // Cancel, Escape or closing the window with unsaved changes asks first.
    void leavingWithChangesAsks_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("change");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<bool>("written");
        QTest::newRow("cancel, discard")
            << "cancel" << true << int(Answer::Discard) << true << true << false;
        QTest::newRow("cancel, go back")
            << "cancel" << true << int(Answer::Cancel) << true << false << false;
        QTest::newRow("cancel, save")
            << "cancel" << true << int(Answer::Save) << true << true << true;
        QTest::newRow("escape, go back")
            << "escape" << true << int(Answer::Cancel) << true << false << false;
        QTest::newRow("close, discard")
            << "close" << true << int(Answer::Discard) << true << true << false;
        QTest::newRow("close, go back")
            << "close" << true << int(Answer::Cancel) << true << false << false;
        QTest::newRow("unchanged")
            << "cancel" << false << int(Answer::Cancel) << false << true << false;
    }
    void leavingWithChangesAsks()
    {
        QFETCH(QString, how);
        QFETCH(bool, change);
        QFETCH(int, answer);
        QFETCH(bool, asked);
        QFETCH(bool, closed);
        QFETCH(bool, written);
        const QString path = existingMessage("label1");
        const QString before = savedText(path);
        RecordingNotifier notifier;
        notifier.answers << Answer(answer);
        auto *editor = new EditWidget(path, EditWidget::ModeExisting);
        QPointer<EditWidget> alive(editor);
        editor->show();
        editor->scene()->items().first()->setSelected(true);
        if (change)
            QVERIFY(runSteps(editor, "itemX=40"));
        QVERIFY(!change || editor->isModified());

        if (how == "cancel")
            QTest::mouseClick(dialogButton(editor, QDialogButtonBox::Cancel), Qt::LeftButton);
        else if (how == "escape")
            QTest::keyClick(editor, Qt::Key_Escape);
        else
            editor->close();
        settle();
        QCOMPARE(notifier.questions.size(), asked ? 1 : 0);
        QCOMPARE(alive.isNull(), closed);
        QCOMPARE(savedText(path) != before, written);
        if (!closed) {
            QCOMPARE(editor->scene()->items().first()->x(), 40.0);
            delete editor;
        }
    }

    void modifiedFollowsTheMessage_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<bool>("modified");
        QTest::newRow("selected only") << "" << false;
        QTest::newRow("moved") << "itemY=12" << true;
        QTest::newRow("moved back") << "itemY=12;itemY=0" << false;
        QTest::newRow("text changed") << "textEdit=Lot 7" << true;
        QTest::newRow("made external") << "externDataCheckBox" << true;
        QTest::newRow("item added") << "imageBtn" << true;
        QTest::newRow("item deleted") << "deleteBtn" << true;
    }
    void modifiedFollowsTheMessage()
    {
        QFETCH(QString, steps);
        QFETCH(bool, modified);
        const QString path = existingMessage("label1");
        EditWidget editor(path, EditWidget::ModeExisting);
        editor.setAttribute(Qt::WA_DeleteOnClose, false);
        editor.show();
        editor.scene()->items().first()->setSelected(true);
        QVERIFY(runSteps(&editor, steps));
        QCOMPARE(editor.isModified(), modified);
    }

    void panelFollowsSelection()
    {
        EditWidget editor(QString(), EditWidget::ModeNew);
        editor.setAttribute(Qt::WA_DeleteOnClose, false);
        editor.show();
        auto *stack = editor.findChild<QStackedWidget *>("stackedWidget");
        QCOMPARE(stack->currentWidget()->objectName(), QString("emptyPage"));
        auto *general = editor.findChild<GeneralSetWidget *>();

        click(&editor, "barcodeBtn");
        auto *first = editor.scene()->selectedItems().value(0);
        auto *barcodePanel = qobject_cast<BarcodeSetWidget *>(currentPanel(&editor));
        QVERIFY(barcodePanel);
        QCOMPARE(barcodePanel->item(), first);
        QCOMPARE(general->item(), first);
        click(&editor, "textBtn");
        QVERIFY(qobject_cast<TextSetWidget *>(currentPanel(&editor)));
        click(&editor, "barcodeBtn");
        QCOMPARE(currentPanel(&editor), barcodePanel);
        QCOMPARE(editor.findChildren<BarcodeSetWidget *>().size(), 1);
        QVERIFY(barcodePanel->item() != first);

        // The text panel's external switch reaches the scene's manager.
        auto *text = editor.scene()->items(Qt::AscendingOrder).at(1);
        QCOMPARE(text->type(), int(ItemTypeCode::kText));
        editor.scene()->clearSelection();
        text->setSelected(true);
        QVERIFY(runSteps(currentPanel(&editor), "externDataCheckBox"));
        QVERIFY(editor.scene()->externData().contains(text->data(ItemData::kId).toString()));

        // Empty canvas: the empty page, and the general panel keeps nothing.
        auto *view = editor.findChild<GraphicsView *>("graphicsView");
        const QPoint empty = view->mapFromScene(QPointF(100, 1100));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, empty);
        QCOMPARE(stack->currentWidget()->objectName(), QString("emptyPage"));
        QCOMPARE(general->item(), nullptr);
    }

    // The barcode's content editor lies over the window, outside its panel:
    // it goes when the panel goes (another tab, the item deleted) and when
    // the panel takes another barcode, so that its OK reaches no other item.
    void contentEditorGoesWithItsPanel()
    {
        EditWidget editor(QString(), EditWidget::ModeNew);
        editor.setAttribute(Qt::WA_DeleteOnClose, false);
        editor.show();
        auto *tabs = editor.findChild<QTabWidget *>("fileEditToolTab");
        click(&editor, "barcodeBtn");
        QGraphicsItem *first = editor.scene()->selectedItems().value(0);
        click(&editor, "barcodeBtn");
        const std::function<void()> leave[] = {[&] { tabs->setCurrentIndex(0); },
                                               [&] {
                                                   editor.scene()->clearSelection();
                                                   first->setSelected(true);
                                               },
                                               [&] { click(&editor, "deleteBtn"); }};
        for (const std::function<void()> &step : leave) {
            tabs->setCurrentIndex(1);
            QVERIFY(runSteps(currentPanel(&editor), "textExpandBtn"));
            QPointer<QWidget> contentEditor = editor.findChild<QWidget *>("MyTextEditor");
            QVERIFY(contentEditor && contentEditor->isVisible());
            step();
            settle();
            QVERIFY(contentEditor.isNull());
        }
        QCOMPARE(editor.scene()->items().size(), 1);
        QCOMPARE(editor.findChild<BarcodeSetWidget *>()->item(), nullptr);
    }

    // Under the control program's style sheet, which gives every tab a
    // minimum width, both tabs beside the view are whole and take clicks;
    // the tabs above the view keep that width.
    void sideTabsFitUnderTheApplicationStyleSheet()
    {
        QFile sheet(KORVEX_SOURCE_DIR "/mainwindow/qss/myMainWindow.qss");
        QVERIFY(sheet.open(QIODevice::ReadOnly));
        qApp->setStyleSheet(QString::fromLatin1(sheet.readAll()));
        const auto restore = qScopeGuard([] { qApp->setStyleSheet(QString()); });
        EditWidget editor(QString(), EditWidget::ModeNew);
        editor.setAttribute(Qt::WA_DeleteOnClose, false);
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));

        auto *side = editor.findChild<QTabWidget *>("fileEditToolTab");
        QTabBar *bar = side->tabBar();
        QCOMPARE(bar->count(), 2);
        for (int index : {1, 0}) {
            const QRect tab = bar->tabRect(index);
            QVERIFY2(bar->rect().contains(tab), qPrintable(bar->tabText(index)));
            QVERIFY(bar->mapTo(side, tab.topRight()).x() < side->width());
            QTest::mouseClick(bar, Qt::LeftButton, {}, tab.center());
            QCOMPARE(side->currentIndex(), index);
        }
        QTabBar *top = editor.findChild<QTabWidget *>("tabWidget")->tabBar();
        QVERIFY(top->tabRect(0).width() >
                2 * top->fontMetrics().horizontalAdvance(top->tabText(0)));
    }

    // A new item goes to the right end of the message: the view scrolls to
    // it, its top left part first when it is larger than the view, and it is
    // the selected item, in the panel.
    void newItemIsShownAndSelected()
    {
        EditWidget editor(QString(), EditWidget::ModeNew);
        editor.setAttribute(Qt::WA_DeleteOnClose, false);
        editor.show();
        auto *view = editor.findChild<GraphicsView *>("graphicsView");
        // At one pixel per dot the third picture starts past the right edge,
        // and the text is wider than the view.
        view->zoomToActual();
        const QRect port = view->viewport()->rect();
        for (const char *button :
             {"imageBtn", "imageBtn", "imageBtn", "textBtn", "barcodeBtn", "imageBtn"}) {
            click(&editor, button);
            QGraphicsItem *added = editor.scene()->items(Qt::AscendingOrder).last();
            QCOMPARE(editor.scene()->selectedItems(), QList<QGraphicsItem *>{added});
            QCOMPARE(qobject_cast<ItemPanel *>(currentPanel(&editor))->item(), added);
            // Without the selection frame, which sticks out of the message
            // area by a pixel.
            const QRect shown = view->mapFromScene(added->sceneBoundingRect())
                                    .boundingRect()
                                    .adjusted(2, 2, -2, -2);
            QVERIFY2(port.contains(shown.topLeft()), button);
            if (shown.width() < port.width())
                QVERIFY2(port.contains(shown), button);
        }
    }

    // Dragging an item with the mouse updates X and Y in the general panel.
    void dragUpdatesGeneralPanel()
    {
        EditWidget editor(QString(), EditWidget::ModeNew);
        editor.setAttribute(Qt::WA_DeleteOnClose, false);
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        click(&editor, "imageBtn");
        QGraphicsItem *image = editor.scene()->selectedItems().value(0);
        auto *view = editor.findChild<GraphicsView *>("graphicsView");
        view->resetTransform();
        view->centerOn(image);
        const QPoint from = view->mapFromScene(image->sceneBoundingRect().center());
        const QPoint to = from + QPoint(30, 20);
        QTest::mousePress(view->viewport(), Qt::LeftButton, {}, from);
        // QTest::mouseMove on a widget carries no pressed button.
        for (const QPoint at : {from + QPoint(10, 10), to}) {
            QMouseEvent move(QEvent::MouseMove, at, view->viewport()->mapToGlobal(at), Qt::NoButton,
                             Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(view->viewport(), &move);
        }
        QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, to);
        QVERIFY(image->pos() != QPointF(0, 0));
        auto *general = editor.findChild<GeneralSetWidget *>();
        QCOMPARE(controlState(general, "itemX"), QString::number(int(image->x())));
        QCOMPARE(controlState(general, "itemY"), QString::number(int(image->y())));
    }

    // The "View" tab's buttons drive the view's zoom.
    void viewTabZooms_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("direction"); // -1 smaller, 1 larger, 0 exactly 1:1
        QTest::newRow("zoom in") << "zoomInBtn" << 1;
        QTest::newRow("zoom out") << "zoomOutBtn" << -1;
        QTest::newRow("1:1") << "zoomToActualBtn" << 0;
        QTest::newRow("fit") << "zoomToFitBtn" << 1;
    }
    void viewTabZooms()
    {
        QFETCH(QString, button);
        QFETCH(int, direction);
        EditWidget editor(QString(), EditWidget::ModeNew);
        editor.setAttribute(Qt::WA_DeleteOnClose, false);
        editor.show();
        click(&editor, "textBtn");
        auto *view = editor.findChild<GraphicsView *>("graphicsView");
        const qreal before = view->zoom();
        editor.findChild<QTabWidget *>("tabWidget")->setCurrentIndex(1);
        // A button, with its picture, not a bare word.
        QVERIFY(!editor.findChild<QToolButton *>(button)->icon().pixmap(32).isNull());
        click(&editor, qPrintable(button));
        if (direction == 0)
            QCOMPARE(view->zoom(), 1.0);
        else
            QVERIFY(direction > 0 ? view->zoom() > before : view->zoom() < before);
    }

    void deleteKeyDeletesSelection()
    {
        EditWidget editor(QString(), EditWidget::ModeNew);
        editor.setAttribute(Qt::WA_DeleteOnClose, false);
        editor.show();
        QApplication::setActiveWindow(&editor);
        QVERIFY(QTest::qWaitForWindowActive(&editor));
        click(&editor, "textBtn");
        click(&editor, "shiftBtn");
        // Delete inside a field edits the field, not the message.
        auto *x = editor.findChild<QSpinBox *>("itemX");
        x->setFocus();
        QTest::keyClick(x, Qt::Key_Home);
        QTest::keyClick(x, Qt::Key_Delete);
        QCOMPARE(editor.scene()->items().size(), 2);

        auto *view = editor.findChild<GraphicsView *>("graphicsView");
        view->setFocus();
        QTest::keyClick(view, Qt::Key_Delete);
        QCOMPARE(editor.scene()->items().size(), 1);
        QCOMPARE(editor.scene()->items().first()->type(), int(ItemTypeCode::kText));
    }

    // "Select Image" copies the chosen picture into Image/ and shows it.
    void selectImageCopiesIntoImageFolder_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("size");
        QTest::newRow("picture") << "logo.png"
                                 << "/Image/logo.png"
                                 << "64x32";
        QTest::newRow("cancelled") << ""
                                   << ""
                                   << "240x240";
        QTest::newRow("not a picture") << "notes.png"
                                       << ""
                                       << "240x240";
    }
    void selectImageCopiesIntoImageFolder()
    {
        QFETCH(QString, file);
        QFETCH(QString, stored);
        QFETCH(QString, size);
        QTemporaryDir elsewhere;
        QImage picture(64, 32, QImage::Format_RGB32);
        picture.fill(Qt::black);
        QVERIFY(picture.save(elsewhere.filePath("logo.png")));
        QFile notes(elsewhere.filePath("notes.png"));
        QVERIFY(notes.open(QIODevice::WriteOnly));
        notes.write("not a picture");
        notes.close();

        RecordingNotifier notifier;
        ScriptedFileDialogs dialogs;
        if (!file.isEmpty())
            dialogs.openAnswers << elsewhere.filePath(file);
        EditWidget editor(QString(), EditWidget::ModeNew);
        editor.setAttribute(Qt::WA_DeleteOnClose, false);
        editor.show();
        click(&editor, "imageBtn");
        auto *image = static_cast<GraphicsImageItem *>(editor.scene()->selectedItems().value(0));
        auto *panel = qobject_cast<ImageSetWidget *>(currentPanel(&editor));
        QVERIFY(panel);
        click(panel, "selectImageToolButton");

        QCOMPARE(dialogs.openAsked, 1);
        QVERIFY(dialogs.lastFilter.contains("*.png"));
        QCOMPARE(image->picturePath(), stored);
        QCOMPARE(QString("%1x%2").arg(image->pixmap().width()).arg(image->pixmap().height()), size);
        QCOMPARE(controlState(panel, "imageWidthSpinBox"), size.section('x', 0, 0));
        QCOMPARE(QFile::exists("Image/" + file), !stored.isEmpty());
        QCOMPARE(notifier.boxes.size(), file == "notes.png" ? 1 : 0);
    }
};

QTEST_MAIN(TestEditWidget)
#include "tst_editwidget.moc"
