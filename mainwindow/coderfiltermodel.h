// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSortFilterProxyModel>

// The coders of a CoderListModel whose remark name, IP text or state name
// holds the filter text (any case); all of them while the text is empty.
class CoderFilterModel : public QSortFilterProxyModel
{
    Q_OBJECT
public:
    explicit CoderFilterModel(QObject *parent = nullptr);

    QString filterText() const { return m_text; }
    void setFilterText(const QString &text);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    QString m_text;
};
