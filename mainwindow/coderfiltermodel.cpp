// SPDX-License-Identifier: GPL-3.0-or-later
#include "coderfiltermodel.h"

#include "coderlistmodel.h"

CoderFilterModel::CoderFilterModel(QObject *parent) : QSortFilterProxyModel(parent)
{
    setDynamicSortFilter(false);
}

void CoderFilterModel::setFilterText(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed == m_text)
        return;
    m_text = trimmed;
    invalidate();
}

void CoderFilterModel::refilter()
{
    if (!m_text.isEmpty())
        invalidate();
}

bool CoderFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    if (m_text.isEmpty())
        return true;
    const QModelIndex row = sourceModel()->index(sourceRow, 0, sourceParent);
    const auto holds = [&](int role) {
        return row.data(role).toString().contains(m_text, Qt::CaseInsensitive);
    };
    return holds(CoderListModel::RemarkNameRole) || holds(CoderListModel::IpTextRole) ||
           holds(CoderListModel::NodeRole) ||
           CoderListModel::stateName(CoderState(row.data(CoderListModel::StateRole).toInt()))
               .contains(m_text, Qt::CaseInsensitive);
}
