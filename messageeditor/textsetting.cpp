// SPDX-License-Identifier: GPL-3.0-or-later
#include "textsetting.h"

#include "diagramtextitem.h"
#include "fontfamilies.h"
#include "panelcontrols.h"
#include "ui_textsetting.h"

textSetting::textSetting(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::textSetting>())
{
    ui->setupUi(this);
}

textSetting::~textSetting() = default;

void textSetting::fill(const diagramTextItem *item)
{
    if (!item)
        return;
    const QFont font = item->itemFont();
    const QPointF pos = item->pos();
    const double rotation = item->rotation();
    using panelControls::show;
    const bool xClamped = show(ui->textXSpin, pos.x());
    const bool yClamped = show(ui->textYSpin, pos.y());
    const bool rotationClamped = show(ui->textRotateSpin, rotation);
    show(ui->textFontCombo, panelControls::familyIndex(font.family(), fontFamilies::forText, 16));
    const bool sizeClamped = show(ui->textSizeSpin, font.pixelSize());
    const bool spacingClamped = show(ui->textIntervalSpin, font.letterSpacing());
    // The item takes what the panel shows: a value outside a control's
    // range (a position beyond 20000 read from a file) goes back to it
    // clamped, so that panel and item agree.  Values inside the ranges are
    // never sent.
    if (xClamped)
        emit textXChange(ui->textXSpin->value());
    if (yClamped)
        emit textYChange(ui->textYSpin->value());
    if (rotationClamped)
        emit textRotateChange(ui->textRotateSpin->value());
    if (sizeClamped)
        emit textSizeChange(ui->textSizeSpin->value());
    if (spacingClamped)
        emit textIntervalChange(ui->textIntervalSpin->value());
}

void textSetting::on_textXSpin_valueChanged(int value)
{
    emit textXChange(value);
}

void textSetting::on_textYSpin_valueChanged(int value)
{
    emit textYChange(value);
}

void textSetting::on_textRotateSpin_valueChanged(int value)
{
    emit textRotateChange(value);
}

void textSetting::on_textFontCombo_currentIndexChanged(int index)
{
    emit textFontChange(index);
}

void textSetting::on_textSizeSpin_valueChanged(int value)
{
    emit textSizeChange(value);
}

void textSetting::on_textIntervalSpin_valueChanged(int value)
{
    emit textIntervalChange(value);
}
