// SPDX-License-Identifier: GPL-3.0-or-later
#include "editwidget.h"
#include "ui_editwidget.h"

#include "designhistory.h"
#include "designpanels.h"
#include "designtemplate.h"
#include "editorlog.h"
#include "editorresources.h"
#include "graphicsscene.h"
#include "messagefile.h"
#include "preflightdialog.h"
#include "printpreviewdialog.h"
#include "prompts.h"
#include "saveobserver.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QKeyEvent>
#include <QLabel>
#include <QShortcut>
#include <QStyle>
#include <QUndoStack>

namespace {

const QString kMessageFolder = QStringLiteral("Spray");
const QString kMessageSuffix = QStringLiteral("spr");
// The message area: 3000 dots along, four heads of 300 dots across.
const QRectF kInitialSceneRect(0, 0, 3000, 1200);

// The designer's boxes for what a load or a save of the message came to.
void showResult(QWidget *parent, const MessageFile::Result &result)
{
    if (!result.error.isEmpty())
        Prompts::warning(parent, MessageFile::boxTitle(), result.error);
    if (!result.dataFileProblem.isEmpty())
        Prompts::information(parent, MessageFile::dataFileBoxTitle(), result.dataFileProblem);
}

} // namespace

EditWidget::EditWidget(const QString &filePath, int mode, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::EditWidget>()), m_mode(mode)
{
    initEditorResources();
    ui->setupUi(this);
    setWindowTitle(tr("Editor") + QStringLiteral("[*]"));
    setAttribute(Qt::WA_DeleteOnClose);
    connect(ui->buttonBox, &QDialogButtonBox::rejected, this, &EditWidget::reject);

    m_scene = std::make_unique<GraphicsScene>();
    m_scene->setSceneRect(kInitialSceneRect);
    m_scene->autoFitSceneRect = true;

    m_history = new DesignHistory(m_scene.get(), this);
    connect(this, &EditWidget::addItems, m_scene.get(), &GraphicsScene::addNewItem);
    // After the scene has placed and selected it: a new item goes to the
    // right end of the message, often beyond what the view shows.
    connect(this, &EditWidget::addItems, this, &EditWidget::revealSelection);

    setupView();
    setupSideTabs();
    m_panels = new DesignPanels(m_scene.get(), m_history, ui->scrollArea, ui->stackedWidget, this);
    connect(m_scene.get(), &GraphicsScene::curSelectItem, m_panels, &DesignPanels::show);
    setupShortcuts();
    setupUndo();
    // Above the tools: whether the message is a product's template, and
    // whether what a save writes now is approved.
    auto *mark = new QLabel(this);
    ui->verticalLayout->insertWidget(0, mark);
    m_template = new DesignTemplate(m_scene.get(), mark, this);
    m_template->setModifiedTest([this] { return isModified(); });
    connect(m_template, &DesignTemplate::samplesChanged, m_panels, &DesignPanels::setSamples);
    connect(m_history->stack(), &QUndoStack::indexChanged, m_template, &DesignTemplate::changed);

    // A new message may come with the name it is to be saved under.
    if (!filePath.isEmpty() && (mode != ModeNew || QFileInfo::exists(filePath)))
        showResult(this, ui->graphicsView->loadFile(filePath));
    m_filePath = filePath;
    m_template->setFilePath(filePath);
    markSaved();
}

void EditWidget::setTemplateFields(TemplateFields *fields)
{
    m_template->setFields(fields);
}

EditWidget::~EditWidget()
{
    // The panels hold plain pointers to items: drop them before the scene
    // deletes its items.
    disconnect(m_scene.get(), nullptr, this, nullptr);
    disconnect(m_scene.get(), nullptr, m_panels, nullptr);
    delete m_history;
    ui->graphicsView->setScene(nullptr);
}

void EditWidget::setupView()
{
    GraphicsView *view = ui->graphicsView;
    view->setScene(m_scene.get());
    view->setupMessageView();
    // The preview's view is 300 pixels high; the designer's takes the height
    // the dialog gives it, so that zooming in leaves room to work.
    view->setMinimumHeight(0);
    view->setMaximumHeight(QWIDGETSIZE_MAX);
    connect(ui->zoomInBtn, &QToolButton::clicked, view, &GraphicsView::zoomIn);
    connect(ui->zoomOutBtn, &QToolButton::clicked, view, &GraphicsView::zoomOut);
    connect(ui->zoomToFitBtn, &QToolButton::clicked, view, &GraphicsView::zoomToFit);
    connect(ui->zoomToActualBtn, &QToolButton::clicked, view, &GraphicsView::zoomToActual);
}

