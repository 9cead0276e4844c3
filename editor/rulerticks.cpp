// SPDX-License-Identifier: GPL-3.0-or-later
#include "rulerticks.h"

#include <QtMath>
#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

// Distances between major ticks, in dots, from the finest to the coarsest.
constexpr double kRulerSteps[] = {1,    2,    5,     10,    50,    100,    300,    1000,
                                  2500, 5000, 10000, 25000, 50000, 100000, 120000, 150000};
constexpr int kStepCount = int(std::size(kRulerSteps));
// Each major step is split into this many parts for the finer tick rows.
constexpr double kSubdivisions[] = {1, 5, 10, 50, 100};
constexpr int kSubdivisionCount = int(std::size(kSubdivisions));
// Ticks closer than this many pixels are not drawn.
constexpr double kMinTickSpacing = 5;
// No ruler can carry more ticks per row than it has pixels; the bound only
// guards against a damaged range.
constexpr double kMaxTicksPerRow = 100000;

constexpr double kDotsPerHeadHeight = 300;
constexpr double kDotsPerMillimetre = 23.6;

// Ticks further off the ruler than this are pinned there; it keeps the
// conversion to int defined for absurd ranges and is far off any screen.
constexpr double kMaxPixel = 1e9;

// Nearest integer, halves going upward (2.5 -> 3, -2.5 -> -2).
int roundHalfUp(double x)
{
    return int(std::floor(std::clamp(x, -kMaxPixel, kMaxPixel) + 0.5));
}

} // namespace

QString rulerLabel(double value, int unitMode)
{
    switch (unitMode) {
    case RulerUnitHeadHeights:
        return QString::asprintf("%.1f", value / kDotsPerHeadHeight);
    case RulerUnitMillimetres:
        return QString::asprintf("%.1f", value / kDotsPerMillimetre);
    default: {
        const qint64 v = qint64(value);
        if (std::llabs(v) >= 2000 && v % 1000 == 0)
            return QString::number(v / 1000) + QLatin1Char('k');
        return QString::number(v);
    }
    }
}

QVector<RulerTick> rulerTicks(const RulerRange &range, int length, int thickness, int fontHeight,
                              int unitMode)
{
    QVector<RulerTick> ticks;
    const double lower = range.lower;
    const double upper = range.upper;
    if (upper == lower || !qIsFinite(lower) || !qIsFinite(upper) || !qIsFinite(range.maxSize))
        return ticks;
    const double increment = length / (upper - lower); // pixels per dot
    const double absIncrement = std::fabs(increment);
    if (!qIsFinite(increment) || absIncrement == 0)
        return ticks;

    // The widest label the range can need decides how far apart labels sit.
    const int textLength = QString::number(std::ceil(range.maxSize), 'f', 0).size();
    int step = kStepCount - 1;
    for (int s = 0; s < kStepCount; ++s) {
        if (kRulerSteps[s] * absIncrement > 2.0 * textLength * fontHeight + 2) {
            step = s;
            break;
        }
    }

    const double low = std::min(lower, upper);
    const double high = std::max(lower, upper);
    int tickLength = 0;
    for (int i = kSubdivisionCount - 1; i >= 0; --i) {
        double subdivision = kRulerSteps[step] / kSubdivisions[i];
        // Steps of 2 split in 5 would give 0.4; whole dots read better.
        if (step == 1 && i == 1)
            subdivision = 1;
        if (subdivision * absIncrement <= kMinTickSpacing)
            continue;
        tickLength = std::max(tickLength + 1, thickness / (i + 1) - 1);

        const double start = std::floor(low / subdivision) * subdivision;
        const double end = std::ceil(high / subdivision) * subdivision;
        const double count = std::floor((end - start) / subdivision + 0.5) + 1;
        if (count > kMaxTicksPerRow)
            continue;
        const double major = std::fabs(kRulerSteps[step] * increment);
        for (int n = 1; n <= int(count); ++n) {
            // Multiplied rather than summed, so fine rows do not drift.
            const double value = start + (n - 1) * subdivision;
            RulerTick tick;
            tick.value = value;
            tick.pos = roundHalfUp((value - lower) * increment + 1e-12);
            tick.length = tickLength;
            if (i == 0 && (value == 0 || major > 6.0 * fontHeight ||
                           (major > 3.0 * fontHeight && n % 2 == 1) || (n - 1) % 4 == 0))
                tick.label = rulerLabel(value, unitMode);
            ticks.append(tick);
        }
    }
    return ticks;
}
