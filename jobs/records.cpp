// SPDX-License-Identifier: GPL-3.0-or-later
#include "records.h"

#include "catalogue.h"
#include "csvwriter.h"

QByteArray JobRecord::toCsv() const
{
    const QStringList jobColumns = {QStringLiteral("job"),
                                    QStringLiteral("product"),
                                    QStringLiteral("order"),
                                    QStringLiteral("lot"),
                                    QStringLiteral("fields"),
                                    QStringLiteral("template"),
                                    QStringLiteral("template_sha256"),
                                    QStringLiteral("approval"),
                                    QStringLiteral("message_sha256"),
                                    QStringLiteral("started_by"),
                                    QStringLiteral("started_at"),
                                    QStringLiteral("ended_by"),
                                    QStringLiteral("ended_at")};
    const QStringList coderColumns = {
        QStringLiteral("coder_ip"),         QStringLiteral("coder_name"),
        QStringLiteral("sent_sha256"),      QStringLiteral("readback_sha256"),
        QStringLiteral("result"),           QStringLiteral("result_at"),
        QStringLiteral("coder_started_at"), QStringLiteral("coder_stopped_at")};
    QStringList fields;
    for (const auto &v : fieldValues)
        fields << v.first + QLatin1Char('=') + v.second;
    const auto time = [](const QDateTime &t) {
        return t.isValid() ? Catalogue::timeText(t) : QString();
    };
    const QStringList jobValues = {QString::number(id),
                                   productCode,
                                   orderNumber,
                                   lot,
                                   fields.join(QLatin1String("; ")),
                                   templateName,
                                   templateSha256,
                                   approvalId > 0 ? QString::number(approvalId) : QString(),
                                   messageSha256,
                                   startedBy,
                                   time(startedAt),
                                   endedBy,
                                   time(endedAt)};
    QByteArray out = "\xef\xbb\xbf" + CsvWriter::line(jobColumns + coderColumns);
    if (coders.isEmpty())
        out += CsvWriter::line(jobValues);
    for (const JobCoderRecord &c : coders) {
        out += CsvWriter::line(jobValues + QStringList{c.ip, c.remarkName, c.sentSha256,
                                                       c.readBackSha256, c.result, time(c.resultAt),
                                                       time(c.startedAt), time(c.stoppedAt)});
    }
    return out;
}
