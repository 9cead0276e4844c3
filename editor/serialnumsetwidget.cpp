// SPDX-License-Identifier: GPL-3.0-or-later
#include "serialnumsetwidget.h"
#include "ui_serialnumsetwidget.h"

#include "graphicsserialnumberitem.h"

#include <QListView>

namespace {
constexpr int kCounterCount = 4; // counters the coder offers, numbered from 1
} // namespace

SerialNumSetWidget::SerialNumSetWidget(QWidget *parent)
    : ItemPanel(parent), ui(std::make_unique<Ui::SerialNumSetWidget>())
{
    ui->setupUi(this);
    const QSignalBlocker blocker(ui->counterIDcomboBox);
    ui->counterIDcomboBox->setView(new QListView(ui->counterIDcomboBox));
    for (int id = 1; id <= kCounterCount; ++id)
        ui->counterIDcomboBox->addItem(tr("Counter%1").arg(id), id);
}

SerialNumSetWidget::~SerialNumSetWidget() = default;

bool SerialNumSetWidget::accepts(const QGraphicsItem *item) const
{
    return item->type() == ItemTypeCode::kSerialNumber;
}

GraphicsSerialNumberItem *SerialNumSetWidget::serialItem() const
{
    return static_cast<GraphicsSerialNumberItem *>(item());
}

void SerialNumSetWidget::refresh()
{
    const SignalBlockers blockers =
        blockControls({ui->counterIDcomboBox, ui->base10Btn, ui->base16Btn, ui->base34Btn,
                       ui->digitsSpinBox, ui->preCharLineEdit});
    setEnabled(item());
    GraphicsSerialNumberItem *serial = serialItem();
    if (!serial)
        return;
    ui->counterIDcomboBox->setCurrentIndex(
        ui->counterIDcomboBox->findData(int(serial->counterNumber())));
    switch (serial->base()) {
    case GraphicsSerialNumberItem::Decimal:
        ui->base10Btn->setChecked(true);
        break;
    case GraphicsSerialNumberItem::Hexadecimal:
        ui->base16Btn->setChecked(true);
        break;
    case GraphicsSerialNumberItem::Base34:
        ui->base34Btn->setChecked(true);
        break;
    default:
        break;
    }
    ui->digitsSpinBox->setValue(serial->digitCount());
    const QChar fill = serial->fillChar();
    ui->preCharLineEdit->setText(fill.isNull() ? QString() : QString(fill));
}

void SerialNumSetWidget::on_counterIDcomboBox_currentIndexChanged(int index)
{
    // Only the number that is saved changes: the item stays bound to the
    // counter it has and its text stays as it is.
    if (GraphicsSerialNumberItem *serial = serialItem(); serial && index >= 0)
        serial->setCounterNumber(qint8(ui->counterIDcomboBox->itemData(index).toInt()));
}

void SerialNumSetWidget::setBase(int base)
{
    if (GraphicsSerialNumberItem *serial = serialItem()) {
        serial->setSystemBase(base);
        serial->refreshText();
    }
}

void SerialNumSetWidget::on_base10Btn_clicked()
{
    setBase(GraphicsSerialNumberItem::Decimal);
}

void SerialNumSetWidget::on_base16Btn_clicked()
{
    setBase(GraphicsSerialNumberItem::Hexadecimal);
}

void SerialNumSetWidget::on_base34Btn_clicked()
{
    setBase(GraphicsSerialNumberItem::Base34);
}

void SerialNumSetWidget::on_digitsSpinBox_valueChanged(int value)
{
    if (GraphicsSerialNumberItem *serial = serialItem()) {
        serial->setDigits(qint8(value));
        serial->refreshText();
    }
}

void SerialNumSetWidget::on_preCharLineEdit_textChanged(const QString &text)
{
    if (GraphicsSerialNumberItem *serial = serialItem()) {
        serial->setPreFixChar(text.isEmpty() ? QChar(0) : text.at(0));
        serial->refreshText();
    }
}
