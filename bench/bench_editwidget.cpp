// SPDX-License-Identifier: GPL-3.0-or-later
// The message editor on a message of 1000 items of every kind:
//  - opening it until it is shown, next to the floor of the same run: loading
//    the same file into a bare GraphicsScene shown in a plain QGraphicsView;
//  - selecting 200 items one after another, from the selection to the
//    property panel painted with the item's values.
// Each phase runs in a child process of its own, so that one-time costs (the
// font database, the first paint) fall on every phase alike.
//
//   bench_editwidget            1000 items, the six kinds in turn
//   bench_editwidget --plant    10,000 items as a long production message
//                               has them (bench/plantmessage.h)
#include "barcodeitem.h"
#include "editwidget.h"
#include "graphicsimageitem.h"
#include "graphicsscene.h"
#include "graphicsserialnumberitem.h"
#include "graphicsshiftcodeitem.h"
#include "graphicstextitem.h"
#include "graphicstimeitem.h"
#include "messagefile.h"
#include "plantmessage.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QGraphicsView>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

int kItemCount = 1000;
constexpr int kKinds = 6;
// Rounds within one child process (the first is a warm-up and not counted),
// and child processes per phase, run alternately so that the load of a shared
// machine falls on both phases alike.
constexpr int kRounds = 4;
constexpr int kChildren = 5;
constexpr int kSelections = 200;
const ItemType kKindOrder[kKinds] = {TypeText,    TypeTime,  TypeSerialNumber,
                                     TypeBarcode, TypeImage, TypeShiftCode};

void silent(QtMsgType, const QMessageLogContext &, const QString &) {}

// 1000 items, the kinds in turn, laid out in rows along the message.
void writeMessage(const QString &path)
{
    QImage picture(64, 48, QImage::Format_RGB32);
    picture.fill(Qt::white);
    for (int y = 0; y < 48; y += 2)
        for (int x = 0; x < 64; ++x)
            picture.setPixel(x, y, qRgb(0, 0, 0));
    QDir().mkpath("Image");
    picture.save("Image/stripes.png");

    GraphicsScene scene;
    for (int i = 0; i < kItemCount; ++i) {
        QGraphicsItem *item = GraphicsScene::createItem(kKindOrder[i % kKinds]);
        switch (item->type()) {
        case ItemTypeCode::kText:
            static_cast<GraphicsTextItem *>(item)->setPlainText(QString("Lot %1").arg(i));
            item->setData(ItemData::kId, QString("Text%1").arg(i));
            item->setData(ItemData::kIsExtern, false);
            break;
        case ItemTypeCode::kTime:
            static_cast<GraphicsTimeItem *>(item)->setTimeFormat("yyyy-MM-dd NR");
            break;
        case ItemTypeCode::kSerialNumber:
            static_cast<GraphicsSerialNumberItem *>(item)->setDigits(8);
            break;
        case ItemTypeCode::kBarcode: {
            auto *code = static_cast<BarcodeItem *>(item);
            code->setSymbology(i % 2 ? Zint::QZint::Code128 : Zint::QZint::QrCode);
            code->setContent(QString("KX%1").arg(i, 6, 10, QChar('0')));
            item->setData(ItemData::kId, QString("Barcode%1").arg(i));
            item->setData(ItemData::kIsExtern, false);
            break;
        }
        case ItemTypeCode::kImage:
            static_cast<GraphicsImageItem *>(item)->loadImage("Image/stripes.png");
            break;
        case ItemTypeCode::kShiftCode:
            static_cast<GraphicsShiftCodeItem *>(item)->addShift("B", QTime(14, 0));
            break;
        }
        item->setPos((i % 25) * 600, (i / 25) * 30);
        scene.addItem(item);
    }
    MessageFile::save(scene, path);
}

