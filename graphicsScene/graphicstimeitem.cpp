// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphicstimeitem.h"

#include "clock.h"

#include <QJsonValue>
#include <QLocale>

namespace {

// Fixed tables, independent of the system locale; indexed by Qt's day of
// week (1 = Monday ... 7 = Sunday) and by month (1 ... 12).
const char *const kDayNames[7] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
const char *const kMonthNames[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                     "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// The value of the code "N" + letter for `today`, or a null string when the
// letter makes no code.
QString codeValue(QChar letter, const QDate &today)
{
    const int dayOfWeek = today.dayOfWeek();
    // Weeks counted from Sunday: Sunday 0, Monday 1, ... Saturday 6.
    const int fromSunday = dayOfWeek % 7;
    switch (letter.unicode()) {
    case 'N':
        return QStringLiteral("%1").arg(fromSunday + 1, 2, 10, QLatin1Char('0'));
    case 'O':
        return QString(QChar('A' + fromSunday));
    case 'D':
        return QString::fromLatin1(kDayNames[dayOfWeek - 1]);
    case 'R':
        return QString::fromLatin1(kMonthNames[today.month() - 1]);
    default:
        return QString();
    }
}

} // namespace

GraphicsTimeItem::GraphicsTimeItem(QGraphicsItem *parent)
    : GraphicsTextAbstract(parent, kDefaultPixelSize), m_format(QStringLiteral("dd/MM/yyyy"))
{
    refreshText();
    m_content = toPlainText();
}

void GraphicsTimeItem::setTimeFormat(const QString &text)
{
    m_format = text;
    refreshText();
}

void GraphicsTimeItem::setValidDays(int days)
{
    m_validDays = days;
    refreshText();
}

QString GraphicsTimeItem::expandDateFormat(const QString &format) const
{
    return expandAt(format, m_validDays, Clock::now());
}

QString GraphicsTimeItem::expandAt(const QString &format, int validDays, const QDateTime &now)
{
    QString s = QLocale::system().toString(now.addDays(validDays), format);

    const QDate today = now.date();
    for (int i = 0; i + 1 < s.size(); ++i) {
        if (s.at(i) != QLatin1Char('N'))
            continue;
        const QString value = codeValue(s.at(i + 1), today);
        if (value.isNull())
            continue;
        s.replace(i, 2, value);
        // Inserted text is never scanned again ("Nov" starts with N).
        i += value.size() - 1;
    }
    return s;
}

void GraphicsTimeItem::showAt(const QDateTime &moment)
{
    setPlainText(expandAt(m_format, m_validDays, moment));
}

void GraphicsTimeItem::refreshText()
{
    m_content = toPlainText();
    setPlainText(expandDateFormat(m_format));
}

bool GraphicsTimeItem::saveRecord(QJsonObject &record)
{
    writePlacement(record, "TimeAtX", "TimeAtY", "TimeAtZ");
    record.insert("TimeMode", m_format);
    record.insert("TimeFont", font().toString());
    record.insert("TimeRotate", rotation());
    record.insert("TimeValidDays", m_validDays);
    record.insert("TimeFontSpace", font().letterSpacing());
    if (m_followsShelfLife)
        record.insert("TimeBestBefore", true);
    return true;
}

bool GraphicsTimeItem::loadRecord(const QJsonObject &record)
{
    readPlacement(record, "TimeAtX", "TimeAtY", "TimeAtZ");
    if (record.contains("TimeMode"))
        m_format = record.value("TimeMode").toString();
    readFont(record, "TimeFont", "TimeFontSpace");
    // The origin is the centre of the text shown before the refresh below.
    readRotation(record, "TimeRotate");
    if (record.contains("TimeValidDays"))
        m_validDays = jsonToInt(record.value("TimeValidDays"));
    m_followsShelfLife = record.value("TimeBestBefore").toBool();
    refreshText();
    return true;
}