void EditWidget::setupSideTabs()
{
    // The application's style sheet gives every tab a minimum width that
    // two of them exceed in the side panel; these size to their titles, and
    // shrink rather than scroll one another out of sight.
    ui->fileEditToolTab->setStyleSheet(QStringLiteral("QTabBar::tab{min-width:0px;}"));
    ui->fileEditToolTab->setUsesScrollButtons(false);
}

void EditWidget::revealSelection()
{
    const QList<QGraphicsItem *> selected = m_scene->selectedItems();
    if (!selected.isEmpty())
        ui->graphicsView->revealItem(selected.first());
}

void EditWidget::setupUndo()
{
    QUndoStack *stack = m_history->stack();
    connect(stack, &QUndoStack::cleanChanged, this,
            [this](bool clean) { setWindowModified(!clean); });
    connect(m_history, &DesignHistory::itemsRestored, m_panels, &DesignPanels::refresh);
    ui->undoBtn->setIcon(
        QIcon::fromTheme(QStringLiteral("edit-undo"), style()->standardIcon(QStyle::SP_ArrowBack)));
    ui->redoBtn->setIcon(QIcon::fromTheme(QStringLiteral("edit-redo"),
                                          style()->standardIcon(QStyle::SP_ArrowForward)));
    connect(ui->undoBtn, &QToolButton::clicked, stack, &QUndoStack::undo);
    connect(ui->redoBtn, &QToolButton::clicked, stack, &QUndoStack::redo);
    const auto showSteps = [this, stack] {
        ui->undoBtn->setEnabled(stack->canUndo());
        ui->redoBtn->setEnabled(stack->canRedo());
        ui->undoBtn->setToolTip(stack->canUndo() ? tr("Undo %1").arg(stack->undoText())
                                                 : tr("Nothing to undo"));
        ui->redoBtn->setToolTip(stack->canRedo() ? tr("Redo %1").arg(stack->redoText())
                                                 : tr("Nothing to redo"));
    };
    connect(stack, &QUndoStack::indexChanged, this, showSteps);
    connect(stack, &QUndoStack::cleanChanged, this, showSteps);
    showSteps();
    // Ctrl+Z and Ctrl+Shift+Z or Ctrl+Y; a focused text field keeps them
    // for its own text.
    auto *undoKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z), this);
    connect(undoKey, &QShortcut::activated, stack, &QUndoStack::undo);
    for (const QKeySequence &keys :
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)}) {
        auto *redoKey = new QShortcut(keys, this);
        connect(redoKey, &QShortcut::activated, stack, &QUndoStack::redo);
    }
}

QUndoStack *EditWidget::undoStack() const
{
    return m_history->stack();
}

void EditWidget::addItem(ItemType kind)
{
    const QList<QGraphicsItem *> before = m_scene->items();
    emit addItems(kind);
    QList<QGraphicsItem *> added;
    for (QGraphicsItem *item : m_scene->selectedItems()) {
        if (!before.contains(item))
            added << item;
    }
    m_history->added(added);
}

void EditWidget::setupShortcuts()
{
    // Line edits and spin boxes take Delete for themselves when focused.
    auto *remove = new QShortcut(QKeySequence::Delete, this);
    connect(remove, &QShortcut::activated, this, &EditWidget::on_deleteBtn_clicked);
    auto *saveKey = new QShortcut(QKeySequence::Save, this);
    connect(saveKey, &QShortcut::activated, this, &EditWidget::save);
}

