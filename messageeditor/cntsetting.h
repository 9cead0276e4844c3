// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class cntSetting;
}
class diagramCntItem;
namespace panelControls {
struct canvas;
}

// The counter item's panel.  Each control emits its value; the main window
// applies it to its current counter item.
class cntSetting : public QWidget
{
    Q_OBJECT
public:
    explicit cntSetting(QWidget *parent = nullptr);
    ~cntSetting() override;

    // Shows the item's values; a value outside a control's range shows
    // clamped.  Showing never emits, so it never changes the item.  Null
    // shows nothing.
    void fill(const diagramCntItem *item);
    // The ranges of position and size for the printer model and the scene;
    // emits nothing.
    void setCanvas(const panelControls::canvas &canvas);

signals:
    void cntXChange(int x);
    void cntYChange(int y);
    void cntRotateChange(int degrees);
    void cntFontChange(int index);
    void cntSizeChange(int pixels);
    void cntIntervalChange(int pixels);
    void cntModeChange(int digitsIndex); // 0 to 7 for 1 to 8 digits
    void cntNameChange(int counter);     // 0 counter 1, 1 counter 2

private slots:
    void on_cntXSpin_valueChanged(int value);
    void on_cntYSpin_valueChanged(int value);
    void on_cntRotateSpin_valueChanged(int value);
    void on_cntFontCombo_currentIndexChanged(int index);
    void on_cntSizeSpin_valueChanged(int value);
    void on_cntIntervalSpin_valueChanged(int value);
    void on_cntModeCombo_currentIndexChanged(int index);
    void on_cntNameCombo_currentIndexChanged(int index);

private:
    std::unique_ptr<Ui::cntSetting> ui;
};
