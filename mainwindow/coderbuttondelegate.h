// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "coder.h"

#include <QColor>
#include <QStyledItemDelegate>

// Draws a row of the device list as the coder's button: a gradient in the
// colour of its state (lighter with a border when hovered or checked, the
// checked one with a dark frame and a bold name), the remark name or IP
// text, and a thin progress bar.  Compact rows are a third as tall, the bar
// beside the name.
class CoderButtonDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    static constexpr int kRowHeight = 50;
    static constexpr int kCompactRowHeight = 22;

    explicit CoderButtonDelegate(QObject *parent = nullptr);

    bool isCompact() const { return m_compact; }
    void setCompact(bool compact) { m_compact = compact; }

    // The colour a state's button shows in its middle, for the counts.
    static QColor stateColour(CoderState state);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    bool m_compact = false;
};
