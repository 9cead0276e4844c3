// SPDX-License-Identifier: GPL-3.0-or-later
#include "barcodepainter.h"
#include "boxrecorder.h"
#include "diagrambaritem.h"
#include "zbar.h"

#include <QPainter>
#include <QtTest>

#include <climits>

using namespace barcodePainter;

namespace {

// Never painted: still fully transparent.
bool isUntouched(QRgb pixel)
{
    return qAlpha(pixel) == 0;
}

bool isBar(QRgb pixel)
{
    return pixel == 0xFF000000u;
}

// True when some pixel of the rectangle is dark ink (bars or text).
bool hasInk(const QImage &image, const QRect &area)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qAlpha(p) > 128 && qGray(p) < 128)
                return true;
        }
    }
    return false;
}

bool untouchedFrom(const QImage &image, int firstColumn)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = firstColumn; x < image.width(); ++x) {
            if (!isUntouched(image.pixel(x, y)))
                return false;
        }
    }
    return true;
}

} // namespace

class TestBarcodePainter : public QObject
{
    Q_OBJECT
private slots:
    void pictureSizeFollowsTheTable_data();
    void pictureSizeFollowsTheTable();
    void zbarReadsEverySymbology_data();
    void zbarReadsEverySymbology();
    void onePixelModulesScaleToTwo_data();
    void onePixelModulesScaleToTwo();
    void ignoredCharactersChangeNothing_data();
    void ignoredCharactersChangeNothing();
    void refusedContent_data();
    void refusedContent();
    void refusedCharacterKeepsTheCharactersBefore_data();
    void refusedCharacterKeepsTheCharactersBefore();
    void guardsAreTallerThanDataBars_data();
    void guardsAreTallerThanDataBars();
    void textBoxesSitUnderTheirCharacters_data();
    void textBoxesSitUnderTheirCharacters();
    void itemShowsTheErrorBoxThroughTheSeam_data();
    void itemShowsTheErrorBoxThroughTheSeam();
    void longContentIsDrawnWhole_data();
    void longContentIsDrawnWhole();
    void damagedSizesGiveAnEmptyPicture_data();
    void damagedSizesGiveAnEmptyPicture();
};

void TestBarcodePainter::pictureSizeFollowsTheTable_data()
{
    QTest::addColumn<int>("symbology");
    QTest::addColumn<QString>("content");
    QTest::addColumn<int>("m");
    QTest::addColumn<int>("h");
    QTest::addColumn<bool>("text");
    QTest::addColumn<QSize>("size");
    QTest::newRow("EAN-13 default") << 0 << "6901234567892" << 4 << 200 << true << QSize(452, 300);
    QTest::newRow("EAN-13 odd H") << 0 << "6901234567892" << 3 << 101 << true << QSize(339, 151);
    QTest::newRow("EAN-13 text off")
        << 0 << "6901234567892" << 4 << 200 << false << QSize(452, 200);
    QTest::newRow("EAN-8") << 1 << "1234567" << 2 << 77 << true << QSize(162, 115);
    QTest::newRow("Code 39") << 2 << "A-B" << 3 << 50 << false << QSize(13 * 3 * 5, 50);
    QTest::newRow("Code 93") << 3 << "CODE93" << 2 << 60 << true << QSize((9 * 6 + 45) * 2 - 3, 90);
    QTest::newRow("UPC-A") << 4 << "01234567890" << 1 << 40 << true << QSize(113, 60);
    QTest::newRow("UPC-E") << 5 << "0123455" << 4 << 33 << true << QSize(268, 49);
    QTest::newRow("Code 128") << 6 << "Hello" << 2 << 100 << false << QSize((11 * 5 + 35) * 2, 100);
    QTest::newRow("Code 128 empty") << 6 << "" << 1 << 10 << true << QSize(35, 15);
}

void TestBarcodePainter::pictureSizeFollowsTheTable()
{
    QFETCH(int, symbology);
    QFETCH(QString, content);
    QFETCH(int, m);
    QFETCH(int, h);
    QFETCH(bool, text);
    QFETCH(QSize, size);
    const Symbol s = paint(symbology, content, m, h, text);
    QCOMPARE(s.error, int(NoError));
    QCOMPARE(s.picture.size(), size);
}

