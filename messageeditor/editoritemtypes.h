// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGraphicsItem>

// Graphics-framework type codes of the standalone editor's seven item
// classes.  The file writer and reader, the selection slot and the panels
// dispatch on these; UserType + 6 belongs to no class.
namespace diagramType {
constexpr int kText = QGraphicsItem::UserType + 3;
constexpr int kCnt2 = QGraphicsItem::UserType + 4;
constexpr int kCnt = QGraphicsItem::UserType + 5;
constexpr int kBar = QGraphicsItem::UserType + 7;
constexpr int kImage = QGraphicsItem::UserType + 8;
constexpr int kTime = QGraphicsItem::UserType + 9;
constexpr int kQrCode = QGraphicsItem::UserType + 10;

inline bool isMessageItem(int type)
{
    return type == kText || type == kCnt2 || type == kCnt || type == kBar || type == kImage ||
           type == kTime || type == kQrCode;
}
} // namespace diagramType

// Print heights of the printer models, by resolution index 0 to 3.
namespace editorResolution {
constexpr int kHeights[4] = {144, 300, 600, 1200};
// Widest canvas in dots; also the limit of the right-edge rule.
constexpr int kMaxWidth = 80000;
} // namespace editorResolution
