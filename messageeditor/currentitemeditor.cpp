// SPDX-License-Identifier: GPL-3.0-or-later
#include "currentitemeditor.h"

#include "diagrambaritem.h"
#include "diagramcnt2item.h"
#include "diagramcntitem.h"
#include "diagramimageitem.h"
#include "diagramqrcodeitem.h"
#include "diagramtextitem.h"
#include "diagramtimeitem.h"
#include "editorfiledialog.h"
#include "fontfamilies.h"
#include "messageeditorlog.h"

#include <QCoreApplication>

namespace {

template <typename Change> void changeParams(diagramQRCodeItem *item, Change change)
{
    qrCodeParams params = item->params();
    change(params);
    item->setParams(params);
}

} // namespace

currentItemEditor::currentItemEditor(QWidget *dialogParent)
    : m_dialogParent(dialogParent), m_defaultText(std::make_unique<diagramTextItem>()),
      m_defaultTime(std::make_unique<diagramTimeItem>()),
      m_defaultCnt(std::make_unique<diagramCntItem>()),
      m_defaultCnt2(std::make_unique<diagramCnt2Item>()),
      m_defaultBar(std::make_unique<diagramBarItem>()),
      m_defaultImage(std::make_unique<diagramImageItem>()),
      m_defaultQRCode(std::make_unique<diagramQRCodeItem>()), m_text(m_defaultText.get()),
      m_time(m_defaultTime.get()), m_cnt(m_defaultCnt.get()), m_cnt2(m_defaultCnt2.get()),
      m_bar(m_defaultBar.get()), m_image(m_defaultImage.get()), m_qrCode(m_defaultQRCode.get())
{
}

currentItemEditor::~currentItemEditor() = default;

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
    return nullptr;
}

void currentItemEditor::forget(const QList<QGraphicsItem *> &items)
{
    for (QGraphicsItem *item : items) {
        if (item == m_text)
            m_text = m_defaultText.get();
        else if (item == m_time)
            m_time = m_defaultTime.get();
        else if (item == m_cnt)
            m_cnt = m_defaultCnt.get();
        else if (item == m_cnt2)
            m_cnt2 = m_defaultCnt2.get();
        else if (item == m_bar)
            m_bar = m_defaultBar.get();
        else if (item == m_image)
            m_image = m_defaultImage.get();
        else if (item == m_qrCode)
            m_qrCode = m_defaultQRCode.get();
    }
}

// Text.
void currentItemEditor::textXChange(int x)
{
    m_text->setX(x);
}
void currentItemEditor::textYChange(int y)
{
    m_text->setY(y);
}
void currentItemEditor::textRotateChange(int degrees)
{
    m_text->setRotation(degrees);
}
void currentItemEditor::textFontChange(int index)
{
    m_text->setFamily(fontFamilies::forText(index));
}
void currentItemEditor::textSizeChange(int pixels)
{
    m_text->setPixelSize(pixels);
}
void currentItemEditor::textIntervalChange(int pixels)
{
    m_text->setSpacing(pixels);
}

// Barcode.  Width and height only stretch the picture; it is drawn anew at
// its natural size when content, symbology or the text line change.
void currentItemEditor::barXChange(int x)
{
    m_bar->setX(x);
}
void currentItemEditor::barYChange(int y)
{
    m_bar->setY(y);
}
void currentItemEditor::barWidthChange(int pixels)
{
    m_bar->showScaled(QSize(pixels, m_bar->pixmap().height()));
}
void currentItemEditor::barHeightChange(int pixels)
{
    m_bar->showScaled(QSize(m_bar->pixmap().width(), pixels));
}
void currentItemEditor::barRotateChange(int degrees)
{
    m_bar->setRotation(degrees);
}
void currentItemEditor::barModeChange(int symbology)
{
    m_bar->setSymbology(symbology);
    emit pictureChanged(m_bar);
}
void currentItemEditor::barTextStateChange(bool shown)
{
    m_bar->setShowText(shown);
    emit pictureChanged(m_bar);
}