void TestBarcodePainter::zbarReadsEverySymbology_data()
{
    QTest::addColumn<int>("symbology");
    QTest::addColumn<QStringList>("contents");
    QTest::addColumn<QStringList>("expected");
    // Every leading digit (number-set choice) of EAN-13, and check digits in
    // the content that are wrong or not digits at all.
    QStringList ean13;
    QStringList ean13Read;
    const char *checked[] = {"0234567890129", "1234567890128", "2234567890127", "3234567890126",
                             "4234567890125", "5234567890124", "6234567890123", "7234567890122",
                             "8234567890121", "9234567890120"};
    for (const char *c : checked) {
        ean13 << c;
        ean13Read << c;
    }
    ean13 << "6901234567891"
          << "690123456789X";
    ean13Read << "6901234567892"
              << "6901234567892";
    QTest::newRow("EAN-13") << 0 << ean13 << ean13Read;
    QTest::newRow("EAN-8") << 1 << QStringList{"1234567", "1234565", "96385074", "5512345"}
                           << QStringList{"12345670", "12345656", "96385074", "55123457"};
    QTest::newRow("Code 39") << 2
                             << QStringList{"A-B", "CODE39", "0123456789", "HELLO WORLD", "$/+%.-"}
                             << QStringList{"A-B", "CODE39", "0123456789", "HELLO WORLD", "$/+%.-"};
    QTest::newRow("Code 93") << 3 << QStringList{"CODE93", "TEST 93", "0123456789", "$/+%.- X"}
                             << QStringList{"CODE93", "TEST 93", "0123456789", "$/+%.- X"};
    // zbar reports UPC-A, and UPC-E expanded to UPC-A, in the EAN-13 form.
    QTest::newRow("UPC-A") << 4 << QStringList{"01234567890", "036000291459", "98765432109"}
                           << QStringList{"0012345678905", "0036000291452", "0987654321098"};
    // Every last digit (expansion rule) and every check digit (number sets);
    // the eighth character is never read.
    QTest::newRow("UPC-E") << 5 << QStringList{"0461530", "0122911",  "0594542", "0637223",
                                               "0126354", "0495275",  "0921836", "0567697",
                                               "0727948", "04424599", "0123455", "0123411"}
                           << QStringList{"0046000001531", "0012100002914", "0059200004547",
                                          "0063700000220", "0012630000053", "0049527000056",
                                          "0092183000069", "0056769000072", "0072794000085",
                                          "0044245000098", "0012345000058", "0012100003416"};
    QTest::newRow("Code 128") << 6
                              << QStringList{"Hello, World!", "code128 ~{|}", "0123456789",
                                             "`!\"#$%&'()*+,-./", "ABCDEFGHIJabcdefghij"}
                              << QStringList{"Hello, World!", "code128 ~{|}", "0123456789",
                                             "`!\"#$%&'()*+,-./", "ABCDEFGHIJabcdefghij"};
}

void TestBarcodePainter::zbarReadsEverySymbology()
{
    QFETCH(int, symbology);
    QFETCH(QStringList, contents);
    QFETCH(QStringList, expected);
    QList<QImage> pictures;
    QStringList wanted;
    QStringList labels;
    for (int i = 0; i < contents.size(); ++i) {
        // One pixel per module is below what zbar resolves; the next test
        // shows that those pictures are the same symbols.
        for (int m = 2; m <= 4; ++m) {
            for (bool text : {false, true}) {
                const int h = text ? 20 + 30 * m : 17 + 25 * m;
                const Symbol s = paint(symbology, contents[i], m, h, text);
                QCOMPARE(s.error, int(NoError));
                pictures << s.picture.toImage();
                wanted << expected[i];
                labels << QString("%1 m=%2 H=%3 text=%4").arg(contents[i]).arg(m).arg(h).arg(text);
            }
        }
    }
    const QStringList read = zbar::decode(pictures);
    QCOMPARE(read.size(), wanted.size());
    for (int i = 0; i < read.size(); ++i) {
        if (read[i] != wanted[i])
            QFAIL(qPrintable(
                QString("%1: read \"%2\", wanted \"%3\"").arg(labels[i], read[i], wanted[i])));
    }
}

