// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphicsscene.h"

#include "barcodeitem.h"
#include "graphicsimageitem.h"
#include "graphicsserialnumberitem.h"
#include "graphicsshiftcodeitem.h"
#include "graphicstextitem.h"
#include "graphicstimeitem.h"

#include <QGraphicsView>
#include <QPainter>
#include <algorithm>
#include <limits>

namespace {
const QColor kSurroundGrey(220, 220, 220);
} // namespace

GraphicsScene::GraphicsScene(QObject *parent) : QGraphicsScene(parent), m_dataManage(this)
{
    connect(this, &QGraphicsScene::selectionChanged, this, &GraphicsScene::onSelectionChanged);
}

GraphicsScene::~GraphicsScene()
{
    // QGraphicsScene's destructor deletes the items, which changes the
    // selection; reporting it from a half-destroyed scene would hand the
    // editor items that are about to go.
    disconnect(this, &QGraphicsScene::selectionChanged, this, &GraphicsScene::onSelectionChanged);
}

ItemType GraphicsScene::kindOf(const QGraphicsItem *item)
{
    switch (item ? item->type() : 0) {
    case ItemTypeCode::kText:
        return TypeText;
    case ItemTypeCode::kTime:
        return TypeTime;
    case ItemTypeCode::kSerialNumber:
        return TypeSerialNumber;
    case ItemTypeCode::kBarcode:
        return TypeBarcode;
    case ItemTypeCode::kImage:
        return TypeImage;
    case ItemTypeCode::kShiftCode:
        return TypeShiftCode;
    default:
        return TypeNone;
    }
}

QGraphicsItem *GraphicsScene::createItem(ItemType kind)
{
    switch (kind) {
    case TypeText:
        return new GraphicsTextItem;
    case TypeTime:
        return new GraphicsTimeItem;
    case TypeSerialNumber:
        return new GraphicsSerialNumberItem(nullptr);
    case TypeShiftCode:
        return new GraphicsShiftCodeItem;
    case TypeImage:
        return new GraphicsImageItem;
    case TypeBarcode:
        return new BarcodeItem;
    default:
        return nullptr;
    }
}

void GraphicsScene::onSelectionChanged()
{
    const QList<QGraphicsItem *> selected = selectedItems();
    if (selected.isEmpty()) {
        emit curSelectItem(nullptr, TypeNone);
        return;
    }
    QGraphicsItem *first = selected.first();
    const ItemType kind = kindOf(first);
    if (kind != TypeNone)
        emit curSelectItem(first, kind);
}

void GraphicsScene::addNewItem(ItemType kind)
{
    int x = 0;
    for (const QGraphicsItem *item : items()) {
        const QRectF r = item->sceneBoundingRect();
        x = std::max(x, int(r.left() + r.width()));
    }

    QGraphicsItem *item = createItem(kind);
    if (!item) {
        fitSceneRect();
        return;
    }
    if (kind == TypeText || kind == TypeBarcode) {
        item->setData(ItemData::kId, uniqueItemName(kind == TypeText ? "Text" : "Barcode"));
        item->setData(ItemData::kIsExtern, false);
    }
    item->setPos(x, 0);
    addItem(item);
    clearSelection();
    item->setSelected(true);

    const QList<QGraphicsView *> allViews = views();
    if (!allViews.isEmpty()) {
        const QRectF r = sceneRect();
        allViews.first()->centerOn(r.left() + r.width(), 0);
    }
    fitSceneRect();
}

QString GraphicsScene::uniqueItemName(const QString &prefix) const
{
    QStringList taken;
    for (const QGraphicsItem *item : items()) {
        const QVariant id = item->data(ItemData::kId);
        if (id.isValid() && id.toString().contains(prefix))
            taken << id.toString();
    }
    for (int n = 0;; ++n) {
        const QString candidate = prefix + QString::number(n);
        if (!taken.contains(candidate))
            return candidate;
    }
}

void GraphicsScene::fitSceneRect()
{
    const QRectF r = itemsBoundingRect();
    // Positions in a message file may be anywhere in the int range, and an
    // item's width then takes its right edge past it: clamped in double, as
    // converting an out-of-range double to int is undefined.
    const auto edge = [](qreal v) {
        return int(qBound(0.0, v, double(std::numeric_limits<int>::max())));
    };
    setSceneRect(0, 0, edge(r.left() + r.width()), edge(r.top() + r.height()));
    setBackgroundBrush(kSurroundGrey);
}

void GraphicsScene::setItemExtern(QGraphicsItem *item, bool on)
{
    if (!item)
        return;
    const bool held = m_dataManage.contains(item->data(ItemData::kId).toString());
    if (on == held)
        return;
    if (on)
        m_dataManage.addExternItem(item);
    else
        m_dataManage.removeExternItem(item);
    emit externDataContainerSizeChanged();
    m_dataManage.dumpToLog();
}

void GraphicsScene::deleteSelectedItems()
{
    m_dragItems.clear();
    m_dragFrom.clear();
    const QList<QGraphicsItem *> selected = selectedItems();
    for (QGraphicsItem *item : selected) {
        if (item->data(ItemData::kIsExtern).toBool()) {
            m_dataManage.removeExternItem(item);
            emit externDataContainerSizeChanged();
        }
        removeItem(item);
        delete item;
    }
    m_dataManage.dumpToLog();
    fitSceneRect();
}

void GraphicsScene::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    QGraphicsScene::mousePressEvent(event);
    // After the press has chosen the selection that a drag moves.
    m_dragItems.clear();
    m_dragFrom.clear();
    for (QGraphicsItem *item : selectedItems()) {
        if (item->flags() & QGraphicsItem::ItemIsMovable) {
            m_dragItems << item;
            m_dragFrom << item->pos();
        }
    }
}

void GraphicsScene::mouseReleaseEvent(QGraphicsSceneMouseEvent *event)
{
    if (!selectedItems().isEmpty()) {
        emit itemPositionChanged();
        if (autoFitSceneRect)
            fitSceneRect();
    }
    QGraphicsScene::mouseReleaseEvent(event);
    const QList<QGraphicsItem *> dragged = m_dragItems;
    const QVector<QPointF> from = m_dragFrom;
    m_dragItems.clear();
    m_dragFrom.clear();
    for (int i = 0; i < dragged.size(); ++i) {
        if (dragged.at(i)->scene() == this && dragged.at(i)->pos() != from.at(i)) {
            emit itemsMoved(dragged, from, false);
            return;
        }
    }
}

void GraphicsScene::drawBackground(QPainter *painter, const QRectF &rect)
{
    QGraphicsScene::drawBackground(painter, rect);
    painter->fillRect(sceneRect(), Qt::white);
}
