// SPDX-License-Identifier: GPL-3.0-or-later
#include "codedecoder.h"

#include "pixellimit.h"

#include <QGraphicsScene>
#include <QPainter>

#include <algorithm>
#include <zbar.h>

// zbar's C interface, which its header puts into a namespace of C++.
using namespace zbar;

CodeDecoder::CodeDecoder() : m_scanner(zbar_image_scanner_create())
{
    // Only the symbologies our messages print (ITF-14 is an Interleaved 2 of
    // 5): each one more enabled is one more way to misread a text or a
    // picture as a code.
    zbar_image_scanner_set_config(m_scanner, ZBAR_NONE, ZBAR_CFG_ENABLE, 0);
    for (const zbar_symbol_type_t type : {ZBAR_EAN13, ZBAR_EAN8, ZBAR_UPCA, ZBAR_UPCE, ZBAR_CODE128,
                                          ZBAR_CODE39, ZBAR_CODE93, ZBAR_I25, ZBAR_QRCODE})
        zbar_image_scanner_set_config(m_scanner, type, ZBAR_CFG_ENABLE, 1);
    // Where each code is, to send them in reading order.
    zbar_image_scanner_set_config(m_scanner, ZBAR_NONE, ZBAR_CFG_POSITION, 1);
}

CodeDecoder::~CodeDecoder()
{
    zbar_image_scanner_destroy(m_scanner);
}

QVector<CodeDecoder::Code> CodeDecoder::decode(const QImage &picture) const
{
    QVector<Code> codes;
    if (picture.isNull())
        return codes;
    const QImage grey = picture.convertToFormat(QImage::Format_Grayscale8);
    const int width = grey.width();
    const int height = grey.height();
    // zbar wants the rows without the padding QImage gives each line.
    QByteArray pixels(qsizetype(width) * height, Qt::Uninitialized);
    for (int y = 0; y < height; ++y)
        std::copy_n(grey.constScanLine(y), width, pixels.data() + qsizetype(y) * width);

    zbar_image_t *image = zbar_image_create();
    zbar_image_set_format(image, zbar_fourcc('Y', '8', '0', '0'));
    zbar_image_set_size(image, unsigned(width), unsigned(height));
    zbar_image_set_data(image, pixels.constData(), ulong(pixels.size()), nullptr);
    if (zbar_scan_image(m_scanner, image) > 0) {
        for (const zbar_symbol_t *symbol = zbar_image_first_symbol(image); symbol;
             symbol = zbar_symbol_next(symbol)) {
            Code code;
            code.symbology =
                QString::fromLatin1(zbar_get_symbol_name(zbar_symbol_get_type(symbol)));
            code.data =
                QByteArray(zbar_symbol_get_data(symbol), int(zbar_symbol_get_data_length(symbol)));
            code.gs1 = zbar_symbol_get_modifiers(symbol) & (1 << ZBAR_MOD_GS1);
            int left = width, top = height;
            for (unsigned i = 0, n = zbar_symbol_get_loc_size(symbol); i < n; ++i) {
                left = qMin(left, zbar_symbol_get_loc_x(symbol, i));
                top = qMin(top, zbar_symbol_get_loc_y(symbol, i));
            }
            code.at = QPoint(left, top);
            codes << code;
        }
    }
    zbar_image_destroy(image);
    // zbar lists what it found last first; a linear code's location is the
    // scan lines that crossed it, so codes side by side differ in top by a
    // few pixels: the same line within a tenth of the picture's height.
    const int line = qMax(1, height / 10);
    std::stable_sort(codes.begin(), codes.end(), [line](const Code &a, const Code &b) {
        if (qAbs(a.at.y() - b.at.y()) >= line)
            return a.at.y() < b.at.y();
        return a.at.x() < b.at.x();
    });
    return codes;
}

QImage CodeDecoder::picture(QGraphicsScene &scene)
{
    const QRectF rect = scene.sceneRect();
    const QSize size =
        rect.adjusted(-kQuietZone, -kQuietZone, kQuietZone, kQuietZone).size().toSize();
    if (rect.isEmpty() || !PixelLimit::fits(size))
        return QImage();
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    // Only the scene's rectangle, which it paints white: around it the
    // scene has the designer's grey, and a grey border where the quiet zone
    // should be leaves zbar too little of one to find a Code 128's start.
    QPainter painter(&image);
    scene.render(&painter, QRectF(QPointF(kQuietZone, kQuietZone), rect.size()), rect);
    painter.end();
    return image.convertToFormat(QImage::Format_Grayscale8);
}
