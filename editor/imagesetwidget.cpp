// SPDX-License-Identifier: GPL-3.0-or-later
#include "imagesetwidget.h"
#include "ui_imagesetwidget.h"

#include "editorlog.h"
#include "graphicsimageitem.h"
#include "prompts.h"

#include <QDir>
#include <QImageReader>

ImageSetWidget::ImageSetWidget(QWidget *parent)
    : ItemPanel(parent), ui(std::make_unique<Ui::ImageSetWidget>())
{
    ui->setupUi(this);
}

ImageSetWidget::~ImageSetWidget() = default;

bool ImageSetWidget::accepts(const QGraphicsItem *item) const
{
    return item->type() == ItemTypeCode::kImage;
}

GraphicsImageItem *ImageSetWidget::imageItem() const
{
    return static_cast<GraphicsImageItem *>(item());
}

QString ImageSetWidget::pictureFilter()
{
    QStringList patterns;
    for (const QByteArray &format : QImageReader::supportedImageFormats())
        patterns << QStringLiteral("*.") + QString::fromLatin1(format);
    return tr("Images (%1)").arg(patterns.join(QLatin1Char(' ')));
}

void ImageSetWidget::refresh()
{
    const SignalBlockers blockers = blockControls({ui->imageWidthSpinBox, ui->imageHeightSpinBox});
    setEnabled(item());
    if (!item())
        return;
    // The picture's own size: the bounding rectangle of a pixmap item is one
    // dot larger (half a dot on each side).
    const QPixmap shown = imageItem()->pixmap();
    ui->imageWidthSpinBox->setValue(shown.width());
    ui->imageHeightSpinBox->setValue(shown.height());
}

void ImageSetWidget::on_selectImageToolButton_clicked()
{
    GraphicsImageItem *image = imageItem();
    if (!image)
        return;
    const QString file =
        Prompts::fileToOpen(this, tr("Select Image"), QDir::homePath(), pictureFilter());
    if (file.isEmpty())
        return;
    // The picture is copied into the working folder's "Image" folder, where
    // the message file will look for it.
    QString error;
    if (!image->addPicture(file, &error)) {
        qCDebug(lcEditor) << "picture refused:" << file << error;
        Prompts::warning(this, tr("Select Image"), error);
        return;
    }
    refresh();
}

void ImageSetWidget::on_imageWidthSpinBox_valueChanged(int value)
{
    if (GraphicsImageItem *image = imageItem()) {
        image->setImageWidth(value);
        image->rescale();
    }
}

void ImageSetWidget::on_imageHeightSpinBox_valueChanged(int value)
{
    if (GraphicsImageItem *image = imageItem()) {
        image->setImageHeight(value);
        image->rescale();
    }
}
