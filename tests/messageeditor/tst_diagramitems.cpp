// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagrambaritem.h"
#include "diagramcnt2item.h"
#include "diagramcntitem.h"
#include "diagramimageitem.h"
#include "diagramitemfactory.h"
#include "diagramqrcodeitem.h"
#include "diagramscene.h"
#include "diagramtextitem.h"
#include "diagramtimeitem.h"
#include "editorclock.h"
#include "fontfamilies.h"
#include "samplepicture.h"

#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace {

const QDateTime kFixed(QDate(2024, 3, 15), QTime(8, 30, 5));

// The item drawn alone on white, selected or not.
QImage drawn(QGraphicsItem *item, bool selected)
{
    diagramScene scene;
    scene.addItem(item);
    item->setSelected(selected);
    const QRectF area = item->sceneBoundingRect().adjusted(-4, -4, 4, 4);
    QImage image(area.size().toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    scene.render(&painter, QRectF(), area);
    painter.end();
    scene.removeItem(item);
    return image;
}

int countPixels(const QImage &image, QRgb colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            n += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
    }
    return n;
}

} // namespace

class TestDiagramItems : public QObject
{
    Q_OBJECT
private slots:
    void typeCodesFlagsAndDefaults_data();
    void typeCodesFlagsAndDefaults();
    void counterText_data();
    void counterText();
    void timeTextFromTheInjectedClock_data();
    void timeTextFromTheInjectedClock();
    void fontFamiliesByPanelIndex_data();
    void fontFamiliesByPanelIndex();
    void factoryDefaultsByResolution_data();
    void factoryDefaultsByResolution();
    void selectedTextTurnsRedWithoutAFrame();
    void selectedPicturesShowNoOutlineExceptImages();
    void imagePicturesAreOneBitAndReverse();
    void barcodeScalingKeepsTheSource();
};

void TestDiagramItems::typeCodesFlagsAndDefaults_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("text");      // text-like items
    QTest::addColumn<QSize>("pictureSize"); // picture items
    QTest::newRow("text") << int(diagramItemFactory::Text) << 65539 << "Input text" << QSize();
    QTest::newRow("counter 2") << int(diagramItemFactory::Cnt2) << 65540 << "000000" << QSize();
    QTest::newRow("counter") << int(diagramItemFactory::Cnt) << 65541 << "000000" << QSize();
    QTest::newRow("barcode") << int(diagramItemFactory::Bar) << 65543 << "" << QSize(452, 300);
    QTest::newRow("image") << int(diagramItemFactory::Image) << 65544 << "" << QSize(120, 120);
    QTest::newRow("time") << int(diagramItemFactory::Time) << 65545 << "2024/03/15 08:30:05"
                          << QSize();
    QTest::newRow("QR code") << int(diagramItemFactory::QRCode) << 65546 << "" << QSize(210, 210);
}

void TestDiagramItems::typeCodesFlagsAndDefaults()
{
    QFETCH(int, kind);
    QFETCH(int, type);
    QFETCH(QString, text);
    QFETCH(QSize, pictureSize);
    editorClock::Pin clock(kFixed);
    std::unique_ptr<QGraphicsItem> item(diagramItemFactory::create(kind, 1));
    QCOMPARE(item->type(), type);
    QCOMPARE(item->flags(), QGraphicsItem::ItemIsMovable | QGraphicsItem::ItemIsSelectable);
    if (auto *t = dynamic_cast<diagramTextBase *>(item.get())) {
        QCOMPARE(t->toPlainText(), text);
        QCOMPARE(t->itemFont().family(), QString("simsun"));
        QCOMPARE(t->itemFont().pixelSize(), 150);
        QCOMPARE(t->font(), t->itemFont());
    } else {
        QCOMPARE(static_cast<QGraphicsPixmapItem *>(item.get())->pixmap().size(), pictureSize);
    }
}

void TestDiagramItems::counterText_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("digits");
    QTest::addColumn<QString>("text");
    QTest::newRow("6 digits") << 0 << 6 << "000000";
    QTest::newRow("8 digits") << 0 << 8 << "00000000";
    QTest::newRow("1 digit") << 0 << 1 << "0";
    QTest::newRow("padded") << 42 << 5 << "00042";
    QTest::newRow("longer than digits") << 1234 << 2 << "1234";
}

