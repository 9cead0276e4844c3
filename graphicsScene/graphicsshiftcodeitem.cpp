// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphicsshiftcodeitem.h"

#include "clock.h"

#include <QJsonArray>
#include <QJsonValue>

GraphicsShiftCodeItem::GraphicsShiftCodeItem(QGraphicsItem *parent)
    : GraphicsTextAbstract(parent, kDefaultPixelSize)
{
    m_shifts.append({QStringLiteral("A"), QTime(0, 0)});
    refreshText();
    m_shownText = toPlainText();
}

void GraphicsShiftCodeItem::addShift(const QString &code, const QTime &start)
{
    m_shifts.append({code, start});
}

QString GraphicsShiftCodeItem::codeAt(const QTime &now) const
{
    return codeIn(m_shifts, now);
}

QString GraphicsShiftCodeItem::codeIn(const QVector<Shift> &shifts, const QTime &now)
{
    if (shifts.isEmpty())
        return QStringLiteral("Text");
    if (shifts.size() == 1)
        return shifts.first().code;

    // Milliseconds since midnight; the later entry wins among equal starts.
    const Shift *chosen = nullptr;
    int best = 0;
    for (const Shift &s : shifts) {
        if (!s.start.isValid() || now < s.start || s.start.msecsSinceStartOfDay() < best)
            continue;
        chosen = &s;
        best = s.start.msecsSinceStartOfDay();
    }
    if (!chosen || chosen->code.isEmpty()) {
        // Wrap past midnight: the shift with the latest start of the day.
        // Entries starting before 00:01 are not taken here.
        chosen = nullptr;
        best = QTime(0, 1).msecsSinceStartOfDay();
        for (const Shift &s : shifts) {
            if (!s.start.isValid() || s.start.msecsSinceStartOfDay() < best)
                continue;
            chosen = &s;
            best = s.start.msecsSinceStartOfDay();
        }
    }
    return chosen ? chosen->code : QString();
}

void GraphicsShiftCodeItem::showAt(const QTime &moment)
{
    setPlainText(codeAt(moment));
}

void GraphicsShiftCodeItem::refreshText()
{
    setPlainText(codeAt(Clock::now().time()));
}

bool GraphicsShiftCodeItem::saveRecord(QJsonObject &record)
{
    writePlacement(record, "ShiftX", "ShiftY", "ShiftZ");
    record.insert("ShiftRotation", rotation());
    // Kept so that a reloaded item keeps the font the operator chose.
    record.insert("ShiftFont", font().toString());
    record.insert("ShiftFontSpace", font().letterSpacing());
    QJsonArray table;
    for (const Shift &s : m_shifts) {
        QJsonObject entry;
        entry.insert("ShiftContent", s.code);
        entry.insert("ShiftTime", s.start.toString(QStringLiteral("HH:mm")));
        table.append(entry);
    }
    record.insert("ShiftVector", table);
    return true;
}

bool GraphicsShiftCodeItem::loadRecord(const QJsonObject &record)
{
    readPlacement(record, "ShiftX", "ShiftY", "ShiftZ");
    // Files written before the font was kept have neither key: such an item
    // gets the constructor's font.
    readFont(record, "ShiftFont", "ShiftFontSpace");
    readRotation(record, "ShiftRotation");
    const QJsonValue table = record.value("ShiftVector");
    if (table.isArray()) {
        const QJsonArray entries = table.toArray();
        // An empty array keeps the constructor's shift.
        if (!entries.isEmpty())
            m_shifts.clear();
        for (const QJsonValue &element : entries) {
            const QJsonObject entry = element.toObject();
            const QString time = entry.value("ShiftTime").toString();
            QTime start = QTime::fromString(time, QStringLiteral("HH:mm"));
            if (!start.isValid())
                start = QTime::fromString(time, QStringLiteral("HH:mm:ss"));
            m_shifts.append({entry.value("ShiftContent").toString(), start});
        }
    }
    refreshText();
    m_shownText = toPlainText();
    return true;
}
