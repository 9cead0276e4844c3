// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "itempanel.h"

#include <memory>

namespace Ui {
class ImageSetWidget;
}

class GraphicsImageItem;

// Picture and shown size of an image item.
class ImageSetWidget : public ItemPanel
{
    Q_OBJECT
public:
    explicit ImageSetWidget(QWidget *parent = nullptr);
    ~ImageSetWidget() override;

    void refresh() override;

    // The open-file filter for every picture format Qt can read here.
    static QString pictureFilter();

protected:
    bool accepts(const QGraphicsItem *item) const override;

private slots:
    void on_selectImageToolButton_clicked();
    void on_imageWidthSpinBox_valueChanged(int value);
    void on_imageHeightSpinBox_valueChanged(int value);

private:
    GraphicsImageItem *imageItem() const;

    std::unique_ptr<Ui::ImageSetWidget> ui;
};
