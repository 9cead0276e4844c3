// SPDX-License-Identifier: GPL-3.0-or-later
#include "journalline.h"

#include "journal.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonValue>

namespace {

bool isHash(const QByteArray &hex)
{
    if (hex.size() != 64)
        return false;
    for (const char c : hex) {
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')))
            return false;
    }
    return true;
}

} // namespace

std::optional<JournalLine> JournalLine::parse(const QByteArray &raw)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(raw, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    JournalLine line;
    line.object = document.object();
    const QJsonValue number = line.object.value(QLatin1String("number"));
    const double n = number.toDouble(-1);
    if (!number.isDouble() || n < 1 || n > 9e15 || n != qint64(n))
        return std::nullopt;
    line.number = qint64(n);
    line.id = line.object.value(QLatin1String("journal")).toString();
    line.prev = line.object.value(QLatin1String("prev")).toString().toLatin1();
    line.prevFile = line.object.value(QLatin1String("prevFile")).toString();
    line.action = line.object.value(QLatin1String("action")).toString();
    const bool chained = line.number == 1 ? line.prev.isEmpty() : isHash(line.prev);
    if (line.id.isEmpty() || line.action.isEmpty() || !chained ||
        !line.object.value(QLatin1String("time")).isString())
        return std::nullopt;
    return line;
}

JournalHead JournalHead::read(const QString &path, QByteArray *bytes)
{
    JournalHead head;
    QFile file(path);
    if (!file.exists())
        return head;
    head.present = true;
    if (!file.open(QIODevice::ReadOnly)) {
        head.damaged = true;
        return head;
    }
    const QByteArray content = file.read(64 * 1024);
    if (bytes)
        *bytes = content;
    const QJsonObject o = QJsonDocument::fromJson(content).object();
    head.id = o.value(QLatin1String("journal")).toString();
    head.count = qint64(o.value(QLatin1String("count")).toDouble(-1));
    head.last = o.value(QLatin1String("last")).toString().toLatin1();
    head.file = o.value(QLatin1String("file")).toString();
    head.damaged = head.id.isEmpty() || head.count < 0 ||
                   (head.count > 0 && (!isHash(head.last) || !Journal::isMonthFileName(head.file)));
    return head;
}

void forEachJournalLine(const QString &folder, const QString &firstFile, const QString &lastFile,
                        const std::function<bool(const JournalLine &, const QString &file)> &visit)
{
    const QStringList names =
        QDir(folder).entryList({QStringLiteral("*.jsonl")}, QDir::Files, QDir::Name);
    for (const QString &name : names) {
        if (!Journal::isMonthFileName(name) || (!firstFile.isEmpty() && name < firstFile) ||
            (!lastFile.isEmpty() && name > lastFile))
            continue;
        QFile file(folder + QLatin1Char('/') + name);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        while (!file.atEnd()) {
            QByteArray raw = file.readLine(Journal::kMaxLineBytes + 2);
            if (!raw.endsWith('\n'))
                break; // cut off, or longer than any line
            raw.chop(1);
            if (const std::optional<JournalLine> line = JournalLine::parse(raw)) {
                if (!visit(*line, name))
                    return;
            }
        }
    }
}

QDateTime journalLocalTime(const QJsonObject &line)
{
    QDateTime utc =
        QDateTime::fromString(line.value(QLatin1String("time")).toString(), Qt::ISODateWithMs);
    utc.setTimeSpec(Qt::UTC);
    const QString offset = line.value(QLatin1String("offset")).toString();
    int seconds = 0;
    if (offset.size() == 6) {
        seconds = offset.midRef(1, 2).toInt() * 3600 + offset.midRef(4, 2).toInt() * 60;
        if (offset.startsWith(QLatin1Char('-')))
            seconds = -seconds;
    }
    return utc.toOffsetFromUtc(seconds);
}