// Lets the window system show the widget and runs its first paint.
void waitShown(QWidget *widget)
{
    if (!QTest::qWaitForWindowExposed(widget))
        std::fprintf(stderr, "window not exposed\n");
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

double median(QVector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples.at(samples.size() / 2);
}

double percentile(QVector<double> samples, double p)
{
    std::sort(samples.begin(), samples.end());
    const int index = std::clamp(int(std::ceil(p * samples.size())) - 1, 0, samples.size() - 1);
    return samples.at(index);
}

int runOpen(const QString &path, bool floor)
{
    QVector<double> samples;
    for (int round = 0; round < kRounds; ++round) {
        if (round == 1)
            samples.clear();
        QElapsedTimer timer;
        timer.start();
        if (floor) {
            GraphicsScene scene;
            if (!MessageFile::load(scene, path) || scene.items().size() != kItemCount)
                return 1;
            QGraphicsView view(&scene);
            view.resize(821, 600);
            view.show();
            waitShown(&view);
            samples << timer.nsecsElapsed() / 1e6;
        } else {
            auto *editor = new EditWidget(path, EditWidget::ModeExisting);
            editor->show();
            waitShown(editor);
            samples << timer.nsecsElapsed() / 1e6;
            if (editor->scene()->items().size() != kItemCount)
                return 1;
            editor->setAttribute(Qt::WA_DeleteOnClose, false);
            delete editor;
        }
    }
    std::printf("%.2f\n", median(samples));
    return 0;
}

int runSelect(const QString &path)
{
    EditWidget editor(path, EditWidget::ModeExisting);
    editor.setAttribute(Qt::WA_DeleteOnClose, false);
    editor.show();
    waitShown(&editor);
    if (qEnvironmentVariableIsSet("BENCH_TRACE")) {
        QElapsedTimer t;
        t.start();
        const bool modified = editor.isModified();
        std::fprintf(stderr, "isModified %d: %.2f ms\n", modified, t.nsecsElapsed() / 1e6);
    }
    // Every kind in turn, so that each selection switches panels.
    QList<QGraphicsItem *> items = editor.scene()->items(Qt::AscendingOrder);
    std::sort(items.begin(), items.end(), [](QGraphicsItem *a, QGraphicsItem *b) {
        return a->zValue() < b->zValue() || (a->zValue() == b->zValue() && a->x() < b->x());
    });
    QVector<double> samples;
    for (int i = 0; i < kSelections; ++i) {
        QGraphicsItem *item = items.at((i * 7) % items.size());
        QElapsedTimer timer;
        timer.start();
        editor.scene()->clearSelection();
        item->setSelected(true);
        const double selectMs = timer.nsecsElapsed() / 1e6;
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        samples << timer.nsecsElapsed() / 1e6;
        if (qEnvironmentVariableIsSet("BENCH_TRACE"))
            std::fprintf(stderr, "%d kind %d %.2f select %.2f\n", i,
                         int(GraphicsScene::kindOf(item)), samples.last(), selectMs);
    }
    std::printf("%.2f %.2f %.2f\n", median(samples), percentile(samples, 0.99),
                percentile(samples, 1.0));
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    qInstallMessageHandler(silent);
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const bool plant = args.contains(QStringLiteral("--plant"));
    if (plant)
        kItemCount = 10000;
    if (args.size() == 5) {
        kItemCount = args.at(4).toInt();
        QDir::setCurrent(args.at(3));
        if (args.at(1) == "open")
            return runOpen(args.at(2), false);
        if (args.at(1) == "floor")
            return runOpen(args.at(2), true);
        if (args.at(1) == "select")
            return runSelect(args.at(2));
        if (args.at(1) == "write") { // for profiling one phase by hand
            writeMessage(args.at(2));
            return 0;
        }
        return 2;
    }

    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    const QString path = dir.filePath("bench.spr");
    if (plant) {
        if (!PlantMessage::write(path, kItemCount))
            return 1;
    } else {
        writeMessage(path);
    }
    std::printf("message of %d items (%s), %lld bytes; each figure the median of %d rounds "
                "after a warm-up\n",
                kItemCount, plant ? "production mix" : "6 kinds", QFile(path).size(), kRounds - 1);

    const auto child = [&](const QString &phase) {
        QProcess process;
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(args.at(0), {phase, path, dir.path(), QString::number(kItemCount)});
        process.waitForFinished(-1);
        const QString out = QString::fromLatin1(process.readAllStandardOutput()).trimmed();
        if (process.exitCode() != 0 || out.isEmpty()) {
            std::printf("%s failed\n", qPrintable(phase));
            std::exit(1);
        }
        return out.split(' ');
    };
    QVector<double> open, floor, ratios;
    for (int i = 0; i < kChildren; ++i) {
        open << child("open").at(0).toDouble();
        floor << child("floor").at(0).toDouble();
        ratios << open.last() / floor.last();
    }
    std::printf("open editor until shown   median %8.2f ms, best %8.2f ms\n", median(open),
                percentile(open, 0));
    std::printf("floor: scene + plain view median %8.2f ms, best %8.2f ms\n", median(floor),
                percentile(floor, 0));
    std::printf("open / floor: median of %d paired runs %.2f, best to best %.2f (goal: at most "
                "1.5)\n",
                kChildren, median(ratios), percentile(open, 0) / percentile(floor, 0));
    const QStringList select = child("select");
    std::printf("select %d items, selection to panel painted: median %s ms, p99 %s ms, max %s ms "
                "(goal: p99 at most 16 ms)\n",
                kSelections, qPrintable(select.at(0)), qPrintable(select.at(1)),
                qPrintable(select.at(2)));
    return 0;
}
