// SPDX-License-Identifier: GPL-3.0-or-later
#include "shiftcodeset.h"
#include "ui_shiftcodeset.h"

#include "editorresources.h"
#include "graphicsshiftcodeitem.h"

#include <QHeaderView>
#include <QStandardItemModel>

namespace {
enum Column { CodeColumn = 0, TimeColumn = 1 };
const QString kTimeFormat = QStringLiteral("HH:mm");
} // namespace

ShiftCodeSet::ShiftCodeSet(QWidget *parent)
    : ItemPanel(parent), ui(std::make_unique<Ui::ShiftCodeSet>()),
      m_model(new QStandardItemModel(0, 2, this))
{
    initEditorResources();
    ui->setupUi(this);
    ui->tableView->setModel(m_model);
    ui->tableView->verticalHeader()->hide();
    ui->tableView->setSelectionBehavior(QAbstractItemView::SelectRows);
    ui->tableView->setSelectionMode(QAbstractItemView::SingleSelection);
    ui->tableView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ui->tableView->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    // The editors below the table change the chosen row only.
    connect(ui->tableView, &MyTableView::indexIsVaild, ui->lineEdit, &QWidget::setEnabled);
    connect(ui->tableView, &MyTableView::indexIsVaild, ui->timeEdit, &QWidget::setEnabled);
    ui->lineEdit->setEnabled(false);
    ui->timeEdit->setEnabled(false);
}

ShiftCodeSet::~ShiftCodeSet() = default;

bool ShiftCodeSet::accepts(const QGraphicsItem *item) const
{
    return item->type() == ItemTypeCode::kShiftCode;
}

GraphicsShiftCodeItem *ShiftCodeSet::shiftItem() const
{
    return static_cast<GraphicsShiftCodeItem *>(item());
}

void ShiftCodeSet::refresh()
{
    setEnabled(item());
    rebuildTable();
}

void ShiftCodeSet::rebuildTable()
{
    // Rebuilt also when the table became empty: a row left over from a
    // deleted shift would let the editors below write past the table.
    m_model->clear();
    m_model->setHorizontalHeaderLabels({tr("Code"), tr("Time")});
    const SignalBlockers blockers = blockControls({ui->lineEdit, ui->timeEdit});
    ui->lineEdit->clear();
    ui->lineEdit->setEnabled(false);
    ui->timeEdit->setEnabled(false);
    GraphicsShiftCodeItem *shift = shiftItem();
    if (!shift)
        return;
    for (const GraphicsShiftCodeItem::Shift &s : shift->shiftTable()) {
        auto *code = new QStandardItem(s.code);
        auto *time = new QStandardItem(s.start.toString(kTimeFormat));
        code->setTextAlignment(Qt::AlignCenter);
        time->setTextAlignment(Qt::AlignCenter);
        m_model->appendRow({code, time});
    }
    shift->refreshText();
}

int ShiftCodeSet::currentShift() const
{
    const QModelIndex current = ui->tableView->currentIndex();
    GraphicsShiftCodeItem *shift = shiftItem();
    if (!shift || !current.isValid() || current.row() >= shift->shiftTable().size())
        return -1;
    return current.row();
}

void ShiftCodeSet::showShift(int row)
{
    GraphicsShiftCodeItem *shift = shiftItem();
    if (!shift || row < 0 || row >= shift->shiftTable().size())
        return;
    const SignalBlockers blockers = blockControls({ui->lineEdit, ui->timeEdit});
    const GraphicsShiftCodeItem::Shift &s = shift->shiftTable().at(row);
    ui->lineEdit->setText(s.code);
    ui->timeEdit->setTime(s.start.isValid() ? s.start : QTime(0, 0));
    ui->lineEdit->setEnabled(true);
    ui->timeEdit->setEnabled(true);
}

void ShiftCodeSet::on_addToolButton_clicked()
{
    GraphicsShiftCodeItem *shift = shiftItem();
    if (!shift)
        return;
    shift->addShift(QStringLiteral("A"), QTime(0, 0));
    rebuildTable();
    const QModelIndex last = m_model->index(m_model->rowCount() - 1, TimeColumn);
    ui->tableView->setCurrentIndex(last);
    on_tableView_clicked(last);
}

void ShiftCodeSet::on_deleteToolButton_clicked()
{
    const int row = currentShift();
    if (row < 0 || shiftItem()->shiftTable().isEmpty())
        return;
    shiftItem()->shiftTable().remove(row);
    rebuildTable();
}

void ShiftCodeSet::on_refreshToolButton_clicked()
{
    rebuildTable();
}

void ShiftCodeSet::on_lineEdit_textChanged(const QString &text)
{
    const int row = currentShift();
    if (row < 0)
        return;
    shiftItem()->shiftTable()[row].code = text;
    m_model->item(row, CodeColumn)->setText(text);
    shiftItem()->refreshText();
}

void ShiftCodeSet::on_timeEdit_timeChanged(const QTime &time)
{
    const int row = currentShift();
    if (row < 0)
        return;
    shiftItem()->shiftTable()[row].start = time;
    m_model->item(row, TimeColumn)->setText(time.toString(kTimeFormat));
    shiftItem()->refreshText();
}

void ShiftCodeSet::on_tableView_clicked(const QModelIndex &index)
{
    if (currentShift() >= 0)
        showShift(index.row());
}
