// SPDX-License-Identifier: GPL-3.0-or-later
#include "cntsetting.h"

#include "diagramcntitem.h"
#include "fontfamilies.h"
#include "panelcontrols.h"
#include "ui_cntsetting.h"

cntSetting::cntSetting(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::cntSetting>())
{
    ui->setupUi(this);
}

cntSetting::~cntSetting() = default;

void cntSetting::fill(const diagramCntItem *item)
{
    if (!item)
        return;
    const QFont font = item->itemFont();
    const QPointF pos = item->pos();
    using panelControls::show;
    show(ui->cntXSpin, pos.x());
    show(ui->cntYSpin, pos.y());
    show(ui->cntRotateSpin, item->rotation());
    show(ui->cntFontCombo,
         panelControls::familyIndex(font.family(), fontFamilies::forCounterOrTime, 15));
    show(ui->cntSizeSpin, font.pixelSize());
    show(ui->cntIntervalSpin, font.letterSpacing());
    show(ui->cntModeCombo, item->digits() - 1);
    show(ui->cntNameCombo, item->counterNumber());
}

void cntSetting::setCanvas(const panelControls::canvas &canvas)
{
    panelControls::setMaximum(ui->cntXSpin, panelControls::maxX(canvas));
    panelControls::setMaximum(ui->cntSizeSpin, panelControls::maxHeight(canvas));
}

void cntSetting::on_cntXSpin_valueChanged(int value)
{
    emit cntXChange(value);
}

void cntSetting::on_cntYSpin_valueChanged(int value)
{
    emit cntYChange(value);
}

void cntSetting::on_cntRotateSpin_valueChanged(int value)
{
    emit cntRotateChange(value);
}

void cntSetting::on_cntFontCombo_currentIndexChanged(int index)
{
    emit cntFontChange(index);
}

void cntSetting::on_cntSizeSpin_valueChanged(int value)
{
    emit cntSizeChange(value);
}

void cntSetting::on_cntIntervalSpin_valueChanged(int value)
{
    emit cntIntervalChange(value);
}

void cntSetting::on_cntModeCombo_currentIndexChanged(int index)
{
    emit cntModeChange(index);
}

void cntSetting::on_cntNameCombo_currentIndexChanged(int index)
{
    emit cntNameChange(index);
}
