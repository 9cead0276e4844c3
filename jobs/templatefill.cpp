// SPDX-License-Identifier: GPL-3.0-or-later
#include "templatefill.h"

#include "templatetext.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("TemplateFill", text);
}

// Gives every date item that follows the shelf life the rule's day offset.
bool applyShelfLife(QJsonObject *document, const ShelfLifeRule &rule, const QDate &production,
                    QString *error)
{
    const QString key = QStringLiteral("TimeItemInfo");
    if (!document->value(key).isArray())
        return true;
    QJsonArray items = document->value(key).toArray();
    for (int i = 0; i < items.size(); ++i) {
        QJsonObject record = items.at(i).toObject();
        if (!record.value(QLatin1String(TemplateFill::bestBeforeKey())).toBool())
            continue;
        const QDate bestBefore = rule.bestBefore(production);
        if (!bestBefore.isValid()) {
            *error = tr("the template has a best-before date of the product, and the product "
                        "has no shelf life");
            return false;
        }
        record.insert(QStringLiteral("TimeValidDays"), int(production.daysTo(bestBefore)));
        items.replace(i, record);
    }
    document->insert(key, items);
    return true;
}

} // namespace

namespace TemplateFill {

QStringList placeholders(const QByteArray &message)
{
    return TemplateText::names(QString::fromUtf8(message));
}

Result fill(const QByteArray &message, const QMap<QString, QString> &values,
            const ShelfLifeRule *shelfLife)
{
    Result result;
    QJsonParseError parse;
    const QJsonDocument document = QJsonDocument::fromJson(message, &parse);
    if (parse.error != QJsonParseError::NoError || !document.isObject()) {
        result.error = tr("the template is not a message file");
        return result;
    }
    QJsonValue root = document.object();
    if (!TemplateText::fill(&root, values, &result.error))
        return result;
    QJsonObject filled = root.toObject();
    if (shelfLife) {
        QDate production =
            QDate::fromString(values.value(QStringLiteral("production")), Qt::ISODate);
        if (!production.isValid())
            production = QDate::currentDate();
        if (!applyShelfLife(&filled, *shelfLife, production, &result.error))
            return result;
    }
    result.filled = QJsonDocument(filled).toJson(QJsonDocument::Compact);
    result.ok = true;
    return result;
}

} // namespace TemplateFill
