// SPDX-License-Identifier: GPL-3.0-or-later
#include "textsetwidget.h"
#include "ui_textsetwidget.h"

#include "fieldmenu.h"
#include "graphicstextitem.h"

TextSetWidget::TextSetWidget(QWidget *parent)
    : ItemPanel(parent), ui(std::make_unique<Ui::TextSetWidget>())
{
    ui->setupUi(this);
    // At the cursor; the text's change reaches the item as typing does.
    m_fieldMenu = new FieldMenu(ui->insertFieldBtn, [this](const QString &placeholder) {
        ui->textEdit->insertPlainText(placeholder);
        ui->textEdit->setFocus();
    });
}

void TextSetWidget::setSamples(const TemplateSamples &samples)
{
    m_fieldMenu->setSamples(samples);
}

TextSetWidget::~TextSetWidget() = default;

bool TextSetWidget::accepts(const QGraphicsItem *item) const
{
    return item->type() == ItemTypeCode::kText;
}

void TextSetWidget::refresh()
{
    const SignalBlockers blockers = blockControls({ui->textEdit, ui->externDataCheckBox});
    setEnabled(item());
    if (!item())
        return;
    ui->textEdit->setPlainText(static_cast<GraphicsTextItem *>(item())->toPlainText());
    ui->externDataCheckBox->setTristate(false);
    ui->externDataCheckBox->setChecked(item()->data(ItemData::kIsExtern).toBool());
}

void TextSetWidget::on_textEdit_textChanged()
{
    if (item())
        static_cast<GraphicsTextItem *>(item())->setPlainText(ui->textEdit->toPlainText());
}

void TextSetWidget::on_externDataCheckBox_toggled(bool checked)
{
    if (item())
        emit needExternData(item(), checked);
}
