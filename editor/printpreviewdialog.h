// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QPointer>

#include <memory>

class GraphicsScene;
class GraphicsView;
class PrintPreview;
class QComboBox;
class QDateTimeEdit;
class QLabel;
class QSpinBox;
class QTreeWidget;

// "Preview at": the designer's message drawn as the coder prints it at a
// chosen date, time and shift, with the serial numbers at a chosen count
// (on copies of the counters), and beside it the next ten moments within
// five years at which the printed text changes at a day, shift or month
// boundary.
class PrintPreviewDialog : public QDialog
{
    Q_OBJECT
public:
    // The moment starts at the clock's now; the message is copied from
    // source now and on refresh().
    explicit PrintPreviewDialog(GraphicsScene *source, QWidget *parent = nullptr);
    ~PrintPreviewDialog() override;

    QDateTime moment() const;
    void setMoment(const QDateTime &moment);
    // The count every serial number shows; -1: each counter's own value.
    void setCount(int count);
    // Copies the designer's message again and redraws it.
    void refresh();

    GraphicsScene *previewScene() const { return m_scene.get(); }
    QTreeWidget *changeList() const { return m_changes; }
    // The fields named instead of listed: "Changes every minute: ...".
    QString paceText() const;

private:
    void fillShifts();
    void shiftChosen(int index);
    void redraw();
    void listChanges();

    QPointer<GraphicsScene> m_source;
    std::unique_ptr<GraphicsScene> m_scene;
    std::unique_ptr<PrintPreview> m_preview;
    QDateTimeEdit *m_at;
    QComboBox *m_shift;
    QSpinBox *m_count;
    GraphicsView *m_view;
    QTreeWidget *m_changes;
    QLabel *m_pace;
};
