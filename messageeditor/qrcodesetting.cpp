// SPDX-License-Identifier: GPL-3.0-or-later
#include "qrcodesetting.h"

#include "diagramqrcodeitem.h"
#include "panelcontrols.h"
#include "ui_qrcodesetting.h"

QRCodeSetting::QRCodeSetting(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::QRCodeSetting>())
{
    ui->setupUi(this);
}

QRCodeSetting::~QRCodeSetting() = default;

void QRCodeSetting::fill(const diagramQRCodeItem *item)
{
    if (!item)
        return;
    const QPointF pos = item->pos();
    const qrCodeParams params = item->params();
    using panelControls::show;
    show(ui->spinBox_QRCodeItemX, pos.x());
    show(ui->spinBox_QRCodeItemY, pos.y());
    show(ui->spinBox_QRCodeItemRotate, item->rotation());
    show(ui->spinBox_QRCodeItemScale, params.scale);
    show(ui->comboBox_QRCodeItemLevel, params.level);
    show(ui->comboBox_QRCodeItemVersion, params.version - 1);
}

void QRCodeSetting::setCanvas(const panelControls::canvas &canvas)
{
    panelControls::setMaximum(ui->spinBox_QRCodeItemX, panelControls::maxX(canvas));
}

void QRCodeSetting::on_spinBox_QRCodeItemX_valueChanged(int value)
{
    emit QRCodeXChange(value);
}

void QRCodeSetting::on_spinBox_QRCodeItemY_valueChanged(int value)
{
    emit QRCodeYChange(value);
}

void QRCodeSetting::on_spinBox_QRCodeItemRotate_valueChanged(int value)
{
    emit QRCodeRotateChange(value);
}

void QRCodeSetting::on_spinBox_QRCodeItemScale_valueChanged(int value)
{
    emit QRCodeScaleChange(value);
}

void QRCodeSetting::on_comboBox_QRCodeItemLevel_currentIndexChanged(int index)
{
    emit QRCodeLevelChange(index);
}

void QRCodeSetting::on_comboBox_QRCodeItemVersion_currentIndexChanged(int index)
{
    // The list starts at version 1 (21 × 21 modules).
    emit QRCodeVersionChange(index + 1);
}

void QRCodeSetting::on_pushButton_QRCodeItemDyna_clicked()
{
    emit QRCodeDynamicStyle();
}
