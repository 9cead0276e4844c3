// SPDX-License-Identifier: GPL-3.0-or-later
// A first look at the standalone editor's canvas: the scene of the 300-dot
// models with one item of each kind, in a view where items can be selected
// and moved.  The main window with its tools and files replaces this.
#include "diagramitemfactory.h"
#include "diagramscene.h"

#include <QApplication>
#include <QGraphicsLineItem>
#include <QGraphicsView>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    diagramScene scene;
    scene.setSceneRect(0, 0, 80000, 300);
    scene.setBackgroundBrush(Qt::white);
    const QPen guide(Qt::darkBlue, 10, Qt::DashLine);
    scene.addLine(0, 0, 80000, 0, guide);
    scene.addLine(0, 300, 80000, 300, guide);
    for (int kind :
         {diagramItemFactory::Text, diagramItemFactory::Time, diagramItemFactory::Cnt,
          diagramItemFactory::Bar, diagramItemFactory::QRCode, diagramItemFactory::Image})
        scene.addAtRightEdge(diagramItemFactory::create(kind, 1));

    QGraphicsView view(&scene);
    view.setWindowTitle(QStringLiteral("MessageEditor"));
    view.setDragMode(QGraphicsView::RubberBandDrag);
    view.scale(0.3, 0.3);
    view.resize(1200, 300);
    view.centerOn(0, 0);
    view.show();
    return app.exec();
}
