// SPDX-License-Identifier: GPL-3.0-or-later
#include "product.h"

#include "filerecord.h"
#include "gtin.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <cmath>

namespace {

constexpr int kMaxFields = 32;
constexpr int kMaxDays = 3650;
constexpr int kMaxMonths = 120;
constexpr int kMaxText = 200;

QString tr(const char *text)
{
    return QCoreApplication::translate("Product", text);
}

bool hasControl(const QString &text)
{
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control)
            return true;
    }
    return false;
}

QRegularExpression wholeMatch(const QString &pattern)
{
    return QRegularExpression(QRegularExpression::anchoredPattern(pattern),
                              QRegularExpression::UseUnicodePropertiesOption);
}

bool wildcardMatch(const QString &pattern, const QString &text)
{
    if (text.isEmpty())
        return false;
    QString re;
    for (const QString &part : pattern.split(QLatin1Char('*')))
        re += QRegularExpression::escape(part) + QLatin1String(".*");
    re.chop(2);
    return wholeMatch(re).match(text).hasMatch();
}

const char *const kKindNames[] = {"text", "integer", "date", "list"};

} // namespace

QDate ShelfLifeRule::bestBefore(const QDate &production) const
{
    if (unit == Unit::None || !production.isValid())
        return QDate();
    QDate d = unit == Unit::Days ? production.addDays(amount) : production.addMonths(amount);
    if (endOfMonth)
        d = QDate(d.year(), d.month(), d.daysInMonth());
    return d;
}

QString ShelfLifeRule::toText() const
{
    if (unit == Unit::None)
        return QString();
    QString text = QString::number(amount) +
                   (unit == Unit::Days ? QLatin1String(" days") : QLatin1String(" months"));
    if (endOfMonth)
        text += QLatin1String(", end of month");
    return text;
}

bool ShelfLifeRule::parse(const QString &text, ShelfLifeRule *rule, QString *error)
{
    const QString t = text.simplified().toLower();
    *rule = ShelfLifeRule();
    if (t.isEmpty() || t == QLatin1String("none"))
        return true;
    static const QRegularExpression kRuleForm(
        QStringLiteral("^(\\d{1,4}) ?(d|day|days|m|month|months)(?:,? ?(end of month|eom))?$"));
    const QRegularExpressionMatch m = kRuleForm.match(t);
    if (!m.hasMatch()) {
        *error = tr("\"%1\" is no shelf-life rule; write for example \"30 days\", "
                    "\"18 months\" or \"18 months, end of month\".")
                     .arg(text);
        return false;
    }
    rule->amount = m.captured(1).toInt();
    rule->unit = m.captured(2).startsWith(QLatin1Char('d')) ? Unit::Days : Unit::Months;
    rule->endOfMonth = !m.captured(3).isEmpty();
    const int most = rule->unit == Unit::Days ? kMaxDays : kMaxMonths;
    if (rule->amount < 1 || rule->amount > most) {
        *error = rule->unit == Unit::Days
                     ? tr("A shelf life is 1 to %1 days; \"%2\" is not.").arg(most).arg(text)
                     : tr("A shelf life is 1 to %1 months; \"%2\" is not.").arg(most).arg(text);
        *rule = ShelfLifeRule();
        return false;
    }
    return true;
}

QString JobField::kindName(Kind kind)
{
    return QLatin1String(kKindNames[int(kind)]);
}

bool JobField::operator==(const JobField &o) const
{
    return name == o.name && label == o.label && kind == o.kind && pattern == o.pattern &&
           hasRange == o.hasRange &&
           (!hasRange || (minimum == o.minimum && maximum == o.maximum)) && choices == o.choices &&
           required == o.required && defaultValue == o.defaultValue;
}

QString JobField::problem() const
{
    static const QRegularExpression kFieldName(QStringLiteral("^[A-Za-z][A-Za-z0-9_]{0,31}$"));
    if (!kFieldName.match(name).hasMatch())
        return tr("The field name \"%1\" must be a letter followed by at most 31 letters, "
                  "digits or \"_\".")
            .arg(name);
    if (label.size() > kMaxText || hasControl(label))
        return tr("The label of field \"%1\" is too long or holds control characters.").arg(name);
    if (!pattern.isEmpty()) {
        if (kind != Kind::Text)
            return tr("Field \"%1\": only a text field has a pattern.").arg(name);
        const QRegularExpression re(pattern);
        if (!re.isValid())
            return tr("Field \"%1\": the pattern does not parse (%2 at character %3).")
                .arg(name, re.errorString())
                .arg(re.patternErrorOffset() + 1);
    }
    if (hasRange) {
        if (kind != Kind::Integer)
            return tr("Field \"%1\": only an integer field has a range.").arg(name);
        if (minimum > maximum)
            return tr("Field \"%1\": the range %2..%3 is empty.")
                .arg(name)
                .arg(minimum)
                .arg(maximum);
    }
    if (kind == Kind::PickList && choices.isEmpty())
        return tr("Field \"%1\": a pick list needs at least one choice.").arg(name);
    if (kind != Kind::PickList && !choices.isEmpty())
        return tr("Field \"%1\": only a pick list has choices.").arg(name);
    if (!defaultValue.isEmpty()) {
        const QString why = check(defaultValue);
        if (!why.isEmpty())
            return tr("Field \"%1\": the default does not fit: %2").arg(name, why);
    }
    return QString();
}

