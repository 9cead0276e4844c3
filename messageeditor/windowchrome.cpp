// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowchrome.h"

#include "diagramitemfactory.h"
#include "editorprompts.h"
#include "editorstartup.h"
#include "fontawesome.h"
#include "manualpage.h"
#include "ui_mainwindow.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QMenu>
#include <QUndoStack>
#include <QUrl>

namespace {

// Pixels of the painted glyphs of the tool buttons.
constexpr int kGlyphSide = 48;

void decorate(QToolButton *button, ushort glyph, const QColor &colour = Qt::black)
{
    button->setIcon(fontAwesome::icon(glyph, kGlyphSide, colour));
    button->setIconSize(QSize(kGlyphSide, kGlyphSide));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setToolTip(button->text());
}

QAction *glyphAction(QWidget *owner, ushort glyph, const QString &tip)
{
    auto *action = new QAction(QString(QChar(glyph)), owner);
    action->setFont(fontAwesome::font(20));
    action->setStatusTip(tip);
    action->setToolTip(tip);
    return action;
}

} // namespace

namespace windowChrome {

void setUpToolButtons(Ui::MainWindow &ui, QButtonGroup *group)
{
    const struct
    {
        QToolButton *button;
        int id;
        ushort glyph;
    } kinds[] = {
        {ui.textToolButton, diagramItemFactory::Text, fontAwesome::kText},
        {ui.cntToolButton, diagramItemFactory::Cnt, fontAwesome::kCounter},
        {ui.cnt2ToolButton, diagramItemFactory::Cnt2, fontAwesome::kCounter},
        {ui.timeToolButton, diagramItemFactory::Time, fontAwesome::kTime},
        {ui.imageToolButton, diagramItemFactory::Image, fontAwesome::kImage},
        {ui.QRCodeToolButton, diagramItemFactory::QRCode, fontAwesome::kQRCode},
        {ui.barToolButton, diagramItemFactory::Bar, fontAwesome::kBarcode},
    };
    for (const auto &kind : kinds) {
        decorate(kind.button, kind.glyph);
        group->addButton(kind.button, kind.id);
    }
    decorate(ui.deleteToolButton, fontAwesome::kDelete);

    ui.fileToolButton->setText(QCoreApplication::translate("MainWindow", "文件"));
    ui.fileToolButton->setStyleSheet(QStringLiteral("color: rgb(238, 173, 14)"));
    decorate(ui.fileToolButton, fontAwesome::kFolderOpen, QColor(238, 173, 14));
    auto *menu = new QMenu(ui.fileToolButton);
    menu->addActions({ui.newAction, ui.openAction, ui.saveAction, ui.saveAsAction, ui.exitAction,
                      ui.deleteAction});
    ui.fileToolButton->setMenu(menu);
    ui.fileToolButton->setPopupMode(QToolButton::InstantPopup);
}

toolBarActions setUpToolBar(Ui::MainWindow &ui, QWidget *owner)
{
    toolBarActions actions{
        glyphAction(owner, fontAwesome::kFolderOpen,
                    QCoreApplication::translate("MainWindow", "打开")),
        glyphAction(owner, fontAwesome::kSave, QCoreApplication::translate("MainWindow", "保存"))};
    ui.toolBar->addAction(actions.open);
    ui.toolBar->addAction(actions.save);
    ui.toolBar->addActions({ui.typeAAction, ui.typeBAction, ui.typeCAction, ui.typeDAction});
    return actions;
}

void setUpShortcuts(Ui::MainWindow &ui)
{
    ui.newAction->setShortcut(QKeySequence::New);
    ui.openAction->setShortcut(QKeySequence::Open);
    ui.saveAction->setShortcut(QKeySequence::Save);
    // Line edits and spin boxes keep Delete for their own text.
    ui.deleteToolButton->setShortcut(QKeySequence::Delete);
}

undoActions setUpUndo(Ui::MainWindow &ui, QUndoStack *stack, QWidget *owner)
{
    const undoActions actions{new QAction(QString(QChar(fontAwesome::kUndo)), owner),
                              new QAction(QString(QChar(fontAwesome::kRedo)), owner)};
    actions.undo->setObjectName(QStringLiteral("undoAction"));
    actions.redo->setObjectName(QStringLiteral("redoAction"));
    for (QAction *action : {actions.undo, actions.redo})
        action->setFont(fontAwesome::font(20));
    actions.undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    actions.redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    QObject::connect(actions.undo, &QAction::triggered, stack, &QUndoStack::undo);
    QObject::connect(actions.redo, &QAction::triggered, stack, &QUndoStack::redo);
    ui.toolBar->insertActions(ui.typeAAction, {actions.undo, actions.redo});
    owner->addActions({actions.undo, actions.redo});
    const auto showSteps = [actions, stack] {
        actions.undo->setEnabled(stack->canUndo());
        actions.redo->setEnabled(stack->canRedo());
        const QString undo =
            stack->canUndo()
                ? QCoreApplication::translate("MainWindow", "撤销：%1").arg(stack->undoText())
                : QCoreApplication::translate("MainWindow", "撤销");
        const QString redo =
            stack->canRedo()
                ? QCoreApplication::translate("MainWindow", "重做：%1").arg(stack->redoText())
                : QCoreApplication::translate("MainWindow", "重做");
        actions.undo->setToolTip(undo);
        actions.undo->setStatusTip(undo);
        actions.redo->setToolTip(redo);
        actions.redo->setStatusTip(redo);
    };
    QObject::connect(stack, &QUndoStack::indexChanged, owner, showSteps);
    QObject::connect(stack, &QUndoStack::cleanChanged, owner, showSteps);
    showSteps();
    return actions;
}

void setUpHelp(Ui::MainWindow &ui)
{
    QMenu *help = ui.menuBar->addMenu(QCoreApplication::translate("MainWindow", "帮助"));
    help->setObjectName(QStringLiteral("help"));
    QAction *manual = help->addAction(QCoreApplication::translate("MainWindow", "操作手册"));
    manual->setObjectName(QStringLiteral("manualAction"));
    manual->setShortcut(QKeySequence::HelpContents);
    QObject::connect(manual, &QAction::triggered, manual, [] { openManual(); });
}

void openManual()
{
    const QString page =
        ManualPage::indexFor(editorStartup::languageName(),
                             ManualPage::folders(QCoreApplication::applicationDirPath(),
                                                 QStringLiteral("korvex-message-editor")));
    if (page.isEmpty())
        editorPrompts::warn(QCoreApplication::translate("MainWindow", "找不到操作手册。"));
    else if (!editorPrompts::current().openUrl(QUrl::fromLocalFile(page)))
        editorPrompts::warn(
            QCoreApplication::translate("MainWindow", "无法打开操作手册：%1").arg(page));
}

} // namespace windowChrome
