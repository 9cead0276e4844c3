// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>
#include <QFont>
#include <QIcon>

// The icon font of the tool buttons and the tool bar, compiled into the
// resources as ":fontawesome-webfont.ttf".
namespace fontAwesome {

constexpr ushort kText = 0xf034;
constexpr ushort kTime = 0xf073;
constexpr ushort kCounter = 0xf1ec;
constexpr ushort kImage = 0xf03e;
constexpr ushort kBarcode = 0xf02a;
constexpr ushort kQRCode = 0xf029;
constexpr ushort kDelete = 0xf057;
constexpr ushort kFolderOpen = 0xf07c;
constexpr ushort kSave = 0xf0c7;
constexpr ushort kUndo = 0xf0e2;
constexpr ushort kRedo = 0xf01e;

// The font at this point size (registered on first use).
QFont font(int pointSize);
// The glyph painted centred into a square pixmap of side pixels.
QIcon icon(ushort glyph, int side, const QColor &colour);

} // namespace fontAwesome
