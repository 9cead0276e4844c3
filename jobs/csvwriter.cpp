// SPDX-License-Identifier: GPL-3.0-or-later
#include "csvwriter.h"

QByteArray CsvWriter::line(const QStringList &fields)
{
    QByteArray out;
    for (int i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += ',';
        const QByteArray f = fields.at(i).toUtf8();
        const bool quote = f.contains(',') || f.contains('"') || f.contains('\n') ||
                           f.contains('\r') ||
                           (!f.isEmpty() && (f.front() == ' ' || f.back() == ' '));
        if (!quote) {
            out += f;
            continue;
        }
        out += '"';
        for (const char c : f) {
            if (c == '"')
                out += '"';
            out += c;
        }
        out += '"';
    }
    out += "\r\n";
    return out;
}
