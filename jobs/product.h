// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

// How the best-before date follows from the production date: a number of
// days or of months, and optionally moved on to the last day of that month.
// Written as "30 days", "18 months" or "18 months, end of month"; empty (or
// "none") for a product without one.
struct ShelfLifeRule
{
    enum class Unit { None, Days, Months };
    Unit unit = Unit::None;
    int amount = 0;
    bool endOfMonth = false;

    // Invalid for Unit::None.  Months keep the day, or the month's last day
    // when it has fewer (31 January + 1 month = 28 or 29 February).
    QDate bestBefore(const QDate &production) const;
    QString toText() const;
    // False with the reason for text that is no rule.
    static bool parse(const QString &text, ShelfLifeRule *rule, QString *error);
    bool operator==(const ShelfLifeRule &o) const
    {
        return unit == o.unit && amount == o.amount && endOfMonth == o.endOfMonth;
    }
};

// A value the operator gives when a job of the product starts.
struct JobField
{
    enum class Kind { Text, Integer, Date, PickList };
    QString name;  // letters, digits and "_", a letter first, at most 32
    QString label; // what the operator reads beside the field
    Kind kind = Kind::Text;
    QString pattern;       // Text: a regular expression the whole value must match
    bool hasRange = false; // Integer: minimum..maximum
    qint64 minimum = 0;
    qint64 maximum = 0;
    QStringList choices; // PickList
    bool required = false;
    QString defaultValue;

    // Empty when the definition is sound, else what is wrong with it.
    QString problem() const;
    // Empty when the value is acceptable, else why not (a Date is yyyy-MM-dd).
    QString check(const QString &value) const;
    bool operator==(const JobField &o) const;

    static QString kindName(Kind kind);
    // The fields as a JSON array, as stored and as the CSV column holds them:
    //   [{"name":"lot","label":"Lot","kind":"text","pattern":"[A-Z0-9]{4,10}",
    //     "required":true,"default":""},
    //    {"name":"line","kind":"integer","min":1,"max":12},
    //    {"name":"shift","kind":"list","choices":["A","B","C"]},
    //    {"name":"made","kind":"date"}]
    static QString listToJson(const QList<JobField> &fields);
    static bool listFromJson(const QString &json, QList<JobField> *fields, QString *error);
};

// A product of the catalogue.
struct Product
{
    qint64 id = 0;
    QString code; // unique, the ERP's article code
    QString gtin; // 14 digits, or empty for none; unique
    QString name;
    QString templateName; // a message file name of Spray/ ("juice.spr")
    ShelfLifeRule shelfLife;
    // Which coders may run it: remark names or IP texts, "*" standing for any
    // run of characters ("Line *", "127.0.0.*").  Empty: none may.
    QStringList coders;
    QList<JobField> fields;
    // A job starts only after a scan of the packaging on the line showed
    // this product's GTIN.
    bool packagingScan = false;
    // The code reader after a coder: this many wrong or unreadable codes in
    // a row stop it (1 to 100).
    static constexpr int kDefaultReaderStopAfter = 3;
    int readerStopAfter = kDefaultReaderStopAfter;
    // Who saved it last, when, and how often it was saved: a save must name
    // the revision it was read at, so that a save of an older copy is refused.
    int revision = 0;
    QString changedBy;
    QDateTime changedAt;

    // Checks the product and brings the GTIN into its 14-digit form.  Empty
    // when it may be stored, else the reason.
    QString normalise();
    bool mayRunOn(const QString &ipText, const QString &remarkName) const;
};
