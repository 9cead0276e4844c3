// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures per second of the standalone editor's linear barcode painter,
// next to libzint rendering the same symbol to its own raster at the same
// module width, in the same run.
#include "barcodepainter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <functional>
#include <zint.h>

namespace {

struct result
{
    double perSecond;
    QSize size;
};

// Runs body repeatedly for about a second; body returns the picture size.
result measure(const std::function<QSize()> &body)
{
    QSize size = body(); // warm-up: fonts, caches
    QElapsedTimer timer;
    timer.start();
    int runs = 0;
    while (timer.elapsed() < 1000) {
        size = body();
        ++runs;
    }
    return {runs * 1000.0 / timer.elapsed(), size};
}

QSize ours(int symbology, const QByteArray &content, int module, int height)
{
    return barcodePainter::paint(symbology, QString::fromLatin1(content), module, height, true)
        .picture.size();
}

// zint's raster draws 2 pixels per module at scale 1; its height is in
// modules.
QSize zint(int symbology, const QByteArray &content, int module, int height)
{
    zint_symbol *symbol = ZBarcode_Create();
    symbol->symbology = symbology;
    symbol->scale = module / 2.0f;
    symbol->height = float(height) / module;
    symbol->show_hrt = 1;
    QSize size;
    if (ZBarcode_Encode_and_Buffer(symbol, reinterpret_cast<const unsigned char *>(content.data()),
                                   content.size(), 0) < ZINT_ERROR)
        size = QSize(symbol->bitmap_width, symbol->bitmap_height);
    ZBarcode_Delete(symbol);
    return size;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTextStream out(stdout);
    struct
    {
        const char *name;
        int ours;
        int zint;
        QByteArray content;
    } cases[] = {
        {"EAN-13", barcodePainter::Ean13, BARCODE_EANX, "6901234567892"},
        {"Code 128 (20 characters)", barcodePainter::Code128, BARCODE_CODE128B,
         "ABCDEFGHIJabcdefghij"},
    };
    const int module = 4;
    const int height = 200;
    out << "m = " << module << ", H = " << height << ", text on\n";
    out << "| Symbol | painter /s | painter picture | libzint raster /s | libzint picture |\n";
    out << "|---|---|---|---|---|\n";
    for (const auto &c : cases) {
        const result mine = measure([&] { return ours(c.ours, c.content, module, height); });
        const result theirs = measure([&] {
            // The check digit is zint's to add: give it the twelve data digits.
            const QByteArray data = c.zint == BARCODE_EANX ? c.content.left(12) : c.content;
            return zint(c.zint, data, module, height);
        });
        out << "| " << c.name << " | " << qRound(mine.perSecond) << " | " << mine.size.width()
            << " x " << mine.size.height() << " | " << qRound(theirs.perSecond) << " | "
            << theirs.size.width() << " x " << theirs.size.height() << " |\n";
        out.flush();
    }
    return 0;
}
