// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QtGlobal>

// The coder's print settings as they travel in commands 0x11 and 0x41:
// 24 fields, big-endian, 81 bytes. Offsets in bytes are given per field.
struct PrintParameters
{
    static constexpr int kSize = 81;

    qint8 sprayMode = 1;         //  0: 1 left, 2 right, 4 high quality, 5 high speed
    double deviceValue1 = 8.8;   //  1: carried unchanged
    double deviceValue2 = 1.8;   //  9: carried unchanged
    qint8 dpiCode = 1;           // 17: dpi = 600 / code (1, 2, 3, 4)
    qint8 triggerMode = 4;       // 18: 3 internal signal, 2 external signal
    qint8 headRangeMask = 3;     // 19: 1, 3, 7 or 15, heads up to the highest enabled
    bool splice = false;         // 20: heads spliced, entireDirection applies
    qint8 headEnableMask = 1;    // 21: bit 0..3 = head 1..4 enabled
    qint8 entireDirection = 1;   // 22: 0 forward, 1 reverse, 2 inverse, 3 rev/inv
    double headOffset1 = 1.0;    // 23: millimetres
    double headOffset2 = 1.0;    // 31
    double headOffset3 = 1.0;    // 39
    double headOffset4 = 1.0;    // 47
    qint8 headDirection1 = 1;    // 55: codes as entireDirection, when not spliced
    qint8 headDirection2 = 1;    // 56
    qint8 headDirection3 = 1;    // 57
    qint8 headDirection4 = 1;    // 58
    bool encoderEnabled = false; // 59: encoder in use, else lineSpeed applies
    bool beepEnabled = false;    // 60
    qint32 encoderPpr = 2000;    // 61: pulses per revolution
    qint32 encoderDiameter = 50; // 65: wheel diameter in millimetres
    qint32 lineSpeed = 0;        // 69: m/min
    qint32 signalInterval = 0;   // 73: internal trigger interval
    qint32 deviceValue3 = 0;     // 77: carried unchanged

    QByteArray toBytes() const;
    // Fields beyond the end of a short block read as zero; bytes after the
    // 81st are ignored.
    static PrintParameters fromBytes(const QByteArray &block);

    bool operator==(const PrintParameters &other) const;
    bool operator!=(const PrintParameters &other) const { return !(*this == other); }
};
