// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QStringList>

// Lines of a CSV file as spreadsheets and ERPs read them: UTF-8, fields
// separated by commas, quoted when they hold a comma, a quote, a line
// break or blanks at either end (a quote doubled), lines ended by CR LF.
class CsvWriter
{
public:
    static QByteArray line(const QStringList &fields);
};
