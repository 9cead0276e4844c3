// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "itemtypes.h"
#include "templatesamples.h"

#include <QObject>

#include <array>

class DesignHistory;
class GeneralSetWidget;
class GraphicsScene;
class ItemPanel;
class QGraphicsItem;
class QScrollArea;
class QStackedWidget;

// The designer's side panels: the general panel (place and size of the
// selected item) in its scroll area, and in the stacked widget the property
// panel of the selected item's kind, each made the first time its kind is
// selected.  Every change made in a panel is a step of the history.
class DesignPanels : public QObject
{
    Q_OBJECT
public:
    DesignPanels(GraphicsScene *scene, DesignHistory *history, QScrollArea *generalArea,
                 QStackedWidget *pages, QObject *parent);

    // Shows the panel of the kind (the empty page for TypeNone) with the
    // item in it; panels out of sight let go of theirs.
    void show(QGraphicsItem *item, ItemType kind);
    // After an undo or a redo: the panels show the items as they are now.
    void refresh();
    // The placeholders the text and barcode panels offer to insert.
    void setSamples(const TemplateSamples &samples);

private:
    ItemPanel *create(ItemType kind);

    GraphicsScene *m_scene;
    DesignHistory *m_history;
    QStackedWidget *m_pages;
    GeneralSetWidget *m_general;
    QWidget *m_emptyPage;
    // By ItemType, made on first use; owned by the stacked widget.
    std::array<ItemPanel *, TypeNone> m_panels{};
    TemplateSamples m_samples;
};
