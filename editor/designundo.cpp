// SPDX-License-Identifier: GPL-3.0-or-later
#include "designundo.h"

#include "barcodeitem.h"
#include "graphicsimageitem.h"
#include "graphicsscene.h"
#include "graphicsshiftcodeitem.h"
#include "graphicstextabstract.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <algorithm>

namespace DesignUndo {

namespace {

QString tr(const char *text, int n = -1)
{
    return QCoreApplication::translate("DesignUndo", text, nullptr, n);
}

bool isTextLike(const QGraphicsItem *item)
{
    switch (item->type()) {
    case ItemTypeCode::kText:
    case ItemTypeCode::kTime:
    case ItemTypeCode::kSerialNumber:
    case ItemTypeCode::kShiftCode:
        return true;
    default:
        return false;
    }
}

// The item's place among the data-file columns, or -1.
int columnOf(const QGraphicsItem *item, const ExternDataManage &data)
{
    if (!item->data(ItemData::kIsExtern).toBool())
        return -1;
    const QString id = item->data(ItemData::kId).toString();
    for (int i = 0; i < data.columnCount(); ++i) {
        if (data.columnAt(i).id == id)
            return i;
    }
    return -1;
}

QList<QGraphicsItem *> topLevelItems(const GraphicsScene &scene)
{
    QList<QGraphicsItem *> items;
    for (QGraphicsItem *item : scene.items(Qt::AscendingOrder)) {
        if (!item->parentItem())
            items << item;
    }
    return items;
}

void refit(GraphicsScene *scene)
{
    if (scene->autoFitSceneRect)
        scene->fitSceneRect();
    emit scene->itemPositionChanged();
}

QString countedText(const char *text, int n)
{
    return tr(text, n);
}

} // namespace

bool ItemState::operator==(const ItemState &other) const
{
    return record == other.record && std::equal(options, options + 3, other.options) &&
           std::equal(style, style + 5, other.style) && column == other.column;
}

ItemState capture(QGraphicsItem *item, const GraphicsScene &scene)
{
    ItemState state;
    if (isTextLike(item)) {
        auto *text = static_cast<GraphicsTextAbstract *>(item);
        text->saveRecord(state.record);
        state.style[0] = text->fontPixelSize();
        state.style[1] = text->fontLetterSpacing();
        state.style[2] = text->isBold();
        state.style[3] = text->isItalic();
        state.style[4] = text->isUnderline();
    } else if (item->type() == ItemTypeCode::kBarcode) {
        const auto *code = static_cast<BarcodeItem *>(item);
        code->saveRecord(state.record);
        state.options[0] = code->encoder().option1();
        state.options[1] = code->encoder().option2();
        state.options[2] = code->encoder().option3();
    } else if (item->type() == ItemTypeCode::kImage) {
        static_cast<GraphicsImageItem *>(item)->saveRecord(state.record);
    }
    state.column = columnOf(item, scene.externData());
    if (state.column >= 0)
        state.columnData = scene.externData().columnAt(state.column);
    return state;
}

void restore(QGraphicsItem *item, const ItemState &state, GraphicsScene &scene)
{
    ExternDataManage &data = scene.externData();
    const int column = columnOf(item, data);
    if (state.column >= 0 && column < 0) {
        data.insertColumn(state.column, state.columnData);
        item->setData(ItemData::kIsExtern, true);
        emit scene.externDataContainerSizeChanged();
    } else if (state.column < 0 && column >= 0) {
        data.removeExternItem(item);
        emit scene.externDataContainerSizeChanged();
    }

    if (isTextLike(item)) {
        auto *text = static_cast<GraphicsTextAbstract *>(item);
        // The remembered style first: the record's font then replaces the
        // font these setters build.
        text->setFontPixelSize(state.style[0]);
        text->setFontLetterSpacing(state.style[1]);
        text->setFontBold(state.style[2]);
        text->setFontItalic(state.style[3]);
        text->setFontUnderline(state.style[4]);
        text->loadRecord(state.record);
        // An empty table in a record keeps the table the item has.
        if (item->type() == ItemTypeCode::kShiftCode &&
            state.record.value("ShiftVector").toArray().isEmpty()) {
            static_cast<GraphicsShiftCodeItem *>(item)->shiftTable().clear();
            text->refreshText();
        }
    } else if (item->type() == ItemTypeCode::kBarcode) {
        auto *code = static_cast<BarcodeItem *>(item);
        // Before the record, which renders the symbol and rotates it about
        // its centre.
        code->encoder().setOption1(state.options[0]);
        code->encoder().setOption2(state.options[1]);
        code->encoder().setOption3(state.options[2]);
        code->loadRecord(state.record);
    } else if (item->type() == ItemTypeCode::kImage) {
        auto *image = static_cast<GraphicsImageItem *>(item);
        // A record without a picture leaves the picture shown: back to the
        // placeholder first.
        if (state.record.value("ImagePixPath").toString().isEmpty())
            image->loadImage(QString());
        image->loadRecord(state.record);
    }
    item->update();
}

QString kindName(const QGraphicsItem *item)
{
    switch (GraphicsScene::kindOf(item)) {
    case TypeText:
        return tr("Text");
    case TypeTime:
        return tr("Date");
    case TypeSerialNumber:
        return tr("Serial number");
    case TypeImage:
        return tr("Picture");
    case TypeBarcode:
        return tr("Barcode");
    case TypeShiftCode:
        return tr("Shift code");
    default:
        return tr("Item");
    }
}

AddItems::AddItems(GraphicsScene *scene, const QList<QGraphicsItem *> &items)
    : m_scene(scene), m_items(items)
{
    setText(items.size() == 1
                ? DesignUndo::tr("Add %1").arg(kindName(items.first()).toLower())
                : countedText(QT_TRANSLATE_N_NOOP("DesignUndo", "Add %n item(s)"), items.size()));
}

AddItems::~AddItems()
{
    if (m_out)
        qDeleteAll(m_items);
}

void AddItems::undo()
{
    for (QGraphicsItem *item : m_items)
        m_scene->removeItem(item);
    m_out = true;
    refit(m_scene);
}

void AddItems::redo()
{
    if (m_done) {
        m_done = false;
        return;
    }
    m_scene->clearSelection();
    for (QGraphicsItem *item : m_items) {
        m_scene->addItem(item);
        item->setSelected(true);
    }
    m_out = false;
    refit(m_scene);
}

RemoveItems::RemoveItems(GraphicsScene *scene, const QList<QGraphicsItem *> &items)
    : m_scene(scene), m_items(items)
{
    setText(countedText(QT_TRANSLATE_N_NOOP("DesignUndo", "Delete %n item(s)"), items.size()));
}

RemoveItems::~RemoveItems()
{
    if (m_out)
        qDeleteAll(m_items);
}

void RemoveItems::redo()
{
    // Each place is taken just before its item goes, and undo puts them back
    // in the reverse order: every place is then that of the same moment.
    ExternDataManage &data = m_scene->externData();
    m_removed.clear();
    for (QGraphicsItem *item : m_items) {
        Removed removed{item, int(topLevelItems(*m_scene).indexOf(item)), columnOf(item, data), {}};
        if (removed.column >= 0) {
            removed.columnData = data.columnAt(removed.column);
            data.removeExternItem(item);
            emit m_scene->externDataContainerSizeChanged();
        }
        m_scene->removeItem(item);
        m_removed.append(removed);
    }
    m_out = true;
    refit(m_scene);
}

void RemoveItems::undo()
{
    ExternDataManage &data = m_scene->externData();
    m_scene->clearSelection();
    for (auto it = m_removed.crbegin(); it != m_removed.crend(); ++it) {
        const QList<QGraphicsItem *> present = topLevelItems(*m_scene);
        m_scene->addItem(it->item);
        if (it->stackIndex >= 0 && it->stackIndex < present.size())
            it->item->stackBefore(present.at(it->stackIndex));
        if (it->column >= 0) {
            data.insertColumn(it->column, it->columnData);
            it->item->setData(ItemData::kIsExtern, true);
            emit m_scene->externDataContainerSizeChanged();
        }
        it->item->setSelected(true);
    }
    m_out = false;
    refit(m_scene);
}

MoveItems::MoveItems(GraphicsScene *scene, const QList<QGraphicsItem *> &items,
                     const QVector<QPointF> &from, bool nudge)
    : m_scene(scene), m_items(items), m_from(from), m_nudge(nudge)
{
    for (const QGraphicsItem *item : items)
        m_to << item->pos();
    setText(items.size() == 1
                ? DesignUndo::tr("Move %1").arg(kindName(items.first()).toLower())
                : countedText(QT_TRANSLATE_N_NOOP("DesignUndo", "Move %n item(s)"), items.size()));
}

void MoveItems::place(const QVector<QPointF> &positions)
{
    for (int i = 0; i < m_items.size(); ++i)
        m_items.at(i)->setPos(positions.at(i));
    refit(m_scene);
}

void MoveItems::undo()
{
    place(m_from);
}

void MoveItems::redo()
{
    if (m_done) {
        m_done = false;
        return;
    }
    place(m_to);
}

bool MoveItems::mergeWith(const QUndoCommand *other)
{
    const auto *next = static_cast<const MoveItems *>(other);
    if (!m_nudge || !next->m_nudge || next->m_items != m_items)
        return false;
    m_to = next->m_to;
    setObsolete(m_to == m_from);
    return true;
}

ChangeItem::ChangeItem(GraphicsScene *scene, QGraphicsItem *item, const QString &field, int session,
                       const ItemState &before, const ItemState &after)
    : m_scene(scene), m_item(item), m_field(field), m_session(session), m_before(before),
      m_after(after)
{
    setText(DesignUndo::tr("%1 %2").arg(kindName(item), field));
}

void ChangeItem::undo()
{
    restore(m_item, m_before, *m_scene);
    refit(m_scene);
}

void ChangeItem::redo()
{
    if (m_done) {
        m_done = false;
        return;
    }
    restore(m_item, m_after, *m_scene);
    refit(m_scene);
}

bool ChangeItem::mergeWith(const QUndoCommand *other)
{
    const auto *next = static_cast<const ChangeItem *>(other);
    if (next->m_item != m_item || next->m_field != m_field || next->m_session != m_session)
        return false;
    m_after = next->m_after;
    setObsolete(m_after == m_before);
    return true;
}

} // namespace DesignUndo
