// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

// A job field of a product, as far as the designer needs it: to offer it
// for insertion and to make a sample value that checks a template.
struct TemplateField
{
    enum class Kind { Text, Integer, Date, PickList };
    QString name;
    QString label;
    Kind kind = Kind::Text;
    QString pattern; // Text: a regular expression the whole value must match
    bool hasRange = false;
    qint64 minimum = 0;
    QStringList choices;
    QString defaultValue;
};

// The products a message is the template of (by their template name).
struct TemplateProducts
{
    QStringList codes;           // empty: the message is no product's template
    QString gtin;                // of the first product; may be empty
    QList<TemplateField> fields; // of all of them, each name once
    bool isTemplate() const { return !codes.isEmpty(); }
};

// The values a template is judged with before a job fills it: the standard
// placeholders ({{lot}}, {{order}}, {{product}}, {{gtin}}, {{production}},
// {{best_before}}) and the product's fields, each with a sample that a job
// could give.  A field's sample is its default; else today for a date, the
// minimum (or 1) for a number, the first choice of a pick list, and for a
// text a value its pattern matches where that is simple to make, else "A1"
// with a problem saying so.  The lot and order samples are letters and
// digits, valid as GS1 batch numbers (AI 10).
class TemplateSamples
{
    Q_DECLARE_TR_FUNCTIONS(TemplateSamples)
public:
    struct Sample
    {
        QString name;
        QString label;
        QString value;
        QString problem; // why the sample may not stand for what a job gives
    };

    // Without products: the standard placeholders only, and the product unknown.
    TemplateSamples(const TemplateProducts &products, const QDate &today);
    // Dated by the designer's clock.
    TemplateSamples();

    bool productKnown() const { return m_productKnown; }
    const QList<Sample> &samples() const { return m_samples; }
    // Null for a name that is neither standard nor a field of the product.
    const Sample *find(const QString &name) const;
    // name -> sample value, for filling.
    QMap<QString, QString> values() const;

    static QStringList standardNames();
    static QString standardLabel(const QString &name);
    // A value the whole pattern matches, made from its literal characters,
    // classes and counts; empty when the pattern is not that simple.
    static QString matching(const QString &pattern);
    // What stands in for a placeholder of no known name.
    static QString unknownValue() { return QStringLiteral("1"); }

private:
    Sample sampleOf(const TemplateField &field, const QDate &today) const;

    bool m_productKnown = false;
    QList<Sample> m_samples;
};
