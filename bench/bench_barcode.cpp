// SPDX-License-Identifier: GPL-3.0-or-later
// Symbols per second through Zint::QZint::renderPixmap at the item's default
// scale (2.0: 8 pixels a module), next to the floor of the same run:
// libzint drawing the same picture itself, ZBarcode_Encode_and_Buffer at the
// raster scale that gives 8 pixels a module (4.0), plus the copy of its
// bitmap into a QImage.  Also the bare encode-and-vectorise call the wrapper
// starts from, and allocating and clearing a white image of the size.
#include "zintwrapper.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QTextStream>

#include <zint.h>

#include <cstring>

namespace {

struct Case
{
    const char *name;
    int symbology;
    const char *data;
    bool text;
};
const Case kCases[] = {
    {"QR Code", BARCODE_QRCODE, "123456", false},
    {"Code 128", BARCODE_CODE128, "Korvex-128 lot 7", false},
    {"EAN-13", BARCODE_EANX, "950110153000", false},
    {"Code 128 + text", BARCODE_CODE128, "Korvex-128 lot 7", true},
    {"EAN-13 + text", BARCODE_EANX, "950110153000", true},
};
constexpr qint64 kRunMs = 1000;
// Zint's raster draws 2 pixels a module at scale 1; the item's pixmap 8 at 2.0.
constexpr float kRasterScale = 4.0f;

template <typename F> double perSecond(F &&work)
{
    QElapsedTimer timer;
    timer.start();
    qint64 count = 0;
    while (timer.elapsed() < kRunMs) {
        for (int i = 0; i < 20; ++i)
            work();
        count += 20;
    }
    return count * 1000.0 / timer.elapsed();
}

zint_symbol *newSymbol(const Case &c, float scale)
{
    zint_symbol *symbol = ZBarcode_Create();
    symbol->symbology = c.symbology;
    symbol->scale = scale;
    symbol->input_mode = UNICODE_MODE;
    symbol->show_hrt = c.text ? 1 : 0;
    return symbol;
}

// libzint's own picture: encoded, rasterised and copied into a QImage.
QImage zintRaster(const Case &c)
{
    zint_symbol *symbol = newSymbol(c, kRasterScale);
    ZBarcode_Encode_and_Buffer(symbol, reinterpret_cast<const unsigned char *>(c.data),
                               int(std::strlen(c.data)), 0);
    const QImage image = QImage(symbol->bitmap, symbol->bitmap_width, symbol->bitmap_height,
                                3 * symbol->bitmap_width, QImage::Format_RGB888)
                             .convertToFormat(QImage::Format_RGB32);
    ZBarcode_Delete(symbol);
    return image;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    // The wrapper's debug lines are diagnostics; their destination is free.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    QTextStream out(stdout);
    out << "symbol           renderPixmap/s  zint raster/s  ratio  vector/s  white/s  pixmap     "
           "raster\n";
    // A symbol name as the argument runs that one alone (for a profiler).
    const QString only = app.arguments().value(1);
    for (const Case &c : kCases) {
        if (!only.isEmpty() && only != QLatin1String(c.name))
            continue;
        Zint::QZint zint;
        zint.setSymbology(c.symbology);
        zint.setText(QString::fromLatin1(c.data));
        zint.setShowText(c.text);
        const QSize size = zint.renderPixmap().size();
        const QSize rasterSize = zintRaster(c).size();
        const double wrapped = perSecond([&] { zint.renderPixmap(); });
        const double raster = perSecond([&] { zintRaster(c); });
        const double vector = perSecond([&] {
            zint_symbol *symbol = newSymbol(c, 2.0f);
            ZBarcode_Encode_and_Buffer_Vector(symbol,
                                              reinterpret_cast<const unsigned char *>(c.data),
                                              int(std::strlen(c.data)), 0);
            ZBarcode_Delete(symbol);
        });
        const double clear = perSecond([&] {
            QImage image(size, QImage::Format_RGB32);
            image.fill(Qt::white);
        });
        out << qSetFieldWidth(17) << Qt::left << c.name << qSetFieldWidth(16)
            << QString::number(wrapped, 'f', 0) << qSetFieldWidth(15)
            << QString::number(raster, 'f', 0) << qSetFieldWidth(7)
            << QString::number(raster / wrapped, 'f', 2) << qSetFieldWidth(10)
            << QString::number(vector, 'f', 0) << qSetFieldWidth(9)
            << QString::number(clear, 'f', 0) << qSetFieldWidth(11)
            << QStringLiteral("%1x%2").arg(size.width()).arg(size.height()) << qSetFieldWidth(0)
            << rasterSize.width() << "x" << rasterSize.height() << "\n";
    }
    out << "ratio: the time of one renderPixmap over one zint raster (goal <= 2)\n";
    return 0;
}
