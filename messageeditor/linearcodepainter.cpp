// SPDX-License-Identifier: GPL-3.0-or-later
#include "linearcodepainter.h"

#include "barcodecanvas.h"

#include <QVector>

namespace {

// The 43 data characters shared by Code 39 and Code 93, in value order.
const char kAlphabet[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%";

// Code 39: nine elements (bar first), '1' = wide.  Index 43 is the start/stop "*".
const char *const kCode39Wide[44] = {
    "000110100", "100100001", "001100001", "101100000", "000110001", "100110000", "001110000",
    "000100101", "100100100", "001100100", "100001001", "001001001", "101001000", "000011001",
    "100011000", "001011000", "000001101", "100001100", "001001100", "000011100", "100000011",
    "001000011", "101000010", "000010011", "100010010", "001010010", "000000111", "100000110",
    "001000110", "000010110", "110000001", "011000001", "111000000", "010010001", "110010000",
    "011010000", "010000101", "110000100", "011000100", "010101000", "010100010", "010001010",
    "000101010", "010010100"};
const int kCode39Star = 43;

// Code 93: nine modules per character, '1' = bar.  Values 43 to 46 are the
// shift characters, which only appear as check characters here.
const char *const kCode93Modules[47] = {
    "100010100", "101001000", "101000100", "101000010", "100101000", "100100100", "100100010",
    "101010000", "100010010", "100001010", "110101000", "110100100", "110100010", "110010100",
    "110010010", "110001010", "101101000", "101100100", "101100010", "100110100", "100011010",
    "101011000", "101001100", "101000110", "100101100", "100010110", "110110100", "110110010",
    "110101100", "110100110", "110010110", "110011010", "101101100", "101100110", "100110110",
    "100111010", "100101110", "111010100", "111010010", "111001010", "101101110", "101110110",
    "110101110", "100100110", "111011010", "111010110", "100110010"};
const char *const kCode93StartStop = "101011110";

// Code 128: element widths in modules (bar first), values 0 to 105; 106 is
// the stop pattern of 13 modules.
const char *const kCode128Widths[107] = {
    "212222", "222122", "222221", "121223", "121322", "131222", "122213", "122312", "132212",
    "221213", "221312", "231212", "112232", "122132", "122231", "113222", "123122", "123221",
    "223211", "221132", "221231", "213212", "223112", "312131", "311222", "321122", "321221",
    "312212", "322112", "322211", "212123", "212321", "232121", "111323", "131123", "131321",
    "112313", "132113", "132311", "211313", "231113", "231311", "112133", "112331", "132131",
    "113123", "113321", "133121", "313121", "211331", "231131", "213113", "213311", "213131",
    "311123", "311321", "331121", "312113", "312311", "332111", "314111", "221411", "431111",
    "111224", "111422", "121124", "121421", "141122", "141221", "112214", "112412", "122114",
    "122411", "142112", "142211", "241211", "221114", "413111", "241112", "134111", "111242",
    "121142", "121241", "114212", "124112", "124211", "411212", "421112", "421211", "212141",
    "214121", "412121", "111143", "111341", "131141", "114113", "114311", "411113", "411311",
    "113141", "114131", "311141", "411131", "211412", "211214", "211232", "2331112"};
const int kCode128StartB = 104;
const int kCode128Stop = 106;

// One Code 39 character: wide elements are two modules, then one module of gap.
void drawCode39(barcodeCanvas &c, int x, int value)
{
    char widths[11];
    for (int i = 0; i < 9; ++i)
        widths[i] = kCode39Wide[value][i] == '1' ? '2' : '1';
    widths[9] = '1'; // the inter-character gap, a space
    widths[10] = '\0';
    c.elements(x, widths, c.barHeight());
}

int code128Value(QChar c)
{
    const ushort u = c.unicode();
    return u >= 32 && u <= 126 ? u - 32 : -1;
}

} // namespace

namespace linearCodePainter {

int code39Value(QChar c)
{
    if (c.unicode() > 127 || c.unicode() == 0)
        return -1;
    const char *found = strchr(kAlphabet, c.toLatin1());
    return found ? int(found - kAlphabet) : -1;
}

QPair<int, int> code93Checks(const QVector<int> &values)
{
    int c = 0;
    int k = 0;
    const int n = values.size();
    // Reduced as they go, so that no content length can overflow the sums.
    for (int i = 0; i < n; ++i) {
        const int fromRight = n - i; // 1 for the last character
        c = (c + values[i] * ((fromRight - 1) % 20 + 1)) % 47;
        k = (k + values[i] * (fromRight % 15 + 1)) % 47; // C takes weight 1 in K's count
    }
    k = (k + c) % 47;
    return {c, k};
}

int code128Check(const QString &content)
{
    // Reduced as it goes, so that no content length can overflow the sum.
    int sum = kCode128StartB % 103;
    for (int i = 0; i < content.size(); ++i)
        sum = (sum + (i + 1) % 103 * code128Value(content.at(i))) % 103;
    return sum;
}

barcodePainter::Symbol code39(const QString &content, int m, int h, bool showText)
{
    const int n = content.size();
    barcodeCanvas c(13 * m * (n + 2), m, h, showText);
    drawCode39(c, 0, kCode39Star);
    for (int k = 1; k <= n; ++k) {
        const int value = code39Value(content.at(k - 1));
        if (value < 0)
            return {c.finish(), barcodePainter::Code39Error};
        drawCode39(c, 13 * m * k, value);
    }
    drawCode39(c, 13 * m * (n + 1), kCode39Star);

    const QString line = QLatin1Char('*') + content + QLatin1Char('*');
    for (int k = 0; k < line.size(); ++k)
        c.character(13 * m * k, 13 * m, line.at(k));
    return {c.finish(), barcodePainter::NoError};
}

barcodePainter::Symbol code93(const QString &content, int m, int h, bool showText)
{
    const int n = content.size();
    barcodeCanvas c((9 * n + 45) * m - 3, m, h, showText);
    c.modules(0, kCode93StartStop, h);
    QVector<int> values;
    values.reserve(n);
    for (int i = 0; i < n; ++i) {
        const int value = code39Value(content.at(i));
        if (value < 0)
            return {c.finish(), barcodePainter::Code93Error};
        values.append(value);
        c.modules(9 * m * (i + 1), kCode93Modules[value], h);
    }
    const QPair<int, int> checks = code93Checks(values);
    c.modules(9 * m * (n + 1), kCode93Modules[checks.first], h);
    c.modules(9 * m * (n + 2), kCode93Modules[checks.second], h);
    c.modules(9 * m * (n + 3), kCode93StartStop, h);
    c.modules(9 * m * (n + 4), "1", h);
    c.centredLine(content, 8);
    return {c.finish(), barcodePainter::NoError};
}

barcodePainter::Symbol code128(const QString &content, int m, int h, bool showText)
{
    const int n = content.size();
    barcodeCanvas c((11 * n + 35) * m, m, h, showText);
    c.elements(0, kCode128Widths[kCode128StartB], h);
    for (int i = 0; i < n; ++i) {
        const int value = code128Value(content.at(i));
        if (value < 0)
            return {c.finish(), barcodePainter::Code128Error};
        c.elements(11 * m * (i + 1), kCode128Widths[value], h);
    }
    c.elements(11 * m * (n + 1), kCode128Widths[code128Check(content)], h);
    c.elements(11 * m * (n + 2), kCode128Widths[kCode128Stop], h);
    c.centredLine(content, 8);
    return {c.finish(), barcodePainter::NoError};
}

} // namespace linearCodePainter
