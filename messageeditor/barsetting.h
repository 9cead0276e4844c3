// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class barSetting;
}
class diagramBarItem;
namespace panelControls {
struct canvas;
}

// The barcode item's panel.  Each control emits its value; the main window
// applies it to its current barcode item.  There is no width control.
class barSetting : public QWidget
{
    Q_OBJECT
public:
    explicit barSetting(QWidget *parent = nullptr);
    ~barSetting() override;

    // Shows the item's values (the height is the shown picture's); a value
    // outside a control's range shows clamped.  Showing never emits, so it
    // never changes the item.  Null shows nothing.
    void fill(const diagramBarItem *item);
    // The ranges of position and size for the printer model and the scene;
    // emits nothing.
    void setCanvas(const panelControls::canvas &canvas);

signals:
    void barXChange(int x);
    void barYChange(int y);
    void barHeightChange(int pixels);
    void barRotateChange(int degrees);
    void barModeChange(int symbology);
    void barTextStateChange(bool shown);

private slots:
    void on_barXSpin_valueChanged(int value);
    void on_barYSpin_valueChanged(int value);
    void on_barHeightSpin_valueChanged(int value);
    void on_barRotateSpin_valueChanged(int value);
    void on_barModeCombo_currentIndexChanged(int index);
    void on_checkBox_showText_clicked(bool checked);

private:
    std::unique_ptr<Ui::barSetting> ui;
};
