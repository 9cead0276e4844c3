// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "panelcontrols.h"

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

    // Turns to the page of a kind (a currentItemEditor::Kind), shows the
    // current item of that kind in it and lets it be edited.  False for a
    // kind without a page.
    bool show(int kind);
    // Shows no item: the stack is disabled until the next show(), so that
    // no edit reaches an item that is gone.  So it starts.
    void showNothing();
    // The kind shown, or currentItemEditor::None.
    int shown() const { return m_shown; }

    // The ranges of every panel follow the printer model and the scene; the
    // item shown is shown again in them.  Never changes an item.
    void setCanvas(const panelControls::canvas &canvas);

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
    int m_shown;
};
