// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagramqrcodeitem.h"
#include "qrcodepicture.h"
#include "zbar.h"

#include <QtTest>

namespace {

qrCodeParams params(const QString &content, int level, int version, int scale, bool converse)
{
    qrCodeParams p;
    p.content = content;
    p.level = level;
    p.version = version;
    p.scale = scale;
    p.converse = converse;
    return p;
}

QImage render(const qrCodeParams &p)
{
    QPixmap picture;
    if (!qrCodePicture::render(p, &picture))
        return {};
    return picture.toImage().convertToFormat(QImage::Format_RGB32);
}

bool isDark(const QImage &image, int x, int y)
{
    return qGray(image.pixel(x, y)) < 128;
}

} // namespace

class TestQRCodePicture : public QObject
{
    Q_OBJECT
private slots:
    void zbarReadsEveryLevelAndVersion_data();
    void zbarReadsEveryLevelAndVersion();
    void converseSwapsColoursInsideADarkBorder();
    void outOfRangeLevelEncodesAsQ();
    void contentTheEncoderCannotTakeKeepsThePreviousPicture_data();
    void contentTheEncoderCannotTakeKeepsThePreviousPicture();
    void zeroScaleGivesAnEmptyPicture();
};

void TestQRCodePicture::zbarReadsEveryLevelAndVersion_data()
{
    QTest::addColumn<int>("level");
    QTest::newRow("L") << 0;
    QTest::newRow("M") << 1;
    QTest::newRow("Q") << 2;
    QTest::newRow("H") << 3;
}

// Every version at this level, alternately with and without converse (the
// other way round at the next level); one zbar run per level.
void TestQRCodePicture::zbarReadsEveryLevelAndVersion()
{
    QFETCH(int, level);
    QList<int> versions;
    for (int v = 1; v <= 40; ++v)
        versions << v;
    // Each content fits its version even at level H.
    const QStringList small = {"INKJET", "条码 INK", "https://example.com/a", "0123456789",
                               "条码 Korvex 2024/03/15"};
    QList<QImage> pictures;
    QStringList wanted;
    for (int i = 0; i < versions.size(); ++i) {
        const int version = versions[i];
        const bool converse = (i + level) % 2 == 1;
        const int scale = version <= 10 ? 4 : 3;
        const QString content = i < small.size() ? small[i] : QString("Korvex ").repeated(version);
        QImage image = render(params(content, level, version, scale, converse));
        // The encoder keeps the version asked for when the content fits it.
        const int modules = 17 + 4 * version;
        const int border = converse ? 2 * scale : 0;
        QCOMPARE(image.width(), modules * scale + border);
        QCOMPARE(image.height(), image.width());
        if (converse) {
            QVERIFY(isDark(image, 0, 0));
            image.invertPixels(); // a reader of printed labels sees it this way round
        }
        pictures << image;
        wanted << content;
    }
    const QStringList read = zbar::decode(pictures, 40);
    for (int i = 0; i < read.size(); ++i)
        QCOMPARE(read[i] + QString(" (version %1)").arg(versions[i]),
                 wanted[i] + QString(" (version %1)").arg(versions[i]));
}

void TestQRCodePicture::converseSwapsColoursInsideADarkBorder()
{
    const int s = 5;
    const QImage plain = render(params("INKJET", 2, 1, s, false));
    const QImage converse = render(params("INKJET", 2, 1, s, true));
    QCOMPARE(plain.size(), QSize(21 * s, 21 * s));
    QCOMPARE(converse.size(), QSize(23 * s, 23 * s));
    for (int i = 0; i < converse.width(); ++i) {
        QVERIFY(isDark(converse, i, 0));
        QVERIFY(isDark(converse, 0, i));
        QVERIFY(isDark(converse, i, converse.height() - 1));
        QVERIFY(isDark(converse, converse.width() - 1, i));
    }
    for (int y = 0; y < plain.height(); ++y) {
        for (int x = 0; x < plain.width(); ++x)
            QVERIFY(isDark(plain, x, y) != isDark(converse, x + s, y + s));
    }
    QVERIFY(isDark(plain, 0, 0)); // the finder pattern's corner, at the picture's edge
}

void TestQRCodePicture::outOfRangeLevelEncodesAsQ()
{
    const QImage q = render(params("LEVEL", 2, 2, 3, false));
    QVERIFY(render(params("LEVEL", 7, 2, 3, false)) == q);
    QVERIFY(render(params("LEVEL", -1, 2, 3, false)) == q);
    QVERIFY(render(params("LEVEL", 0, 2, 3, false)) != q);
}

void TestQRCodePicture::contentTheEncoderCannotTakeKeepsThePreviousPicture_data()
{
    QTest::addColumn<QString>("content");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("version");
    QTest::addColumn<int>("scale");
    // Version 40 at level H holds 1273 bytes.
    QTest::newRow("over capacity") << QString(1274, 'x') << 3 << 1 << 2;
    QTest::newRow("version 41") << "ABC" << 2 << 41 << 2;
    QTest::newRow("negative version") << "ABC" << 2 << -3 << 2;
    QTest::newRow("picture too large") << "ABC" << 2 << 40 << 1000;
}

void TestQRCodePicture::contentTheEncoderCannotTakeKeepsThePreviousPicture()
{
    QFETCH(QString, content);
    QFETCH(int, level);
    QFETCH(int, version);
    QFETCH(int, scale);
    diagramQRCodeItem item;
    const QImage before = item.pixmap().toImage();
    QCOMPARE(before.size(), QSize(210, 210)); // "INKJET", version 1, scale 10
    qrCodeParams p = item.params();
    p.content = content;
    p.level = level;
    p.version = version;
    p.scale = scale;
    QVERIFY(!item.setParams(p));
    QVERIFY(item.pixmap().toImage() == before);
    QCOMPARE(item.params().content, content); // still saved as the operator typed it
    // Exactly at capacity still encodes.
    p = item.params();
    p.content = QString(1273, 'x');
    p.level = 3;
    p.version = 1;
    p.scale = 1;
    QVERIFY(item.setParams(p));
    QCOMPARE(item.pixmap().width(), 177);
}

void TestQRCodePicture::zeroScaleGivesAnEmptyPicture()
{
    QPixmap picture(5, 5);
    QVERIFY(qrCodePicture::render(params("A", 2, 1, 0, false), &picture));
    QVERIFY(picture.isNull());
}

QTEST_MAIN(TestQRCodePicture)
#include "tst_qrcodepicture.moc"
