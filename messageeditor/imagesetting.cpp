// SPDX-License-Identifier: GPL-3.0-or-later
#include "imagesetting.h"

#include "diagramimageitem.h"
#include "panelcontrols.h"
#include "ui_imagesetting.h"

#include <QFileInfo>

imageSetting::imageSetting(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::imageSetting>())
{
    ui->setupUi(this);
}

imageSetting::~imageSetting() = default;

void imageSetting::fill(const diagramImageItem *item)
{
    if (!item)
        return;
    const QPointF pos = item->pos();
    const QSize size = item->pixmap().size();
    using panelControls::show;
    show(ui->imageXSpin, pos.x());
    show(ui->imageYSpin, pos.y());
    show(ui->imageWidthSpin, size.width());
    show(ui->imageHeightSpin, size.height());
    show(ui->imageRotateSpin, item->rotation());
    ui->fileNameLabel->setText(QFileInfo(item->path()).fileName());
    ui->fileNameLabel->setToolTip(item->path());
}

void imageSetting::setCanvas(const panelControls::canvas &canvas)
{
    panelControls::setMaximum(ui->imageXSpin, panelControls::maxX(canvas));
    panelControls::setMaximum(ui->imageWidthSpin, panelControls::maxX(canvas));
    panelControls::setMaximum(ui->imageHeightSpin, panelControls::maxHeight(canvas));
}

void imageSetting::on_imageXSpin_valueChanged(int value)
{
    emit imageXChange(value);
}

void imageSetting::on_imageYSpin_valueChanged(int value)
{
    emit imageYChange(value);
}

void imageSetting::on_imageWidthSpin_valueChanged(int value)
{
    emit imageWidthChange(value);
}

void imageSetting::on_imageHeightSpin_valueChanged(int value)
{
    emit imageHeightChange(value);
}

void imageSetting::on_imageRotateSpin_valueChanged(int value)
{
    emit imageRotateChange(value);
}

void imageSetting::on_imageSelectPush_clicked()
{
    emit imageSelectChange();
}

void imageSetting::on_imageConversePush_clicked()
{
    emit imageConverseChange();
}
