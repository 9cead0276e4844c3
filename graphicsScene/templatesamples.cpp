// SPDX-License-Identifier: GPL-3.0-or-later
#include "templatesamples.h"

#include "clock.h"

#include <QRegularExpression>

namespace {

// A GTIN-14 with a good check digit, for a product without one.
const char *const kSampleGtin = "09501101020917";
constexpr int kMaxRepeat = 64;

// One character the class at pattern[*i] ('[' ... ']') matches; *i is left
// after the ']'.  Null for a negated or unreadable class.
QChar classSample(const QString &pattern, int *i)
{
    int at = *i + 1;
    if (at >= pattern.size() || pattern.at(at) == QLatin1Char('^'))
        return QChar();
    QChar chosen;
    if (pattern.at(at) == QLatin1Char('\\') && at + 1 < pattern.size()) {
        const QChar escaped = pattern.at(at + 1);
        chosen = escaped == QLatin1Char('d')   ? QLatin1Char('1')
                 : escaped == QLatin1Char('w') ? QLatin1Char('A')
                 : escaped.isLetterOrNumber()  ? QChar()
                                               : escaped;
    } else {
        chosen = pattern.at(at);
    }
    const int end = pattern.indexOf(QLatin1Char(']'), at + 1);
    if (end < 0)
        return QChar();
    *i = end + 1;
    return chosen;
}

} // namespace

QStringList TemplateSamples::standardNames()
{
    return {QStringLiteral("lot"),  QStringLiteral("order"),      QStringLiteral("product"),
            QStringLiteral("gtin"), QStringLiteral("production"), QStringLiteral("best_before")};
}

QString TemplateSamples::standardLabel(const QString &name)
{
    if (name == QLatin1String("lot"))
        return tr("Lot");
    if (name == QLatin1String("order"))
        return tr("Order");
    if (name == QLatin1String("product"))
        return tr("Product");
    if (name == QLatin1String("gtin"))
        return tr("GTIN");
    if (name == QLatin1String("production"))
        return tr("Production date");
    if (name == QLatin1String("best_before"))
        return tr("Best before");
    return name;
}

QString TemplateSamples::matching(const QString &pattern)
{
    QString out;
    int i = 0;
    if (pattern.startsWith(QLatin1Char('^')))
        ++i;
    while (i < pattern.size()) {
        const QChar c = pattern.at(i);
        QChar atom;
        if (c == QLatin1Char('$') && i + 1 == pattern.size()) {
            ++i;
            continue;
        }
        if (c == QLatin1Char('[')) {
            atom = classSample(pattern, &i);
            if (atom.isNull())
                return QString();
        } else if (c == QLatin1Char('\\')) {
            if (i + 1 >= pattern.size())
                return QString();
            const QChar e = pattern.at(i + 1);
            if (e == QLatin1Char('d'))
                atom = QLatin1Char('1');
            else if (e == QLatin1Char('w'))
                atom = QLatin1Char('A');
            else if (!e.isLetterOrNumber())
                atom = e;
            else
                return QString();
            i += 2;
        } else if (QStringLiteral("()|{}*+?$^").contains(c)) {
            return QString();
        } else {
            atom = c == QLatin1Char('.') ? QLatin1Char('A') : c;
            ++i;
        }
        int count = 1;
        if (i < pattern.size()) {
            const QChar q = pattern.at(i);
            if (q == QLatin1Char('*') || q == QLatin1Char('?')) {
                count = 0;
                ++i;
            } else if (q == QLatin1Char('+')) {
                ++i;
            } else if (q == QLatin1Char('{')) {
                const int end = pattern.indexOf(QLatin1Char('}'), i);
                if (end < 0)
                    return QString();
                bool ok = false;
                count = pattern.mid(i + 1, end - i - 1).section(QLatin1Char(','), 0, 0).toInt(&ok);
                if (!ok || count > kMaxRepeat)
                    return QString();
                i = end + 1;
            }
        }
        out += QString(count, atom);
    }
    const QRegularExpression whole(QStringLiteral("\\A(?:%1)\\z").arg(pattern));
    if (out.isEmpty() || !whole.isValid() || !whole.match(out).hasMatch())
        return QString();
    return out;
}

TemplateSamples::Sample TemplateSamples::sampleOf(const TemplateField &field,
                                                  const QDate &today) const
{
    Sample s{field.name, field.label.isEmpty() ? field.name : field.label, field.defaultValue, {}};
    if (!s.value.isEmpty())
        return s;
    switch (field.kind) {
    case TemplateField::Kind::Date:
        s.value = today.toString(Qt::ISODate);
        break;
    case TemplateField::Kind::Integer:
        s.value = QString::number(field.hasRange ? field.minimum : 1);
        break;
    case TemplateField::Kind::PickList:
        s.value = field.choices.value(0, QStringLiteral("A1"));
        break;
    case TemplateField::Kind::Text:
        s.value = field.pattern.isEmpty() ? QStringLiteral("A1") : matching(field.pattern);
        if (s.value.isEmpty()) {
            s.value = QStringLiteral("A1");
            s.problem = tr("no sample could be made that matches its pattern %1, so it is "
                           "checked with \"A1\"")
                            .arg(field.pattern);
        }
        break;
    }
    return s;
}

TemplateSamples::TemplateSamples(const TemplateProducts &products, const QDate &today)
    : m_productKnown(products.isTemplate())
{
    const QString date = today.toString(Qt::ISODate);
    const QString values[] = {QStringLiteral("SAMPLE1"),
                              QStringLiteral("ORDER1"),
                              m_productKnown ? products.codes.first() : QStringLiteral("SAMPLE"),
                              products.gtin.isEmpty() ? QString::fromLatin1(kSampleGtin)
                                                      : products.gtin,
                              date,
                              date};
    const QStringList names = standardNames();
    for (int i = 0; i < names.size(); ++i)
        m_samples.append({names.at(i), standardLabel(names.at(i)), values[i], {}});
    // A job gives the standard values over fields of the same name.
    for (const TemplateField &field : products.fields) {
        if (!find(field.name))
            m_samples.append(sampleOf(field, today));
    }
}

TemplateSamples::TemplateSamples() : TemplateSamples(TemplateProducts(), Clock::now().date()) {}

const TemplateSamples::Sample *TemplateSamples::find(const QString &name) const
{
    for (const Sample &s : m_samples) {
        if (s.name == name)
            return &s;
    }
    return nullptr;
}

QMap<QString, QString> TemplateSamples::values() const
{
    QMap<QString, QString> out;
    for (const Sample &s : m_samples)
        out.insert(s.name, s.value);
    return out;
}
