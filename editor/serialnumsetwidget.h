// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "itempanel.h"

#include <memory>

namespace Ui {
class SerialNumSetWidget;
}

class GraphicsSerialNumberItem;

// Counter number, base, width and fill character of a serial-number item.
class SerialNumSetWidget : public ItemPanel
{
    Q_OBJECT
public:
    explicit SerialNumSetWidget(QWidget *parent = nullptr);
    ~SerialNumSetWidget() override;

    void refresh() override;

protected:
    bool accepts(const QGraphicsItem *item) const override;

private slots:
    void on_counterIDcomboBox_currentIndexChanged(int index);
    void on_base10Btn_clicked();
    void on_base16Btn_clicked();
    void on_base34Btn_clicked();
    void on_digitsSpinBox_valueChanged(int value);
    void on_preCharLineEdit_textChanged(const QString &text);

private:
    GraphicsSerialNumberItem *serialItem() const;
    void setBase(int base);

    std::unique_ptr<Ui::SerialNumSetWidget> ui;
};
