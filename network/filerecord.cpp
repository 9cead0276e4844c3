// SPDX-License-Identifier: GPL-3.0-or-later
#include "filerecord.h"

#include "safefilename.h"

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
    return ::isSafeFileName(name);
}
