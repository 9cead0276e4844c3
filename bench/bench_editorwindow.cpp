// SPDX-License-Identifier: GPL-3.0-or-later
// The standalone editor's window against its floor, in the same run:
//  - start-up: from the application object to the first shown window,
//    MainWindow against a bare QMainWindow showing the same form with the
//    same translator; each sample is a child process of its own, so that
//    font and resource loading count as they do at a real start;
//  - open: a message of 1000 items opened through the window against
//    messageReader loading the same file into a bare scene.
#include "diagramitemfactory.h"
#include "diagramscene.h"
#include "editorstartup.h"
#include "filecommands.h"
#include "mainwindow.h"
#include "messagereader.h"
#include "messagewriter.h"
#include "ui_mainwindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <algorithm>
#include <cstdio>

namespace {

constexpr int kStartRounds = 9;
constexpr int kOpenRounds = 15;
constexpr int kItemCount = 1000;
const char kCatalogue[] = ":/translate/en.qm";

double medianMs(QVector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples.at(samples.size() / 2);
}

// One start in this process; prints the milliseconds to the first shown
// window.
int startOnce(const QString &which)
{
    QElapsedTimer timer;
    timer.start();
    editorStartup::initResources();
    editorStartup::useUtf8Codec();
    const std::unique_ptr<QTranslator> translator = editorStartup::installTranslation(kCatalogue);
    std::unique_ptr<QMainWindow> window;
    Ui::MainWindow form;
    if (which == "window") {
        window = std::make_unique<MainWindow>();
    } else {
        window = std::make_unique<QMainWindow>();
        form.setupUi(window.get());
    }
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        return 1;
    QCoreApplication::processEvents(); // the first paint
    std::printf("%.3f\n", timer.nsecsElapsed() / 1e6);
    return 0;
}

double startMs(const QString &which)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {"start", which});
    child.waitForFinished(60000);
    return child.readAllStandardOutput().trimmed().toDouble();
}

// 1000 items, a fifth each of text, time, counter, barcode and QR code.
void writeMessage(const QString &path)
{
    diagramScene scene;
    const int kinds[] = {diagramItemFactory::Text, diagramItemFactory::Time,
                         diagramItemFactory::Cnt, diagramItemFactory::Bar,
                         diagramItemFactory::QRCode};
    for (int i = 0; i < kItemCount; ++i) {
        QGraphicsItem *item = diagramItemFactory::create(kinds[i % 5], 1);
        item->setPos((i / 5) * 350 % 75000, (i % 5) * 60);
        scene.addItem(item);
    }
    messageWriter::save(scene, path);
}

void benchOpen()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("thousand.spr");
    writeMessage(path);
    MainWindow window;
    window.show();
    QVector<double> reader, opened;
    for (int round = 0; round < kOpenRounds; ++round) {
        window.files()->newFile();
        QElapsedTimer timer;
        timer.start();
        if (!window.files()->openFile(path))
            std::printf("open failed\n");
        opened << timer.nsecsElapsed() / 1e6;
        {
            // The same canvas as the window's (Type A after start).
            diagramScene scene;
            scene.setSceneRect(window.scene()->sceneRect());
            QElapsedTimer timer;
            timer.start();
            messageReader::load(path, &scene);
            reader << timer.nsecsElapsed() / 1e6;
        }
    }
    const double r = medianMs(reader), o = medianMs(opened);
    std::printf("open 1000 items: window %.1f ms, reader into a bare scene %.1f ms, ratio %.2f\n",
                o, r, o / r);
}

void benchStart()
{
    QVector<double> window, bare;
    for (int round = 0; round < kStartRounds; ++round) {
        window << startMs("window");
        bare << startMs("bare");
    }
    const double w = medianMs(window), b = medianMs(bare);
    std::printf("start to first shown window: MainWindow %.1f ms, bare form %.1f ms, ratio %.2f\n",
                w, b, w / b);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args.at(1) == "start")
        return startOnce(args.at(2));
    benchStart();
    benchOpen();
    return 0;
}
