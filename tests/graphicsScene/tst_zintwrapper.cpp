// SPDX-License-Identifier: GPL-3.0-or-later
#include "zintwrapper.h"

#include "zbar.h"

#include <QPainter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <zint.h>

using Zint::QZint;

namespace {

// The symbologies zbar reads, rendered as the item renders them.
struct DecodedSymbol
{
    const char *name;
    int symbology;
    const char *content;
    bool gs1;
    const char *zbarType;
    const char *decoded; // what the reader must report, check digits included
};
const DecodedSymbol kDecodedSymbols[] = {
    {"EAN-13", QZint::Ean13, "9501101530003", false, "EAN-13", "9501101530003"},
    {"UPC-A", QZint::UpcA, "036000291452", false, "UPC-A", "036000291452"},
    {"UPC-E", QZint::UpcE, "0123456", false, "UPC-E", "01234565"},
    {"Code 39", QZint::Code39, "CODE39-TEST", false, "CODE-39", "CODE39-TEST"},
    {"Code 93", QZint::Code93, "KORVEX-93", false, "CODE-93", "KORVEX-93"},
    {"Code 128", QZint::Code128, "Korvex-128 lot 7", false, "CODE-128", "Korvex-128 lot 7"},
    {"Code 128 switched to GS1", QZint::Code128, "[01]09501101530003[10]ABC123", true, "CODE-128",
     "010950110153000310ABC123"},
    {"GS1-128", QZint::Gs1_128, "[01]09501101530003[17]250101", false, "CODE-128",
     "010950110153000317250101"},
    {"ITF-14", QZint::Itf14, "1540014128876", false, "I2/5", "15400141288763"},
    {"EAN-14", QZint::Ean14, "1234567890123", false, "CODE-128", "0112345678901231"},
    {"QR Code", QZint::QrCode, "Korvex QR 123", false, "QR-Code", "Korvex QR 123"},
    {"QR Code in Latin-1", QZint::QrCode, "Lot ü 5", false, "QR-Code", "Lot ü 5"},
    // Beyond one 8-bit set: Zint adds a UTF-8 ECI and warns, and still renders.
    {"QR Code beyond Latin-1", QZint::QrCode, "Grüße Ω €", false, "QR-Code", "Grüße Ω €"},
    {"GS1 QR Code", QZint::QrCode, "[01]09501101530003[17]250101", true, "QR-Code",
     "010950110153000317250101"},
};

// A printed code gets its quiet zone from the product around it; the item
// itself leaves only a 5-pixel margin.
QImage withQuietZone(const QPixmap &symbol)
{
    QImage image(symbol.width() + 80, symbol.height() + 80, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.drawPixmap(40, 40, symbol);
    return image;
}

bool isDark(QRgb pixel)
{
    return qGray(pixel) < 128;
}

int darkPixels(const QImage &image, const QRect &area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += isDark(image.pixel(x, y));
    return count;
}

} // namespace

class TestZintWrapper : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QHash<QString, zbar::Symbol> m_zbarResults;
    bool m_zbarRan = false;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        // Every symbol is rendered first and read in one run of the decoder.
        QStringList files;
        for (const DecodedSymbol &s : kDecodedSymbols) {
            QZint zint;
            zint.setSymbology(s.symbology);
            zint.setText(QString::fromUtf8(s.content));
            zint.setShowText(true);
            if (s.gs1)
                zint.setGS1Mode(true);
            const QPixmap pixmap = zint.renderPixmap();
            QVERIFY2(!zint.hasErrors(), qPrintable(zint.lastError()));
            const QString file = m_dir.filePath(QString::number(files.size()) + ".png");
            QVERIFY(withQuietZone(pixmap).save(file));
            files << file;
        }
        m_zbarResults = zbar::decodeFiles(files, {"-Supca.enable", "-Supce.enable"});
        m_zbarRan = true;
    }

    void gs1Switch_data()
    {
        QTest::addColumn<int>("symbology");
        QTest::addColumn<bool>("gs1");
        QTest::addColumn<int>("expectedSymbology");
        QTest::addColumn<int>("expectedMode");
        QTest::newRow("Code 128 on") << 20 << true << 16 << 1;
        QTest::newRow("GS1-128 off") << 16 << false << 20 << 1;
        QTest::newRow("Code 128 off") << 20 << false << 20 << 1;
        QTest::newRow("GS1-128 on") << 16 << true << 16 << 1;
        QTest::newRow("QR Code on") << 58 << true << 58 << 2;
        QTest::newRow("QR Code off") << 58 << false << 58 << 1;
        QTest::newRow("Data Matrix on") << 71 << true << 71 << 2;
        QTest::newRow("EAN-13 on") << 13 << true << 13 << 1;
        QTest::newRow("PDF417 on") << 55 << true << 55 << 1;
        QTest::newRow("EAN-14 on") << 72 << true << 72 << 1;
    }
    void gs1Switch()
    {
        QFETCH(int, symbology);
        QFETCH(bool, gs1);
        QZint zint;
        zint.setSymbology(symbology);
        zint.setInputMode(QZint::Gs1Mode); // the switch always starts from Unicode
        zint.setGS1Mode(gs1);
        QTEST(zint.symbology(), "expectedSymbology");
        QTEST(zint.inputMode(), "expectedMode");
    }

    void decodedByZbar_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < int(std::size(kDecodedSymbols)); ++i)
            QTest::newRow(kDecodedSymbols[i].name) << i;
    }
    void decodedByZbar()
    {
        QFETCH(int, index);
        QVERIFY2(m_zbarRan && !m_zbarResults.isEmpty(), "zbarimg (zbar-tools) did not run");
        const DecodedSymbol &s = kDecodedSymbols[index];
        const QString file = QString::number(index) + ".png";
        QVERIFY2(m_zbarResults.contains(file), "zbar found no symbol");
        QCOMPARE(m_zbarResults.value(file).data, QString::fromUtf8(s.decoded));
        QCOMPARE(m_zbarResults.value(file).type, QString(s.zbarType));
    }

    // zbar reads neither, so the picture is held against Zint's own modules.
    void matrixMatchesZint_data()
    {
        QTest::addColumn<int>("symbology");
        QTest::addColumn<int>("inputMode");
        QTest::addColumn<QString>("content");
        QTest::newRow("Data Matrix") << 71 << 1 << "Korvex DM 2024-06";
        QTest::newRow("GS1 Data Matrix") << 71 << 2 << "[01]09501101530003[17]250101";
        QTest::newRow("PDF417") << 55 << 1 << "Korvex PDF417 test 0123456789";
    }
    void matrixMatchesZint()
    {
        QFETCH(int, symbology);
        QFETCH(int, inputMode);
        QFETCH(QString, content);
        QZint zint;
        zint.setSymbology(symbology);
        zint.setInputMode(inputMode);
        zint.setText(content);
        const QImage image = zint.renderPixmap().toImage();
        QVERIFY2(!zint.hasErrors(), qPrintable(zint.lastError()));

        zint_symbol *bare = ZBarcode_Create();
        bare->symbology = symbology;
        bare->input_mode = inputMode;
        const QByteArray data = content.toUtf8();
        QVERIFY(ZBarcode_Encode(bare, reinterpret_cast<const unsigned char *>(data.constData()),
                                data.size()) < ZINT_ERROR);
        const int columns = bare->width;
        const int rows = bare->rows;
        const double moduleWidth = (image.width() - 10) / double(columns);
        const double rowHeight = (image.height() - 10) / double(rows);
        QVERIFY(moduleWidth >= 2 && rowHeight >= 2);
        int mismatches = 0;
        for (int row = 0; row < rows; ++row) {
            for (int col = 0; col < columns; ++col) {
                const bool set = (bare->encoded_data[row][col >> 3] >> (col & 7)) & 1;
                const QRgb pixel = image.pixel(int(5 + (col + 0.5) * moduleWidth),
                                               int(5 + (row + 0.5) * rowHeight));
                mismatches += set != isDark(pixel);
            }
        }
        ZBarcode_Delete(bare);
        QCOMPARE(mismatches, 0);
    }

    // A new encoder is a QR Code of "123456" at scale 2.0: version 1, 21
    // modules, 2 vector units each at scale 1.
    void newSymbolIsAVersion1QrCodeWithItsMargin()
    {
        QZint zint;
        QCOMPARE(zint.symbology(), int(QZint::QrCode));
        QCOMPARE(zint.text(), QString("123456"));
        // Error level and version left to Zint, Unicode input.
        QCOMPARE(QList<int>({zint.option1(), zint.option2(), zint.inputMode()}),
                 QList<int>({-1, 0, int(QZint::UnicodeMode)}));
        const QImage image = zint.renderPixmap().toImage();
        QCOMPARE(image.size(), QSize(2 * 84 + 10, 2 * 84 + 10));
        // Black on white; the finder pattern starts after the 5-pixel margin,
        // 8 pixels a module.
        QCOMPARE(QColor(image.pixel(4, 4)), QColor(Qt::white));
        QCOMPARE(QColor(image.pixel(5, 5)), QColor(Qt::black));
        QVERIFY(isDark(image.pixel(5 + 6 * 8 + 7, 5)));
        QVERIFY(!isDark(image.pixel(5 + 7 * 8, 5)));
        QCOMPARE(zint.height(), 21); // Zint's choice is kept
    }

    void invalidContentGivesTheErrorPictureAndKeepsTheFields()
    {
        QZint zint;
        zint.setSymbology(QZint::Ean13);
        zint.setText("ABC");
        zint.setHeight(30);
        QSignalSpy encoded(&zint, &QZint::encoded);
        const QPixmap pixmap = zint.renderPixmap();
        QCOMPARE(pixmap.size(), QSize(800, 300));
        QVERIFY(zint.errorCode() > QZint::kMaxWarning);
        QVERIFY(zint.hasErrors());
        QVERIFY(!zint.lastError().isEmpty());
        QCOMPARE(encoded.count(), 0);
        QCOMPARE(zint.text(), QString("ABC"));
        QCOMPARE(zint.symbology(), int(QZint::Ean13));
        QCOMPARE(zint.height(), 30);
        // Both halves of the text are drawn: ink in the upper and lower line.
        const QImage image = pixmap.toImage();
        QVERIFY(!isDark(image.pixel(0, 0)));
        QVERIFY(darkPixels(image, QRect(40, 50, 700, 55)) > 100);
        QVERIFY(darkPixels(image, QRect(40, 150, 700, 55)) > 100);

        zint.setText("950110153000");
        QVERIFY(zint.renderPixmap().size() != QSize(800, 300));
        QCOMPARE(encoded.count(), 1);
    }

    void warningsRenderTheSymbol()
    {
        QZint zint;
        zint.setText("Grüße Ω €"); // Zint warns that it added an ECI
        const QPixmap pixmap = zint.renderPixmap();
        QVERIFY(zint.errorCode() > 0 && !zint.hasErrors());
        QVERIFY(pixmap.size() != QSize(800, 300));
    }

    void tooLargeSymbolIsRefused()
    {
        QZint zint;
        zint.setScale(100.0f); // Zint accepts it; the picture would take gigabytes
        const QPixmap pixmap = zint.renderPixmap();
        QVERIFY(!zint.hasErrors());
        QCOMPARE(pixmap.size(), QSize(800, 300));
    }

    void itf14KeepsItsBearerBoxOnEveryRender()
    {
        QZint zint;
        zint.setSymbology(QZint::Itf14);
        zint.setText("1540014128876");
        const QSize first = zint.renderPixmap().size();
        const QImage again = zint.renderPixmap().toImage();
        QCOMPARE(again.size(), first);
        // The top bearer bar runs across the whole symbol.
        QVERIFY(isDark(again.pixel(again.width() / 2, 8)));
        QVERIFY(isDark(again.pixel(8, 8)));
    }

    void linearTextIsDrawnBelowTheBars()
    {
        QZint zint;
        zint.setSymbology(QZint::Code128);
        zint.setText("Korvex");
        const QImage bare = zint.renderPixmap().toImage();
        zint.setShowText(true);
        const QImage withText = zint.renderPixmap().toImage();
        QVERIFY(withText.height() > bare.height());
        QCOMPARE(withText.width(), bare.width());
        const QRect below(0, bare.height(), withText.width(), withText.height() - bare.height());
        QVERIFY(darkPixels(withText, below) > 50);
    }

    // Digits of 64 pixels and more are laid down from kept cells; they must
    // look and sit as the font draws them, also when drawn a second time.
    void largeTextIsDrawnAsTheFontDrawsIt_data()
    {
        QTest::addColumn<int>("symbology");
        QTest::addColumn<QString>("content");
        QTest::addColumn<float>("scale");
        QTest::newRow("EAN-13, 80 pixels") << int(QZint::Ean13) << "950110153000" << 2.0f;
        QTest::newRow("Code 128 at scale 3") << int(QZint::Code128) << "Lot 7/g" << 3.0f;
    }
    void largeTextIsDrawnAsTheFontDrawsIt()
    {
        QFETCH(int, symbology);
        QFETCH(QString, content);
        QFETCH(float, scale);
        QZint zint;
        zint.setSymbology(symbology);
        zint.setText(content);
        zint.setScale(scale);
        zint.setShowText(true);
        const QImage first = zint.renderPixmap().toImage();
        const QImage image = zint.renderPixmap().toImage();
        QCOMPARE(image, first);

        // The reference: Zint's bars and strings drawn through a painter
        // scaled to the picture, the font filling every glyph.
        zint_symbol *symbol = ZBarcode_Create();
        symbol->symbology = symbology;
        symbol->scale = scale;
        symbol->show_hrt = 1;
        symbol->input_mode = UNICODE_MODE;
        const QByteArray data = content.toUtf8();
        QVERIFY(ZBarcode_Encode_and_Buffer_Vector(
                    symbol, reinterpret_cast<const unsigned char *>(data.constData()), data.size(),
                    0) < ZINT_ERROR);
        QImage expected(image.size(), QImage::Format_RGB32);
        expected.fill(Qt::white);
        int top = expected.height();
        {
            QPainter painter(&expected);
            painter.scale(scale, scale);
            const qreal margin = 5 / scale;
            for (const zint_vector_rect *r = symbol->vector->rectangles; r; r = r->next)
                painter.fillRect(QRectF(r->x + margin, r->y + margin, r->width, r->height),
                                 Qt::black);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setPen(Qt::black);
            for (const zint_vector_string *str = symbol->vector->strings; str; str = str->next) {
                QFont font("Helvetica");
                font.setPixelSize(qRound(str->fsize));
                QVERIFY(font.pixelSize() * scale >= 64);
                const QString text = QString::fromUtf8(reinterpret_cast<const char *>(str->text));
                const qreal width = QFontMetricsF(font).horizontalAdvance(text);
                const qreal x = str->x - (str->halign == 2   ? width
                                          : str->halign == 1 ? 0
                                                             : width / 2);
                top = qMin(top, int(scale * (str->y - QFontMetricsF(font).ascent())));
                painter.setFont(font);
                painter.drawText(QPointF(x, str->y), text);
            }
        }
        ZBarcode_Delete(symbol);
        const QRect band(0, top, image.width(), image.height() - top);
        const int ink = darkPixels(image, band);
        const int expectedInk = darkPixels(expected, band);
        QVERIFY2(
            qAbs(ink - expectedInk) <= expectedInk / 50,
            qPrintable(QString("%1 dark pixels, the font draws %2").arg(ink).arg(expectedInk)));
        // Column by column, the ink starts and ends where the font's does.
        for (const int y : {top + (image.height() - top) / 3, top + (image.height() - top) / 2}) {
            int differing = 0;
            for (int x = 0; x < image.width(); ++x)
                differing += isDark(image.pixel(x, y)) != isDark(expected.pixel(x, y));
            QVERIFY2(differing <= image.width() / 100, qPrintable(QString::number(differing)));
        }
    }

    void gs1DataMatrixTextBesideTheSymbol()
    {
        QZint zint;
        zint.setSymbology(QZint::DataMatrix);
        zint.setGS1Mode(true);
        zint.setText("[01]09501101530003[17]250101");
        const QImage bare = zint.renderPixmap().toImage();
        QCOMPARE(zint.textBlockWidth(), 0);
        zint.setShowText(true);
        const QImage image = zint.renderPixmap().toImage();
        QVERIFY(!zint.hasErrors());

        // The wider line is "(01)09501101530003", measured in the side font.
        QFont font("Helvetica");
        const int symbolHeight = (bare.height() - 10) / 2;
        font.setPixelSize(std::min(int(0.25 * symbolHeight - 6), 47));
        const int widest = QFontMetrics(font).horizontalAdvance("(01)09501101530003");
        QCOMPARE(zint.textBlockWidth(), widest + 10);
        QCOMPARE(image.width(), bare.width() + 2 * zint.textBlockWidth());
        QCOMPARE(image.height(), bare.height());

        // Two lines of ink to the right of the symbol, one above the other.
        const int left = bare.width();
        QList<bool> inkRows;
        for (int y = 0; y < image.height(); ++y)
            inkRows << (darkPixels(image, QRect(left, y, image.width() - left, 1)) > 0);
        int bands = 0;
        for (int y = 0; y < inkRows.size(); ++y)
            bands += inkRows[y] && (y == 0 || !inkRows[y - 1]);
        QCOMPARE(bands, 2);
    }

    void translucentForegroundIsAccepted()
    {
        QZint zint;
        zint.setFgColor(QColor(200, 0, 0, 128)); // Zint takes "C8000080"
        const QImage image = zint.renderPixmap().toImage();
        QVERIFY2(!zint.hasErrors(), qPrintable(zint.lastError()));
        QVERIFY(QColor(image.pixel(6, 6)) != QColor(Qt::black));
        QVERIFY(QColor(image.pixel(6, 6)).red() > QColor(image.pixel(6, 6)).green());
    }
};

QTEST_MAIN(TestZintWrapper)
#include "tst_zintwrapper.moc"
