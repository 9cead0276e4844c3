// SPDX-License-Identifier: GPL-3.0-or-later
#include "timesetwidget.h"
#include "ui_timesetwidget.h"

#include "editorresources.h"
#include "graphicstimeitem.h"

#include <QCoreApplication>
#include <QHelpEvent>

TimeSetWidget::TimeSetWidget(QWidget *parent)
    : ItemPanel(parent), ui(std::make_unique<Ui::TimeSetWidget>())
{
    initEditorResources();
    ui->setupUi(this);
}

TimeSetWidget::~TimeSetWidget() = default;

bool TimeSetWidget::accepts(const QGraphicsItem *item) const
{
    return item->type() == ItemTypeCode::kTime;
}

GraphicsTimeItem *TimeSetWidget::timeItem() const
{
    return static_cast<GraphicsTimeItem *>(item());
}

void TimeSetWidget::refresh()
{
    const SignalBlockers blockers =
        blockControls({ui->timeTypeLineEdit, ui->vaildDaysSpinBox, ui->bestBeforeCheckBox});
    setEnabled(item());
    if (GraphicsTimeItem *time = timeItem()) {
        ui->timeTypeLineEdit->setText(time->timeFormat());
        ui->vaildDaysSpinBox->setValue(time->validDayCount());
        ui->bestBeforeCheckBox->setChecked(time->followsShelfLife());
    }
}

void TimeSetWidget::on_timeTypeLineEdit_textChanged(const QString &text)
{
    if (GraphicsTimeItem *time = timeItem())
        time->setTimeFormat(text);
}

void TimeSetWidget::on_vaildDaysSpinBox_valueChanged(int value)
{
    if (GraphicsTimeItem *time = timeItem())
        time->setValidDays(value);
}

void TimeSetWidget::on_bestBeforeCheckBox_toggled(bool checked)
{
    if (GraphicsTimeItem *time = timeItem())
        time->setFollowsShelfLife(checked);
}

void TimeSetWidget::insertToken(const QString &token)
{
    // The change reaches the item through the line edit's text signal.
    ui->timeTypeLineEdit->insert(token);
    ui->timeTypeLineEdit->setFocus();
}

void TimeSetWidget::on_yearBtn_clicked()
{
    insertToken(QStringLiteral("yyyy"));
}

void TimeSetWidget::on_monthBtn_clicked()
{
    insertToken(QStringLiteral("MM"));
}

void TimeSetWidget::on_daysBtn_clicked()
{
    insertToken(QStringLiteral("dd"));
}

void TimeSetWidget::on_hoursBtn_clicked()
{
    insertToken(QStringLiteral("hh"));
}

void TimeSetWidget::on_minuteBtn_clicked()
{
    insertToken(QStringLiteral("mm"));
}

void TimeSetWidget::on_secondBtn_clicked()
{
    insertToken(QStringLiteral("ss"));
}

void TimeSetWidget::on_slashBtn_clicked()
{
    insertToken(QStringLiteral("/"));
}

void TimeSetWidget::on_minusBtn_clicked()
{
    insertToken(QStringLiteral("-"));
}

void TimeSetWidget::on_colonBtn_clicked()
{
    insertToken(QStringLiteral(":"));
}

void TimeSetWidget::on_clearBtn_clicked()
{
    ui->timeTypeLineEdit->clear();
}

void TimeSetWidget::on_helpBtn_clicked()
{
    // The help text is the line edit's tool tip; show it now, under the edit.
    QLineEdit *edit = ui->timeTypeLineEdit;
    const QPoint at(edit->width() / 2, edit->height());
    QHelpEvent event(QEvent::ToolTip, at, edit->mapToGlobal(at));
    QCoreApplication::sendEvent(edit, &event);
}
