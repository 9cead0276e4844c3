// SPDX-License-Identifier: GPL-3.0-or-later
// Dragging one item across the design view with a 1000-item message open
// (every item kind), as the designer sets the view up: the time from each
// mouse move to the end of the repaint it causes.  Next to it, in the same
// run, the same drag in a plain QGraphicsView on the same message, which has
// neither rulers nor band overlay.
//
//   bench_viewdrag            1000 items of every kind
//   bench_viewdrag --plant    10,000 items as a long production message has
//                             them (bench/plantmessage.h)
#include "barcodeitem.h"
#include "graphicsimageitem.h"
#include "graphicsscene.h"
#include "graphicsserialnumberitem.h"
#include "graphicsshiftcodeitem.h"
#include "graphicstextitem.h"
#include "graphicstimeitem.h"
#include "graphicsview.h"
#include "gridmessage.h"
#include "messagefile.h"
#include "pixellimit.h"
#include "plantmessage.h"
#include "zintwrapper.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QGraphicsPixmapItem>
#include <QGraphicsView>
#include <QImage>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {

constexpr int kItemCount = 1000;
// Mouse moves in one drag; BENCH_MOVES overrides for a quick look.
const int kMoves = qEnvironmentVariableIntValue("BENCH_MOVES") > 0
                       ? qEnvironmentVariableIntValue("BENCH_MOVES")
                       : 400; // mouse moves in one drag
constexpr int kStridePx = 3;  // pixels per move: 400 moves go 600 pixels right and back

bool writeMessage(const QString &path)
{
    return writeGridMessage(path, kItemCount);
}

void send(QWidget *target, QEvent::Type type, const QPoint &pos, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, pos, target->mapToGlobal(pos), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// Counts the paints of a viewport.
class PaintCounter : public QObject
{
public:
    int paints = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// Milliseconds of processor time this thread has used: unlike the wall
// clock it leaves out the time other programs on the machine take.
double threadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

struct Percentiles
{
    double median = 0, p90 = 0, p99 = 0, max = 0;
};

Percentiles percentiles(QVector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    const int n = samples.size();
    return {samples.at(n / 2), samples.at(n * 90 / 100), samples.at(std::min(n - 1, n * 99 / 100)),
            samples.last()};
}

struct Figures
{
    Percentiles wall, cpu;
    int missed = 0; // moves after which no repaint came
};

// Drags the item under `grab` (viewport pixels) right and back, timing each
// move until its repaint has been painted.
Figures drag(QGraphicsView &view, const QPoint &grab)
{
    QWidget *viewport = view.viewport();
    PaintCounter counter;
    viewport->installEventFilter(&counter);
    send(viewport, QEvent::MouseButtonPress, grab, Qt::LeftButton);
    QApplication::processEvents();

    QVector<double> wall;
    QVector<double> cpu;
    Figures f;
    QPoint at = grab;
    for (int i = 0; i < kMoves; ++i) {
        at.rx() += (i < kMoves / 2 ? kStridePx : -kStridePx);
        const int before = counter.paints;
        QElapsedTimer timer;
        timer.start();
        const double cpuStart = threadCpuMs();
        send(viewport, QEvent::MouseMove, at, Qt::LeftButton);
        while (counter.paints == before && timer.elapsed() < 1000)
            QApplication::processEvents();
        cpu << threadCpuMs() - cpuStart;
        wall << timer.nsecsElapsed() / 1e6;
        if (counter.paints == before)
            ++f.missed;
    }
    send(viewport, QEvent::MouseButtonRelease, at, Qt::NoButton);
    QApplication::processEvents();
    viewport->removeEventFilter(&counter);
    f.wall = percentiles(wall);
    f.cpu = percentiles(cpu);
    return f;
}

// The scene as the designer opens a message: 3000 x 1200, refitted.
void openMessage(GraphicsScene &scene, const QString &path)
{
    scene.setSceneRect(0, 0, 3000, 1200);
    scene.autoFitSceneRect = true;
    MessageFile::load(scene, path);
}

// Debug lines switched on by QT_LOGGING_RULES would dominate the timings;
// warnings pass.
void quietDebug(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

int main(int argc, char *argv[])
{
    qInstallMessageHandler(quietDebug);
    QApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    QTemporaryDir dir;
    if (!dir.isValid() || !QDir::setCurrent(dir.path()))
        return 1;
    const bool plant = app.arguments().contains(QStringLiteral("--plant"));
    if (!(plant ? PlantMessage::write("bench.spr", 10000) : writeMessage("bench.spr"))) {
        std::fprintf(stderr, "cannot write the message\n");
        return 1;
    }

    // The first text item sits at the top left; grab it at its middle.
    const QPointF textMiddle(60, 20);

    GraphicsScene designScene;
    openMessage(designScene, "bench.spr");
    auto *design = new GraphicsView;
    design->setScene(&designScene);
    design->setupMessageView();
    design->resize(800, design->height());
    design->show();
    if (!QTest::qWaitForWindowExposed(design))
        return 1;

    GraphicsScene plainScene;
    openMessage(plainScene, "bench.spr");
    QGraphicsView plain(&plainScene);
    plain.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    plain.setTransform(
        QTransform::fromScale(GraphicsView::kMessageViewScale, GraphicsView::kMessageViewScale));
    plain.centerOn(0, 0);
    plain.setDragMode(QGraphicsView::RubberBandDrag);
    plain.resize(800, 300);
    plain.show();
    if (!QTest::qWaitForWindowExposed(&plain))
        return 1;

    std::printf("message written and opened\n");
    qint64 pictureArea = 0;
    for (QGraphicsItem *item : designScene.items()) {
        if (auto *picture = dynamic_cast<QGraphicsPixmapItem *>(item))
            pictureArea += qint64(picture->pixmap().width()) * picture->pixmap().height();
    }
    std::printf("pictures of the items: %.1f million pixels, %.0f %% of the budget of a load\n",
                pictureArea / 1e6, 100.0 * pictureArea / PixelLimit::kMaxLoadArea);
    std::printf("items %d, moves per drag %d, %d px a move\n", int(designScene.items().size()),
                kMoves, kStridePx);
    std::printf("ms per move and repaint   wall: median p90 p99 max | thread cpu: median p90 "
                "p99 max | missed\n");
    for (int round = 0; round < 3; ++round) {
        for (QGraphicsView *view : {static_cast<QGraphicsView *>(design), &plain}) {
            const Figures f = drag(*view, view->mapFromScene(textMiddle));
            std::printf("%-14s %6.2f %6.2f %6.2f %6.2f | %6.2f %6.2f %6.2f %6.2f | %d\n",
                        view == design ? "GraphicsView" : "QGraphicsView", f.wall.median,
                        f.wall.p90, f.wall.p99, f.wall.max, f.cpu.median, f.cpu.p90, f.cpu.p99,
                        f.cpu.max, f.missed);
        }
    }
    delete design;
    return 0;
}
