// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphicstextabstract.h"

#include <QTime>
#include <QVector>

// Prints the code of the working shift that started last before the current
// time of day; the last shift of the day runs on past midnight.
class GraphicsShiftCodeItem : public GraphicsTextAbstract
{
    Q_OBJECT
public:
    enum { Type = ItemTypeCode::kShiftCode };

    struct Shift
    {
        QString code; // printed while this shift runs
        QTime start;  // invalid when a file held a malformed time
    };

    explicit GraphicsShiftCodeItem(QGraphicsItem *parent = nullptr);

    int type() const override { return Type; }

    // The table in the order the user entered it; the panel edits it in place
    // and calls refreshText() when the user asks.
    QVector<Shift> &shiftTable() { return m_shifts; }
    const QVector<Shift> &shiftTable() const { return m_shifts; }
    void addShift(const QString &code, const QTime &start);
    QString shownCode() const { return m_shownText; }

    // The code the table gives at a time of day.
    QString codeAt(const QTime &now) const;
    static QString codeIn(const QVector<Shift> &shifts, const QTime &now);
    // Shows the code of a time of day (a preview; the next refresh shows
    // now again).
    void showAt(const QTime &moment);

    bool loadRecord(const QJsonObject &record) override;
    bool saveRecord(QJsonObject &record) override;
    void refreshText() override;

private:
    QVector<Shift> m_shifts;
    QString m_shownText;
};
