// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "coder.h"

#include <QWidget>

#include <array>
#include <functional>

class CoderButtonDelegate;
class CoderFilterModel;
class CoderListModel;
class Fleet;
class QDialog;
class QLineEdit;
class QListView;
class QModelIndex;
class QToolButton;

// The device list of the control window: one button per connected coder,
// newest on top, drawn by a list view so that a plant of a thousand coders
// costs a few rows' paint.  At its head a filter box (remark name, IP text
// or state), the number of coders in each state (a click filters by it)
// and a switch to compact rows.  Checking a coder is selecting its row;
// with multi-select on, a click checks or unchecks one more.  A coder the
// filter hides is unchecked, so that commands go only to coders in sight.
class DeviceListPanel : public QWidget
{
    Q_OBJECT
public:
    explicit DeviceListPanel(QWidget *parent = nullptr);
    ~DeviceListPanel() override;

    // Shows the coders of the fleet from now on.
    void follow(Fleet *fleet);

    CoderListModel *model() const { return m_model; }
    QListView *view() const { return m_view; }
    QLineEdit *filterEdit() const { return m_filter; }
    // All coders, shown or not.
    int count() const;
    // The coders the filter lets through, top to bottom.
    QList<int> shownDescriptors() const;
    QList<int> checkedDescriptors() const;
    bool isChecked(int descriptor) const;
    // The row of a coder in the view; invalid when none or filtered out.
    QModelIndex indexOf(int descriptor) const;
    // The count shown at the head for a state: "shown/all" while filtered.
    QString countText(CoderState state) const;

    // As a click on the coder's row would, without the toggle of multi-select.
    void setChecked(int descriptor, bool checked);
    // On: several coders may be checked. Off: none is, and checking one
    // unchecks the other.
    void setMultiSelect(bool on);
    void setFilterText(const QString &text);
    bool isCompact() const;
    void setCompact(bool compact);

    // Asks the operator for the coder's remark name (empty: none).
    void editRemarkName(int descriptor);

signals:
    void coderChecked(int descriptor);
    // The number of this PC's coders.
    void countChanged(int count);
    void remarkNameEdited(int descriptor, const QString &name);
    // Compact rows switched on or off.
    void compactChanged(bool compact);

private:
    void showCounts();
    void showContextMenu(const QPoint &at);

    CoderListModel *m_model;
    CoderFilterModel *m_filterModel;
    CoderButtonDelegate *m_delegate;
    QLineEdit *m_filter;
    QToolButton *m_compact;
    // Printing, ready, stopped, as at the head.
    std::array<QToolButton *, 3> m_counts{};
    QListView *m_view;
};
