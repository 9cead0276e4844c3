// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QMap>
#include <QString>

#include <array>

class QAction;
class QGraphicsLineItem;
class QGraphicsView;
class diagramScene;

// The canvas as the chosen printer model prints it: as high as the model's
// head, zoomed to show that height whole, with a guide line at each head
// boundary (the lines of models chosen before stay) and, for Type A, one at
// its 144 dots; the model's action is shown bold and italic.
class printerCanvas
{
public:
    // The actions of the 144, 300, 600 and 1200-dot models, in that order.
    printerCanvas(diagramScene *scene, QGraphicsView *view, const std::array<QAction *, 4> &models);
    ~printerCanvas();
    printerCanvas(const printerCanvas &) = delete;
    printerCanvas &operator=(const printerCanvas &) = delete;

    // 0 to 3 for the 144, 300, 600 and 1200-dot models.
    int resolution() const { return m_resolution; }
    void switchTo(int index);
    // The view's scale, 1.0 = one dot per pixel.
    qreal zoom() const;

private:
    // A percentage such as "180%".
    void setZoom(const QString &percent);
    void addGuideLine(int y);

    diagramScene *m_scene;
    QGraphicsView *m_view;
    std::array<QAction *, 4> m_models;
    QMap<int, QGraphicsLineItem *> m_guideLines; // by y, in the scene for good
    QGraphicsLineItem *m_line144;                // in the scene only in Type A
    int m_resolution = 0;
};