void TestBarcodePainter::onePixelModulesScaleToTwo_data()
{
    QTest::addColumn<int>("symbology");
    QTest::addColumn<QString>("content");
    QTest::newRow("EAN-13") << 0 << "4234567890125";
    QTest::newRow("EAN-8") << 1 << "5512345";
    QTest::newRow("Code 39") << 2 << "HELLO WORLD";
    QTest::newRow("Code 93") << 3 << "$/+%.- X";
    QTest::newRow("UPC-A") << 4 << "036000291459";
    QTest::newRow("UPC-E") << 5 << "0495275";
    QTest::newRow("Code 128") << 6 << "code128 ~{|}";
}

void TestBarcodePainter::onePixelModulesScaleToTwo()
{
    QFETCH(int, symbology);
    QFETCH(QString, content);
    const QImage one = paint(symbology, content, 1, 30, false).picture.toImage();
    const QImage two = paint(symbology, content, 2, 30, false).picture.toImage();
    const QImage doubled = one.scaled(2 * one.width(), 30);
    // Code 93's width is not proportional to m (it ends in "− 3"): compare
    // the part both cover.
    const int width = qMin(doubled.width(), two.width());
    QVERIFY(two.copy(0, 0, width, 30) == doubled.copy(0, 0, width, 30));
}

void TestBarcodePainter::ignoredCharactersChangeNothing_data()
{
    QTest::addColumn<int>("symbology");
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("longer");
    // Check digits in the content are never read and characters past the
    // human-readable limit are never drawn.
    QTest::newRow("EAN-13 13th") << 0 << "6901234567892"
                                 << "690123456789X";
    QTest::newRow("EAN-13 long") << 0 << "6901234567892"
                                 << "6901234567892345";
    QTest::newRow("EAN-8 check") << 1 << "1234567"
                                 << "12345679";
    QTest::newRow("EAN-8 long") << 1 << "12345670"
                                << "1234567012";
    QTest::newRow("UPC-A check") << 4 << "01234567890"
                                 << "012345678909";
    QTest::newRow("UPC-A long") << 4 << "012345678905"
                                << "01234567890555";
    QTest::newRow("UPC-E check") << 5 << "0123455"
                                 << "01234551";
    QTest::newRow("UPC-E long") << 5 << "01234558"
                                << "0123455899";
}

void TestBarcodePainter::ignoredCharactersChangeNothing()
{
    QFETCH(int, symbology);
    QFETCH(QString, plain);
    QFETCH(QString, longer);
    const QImage a = paint(symbology, plain, 3, 90, true).picture.toImage();
    const QImage b = paint(symbology, longer, 3, 90, true).picture.toImage();
    QVERIFY(!a.isNull());
    QVERIFY(a == b);
}

void TestBarcodePainter::refusedContent_data()
{
    QTest::addColumn<int>("symbology");
    QTest::addColumn<QString>("content");
    QTest::addColumn<int>("error");
    QTest::addColumn<QSize>("size");
    QTest::newRow("EAN-13 12 digits") << 0 << "690123456789" << 1 << QSize(226, 60);
    QTest::newRow("EAN-13 letter") << 0 << "69012345678A9" << 1 << QSize(226, 60);
    QTest::newRow("EAN-8 short") << 1 << "123456" << 2 << QSize(162, 60);
    QTest::newRow("EAN-8 letter") << 1 << "123A567" << 2 << QSize(162, 60);
    QTest::newRow("UPC-A short") << 4 << "0123456789" << 5 << QSize(226, 60);
    QTest::newRow("UPC-E short") << 5 << "012345" << 6 << QSize(134, 60);
    QTest::newRow("UPC-E letter") << 5 << "01A3455" << 6 << QSize(134, 60);
    QTest::newRow("UPC-E position 6") << 5 << "012345X" << 6 << QSize(134, 60);
}

