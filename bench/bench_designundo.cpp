// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and redo of one drag of 200 selected items in the designer with a
// 1000-item message open (every item kind): the time from the undo (or
// redo) until the view has repainted, wall clock and this thread's
// processor time.  Next to it, in the same run, the drag itself: the
// repaint after moving the same 200 items by setPos() with no undo stack.
#include "barcodeitem.h"
#include "editwidget.h"
#include "graphicsimageitem.h"
#include "graphicsscene.h"
#include "graphicsserialnumberitem.h"
#include "graphicsshiftcodeitem.h"
#include "graphicstextitem.h"
#include "graphicstimeitem.h"
#include "graphicsview.h"
#include "gridmessage.h"
#include "messagefile.h"
#include "preflightdialog.h"
#include "zintwrapper.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QLoggingCategory>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QUndoStack>
#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {

constexpr int kItemCount = 1000;
constexpr int kSelected = 200;
constexpr int kRounds = 400;

bool writeMessage(const QString &path)
{
    return writeGridMessage(path, kItemCount);
}

void send(QWidget *target, QEvent::Type type, const QPoint &pos, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, pos, target->mapToGlobal(pos), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

double threadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

struct Figures
{
    double median = 0, p99 = 0, max = 0;
};

Figures percentiles(QVector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    const int n = samples.size();
    return {samples.at(n / 2), samples.at(std::min(n - 1, n * 99 / 100)), samples.last()};
}

void print(const char *what, const Figures &wall, const Figures &cpu)
{
    std::printf("%-28s wall p50 %6.2f  p99 %6.2f  max %6.2f ms | cpu p50 %6.2f  p99 %6.2f ms\n",
                what, wall.median, wall.p99, wall.max, cpu.median, cpu.p99);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("korvex.*.debug=false"));
    QTemporaryDir work;
    QDir::setCurrent(work.path());
    QDir().mkpath(QStringLiteral("Spray"));
    const QString path = QStringLiteral("Spray/thousand.spr");
    if (!writeMessage(path))
        return 1;

    EditWidget editor(path, EditWidget::ModeExisting);
    editor.setAttribute(Qt::WA_DeleteOnClose, false);
    editor.resize(1280, 800);
    editor.show();
    QApplication::processEvents();
    GraphicsScene *scene = editor.scene();
    auto *view = editor.findChild<GraphicsView *>(QStringLiteral("graphicsView"));
    // BENCH_FIT=1: the whole message in view (every item repainted).
    if (qEnvironmentVariableIntValue("BENCH_FIT") == 1)
        view->zoomToFit();
    QApplication::processEvents();

    // The 200 items of the first five rows, dragged by the first of them.
    scene->clearSelection();
    QList<QGraphicsItem *> items = scene->items(Qt::AscendingOrder);
    std::sort(items.begin(), items.end(),
              [](QGraphicsItem *a, QGraphicsItem *b) { return a->zValue() < b->zValue(); });
    for (int i = 0; i < kSelected; ++i)
        items.at(i)->setSelected(true);
    QWidget *viewport = view->viewport();
    const QPoint grab = view->mapFromScene(items.first()->sceneBoundingRect().center());
    send(viewport, QEvent::MouseButtonPress, grab, Qt::LeftButton);
    for (int step = 1; step <= 10; ++step)
        send(viewport, QEvent::MouseMove, grab + QPoint(4 * step, 2 * step), Qt::LeftButton);
    send(viewport, QEvent::MouseButtonRelease, grab + QPoint(40, 20), Qt::NoButton);
    QApplication::processEvents();
    QUndoStack *stack = editor.undoStack();
    if (stack->count() != 1 || items.first()->pos() == QPointF(0, 0)) {
        std::fprintf(stderr, "the drag made %d steps\n", stack->count());
        return 1;
    }

    // Alternating, so that both see the same load of the machine: an undo
    // or a redo, then the floor, the same 200 items moved away and back by
    // setPos() with no stack.
    QVector<double> wall, cpu, floorWall, floorCpu;
    const auto timed = [&](QVector<double> &w, QVector<double> &c, const auto &body) {
        QElapsedTimer timer;
        timer.start();
        const double cpuStart = threadCpuMs();
        body();
        viewport->repaint();
        c << threadCpuMs() - cpuStart;
        w << timer.nsecsElapsed() / 1e6;
    };
    for (int round = 0; round < kRounds; ++round) {
        timed(wall, cpu, [&] { round % 2 == 0 ? stack->undo() : stack->redo(); });
        for (const QPointF by : {QPointF(-10, -5), QPointF(10, 5)}) {
            timed(floorWall, floorCpu, [&] {
                for (int i = 0; i < kSelected; ++i)
                    items.at(i)->setPos(items.at(i)->pos() + by);
                scene->fitSceneRect();
            });
        }
    }
    std::printf("%d items, %d selected, %d rounds; goal: undo and repaint within 16 ms p99\n",
                kItemCount, kSelected, kRounds);
    print("undo/redo of the drag", percentiles(wall), percentiles(cpu));
    print("same move, no stack (floor)", percentiles(floorWall), percentiles(floorCpu));
    return 0;
}
