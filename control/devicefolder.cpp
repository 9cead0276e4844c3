// SPDX-License-Identifier: GPL-3.0-or-later
#include "devicefolder.h"

#include "filerecord.h"
#include "writewhole.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("DeviceFolder", text);
}

bool fail(QString *error, const QString &message)
{
    if (error)
        *error = message;
    return false;
}

// An IP text comes from a socket's peer address; still, it names a folder of
// ours, so it must be one plain path component. (IPv6 texts hold ":".)
bool isSafeIpText(const QString &ipText)
{
    return !ipText.isEmpty() && ipText != QLatin1String(".") && ipText != QLatin1String("..") &&
           !ipText.contains(QLatin1Char('/')) && !ipText.contains(QLatin1Char('\\')) &&
           !ipText.contains(QChar(0));
}

} // namespace

namespace DeviceFolder {

QString path(const QString &ipText)
{
    return QStringLiteral("devices/") + ipText;
}

bool ensure(const QString &ipText, QString *error)
{
    if (!isSafeIpText(ipText))
        return fail(error, tr("no folder for a coder named \"%1\"").arg(ipText));
    // A devices/ that is a link leads anywhere: no folder is made through it.
    if (QFileInfo(QStringLiteral("devices")).isSymLink())
        return fail(error, tr("%1 leads through a link; no folder is made").arg(path(ipText)));
    if (!QDir().mkpath(path(ipText)))
        return fail(error, tr("cannot create folder %1").arg(path(ipText)));
    return true;
}

bool writeFile(const QString &ipText, const QString &name, const QByteArray &content,
               QString *error)
{
    if (!FileRecord::isSafeFileName(name))
        return fail(error, tr("unsafe file name \"%1\" refused").arg(name));
    if (name.toUtf8().size() > kMaxFileNameBytes)
        return fail(error, tr("file name of %1 bytes refused, at most %2")
                               .arg(name.toUtf8().size())
                               .arg(kMaxFileNameBytes));
    // QSaveFile writes through a link lying at the target, and a linked
    // folder leads anywhere: such links, prepared inside devices/, are
    // refused before anything is created or written.
    const QString target = path(ipText) + QLatin1Char('/') + name;
    const QString devices = QStringLiteral("devices");
    if (QFileInfo(devices).isSymLink() || QFileInfo(path(ipText)).isSymLink() ||
        QFileInfo(target).isSymLink())
        return fail(error, tr("%1 leads through a link; nothing is written").arg(target));
    if (!ensure(ipText, error))
        return false;
    if (QFileInfo(path(ipText)).canonicalFilePath() !=
        QDir(QDir(devices).canonicalPath()).filePath(ipText))
        return fail(error, tr("%1 leads through a link; nothing is written").arg(target));
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly))
        return fail(error, tr("cannot write %1: %2").arg(target, file.errorString()));
    QString reason;
    if (!writeWhole(file, content, &reason)) {
        file.cancelWriting();
        return fail(error, tr("cannot write %1: %2").arg(target, reason));
    }
    if (!file.commit())
        return fail(error, tr("cannot write %1: %2").arg(target, file.errorString()));
    return true;
}

} // namespace DeviceFolder
