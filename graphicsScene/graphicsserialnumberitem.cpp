// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphicsserialnumberitem.h"

#include "counter.h"
#include "documentlog.h"

#include <QDebug>
#include <QJsonValue>

namespace {

// 34 symbols: the digits and the capital letters without I and O.
const char kBase34Alphabet[] = "0123456789ABCDEFGHJKLMNPQRSTUVWXYZ";

// 8-bit record fields keep the low 8 bits of the stored number.
qint8 low8(const QJsonValue &v)
{
    return qint8(quint8(jsonToInt(v) & 0xff));
}

} // namespace

GraphicsSerialNumberItem::GraphicsSerialNumberItem(Counter *counter, QGraphicsItem *parent)
    : GraphicsTextAbstract(parent, kDefaultPixelSize), m_counter(counter)
{
    refreshText();
    m_content = toPlainText();
}

void GraphicsSerialNumberItem::bindCounter(Counter *c)
{
    if (!c)
        return;
    m_counter = c;
    m_counterId = qint8(c->CounterID);
    connect(c, &Counter::counterDataChanged, this, &GraphicsSerialNumberItem::refreshText);
    qCDebug(lcDocument) << "connect counter";
}

QString GraphicsSerialNumberItem::toDigits(quint32 value, int base)
{
    switch (base) {
    case Decimal:
        return QString::number(value);
    case Hexadecimal:
        return QString::number(value, 16);
    case Base34: {
        // Read as signed: zero and "negative" values have no digits at all.
        qint32 rest = qint32(value);
        QString digits;
        while (rest > 0) {
            digits.prepend(QLatin1Char(kBase34Alphabet[rest % 34]));
            rest /= 34;
        }
        return digits;
    }
    default:
        return QString();
    }
}

QString GraphicsSerialNumberItem::textFor(quint32 value) const
{
    QString text = toDigits(value, m_systemBase);
    if (m_digits > 0)
        text = text.rightJustified(m_digits, m_preFixChar).right(m_digits);
    return text;
}

void GraphicsSerialNumberItem::refreshText()
{
    if (m_counter)
        m_value = m_counter->CurValue;
    setPlainText(textFor(m_value));
}

bool GraphicsSerialNumberItem::saveRecord(QJsonObject &record)
{
    writePlacement(record, "SNatX", "SNatY", "SNatZ");
    record.insert("SNspace", font().letterSpacing());
    record.insert("SNfont", font().toString());
    record.insert("SNrotate", rotation());
    record.insert("SNmode", m_serialMode);
    record.insert("SNsystemBase", m_systemBase);
    record.insert("SNcounterID", int(m_counterId));
    record.insert("SNpreFixChar", QString(m_preFixChar));
    record.insert("SNdigits", int(m_digits));
    record.insert("SNfontSpace", font().letterSpacing());
    return true;
}

bool GraphicsSerialNumberItem::loadRecord(const QJsonObject &record)
{
    // "SNspace" repeats "SNfontSpace" and is not read.
    readPlacement(record, "SNatX", "SNatY", "SNatZ");
    readFont(record, "SNfont", "SNfontSpace");
    readRotation(record, "SNrotate");
    if (record.contains("SNmode"))
        m_serialMode = jsonToInt(record.value("SNmode"));
    if (record.contains("SNsystemBase"))
        m_systemBase = jsonToInt(record.value("SNsystemBase"));
    if (record.contains("SNcounterID"))
        m_counterId = low8(record.value("SNcounterID"));
    if (record.contains("SNdigits"))
        m_digits = low8(record.value("SNdigits"));
    if (record.contains("SNpreFixChar")) {
        const QString fill = record.value("SNpreFixChar").toString();
        m_preFixChar = fill.isEmpty() ? QChar(0) : fill.at(0);
    }
    refreshText();
    return true;
}
