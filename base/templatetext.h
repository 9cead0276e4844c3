// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QJsonValue>
#include <QMap>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

// The {{placeholder}} syntax of templates, shared by the job engine that
// fills them and the designer that checks them on sample values: {{name}}
// or {{name:format}}, a name of letters, digits and "_" beginning with a
// letter (as the job fields have them), a format being a Qt date format.
namespace TemplateText {

const QRegularExpression &pattern();

// The names the text holds, in order of appearance, each once.
QStringList names(const QString &text);

// Replaces the placeholders of text with values (name -> value; a date as
// yyyy-MM-dd).  False, with the text as it was and the reason, for a name
// without a value or a format on a value that is no date.
bool fill(QString *text, const QMap<QString, QString> &values, QString *error);

// The same for every string inside a JSON value (objects and arrays alike).
bool fill(QJsonValue *value, const QMap<QString, QString> &values, QString *error);

} // namespace TemplateText
