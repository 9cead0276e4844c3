// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphicstextabstract.h"

// A fixed text of the message.
class GraphicsTextItem : public GraphicsTextAbstract
{
    Q_OBJECT
public:
    enum { Type = ItemTypeCode::kText };

    explicit GraphicsTextItem(QGraphicsItem *parent = nullptr);

    int type() const override { return Type; }

    bool loadRecord(const QJsonObject &record) override;
    bool saveRecord(QJsonObject &record) override;
};
