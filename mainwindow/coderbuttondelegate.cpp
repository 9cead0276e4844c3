// SPDX-License-Identifier: GPL-3.0-or-later
#include "coderbuttondelegate.h"

#include "coderlistmodel.h"

#include <QLinearGradient>
#include <QPainter>

namespace {

struct StateColours
{
    QRgb top, middle, bottom; // gradient stops 0, 0.4, 1.0
};

const StateColours kStateColours[] = {
    {qRgb(255, 174, 201), qRgb(255, 128, 169), qRgb(242, 53, 67)}, // stopped: red
    {qRgb(132, 226, 170), qRgb(105, 209, 123), qRgb(68, 199, 92)}, // printing: green
    {qRgb(255, 210, 0), qRgb(255, 185, 0), qRgb(255, 138, 60)},    // ready: yellow
};

const StateColours &coloursOf(int state)
{
    return kStateColours[qBound(0, state, 2)];
}

QColor withAlpha(QRgb rgb, qreal alpha)
{
    QColor colour(rgb);
    colour.setAlphaF(alpha);
    return colour;
}

const QColor kHoverBorder(164, 206, 249);
const QColor kCheckedBorder(20, 40, 110);
const QColor kBarBorder(170, 170, 170);
const QColor kBarChunk(48, 140, 198);
const QColor kMismatch(200, 0, 0);
constexpr int kBarHeight = 8;
constexpr int kCompactBarWidth = 36;

void paintBar(QPainter *painter, const QRect &groove, int progress)
{
    painter->setPen(kBarBorder);
    painter->setBrush(Qt::white);
    painter->drawRoundedRect(QRectF(groove).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
    if (progress <= 0)
        return;
    QRect chunk = groove.adjusted(1, 1, -1, -1);
    chunk.setWidth(chunk.width() * qMin(progress, 100) / 100);
    if (chunk.width() > 0)
        painter->fillRect(chunk, kBarChunk);
}

} // namespace

CoderButtonDelegate::CoderButtonDelegate(QObject *parent) : QStyledItemDelegate(parent) {}

QColor CoderButtonDelegate::stateColour(CoderState state)
{
    return QColor(coloursOf(int(state)).middle);
}

void CoderButtonDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                const QModelIndex &index) const
{
    const QRect rect = option.rect;
    const bool checked = option.state & QStyle::State_Selected;
    const bool hovered = option.state & QStyle::State_MouseOver;
    const StateColours &c = coloursOf(index.data(CoderListModel::StateRole).toInt());
    // A remote coder whose line is lost: its last state, greyed.
    const bool stale = index.data(CoderListModel::StaleRole).toBool();
    const qreal alpha = stale ? 0.3 : checked || hovered ? 0.8 : 1.0;

    painter->save();
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0, withAlpha(c.top, alpha));
    gradient.setColorAt(0.4, withAlpha(c.middle, alpha));
    gradient.setColorAt(1, withAlpha(c.bottom, alpha));
    painter->fillRect(rect, gradient);

    // A compact row keeps room for its name inside the checked frame.
    // A coder that does not hold its job's message is framed in red, checked or not.
    const bool mismatch = index.data(CoderListModel::JobMismatchRole).toBool();
    const int border = checked ? (m_compact ? 3 : 4) : hovered || mismatch ? 2 : 0;
    if (border > 0) {
        const QColor colour = mismatch ? kMismatch : checked ? kCheckedBorder : kHoverBorder;
        painter->fillRect(QRect(rect.left(), rect.top(), rect.width(), border), colour);
        painter->fillRect(QRect(rect.left(), rect.bottom() - border + 1, rect.width(), border),
                          colour);
        painter->fillRect(QRect(rect.left(), rect.top(), border, rect.height()), colour);
        painter->fillRect(QRect(rect.right() - border + 1, rect.top(), border, rect.height()),
                          colour);
    }

    const int progress = index.data(CoderListModel::ProgressRole).toInt();
    const QRect inner = rect.adjusted(border + 2, border + 2, -border - 2, -border - 2);
    QRect textRect = inner;
    if (m_compact) {
        const QRect groove(inner.right() - kCompactBarWidth + 1,
                           inner.center().y() - kBarHeight / 2 + 1, kCompactBarWidth, kBarHeight);
        paintBar(painter, groove, progress);
        textRect = QRect(inner.left() + 2, rect.top(), groove.left() - 4 - inner.left() - 2,
                         rect.height());
    } else {
        paintBar(
            painter,
            QRect(rect.left() + 2, rect.bottom() - 1 - kBarHeight, rect.width() - 4, kBarHeight),
            progress);
    }

    QFont font = option.font;
    font.setBold(checked);
    painter->setFont(font);
    painter->setPen(option.palette.color(QPalette::ButtonText));
    const QString lot = index.data(CoderListModel::LotRole).toString();
    const QString stage = index.data(CoderListModel::JobStageRole).toString();
    if (!m_compact && !stage.isEmpty()) {
        // The job's lot and stage on a light strip under the name.
        const QFontMetrics metrics(option.font);
        const QRect strip(inner.left() + 2, rect.bottom() - 3 - kBarHeight - metrics.height(),
                          inner.width() - 4, metrics.height());
        painter->fillRect(strip, QColor(255, 255, 255, 200));
        QFont small = option.font;
        small.setBold(mismatch);
        painter->setFont(small);
        painter->setPen(mismatch ? kMismatch : option.palette.color(QPalette::ButtonText));
        painter->drawText(
            strip, Qt::AlignCenter,
            metrics.elidedText(lot + QStringLiteral(" · ") + stage, Qt::ElideRight, strip.width()));
        textRect.setBottom(strip.top() - 1);
        painter->setFont(font);
        painter->setPen(option.palette.color(QPalette::ButtonText));
    }
    if (stale)
        painter->setPen(option.palette.color(QPalette::Disabled, QPalette::ButtonText));
    const QString text = painter->fontMetrics().elidedText(index.data(Qt::DisplayRole).toString(),
                                                           Qt::ElideRight, textRect.width());
    painter->drawText(textRect, (m_compact ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter,
                      text);
    painter->restore();
}

QSize CoderButtonDelegate::sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const
{
    return QSize(100, m_compact ? kCompactRowHeight : kRowHeight);
}
