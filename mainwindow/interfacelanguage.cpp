// SPDX-License-Identifier: GPL-3.0-or-later
#include "interfacelanguage.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTranslator>

// The catalogues live in a static library; register them explicitly.
static void registerCatalogues()
{
    Q_INIT_RESOURCE(korvexcontrol_translations);
}

namespace InterfaceLanguage {

QStringList names()
{
    return {QStringLiteral("ru"),      QStringLiteral("esp"), QStringLiteral("pt"),
            QStringLiteral("en"),      QStringLiteral("kr"),  QStringLiteral("ita"),
            QStringLiteral("turkish"), QStringLiteral("cn"),  QStringLiteral("arabic")};
}

QString forLocale(const QLocale &locale)
{
    switch (locale.language()) {
    case QLocale::Russian:
        return QStringLiteral("ru");
    case QLocale::Spanish:
        return QStringLiteral("esp");
    case QLocale::Portuguese:
        return QStringLiteral("pt");
    case QLocale::English:
        return QStringLiteral("en");
    case QLocale::Korean:
        return QStringLiteral("kr");
    case QLocale::Italian:
        return QStringLiteral("ita");
    case QLocale::Turkish:
        return QStringLiteral("turkish");
    case QLocale::Chinese:
        return QStringLiteral("cn");
    case QLocale::Arabic:
        return QStringLiteral("arabic");
    default:
        return QString();
    }
}

Choice choose(const QString &configured, const QLocale &system)
{
    Choice choice;
    if (!configured.isEmpty()) {
        if (names().contains(configured)) {
            choice.name = configured;
            return choice;
        }
        choice.problem =
            QCoreApplication::translate("InterfaceLanguage",
                                        "[window] language \"%1\" is none of %2; the desktop's "
                                        "language is used.")
                .arg(configured, names().join(QStringLiteral(", ")));
    }
    choice.name = forLocale(system);
    return choice;
}

QString cataloguePath(const QString &name)
{
    return QStringLiteral(":/korvexcontrol/translate/%1.qm").arg(name);
}

std::unique_ptr<QTranslator> install(const QString &name, QString *problem)
{
    if (name.isEmpty())
        return nullptr;
    registerCatalogues();
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(cataloguePath(name))) {
        if (problem)
            *problem =
                QStringLiteral("The %1 catalogue cannot be loaded; the texts stay as written.")
                    .arg(name);
        return nullptr;
    }
    QCoreApplication::installTranslator(translator.get());
    if (name == QLatin1String("arabic"))
        QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    return translator;
}

} // namespace InterfaceLanguage
