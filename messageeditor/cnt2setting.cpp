// SPDX-License-Identifier: GPL-3.0-or-later
#include "cnt2setting.h"

#include "diagramcnt2item.h"
#include "fontfamilies.h"
#include "panelcontrols.h"
#include "ui_cnt2setting.h"

cnt2Setting::cnt2Setting(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::cnt2Setting>())
{
    ui->setupUi(this);
}

cnt2Setting::~cnt2Setting() = default;

void cnt2Setting::fill(const diagramCnt2Item *item)
{
    if (!item)
        return;
    const QFont font = item->itemFont();
    const QPointF pos = item->pos();
    using panelControls::show;
    const bool xClamped = show(ui->cnt2XSpin, pos.x());
    const bool yClamped = show(ui->cnt2YSpin, pos.y());
    const bool rotationClamped = show(ui->cnt2RotateSpin, item->rotation());
    show(ui->cnt2FontCombo,
         panelControls::familyIndex(font.family(), fontFamilies::forCounter2, 16));
    const bool sizeClamped = show(ui->cnt2SizeSpin, font.pixelSize());
    const bool spacingClamped = show(ui->cnt2IntervalSpin, font.letterSpacing());
    show(ui->cnt2ModeCombo, item->digits() - 1);
    // A value outside a control's range goes back to the item clamped, so
    // that panel and item agree; values inside the ranges are never sent.
    if (xClamped)
        emit cnt2XChange(ui->cnt2XSpin->value());
    if (yClamped)
        emit cnt2YChange(ui->cnt2YSpin->value());
    if (rotationClamped)
        emit cnt2RotateChange(ui->cnt2RotateSpin->value());
    if (sizeClamped)
        emit cnt2SizeChange(ui->cnt2SizeSpin->value());
    if (spacingClamped)
        emit cnt2IntervalChange(ui->cnt2IntervalSpin->value());
}

void cnt2Setting::on_cnt2XSpin_valueChanged(int value)
{
    emit cnt2XChange(value);
}

void cnt2Setting::on_cnt2YSpin_valueChanged(int value)
{
    emit cnt2YChange(value);
}

void cnt2Setting::on_cnt2RotateSpin_valueChanged(int value)
{
    emit cnt2RotateChange(value);
}

void cnt2Setting::on_cnt2FontCombo_currentIndexChanged(int index)
{
    emit cnt2FontChange(index);
}

void cnt2Setting::on_cnt2SizeSpin_valueChanged(int value)
{
    emit cnt2SizeChange(value);
}

void cnt2Setting::on_cnt2IntervalSpin_valueChanged(int value)
{
    emit cnt2IntervalChange(value);
}

void cnt2Setting::on_cnt2ModeCombo_currentIndexChanged(int index)
{
    emit cnt2ModeChange(index);
}
