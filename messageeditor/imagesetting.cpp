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
    const bool xClamped = show(ui->imageXSpin, pos.x());
    const bool yClamped = show(ui->imageYSpin, pos.y());
    const bool widthClamped = show(ui->imageWidthSpin, size.width());
    const bool heightClamped = show(ui->imageHeightSpin, size.height());
    const bool rotationClamped = show(ui->imageRotateSpin, item->rotation());
    ui->fileNameLabel->setText(QFileInfo(item->path()).fileName());
    ui->fileNameLabel->setToolTip(item->path());
    // A value outside a control's range goes back to the item clamped, so
    // that panel and item agree; values inside the ranges are never sent.
    if (xClamped)
        emit imageXChange(ui->imageXSpin->value());
    if (yClamped)
        emit imageYChange(ui->imageYSpin->value());
    if (widthClamped)
        emit imageWidthChange(ui->imageWidthSpin->value());
    if (heightClamped)
        emit imageHeightChange(ui->imageHeightSpin->value());
    if (rotationClamped)
        emit imageRotateChange(ui->imageRotateSpin->value());
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
