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
    const bool xClamped = show(ui->cntXSpin, pos.x());
    const bool yClamped = show(ui->cntYSpin, pos.y());
    const bool rotationClamped = show(ui->cntRotateSpin, item->rotation());
    show(ui->cntFontCombo,
         panelControls::familyIndex(font.family(), fontFamilies::forCounterOrTime, 15));
    const bool sizeClamped = show(ui->cntSizeSpin, font.pixelSize());
    const bool spacingClamped = show(ui->cntIntervalSpin, font.letterSpacing());
    show(ui->cntModeCombo, item->digits() - 1);
    show(ui->cntNameCombo, item->counterNumber());
    // A value outside a control's range goes back to the item clamped, so
    // that panel and item agree; values inside the ranges are never sent.
    if (xClamped)
        emit cntXChange(ui->cntXSpin->value());
    if (yClamped)
        emit cntYChange(ui->cntYSpin->value());
    if (rotationClamped)
        emit cntRotateChange(ui->cntRotateSpin->value());
    if (sizeClamped)
        emit cntSizeChange(ui->cntSizeSpin->value());
    if (spacingClamped)
        emit cntIntervalChange(ui->cntIntervalSpin->value());
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
