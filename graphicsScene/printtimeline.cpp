// SPDX-License-Identifier: GPL-3.0-or-later
#include "printtimeline.h"

#include "graphicsscene.h"
#include "graphicstimeitem.h"

#include <QCoreApplication>
#include <QMap>
#include <QTimeZone>

#include <algorithm>

namespace {

// Parts of the calendar a date format can print.
enum DayPart {
    ShiftedYear = 0x1,  // of the day moved forward by the valid days
    ShiftedMonth = 0x2, //
    ShiftedDay = 0x4,   // day of the month and of the week
    TodayCodes = 0x8,   // week and month codes of the day itself
};

// The moment on `day` at `time`, local, UTC or at an offset as `like` is.
QDateTime momentOn(const QDateTime &like, const QDate &day, const QTime &time)
{
    switch (like.timeSpec()) {
    case Qt::UTC:
        return QDateTime(day, time, Qt::UTC);
    case Qt::OffsetFromUTC:
        return QDateTime(day, time, Qt::OffsetFromUTC, like.offsetFromUtc());
    case Qt::TimeZone:
        return QDateTime(day, time, like.timeZone());
    default:
        return QDateTime(day, time, Qt::LocalTime);
    }
}

// Reads a format as QLocale::toString does: text in single quotes is
// printed as it is ('' is one quote), every other letter may be a field.
// The week and month codes are read from the printed text, so an N
// anywhere makes the codes count.
void readFormat(const QString &format, int *dayParts, PrintTimeline::Pace *pace)
{
    int parts = 0;
    PrintTimeline::Pace fastest = PrintTimeline::Pace::Day;
    const auto faster = [&](PrintTimeline::Pace p) {
        if (int(p) > int(fastest))
            fastest = p;
    };
    bool quoted = false;
    for (const QChar c : format) {
        if (c == QLatin1Char('N'))
            parts |= TodayCodes;
        if (c == QLatin1Char('\'')) {
            quoted = !quoted;
            continue;
        }
        if (quoted)
            continue;
        switch (c.unicode()) {
        case 'y':
            parts |= ShiftedYear;
            break;
        case 'M':
            parts |= ShiftedMonth;
            break;
        case 'd':
            parts |= ShiftedDay;
            break;
        case 'h':
        case 'H':
        case 'a':
        case 'A':
            faster(PrintTimeline::Pace::Hour);
            break;
        case 'm':
            faster(PrintTimeline::Pace::Minute);
            break;
        case 's':
        case 'z':
            faster(PrintTimeline::Pace::Second);
            break;
        default:
            break;
        }
    }
    *dayParts = parts;
    *pace = fastest;
}

} // namespace

PrintTimeline::PrintTimeline(const GraphicsScene &scene)
{
    int dates = 0;
    int shifts = 0;
    for (QGraphicsItem *item : scene.items(Qt::AscendingOrder)) {
        if (item->type() == ItemTypeCode::kTime) {
            const auto *time = static_cast<GraphicsTimeItem *>(item);
            addDate(QCoreApplication::translate("PrintTimeline", "Date %1 (%2)")
                        .arg(++dates)
                        .arg(time->timeFormat()),
                    time->timeFormat(), time->validDayCount(), item);
        } else if (item->type() == ItemTypeCode::kShiftCode) {
            addShifts(QCoreApplication::translate("PrintTimeline", "Shift code %1").arg(++shifts),
                      static_cast<GraphicsShiftCodeItem *>(item)->shiftTable(), item);
        }
    }
}

void PrintTimeline::addDate(const QString &name, const QString &format, int validDays,
                            QGraphicsItem *item)
{
    Field field;
    field.name = name;
    field.item = item;
    field.format = format;
    field.validDays = validDays;
    readFormat(format, &field.dayParts, &field.pace);
    m_fields.append(field);
}

void PrintTimeline::addShifts(const QString &name,
                              const QVector<GraphicsShiftCodeItem::Shift> &table,
                              QGraphicsItem *item)
{
    Field field;
    field.name = name;
    field.item = item;
    field.isShift = true;
    field.shifts = table;
    // The code depends on the time of day alone and changes only where a
    // shift starts; midnight is checked too, as the day wraps there.
    QVector<int> starts{0};
    for (const GraphicsShiftCodeItem::Shift &s : table) {
        if (s.start.isValid())
            starts << s.start.msecsSinceStartOfDay();
    }
    std::sort(starts.begin(), starts.end());
    starts.erase(std::unique(starts.begin(), starts.end()), starts.end());
    for (int start : starts) {
        const QTime at = QTime::fromMSecsSinceStartOfDay(start);
        const QTime justBefore =
            QTime::fromMSecsSinceStartOfDay(start == 0 ? 24 * 3600 * 1000 - 1 : start - 1);
        const QString before = GraphicsShiftCodeItem::codeIn(table, justBefore);
        const QString after = GraphicsShiftCodeItem::codeIn(table, at);
        if (before != after)
            field.transitions.append({at, before, after});
    }
    m_fields.append(field);
}

