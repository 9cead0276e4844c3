// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGraphicsItem>

// Graphics-framework type codes of the standalone editor's seven item
// classes.  The file writer and reader, the selection slot and the panels
// dispatch on these; UserType + 6 belongs to no class.
namespace diagramType {
constexpr int Text = QGraphicsItem::UserType + 3;
constexpr int Cnt2 = QGraphicsItem::UserType + 4;
constexpr int Cnt = QGraphicsItem::UserType + 5;
constexpr int Bar = QGraphicsItem::UserType + 7;
constexpr int Image = QGraphicsItem::UserType + 8;
constexpr int Time = QGraphicsItem::UserType + 9;
constexpr int QRCode = QGraphicsItem::UserType + 10;

inline bool isMessageItem(int type)
{
    return type == Text || type == Cnt2 || type == Cnt || type == Bar || type == Image ||
           type == Time || type == QRCode;
}
} // namespace diagramType

// Print heights of the printer models, by resolution index 0 to 3.
namespace editorResolution {
constexpr int Heights[4] = {144, 300, 600, 1200};
// Widest canvas in dots; also the limit of the right-edge rule.
constexpr int MaxWidth = 80000;
} // namespace editorResolution
