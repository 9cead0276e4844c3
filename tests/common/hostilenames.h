// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QMap>
#include <QPair>
#include <QString>
#include <QVector>

// File names a peer or a file could hand us, each with a short tag: climbing
// out, absolute paths, NUL and control characters, over-long names, Unicode
// look-alikes of "/" and ".", and the names Windows keeps for its devices.
inline QVector<QPair<QString, QString>> hostileNames()
{
    QVector<QPair<QString, QString>> n;
    const auto add = [&](const QString &tag, const QString &name) { n.append({tag, name}); };
    // Traversal.
    for (const char *s :
         {"..", ".", "../x.spr", "../../x.spr", "../../../../../../tmp/x.spr", "a/../../x.spr",
          "./../x.spr", "..\\x.spr", "..\\..\\x.spr", "a\\..\\..\\x.spr", "....//x.spr",
          ".../x.spr", "x/..", "./x.spr", "x.spr/.", "%2e%2e%2fx.spr", "..%2fx.spr", "..;/x.spr"})
        add(QStringLiteral("traversal %1").arg(QLatin1String(s)), QLatin1String(s));
    // Absolute and drive paths.
    for (const char *s :
         {"/x.spr", "/tmp/x.spr", "/etc/passwd", "//server/share/x.spr", "\\\\server\\share\\x.spr",
          "C:\\x.spr", "C:x.spr", "c:/x.spr", "x.spr::$DATA", "x.spr:stream", "~/x.spr", "\\x.spr"})
        add(QStringLiteral("absolute %1").arg(QLatin1String(s)), QLatin1String(s));
    // NUL anywhere.
    add("NUL only", QString(QChar(0)));
    add("NUL first", QString(QChar(0)) + "x.spr");
    add("NUL inside", QString("x") + QChar(0) + "../../y.spr");
    add("NUL before extension", QString("x.spr") + QChar(0) + ".png");
    // Every control character, and DEL.
    for (int c = 1; c < 0x20; ++c)
        add(QStringLiteral("control 0x%1").arg(c, 2, 16, QLatin1Char('0')),
            QStringLiteral("a") + QChar(c) + QStringLiteral("b.spr"));
    add("DEL", QStringLiteral("a\x7f"
                              "b.spr"));
    // Over-long.
    add("256 bytes", QString(252, 'a') + ".spr");
    add("1000 bytes", QString(996, 'a') + ".spr");
    add("4096 bytes", QString(4092, 'a') + ".spr");
    add("256 bytes of UTF-8", QString(126, QChar(0xe9)) + ".spr" + QString(""));
    add("long Chinese", QString(100, QChar(0x6807)) + ".spr");
    // Unicode look-alikes of separators and dots.
    add("division slash", QString::fromUtf8("..\u2215x.spr"));
    add("fullwidth solidus", QString::fromUtf8("..\uff0fx.spr"));
    add("fraction slash", QString::fromUtf8("\u2044etc\u2044passwd"));
    add("fullwidth reverse solidus", QString::fromUtf8("..\uff3cx.spr"));
    add("two-dot leader", QString::fromUtf8("\u2025"));
    add("fullwidth dots", QString::fromUtf8("\uff0e\uff0e"));
    add("one-dot leaders", QString::fromUtf8("\u2024\u2024/x.spr"));
    add("right-to-left override", QString::fromUtf8("x\u202eraps.exe"));
    add("zero-width space", QString::fromUtf8("\u200b..\u200b"));
    add("byte-order mark", QString::fromUtf8("\ufeff.."));
    add("fullwidth CON", QString::fromUtf8("\uff23\uff2f\uff2e"));
    add("combining dot", QString::fromUtf8(".\u0307."));
    add("lone surrogate", QString(QChar(0xd800)) + "x.spr");
    // Names Windows keeps for devices, and what it strips.
    for (const char *s :
         {"CON",      "PRN",    "AUX",      "NUL",      "con",  "nul.spr",  "Con.txt", "aux.png",
          "COM1",     "COM9",   "com3.spr", "LPT1",     "LPT9", "lpt5.bmp", "CONIN$",  "CONOUT$",
          "NUL .spr", "x.spr.", "x.spr ",   "x.spr...", " ",    "..."})
        add(QStringLiteral("windows %1").arg(QLatin1String(s)), QLatin1String(s));
    add("empty", QString());
    return n;
}

// Every file and folder under root with its size and modification time, so
// that a test sees any byte written anywhere below it.
inline QMap<QString, QString> treeSnapshot(const QString &root)
{
    QMap<QString, QString> all;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info(path);
        all.insert(path, QStringLiteral("%1 %2 %3")
                             .arg(info.isSymLink() ? QStringLiteral("link") : QString())
                             .arg(info.isSymLink() ? 0 : info.size())
                             .arg(info.lastModified().toMSecsSinceEpoch()));
    }
    return all;
}
