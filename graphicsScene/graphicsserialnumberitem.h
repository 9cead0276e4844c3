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
    enum { Type = ItemTypeCode::SerialNumber };
    // Values of systemBase.
    enum Base { Decimal = 0, Hexadecimal = 1, Base34 = 2 };

    explicit GraphicsSerialNumberItem(Counter *counter = nullptr, QGraphicsItem *parent = nullptr);

    int type() const override { return Type; }

    // Binds the item to the counter and follows its changes; nullptr does
    // nothing.  Done once, when a message is loaded.
    void bindCounter(Counter *counter);
    Counter *boundCounter() const { return counter; }

    // The panel writes these directly and then calls refreshText() itself.
    int base() const { return systemBase; }
    void setSystemBase(int base) { systemBase = base; }
    int mode() const { return serialMode; }
    void setSerialMode(int mode) { serialMode = mode; }
    qint8 digitCount() const { return digits; }
    void setDigits(qint8 count) { digits = count; }
    qint8 counterNumber() const { return counterID; }
    void setCounterNumber(qint8 id) { counterID = id; }
    QChar fillChar() const { return preFixChar; }
    void setPreFixChar(QChar c) { preFixChar = c; }
    quint32 shownValue() const { return value; }

    // The digits of value in a base (systemBase numbering), unpadded.
    static QString toDigits(quint32 value, int base);

    bool loadRecord(const QJsonObject &record) override;
    bool saveRecord(QJsonObject &record) override;
    void refreshText() override;

private:
    QPointer<Counter> counter; // not owned
    int systemBase = Decimal;
    int serialMode = 0; // kept for the coder, not used here
    quint32 value = 0;  // the value last shown
    qint8 digits = 6;   // shown width in characters
    qint8 counterID = 1;
    QChar preFixChar = QLatin1Char('0');
};
