// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class timeSetting;
}
class diagramTimeItem;
namespace panelControls {
struct canvas;
}

// The time item's panel.  Each control emits its value; "更改" asks for a
// new format.  The main window applies them to its current time item.
class timeSetting : public QWidget
{
    Q_OBJECT
public:
    explicit timeSetting(QWidget *parent = nullptr);
    ~timeSetting() override;

    // Shows the item's values; a value outside a control's range shows
    // clamped.  Showing never emits, so it never changes the item.  Null
    // shows nothing.
    void fill(const diagramTimeItem *item);
    // The ranges of position and size for the printer model and the scene;
    // emits nothing.
    void setCanvas(const panelControls::canvas &canvas);

signals:
    void timeXChange(int x);
    void timeYChange(int y);
    void timeRotateChange(int degrees);
    void timeFontChange(int index);
    void timeSizeChange(int pixels);
    void timeSpacingChange(int pixels);
    void timeModeChange(const QString &format);

private slots:
    void on_timeXSpin_valueChanged(int value);
    void on_timeYSpin_valueChanged(int value);
    void on_timeRotateSpin_valueChanged(int value);
    void on_timeFontCombo_currentIndexChanged(int index);
    void on_timeSizeSpin_valueChanged(int value);
    void on_timeSpacingSpin_valueChanged(int value);
    void on_changePushButton_clicked();

private:
    std::unique_ptr<Ui::timeSetting> ui;
    QString m_format; // the shown item's, where the format dialog starts
};