void EditWidget::keyPressEvent(QKeyEvent *event)
{
    // Enter confirms a value in a panel's field; it must not press OK, which
    // would save and close the editor.  Escape still cancels.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        !(event->modifiers() & ~Qt::KeypadModifier)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void EditWidget::on_textBtn_clicked()
{
    addItem(TypeText);
}

void EditWidget::on_timeBtn_clicked()
{
    addItem(TypeTime);
}

void EditWidget::on_serialNumBtn_clicked()
{
    addItem(TypeSerialNumber);
}

void EditWidget::on_imageBtn_clicked()
{
    addItem(TypeImage);
}

void EditWidget::on_barcodeBtn_clicked()
{
    addItem(TypeBarcode);
}

void EditWidget::on_shiftBtn_clicked()
{
    addItem(TypeShiftCode);
}

void EditWidget::on_deleteBtn_clicked()
{
    m_history->remove(m_scene->selectedItems());
}

bool EditWidget::save()
{
    if (!preflightAllows())
        return false;
    QString path = m_filePath;
    if (path.isEmpty()) {
        QDir().mkpath(kMessageFolder);
        path = Prompts::fileToSave(this, tr("Save file"), kMessageFolder, tr("Spray Files (*.spr)"),
                                   kMessageSuffix);
        if (path.isEmpty())
            return false;
        // The control window lists "*.spr" files only: a message saved under
        // another name would never be seen again.
        if (!path.endsWith(QLatin1Char('.') + kMessageSuffix, Qt::CaseInsensitive))
            path += QLatin1Char('.') + kMessageSuffix;
    }
    if (m_saveObserver) {
        const QString refused = m_saveObserver->aboutToSave(path);
        if (!refused.isEmpty()) {
            Prompts::warning(this, MessageFile::boxTitle(), refused);
            return false;
        }
    }
    // A name is kept only once a message was written under it, so that after
    // a failed write the next save asks again.
    const MessageFile::Result written = ui->graphicsView->saveFile(path);
    showResult(this, written);
    if (!written)
        return false;
    if (m_saveObserver)
        m_saveObserver->saved(path);
    qCDebug(lcEditor) << "saved" << path;
    m_filePath = path;
    m_template->setFilePath(path);
    m_template->refreshMark();
    markSaved();
    return true;
}

// On saving, every head counts: the coders the message goes to are not known.
bool EditWidget::preflightAllows()
{
    const QString name =
        m_filePath.isEmpty() ? tr("the new message") : QFileInfo(m_filePath).fileName();
    Preflight::Options options;
    options.samples = &m_template->samples();
    return PreflightDialog::confirm(Preflight::check(*m_scene, options),
                                    PreflightDialog::Purpose::Save, name, this,
                                    [this](QGraphicsItem *item) { selectItem(item); });
}

void EditWidget::selectItem(QGraphicsItem *item)
{
    if (!item || item->scene() != m_scene.get())
        return;
    m_scene->clearSelection();
    item->setSelected(true);
    ui->graphicsView->revealItem(item);
}

void EditWidget::on_saveBtn_clicked()
{
    if (save())
        accept();
}

PrintPreviewDialog *EditWidget::printPreview() const
{
    return m_printPreview;
}

void EditWidget::on_previewBtn_clicked()
{
    // One window, shown beside the designer; opened again, it copies the
    // message as it is now.
    if (!m_printPreview) {
        m_printPreview = new PrintPreviewDialog(m_scene.get(), this);
        m_printPreview->setAttribute(Qt::WA_DeleteOnClose);
    } else {
        m_printPreview->refresh();
    }
    m_printPreview->show();
    m_printPreview->raise();
}

void EditWidget::on_buttonBox_accepted()
{
    // Saved first: a cancelled name or a failed write keeps the editor open
    // with the message as it is.
    if (save())
        accept();
}

void EditWidget::reject()
{
    if (isModified()) {
        switch (Prompts::askToSave(
            this, tr("Editor"),
            tr("The message has been changed.\nDo you want to save your changes?"))) {
        case Prompts::Answer::Save:
            if (save())
                accept();
            return;
        case Prompts::Answer::Discard:
            break;
        case Prompts::Answer::Cancel:
            return;
        }
    }
    QDialog::reject();
}

QJsonObject EditWidget::snapshot() const
{
    QJsonObject state;
    MessageFile::writeItems(*m_scene, state);
    const ExternDataManage &data = m_scene->externData();
    state.insert(QStringLiteral("externMode"), data.externMode());
    state.insert(QStringLiteral("externItems"), QJsonArray::fromStringList(data.externItemIds()));
    return state;
}

void EditWidget::markSaved()
{
    m_savedState = snapshot();
    m_history->stack()->setClean();
}

bool EditWidget::isModified() const
{
    // The stack names the change; the comparison also catches one made
    // outside it, so that closing never loses work.
    return !m_history->stack()->isClean() || snapshot() != m_savedState;
}
