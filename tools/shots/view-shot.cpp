// SPDX-License-Identifier: GPL-3.0-or-later
// Shows a message file in the design view, set up as the designer and the
// preview set it up, and saves what the window shows as a PNG: for looking
// at rulers, head bands and zoom without the whole program.
//
//   view-shot MESSAGE.spr PICTURE.png [ZOOM|fit] [WIDTH] [HEADMASK]
#include "graphicsscene.h"
#include "graphicsview.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>

namespace {

// What the designer would show in a box goes to standard error instead: a
// tool must never wait for someone to close a dialog.
void printReason(const QString &title, const QString &text)
{
    if (text.isEmpty())
        return;
    std::fprintf(stderr, "view-shot: %s: %s\n", qPrintable(title),
                 qPrintable(QString(text).replace(QLatin1Char('\n'), QLatin1Char(' '))));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3 || args.size() > 6) {
        std::fprintf(stderr,
                     "usage: view-shot MESSAGE.spr PICTURE.png [ZOOM|fit] [WIDTH] [HEADMASK]\n");
        return 2;
    }
    GraphicsScene scene;
    scene.setSceneRect(0, 0, 3000, 1200);
    scene.autoFitSceneRect = true;
    auto *view = new GraphicsView;
    view->setScene(&scene);
    const MessageFile::Result loaded = view->loadFile(args.at(1));
    printReason(MessageFile::boxTitle(), loaded.error);
    printReason(MessageFile::dataFileBoxTitle(), loaded.dataFileProblem);
    if (!loaded)
        return 1;
    view->setupMessageView();
    view->resize(args.size() > 4 ? args.at(4).toInt() : 800, view->height());
    if (args.size() > 5)
        view->setHeadMask(quint8(args.at(5).toUInt()));
    view->show();

    // Zoom once the view has its size, then grab after the repaint.
    int status = 0;
    QTimer::singleShot(100, [&] {
        const QString zoom = args.size() > 3 ? args.at(3) : QString();
        if (zoom == QLatin1String("fit"))
            view->zoomToFit();
        else if (!zoom.isEmpty())
            view->setTransform(QTransform::fromScale(zoom.toDouble(), zoom.toDouble()));
        view->updateRulers();
        QTimer::singleShot(100, [&] {
            if (!view->grab().save(args.at(2))) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(args.at(2)));
                status = 1;
            }
            app.quit();
        });
    });
    app.exec();
    delete view;
    return status;
}
