// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QJsonObject>
#include <QList>
#include <QMainWindow>
#include <memory>

class QAction;
class QButtonGroup;
class QGraphicsItem;
class QTimer;
class currentItemEditor;
class diagramScene;
class editorHistory;
class fileCommands;
class printerCanvas;
class settingPanels;

namespace Ui {
class MainWindow;
}

// The standalone editor: one message on a canvas as high as the chosen
// printer model prints, tool buttons that add items, an edit line for the
// content of the selected item, a property panel per item kind, and the
// file commands.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    diagramScene *scene() const { return m_scene; }
    currentItemEditor *items() const { return m_items; }
    fileCommands *files() const { return m_files; }
    editorHistory *history() const { return m_history; }
    QAction *undoAction() const { return m_undo; }
    QAction *redoAction() const { return m_redo; }
    // 0 to 3 for the 144, 300, 600 and 1200-dot models.
    int resolution() const;
    // The kind code of the last selected or created item (-1 before any,
    // and once it is deleted).
    int kind() const { return m_kind; }
    // The view's scale, 1.0 = one dot per pixel.
    qreal zoom() const;

public slots:
    void on_editPushButton_clicked();
    void itemSelected(QGraphicsItem *item);

    void newActionSlot();
    void openActionSlot();
    void saveActionSlot();
    void saveAsActionSlot();
    void exitActionSlot();
    void deleteActionSlot();

    void MenuFileText();
    void MenuFileTime();
    void MenuFileNumber();
    void MenuFileImage();
    void MenuFileBarcode();
    void MenuFileQRcode();

    void scene144();
    void scene300();
    void scene600();
    void scene1200();

    void QRCodeSetDynamicStyle();
    void on_deleteToolButton_clicked();
    void buttonGroupMenu();
    void buttonItemsClicked(int id);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void connectCommands();
    void connectPanels();
    // The undo history, its tool bar actions and their keys.
    void setUpHistory();
    // Puts the items of a document in place of the message's (undo, redo).
    void restoreDocument(const QJsonObject &document);
    // Index 0 to 3: the canvas of the model, then the panels' ranges.
    void switchResolution(int index);
    // Places a new item at the right edge and shows its panel.
    void placeItem(QGraphicsItem *item);
    // Takes the items out of the scene and deletes them.
    void discardItems(const QList<QGraphicsItem *> &items);
    // The page, the panel's values and the edit line for a kind.
    void showKind(int kind);
    // Panels and edit line disabled: the item they showed is gone.
    void showNothing();
    // The panels' ranges for the model and the scene's width.
    void updatePanelRanges();
    void refreshTitle();

    std::unique_ptr<Ui::MainWindow> ui;
    diagramScene *m_scene;
    currentItemEditor *m_items;
    fileCommands *m_files;
    settingPanels *m_panels = nullptr;
    QButtonGroup *m_buttons;
    QTimer *m_titleTimer;
    std::unique_ptr<printerCanvas> m_canvas;
    int m_kind = -1;
    editorHistory *m_history = nullptr;
    QAction *m_undo = nullptr;
    QAction *m_redo = nullptr;
};
