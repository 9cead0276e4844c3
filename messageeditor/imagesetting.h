// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class imageSetting;
}
class diagramImageItem;
namespace panelControls {
struct canvas;
}

// The image item's panel.  Each control emits its value; "选择图形" and
// "反 色" ask the main window to choose a picture and to reverse it.
class imageSetting : public QWidget
{
    Q_OBJECT
public:
    explicit imageSetting(QWidget *parent = nullptr);
    ~imageSetting() override;

    // Shows the item's values (the size is the shown picture's) and its
    // file's name; a value outside a control's range shows clamped.  Showing
    // never emits, so it never changes the item.  Null shows nothing.
    void fill(const diagramImageItem *item);
    // The ranges of position and size for the printer model and the scene;
    // emits nothing.
    void setCanvas(const panelControls::canvas &canvas);

signals:
    void imageXChange(int x);
    void imageYChange(int y);
    void imageWidthChange(int pixels);
    void imageHeightChange(int pixels);
    void imageRotateChange(int degrees);
    void imageSelectChange();
    void imageConverseChange();

private slots:
    void on_imageXSpin_valueChanged(int value);
    void on_imageYSpin_valueChanged(int value);
    void on_imageWidthSpin_valueChanged(int value);
    void on_imageHeightSpin_valueChanged(int value);
    void on_imageRotateSpin_valueChanged(int value);
    void on_imageSelectPush_clicked();
    void on_imageConversePush_clicked();

private:
    std::unique_ptr<Ui::imageSetting> ui;
};
