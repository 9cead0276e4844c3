// SPDX-License-Identifier: GPL-3.0-or-later
#include "gtin.h"

#include <QCoreApplication>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("Gtin", text);
}

} // namespace

int Gtin::checkDigit(const QString &digitsWithoutCheck)
{
    int sum = 0;
    int weight = 3;
    for (int i = digitsWithoutCheck.size() - 1; i >= 0; --i) {
        sum += (digitsWithoutCheck.at(i).unicode() - '0') * weight;
        weight = weight == 3 ? 1 : 3;
    }
    return (10 - sum % 10) % 10;
}

Gtin::Result Gtin::normalise(const QString &text)
{
    Result result;
    const QString trimmed = text.trimmed();
    int lead = 0; // blanks before the digits, for the position
    while (lead < text.size() && text.at(lead).isSpace())
        ++lead;
    if (trimmed.isEmpty()) {
        result.error = tr("The GTIN is empty.");
        return result;
    }
    for (int i = 0; i < trimmed.size(); ++i) {
        const QChar c = trimmed.at(i);
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            result.position = lead + i + 1;
            result.error = tr("The GTIN may hold only digits; character %1 is \"%2\".")
                               .arg(result.position)
                               .arg(c);
            return result;
        }
    }
    const int n = trimmed.size();
    if (n != 8 && n != 12 && n != 13 && n != 14) {
        result.error = tr("A GTIN has 8, 12, 13 or 14 digits; this one has %1.").arg(n);
        return result;
    }
    const int expected = checkDigit(trimmed.left(n - 1));
    const int given = trimmed.at(n - 1).unicode() - '0';
    if (expected != given) {
        result.position = lead + n;
        result.error = tr("The check digit (digit %1) is %2; it should be %3.")
                           .arg(result.position)
                           .arg(given)
                           .arg(expected);
        return result;
    }
    result.gtin14 = QString(14 - n, QLatin1Char('0')) + trimmed;
    return result;
}
