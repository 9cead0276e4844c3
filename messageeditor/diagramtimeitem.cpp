// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagramtimeitem.h"

#include "editorclock.h"

diagramTimeItem::diagramTimeItem(QGraphicsItem *parent)
    : diagramTextBase(parent), m_reference(editorClock::now())
{
    refreshText();
}

QString diagramTimeItem::timeText(const QString &format, const QDateTime &reference, int months)
{
    if (months == 0)
        return reference.toString(format);
    return reference.addMonths(months).addDays(-1).toString(format);
}

void diagramTimeItem::setFormat(const QString &format)
{
    m_format = format;
    refreshText();
}

void diagramTimeItem::setValidMonths(int months)
{
    m_validMonths = months;
    refreshText();
}

void diagramTimeItem::refreshText()
{
    setPlainText(timeText(m_format, m_reference, m_validMonths));
}
