// SPDX-License-Identifier: GPL-3.0-or-later
#include "designpanels.h"

#include "barcodesetwidget.h"
#include "designhistory.h"
#include "generalsetwidget.h"
#include "graphicsscene.h"
#include "imagesetwidget.h"
#include "serialnumsetwidget.h"
#include "shiftcodeset.h"
#include "textsetwidget.h"
#include "timesetwidget.h"

#include <QScrollArea>
#include <QScroller>
#include <QStackedWidget>

namespace {

constexpr int kPanelWidth = 274;

void configureScrollArea(QScrollArea *area, bool touchScrolling)
{
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    if (touchScrolling)
        QScroller::grabGesture(area->viewport(), QScroller::TouchGesture);
}

} // namespace

DesignPanels::DesignPanels(GraphicsScene *scene, DesignHistory *history, QScrollArea *generalArea,
                           QStackedWidget *pages, QObject *parent)
    : QObject(parent), m_scene(scene), m_history(history), m_pages(pages),
      m_general(new GeneralSetWidget), m_emptyPage(new QWidget(pages))
{
    m_emptyPage->setObjectName(QStringLiteral("emptyPage"));
    m_pages->addWidget(m_emptyPage);
    m_pages->setCurrentWidget(m_emptyPage);

    m_general->setMaximumWidth(kPanelWidth);
    configureScrollArea(generalArea, true);
    generalArea->setWidget(m_general);
    connect(m_scene, &GraphicsScene::itemPositionChanged, m_general, &GeneralSetWidget::refresh);
    m_history->watch(m_general);
}

void DesignPanels::refresh()
{
    m_general->refresh();
    for (ItemPanel *panel : m_panels) {
        if (panel && panel->item())
            panel->refresh();
    }
}

void DesignPanels::setSamples(const TemplateSamples &samples)
{
    m_samples = samples;
    if (auto *text = static_cast<TextSetWidget *>(m_panels[TypeText]))
        text->setSamples(samples);
    if (auto *barcode = static_cast<BarcodeSetWidget *>(m_panels[TypeBarcode]))
        barcode->setSamples(samples);
}

ItemPanel *DesignPanels::create(ItemType kind)
{
    ItemPanel *panel = nullptr;
    switch (kind) {
    case TypeText: {
        auto *text = new TextSetWidget;
        text->setSamples(m_samples);
        connect(text, &TextSetWidget::needExternData, m_scene, &GraphicsScene::setItemExtern);
        panel = text;
        break;
    }
    case TypeTime:
        panel = new TimeSetWidget;
        break;
    case TypeSerialNumber:
        panel = new SerialNumSetWidget;
        break;
    case TypeImage:
        panel = new ImageSetWidget;
        break;
    case TypeBarcode: {
        auto *barcode = new BarcodeSetWidget;
        barcode->setSamples(m_samples);
        connect(barcode, &BarcodeSetWidget::needExternData, m_scene, &GraphicsScene::setItemExtern);
        panel = barcode;
        break;
    }
    case TypeShiftCode:
        panel = new ShiftCodeSet;
        break;
    default:
        return nullptr;
    }
    panel->setMaximumWidth(kPanelWidth);
    m_history->watch(panel);
    auto *area = new QScrollArea;
    configureScrollArea(area, kind != TypeText && kind != TypeTime && kind != TypeImage);
    area->setWidget(panel);
    m_pages->addWidget(area);
    return panel;
}

void DesignPanels::show(QGraphicsItem *item, ItemType kind)
{
    if (kind == TypeReserved5 || kind == TypeReserved6 || kind > TypeNone)
        return;
    // A panel out of sight lets go of its item: the item may be deleted next,
    // and a panel could still be reached (its content editor left open).
    const ItemPanel *shown = kind == TypeNone ? nullptr : m_panels[kind];
    for (ItemPanel *other : m_panels) {
        if (other && other != shown && other->item())
            other->setItem(nullptr);
    }
    if (kind == TypeNone) {
        m_pages->setCurrentWidget(m_emptyPage);
    } else {
        ItemPanel *&panel = m_panels[kind];
        if (!panel)
            panel = create(kind);
        panel->setItem(item);
        // The panel sits in a scroll area's viewport: show that page.
        for (QWidget *page = panel; page; page = page->parentWidget()) {
            if (page->parentWidget() == m_pages) {
                m_pages->setCurrentWidget(page);
                break;
            }
        }
    }
    m_general->setItem(item);
    m_history->showing(item);
}
