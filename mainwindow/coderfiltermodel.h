// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSortFilterProxyModel>

// The coders of a CoderListModel whose remark name, IP text, line or state name
// holds the filter text (any case); all of them while the text is empty.
//
// The filter is applied anew as a whole, in one layout change, never row by
// row: a thousand coders changing state or a key typed would otherwise
// remove and insert hundreds of separate row ranges, each costing the view
// and the selection a pass over all rows (a quarter of a second a key).
class CoderFilterModel : public QSortFilterProxyModel
{
    Q_OBJECT
public:
    explicit CoderFilterModel(QObject *parent = nullptr);

    QString filterText() const { return m_text; }
    void setFilterText(const QString &text);
    // After rows changed: a state may have moved a coder into or out of the filter.
    void refilter();

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    QString m_text;
};
