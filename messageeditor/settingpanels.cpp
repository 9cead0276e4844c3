// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingpanels.h"

#include "barsetting.h"
#include "cnt2setting.h"
#include "cntsetting.h"
#include "currentitemeditor.h"
#include "imagesetting.h"
#include "qrcodesetting.h"
#include "textsetting.h"
#include "timesetting.h"

#include <QGraphicsItem>
#include <QStackedWidget>

using E = currentItemEditor;

settingPanels::settingPanels(QStackedWidget *stack, currentItemEditor *items)
    : QObject(stack), m_stack(stack), m_items(items), m_text(new textSetting),
      m_bar(new barSetting), m_cnt(new cntSetting), m_cnt2(new cnt2Setting),
      m_image(new imageSetting), m_qrCode(new QRCodeSetting), m_time(new timeSetting),
      m_shown(E::None)
{
    for (QWidget *panel : {static_cast<QWidget *>(m_text), static_cast<QWidget *>(m_bar),
                           static_cast<QWidget *>(m_cnt), static_cast<QWidget *>(m_cnt2),
                           static_cast<QWidget *>(m_image), static_cast<QWidget *>(m_qrCode),
                           static_cast<QWidget *>(m_time)})
        stack->addWidget(panel);

    connect(m_text, &textSetting::textXChange, items, &E::textXChange);
    connect(m_text, &textSetting::textYChange, items, &E::textYChange);
    connect(m_text, &textSetting::textRotateChange, items, &E::textRotateChange);
    connect(m_text, &textSetting::textFontChange, items, &E::textFontChange);
    connect(m_text, &textSetting::textSizeChange, items, &E::textSizeChange);
    connect(m_text, &textSetting::textIntervalChange, items, &E::textIntervalChange);

    connect(m_bar, &barSetting::barXChange, items, &E::barXChange);
    connect(m_bar, &barSetting::barYChange, items, &E::barYChange);
    connect(m_bar, &barSetting::barHeightChange, items, &E::barHeightChange);
    connect(m_bar, &barSetting::barRotateChange, items, &E::barRotateChange);
    connect(m_bar, &barSetting::barModeChange, items, &E::barModeChange);
    connect(m_bar, &barSetting::barTextStateChange, items, &E::barTextStateChange);

    connect(m_cnt, &cntSetting::cntXChange, items, &E::cntXChange);
    connect(m_cnt, &cntSetting::cntYChange, items, &E::cntYChange);
    connect(m_cnt, &cntSetting::cntRotateChange, items, &E::cntRotateChange);
    connect(m_cnt, &cntSetting::cntFontChange, items, &E::cntFontChange);
    connect(m_cnt, &cntSetting::cntSizeChange, items, &E::cntSizeChange);
    connect(m_cnt, &cntSetting::cntIntervalChange, items, &E::cntIntervalChange);
    connect(m_cnt, &cntSetting::cntModeChange, items, &E::cntModeChange);
    connect(m_cnt, &cntSetting::cntNameChange, items, &E::cntNameChange);

    connect(m_cnt2, &cnt2Setting::cnt2XChange, items, &E::cnt2XChange);
    connect(m_cnt2, &cnt2Setting::cnt2YChange, items, &E::cnt2YChange);
    connect(m_cnt2, &cnt2Setting::cnt2RotateChange, items, &E::cnt2RotateChange);
    connect(m_cnt2, &cnt2Setting::cnt2FontChange, items, &E::cnt2FontChange);
    connect(m_cnt2, &cnt2Setting::cnt2SizeChange, items, &E::cnt2SizeChange);
    connect(m_cnt2, &cnt2Setting::cnt2IntervalChange, items, &E::cnt2IntervalChange);
    connect(m_cnt2, &cnt2Setting::cnt2ModeChange, items, &E::cnt2ModeChange);

    connect(m_image, &imageSetting::imageXChange, items, &E::imageXChange);
    connect(m_image, &imageSetting::imageYChange, items, &E::imageYChange);
    connect(m_image, &imageSetting::imageWidthChange, items, &E::imageWidthChange);
    connect(m_image, &imageSetting::imageHeightChange, items, &E::imageHeightChange);
    connect(m_image, &imageSetting::imageRotateChange, items, &E::imageRotateChange);
    connect(m_image, &imageSetting::imageSelectChange, items, &E::imageSelectChange);
    connect(m_image, &imageSetting::imageConverseChange, items, &E::imageConverseChange);

    connect(m_qrCode, &QRCodeSetting::QRCodeXChange, items, &E::QRCodeXChange);
    connect(m_qrCode, &QRCodeSetting::QRCodeYChange, items, &E::QRCodeYChange);
    connect(m_qrCode, &QRCodeSetting::QRCodeRotateChange, items, &E::QRCodeRotateChange);
    connect(m_qrCode, &QRCodeSetting::QRCodeLevelChange, items, &E::QRCodeLevelChange);
    connect(m_qrCode, &QRCodeSetting::QRCodeScaleChange, items, &E::QRCodeScaleChange);
    connect(m_qrCode, &QRCodeSetting::QRCodeVersionChange, items, &E::QRCodeVersionChange);

    connect(m_time, &timeSetting::timeXChange, items, &E::timeXChange);
    connect(m_time, &timeSetting::timeYChange, items, &E::timeYChange);
    connect(m_time, &timeSetting::timeRotateChange, items, &E::timeRotateChange);
    connect(m_time, &timeSetting::timeFontChange, items, &E::timeFontChange);
    connect(m_time, &timeSetting::timeSizeChange, items, &E::timeSizeChange);
    connect(m_time, &timeSetting::timeSpacingChange, items, &E::timeSpacingChange);
    connect(m_time, &timeSetting::timeModeChange, items, &E::timeModeChange);

    // A new picture or size shows in the panel (the size spin boxes).
    connect(items, &E::pictureChanged, this,
            [this](QGraphicsItem *item) { show(E::kindOf(item->type())); });
    showNothing();
}

void settingPanels::showNothing()
{
    m_shown = E::None;
    m_stack->setEnabled(false);
}

void settingPanels::setCanvas(const panelControls::canvas &canvas)
{
    m_text->setCanvas(canvas);
    m_bar->setCanvas(canvas);
    m_cnt->setCanvas(canvas);
    m_cnt2->setCanvas(canvas);
    m_image->setCanvas(canvas);
    m_qrCode->setCanvas(canvas);
    m_time->setCanvas(canvas);
    // A narrower range may have clamped what a box showed.
    if (m_shown != E::None)
        show(m_shown);
}

bool settingPanels::show(int kind)
{
    QWidget *page = nullptr;
    switch (kind) {
    case E::Text:
        m_text->fill(m_items->text());
        page = m_text;
        break;
    case E::Bar:
        m_bar->fill(m_items->bar());
        page = m_bar;
        break;
    case E::Cnt:
        m_cnt->fill(m_items->cnt());
        page = m_cnt;
        break;
    case E::Cnt2:
        m_cnt2->fill(m_items->cnt2());
        page = m_cnt2;
        break;
    case E::Image:
        m_image->fill(m_items->image());
        page = m_image;
        break;
    case E::QRCode:
        m_qrCode->fill(m_items->qrCode());
        page = m_qrCode;
        break;
    case E::Time:
        m_time->fill(m_items->time());
        page = m_time;
        break;
    default:
        return false;
    }
    m_stack->setCurrentWidget(page);
    m_stack->setEnabled(true);
    m_shown = kind;
    return true;
}
