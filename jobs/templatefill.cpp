// SPDX-License-Identifier: GPL-3.0-or-later
#include "templatefill.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("TemplateFill", text);
}

const QRegularExpression &placeholderPattern()
{
    // {{name}} or {{name:format}}; a name as the job fields have them.
    static const QRegularExpression pattern(
        QStringLiteral("\\{\\{([A-Za-z][A-Za-z0-9_]{0,31})(?::([^{}]{1,32}))?\\}\\}"));
    return pattern;
}

// Replaces the placeholders of one string; false with the reason.
bool fillText(QString *text, const QMap<QString, QString> &values, QString *error)
{
    QString out;
    int from = 0;
    auto it = placeholderPattern().globalMatch(*text);
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

bool fillValue(QJsonValue *value, const QMap<QString, QString> &values, QString *error)
{
    if (value->isString()) {
        QString text = value->toString();
        if (!fillText(&text, values, error))
            return false;
        *value = text;
    } else if (value->isArray()) {
        QJsonArray array = value->toArray();
        for (int i = 0; i < array.size(); ++i) {
            QJsonValue item = array.at(i);
            if (!fillValue(&item, values, error))
                return false;
            array.replace(i, item);
        }
        *value = array;
    } else if (value->isObject()) {
        QJsonObject object = value->toObject();
        for (auto it = object.begin(); it != object.end(); ++it) {
            QJsonValue item = it.value();
            if (!fillValue(&item, values, error))
                return false;
            it.value() = item;
        }
        *value = object;
    }
    return true;
}

} // namespace

namespace TemplateFill {

QStringList placeholders(const QByteArray &message)
{
    QStringList names;
    auto it = placeholderPattern().globalMatch(QString::fromUtf8(message));
    while (it.hasNext()) {
        const QString name = it.next().captured(1);
        if (!names.contains(name))
            names << name;
    }
    return names;
}

Result fill(const QByteArray &message, const QMap<QString, QString> &values)
{
    Result result;
    QJsonParseError parse;
    const QJsonDocument document = QJsonDocument::fromJson(message, &parse);
    if (parse.error != QJsonParseError::NoError || !document.isObject()) {
        result.error = tr("the template is not a message file");
        return result;
    }
    QJsonValue root = document.object();
    if (!fillValue(&root, values, &result.error))
        return result;
    result.filled = QJsonDocument(root.toObject()).toJson(QJsonDocument::Compact);
    result.ok = true;
    return result;
}

} // namespace TemplateFill
