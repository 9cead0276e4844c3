// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QStackedWidget;
class QRCodeSetting;
class barSetting;
class cnt2Setting;
class cntSetting;
class currentItemEditor;
class imageSetting;
class textSetting;
class timeSetting;

// The seven property panels as the pages of the window's stack, each signal
// wired to the slot of the same name on the current items.
class settingPanels : public QObject
{
    Q_OBJECT
public:
    // Adds the panels to the stack in page order: text, barcode, counter,
    // counter 2, image, QR code, time.
    settingPanels(QStackedWidget *stack, currentItemEditor *items);

    // Turns to the page of a kind (a currentItemEditor::Kind) and shows the
    // current item of that kind in it.  False for a kind without a page.
    bool show(int kind);

    QRCodeSetting *qrCode() const { return m_qrCode; }

private:
    QStackedWidget *m_stack;
    currentItemEditor *m_items;
    textSetting *m_text;
    barSetting *m_bar;
    cntSetting *m_cnt;
    cnt2Setting *m_cnt2;
    imageSetting *m_image;
    QRCodeSetting *m_qrCode;
    timeSetting *m_time;
};
