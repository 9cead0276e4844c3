// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGraphicsItem>
#include <QMetaType>

// Item kinds exchanged between the editor and the scene.
enum ItemType {
    TypeText = 0,
    TypeTime = 1,
    TypeSerialNumber = 2,
    TypeImage = 3,
    TypeBarcode = 4,
    TypeReserved5 = 5,
    TypeReserved6 = 6,
    TypeShiftCode = 7,
    TypeNone = 8,
};
Q_DECLARE_METATYPE(ItemType)

// Graphics-framework type codes of the item classes.  Every switch on an
// item's kind uses these, and casts only after the code matched.
namespace ItemTypeCode {
constexpr int kText = QGraphicsItem::UserType + 1;
constexpr int kTime = QGraphicsItem::UserType + 2;
constexpr int kSerialNumber = QGraphicsItem::UserType + 3;
constexpr int kBarcode = QGraphicsItem::UserType + 4;
// UserType + 5 is not used.
constexpr int kImage = QGraphicsItem::UserType + 6;
constexpr int kShiftCode = QGraphicsItem::UserType + 7;
constexpr int kTextAbstract = QGraphicsItem::UserType + 99;
} // namespace ItemTypeCode

// Per-item data slots (QGraphicsItem::data keys).
namespace ItemData {
constexpr int kId = 1;       // QString: prefix + decimal number, unique in the message
constexpr int kIsExtern = 2; // bool: content comes from the external data file
} // namespace ItemData

// Print-head bands: four bands of 300 dots across the message, one per head.
namespace PrintHead {
constexpr int kBandHeight = 300;
constexpr int kBandCount = 4;
// y of the border line drawn at the bottom of each band.
constexpr int kBandBorderY[kBandCount] = {299, 599, 899, 1199};
// Head masks: the heads in use counted from the top band.
constexpr quint8 kMaskOneHead = 1;
constexpr quint8 kMaskTwoHeads = 3;
constexpr quint8 kMaskThreeHeads = 7;
constexpr quint8 kMaskFourHeads = 15;
} // namespace PrintHead
