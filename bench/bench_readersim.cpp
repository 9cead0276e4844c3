// SPDX-License-Identifier: GPL-3.0-or-later
// What one print costs the code reader of reader-sim: the message drawn as
// it prints at the moment and its codes read by zbar, split into the two.
// Two messages: a job's label (an EAN-13, the lot in a Code 128 and a QR
// Code), and, given as the argument, the sample of every symbology.
#include "codedecoder.h"
#include "graphicsscene.h"
#include "messagefile.h"
#include "printpreview.h"
#include "readersim.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRounds = 100;

const char kJobMessage[] =
    R"({"TextItemInfo":[{"TextAtX":20,"TextAtY":1000,"TextContent":"ORANGE JUICE 1L",)"
    R"("TextFont":"DejaVu Sans,-1,80,5,50,0,0,0,0,0","TextID":"Text0"}],)"
    R"("BarcodeItemInfo":[)"
    R"({"BarAtX":20,"BarAtY":20,"BarContent":"590123412345","BarMode":13,"BarIsTextOn":true,)"
    R"("BarInputMode":1,"BarScale":2.0,"BarID":"B0"},)"
    R"({"BarAtX":20,"BarAtY":320,"BarContent":"LOT A2041","BarMode":20,"BarIsTextOn":true,)"
    R"("BarInputMode":1,"BarScale":2.0,"BarID":"B1"},)"
    R"({"BarAtX":20,"BarAtY":620,"BarContent":"https://korvex.org/p/5901234123457?lot=A2041",)"
    R"("BarMode":58,"BarIsTextOn":true,"BarInputMode":1,"BarScale":2.0,"BarID":"B2"}]})";

double percentile(std::vector<double> ms, int p)
{
    std::sort(ms.begin(), ms.end());
    return ms[std::min(ms.size() - 1, ms.size() * size_t(p) / 100)];
}

// Milliseconds per print: the whole read, then drawing and decoding alone.
void measure(const char *name, const QString &path)
{
    const QDateTime moment(QDate(2027, 3, 14), QTime(10, 30));
    ReaderSim reader;
    reader.decode(path, moment, 0); // loads the message once, as the reader keeps it
    GraphicsScene scene;
    if (!MessageFile::load(scene, path))
        return;
    CodeDecoder decoder;
    std::vector<double> whole, draw, read;
    int lines = 0;
    QSize size;
    for (int round = 0; round < kRounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        lines = reader.decode(path, moment, round).size();
        whole.push_back(timer.nsecsElapsed() / 1e6);
        timer.restart();
        PrintPreview::showDatesAt(scene, moment);
        const QImage picture = CodeDecoder::picture(scene);
        draw.push_back(timer.nsecsElapsed() / 1e6);
        timer.restart();
        decoder.decode(picture);
        read.push_back(timer.nsecsElapsed() / 1e6);
        size = picture.size();
    }
    std::printf("%-20s %4dx%-4d %2d lines  print p50 %6.1f p99 %6.1f ms  "
                "(draw p50 %6.1f, zbar p50 %6.1f)\n",
                name, size.width(), size.height(), lines, percentile(whole, 50),
                percentile(whole, 99), percentile(draw, 50), percentile(read, 50));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    QFile job(dir.filePath("job.spr"));
    if (!job.open(QIODevice::WriteOnly) || job.write(kJobMessage) < 0 || !job.flush())
        return 1;
    job.close();
    measure("job label, 3 codes", job.fileName());
    if (argc > 1)
        measure("every symbology", QString::fromLocal8Bit(argv[1]));
    return 0;
}
