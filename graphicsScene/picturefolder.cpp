// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturefolder.h"

#include "pixellimit.h"
#include "safefilename.h"
#include "writewhole.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QSaveFile>

namespace PictureFolder {

namespace {

const QString kFolderName = QStringLiteral("Image");
constexpr qint64 kCopyChunk = 64 * 1024;
// Numbered variants tried before an import gives up.
constexpr int kMaxVariants = 1000;

// The picture, or null when it cannot be read or is too large to show; the
// size is checked before the pixels are decoded where the format allows.
QPixmap readLimited(const QString &path)
{
    // Only plain files: a FIFO or a device named in a message file would
    // block the program while it waits for data.
    if (!QFileInfo(path).isFile())
        return QPixmap();
    QImageReader reader(path);
    const QSize size = reader.size();
    if (size.isValid() && !PixelLimit::fits(size))
        return QPixmap();
    const QImage image = reader.read();
    // While a message loads, the picture also counts against its budget.
    if (image.isNull() || !PixelLimit::grant(image.size()))
        return QPixmap();
    return QPixmap::fromImage(image);
}

// "logo.png" -> "logo-2.png"; "logo" -> "logo-2".
QString variantName(const QString &name, int n)
{
    const QFileInfo info(name);
    const QString suffix = info.suffix();
    const QString base = info.completeBaseName() + QLatin1Char('-') + QString::number(n);
    return suffix.isEmpty() ? base : base + QLatin1Char('.') + suffix;
}

bool sameContent(const QString &a, const QString &b)
{
    QFile fa(a);
    QFile fb(b);
    if (fa.size() != fb.size() || !fa.open(QIODevice::ReadOnly) || !fb.open(QIODevice::ReadOnly))
        return false;
    while (!fa.atEnd()) {
        if (fa.read(kCopyChunk) != fb.read(kCopyChunk))
            return false;
    }
    return true;
}

// Copies in chunks into a new file that appears only when complete.
bool copyFile(const QString &from, const QString &to, QString *error)
{
    QFile in(from);
    QSaveFile out(to);
    if (!in.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("Cannot read %1: %2.").arg(from, in.errorString());
        return false;
    }
    if (!out.open(QIODevice::WriteOnly)) {
        *error = QStringLiteral("Cannot write %1: %2.").arg(to, out.errorString());
        return false;
    }
    // The write's own reason, taken before cancelWriting() replaces it; the
    // QSaveFile, never committed, discards its temporary.
    const auto fail = [&](const QString &text) {
        *error = text;
        out.cancelWriting();
        return false;
    };
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(kCopyChunk);
        if (chunk.isEmpty() && in.error() != QFileDevice::NoError)
            return fail(QStringLiteral("Cannot read %1: %2.").arg(from, in.errorString()));
        QString reason;
        if (!writeWhole(out, chunk, &reason))
            return fail(QStringLiteral("Cannot write %1: %2.").arg(to, reason));
    }
    if (!out.commit()) {
        *error = QStringLiteral("Cannot write %1: %2.").arg(to, out.errorString());
        return false;
    }
    return true;
}

} // namespace

QString storedPath(const QString &path)
{
    return QStringLiteral("/Image/") + path.section(QLatin1Char('/'), -1);
}

QString folderPath()
{
    return QDir::current().absoluteFilePath(kFolderName);
}

bool isSafeName(const QString &name)
{
    return isSafeFileName(name);
}

QPixmap read(const QString &path)
{
    const QPixmap picture = readLimited(path);
    if (!picture.isNull())
        return picture;
    return readStored(storedPath(path));
}

QPixmap readStored(const QString &path)
{
    // Message files also come from coders: only the coders' picture folder
    // and our own are read, never a place the file chose.
    const QString name = path.section(QLatin1Char('/'), -1);
    if (!isSafeStoredFileName(name))
        return QPixmap();
    if (path == storedPath(name)) {
        const QPixmap picture = readLimited(path);
        if (!picture.isNull())
            return picture;
    }
    return readLimited(QDir(folderPath()).filePath(name));
}

QString import(const QString &file, QString *error)
{
    QString reason;
    const auto fail = [&](const QString &why) {
        if (error)
            *error = why;
        return QString();
    };
    const QString name = QFileInfo(file).fileName();
    if (!isSafeName(name))
        return fail(QStringLiteral("The file name \"%1\" cannot be used for a picture.").arg(name));
    if (readLimited(file).isNull())
        return fail(QStringLiteral("Cannot read the picture %1.").arg(file));

    const QDir work = QDir::current();
    if (!work.mkpath(kFolderName))
        return fail(QStringLiteral("Cannot create the folder %1.").arg(folderPath()));
    // Nothing is written through a link that leads out of the working folder.
    const QString folder = folderPath();
    if (QFileInfo(folder).canonicalFilePath() != QDir(work.canonicalPath()).filePath(kFolderName))
        return fail(QStringLiteral("The folder %1 leads outside the working folder.").arg(folder));

    for (int n = 1; n <= kMaxVariants; ++n) {
        const QString target = QDir(folder).filePath(n == 1 ? name : variantName(name, n));
        const QFileInfo existing(target);
        if (existing.isSymLink())
            continue;
        if (existing.exists()) {
            // The same picture (or the very file) is already there: share it.
            if (existing.isFile() && sameContent(file, target))
                return target;
            continue;
        }
        if (!copyFile(file, target, &reason))
            return fail(reason);
        return target;
    }
    return fail(QStringLiteral("Too many pictures named \"%1\" in %2.").arg(name, folder));
}

} // namespace PictureFolder
