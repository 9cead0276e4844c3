// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QAction;
class QButtonGroup;
class QUndoStack;
class QWidget;

namespace Ui {
class MainWindow;
}

// The parts of the main window's form that are set up in code: the icons,
// ids and menus of the tool buttons, the tool bar and the shortcuts.
namespace windowChrome {

// The two glyph actions that open the tool bar.
struct toolBarActions
{
    QAction *open;
    QAction *save;
};

// Glyph icons with the text underneath and as tool tip; the button group
// ids that choose the kind of item to add; the file commands as a menu on
// the file button.
void setUpToolButtons(Ui::MainWindow &ui, QButtonGroup *group);
// Open and save as glyphs, then the four printer models.
toolBarActions setUpToolBar(Ui::MainWindow &ui, QWidget *owner);
// Ctrl+N, Ctrl+O, Ctrl+S and Delete.
void setUpShortcuts(Ui::MainWindow &ui);

struct undoActions
{
    QAction *undo;
    QAction *redo;
};
// Undo and redo of the stack as glyphs before the printer models, on
// Ctrl+Z and Ctrl+Shift+Z or Ctrl+Y, enabled and named by the step they
// would take.
undoActions setUpUndo(Ui::MainWindow &ui, QUndoStack *stack, QWidget *owner);

// A help menu whose one item, also on F1, opens the operator's manual in
// the interface language (English where it has no translation).
void setUpHelp(Ui::MainWindow &ui);
// Opens the manual through the editor's prompts; says so when it is missing.
void openManual();

} // namespace windowChrome
