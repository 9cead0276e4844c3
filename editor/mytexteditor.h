// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QWidget>

#include <memory>

namespace Ui {
class MyTextEditor;
}

class QLineEdit;

// Edits a barcode's one-line content over several lines: GS1 data such as
// "[01]...[10]..." is shown one application identifier per line, and "OK"
// joins the lines back without any white space.  Laid over the window that
// holds the line edit; it deletes itself when closed.
class MyTextEditor : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kWidth = 600;
    static constexpr int kHeight = 250;
    static constexpr int kTop = 20;

    // Opens the editor over the top-level window of target, filled from it.
    static MyTextEditor *open(QLineEdit *target);
    ~MyTextEditor() override;

    // "[01]a[10]b" -> "[01]a", "[10]b"; text without a leading "[" stays one line.
    static QStringList splitContent(const QString &text);
    // The editor's text as one content: simplified, then every white-space
    // character removed.
    static QString joinContent(const QString &text);

protected:
    void paintEvent(QPaintEvent *event) override;

private slots:
    void on_okBtn_clicked();
    void on_CancelBtn_clicked();

private:
    MyTextEditor(QLineEdit *target, QWidget *parent);

    std::unique_ptr<Ui::MyTextEditor> ui;
    QPointer<QLineEdit> m_target;
};
