// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QGraphicsItem;

// Builds new items the way the tool buttons do: the constructor defaults
// adjusted to the printer model's resolution (the 144-dot models get
// smaller text, barcodes and QR codes).
namespace diagramItemFactory {

// The ids of the tool-button group; any other id builds a text item.
enum Kind { Text = 1, Cnt = 2, Cnt2 = 3, Time = 4, Image = 5, QRCode = 6, Bar = 7 };

// resolution: 0 to 3 for 144, 300, 600 and 1200 dots.  The caller owns the
// item (normally by adding it to a scene).
QGraphicsItem *create(int kind, int resolution);

} // namespace diagramItemFactory
