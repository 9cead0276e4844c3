// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow.h"

#include "currentitemeditor.h"
#include "diagrambaritem.h"
#include "diagramimageitem.h"
#include "diagramitemfactory.h"
#include "diagramqrcodeitem.h"
#include "diagramscene.h"
#include "diagramtextitem.h"
#include "editorhistory.h"
#include "editoritemtypes.h"
#include "editorprompts.h"
#include "editorwindowstate.h"
#include "filecommands.h"
#include "messageeditorlog.h"
#include "messagereader.h"
#include "printercanvas.h"
#include "qrcodedynamicstyledialog.h"
#include "qrcodesetting.h"
#include "settingpanels.h"
#include "ui_mainwindow.h"
#include "windowchrome.h"

#include <QBitmap>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QFileInfo>
#include <QJsonDocument>
#include <QTimer>

namespace {

bool editsContent(int kind)
{
    return kind == currentItemEditor::Text || kind == currentItemEditor::Bar ||
           kind == currentItemEditor::QRCode;
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::MainWindow>()), m_scene(new diagramScene(this)),
      m_items(new currentItemEditor(this)), m_buttons(new QButtonGroup(this)),
      m_titleTimer(new QTimer(this))
{
    ui->setupUi(this);
    m_canvas =
        std::make_unique<printerCanvas>(m_scene, ui->graphicsView,
                                        std::array<QAction *, 4>{ui->typeAAction, ui->typeBAction,
                                                                 ui->typeCAction, ui->typeDAction});
    connect(m_scene, &diagramScene::itemSelected, this, &MainWindow::itemSelected);

    m_files = new fileCommands(
        m_scene, this, [this](const QList<QGraphicsItem *> &items) { discardItems(items); });
    windowChrome::setUpToolButtons(*ui, m_buttons);
    const windowChrome::toolBarActions bar = windowChrome::setUpToolBar(*ui, this);
    connect(bar.open, &QAction::triggered, this, &MainWindow::openActionSlot);
    connect(bar.save, &QAction::triggered, this, &MainWindow::saveActionSlot);
    windowChrome::setUpShortcuts(*ui);
    windowChrome::setUpHelp(*ui);
    connectCommands();
    connectPanels();
    setUpHistory();

    ui->cnt2ToolButton->hide();
    ui->fileToolButton->hide();
    scene144();
    showNothing(); // until an item is chosen or created
    refreshTitle();
    editorWindowState::restore(this);
}

MainWindow::~MainWindow() = default;

void MainWindow::connectCommands()
{
    connect(ui->newAction, &QAction::triggered, this, &MainWindow::newActionSlot);
    connect(ui->openAction, &QAction::triggered, this, &MainWindow::openActionSlot);
    connect(ui->saveAction, &QAction::triggered, this, &MainWindow::saveActionSlot);
    connect(ui->saveAsAction, &QAction::triggered, this, &MainWindow::saveAsActionSlot);
    connect(ui->exitAction, &QAction::triggered, this, &MainWindow::exitActionSlot);
    connect(ui->deleteAction, &QAction::triggered, this, &MainWindow::deleteActionSlot);
    connect(ui->textAction, &QAction::triggered, this, &MainWindow::MenuFileText);
    connect(ui->timeAction, &QAction::triggered, this, &MainWindow::MenuFileTime);
    connect(ui->numberAction, &QAction::triggered, this, &MainWindow::MenuFileNumber);
    connect(ui->imageAction, &QAction::triggered, this, &MainWindow::MenuFileImage);
    connect(ui->barcodeAction, &QAction::triggered, this, &MainWindow::MenuFileBarcode);
    connect(ui->QRcodeAction, &QAction::triggered, this, &MainWindow::MenuFileQRcode);
    connect(ui->typeAAction, &QAction::triggered, this, &MainWindow::scene144);
    connect(ui->typeBAction, &QAction::triggered, this, &MainWindow::scene300);
    connect(ui->typeCAction, &QAction::triggered, this, &MainWindow::scene600);
    connect(ui->typeDAction, &QAction::triggered, this, &MainWindow::scene1200);
    connect(m_buttons, &QButtonGroup::idClicked, this, &MainWindow::buttonItemsClicked);

    connect(m_files, &fileCommands::stateChanged, this, &MainWindow::refreshTitle);
    // Comparing the documents costs a writer pass, so moves and panel edits
    // refresh the unsaved mark at most every 200 ms.
    m_titleTimer->setSingleShot(true);
    m_titleTimer->setInterval(200);
    connect(m_titleTimer, &QTimer::timeout, this, &MainWindow::refreshTitle);
    connect(m_scene, &QGraphicsScene::changed, this, [this] {
        if (!m_titleTimer->isActive())
            m_titleTimer->start();
    });
    // Nothing is selected in a new or opened message.
    connect(m_files, &fileCommands::messageReplaced, this, &MainWindow::showNothing);
}

void MainWindow::connectPanels()
{
    m_panels = new settingPanels(ui->stackedWidget, m_items);
    connect(m_panels->qrCode(), &QRCodeSetting::QRCodeDynamicStyle, this,
            &MainWindow::QRCodeSetDynamicStyle);
    // An opened file may bring a canvas of another width.
    connect(m_scene, &QGraphicsScene::sceneRectChanged, this, &MainWindow::updatePanelRanges);
}

void MainWindow::setUpHistory()
{
    m_history = new editorHistory(
        m_scene, [this](const QJsonObject &document) { restoreDocument(document); }, this);
    m_history->watch(ui->stackedWidget, tr("修改属性"));
    // Released after a drag: the items moved.
    connect(m_scene, &diagramScene::itemSelected, this, [this] { m_history->done(tr("移动")); });
    connect(m_files, &fileCommands::messageReplaced, m_history, &editorHistory::reset);
    const windowChrome::undoActions actions =
        windowChrome::setUpUndo(*ui, m_history->stack(), this);
    m_undo = actions.undo;
    m_redo = actions.redo;
}

void MainWindow::restoreDocument(const QJsonObject &document)
{
    discardItems(m_scene->items());
    // The reader puts back the stacking, the exact positions and the
    // barcodes' shown heights the document holds.
    messageReader::read(QJsonDocument(document).toJson(QJsonDocument::Compact), m_scene);
    for (QGraphicsItem *item : m_scene->items()) {
        if (item->type() != diagramType::kImage)
            continue;
        auto *image = static_cast<diagramImageItem *>(item);
        const QString local = m_history->localPicture(image->path());
        QPixmap picture = QPixmap::fromImage(diagramImageItem::readFile(local));
        if (local.isEmpty() || picture.isNull())
            continue;
        if (image->converse())
            picture = diagramImageItem::inverted(picture);
        const QSize shown = image->pixmap().size();
        image->setPath(local);
        image->setSource(QBitmap(picture));
        image->showScaled(shown);
    }
    showNothing();
    refreshTitle();
}

void MainWindow::updatePanelRanges()
{
    panelControls::canvas canvas;
    canvas.printHeight = editorResolution::kHeights[m_canvas->resolution()];
    canvas.width = int(m_scene->sceneRect().width());
    m_panels->setCanvas(canvas);
}

int MainWindow::resolution() const
{
    return m_canvas->resolution();
}

qreal MainWindow::zoom() const
{
    return m_canvas->zoom();
}

void MainWindow::switchResolution(int index)
{
    m_canvas->switchTo(index);
    updatePanelRanges();
}

void MainWindow::scene144()
{
    switchResolution(0);
}
void MainWindow::scene300()
{
    switchResolution(1);
}
void MainWindow::scene600()
{
    switchResolution(2);
}
void MainWindow::scene1200()
{
    switchResolution(3);
}

void MainWindow::buttonItemsClicked(int id)
{
    placeItem(diagramItemFactory::create(id, m_canvas->resolution()));
}

// The menu builds items with their constructor defaults, whatever the model
// (resolution 1 leaves every default as it is).
void MainWindow::MenuFileText()
{
    placeItem(diagramItemFactory::create(diagramItemFactory::Text, 1));
}
void MainWindow::MenuFileTime()
{
    placeItem(diagramItemFactory::create(diagramItemFactory::Time, 1));
}
void MainWindow::MenuFileNumber()
{
    placeItem(diagramItemFactory::create(diagramItemFactory::Cnt, 1));
}
void MainWindow::MenuFileImage()
{
    placeItem(diagramItemFactory::create(diagramItemFactory::Image, 1));
}
void MainWindow::MenuFileBarcode()
{
    placeItem(diagramItemFactory::create(diagramItemFactory::Bar, 1));
}
void MainWindow::MenuFileQRcode()
{
    placeItem(diagramItemFactory::create(diagramItemFactory::QRCode, 1));
}

void MainWindow::placeItem(QGraphicsItem *item)
{
    const int edge = m_scene->rightEdge();
    qCDebug(lcMessageEditor) << "new item at" << edge;
    ui->graphicsView->centerOn(edge, 0);
    m_scene->addAtRightEdge(item);
    itemSelected(item);
    refreshTitle();
    m_history->done(tr("添加"));
}

void MainWindow::itemSelected(QGraphicsItem *item)
{
    if (!item)
        return;
    if (item->x() < 0)
        item->setX(0);
    const int kind = m_items->setCurrent(item);
    if (kind == currentItemEditor::None)
        return;
    m_kind = kind;
    showKind(kind);
}

void MainWindow::showKind(int kind)
{
    if (!m_panels->show(kind))
        return;
    if (kind == currentItemEditor::Text)
        ui->lineEdit->setText(m_items->text()->content());
    else if (kind == currentItemEditor::Bar)
        ui->lineEdit->setText(m_items->bar()->content());
    else if (kind == currentItemEditor::QRCode)
        ui->lineEdit->setText(m_items->qrCode()->params().content);
    ui->lineEdit->setEnabled(editsContent(kind));
    ui->editPushButton->setEnabled(editsContent(kind));
}

void MainWindow::showNothing()
{
    m_kind = currentItemEditor::None;
    m_panels->showNothing();
    ui->lineEdit->clear();
    ui->lineEdit->setEnabled(false);
    ui->editPushButton->setEnabled(false);
}

void MainWindow::on_editPushButton_clicked()
{
    const QString text = ui->lineEdit->text();
    if (m_kind == currentItemEditor::Text) {
        m_items->text()->setContent(text);
    } else if (m_kind == currentItemEditor::Bar) {
        m_items->bar()->setContent(text.isEmpty() ? QStringLiteral("6901234567891") : text);
    } else if (m_kind == currentItemEditor::QRCode) {
        qrCodeParams params = m_items->qrCode()->params();
        params.content = text.isEmpty() ? QStringLiteral("123") : text;
        m_items->qrCode()->setParams(params);
    }
    refreshTitle();
    m_history->done(tr("修改内容"));
}

void MainWindow::QRCodeSetDynamicStyle()
{
    const std::optional<qrDynamicContent> composed =
        editorPrompts::current().composeDynamicQr(this);
    if (!composed)
        return;
    diagramQRCodeItem *item = m_items->qrCode();
    qrCodeParams params = item->params();
    composed->applyTo(params); // sets the insert-variable flag with a counter or time
    ui->lineEdit->setText(composed->itemContent());
    params.content = ui->lineEdit->text();
    item->setParams(params);
    m_kind = currentItemEditor::QRCode;
    showKind(m_kind);
    refreshTitle();
    m_history->done(tr("修改内容"));
}

void MainWindow::on_deleteToolButton_clicked()
{
    discardItems(m_scene->selectedItems());
    m_history->done(tr("删除"));
}

void MainWindow::discardItems(const QList<QGraphicsItem *> &items)
{
    m_items->forget(items);
    // Edits would go to the stand-in, where nobody sees them.
    if (m_kind != currentItemEditor::None && !m_items->hasCurrent(currentItemEditor::Kind(m_kind)))
        showNothing();
    for (QGraphicsItem *item : items) {
        if (item->scene() != m_scene || !diagramType::isMessageItem(item->type()))
            continue;
        m_scene->removeItem(item);
        delete item;
    }
    refreshTitle();
}

void MainWindow::buttonGroupMenu()
{
    ui->fileToolButton->showMenu();
}

void MainWindow::newActionSlot()
{
    if (m_files->maySetAside())
        m_files->newFile();
}

void MainWindow::openActionSlot()
{
    if (m_files->maySetAside())
        m_files->open();
}

void MainWindow::saveActionSlot()
{
    m_files->save();
}
void MainWindow::saveAsActionSlot()
{
    m_files->saveAs();
}
void MainWindow::deleteActionSlot()
{
    m_files->deleteFile();
}
void MainWindow::exitActionSlot()
{
    close();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_files->maySetAside()) {
        editorWindowState::save(this);
        event->accept();
    } else {
        event->ignore();
    }
}

void MainWindow::refreshTitle()
{
    // "[*]" becomes "*" while there are unsaved changes.
    setWindowTitle(QStringLiteral("%1[*] - %2")
                       .arg(QFileInfo(m_files->fileName()).fileName(), tr("编辑软件")));
    setWindowModified(m_files->isModified());
}
