// SPDX-License-Identifier: GPL-3.0-or-later
#include "barsetting.h"

#include "diagrambaritem.h"
#include "panelcontrols.h"
#include "ui_barsetting.h"

barSetting::barSetting(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::barSetting>())
{
    ui->setupUi(this);
}

barSetting::~barSetting() = default;

void barSetting::fill(const diagramBarItem *item)
{
    if (!item)
        return;
    const QPointF pos = item->pos();
    using panelControls::show;
    const bool xClamped = show(ui->barXSpin, pos.x());
    const bool yClamped = show(ui->barYSpin, pos.y());
    const bool heightClamped = show(ui->barHeightSpin, item->pixmap().height());
    const bool rotationClamped = show(ui->barRotateSpin, item->rotation());
    show(ui->barModeCombo, item->symbology());
    show(ui->checkBox_showText, item->showText());
    // A value outside a control's range goes back to the item clamped, so
    // that panel and item agree; values inside the ranges are never sent.
    if (xClamped)
        emit barXChange(ui->barXSpin->value());
    if (yClamped)
        emit barYChange(ui->barYSpin->value());
    if (heightClamped)
        emit barHeightChange(ui->barHeightSpin->value());
    if (rotationClamped)
        emit barRotateChange(ui->barRotateSpin->value());
}

void barSetting::on_barXSpin_valueChanged(int value)
{
    emit barXChange(value);
}

void barSetting::on_barYSpin_valueChanged(int value)
{
    emit barYChange(value);
}

void barSetting::on_barHeightSpin_valueChanged(int value)
{
    emit barHeightChange(value);
}

void barSetting::on_barRotateSpin_valueChanged(int value)
{
    emit barRotateChange(value);
}

void barSetting::on_barModeCombo_currentIndexChanged(int index)
{
    emit barModeChange(index);
}

void barSetting::on_checkBox_showText_clicked(bool checked)
{
    emit barTextStateChange(checked);
}
