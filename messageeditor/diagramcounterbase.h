// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "diagramtextbase.h"

// What both counter items share: a value (always 0 in the editor) shown
// left-padded with zeros to 1 to 8 digits.
class diagramCounterBase : public diagramTextBase
{
    Q_OBJECT
public:
    explicit diagramCounterBase(QGraphicsItem *parent = nullptr);

    // The value in decimal, left-padded with '0' to digits characters.
    static QString counterText(int value, int digits);

    int value() const { return m_value; }
    int digits() const { return m_digits; }
    // Values outside 1 to 8 are ignored.  Updates the shown text.
    void setDigits(int digits);
    void refreshText();

private:
    int m_value = 0;
    int m_digits = 6;
};
