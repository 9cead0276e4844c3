// SPDX-License-Identifier: GPL-3.0-or-later
#include "currentitemeditor.h"

#include "diagrambaritem.h"
#include "diagramcnt2item.h"
#include "diagramcntitem.h"
#include "diagramimageitem.h"
#include "diagramqrcodeitem.h"
#include "diagramtextitem.h"
#include "diagramtimeitem.h"
#include "editorprompts.h"
#include "fontfamilies.h"
#include "messageeditorlog.h"

#include <QCoreApplication>

namespace {

template <typename Item> Item *standIn(std::unique_ptr<Item> &slot)
{
    if (!slot)
        slot = std::make_unique<Item>();
    return slot.get();
}

template <typename Change> void changeParams(diagramQRCodeItem *item, Change change)
{
    qrCodeParams params = item->params();
    change(params);
    item->setParams(params);
}

} // namespace

currentItemEditor::currentItemEditor(QWidget *dialogParent) : m_dialogParent(dialogParent) {}

currentItemEditor::~currentItemEditor() = default;

diagramTextItem *currentItemEditor::text() const
{
    return m_text ? m_text : standIn(m_defaultText);
}

diagramTimeItem *currentItemEditor::time() const
{
    return m_time ? m_time : standIn(m_defaultTime);
}

diagramCntItem *currentItemEditor::cnt() const
{
    return m_cnt ? m_cnt : standIn(m_defaultCnt);
}

diagramCnt2Item *currentItemEditor::cnt2() const
{
    return m_cnt2 ? m_cnt2 : standIn(m_defaultCnt2);
}

diagramBarItem *currentItemEditor::bar() const
{
    return m_bar ? m_bar : standIn(m_defaultBar);
}

diagramImageItem *currentItemEditor::image() const
{
    return m_image ? m_image : standIn(m_defaultImage);
}

diagramQRCodeItem *currentItemEditor::qrCode() const
{
    return m_qrCode ? m_qrCode : standIn(m_defaultQRCode);
}

currentItemEditor::Kind currentItemEditor::kindOf(int type)
{
    switch (type) {
    case diagramType::kText:
        return Text;
    case diagramType::kTime:
        return Time;
    case diagramType::kBar:
        return Bar;
    case diagramType::kImage:
        return Image;
    case diagramType::kCnt:
        return Cnt;
    case diagramType::kCnt2:
        return Cnt2;
    case diagramType::kQrCode:
        return QRCode;
    default:
        return None;
    }
}

currentItemEditor::Kind currentItemEditor::setCurrent(QGraphicsItem *item)
{
    const Kind kind = item ? kindOf(item->type()) : None;
    switch (kind) {
    case Text:
        m_text = static_cast<diagramTextItem *>(item);
        break;
    case Time:
        m_time = static_cast<diagramTimeItem *>(item);
        break;
    case Bar:
        m_bar = static_cast<diagramBarItem *>(item);
        break;
    case Image:
        m_image = static_cast<diagramImageItem *>(item);
        break;
    case Cnt:
        m_cnt = static_cast<diagramCntItem *>(item);
        break;
    case Cnt2:
        m_cnt2 = static_cast<diagramCnt2Item *>(item);
        break;
    case QRCode:
        m_qrCode = static_cast<diagramQRCodeItem *>(item);
        break;
    case None:
        break;
    }
    return kind;
}

QGraphicsItem *currentItemEditor::current(Kind kind) const
{
    switch (kind) {
    case Text:
        return text();
    case Time:
        return time();
    case Bar:
        return bar();
    case Image:
        return image();
    case Cnt:
        return cnt();
    case Cnt2:
        return cnt2();
    case QRCode:
        return qrCode();
    case None:
        break;
    }
    return nullptr;
}

bool currentItemEditor::hasCurrent(Kind kind) const
{
    switch (kind) {
    case Text:
        return m_text;
    case Time:
        return m_time;
    case Bar:
        return m_bar;
    case Image:
        return m_image;
    case Cnt:
        return m_cnt;
    case Cnt2:
        return m_cnt2;
    case QRCode:
        return m_qrCode;
    case None:
        break;
    }
    return false;
}

void currentItemEditor::forget(const QList<QGraphicsItem *> &items)
{
    for (QGraphicsItem *item : items) {
        if (item == m_text)
            m_text = nullptr;
        else if (item == m_time)
            m_time = nullptr;
        else if (item == m_cnt)
            m_cnt = nullptr;
        else if (item == m_cnt2)
            m_cnt2 = nullptr;
        else if (item == m_bar)
            m_bar = nullptr;
        else if (item == m_image)
            m_image = nullptr;
        else if (item == m_qrCode)
            m_qrCode = nullptr;
    }
}

// Text.
void currentItemEditor::textXChange(int x)
{
    text()->setX(x);
}
void currentItemEditor::textYChange(int y)
{
    text()->setY(y);
}
void currentItemEditor::textRotateChange(int degrees)
{
    text()->setRotation(degrees);
}
void currentItemEditor::textFontChange(int index)
{
    text()->setFamily(fontFamilies::forText(index));
}
void currentItemEditor::textSizeChange(int pixels)
{
    text()->setPixelSize(pixels);
}
void currentItemEditor::textIntervalChange(int pixels)
{
    text()->setSpacing(pixels);
}

