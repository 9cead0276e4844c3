// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphicstextabstract.h"

#include <QDateTime>

// The current date and time, optionally moved forward by a number of days
// (best-before and expiry dates), laid out by a format string: Qt's date-time
// format language plus the week and month codes NN, NO, ND and NR.  The text
// is a snapshot taken when the format, the days or the record change.
class GraphicsTimeItem : public GraphicsTextAbstract
{
    Q_OBJECT
public:
    enum { Type = ItemTypeCode::kTime };

    explicit GraphicsTimeItem(QGraphicsItem *parent = nullptr);

    int type() const override { return Type; }

    void setTimeFormat(const QString &text);
    QString timeFormat() const { return m_format; }
    void setValidDays(int days);
    int validDayCount() const { return m_validDays; }
    // In a template: the job gives the item the offset of the product's
    // shelf life; the days set here are what the designer shows meanwhile.
    // Stored as "TimeBestBefore" only when set, a key the coders ignore.
    void setFollowsShelfLife(bool follows) { m_followsShelfLife = follows; }
    bool followsShelfLife() const { return m_followsShelfLife; }

    // The format expanded for now + validDays; the week and month codes
    // always describe today.
    QString expandDateFormat(const QString &format) const;
    // A format expanded for a moment moved forward by validDays; the codes
    // describe the moment's own day.
    static QString expandAt(const QString &format, int validDays, const QDateTime &moment);
    // Shows the text the item prints at the moment (a preview; the next
    // refresh shows now again).
    void showAt(const QDateTime &moment);

    bool loadRecord(const QJsonObject &record) override;
    bool saveRecord(QJsonObject &record) override;
    void refreshText() override;

private:
    int m_validDays = 0;
    bool m_followsShelfLife = false;
    QString m_format;
};
