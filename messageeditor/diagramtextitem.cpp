// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagramtextitem.h"

diagramTextItem::diagramTextItem(QGraphicsItem *parent) : diagramTextBase(parent)
{
    setContent(tr("Input text"));
}

void diagramTextItem::setContent(const QString &content)
{
    m_content = content;
    setPlainText(content);
}
