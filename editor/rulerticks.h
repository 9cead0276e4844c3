// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QVector>

// The ticks and labels of a ruler, worked out without any widget so that
// they can be checked number by number.  All positions are in pixels along
// the ruler, all values in print dots.

// What the numbers of a ruler read.
enum RulerUnit {
    RulerUnitDots = 0,        // dots, "3k" for whole thousands from 2000
    RulerUnitHeadHeights = 1, // dots / 300: one unit per print-head band
    RulerUnitMillimetres = 2, // 23.6 dots per millimetre
};

struct RulerTick
{
    double value = 0; // scene position in dots
    int pos = 0;      // pixel along the ruler
    int length = 0;   // pixels, measured from the ruler's inner edge
    QString label;    // empty when the tick carries no number
};

struct RulerRange
{
    double lower = 0;   // scene value at pixel 0
    double upper = 0;   // scene value at pixel `length`
    double maxSize = 0; // size of the range; sets how wide labels may get
};

// Ticks in drawing order: finest subdivision first, labelled ticks last.
// `length` is the ruler's extent along its axis, `thickness` across it, both
// in pixels; `fontHeight` is the label font's height in pixels. An empty or
// unusable range gives no ticks.
QVector<RulerTick> rulerTicks(const RulerRange &range, int length, int thickness, int fontHeight,
                              int unitMode);

// The text a tick at `value` dots reads in `unitMode` (RulerUnit; any other
// value counts as dots).
QString rulerLabel(double value, int unitMode);