QString JobField::check(const QString &value) const
{
    const QString shown = label.isEmpty() ? name : label;
    if (value.isEmpty())
        return required ? tr("%1 is required.").arg(shown) : QString();
    if (value.size() > kMaxText || hasControl(value))
        return tr("%1 is too long or holds control characters.").arg(shown);
    switch (kind) {
    case Kind::Text:
        if (!pattern.isEmpty() && !wholeMatch(pattern).match(value).hasMatch())
            return tr("%1 \"%2\" does not have the form %3.").arg(shown, value, pattern);
        break;
    case Kind::Integer: {
        bool ok = false;
        const qint64 n = value.toLongLong(&ok);
        if (!ok)
            return tr("%1 must be a whole number; \"%2\" is not.").arg(shown, value);
        if (hasRange && (n < minimum || n > maximum))
            return tr("%1 must be from %2 to %3; %4 is not.")
                .arg(shown)
                .arg(minimum)
                .arg(maximum)
                .arg(n);
        break;
    }
    case Kind::Date:
        if (!QDate::fromString(value, Qt::ISODate).isValid() || value.size() != 10)
            return tr("%1 must be a date written YYYY-MM-DD; \"%2\" is not.").arg(shown, value);
        break;
    case Kind::PickList:
        if (!choices.contains(value))
            return tr("%1 must be one of %2; \"%3\" is not.")
                .arg(shown, choices.join(QLatin1String(", ")), value);
        break;
    }
    return QString();
}

QString JobField::listToJson(const QList<JobField> &fields)
{
    QJsonArray array;
    for (const JobField &f : fields) {
        QJsonObject o;
        o.insert(QStringLiteral("name"), f.name);
        if (!f.label.isEmpty())
            o.insert(QStringLiteral("label"), f.label);
        o.insert(QStringLiteral("kind"), kindName(f.kind));
        if (!f.pattern.isEmpty())
            o.insert(QStringLiteral("pattern"), f.pattern);
        if (f.hasRange) {
            // As text: a double cannot hold every 64-bit integer.
            o.insert(QStringLiteral("min"), QString::number(f.minimum));
            o.insert(QStringLiteral("max"), QString::number(f.maximum));
        }
        if (!f.choices.isEmpty())
            o.insert(QStringLiteral("choices"), QJsonArray::fromStringList(f.choices));
        if (f.required)
            o.insert(QStringLiteral("required"), true);
        if (!f.defaultValue.isEmpty())
            o.insert(QStringLiteral("default"), f.defaultValue);
        array.append(o);
    }
    return QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact));
}

namespace {

bool readInteger(const QJsonValue &v, qint64 *out)
{
    if (v.isString()) {
        bool ok = false;
        *out = v.toString().toLongLong(&ok);
        return ok;
    }
    const double d = v.toDouble(std::nan(""));
    if (!v.isDouble() || d != std::floor(d) || std::abs(d) > 9007199254740992.0)
        return false;
    *out = qint64(d);
    return true;
}

} // namespace

