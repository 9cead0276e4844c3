// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QString>
#include <QVector>

class QGraphicsScene;
namespace zbar {
struct zbar_image_scanner_s;
}

// Reads the codes of a picture with zbar, a decoder that is not ours, as a
// code reader after the coder would: EAN-13, EAN-8, UPC-A, UPC-E, Code 128
// (GS1-128 and EAN-14 too), Code 39, Code 93, ITF-14 and QR Code.  zbar has
// no Data Matrix decoder and no finished PDF417 one, so those two print but
// never read.
class CodeDecoder
{
public:
    struct Code
    {
        QString symbology; // zbar's name: "EAN-13", "CODE-128", "QR-Code", ...
        // What zbar gives: UPC-A as 12 digits; a GS1-128's first FNC1 is left
        // out (gs1 tells it) and each further one is the byte 0x1D (GS), with
        // no "]C1" in front.
        QByteArray data;
        bool gs1 = false;
        QPoint at; // top left corner of the code in the picture
    };

    // Quiet zone around the drawn message, in pixels: more than the ten
    // modules a linear code needs at the scales messages use.
    static constexpr int kQuietZone = 40;

    CodeDecoder();
    ~CodeDecoder();
    CodeDecoder(const CodeDecoder &) = delete;
    CodeDecoder &operator=(const CodeDecoder &) = delete;

    // The codes of the picture (any format; read as 8-bit grey), top to
    // bottom and, on one line, left to right.
    QVector<Code> decode(const QImage &picture) const;

    // The scene's rectangle drawn black on white with the quiet zone, in
    // 8-bit grey, one pixel per print dot; a null image when it is empty or
    // larger than the pixel limit.
    static QImage picture(QGraphicsScene &scene);

private:
    zbar::zbar_image_scanner_s *m_scanner;
};
