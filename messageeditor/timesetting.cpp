// SPDX-License-Identifier: GPL-3.0-or-later
#include "timesetting.h"

#include "diagramtimeitem.h"
#include "fontfamilies.h"
#include "panelcontrols.h"
#include "settimemodedialog.h"
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
    const bool xClamped = show(ui->timeXSpin, pos.x());
    const bool yClamped = show(ui->timeYSpin, pos.y());
    const bool rotationClamped = show(ui->timeRotateSpin, item->rotation());
    show(ui->timeFontCombo,
         panelControls::familyIndex(font.family(), fontFamilies::forCounterOrTime, 15));
    const bool sizeClamped = show(ui->timeSizeSpin, font.pixelSize());
    const bool spacingClamped = show(ui->timeSpacingSpin, font.letterSpacing());
    // A value outside a control's range goes back to the item clamped, so
    // that panel and item agree; values inside the ranges are never sent.
    if (xClamped)
        emit timeXChange(ui->timeXSpin->value());
    if (yClamped)
        emit timeYChange(ui->timeYSpin->value());
    if (rotationClamped)
        emit timeRotateChange(ui->timeRotateSpin->value());
    if (sizeClamped)
        emit timeSizeChange(ui->timeSizeSpin->value());
    if (spacingClamped)
        emit timeSpacingChange(ui->timeSpacingSpin->value());
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
    const std::optional<QString> format = setTimeModeDialog::choose(this, m_format);
    if (!format)
        return;
    m_format = *format;
    emit timeModeChange(*format);
}
