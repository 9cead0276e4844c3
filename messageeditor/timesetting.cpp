// SPDX-License-Identifier: GPL-3.0-or-later
#include "timesetting.h"

#include "diagramtimeitem.h"
#include "editorprompts.h"
#include "fontfamilies.h"
#include "panelcontrols.h"
#include "ui_timesetting.h"

timeSetting::timeSetting(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::timeSetting>())
{
    ui->setupUi(this);
}

timeSetting::~timeSetting() = default;

void timeSetting::fill(const diagramTimeItem *item)
{
    if (!item)
        return;
    const QFont font = item->itemFont();
    const QPointF pos = item->pos();
    m_format = item->format();
    using panelControls::show;
    show(ui->timeXSpin, pos.x());
    show(ui->timeYSpin, pos.y());
    show(ui->timeRotateSpin, item->rotation());
    show(ui->timeFontCombo,
         panelControls::familyIndex(font.family(), fontFamilies::forCounterOrTime, 15));
    show(ui->timeSizeSpin, font.pixelSize());
    show(ui->timeSpacingSpin, font.letterSpacing());
}

void timeSetting::setCanvas(const panelControls::canvas &canvas)
{
    panelControls::setMaximum(ui->timeXSpin, panelControls::maxX(canvas));
    panelControls::setMaximum(ui->timeSizeSpin, panelControls::maxHeight(canvas));
}

void timeSetting::on_timeXSpin_valueChanged(int value)
{
    emit timeXChange(value);
}

void timeSetting::on_timeYSpin_valueChanged(int value)
{
    emit timeYChange(value);
}

void timeSetting::on_timeRotateSpin_valueChanged(int value)
{
    emit timeRotateChange(value);
}

void timeSetting::on_timeFontCombo_currentIndexChanged(int index)
{
    emit timeFontChange(index);
}

void timeSetting::on_timeSizeSpin_valueChanged(int value)
{
    emit timeSizeChange(value);
}

void timeSetting::on_timeSpacingSpin_valueChanged(int value)
{
    emit timeSpacingChange(value);
}

void timeSetting::on_changePushButton_clicked()
{
    const std::optional<QString> format = editorPrompts::current().chooseTimeFormat(this, m_format);
    if (!format)
        return;
    m_format = *format;
    emit timeModeChange(*format);
}
