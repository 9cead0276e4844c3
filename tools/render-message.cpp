// SPDX-License-Identifier: GPL-3.0-or-later
// Renders a message file to a PNG, as the designer shows it: for looking at
// messages without a display, and for checking what a coder was sent.
//
//   render-message MESSAGE.spr PICTURE.png
#include "graphicsscene.h"
#include "messagefile.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: render-message MESSAGE.spr PICTURE.png\n");
        return 2;
    }
    GraphicsScene scene;
    if (!MessageFile::load(scene, args.at(1)))
        return 1;
    scene.clearSelection();
    const QRectF area = scene.sceneRect().adjusted(-10, -10, 10, 10);
    QImage picture(area.size().toSize(), QImage::Format_RGB32);
    picture.fill(QColor(220, 220, 220));
    QPainter painter(&picture);
    scene.render(&painter, QRectF(QPointF(0, 0), area.size()), area);
    painter.end();
    if (!picture.save(args.at(2))) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(args.at(2)));
        return 1;
    }
    return 0;
}