void TestBarcodePainter::refusedContent()
{
    QFETCH(int, symbology);
    QFETCH(QString, content);
    QFETCH(int, error);
    QFETCH(QSize, size);
    const Symbol s = paint(symbology, content, 2, 40, true);
    QCOMPARE(s.error, error);
    QCOMPARE(s.picture.size(), size);
    // Checked before any bar: a blank picture of full size.
    QVERIFY(untouchedFrom(s.picture.toImage(), 0));
}

void TestBarcodePainter::refusedCharacterKeepsTheCharactersBefore_data()
{
    QTest::addColumn<int>("symbology");
    QTest::addColumn<QString>("content");
    QTest::addColumn<int>("error");
    QTest::addColumn<int>("drawnModules"); // symbol characters before the refused one
    QTest::newRow("Code 39 lower case") << 2 << "AB c" << 3 << 13 * 4;
    QTest::newRow("Code 39 first lower") << 2 << "ab" << 3 << 13;
    QTest::newRow("Code 93 lower case") << 3 << "AB c" << 4 << 9 * 4;
    QTest::newRow("Code 128 above 126") << 6 << QString("AB") + QChar(0xE9) << 7 << 11 * 3;
    QTest::newRow("Code 128 control") << 6 << "A\tB" << 7 << 11 * 2;
}

void TestBarcodePainter::refusedCharacterKeepsTheCharactersBefore()
{
    QFETCH(int, symbology);
    QFETCH(QString, content);
    QFETCH(int, error);
    QFETCH(int, drawnModules);
    const int m = 2;
    const Symbol s = paint(symbology, content, m, 50, true);
    QCOMPARE(s.error, error);
    const QImage image = s.picture.toImage();
    QVERIFY(isBar(image.pixel(0, 0))); // the start character
    QVERIFY(!isUntouched(image.pixel(drawnModules * m - 1, 10)));
    QVERIFY(untouchedFrom(image, drawnModules * m)); // nothing after, no text
}

void TestBarcodePainter::guardsAreTallerThanDataBars_data()
{
    QTest::addColumn<int>("symbology");
    QTest::addColumn<QString>("content");
    QTest::addColumn<int>("guardModule"); // first bar of the start guard
    QTest::addColumn<int>("dataModule");  // a bar of a data character
    QTest::newRow("EAN-13") << 0 << "6901234567892" << 11 << 96;
    QTest::newRow("EAN-8") << 1 << "1234567" << 7 << 64;
    QTest::newRow("UPC-A") << 4 << "01234567890" << 9 << 94;
    QTest::newRow("UPC-E") << 5 << "0123455" << 8
                           << 52; // the last module of every A and B digit is a bar
}

void TestBarcodePainter::guardsAreTallerThanDataBars()
{
    QFETCH(int, symbology);
    QFETCH(QString, content);
    QFETCH(int, guardModule);
    QFETCH(int, dataModule);
    const int m = 2;
    const int h = 125; // ⌊1.08·H⌋ = 135
    const QImage image = paint(symbology, content, m, h, true).picture.toImage();
    const int gx = guardModule * m;
    QVERIFY(isBar(image.pixel(gx, 0)));
    QVERIFY(isBar(image.pixel(gx + m - 1, 134)));
    QVERIFY(!isBar(image.pixel(gx, 135)));
    const int dx = dataModule * m;
    QVERIFY(isBar(image.pixel(dx, h - 1)));
    QVERIFY(isUntouched(image.pixel(dx, h)));
    QVERIFY(isUntouched(image.pixel(dx, h + 1)));
}

