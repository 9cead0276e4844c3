// SPDX-License-Identifier: GPL-3.0-or-later
#include "safefilename.h"

#include "controlcharacter.h"

#include <QStringList>

namespace {

// The characters of the rule before C1 and the separators were added: C0
// and DEL.
bool isOldControlCharacter(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x7f;
}

bool isSafeName(const QString &name, bool (*isControl)(QChar))
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..") ||
        name.toUtf8().size() > kMaxFileNameBytes)
        return false;
    for (const QChar c : name) {
        // Folder and drive separators, and control characters, which no
        // file name of ours has and which Windows refuses or misreads.
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':') ||
            isControl(c))
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
    const QString stem = name.section(QLatin1Char('.'), 0, 0).trimmed();
    return !reserved.contains(stem, Qt::CaseInsensitive);
}

} // namespace

bool isSafeFileName(const QString &name)
{
    return isSafeName(name, isControlCharacter);
}

bool isSafeStoredFileName(const QString &name)
{
    return isSafeName(name, isOldControlCharacter);
}
