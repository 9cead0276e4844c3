// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QImage>

#include <memory>
#include <vector>

class Counter;
class GraphicsScene;

// A copy of a message drawn as a coder prints it at a chosen moment, with
// its serial numbers at a chosen count.  The copy's serial numbers show
// copies of the counters, so the live counters never move.
class PrintPreview
{
public:
    // Draws into target, which the caller owns.
    explicit PrintPreview(GraphicsScene &target);
    ~PrintPreview();
    PrintPreview(const PrintPreview &) = delete;
    PrintPreview &operator=(const PrintPreview &) = delete;

    // Replaces the target's items with copies of the source's, shown only:
    // they neither move nor get selected.
    void copyFrom(GraphicsScene &source);
    // Date/time and shift-code items as printed at the moment; serial
    // numbers at count, or at the live counters' values when it is negative.
    void showAt(const QDateTime &moment, qint64 count = -1);

    // The date/time and shift-code items of any scene as printed at the
    // moment (render-message).
    static void showDatesAt(GraphicsScene &scene, const QDateTime &moment);
    // A scene as printed at the moment (as it stands for an invalid one),
    // nothing selected, with a grey margin of 10 dots; null when the
    // picture would be too large to hold.
    static QImage picture(GraphicsScene &scene, const QDateTime &moment);

private:
    Counter *counterCopy(quint8 id);

    GraphicsScene &m_scene;
    std::vector<std::unique_ptr<Counter>> m_counters;
};