void TestBarcodePainter::textBoxesSitUnderTheirCharacters_data()
{
    QTest::addColumn<int>("symbology");
    QTest::addColumn<QString>("content");
    QTest::addColumn<QString>("line");     // the characters shown, one per box
    QTest::addColumn<QList<int>>("boxes"); // left edges in modules
    QTest::addColumn<int>("boxModules");
    QTest::newRow("EAN-13") << 0 << "690123456789X"
                            << "6901234567892"
                            << QList<int>{2, 13, 20, 27, 34, 41, 48, 59, 66, 73, 80, 87, 94} << 9;
    // The ">" box runs past the right edge and is clipped.
    QTest::newRow("EAN-8") << 1 << "1234567"
                           << "<12345670>" << QList<int>{0, 11, 18, 25, 32, 43, 50, 57, 64, 75}
                           << 7;
    QTest::newRow("UPC-A") << 4 << "01234567890"
                           << "012345678905"
                           << QList<int>{3, 16, 23, 30, 37, 44, 61, 68, 75, 82, 89, 105} << 7;
    QTest::newRow("UPC-E") << 5 << "0123455"
                           << "01234558" << QList<int>{2, 12, 19, 26, 33, 40, 47, 60} << 7;
    QTest::newRow("Code 39 framed") << 2 << "A-B"
                                    << "*A-B*" << QList<int>{0, 13, 26, 39, 52} << 13;
    // Centred: ((9·6 + 45)·m − 3 − 8·m·6) / 2 = 25 modules at m = 4.
    QTest::newRow("Code 93") << 3 << "CODE93"
                             << "CODE93" << QList<int>{25, 33, 41, 49, 57, 65} << 8;
    // Centred: ((11·3 + 35)·m − 8·m·3) / 2 = 22 modules.
    QTest::newRow("Code 128") << 6 << "a_Z"
                              << "a_Z" << QList<int>{22, 30, 38} << 8;
}

// Below the bars the picture must be exactly what drawing each character
// into its box with QPainter gives, under the guard bars that reach down
// into the text line.
void TestBarcodePainter::textBoxesSitUnderTheirCharacters()
{
    QFETCH(int, symbology);
    QFETCH(QString, content);
    QFETCH(QString, line);
    QFETCH(QList<int>, boxes);
    QFETCH(int, boxModules);
    QCOMPARE(boxes.size(), line.size());
    const int m = 4;
    const int h = 200;
    const QImage on = paint(symbology, content, m, h, true)
                          .picture.toImage()
                          .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage expected = on;
    for (int x = 0; x < on.width(); ++x) {
        // Row H holds nothing but guard bars, which end at ⌊1.08·H⌋ − 1.
        const bool guard = !isUntouched(on.pixel(x, h));
        for (int y = h; y < on.height(); ++y)
            expected.setPixel(x, y, guard && y < h * 108 / 100 ? on.pixel(x, 0) : 0u);
    }
    QPainter painter(&expected);
    painter.setCompositionMode(QPainter::CompositionMode_DestinationOver);
    QFont font("arial");
    font.setPixelSize(5 * m + 10);
    font.setCapitalization(QFont::SmallCaps);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0);
    painter.setFont(font);
    painter.setPen(Qt::black);
    for (int i = 0; i < boxes.size(); ++i) {
        const QRect box(boxes[i] * m, h + 2, boxModules * m, h / 5);
        painter.drawText(box, Qt::AlignCenter, QString(line[i]));
    }
    painter.end();
    for (int y = h; y < on.height(); ++y) {
        for (int x = 0; x < on.width(); ++x) {
            if (on.pixel(x, y) != expected.pixel(x, y))
                QFAIL(qPrintable(QString("pixel (%1, %2) is %3, wanted %4")
                                     .arg(x)
                                     .arg(y)
                                     .arg(on.pixel(x, y), 8, 16)
                                     .arg(expected.pixel(x, y), 8, 16)));
        }
    }
    QVERIFY(hasInk(on, QRect(0, h + 2, on.width(), h / 5))); // the font drew something
    // Text off: exactly H high.
    QCOMPARE(paint(symbology, content, m, h, false).picture.height(), h);
}

