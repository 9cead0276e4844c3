// SPDX-License-Identifier: GPL-3.0-or-later
#include "devicelistpanel.h"

#include "changemydevicebtnremarknamedialog.h"
#include "coderbuttondelegate.h"
#include "coderfiltermodel.h"
#include "coderlistmodel.h"
#include "controllog.h"
#include "fleet.h"
#include "prompts.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPainter>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// In the order of the counts at the head.
constexpr CoderState kCountedStates[] = {CoderState::Printing, CoderState::Ready,
                                         CoderState::Stopped};

// Four short bars: rows made small.
QIcon compactIcon()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    for (int y = 2; y < 16; y += 4)
        painter.fillRect(1, y, 14, 2, QColor(60, 60, 60));
    painter.end();
    return QIcon(pixmap);
}

} // namespace

DeviceListPanel::DeviceListPanel(QWidget *parent)
    : QWidget(parent), m_model(new CoderListModel(this)), m_filterModel(new CoderFilterModel(this)),
      m_delegate(new CoderButtonDelegate(this)), m_filter(new QLineEdit(this)),
      m_compact(new QToolButton(this)), m_view(new QListView(this))
{
    m_filter->setObjectName(QStringLiteral("deviceFilterEdit"));
    m_filter->setPlaceholderText(tr("Filter: name, IP, state"));
    m_filter->setClearButtonEnabled(true);
    connect(m_filter, &QLineEdit::textChanged, this, [this](const QString &text) {
        m_filterModel->setFilterText(text);
        showCounts();
    });

    m_compact->setObjectName(QStringLiteral("compactListBtn"));
    m_compact->setIcon(compactIcon());
    m_compact->setToolTip(tr("Compact rows"));
    m_compact->setCheckable(true);
    connect(m_compact, &QToolButton::toggled, this, &DeviceListPanel::setCompact);

    auto *countRow = new QHBoxLayout;
    countRow->setContentsMargins(0, 0, 0, 0);
    countRow->setSpacing(2);
    const char *const names[] = {"printingCount", "readyCount", "stoppedCount"};
    for (int i = 0; i < 3; ++i) {
        const CoderState state = kCountedStates[i];
        auto *chip = new QToolButton(this);
        chip->setObjectName(QLatin1String(names[i]));
        chip->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        chip->setStyleSheet(QStringLiteral("QToolButton{background:%1;border:none;padding:1px;}"
                                           "QToolButton:hover{border:1px solid rgb(20,40,110);}")
                                .arg(CoderButtonDelegate::stateColour(state).name()));
        connect(chip, &QToolButton::clicked, this,
                [this, state] { setFilterText(CoderListModel::stateName(state)); });
        countRow->addWidget(chip);
        m_counts[i] = chip;
    }
    countRow->addWidget(m_compact);

    m_filterModel->setSourceModel(m_model);
    connect(m_model, &QAbstractItemModel::dataChanged, m_filterModel, &CoderFilterModel::refilter);
    m_view->setObjectName(QStringLiteral("deviceListView"));
    m_view->setModel(m_filterModel);
    m_view->setItemDelegate(m_delegate);
    // Every row is as tall as the first: scrolling and the layout of a
    // thousand rows need no row's own size.
    m_view->setUniformItemSizes(true);
    m_view->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setMouseTracking(true);
    m_view->viewport()->setAttribute(Qt::WA_Hover);
    m_view->viewport()->setBackgroundRole(QPalette::Window);
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_view, &QWidget::customContextMenuRequested, this, &DeviceListPanel::showContextMenu);
    connect(m_view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection &selected) {
                for (const QModelIndex &index : selected.indexes())
                    emit coderChecked(index.data(CoderListModel::DescriptorRole).toInt());
            });

    connect(m_model, &CoderListModel::countsChanged, this, &DeviceListPanel::showCounts);
    // This PC's coders: those of other lines are not connected here.
    const auto tellCount = [this] { emit countChanged(m_model->localCount()); };
    connect(m_model, &QAbstractItemModel::rowsInserted, this, tellCount);
    connect(m_model, &QAbstractItemModel::rowsRemoved, this, tellCount);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 2, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_filter);
    layout->addLayout(countRow);
    layout->addWidget(m_view);
    showCounts();
}

DeviceListPanel::~DeviceListPanel() = default;

void DeviceListPanel::follow(Fleet *fleet)
{
    connect(fleet, &Fleet::coderAdded, this, [this, fleet](int descriptor) {
        if (const Coder *coder = fleet->coder(descriptor)) {
            qCDebug(lcControl) << "some device connect!";
            m_model->addCoder(*coder);
        }
    });
    connect(fleet, &Fleet::coderRemoved, this, [this](int descriptor) {
        if (m_model->removeCoder(descriptor))
            qCDebug(lcControl) << "some device delete!";
    });
    connect(fleet, &Fleet::stateChanged, m_model, &CoderListModel::setState);
    connect(fleet, &Fleet::progressChanged, m_model, &CoderListModel::setProgress);
    connect(fleet, &Fleet::currentFileChanged, m_model, &CoderListModel::setCurrentFile);
    connect(fleet, &Fleet::remarkNameChanged, m_model, &CoderListModel::setRemarkName);
}

