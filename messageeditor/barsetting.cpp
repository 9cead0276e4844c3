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
    show(ui->barXSpin, pos.x());
    show(ui->barYSpin, pos.y());
    show(ui->barHeightSpin, item->pixmap().height());
    show(ui->barRotateSpin, item->rotation());
    show(ui->barModeCombo, item->symbology());
    show(ui->checkBox_showText, item->showText());
}

void barSetting::setCanvas(const panelControls::canvas &canvas)
{
    panelControls::setMaximum(ui->barXSpin, panelControls::maxX(canvas));
    panelControls::setMaximum(ui->barHeightSpin, panelControls::maxHeight(canvas));
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