QString PrintTimeline::textAt(int field, const QDateTime &moment) const
{
    const Field &f = m_fields.at(field);
    if (f.isShift)
        return GraphicsShiftCodeItem::codeIn(f.shifts, moment.time());
    return GraphicsTimeItem::expandAt(f.format, f.validDays, moment);
}

PrintTimeline::Pace PrintTimeline::paceOf(const QString &format)
{
    int parts = 0;
    Pace pace = Pace::Day;
    readFormat(format, &parts, &pace);
    return pace;
}

qint64 PrintTimeline::dayKey(const Field &field, const QDate &day)
{
    qint64 key = 0;
    if (field.dayParts & (ShiftedYear | ShiftedMonth | ShiftedDay)) {
        int year = 0;
        int month = 0;
        int dayOfMonth = 0;
        day.addDays(field.validDays).getDate(&year, &month, &dayOfMonth);
        if (field.dayParts & ShiftedYear)
            key = year;
        if (field.dayParts & ShiftedMonth)
            key = key * 16 + month;
        if (field.dayParts & ShiftedDay)
            key = key * 32 + dayOfMonth;
    }
    if (field.dayParts & TodayCodes)
        key = (key * 16 + day.month()) * 8 + day.dayOfWeek();
    return key;
}

QList<PrintTimeline::Change> PrintTimeline::nextChanges(const QDateTime &from, int count,
                                                        int years) const
{
    QList<Change> changes;
    if (!from.isValid() || count <= 0)
        return changes;
    const QDateTime end = from.addYears(years);
    QVector<int> dateFields;
    QVector<int> shiftFields;
    for (int i = 0; i < m_fields.size(); ++i) {
        if (m_fields.at(i).isShift) {
            if (!m_fields.at(i).transitions.isEmpty())
                shiftFields << i;
        } else if (m_fields.at(i).pace == Pace::Day && m_fields.at(i).dayParts != 0) {
            dateFields << i;
        }
    }
    if (dateFields.isEmpty() && shiftFields.isEmpty())
        return changes;

    QVector<qint64> keys(m_fields.size());
    const QDate first = from.date();
    for (int i : dateFields)
        keys[i] = dayKey(m_fields.at(i), first);

    for (QDate day = first; day.isValid(); day = day.addDays(1)) {
        const QDateTime midnight = momentOn(from, day, QTime(0, 0));
        if (midnight > end)
            break;
        // The moments of this day, by time of day.
        QMap<int, Change> moments;
        if (day > first) {
            for (int i : dateFields) {
                const qint64 key = dayKey(m_fields.at(i), day);
                if (key == keys.at(i))
                    continue;
                keys[i] = key;
                const QString before = textAt(i, midnight.addMSecs(-1));
                const QString after = textAt(i, midnight);
                if (before != after)
                    moments[0].fields.append({i, before, after});
            }
        }
        for (int i : shiftFields) {
            for (const Transition &t : m_fields.at(i).transitions) {
                const QDateTime at = momentOn(from, day, t.at);
                if (at <= from || at > end)
                    continue;
                Change &change = moments[t.at.msecsSinceStartOfDay()];
                change.fields.append({i, t.before, t.after});
                change.boundaries |= ShiftChange;
            }
        }
        for (auto it = moments.begin(); it != moments.end(); ++it) {
            Change change = it.value();
            if (change.fields.isEmpty())
                continue;
            change.at = momentOn(from, day, QTime::fromMSecsSinceStartOfDay(it.key()));
            if (it.key() == 0) {
                change.boundaries |= Midnight;
                if (day.day() == 1)
                    change.boundaries |= MonthEnd;
                // Into 29 February and out of it.
                if ((day.month() == 2 && day.day() == 29) ||
                    (day.month() == 3 && day.day() == 1 && QDate::isLeapYear(day.year())))
                    change.boundaries |= LeapDay;
            }
            changes.append(change);
            if (changes.size() == count)
                return changes;
        }
    }
    return changes;
}

QString PrintTimeline::boundaryText(int boundaries)
{
    QStringList parts;
    if (boundaries & Midnight)
        parts << QCoreApplication::translate("PrintTimeline", "midnight");
    if (boundaries & MonthEnd)
        parts << QCoreApplication::translate("PrintTimeline", "month end");
    if (boundaries & LeapDay)
        parts << QCoreApplication::translate("PrintTimeline", "29 February");
    if (boundaries & ShiftChange)
        parts << QCoreApplication::translate("PrintTimeline", "shift change");
    QString text = parts.join(QStringLiteral(", "));
    if (!text.isEmpty())
        text[0] = text.at(0).toUpper();
    return text;
}
