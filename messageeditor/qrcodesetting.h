// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class QRCodeSetting;
}
class diagramQRCodeItem;
namespace panelControls {
struct canvas;
}

// The QR code item's panel.  Each control emits its value; "可变" asks the
// main window for the dynamic content dialog.  There is no control for the
// converse flag: it comes only from files.
class QRCodeSetting : public QWidget
{
    Q_OBJECT
public:
    explicit QRCodeSetting(QWidget *parent = nullptr);
    ~QRCodeSetting() override;

    // Shows the item's values; a value outside a control's range shows
    // clamped, and a version the side list does not offer leaves it blank.
    // Showing never emits, so it never changes the item.  Null shows nothing.
    void fill(const diagramQRCodeItem *item);
    // The ranges of position and size for the printer model and the scene;
    // emits nothing.
    void setCanvas(const panelControls::canvas &canvas);

signals:
    void QRCodeXChange(int x);
    void QRCodeYChange(int y);
    void QRCodeRotateChange(int degrees);
    void QRCodeLevelChange(int level);     // 0 L, 1 M, 2 Q, 3 H
    void QRCodeScaleChange(int pixels);    // per module
    void QRCodeVersionChange(int version); // 1 to 5
    void QRCodeDynamicStyle();

private slots:
    void on_spinBox_QRCodeItemX_valueChanged(int value);
    void on_spinBox_QRCodeItemY_valueChanged(int value);
    void on_spinBox_QRCodeItemRotate_valueChanged(int value);
    void on_spinBox_QRCodeItemScale_valueChanged(int value);
    void on_comboBox_QRCodeItemLevel_currentIndexChanged(int index);
    void on_comboBox_QRCodeItemVersion_currentIndexChanged(int index);
    void on_pushButton_QRCodeItemDyna_clicked();

private:
    std::unique_ptr<Ui::QRCodeSetting> ui;
};
