// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "diagramtextbase.h"
#include "editoritemtypes.h"
#include "externaldata.h"

// A fixed text.
class diagramTextItem : public diagramTextBase
{
    Q_OBJECT
public:
    enum { Type = diagramType::kText };

    explicit diagramTextItem(QGraphicsItem *parent = nullptr);
    int type() const override { return Type; }

    QString content() const { return m_content; }
    // Also becomes the shown text.
    void setContent(const QString &content);

    externalData external() const { return m_external; }
    void setExternal(const externalData &data) { m_external = data; }

private:
    QString m_content;
    externalData m_external;
};
