// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowchrome.h"

#include "diagramitemfactory.h"
#include "fontawesome.h"
#include "ui_mainwindow.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QMenu>

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

} // namespace windowChrome
