// SPDX-License-Identifier: GPL-3.0-or-later
#include "filerecord.h"

#include <QStringList>
#include <QtEndian>

namespace {

constexpr int kLengthFieldSize = 4;

bool fail(QString *error, const QString &message)
{
    if (error)
        *error = message;
    return false;
}

bool checkName(const QString &name, QString *error)
{
    if (!FileRecord::isSafeFileName(name))
        return fail(error, QStringLiteral("unsafe file name \"%1\" refused").arg(name));
    return true;
}

} // namespace

bool FileRecord::encode(const QString &name, const QByteArray &content, QByteArray *record,
                        QString *error)
{
    const QByteArray nameBytes = name.toUtf8();
    if (nameBytes.size() > kMaxNameBytes)
        return fail(error, QStringLiteral("file name \"%1\" is %2 bytes long in UTF-8; "
                                          "at most %3 can be sent")
                               .arg(name)
                               .arg(nameBytes.size())
                               .arg(kMaxNameBytes));
    if (!checkName(name, error))
        return false;
    const quint32 contentLength = content.isEmpty() ? kNoContent : quint32(content.size());
    QByteArray out;
    out.reserve(1 + nameBytes.size() + kLengthFieldSize + content.size());
    out.append(char(quint8(nameBytes.size())));
    out.append(nameBytes);
    char lengthField[kLengthFieldSize];
    qToBigEndian<quint32>(contentLength, lengthField);
    out.append(lengthField, kLengthFieldSize);
    out.append(content);
    *record = out;
    return true;
}

bool FileRecord::parseCurrentFile(const QByteArray &payload, FileRecord *record, QString *error)
{
    if (payload.isEmpty())
        return fail(error, QStringLiteral("empty current-file record"));
    const int nameLength = quint8(payload[0]);
    if (payload.size() < 1 + nameLength)
        return fail(error, QStringLiteral("current-file record shorter than its name"));
    QByteArray nameBytes = payload.mid(1, nameLength);
    const int nul = nameBytes.indexOf('\0');
    if (nul >= 0)
        nameBytes.truncate(nul);
    const QString name = QString::fromLatin1(nameBytes);
    if (!checkName(name, error))
        return false;
    record->name = name;
    record->content = payload.mid(1 + nameLength + kLengthFieldSize);
    return true;
}

bool FileRecord::parseFileTransfer(const QByteArray &payload, FileRecord *record, QString *error)
{
    if (payload.isEmpty())
        return fail(error, QStringLiteral("empty file-transfer record"));
    const int nameLength = quint8(payload[0]);
    const int contentAt = 1 + nameLength + kLengthFieldSize;
    if (payload.size() < contentAt)
        return fail(error, QStringLiteral("file-transfer record shorter than its header"));
    const QString name = QString::fromUtf8(payload.mid(1, nameLength));
    if (!checkName(name, error))
        return false;
    const quint32 contentLength = qFromBigEndian<quint32>(payload.constData() + 1 + nameLength);
    const qint64 available = payload.size() - contentAt;
    if (contentLength == kNoContent) {
        record->content.clear();
    } else if (qint64(contentLength) != available) {
        return fail(error, QStringLiteral("file-transfer record announces %1 content bytes "
                                          "but carries %2")
                               .arg(contentLength)
                               .arg(available));
    } else {
        record->content = payload.mid(contentAt);
    }
    record->name = name;
    return true;
}

bool FileRecord::isSafeFileName(const QString &name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..") ||
        name.toUtf8().size() > kMaxNameBytes)
        return false;
    for (const QChar c : name) {
        // Folder and drive separators, and control characters, which no
        // message name has and which Windows refuses or misreads.
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':') ||
            c.unicode() < 0x20 || c.unicode() == 0x7f)
            return false;
    }
    // Windows drops a trailing dot or space, so "a.spr." would replace
    // "a.spr", and it opens its devices ("CON", "nul.spr", "COM1.txt", ...)
    // under these names in every folder.
    if (name.endsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char(' ')))
        return false;
    static const QStringList reserved{
        QStringLiteral("CON"),  QStringLiteral("PRN"),    QStringLiteral("AUX"),
        QStringLiteral("NUL"),  QStringLiteral("CONIN$"), QStringLiteral("CONOUT$"),
        QStringLiteral("COM1"), QStringLiteral("COM2"),   QStringLiteral("COM3"),
        QStringLiteral("COM4"), QStringLiteral("COM5"),   QStringLiteral("COM6"),
        QStringLiteral("COM7"), QStringLiteral("COM8"),   QStringLiteral("COM9"),
        QStringLiteral("LPT1"), QStringLiteral("LPT2"),   QStringLiteral("LPT3"),
        QStringLiteral("LPT4"), QStringLiteral("LPT5"),   QStringLiteral("LPT6"),
        QStringLiteral("LPT7"), QStringLiteral("LPT8"),   QStringLiteral("LPT9")};
    const QString base = name.section(QLatin1Char('.'), 0, 0).trimmed();
    return !reserved.contains(base, Qt::CaseInsensitive);
}
