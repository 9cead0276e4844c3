// SPDX-License-Identifier: GPL-3.0-or-later
// The next ten changes of the printed text, as "Preview at" lists them, for
// a message of 50 date items: the fields read from the scene and the search
// through up to five years.  Two messages: everyday formats with best-before
// offsets of 0 to 49 weeks (a change every midnight, so the search ends
// within days), and formats that change once a year, on 1 January, half of
// them also every hour (only five changes in five years: the search runs
// through all of them).
#include "graphicsscene.h"
#include "graphicstimeitem.h"
#include "printtimeline.h"

#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kItems = 50;
constexpr int kRounds = 200;

void fill(GraphicsScene &scene, const QStringList &formats, int dayStep)
{
    for (int i = 0; i < kItems; ++i) {
        auto *item = new GraphicsTimeItem;
        item->setTimeFormat(formats.at(i % formats.size()));
        item->setValidDays(dayStep * i);
        item->setPos(300 * (i % 10), 300 * (i / 10 % 4));
        scene.addItem(item);
    }
}

// Milliseconds per listing, p50 and p99 of kRounds.
void measure(const char *name, GraphicsScene &scene)
{
    const QDateTime from(QDate(2027, 2, 27), QTime(12, 0));
    std::vector<double> ms;
    int listed = 0;
    for (int round = 0; round < kRounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        const PrintTimeline timeline(scene);
        listed = timeline.nextChanges(from, 10, 5).size();
        ms.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%-34s %2d changes  p50 %7.3f ms  p99 %7.3f ms  max %7.3f ms (goal 50 ms)\n", name,
                listed, ms[ms.size() / 2], ms[ms.size() * 99 / 100], ms.back());
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    GraphicsScene everyday;
    fill(everyday,
         {"dd/MM/yyyy", "'EXP' dd.MM.yy", "yyyy-MM-dd", "MM/yyyy", "'W'NN NR", "dd MMM yyyy",
          "yyyyMMdd"},
         7);
    measure("50 everyday dates, 0-343 days on", everyday);
    GraphicsScene rare;
    fill(rare, {"yyyy", "'LOT' yy", "yyyy HH:mm", "'Y'yy 'H'HH"}, 0);
    measure("50 yearly dates, some hourly", rare);
    return 0;
}
