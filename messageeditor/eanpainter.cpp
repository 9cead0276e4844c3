// SPDX-License-Identifier: GPL-3.0-or-later
#include "eanpainter.h"

#include "barcodecanvas.h"

namespace {

// Number sets of the EAN/UPC standard, seven modules per digit, '1' = bar.
const char *const kSetA[10] = {"0001101", "0011001", "0010011", "0111101", "0100011",
                               "0110001", "0101111", "0111011", "0110111", "0001011"};
const char *const kSetB[10] = {"0100111", "0110011", "0011011", "0100001", "0011101",
                               "0111001", "0000101", "0010001", "0001001", "0010111"};
const char *const kSetC[10] = {"1110010", "1100110", "1101100", "1000010", "1011100",
                               "1001110", "1010000", "1000100", "1001000", "1110100"};
// EAN-13: number sets of digits 2 to 7, chosen by the first digit.
const char *const kEan13Sets[10] = {"AAAAAA", "AABABB", "AABBAB", "AABBBA", "ABAABB",
                                    "ABBAAB", "ABBBAA", "ABABAB", "ABABBA", "ABBABA"};
// UPC-E, number system 0: number sets of the six digits, chosen by the check digit.
const char *const kUpcESets[10] = {"BBBAAA", "BBABAA", "BBAABA", "BBAAAB", "BABBAA",
                                   "BAABBA", "BAAABB", "BABABA", "BABAAB", "BAABAB"};

const char *const kNormalGuard = "101";
const char *const kCentreGuard = "01010";
const char *const kUpcEEndGuard = "010101";

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// True when the first count characters exist and are all digits.
bool leadingDigits(const QString &s, int count)
{
    if (s.size() < count)
        return false;
    for (int i = 0; i < count; ++i) {
        if (!isDigit(s.at(i)))
            return false;
    }
    return true;
}

int digit(const QString &s, int i)
{
    return s.at(i).unicode() - '0';
}

const char *setPattern(char set, int d)
{
    return set == 'A' ? kSetA[d] : set == 'B' ? kSetB[d] : kSetC[d];
}

// Draws count digits of s from index first, each in the set named by sets
// (or C when sets is null), from x.
int drawDigits(barcodeCanvas &c, int x, const QString &s, int first, int count, const char *sets)
{
    for (int i = 0; i < count; ++i)
        x = c.modules(x, setPattern(sets ? sets[i] : 'C', digit(s, first + i)), c.barHeight());
    return x;
}

QChar checkChar(int check)
{
    return QChar('0' + check);
}

} // namespace

