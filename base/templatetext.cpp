// SPDX-License-Identifier: GPL-3.0-or-later
#include "templatetext.h"

#include <QCoreApplication>
#include <QDate>
#include <QJsonArray>
#include <QJsonObject>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("TemplateFill", text);
}

} // namespace

namespace TemplateText {

const QRegularExpression &pattern()
{
    static const QRegularExpression pattern(
        QStringLiteral("\\{\\{([A-Za-z][A-Za-z0-9_]{0,31})(?::([^{}]{1,32}))?\\}\\}"));
    return pattern;
}

QStringList names(const QString &text)
{
    QStringList found;
    auto it = pattern().globalMatch(text);
    while (it.hasNext()) {
        const QString name = it.next().captured(1);
        if (!found.contains(name))
            found << name;
    }
    return found;
}

bool fill(QString *text, const QMap<QString, QString> &values, QString *error)
{
    QString out;
    int from = 0;
    auto it = pattern().globalMatch(*text);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        const QString name = match.captured(1);
        const QString format = match.captured(2);
        const auto value = values.constFind(name);
        if (value == values.constEnd()) {
            *error = tr("the template names {{%1}}, which this job has no value for").arg(name);
            return false;
        }
        QString shown = *value;
        if (!format.isEmpty()) {
            const QDate date = QDate::fromString(*value, Qt::ISODate);
            if (!date.isValid()) {
                *error = tr("{{%1:%2}} takes a date, and \"%3\" is none").arg(name, format, *value);
                return false;
            }
            shown = date.toString(format);
        }
        out += text->midRef(from, match.capturedStart() - from);
        out += shown;
        from = match.capturedEnd();
    }
    if (from == 0)
        return true;
    out += text->midRef(from);
    *text = out;
    return true;
}

bool fill(QJsonValue *value, const QMap<QString, QString> &values, QString *error)
{
    if (value->isString()) {
        QString text = value->toString();
        if (!fill(&text, values, error))
            return false;
        *value = text;
    } else if (value->isArray()) {
        QJsonArray array = value->toArray();
        for (int i = 0; i < array.size(); ++i) {
            QJsonValue item = array.at(i);
            if (!fill(&item, values, error))
                return false;
            array.replace(i, item);
        }
        *value = array;
    } else if (value->isObject()) {
        QJsonObject object = value->toObject();
        for (auto it = object.begin(); it != object.end(); ++it) {
            QJsonValue item = it.value();
            if (!fill(&item, values, error))
                return false;
            it.value() = item;
        }
        *value = object;
    }
    return true;
}

} // namespace TemplateText
