// SPDX-License-Identifier: GPL-3.0-or-later
// Save and load of a message of 1000 text items, next to the floor of the
// same work: parsing the same JSON with QJsonDocument and constructing the
// same 1000 items directly.  Each phase runs in a child process of its own so
// that its peak memory (ru_maxrss) is its own.
#include "graphicsscene.h"
#include "graphicstextitem.h"
#include "messagefile.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>

namespace {

constexpr int kItemCount = 1000;
constexpr int kRounds = 7;

long peakKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void fillScene(GraphicsScene &scene)
{
    for (int i = 0; i < kItemCount; ++i) {
        auto *item = new GraphicsTextItem;
        item->setPlainText(QString("Lot %1 best before").arg(i));
        item->setPos((i % 40) * 300, (i / 40) * 40);
        item->setZValue(i);
        item->setData(ItemData::kId, QString("Text%1").arg(i));
        item->setData(ItemData::kIsExtern, false);
        scene.addItem(item);
    }
}

double medianMs(QVector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples.at(samples.size() / 2);
}

// Runs one phase Rounds times and prints "<phase> <median ms> <peak KiB>".
int runPhase(const QString &phase, const QString &path)
{
    QVector<double> samples;
    for (int round = 0; round < kRounds; ++round) {
        QElapsedTimer timer;
        if (phase == "save") {
            GraphicsScene scene;
            fillScene(scene);
            timer.start();
            if (!MessageFile::save(scene, path))
                return 1;
        } else if (phase == "load") {
            GraphicsScene scene;
            timer.start();
            if (!MessageFile::load(scene, path) || scene.items().size() != kItemCount)
                return 1;
        } else if (phase == "floor") {
            GraphicsScene scene;
            timer.start();
            QFile file(path);
            file.open(QIODevice::ReadOnly | QIODevice::Text);
            const QJsonArray records =
                QJsonDocument::fromJson(file.readAll()).object().value("TextItemInfo").toArray();
            for (const QJsonValue &value : records) {
                const QJsonObject record = value.toObject();
                auto *item = new GraphicsTextItem;
                item->setPlainText(record.value("TextContent").toString());
                QFont font;
                font.fromString(record.value("TextFont").toString());
                item->setFont(font);
                item->setPos(record.value("TextAtX").toInt(), record.value("TextAtY").toInt());
                scene.addItem(item);
            }
        } else {
            return 2;
        }
        samples << timer.nsecsElapsed() / 1e6;
    }
    std::printf("%s %.2f %ld\n", qPrintable(phase), medianMs(samples), peakKiB());
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3)
        return runPhase(args.at(1), args.at(2));

    QTemporaryDir dir;
    const QString path = dir.filePath("bench.spr");
    {
        GraphicsScene scene;
        fillScene(scene);
        MessageFile::save(scene, path);
    }
    std::printf("message of %d text items, %lld bytes; median of %d rounds\n", kItemCount,
                QFile(path).size(), kRounds);
    std::printf("%-6s %10s %12s\n", "phase", "ms", "peak KiB");
    QMap<QString, double> ms;
    for (const QString phase : {"save", "load", "floor"}) {
        QProcess child;
        child.start(args.at(0), {phase, path});
        child.waitForFinished(-1);
        const QStringList out = QString::fromLatin1(child.readAllStandardOutput()).split(' ');
        if (child.exitCode() != 0 || out.size() != 3) {
            std::printf("%s failed\n", qPrintable(phase));
            return 1;
        }
        ms[phase] = out.at(1).toDouble();
        std::printf("%-6s %10.2f %12ld\n", qPrintable(phase), ms[phase],
                    out.at(2).trimmed().toLong());
    }
    std::printf("load / floor = %.2f (goal: at most 1.5)\n", ms["load"] / ms["floor"]);
    return 0;
}