bool JobField::listFromJson(const QString &json, QList<JobField> *fields, QString *error)
{
    fields->clear();
    if (json.trimmed().isEmpty())
        return true;
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(json.toUtf8(), &parseError);
    if (!doc.isArray()) {
        *error = parseError.error != QJsonParseError::NoError
                     ? tr("The field definitions do not parse: %1 at character %2.")
                           .arg(parseError.errorString())
                           .arg(parseError.offset + 1)
                     : tr("The field definitions must be a JSON array.");
        return false;
    }
    const QJsonArray array = doc.array();
    if (array.size() > kMaxFields) {
        *error =
            tr("A product has at most %1 fields; these are %2.").arg(kMaxFields).arg(array.size());
        return false;
    }
    static const QStringList kKnownKeys = {
        QStringLiteral("name"),    QStringLiteral("label"),    QStringLiteral("kind"),
        QStringLiteral("pattern"), QStringLiteral("min"),      QStringLiteral("max"),
        QStringLiteral("choices"), QStringLiteral("required"), QStringLiteral("default")};
    QStringList names;
    for (int i = 0; i < array.size(); ++i) {
        if (!array.at(i).isObject()) {
            *error = tr("Field definition %1 is not a JSON object.").arg(i + 1);
            return false;
        }
        const QJsonObject o = array.at(i).toObject();
        for (auto it = o.begin(); it != o.end(); ++it) {
            if (!kKnownKeys.contains(it.key())) {
                *error =
                    tr("Field definition %1 has the unknown key \"%2\".").arg(i + 1).arg(it.key());
                return false;
            }
        }
        JobField f;
        f.name = o.value(QStringLiteral("name")).toString();
        f.label = o.value(QStringLiteral("label")).toString();
        const QString kind = o.value(QStringLiteral("kind")).toString(QStringLiteral("text"));
        bool kindKnown = false;
        for (int k = 0; k < 4; ++k) {
            if (kind == QLatin1String(kKindNames[k])) {
                f.kind = Kind(k);
                kindKnown = true;
            }
        }
        if (!kindKnown) {
            *error = tr("Field definition %1 has the unknown kind \"%2\" (text, integer, date or "
                        "list).")
                         .arg(i + 1)
                         .arg(kind);
            return false;
        }
        f.pattern = o.value(QStringLiteral("pattern")).toString();
        const bool hasMin = o.contains(QStringLiteral("min"));
        if (hasMin != o.contains(QStringLiteral("max"))) {
            *error = tr("Field definition %1 gives only one end of its range.").arg(i + 1);
            return false;
        }
        if (hasMin) {
            f.hasRange = true;
            if (!readInteger(o.value(QStringLiteral("min")), &f.minimum) ||
                !readInteger(o.value(QStringLiteral("max")), &f.maximum)) {
                *error = tr("Field definition %1: the range must be whole numbers.").arg(i + 1);
                return false;
            }
        }
        for (const QJsonValue &c : o.value(QStringLiteral("choices")).toArray()) {
            if (!c.isString()) {
                *error = tr("Field definition %1: every choice must be text.").arg(i + 1);
                return false;
            }
            f.choices.append(c.toString());
        }
        f.required = o.value(QStringLiteral("required")).toBool(false);
        f.defaultValue = o.value(QStringLiteral("default")).toString();
        const QString why = f.problem();
        if (!why.isEmpty()) {
            *error = why;
            return false;
        }
        if (names.contains(f.name)) {
            *error = tr("The field \"%1\" is defined twice.").arg(f.name);
            return false;
        }
        names.append(f.name);
        fields->append(f);
    }
    return true;
}

QString Product::normalise()
{
    code = code.trimmed();
    name = name.trimmed();
    if (code.isEmpty())
        return tr("The product code is empty.");
    if (code.size() > 64 || hasControl(code))
        return tr("The product code \"%1\" is over 64 characters or holds control characters.")
            .arg(code.left(64));
    if (name.isEmpty())
        return tr("Product %1 has no name.").arg(code);
    if (name.size() > kMaxText || hasControl(name))
        return tr("The name of product %1 is over %2 characters or holds control characters.")
            .arg(code)
            .arg(kMaxText);
    if (!gtin.trimmed().isEmpty()) {
        const Gtin::Result g = Gtin::normalise(gtin);
        if (!g.ok())
            return tr("GTIN \"%1\": %2").arg(gtin, g.error);
        gtin = g.gtin14;
    } else {
        gtin.clear();
    }
    if (!FileRecord::isSafeFileName(templateName) ||
        !templateName.endsWith(QLatin1String(".spr"), Qt::CaseInsensitive))
        return tr("The template \"%1\" is not the name of a message file of Spray/ (name.spr).")
            .arg(templateName);
    for (const QString &c : coders) {
        if (c.trimmed().isEmpty() || c.size() > kMaxText || hasControl(c))
            return tr("The coder \"%1\" is no remark name or address pattern.").arg(c);
    }
    if (fields.size() > kMaxFields)
        return tr("A product has at most %1 fields.").arg(kMaxFields);
    if (readerStopAfter < 1 || readerStopAfter > 100)
        return tr("Product %1: the bad reads in a row that stop a coder must be from 1 to 100, "
                  "not %2.")
            .arg(code)
            .arg(readerStopAfter);
    QStringList names;
    for (const JobField &f : fields) {
        const QString why = f.problem();
        if (!why.isEmpty())
            return why;
        if (names.contains(f.name))
            return tr("The field \"%1\" is defined twice.").arg(f.name);
        names.append(f.name);
    }
    return QString();
}

bool Product::mayRunOn(const QString &ipText, const QString &remarkName) const
{
    for (const QString &c : coders) {
        if (wildcardMatch(c, ipText) || wildcardMatch(c, remarkName))
            return true;
    }
    return false;
}
