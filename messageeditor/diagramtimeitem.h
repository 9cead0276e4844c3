// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "diagramtextbase.h"
#include "editoritemtypes.h"

#include <QDateTime>

// A date and time fixed when the item is built (from the editor clock),
// optionally moved to the end of a validity period.
class diagramTimeItem : public diagramTextBase
{
    Q_OBJECT
public:
    enum { Type = diagramType::kTime };

    explicit diagramTimeItem(QGraphicsItem *parent = nullptr);
    int type() const override { return Type; }

    // reference + months − 1 day when months is not 0, else reference,
    // formatted with QDateTime::toString(format).
    static QString timeText(const QString &format, const QDateTime &reference, int months);

    QDateTime reference() const { return m_reference; }
    QString format() const { return m_format; }
    // Updates the shown text.
    void setFormat(const QString &format);
    int formatIndex() const { return m_formatIndex; }
    void setFormatIndex(int index) { m_formatIndex = index; }
    int validMonths() const { return m_validMonths; }
    void setValidMonths(int months);
    bool userDefined() const { return m_userDefined; }
    void setUserDefined(bool on) { m_userDefined = on; }

    void refreshText();

private:
    QDateTime m_reference;
    QString m_format = QStringLiteral("yyyy/MM/dd hh:mm:ss");
    int m_formatIndex = 17; // the default's row in the format list
    int m_validMonths = 0;
    bool m_userDefined = false;
};
