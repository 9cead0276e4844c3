// SPDX-License-Identifier: GPL-3.0-or-later
#include "printercanvas.h"

#include "diagramscene.h"
#include "editoritemtypes.h"

#include <QAction>
#include <QGraphicsLineItem>
#include <QGraphicsView>

namespace {

const QPen &guidePen()
{
    static const QPen pen(Qt::darkBlue, 10, Qt::DashLine);
    return pen;
}

// Per printer model: the zoom that shows the whole print height, and the
// head boundaries that get a guide line.
struct printerModel
{
    const char *zoom;
    QList<int> guides;
};

const printerModel &model(int index)
{
    static const printerModel models[4] = {
        {"180%", {}},
        {"88%", {0, 300}},
        {"47%", {0, 300, 600}},
        {"23%", {0, 300, 600, 900, 1200}},
    };
    return models[index];
}

} // namespace

printerCanvas::printerCanvas(diagramScene *scene, QGraphicsView *view,
                             const std::array<QAction *, 4> &models)
    : m_scene(scene), m_view(view), m_models(models),
      m_line144(new QGraphicsLineItem(0, 144, editorResolution::kMaxWidth, 144))
{
    m_scene->setSceneRect(0, 0, editorResolution::kMaxWidth, 300);
    m_scene->setBackgroundBrush(Qt::white);
    addGuideLine(0);
    addGuideLine(300);
    m_view->setScene(m_scene);
    setZoom(QStringLiteral("88%"));
    m_view->centerOn(0, 0);
    m_view->setDragMode(QGraphicsView::RubberBandDrag);
    m_line144->setPen(guidePen());
}

printerCanvas::~printerCanvas()
{
    if (!m_line144->scene())
        delete m_line144;
}

qreal printerCanvas::zoom() const
{
    return m_view->transform().m11();
}

void printerCanvas::setZoom(const QString &percent)
{
    const qreal scale = percent.left(percent.indexOf(QLatin1Char('%'))).toDouble() / 100;
    const QTransform old = m_view->transform();
    m_view->resetTransform();
    m_view->translate(old.dx(), old.dy());
    m_view->scale(scale, scale);
}

void printerCanvas::addGuideLine(int y)
{
    if (m_guideLines.contains(y))
        return; // lines of earlier models stay; one per boundary is enough
    m_guideLines.insert(y, m_scene->addLine(0, y, editorResolution::kMaxWidth, y, guidePen()));
}

void printerCanvas::switchTo(int index)
{
    const printerModel &m = model(index);
    m_scene->setSceneRect(0, 0, editorResolution::kMaxWidth, editorResolution::kHeights[index]);
    m_scene->setBackgroundBrush(Qt::white);
    setZoom(QString::fromLatin1(m.zoom));
    for (int y : m.guides)
        addGuideLine(y);
    if (index == 0 && !m_line144->scene())
        m_scene->addItem(m_line144);
    else if (index != 0 && m_line144->scene())
        m_scene->removeItem(m_line144);
    for (int i = 0; i < 4; ++i) {
        QFont font = m_models[i]->font();
        font.setWeight(i == index ? 75 : 50);
        font.setItalic(i == index);
        m_models[i]->setFont(font);
    }
    m_view->setScene(m_scene);
    m_view->centerOn(0, 0);
    m_view->setDragMode(QGraphicsView::RubberBandDrag);
    m_resolution = index;
}
