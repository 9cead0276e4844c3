// SPDX-License-Identifier: GPL-3.0-or-later
#include "manualpage.h"

#include <QDir>
#include <QFileInfo>

namespace ManualPage {

QStringList folders(const QString &programDir, const QString &package)
{
    const QDir dir(programDir);
    return {
        // build/apps/<program>/ -> build/manual
        QDir::cleanPath(dir.filePath(QStringLiteral("../../manual"))),
        // <prefix>/bin -> <prefix>/share/doc/<package>/manual
        QDir::cleanPath(dir.filePath(QStringLiteral("../share/doc/%1/manual").arg(package))),
        QStringLiteral("/usr/share/doc/%1/manual").arg(package),
    };
}

QString indexFor(const QString &language, const QStringList &folders)
{
    const QString wanted = languageOf(language);
    for (const QString &folder : folders) {
        for (const QString &name : {wanted, QStringLiteral("en")}) {
            if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.startsWith('.'))
                continue;
            const QFileInfo page(QDir(folder).filePath(name + QStringLiteral("/index.html")));
            if (page.isFile())
                return page.absoluteFilePath();
        }
    }
    return QString();
}

QString languageOf(const QString &localeName)
{
    static const QList<QPair<QString, QString>> kNames = {
        {QStringLiteral("es"), QStringLiteral("esp")},
        {QStringLiteral("ko"), QStringLiteral("kr")},
        {QStringLiteral("it"), QStringLiteral("ita")},
        {QStringLiteral("tr"), QStringLiteral("turkish")},
        {QStringLiteral("zh"), QStringLiteral("cn")},
        {QStringLiteral("ar"), QStringLiteral("arabic")},
    };
    const QString code = localeName.section(QLatin1Char('_'), 0, 0).section('-', 0, 0);
    for (const auto &name : kNames)
        if (code == name.first)
            return name.second;
    return code;
}

} // namespace ManualPage
