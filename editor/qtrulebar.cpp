// SPDX-License-Identifier: GPL-3.0-or-later
#include "qtrulebar.h"

#include "graphicsview.h"

#include <QPainter>

QtRuleBar::QtRuleBar(Qt::Orientation direction, GraphicsView *view, QWidget *parent)
    : QWidget(parent), m_direction(direction), m_view(view)
{
    QFont rulerFont = parent ? parent->font() : font();
    rulerFont.setWeight(QFont::Normal);
    rulerFont.setPixelSize(10);
    setFont(rulerFont);
}

void QtRuleBar::setRange(double lower, double upper, double maxSize)
{
    m_range = RulerRange{lower, upper, maxSize};
}

void QtRuleBar::setUnitMode(int mode)
{
    m_unitMode = mode;
    update();
}

void QtRuleBar::setFillSceneOnly(bool on)
{
    m_fillSceneOnly = on;
    update();
}

QVector<RulerTick> QtRuleBar::ticks() const
{
    const bool horizontal = m_direction == Qt::Horizontal;
    return rulerTicks(m_range, horizontal ? width() : height(), horizontal ? height() : width(),
                      fontMetrics().height(), m_unitMode);
}

// The whole ruler, or with fillSceneOnly only the stretch beside the scene.
QRect QtRuleBar::faceRect() const
{
    if (!m_fillSceneOnly || !m_view || !m_view->scene())
        return rect();
    // Viewport coordinates; the rulers are numbered in the same ones.
    const QRect scene = m_view->mapFromScene(QRectF(m_view->sceneRect().toRect())).boundingRect();
    if (m_direction == Qt::Horizontal)
        return QRect(scene.left(), 0, scene.width(), height()).intersected(rect());
    return QRect(0, scene.top(), width(), scene.height()).intersected(rect());
}

void QtRuleBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect face = faceRect();
    painter.fillRect(face, m_faceColor);
    if (m_direction == Qt::Horizontal)
        painter.drawLine(face.bottomLeft(), face.bottomRight());
    else
        painter.drawLine(face.topRight(), face.bottomRight());

    const int thickness = m_direction == Qt::Horizontal ? height() : width();
    for (const RulerTick &tick : ticks()) {
        if (m_direction == Qt::Horizontal)
            painter.drawLine(tick.pos, thickness - tick.length, tick.pos, thickness - 1);
        else
            painter.drawLine(thickness - tick.length, tick.pos, thickness - 1, tick.pos);
        if (!tick.label.isEmpty())
            drawLabel(painter, tick);
    }

    if (m_direction == Qt::Horizontal)
        painter.drawLine(m_cursorPos.x(), 0, m_cursorPos.x(), height());
    else
        painter.drawLine(0, m_cursorPos.y(), width(), m_cursorPos.y());
}

void QtRuleBar::drawLabel(QPainter &painter, const RulerTick &tick) const
{
    const int textWidth = painter.fontMetrics().horizontalAdvance(tick.label);
    if (m_direction == Qt::Horizontal) {
        painter.drawText(QRect(QPoint(tick.pos + 2, 0), QPoint(tick.pos + 1 + textWidth, 15)),
                         Qt::AlignLeft | Qt::AlignTop, tick.label);
        return;
    }
    // Vertical labels run down the ruler, read with the head tilted right.
    painter.save();
    painter.translate(4, tick.pos + 2 + textWidth / 2);
    painter.rotate(90);
    painter.drawText(QRect(QPoint(-textWidth / 2, -8), QPoint(-textWidth / 2 + textWidth - 1, 7)),
                     Qt::AlignRight, tick.label);
    painter.restore();
}