namespace eanPainter {

int checkDigit(const QString &digits)
{
    int sum = 0;
    const int last = digits.size() - 1;
    for (int i = 0; i <= last; ++i)
        sum += digit(digits, i) * ((last - i) % 2 == 0 ? 3 : 1);
    return (10 - sum % 10) % 10;
}

QString expandUpcE(const QString &c)
{
    if (c.size() < 7 || !isDigit(c.at(6)))
        return c;
    switch (digit(c, 6)) {
    case 0:
        return c.left(3) + "00000" + c.mid(3, 3);
    case 1:
    case 2:
        return c.left(3) + c.at(6) + "0000" + c.mid(3, 3);
    case 3:
        return c.left(4) + "00000" + c.mid(4, 2);
    case 4:
        return c.left(5) + "00000" + c.at(5);
    default:
        return c.left(6) + "0000" + c.at(6);
    }
}

barcodePainter::Symbol ean13(const QString &content, int m, int h, bool showText)
{
    barcodeCanvas c(113 * m, m, h, showText);
    if (content.size() < 13 || !leadingDigits(content, 12))
        return {c.finish(), barcodePainter::Ean13Error};
    const int check = checkDigit(content.left(12));
    c.modules(11 * m, kNormalGuard, c.guardHeight());
    drawDigits(c, 14 * m, content, 1, 6, kEan13Sets[digit(content, 0)]);
    c.modules(56 * m, kCentreGuard, c.guardHeight());
    drawDigits(c, 61 * m, content, 7, 5, nullptr);
    c.modules(96 * m, kSetC[check], h);
    c.modules(103 * m, kNormalGuard, c.guardHeight());

    c.character(2 * m, 9 * m, content.at(0));
    for (int i = 1; i <= 6; ++i)
        c.character((6 + 7 * i) * m, 9 * m, content.at(i));
    for (int i = 7; i <= 11; ++i)
        c.character((10 + 7 * i) * m, 9 * m, content.at(i));
    c.character(94 * m, 9 * m, checkChar(check));
    return {c.finish(), barcodePainter::NoError};
}

barcodePainter::Symbol ean8(const QString &content, int m, int h, bool showText)
{
    barcodeCanvas c(81 * m, m, h, showText);
    if (!leadingDigits(content, 7))
        return {c.finish(), barcodePainter::Ean8Error};
    const int check = checkDigit(content.left(7));
    c.modules(7 * m, kNormalGuard, c.guardHeight());
    drawDigits(c, 10 * m, content, 0, 4, "AAAA");
    c.modules(38 * m, kCentreGuard, c.guardHeight());
    drawDigits(c, 43 * m, content, 4, 3, nullptr);
    c.modules(64 * m, kSetC[check], h);
    c.modules(71 * m, kNormalGuard, c.guardHeight());

    c.character(0, 7 * m, QLatin1Char('<'));
    c.character(75 * m, 7 * m, QLatin1Char('>'));
    for (int i = 0; i <= 3; ++i)
        c.character((11 + 7 * i) * m, 7 * m, content.at(i));
    for (int i = 4; i <= 6; ++i)
        c.character((15 + 7 * i) * m, 7 * m, content.at(i));
    c.character(64 * m, 7 * m, checkChar(check));
    return {c.finish(), barcodePainter::NoError};
}

barcodePainter::Symbol upcA(const QString &content, int m, int h, bool showText)
{
    barcodeCanvas c(113 * m, m, h, showText);
    if (!leadingDigits(content, 11))
        return {c.finish(), barcodePainter::UpcAError};
    const int check = checkDigit(content.left(11));
    c.modules(9 * m, kNormalGuard, c.guardHeight());
    drawDigits(c, 12 * m, content, 0, 6, "AAAAAA");
    c.modules(54 * m, kCentreGuard, c.guardHeight());
    drawDigits(c, 59 * m, content, 6, 5, nullptr);
    c.modules(94 * m, kSetC[check], h);
    c.modules(101 * m, kNormalGuard, c.guardHeight());

    c.character(3 * m, 7 * m, content.at(0));
    for (int i = 1; i <= 5; ++i)
        c.character((9 + 7 * i) * m, 7 * m, content.at(i));
    for (int i = 6; i <= 10; ++i)
        c.character((19 + 7 * i) * m, 7 * m, content.at(i));
    c.character(105 * m, 7 * m, checkChar(check));
    return {c.finish(), barcodePainter::NoError};
}

barcodePainter::Symbol upcE(const QString &content, int m, int h, bool showText)
{
    barcodeCanvas c(67 * m, m, h, showText);
    const QString expanded = expandUpcE(content);
    if (!leadingDigits(expanded, 11))
        return {c.finish(), barcodePainter::UpcEError};
    const int check = checkDigit(expanded.left(11));
    c.modules(8 * m, kNormalGuard, c.guardHeight());
    drawDigits(c, 11 * m, content, 1, 6, kUpcESets[check]);
    c.modules(53 * m, kUpcEEndGuard, c.guardHeight());

    c.character(2 * m, 7 * m, content.at(0));
    for (int i = 1; i <= 6; ++i)
        c.character((5 + 7 * i) * m, 7 * m, content.at(i));
    c.character(60 * m, 7 * m, checkChar(check));
    return {c.finish(), barcodePainter::NoError};
}

} // namespace eanPainter
