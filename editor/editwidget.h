// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "itemtypes.h"

#include <QDialog>
#include <QJsonObject>
#include <QPointer>

#include <memory>

namespace Ui {
class EditWidget;
}

class DesignPanels;
class DesignTemplate;
class TemplateFields;
class GraphicsScene;
class DesignHistory;
class PrintPreviewDialog;
class QUndoStack;
class QGraphicsItem;
class SaveObserver;

// The modal message editor: a design scene in its view, the add-item
// buttons, and beside them the property panel of the selected item.  It
// deletes itself when closed.
class EditWidget : public QDialog
{
    Q_OBJECT
public:
    // Values of mode given by the caller; kept, not interpreted here.
    enum Mode { ModeExisting = 0, ModeNew = 2 };

    // filePath: the message to edit, or empty for a new message that gets
    // its name at the first save.
    EditWidget(const QString &filePath, int mode, QWidget *parent = nullptr);
    ~EditWidget() override;

    // Writes the message to its file, asking for a name first when it has
    // none; true when it was written.
    bool save();

    QString filePath() const { return m_filePath; }
    int mode() const { return m_mode; }
    // The "Preview at" window while it is open.
    PrintPreviewDialog *printPreview() const;
    GraphicsScene *scene() const { return m_scene.get(); }
    // True when the message differs from what was last loaded or saved.
    bool isModified() const;
    // Every change made in the designer, one step each; clean at the state
    // last loaded or saved.
    QUndoStack *undoStack() const;
    // Told of every save, and may refuse one; null: none.  Not owned.
    void setSaveObserver(SaveObserver *observer) { m_saveObserver = observer; }
    // What the catalogue says of the message as a template; null: nothing.
    // Not owned.
    void setTemplateFields(TemplateFields *fields);
    DesignTemplate *designTemplate() const { return m_template; }

public slots:
    // Cancel, Escape and closing the window: asks first when the message
    // has unsaved changes.
    void reject() override;

signals:
    void addItems(ItemType kind);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private slots:
    void on_textBtn_clicked();
    void on_timeBtn_clicked();
    void on_serialNumBtn_clicked();
    void on_imageBtn_clicked();
    void on_barcodeBtn_clicked();
    void on_shiftBtn_clicked();
    void on_deleteBtn_clicked();
    void on_saveBtn_clicked();
    void on_previewBtn_clicked();
    void on_buttonBox_accepted();

private:
    void setupView();
    void setupSideTabs();
    void setupShortcuts();
    void setupUndo();
    // Adds an item of the kind as one undo step.
    void addItem(ItemType kind);
    // Scrolls the view to the selected item.
    void revealSelection();
    // The parts of the message a save writes, to tell whether it changed.
    QJsonObject snapshot() const;
    // Runs the pre-flight check; false when the operator went back to fix it.
    bool preflightAllows();
    // Selects the item alone and scrolls it into view.
    void selectItem(QGraphicsItem *item);
    void markSaved();

    std::unique_ptr<Ui::EditWidget> ui;
    int m_mode;
    QString m_filePath;
    std::unique_ptr<GraphicsScene> m_scene;
    DesignPanels *m_panels = nullptr;
    QJsonObject m_savedState;
    QPointer<PrintPreviewDialog> m_printPreview;
    DesignHistory *m_history = nullptr;
    SaveObserver *m_saveObserver = nullptr;
    DesignTemplate *m_template = nullptr;
};
