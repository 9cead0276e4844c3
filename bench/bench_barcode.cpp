// SPDX-License-Identifier: GPL-3.0-or-later
// Symbols per second through Zint::QZint::renderPixmap, next to the bare
// libzint encode-and-vectorise call for the same symbols in the same run, and
// the floor set by the picture itself: allocating and clearing a white image
// of the rendered size.
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
};
const Case kCases[] = {
    {"QR Code", BARCODE_QRCODE, "123456"},
    {"Code 128", BARCODE_CODE128, "Korvex-128 lot 7"},
    {"EAN-13", BARCODE_EANX, "950110153000"},
};
constexpr qint64 kRunMs = 1000;

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

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    // The wrapper's debug lines are diagnostics; their destination is free.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    QTextStream out(stdout);
    out << "symbol      renderPixmap/s   bare encode/s   ratio   white image/s   pixmap\n";
    for (const Case &c : kCases) {
        Zint::QZint zint;
        zint.setSymbology(c.symbology);
        zint.setText(QString::fromLatin1(c.data));
        const QSize size = zint.renderPixmap().size();
        const double wrapped = perSecond([&] { zint.renderPixmap(); });
        const double bare = perSecond([&] {
            zint_symbol *symbol = ZBarcode_Create();
            symbol->symbology = c.symbology;
            symbol->scale = 2.0f;
            symbol->input_mode = UNICODE_MODE;
            ZBarcode_Encode_and_Buffer_Vector(symbol,
                                              reinterpret_cast<const unsigned char *>(c.data),
                                              int(std::strlen(c.data)), 0);
            ZBarcode_Delete(symbol);
        });
        const double clear = perSecond([&] {
            QImage image(size, QImage::Format_RGB32);
            image.fill(Qt::white);
        });
        out << qSetFieldWidth(12) << Qt::left << c.name << qSetFieldWidth(0) << qSetFieldWidth(17)
            << QString::number(wrapped, 'f', 0) << qSetFieldWidth(16)
            << QString::number(bare, 'f', 0) << qSetFieldWidth(8)
            << QString::number(bare / wrapped, 'f', 2) << qSetFieldWidth(16)
            << QString::number(clear, 'f', 0) << qSetFieldWidth(0) << size.width() << "x"
            << size.height() << "\n";
    }
    return 0;
}
