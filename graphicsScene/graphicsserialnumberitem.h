// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "counter.h"
#include "graphicstextabstract.h"

#include <QPointer>

// Shows the value of a numbered counter in base 10, 16 or 34, padded on the
// left with a fill character to a fixed width; a wider number loses its
// leading characters.
class GraphicsSerialNumberItem : public GraphicsTextAbstract
{
    Q_OBJECT
public:
    enum { Type = ItemTypeCode::kSerialNumber };
    // Values of systemBase.
    enum Base { Decimal = 0, Hexadecimal = 1, Base34 = 2 };

    explicit GraphicsSerialNumberItem(Counter *counter = nullptr, QGraphicsItem *parent = nullptr);

    int type() const override { return Type; }

    // Binds the item to the counter and follows its changes; nullptr does
    // nothing.  Done once, when a message is loaded.
    void bindCounter(Counter *counter);
    Counter *boundCounter() const { return m_counter; }

    // The panel writes these directly and then calls refreshText() itself.
    int base() const { return m_systemBase; }
    void setSystemBase(int base) { m_systemBase = base; }
    int mode() const { return m_serialMode; }
    void setSerialMode(int mode) { m_serialMode = mode; }
    qint8 digitCount() const { return m_digits; }
    void setDigits(qint8 count) { m_digits = count; }
    qint8 counterNumber() const { return m_counterId; }
    void setCounterNumber(qint8 id) { m_counterId = id; }
    QChar fillChar() const { return m_preFixChar; }
    void setPreFixChar(QChar c) { m_preFixChar = c; }
    quint32 shownValue() const { return m_value; }

    // The digits of value in a base (systemBase numbering), unpadded.
    static QString toDigits(quint32 value, int base);
    // The text shown for a counter value: the digits padded or cut to width.
    QString textFor(quint32 value) const;

    bool loadRecord(const QJsonObject &record) override;
    bool saveRecord(QJsonObject &record) override;
    void refreshText() override;

private:
    QPointer<Counter> m_counter; // not owned
    int m_systemBase = Decimal;
    int m_serialMode = 0; // kept for the coder, not used here
    quint32 m_value = 0;  // the value last shown
    qint8 m_digits = 6;   // shown width in characters
    qint8 m_counterId = 1;
    QChar m_preFixChar = QLatin1Char('0');
};