// Counter.  The digits list starts at one digit.
void currentItemEditor::cntXChange(int x)
{
    m_cnt->setX(x);
}
void currentItemEditor::cntYChange(int y)
{
    m_cnt->setY(y);
}
void currentItemEditor::cntRotateChange(int degrees)
{
    m_cnt->setRotation(degrees);
}
void currentItemEditor::cntFontChange(int index)
{
    m_cnt->setFamily(fontFamilies::forCounterOrTime(index));
}
void currentItemEditor::cntSizeChange(int pixels)
{
    m_cnt->setPixelSize(pixels);
}
void currentItemEditor::cntIntervalChange(int pixels)
{
    m_cnt->setSpacing(pixels);
}
void currentItemEditor::cntModeChange(int digitsIndex)
{
    m_cnt->setDigits(digitsIndex + 1);
}
void currentItemEditor::cntNameChange(int counterNumber)
{
    m_cnt->setCounterNumber(counterNumber);
}

// Counter 2.
void currentItemEditor::cnt2XChange(int x)
{
    m_cnt2->setX(x);
}
void currentItemEditor::cnt2YChange(int y)
{
    m_cnt2->setY(y);
}
void currentItemEditor::cnt2RotateChange(int degrees)
{
    m_cnt2->setRotation(degrees);
}
void currentItemEditor::cnt2FontChange(int index)
{
    m_cnt2->setFamily(fontFamilies::forCounter2(index));
}
void currentItemEditor::cnt2SizeChange(int pixels)
{
    m_cnt2->setPixelSize(pixels);
}
void currentItemEditor::cnt2IntervalChange(int pixels)
{
    m_cnt2->setSpacing(pixels);
}
void currentItemEditor::cnt2ModeChange(int digitsIndex)
{
    m_cnt2->setDigits(digitsIndex + 1);
}

// Image.
void currentItemEditor::imageXChange(int x)
{
    m_image->setX(x);
}
void currentItemEditor::imageYChange(int y)
{
    m_image->setY(y);
}
void currentItemEditor::imageWidthChange(int pixels)
{
    m_image->showScaled(QSize(pixels, m_image->pixmap().height()));
}
void currentItemEditor::imageHeightChange(int pixels)
{
    m_image->showScaled(QSize(m_image->pixmap().width(), pixels));
}
void currentItemEditor::imageRotateChange(int degrees)
{
    m_image->setRotation(degrees);
}

void currentItemEditor::imageSelectChange()
{
    const QString path = editorFileDialog::current().chooseFile(
        m_dialogParent, QCoreApplication::translate("MainWindow", "打开图片"), QStringLiteral("."),
        QStringLiteral("Image Files(*.jpg *.bmp)"));
    if (path.isEmpty())
        return;
    qCDebug(lcMessageEditor) << "image file:" << path;
    m_image->loadFile(path);
    emit pictureChanged(m_image);
}

void currentItemEditor::imageConverseChange()
{
    m_image->reverse();
    emit pictureChanged(m_image);
}

// QR code.  Level, scale and version draw the symbol anew.
void currentItemEditor::QRCodeXChange(int x)
{
    m_qrCode->setX(x);
}
void currentItemEditor::QRCodeYChange(int y)
{
    m_qrCode->setY(y);
}
void currentItemEditor::QRCodeRotateChange(int degrees)
{
    m_qrCode->setRotation(degrees);
}
void currentItemEditor::QRCodeLevelChange(int level)
{
    changeParams(m_qrCode, [level](qrCodeParams &p) { p.level = level; });
}
void currentItemEditor::QRCodeScaleChange(int pixels)
{
    changeParams(m_qrCode, [pixels](qrCodeParams &p) { p.scale = pixels; });
}
void currentItemEditor::QRCodeVersionChange(int version)
{
    changeParams(m_qrCode, [version](qrCodeParams &p) { p.version = version; });
}
void currentItemEditor::QRCodeConverseChange(int converse)
{
    changeParams(m_qrCode, [converse](qrCodeParams &p) { p.converse = converse != 0; });
}

// Time.
void currentItemEditor::timeXChange(int x)
{
    m_time->setX(x);
}
void currentItemEditor::timeYChange(int y)
{
    m_time->setY(y);
}
void currentItemEditor::timeRotateChange(int degrees)
{
    m_time->setRotation(degrees);
}
void currentItemEditor::timeFontChange(int index)
{
    m_time->setFamily(fontFamilies::forCounterOrTime(index));
}
void currentItemEditor::timeSizeChange(int pixels)
{
    m_time->setPixelSize(pixels);
}
void currentItemEditor::timeModeChange(const QString &format)
{
    m_time->setFormat(format);
}
void currentItemEditor::timeSpacingChange(int pixels)
{
    m_time->setSpacing(pixels);
}
