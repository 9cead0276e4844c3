// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class textSetting;
}
class diagramTextItem;
namespace panelControls {
struct canvas;
}

// The text item's panel.  Each control emits its value; the main window
// applies it to its current text item.
class textSetting : public QWidget
{
    Q_OBJECT
public:
    explicit textSetting(QWidget *parent = nullptr);
    ~textSetting() override;

    // Shows the item's values; a value outside a control's range shows
    // clamped.  Showing never emits, so it never changes the item.  Null
    // shows nothing.
    void fill(const diagramTextItem *item);
    // The ranges of position and size for the printer model and the scene;
    // emits nothing.
    void setCanvas(const panelControls::canvas &canvas);

signals:
    void textXChange(int x);
    void textYChange(int y);
    void textRotateChange(int degrees);
    void textFontChange(int index);
    void textSizeChange(int pixels);
    void textIntervalChange(int pixels);

private slots:
    void on_textXSpin_valueChanged(int value);
    void on_textYSpin_valueChanged(int value);
    void on_textRotateSpin_valueChanged(int value);
    void on_textFontCombo_currentIndexChanged(int index);
    void on_textSizeSpin_valueChanged(int value);
    void on_textIntervalSpin_valueChanged(int value);

private:
    std::unique_ptr<Ui::textSetting> ui;
};
