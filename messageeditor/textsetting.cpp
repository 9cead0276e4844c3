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
    show(ui->textXSpin, pos.x());
    show(ui->textYSpin, pos.y());
    show(ui->textRotateSpin, rotation);
    show(ui->textFontCombo, panelControls::familyIndex(font.family(), fontFamilies::forText, 16));
    show(ui->textSizeSpin, font.pixelSize());
    show(ui->textIntervalSpin, font.letterSpacing());
}

void textSetting::setCanvas(const panelControls::canvas &canvas)
{
    panelControls::setMaximum(ui->textXSpin, panelControls::maxX(canvas));
    panelControls::setMaximum(ui->textSizeSpin, panelControls::maxHeight(canvas));
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
