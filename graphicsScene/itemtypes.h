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
constexpr int Text = QGraphicsItem::UserType + 1;
constexpr int Time = QGraphicsItem::UserType + 2;
constexpr int SerialNumber = QGraphicsItem::UserType + 3;
constexpr int Barcode = QGraphicsItem::UserType + 4;
// UserType + 5 is not used.
constexpr int Image = QGraphicsItem::UserType + 6;
constexpr int ShiftCode = QGraphicsItem::UserType + 7;
constexpr int TextAbstract = QGraphicsItem::UserType + 99;
} // namespace ItemTypeCode

// Per-item data slots (QGraphicsItem::data keys).
namespace ItemData {
constexpr int Id = 1;       // QString: prefix + decimal number, unique in the message
constexpr int IsExtern = 2; // bool: content comes from the external data file
} // namespace ItemData

// Print-head bands: four bands of 300 dots across the message, one per head.
namespace PrintHead {
constexpr int BandHeight = 300;
constexpr int BandCount = 4;
// y of the border line drawn at the bottom of each band.
constexpr int BandBorderY[BandCount] = {299, 599, 899, 1199};
// Head masks: the heads in use counted from the top band.
constexpr quint8 MaskOneHead = 1;
constexpr quint8 MaskTwoHeads = 3;
constexpr quint8 MaskThreeHeads = 7;
constexpr quint8 MaskFourHeads = 15;
} // namespace PrintHead
