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
    show(ui->cnt2XSpin, pos.x());
    show(ui->cnt2YSpin, pos.y());
    show(ui->cnt2RotateSpin, item->rotation());
    show(ui->cnt2FontCombo,
         panelControls::familyIndex(font.family(), fontFamilies::forCounter2, 16));
    show(ui->cnt2SizeSpin, font.pixelSize());
    show(ui->cnt2IntervalSpin, font.letterSpacing());
    show(ui->cnt2ModeCombo, item->digits() - 1);
}

void cnt2Setting::setCanvas(const panelControls::canvas &canvas)
{
    panelControls::setMaximum(ui->cnt2XSpin, panelControls::maxX(canvas));
    panelControls::setMaximum(ui->cnt2SizeSpin, panelControls::maxHeight(canvas));
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