void TestBarcodePainter::itemShowsTheErrorBoxThroughTheSeam_data()
{
    QTest::addColumn<int>("symbology");
    QTest::addColumn<QString>("content");
    QTest::addColumn<QString>("text");
    QTest::newRow("EAN-13") << 0 << "123"
                            << "条码格式错误，本条码为13位阿拉伯数字！";
    QTest::newRow("EAN-8") << 1 << "123"
                           << "条码格式错误，本条码为8位阿拉伯数字！";
    QTest::newRow("Code 39") << 2 << "ab"
                             << "条码格式错误，本条码内容仅包含数字与大写字母及部分符号！";
    QTest::newRow("Code 93") << 3 << "ab"
                             << "条码格式错误，本条码内容仅包含数字与大写字母及部分符号！";
    QTest::newRow("UPC-A") << 4 << "123"
                           << "条码格式错误，本条码为12位阿拉伯数字！";
    QTest::newRow("UPC-E") << 5 << "123"
                           << "条码格式错误，本条码为8位阿拉伯数字！";
    QTest::newRow("Code 128") << 6 << QString(QChar(0x4E2D))
                              << "条码格式错误，本条码内容仅包含数字与英文字母及部分符号！";
}

void TestBarcodePainter::itemShowsTheErrorBoxThroughTheSeam()
{
    QFETCH(int, symbology);
    QFETCH(QString, content);
    QFETCH(QString, text);
    boxRecorder boxes;
    diagramBarItem item;
    QVERIFY(boxes.seen.isEmpty()); // the default content is valid
    item.setSymbology(symbology);
    boxes.seen.clear();
    item.setContent(content);
    QCOMPARE(boxes.seen, QStringList{"警告|" + text + "|确认"});
    QCOMPARE(errorText(42), QString("条码格式错误！"));
}

// The check sum of thousands of characters overflowed an int and indexed the
// pattern table with a negative value.
void TestBarcodePainter::longContentIsDrawnWhole_data()
{
    QTest::addColumn<int>("symbology");
    QTest::addColumn<QString>("content");
    QTest::addColumn<int>("width");
    QTest::newRow("Code 128") << int(barcodePainter::Code128) << QString(8000, '~')
                              << 11 * 8000 + 35;
}

void TestBarcodePainter::longContentIsDrawnWhole()
{
    QFETCH(int, symbology);
    QFETCH(QString, content);
    QFETCH(int, width);
    const barcodePainter::Symbol symbol = barcodePainter::paint(symbology, content, 1, 10, false);
    QCOMPARE(symbol.error, int(barcodePainter::NoError));
    QCOMPARE(symbol.picture.width(), width);
}

// Module widths and bar heights come from message files; sizes that would
// overflow the picture arithmetic must not be drawn at all.
void TestBarcodePainter::damagedSizesGiveAnEmptyPicture_data()
{
    QTest::addColumn<int>("symbology");
    QTest::addColumn<int>("module");
    QTest::addColumn<int>("height");
    QTest::newRow("EAN-13, huge module") << int(barcodePainter::Ean13) << 38008561 << 200;
    QTest::newRow("EAN-13, huge height") << int(barcodePainter::Ean13) << 4 << 1431655766;
    QTest::newRow("Code 128, huge module") << int(barcodePainter::Code128) << 20000000 << 50;
    QTest::newRow("UPC-E, negative") << int(barcodePainter::UpcE) << -3 << -7;
    // From a file: "BarLineHeight":-1444...4 reads as the smallest int.
    QTest::newRow("EAN-13, smallest height") << int(barcodePainter::Ean13) << 4 << INT_MIN;
    QTest::newRow("EAN-13, smallest module") << int(barcodePainter::Ean13) << INT_MIN << 200;
    QTest::newRow("Code 128, smallest module") << int(barcodePainter::Code128) << INT_MIN << 50;
}

void TestBarcodePainter::damagedSizesGiveAnEmptyPicture()
{
    QFETCH(int, symbology);
    QFETCH(int, module);
    QFETCH(int, height);
    const barcodePainter::Symbol symbol =
        barcodePainter::paint(symbology, "6901234567892", module, height, true);
    QVERIFY(symbol.picture.isNull() || symbol.picture.size().isEmpty());
}

QTEST_MAIN(TestBarcodePainter)
#include "tst_barcodepainter.moc"