void TestDiagramItems::counterText()
{
    QFETCH(int, value);
    QFETCH(int, digits);
    QFETCH(QString, text);
    QCOMPARE(diagramCounterBase::counterText(value, digits), text);
    if (value != 0)
        return;
    diagramCntItem counter;
    counter.setDigits(digits);
    QCOMPARE(counter.toPlainText(), text);
    counter.setDigits(0); // outside 1 to 8: ignored
    counter.setDigits(9);
    QCOMPARE(counter.digits(), digits);
}

void TestDiagramItems::timeTextFromTheInjectedClock_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<int>("months");
    QTest::addColumn<QString>("text");
    QTest::newRow("default") << "yyyy/MM/dd hh:mm:ss" << 0 << "2024/03/15 08:30:05";
    QTest::newRow("12 months, less a day") << "yyyy/MM/dd" << 12 << "2025/03/14";
    QTest::newRow("1 month") << "yyyy-MM-dd" << 1 << "2024-04-14";
    QTest::newRow("Chinese literals") << "yyyy年MM月dd日" << 0 << "2024年03月15日";
}

void TestDiagramItems::timeTextFromTheInjectedClock()
{
    QFETCH(QString, format);
    QFETCH(int, months);
    QFETCH(QString, text);
    editorClock::Pin clock(kFixed);
    diagramTimeItem item;
    editorClock::Pin later(kFixed.addYears(3)); // read once, at construction
    item.setValidMonths(months);
    item.setFormat(format);
    QCOMPARE(item.toPlainText(), text);
    QCOMPARE(item.reference(), kFixed);
    // Month ends: 31 January + 1 month is 29 February; less a day, the 28th.
    QCOMPARE(diagramTimeItem::timeText("yyyyMMdd", QDateTime(QDate(2024, 1, 31), QTime()), 1),
             QString("20240228"));
}

void TestDiagramItems::fontFamiliesByPanelIndex_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("counterOrTime");
    QTest::addColumn<QString>("counter2");
    QTest::newRow("0") << 0 << "simsun"
                       << "simsun"
                       << "simsun";
    QTest::newRow("4") << 4 << "Arial"
                       << "Arial"
                       << "AaSpot";
    QTest::newRow("8") << 8 << "FZGuLi-S12S"
                       << "FZGuLi-S12S"
                       << "MBitmapRoundHK";
    QTest::newRow("12") << 12 << "01 Digit"
                        << "01 Digit"
                        << "Arcade";
    QTest::newRow("14") << 14 << "??????01"
                        << "??????01"
                        << "??????2fzr";
    QTest::newRow("15") << 15 << "DejaVu Sans"
                        << "simsun"
                        << "??????01";
    QTest::newRow("16") << 16 << "simsun"
                        << "simsun"
                        << "simsun";
    QTest::newRow("-1") << -1 << "simsun"
                        << "simsun"
                        << "simsun";
}

void TestDiagramItems::fontFamiliesByPanelIndex()
{
    QFETCH(int, index);
    QFETCH(QString, text);
    QFETCH(QString, counterOrTime);
    QFETCH(QString, counter2);
    QCOMPARE(fontFamilies::forText(index), text);
    QCOMPARE(fontFamilies::forCounterOrTime(index), counterOrTime);
    QCOMPARE(fontFamilies::forCounter2(index), counter2);
}

void TestDiagramItems::factoryDefaultsByResolution_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("resolution");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("size");   // pixel size, module width or QR scale
    QTest::addColumn<int>("height"); // bar height
    for (int res : {0, 2}) {
        const bool small = res == 0;
        const QByteArray r = small ? " 144" : " 600";
        QTest::newRow("text" + r) << 1 << res << 65539 << (small ? 70 : 150) << 0;
        QTest::newRow("counter" + r) << 2 << res << 65541 << (small ? 70 : 150) << 0;
        QTest::newRow("counter 2" + r) << 3 << res << 65540 << 150 << 0;
        QTest::newRow("time" + r) << 4 << res << 65545 << (small ? 70 : 150) << 0;
        QTest::newRow("QR" + r) << 6 << res << 65546 << (small ? 6 : 10) << 0;
        QTest::newRow("barcode" + r) << 7 << res << 65543 << (small ? 3 : 4) << (small ? 100 : 200);
    }
    QTest::newRow("unknown id") << 99 << 1 << 65539 << 150 << 0;
}

