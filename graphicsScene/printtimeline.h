// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphicsshiftcodeitem.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QVector>

class GraphicsScene;
class QGraphicsItem;

// The date and shift fields of a message and what they print at any moment:
// the moments at which their text changes at a day, shift or month boundary,
// and which fields change so often (every hour, minute or second) that they
// are named as such instead.  Moments are local, UTC or at an offset as the
// moment the search starts from is.
class PrintTimeline
{
public:
    // What a moment of change falls on (bits).
    enum Boundary { Midnight = 0x1, MonthEnd = 0x2, LeapDay = 0x4, ShiftChange = 0x8 };
    // The shortest time in which a field's text can change.
    enum class Pace { Day, Hour, Minute, Second };

    struct FieldChange
    {
        int field;
        QString before;
        QString after;
    };
    struct Change
    {
        QDateTime at;
        int boundaries = 0;
        QList<FieldChange> fields;
    };

    PrintTimeline() = default;
    // The date/time and shift-code items of the scene, in stacking order.
    explicit PrintTimeline(const GraphicsScene &scene);

    void addDate(const QString &name, const QString &format, int validDays,
                 QGraphicsItem *item = nullptr);
    void addShifts(const QString &name, const QVector<GraphicsShiftCodeItem::Shift> &table,
                   QGraphicsItem *item = nullptr);

    int fieldCount() const { return m_fields.size(); }
    QString fieldName(int field) const { return m_fields.at(field).name; }
    QGraphicsItem *fieldItem(int field) const { return m_fields.at(field).item; }
    Pace pace(int field) const { return m_fields.at(field).pace; }
    // The field's text at the moment.
    QString textAt(int field, const QDateTime &moment) const;

    // The first `count` moments after `from`, up to `years` years later, at
    // which the text of a field whose pace is Day changes, each with the
    // fields that change and their texts just before and at the moment.
    QList<Change> nextChanges(const QDateTime &from, int count = 10, int years = 5) const;

    // The pace of a date format (Qt's date-time format language and the
    // week and month codes).
    static Pace paceOf(const QString &format);
    // "Midnight, month end" and the like.
    static QString boundaryText(int boundaries);

private:
    struct Transition
    {
        QTime at;
        QString before;
        QString after;
    };
    struct Field
    {
        QString name;
        QGraphicsItem *item = nullptr;
        bool isShift = false;
        QString format;
        int validDays = 0;
        // Which parts of the day a date's text can depend on (bits of DayPart).
        int dayParts = 0;
        Pace pace = Pace::Day;
        QVector<GraphicsShiftCodeItem::Shift> shifts;
        // Where the shift code changes each day, in order of the day.
        QVector<Transition> transitions;
    };
    // A number that changes whenever the field's text may change from one
    // day to the next (it may change without the text changing).
    static qint64 dayKey(const Field &field, const QDate &day);

    QVector<Field> m_fields;
};
