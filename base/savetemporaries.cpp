// SPDX-License-Identifier: GPL-3.0-or-later
#include "savetemporaries.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

bool isSaveTemporarySuffix(const QString &suffix)
{
    if (suffix.size() != 7 || suffix.at(0) != QLatin1Char('.'))
        return false;
    bool lower = false;
    bool upperAfterFirst = false;
    for (int i = 1; i < suffix.size(); ++i) {
        const char16_t c = suffix.at(i).unicode();
        if (c >= u'a' && c <= u'z')
            lower = true;
        else if (c >= u'A' && c <= u'Z')
            upperAfterFirst = upperAfterFirst || i > 1;
        else
            return false;
    }
    return lower && upperAfterFirst;
}

void removeStaleTemporaries(const QString &path)
{
    const QFileInfo target(path);
    const QString name = target.fileName();
    const QFileInfoList entries =
        target.absoluteDir().entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo &entry : entries) {
        const QString other = entry.fileName();
        if (other.startsWith(name) && !entry.isSymLink() &&
            isSaveTemporarySuffix(other.mid(name.size())))
            QFile::remove(entry.absoluteFilePath());
    }
}