void TestDiagramItems::factoryDefaultsByResolution()
{
    QFETCH(int, kind);
    QFETCH(int, resolution);
    QFETCH(int, type);
    QFETCH(int, size);
    QFETCH(int, height);
    std::unique_ptr<QGraphicsItem> item(diagramItemFactory::create(kind, resolution));
    QCOMPARE(item->type(), type);
    if (auto *t = dynamic_cast<diagramTextBase *>(item.get()))
        QCOMPARE(t->itemFont().pixelSize(), size);
    if (auto *q = dynamic_cast<diagramQRCodeItem *>(item.get())) {
        QCOMPARE(q->params().scale, size);
        QCOMPARE(q->pixmap().width(), 21 * size);
    }
    if (auto *b = dynamic_cast<diagramBarItem *>(item.get())) {
        QCOMPARE(b->moduleWidth(), size);
        QCOMPARE(b->barHeight(), height);
        QCOMPARE(b->pixmap().size(), QSize(113 * size, height * 3 / 2));
    }
}

void TestDiagramItems::selectedTextTurnsRedWithoutAFrame()
{
    auto *text = new diagramTextItem;
    text->setContent("ABC");
    const QImage plain = drawn(text, false);
    const QImage selected = drawn(text, true);
    QCOMPARE(countPixels(plain, qRgb(255, 0, 0)), 0);
    QVERIFY(countPixels(plain, qRgb(0, 0, 0)) > 100);
    QVERIFY(countPixels(selected, qRgb(255, 0, 0)) > 100);
    QCOMPARE(countPixels(selected, qRgb(0, 0, 0)), 0); // no dashed frame
    delete text;
}

void TestDiagramItems::selectedPicturesShowNoOutlineExceptImages()
{
    std::unique_ptr<diagramBarItem> bar(new diagramBarItem);
    QVERIFY(drawn(bar.get(), true) == drawn(bar.get(), false));
    std::unique_ptr<diagramQRCodeItem> qr(new diagramQRCodeItem);
    QVERIFY(drawn(qr.get(), true) == drawn(qr.get(), false));
    std::unique_ptr<diagramImageItem> image(new diagramImageItem);
    QVERIFY(drawn(image.get(), true) != drawn(image.get(), false));
}

void TestDiagramItems::imagePicturesAreOneBitAndReverse()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("logo.png");
    QVERIFY(writeSamplePicture(path, QSize(40, 20)));

    diagramImageItem item;
    item.loadFile(path);
    QCOMPARE(item.path(), path);
    QCOMPARE(item.pixmap().depth(), 1);
    QCOMPARE(item.pixmap().size(), QSize(40, 20));
    item.showScaled(QSize(80, 10));
    item.reverse();
    QVERIFY(item.converse());
    QCOMPARE(item.pixmap().size(), QSize(80, 10));
    const QImage shown = item.pixmap().toImage();
    QCOMPARE(qGray(shown.pixel(5, 5)), 255); // was black
    QCOMPARE(qGray(shown.pixel(60, 5)), 0);  // was white
    item.reverse();
    QVERIFY(item.converse()); // never cleared

    item.loadFile(dir.filePath("missing.bmp"));
    QVERIFY(item.pixmap().isNull());
    item.loadFile(QString());
    QCOMPARE(item.pixmap().size(), QSize(120, 120)); // the placeholder
}

void TestDiagramItems::barcodeScalingKeepsTheSource()
{
    diagramBarItem item;
    item.showScaled(QSize(452, 500));
    QCOMPARE(item.pixmap().size(), QSize(452, 500));
    QCOMPARE(item.source().size(), QSize(452, 300));
    item.setShowText(false); // re-rendered at natural size
    QCOMPARE(item.pixmap().size(), QSize(452, 200));
}

QTEST_MAIN(TestDiagramItems)
#include "tst_diagramitems.moc"
