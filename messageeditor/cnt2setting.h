// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class cnt2Setting;
}
class diagramCnt2Item;
namespace panelControls {
struct canvas;
}

// The counter-2 item's panel.  Each control emits its value; the main window
// applies it to its current counter-2 item.
class cnt2Setting : public QWidget
{
    Q_OBJECT
public:
    explicit cnt2Setting(QWidget *parent = nullptr);
    ~cnt2Setting() override;

    // Shows the item's values; a value outside a control's range shows
    // clamped.  Showing never emits, so it never changes the item.  Null
    // shows nothing.
    void fill(const diagramCnt2Item *item);
    // The ranges of position and size for the printer model and the scene;
    // emits nothing.
    void setCanvas(const panelControls::canvas &canvas);

signals:
    void cnt2XChange(int x);
    void cnt2YChange(int y);
    void cnt2RotateChange(int degrees);
    void cnt2FontChange(int index);
    void cnt2SizeChange(int pixels);
    void cnt2IntervalChange(int pixels);
    void cnt2ModeChange(int digitsIndex); // 0 to 7 for 1 to 8 digits

private slots:
    void on_cnt2XSpin_valueChanged(int value);
    void on_cnt2YSpin_valueChanged(int value);
    void on_cnt2RotateSpin_valueChanged(int value);
    void on_cnt2FontCombo_currentIndexChanged(int index);
    void on_cnt2SizeSpin_valueChanged(int value);
    void on_cnt2IntervalSpin_valueChanged(int value);
    void on_cnt2ModeCombo_currentIndexChanged(int index);

private:
    std::unique_ptr<Ui::cnt2Setting> ui;
};
