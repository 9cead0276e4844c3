// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rulerticks.h"

#include <QColor>
#include <QPoint>
#include <QWidget>

class GraphicsView;

// One ruler along an edge of the design view, numbered in print dots (or in
// head heights or millimetres) for the part of the scene in view.
class QtRuleBar : public QWidget
{
    Q_OBJECT
public:
    // Pixels across the ruler.
    static constexpr int kThickness = 16;

    QtRuleBar(Qt::Orientation direction, GraphicsView *view, QWidget *parent = nullptr);

    Qt::Orientation direction() const { return m_direction; }

    // The scene range in view, in dots; takes effect at the next repaint.
    void setRange(double lower, double upper, double maxSize);
    RulerRange range() const { return m_range; }

    int unitMode() const { return m_unitMode; }
    void setUnitMode(int mode);

    bool fillSceneOnly() const { return m_fillSceneOnly; }
    void setFillSceneOnly(bool on);

    // The ticks the ruler draws for its present size, range and font.
    QVector<RulerTick> ticks() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QRect faceRect() const;
    void drawLabel(QPainter &painter, const RulerTick &tick) const;

    int m_unitMode = RulerUnitDots;
    Qt::Orientation m_direction;
    QPoint m_cursorPos; // the marker line; never moved, so it sits at the start
    QColor m_faceColor = QColor(255, 255, 255);
    GraphicsView *m_view;
    RulerRange m_range;
    bool m_fillSceneOnly = false;
};
