// SPDX-License-Identifier: GPL-3.0-or-later
#include "fontfamilies.h"

namespace {

// The question marks are stored literally; no installed font has these
// names, so Qt's fallback decides what is drawn.
const char *const kTextFamilies[] = {"simsun",
                                     "simhei",
                                     "Microsoft Yahei",
                                     "KaiTi_GB2312",
                                     "Arial",
                                     "STCaiyun",
                                     "Lisu",
                                     "FZLanTingHeiS-UL-GB",
                                     "FZGuLi-S12S",
                                     "MBitmapRoundHK",
                                     "AaSpot",
                                     "000",
                                     "01 Digit",
                                     "8Pin Matrix",
                                     "??????01",
                                     "DejaVu Sans"};
const char *const kCounter2Families[] = {
    "simsun",   "simhei",      "Microsoft Yahei", "KaiTi_GB2312", "AaSpot", "Arial",
    "STCaiyun", "Lisu",        "MBitmapRoundHK",  "FZGuLi-S12S",  "000",    "01 Digit",
    "Arcade",   "8Pin Matrix", "??????2fzr",      "??????01"};

QString pick(const char *const *table, int count, int index)
{
    return QString::fromLatin1(index >= 0 && index < count ? table[index] : table[0]);
}

} // namespace

namespace fontFamilies {

QString forText(int index)
{
    return pick(kTextFamilies, 16, index);
}

QString forCounterOrTime(int index)
{
    return pick(kTextFamilies, 15, index);
}

QString forCounter2(int index)
{
    return pick(kCounter2Families, 16, index);
}

} // namespace fontFamilies