int DeviceListPanel::count() const
{
    return m_model->rowCount();
}

QList<int> DeviceListPanel::shownDescriptors() const
{
    QList<int> descriptors;
    for (int row = 0; row < m_filterModel->rowCount(); ++row)
        descriptors << m_filterModel->index(row, 0).data(CoderListModel::DescriptorRole).toInt();
    return descriptors;
}

QList<int> DeviceListPanel::checkedDescriptors() const
{
    QModelIndexList rows = m_view->selectionModel()->selectedIndexes();
    std::sort(rows.begin(), rows.end());
    QList<int> descriptors;
    for (const QModelIndex &index : rows)
        descriptors << index.data(CoderListModel::DescriptorRole).toInt();
    return descriptors;
}

bool DeviceListPanel::isChecked(int descriptor) const
{
    const QModelIndex index = indexOf(descriptor);
    return index.isValid() && m_view->selectionModel()->isSelected(index);
}

QModelIndex DeviceListPanel::indexOf(int descriptor) const
{
    const int row = m_model->rowOf(descriptor);
    return row < 0 ? QModelIndex() : m_filterModel->mapFromSource(m_model->index(row));
}

QString DeviceListPanel::countText(CoderState state) const
{
    for (int i = 0; i < 3; ++i) {
        if (kCountedStates[i] == state)
            return m_counts[i]->text();
    }
    return {};
}

void DeviceListPanel::setChecked(int descriptor, bool checked)
{
    const QModelIndex index = indexOf(descriptor);
    if (!index.isValid())
        return;
    QItemSelectionModel *selection = m_view->selectionModel();
    if (!checked)
        selection->select(index, QItemSelectionModel::Deselect);
    else if (m_view->selectionMode() == QAbstractItemView::SingleSelection)
        selection->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    else
        selection->setCurrentIndex(index, QItemSelectionModel::Select);
}

void DeviceListPanel::setMultiSelect(bool on)
{
    if (!on)
        m_view->clearSelection();
    m_view->setSelectionMode(on ? QAbstractItemView::MultiSelection
                                : QAbstractItemView::SingleSelection);
}

void DeviceListPanel::setFilterText(const QString &text)
{
    m_filter->setText(text);
}

bool DeviceListPanel::isCompact() const
{
    return m_delegate->isCompact();
}

void DeviceListPanel::setCompact(bool compact)
{
    m_compact->setChecked(compact);
    if (compact == m_delegate->isCompact())
        return;
    m_delegate->setCompact(compact);
    // Row sizes come from the delegate: lay the rows out anew.
    emit m_delegate->sizeHintChanged(m_filterModel->index(0, 0));
    m_view->doItemsLayout();
    emit compactChanged(compact);
}

void DeviceListPanel::editRemarkName(int descriptor)
{
    const int row = m_model->rowOf(descriptor);
    if (row < 0)
        return;
    const QModelIndex index = m_model->index(row);
    auto *dialog = new ChangeMyDeviceBtnRemarkNameDialog(
        this, index.data(CoderListModel::RemarkNameRole).toString());
    connect(dialog, &QDialog::accepted, this,
            [this, dialog, descriptor] { emit remarkNameEdited(descriptor, dialog->name()); });
    Prompts::exec(dialog);
}

// While a filter is on, a count reads "shown/all".
void DeviceListPanel::showCounts()
{
    std::array<int, 3> shown{};
    const bool filtered = !m_filterModel->filterText().isEmpty();
    for (int row = 0; filtered && row < m_filterModel->rowCount(); ++row) {
        const QModelIndex index = m_filterModel->index(row, 0);
        // A stale coder of another line is not counted: its state is not known.
        if (!index.data(CoderListModel::StaleRole).toBool())
            ++shown[index.data(CoderListModel::StateRole).toInt()];
    }
    for (int i = 0; i < 3; ++i) {
        const CoderState state = kCountedStates[i];
        const int n = m_model->stateCount(state);
        m_counts[i]->setText(filtered ? QStringLiteral("%1/%2").arg(shown[int(state)]).arg(n)
                                      : QString::number(n));
        m_counts[i]->setToolTip(
            tr("%1 %2: click to show only them").arg(n).arg(CoderListModel::stateName(state)));
    }
}

void DeviceListPanel::showContextMenu(const QPoint &at)
{
    const QModelIndex index = m_view->indexAt(at);
    if (!index.isValid())
        return;
    const int descriptor = index.data(CoderListModel::DescriptorRole).toInt();
    if (CoderListModel::isRemote(descriptor))
        return; // another line's station names its coders
    QMenu menu(this);
    menu.addAction(tr("Remark Name"), this, [this, descriptor] { editRemarkName(descriptor); });
    menu.exec(m_view->viewport()->mapToGlobal(at));
}
