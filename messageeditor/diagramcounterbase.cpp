// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagramcounterbase.h"

diagramCounterBase::diagramCounterBase(QGraphicsItem *parent) : diagramTextBase(parent)
{
    refreshText();
}

QString diagramCounterBase::counterText(int value, int digits)
{
    return QString::number(value).rightJustified(digits, QLatin1Char('0'));
}

void diagramCounterBase::setDigits(int digits)
{
    if (digits < 1 || digits > 8)
        return;
    m_digits = digits;
    refreshText();
}

void diagramCounterBase::refreshText()
{
    setPlainText(counterText(m_value, m_digits));
}
