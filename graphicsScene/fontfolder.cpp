// SPDX-License-Identifier: GPL-3.0-or-later
#include "fontfolder.h"

#include <QDir>
#include <QFontDatabase>
#include <QHash>

namespace FontFolder {

namespace {

// Families of every font file registered so far, by path.  Registering a
// file again would load its font data again.
QHash<QString, QStringList> &registeredFonts()
{
    static QHash<QString, QStringList> fonts;
    return fonts;
}

} // namespace

QString folderName()
{
    return QStringLiteral("fonts");
}

QStringList familiesOf(const QString &path)
{
    QHash<QString, QStringList> &fonts = registeredFonts();
    const auto found = fonts.constFind(path);
    if (found != fonts.constEnd())
        return found.value();
    const int id = QFontDatabase::addApplicationFont(path);
    const QStringList families =
        id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
    fonts.insert(path, families);
    return families;
}

QStringList fontFiles()
{
    QStringList files;
    const QFileInfoList entries =
        QDir(folderName()).entryInfoList(QDir::Files | QDir::Readable, QDir::Name);
    for (const QFileInfo &entry : entries)
        files << entry.absoluteFilePath();
    return files;
}

bool isAvailable(const QString &family)
{
    for (const QString &file : fontFiles()) {
        if (familiesOf(file).contains(family, Qt::CaseInsensitive))
            return true;
    }
    return QFontDatabase().families().contains(family, Qt::CaseInsensitive);
}

} // namespace FontFolder