// Barcode.  Width and height only stretch the picture; it is drawn anew at
// its natural size when content, symbology or the text line change.
void currentItemEditor::barXChange(int x)
{
    bar()->setX(x);
}
void currentItemEditor::barYChange(int y)
{
    bar()->setY(y);
}
void currentItemEditor::barWidthChange(int pixels)
{
    bar()->showScaled(QSize(pixels, bar()->pixmap().height()));
}
void currentItemEditor::barHeightChange(int pixels)
{
    bar()->showScaled(QSize(bar()->pixmap().width(), pixels));
}
void currentItemEditor::barRotateChange(int degrees)
{
    bar()->setRotation(degrees);
}
void currentItemEditor::barModeChange(int symbology)
{
    bar()->setSymbology(symbology);
    emit pictureChanged(bar());
}
void currentItemEditor::barTextStateChange(bool shown)
{
    bar()->setShowText(shown);
    emit pictureChanged(bar());
}

// Counter.  The digits list starts at one digit.
void currentItemEditor::cntXChange(int x)
{
    cnt()->setX(x);
}
void currentItemEditor::cntYChange(int y)
{
    cnt()->setY(y);
}
void currentItemEditor::cntRotateChange(int degrees)
{
    cnt()->setRotation(degrees);
}
void currentItemEditor::cntFontChange(int index)
{
    cnt()->setFamily(fontFamilies::forCounterOrTime(index));
}
void currentItemEditor::cntSizeChange(int pixels)
{
    cnt()->setPixelSize(pixels);
}
void currentItemEditor::cntIntervalChange(int pixels)
{
    cnt()->setSpacing(pixels);
}
void currentItemEditor::cntModeChange(int digitsIndex)
{
    cnt()->setDigits(digitsIndex + 1);
}
void currentItemEditor::cntNameChange(int counterNumber)
{
    cnt()->setCounterNumber(counterNumber);
}

// Counter 2.
void currentItemEditor::cnt2XChange(int x)
{
    cnt2()->setX(x);
}
void currentItemEditor::cnt2YChange(int y)
{
    cnt2()->setY(y);
}
void currentItemEditor::cnt2RotateChange(int degrees)
{
    cnt2()->setRotation(degrees);
}
void currentItemEditor::cnt2FontChange(int index)
{
    cnt2()->setFamily(fontFamilies::forCounter2(index));
}
void currentItemEditor::cnt2SizeChange(int pixels)
{
    cnt2()->setPixelSize(pixels);
}
void currentItemEditor::cnt2IntervalChange(int pixels)
{
    cnt2()->setSpacing(pixels);
}
void currentItemEditor::cnt2ModeChange(int digitsIndex)
{
    cnt2()->setDigits(digitsIndex + 1);
}

// Image.
void currentItemEditor::imageXChange(int x)
{
    image()->setX(x);
}
void currentItemEditor::imageYChange(int y)
{
    image()->setY(y);
}
void currentItemEditor::imageWidthChange(int pixels)
{
    image()->showScaled(QSize(pixels, image()->pixmap().height()));
}
void currentItemEditor::imageHeightChange(int pixels)
{
    image()->showScaled(QSize(image()->pixmap().width(), pixels));
}
void currentItemEditor::imageRotateChange(int degrees)
{
    image()->setRotation(degrees);
}

void currentItemEditor::imageSelectChange()
{
    const QString path = editorPrompts::current().chooseFile(
        m_dialogParent, QCoreApplication::translate("MainWindow", "打开图片"), QStringLiteral("."),
        QCoreApplication::translate("MainWindow", "Image Files(*.jpg *.bmp)"));
    if (path.isEmpty())
        return;
    qCDebug(lcMessageEditor) << "image file:" << path;
    image()->loadFile(path);
    emit pictureChanged(image());
}

void currentItemEditor::imageConverseChange()
{
    image()->reverse();
    emit pictureChanged(image());
}

// QR code.  Level, scale and version draw the symbol anew.
void currentItemEditor::QRCodeXChange(int x)
{
    qrCode()->setX(x);
}
void currentItemEditor::QRCodeYChange(int y)
{
    qrCode()->setY(y);
}
void currentItemEditor::QRCodeRotateChange(int degrees)
{
    qrCode()->setRotation(degrees);
}
void currentItemEditor::QRCodeLevelChange(int level)
{
    changeParams(qrCode(), [level](qrCodeParams &p) { p.level = level; });
}
void currentItemEditor::QRCodeScaleChange(int pixels)
{
    changeParams(qrCode(), [pixels](qrCodeParams &p) { p.scale = pixels; });
}
void currentItemEditor::QRCodeVersionChange(int version)
{
    changeParams(qrCode(), [version](qrCodeParams &p) { p.version = version; });
}
void currentItemEditor::QRCodeConverseChange(int converse)
{
    changeParams(qrCode(), [converse](qrCodeParams &p) { p.converse = converse != 0; });
}

// Time.
void currentItemEditor::timeXChange(int x)
{
    time()->setX(x);
}
void currentItemEditor::timeYChange(int y)
{
    time()->setY(y);
}
void currentItemEditor::timeRotateChange(int degrees)
{
    time()->setRotation(degrees);
}
void currentItemEditor::timeFontChange(int index)
{
    time()->setFamily(fontFamilies::forCounterOrTime(index));
}
void currentItemEditor::timeSizeChange(int pixels)
{
    time()->setPixelSize(pixels);
}
void currentItemEditor::timeModeChange(const QString &format)
{
    time()->setFormat(format);
}
void currentItemEditor::timeSpacingChange(int pixels)
{
    time()->setSpacing(pixels);
}
