// SPDX-License-Identifier: GPL-3.0-or-later
#include "printpreview.h"

#include "barcodeitem.h"
#include "counter.h"
#include "counterregistry.h"
#include "graphicsimageitem.h"
#include "graphicsscene.h"
#include "graphicsserialnumberitem.h"
#include "graphicsshiftcodeitem.h"
#include "graphicstimeitem.h"

#include <QPainter>

namespace {

// A copy of the item through its record, or null for a foreign item.
QGraphicsItem *copyOf(QGraphicsItem *item)
{
    const ItemType kind = GraphicsScene::kindOf(item);
    QGraphicsItem *copy = GraphicsScene::createItem(kind);
    if (!copy)
        return nullptr;
    QJsonObject record;
    switch (item->type()) {
    case ItemTypeCode::kBarcode: {
        auto *from = static_cast<BarcodeItem *>(item);
        auto *to = static_cast<BarcodeItem *>(copy);
        from->saveRecord(record);
        to->loadRecord(record);
        // The options (a QR Code's size) are not in the record.
        to->encoder().setOption1(from->encoder().option1());
        to->encoder().setOption2(from->encoder().option2());
        to->encoder().setOption3(from->encoder().option3());
        to->regenerate();
        break;
    }
    case ItemTypeCode::kImage:
        static_cast<GraphicsImageItem *>(item)->saveRecord(record);
        static_cast<GraphicsImageItem *>(copy)->loadRecord(record);
        break;
    default:
        static_cast<GraphicsTextAbstract *>(item)->saveRecord(record);
        static_cast<GraphicsTextAbstract *>(copy)->loadRecord(record);
        break;
    }
    copy->setFlag(QGraphicsItem::ItemIsMovable, false);
    copy->setFlag(QGraphicsItem::ItemIsSelectable, false);
    return copy;
}

} // namespace

PrintPreview::PrintPreview(GraphicsScene &target) : m_scene(target) {}

PrintPreview::~PrintPreview()
{
    // The copies refer to the counters: they go first.
    m_scene.clear();
}

Counter *PrintPreview::counterCopy(quint8 id)
{
    for (const std::unique_ptr<Counter> &c : m_counters) {
        if (c->CounterID == id)
            return c.get();
    }
    auto copy = std::make_unique<Counter>();
    if (const Counter *live = findCounter(id)) {
        copy->CurValue = live->CurValue;
        copy->StepValue = live->StepValue;
        copy->StartValue = live->StartValue;
        copy->EndValue = live->EndValue;
        copy->RepeateMaxValue = live->RepeateMaxValue;
        copy->RepeatCurValue = live->RepeatCurValue;
    }
    copy->CounterID = id;
    m_counters.push_back(std::move(copy));
    return m_counters.back().get();
}

void PrintPreview::copyFrom(GraphicsScene &source)
{
    m_scene.clear();
    m_counters.clear();
    for (QGraphicsItem *item : source.items(Qt::AscendingOrder)) {
        if (item->parentItem())
            continue;
        QGraphicsItem *copy = copyOf(item);
        if (!copy)
            continue;
        if (copy->type() == ItemTypeCode::kSerialNumber) {
            auto *serial = static_cast<GraphicsSerialNumberItem *>(copy);
            // Number 0 means counter 1, as when a message is loaded.
            const quint8 id = serial->counterNumber() == 0 ? 1 : quint8(serial->counterNumber());
            serial->bindCounter(counterCopy(id));
            serial->refreshText();
        }
        m_scene.addItem(copy);
    }
    m_scene.fitSceneRect();
}

void PrintPreview::showAt(const QDateTime &moment, qint64 count)
{
    if (count >= 0) {
        for (const std::unique_ptr<Counter> &c : m_counters)
            c->CurValue = quint32(count);
    }
    for (QGraphicsItem *item : m_scene.items()) {
        if (item->type() == ItemTypeCode::kSerialNumber)
            static_cast<GraphicsSerialNumberItem *>(item)->refreshText();
    }
    showDatesAt(m_scene, moment);
}

void PrintPreview::showDatesAt(GraphicsScene &scene, const QDateTime &moment)
{
    for (QGraphicsItem *item : scene.items()) {
        if (item->type() == ItemTypeCode::kTime)
            static_cast<GraphicsTimeItem *>(item)->showAt(moment);
        else if (item->type() == ItemTypeCode::kShiftCode)
            static_cast<GraphicsShiftCodeItem *>(item)->showAt(moment.time());
    }
    scene.fitSceneRect();
}

QImage PrintPreview::picture(GraphicsScene &scene, const QDateTime &moment)
{
    if (moment.isValid())
        showDatesAt(scene, moment);
    scene.clearSelection();
    const QRectF area = scene.sceneRect().adjusted(-10, -10, 10, 10);
    QImage picture(area.size().toSize(), QImage::Format_RGB32);
    if (picture.isNull())
        return picture;
    picture.fill(QColor(220, 220, 220));
    QPainter painter(&picture);
    scene.render(&painter, QRectF(QPointF(0, 0), area.size()), area);
    return picture;
}
