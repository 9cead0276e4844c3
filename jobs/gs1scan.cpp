// SPDX-License-Identifier: GPL-3.0-or-later
#include "gs1scan.h"

#include "gtin.h"

#include <QCoreApplication>
#include <QHash>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("Gs1Scan", text);
}

const QChar kGroupSeparator(0x1d);
// No AI holds more (91 to 99, 8030).
constexpr int kMaxUnknownData = 90;

enum class Charset {
    Digits, // N
    Cset82, // X: the 82 characters of ISO/IEC 646 GS1 allows
    Cset39, // Y: # - / 0-9 A-Z
};

enum class Meaning { None, CheckDigit, Date, DateDay00 };

struct AiRule
{
    const char *ai;
    int minLength;
    int maxLength;
    Charset charset;
    Meaning meaning;
};

// The AIs a coding line meets, with their lengths and characters.  Any
// other AI of a group GS1 assigns is kept as it is.
const AiRule kKnown[] = {
    {"00", 18, 18, Charset::Digits, Meaning::CheckDigit},  // SSCC
    {"01", 14, 14, Charset::Digits, Meaning::CheckDigit},  // GTIN
    {"02", 14, 14, Charset::Digits, Meaning::CheckDigit},  // GTIN of the contents
    {"03", 14, 14, Charset::Digits, Meaning::CheckDigit},  // made-to-order GTIN
    {"10", 1, 20, Charset::Cset82, Meaning::None},         // batch or lot
    {"11", 6, 6, Charset::Digits, Meaning::Date},          // production date
    {"15", 6, 6, Charset::Digits, Meaning::DateDay00},     // best before
    {"17", 6, 6, Charset::Digits, Meaning::DateDay00},     // expiry
    {"20", 2, 2, Charset::Digits, Meaning::None},          // variant
    {"21", 1, 20, Charset::Cset82, Meaning::None},         // serial number
    {"22", 1, 20, Charset::Cset82, Meaning::None},         // consumer product variant
    {"30", 1, 8, Charset::Digits, Meaning::None},          // variable count
    {"37", 1, 8, Charset::Digits, Meaning::None},          // count of trade items
    {"240", 1, 30, Charset::Cset82, Meaning::None},        // additional product id
    {"241", 1, 30, Charset::Cset82, Meaning::None},        // customer part number
    {"250", 1, 30, Charset::Cset82, Meaning::None},        // secondary serial number
    {"251", 1, 30, Charset::Cset82, Meaning::None},        // reference to source entity
    {"400", 1, 30, Charset::Cset82, Meaning::None},        // customer's order number
    {"410", 13, 13, Charset::Digits, Meaning::CheckDigit}, // ship to GLN
    {"414", 13, 13, Charset::Digits, Meaning::CheckDigit}, // location GLN
    {"7003", 10, 10, Charset::Digits, Meaning::None},      // expiry date and time
    {"8008", 8, 12, Charset::Digits, Meaning::None},       // production date and time
    {"8010", 1, 30, Charset::Cset39, Meaning::None},       // component/part id
    {"90", 1, 30, Charset::Cset82, Meaning::None},         // agreed between partners
};

const AiRule *known(const QString &ai)
{
    for (const AiRule &rule : kKnown) {
        if (ai == QLatin1String(rule.ai))
            return &rule;
    }
    return nullptr;
}

int digitAt(const QString &s, int i)
{
    const ushort c = s.at(i).unicode();
    return c >= '0' && c <= '9' ? c - '0' : -1;
}

// How many digits the AIs beginning with these two have; 0 where GS1
// assigns none.
int aiLength(int prefix)
{
    if (prefix <= 4 || (prefix >= 10 && prefix <= 22) || prefix == 30 || prefix == 37 ||
        prefix >= 90)
        return 2;
    if ((prefix >= 23 && prefix <= 25) || (prefix >= 40 && prefix <= 42) || prefix == 71)
        return 3;
    if ((prefix >= 31 && prefix <= 36) || prefix == 39 || prefix == 43 || prefix == 70 ||
        prefix == 72 || (prefix >= 80 && prefix <= 82))
        return 4;
    return 0;
}

// The data length of the groups whose fields need no separator after them
// (GS1's table of element strings of predefined length); 0 for the others.
int predefinedLength(int prefix)
{
    if (prefix == 0)
        return 18;
    if (prefix >= 1 && prefix <= 3)
        return 14;
    if (prefix == 4)
        return 16;
    if (prefix >= 11 && prefix <= 19)
        return 6;
    if (prefix == 20)
        return 2;
    if (prefix >= 31 && prefix <= 36)
        return 6;
    if (prefix == 41)
        return 13;
    return 0;
}

// The first two digits of an AI; -1 for what is no AI.
int prefixOf(const QString &ai)
{
    if (ai.size() < 2 || digitAt(ai, 0) < 0 || digitAt(ai, 1) < 0)
        return -1;
    return digitAt(ai, 0) * 10 + digitAt(ai, 1);
}

bool inCharset(QChar ch, Charset charset)
{
    const ushort c = ch.unicode();
    const bool digit = c >= '0' && c <= '9';
    const bool upper = c >= 'A' && c <= 'Z';
    switch (charset) {
    case Charset::Digits:
        return digit;
    case Charset::Cset39:
        return digit || upper || c == '#' || c == '-' || c == '/';
    case Charset::Cset82:
        if (digit || upper || (c >= 'a' && c <= 'z'))
            return true;
        return c < 0x80 && QByteArrayLiteral("!\"%&'()*+,-./:;<=>?_").contains(char(c));
    }
    return false;
}

// The year of YY nearest today: from 49 years back to 50 ahead.
int fullYear(int yy, const QDate &today)
{
    const int current = today.isValid() ? today.year() : 2000;
    int century = current - current % 100;
    const int diff = yy - current % 100;
    if (diff >= 51)
        century -= 100;
    else if (diff <= -50)
        century += 100;
    return century + yy;
}

// An AI in brackets at i: "(" 2 to 4 digits ")"; its length with the
// brackets, or 0.
int bracketedAiAt(const QString &s, int i)
{
    if (i >= s.size() || s.at(i) != QLatin1Char('('))
        return 0;
    int j = i + 1;
    while (j < s.size() && j - i <= 5 && digitAt(s, j) >= 0)
        ++j;
    const int digits = j - i - 1;
    if (digits < 2 || digits > 4 || j >= s.size() || s.at(j) != QLatin1Char(')'))
        return 0;
    return digits + 2;
}

class Parser
{
public:
    Parser(const QString &scan, const QDate &today, Gs1Scan *out)
        : m_s(scan), m_today(today), m_out(out)
    {
    }

    // The element string from `from` to the end.
    bool elements(int from, bool bracketed)
    {
        int p = from;
        const int n = m_s.size();
        if (!bracketed && p < n && m_s.at(p) == kGroupSeparator)
            ++p; // FNC1 in first position, as some readers send it
        if (p >= n)
            return fail(p, tr("The code holds no data."));
        while (p < n) {
            const int start = p;
            QString ai;
            if (bracketed) {
                const int len = bracketedAiAt(m_s, p);
                if (len == 0)
                    return fail(p, tr("An application identifier in brackets, such as "
                                      "\"(01)\", is expected at character %1.")
                                       .arg(p + 1));
                ai = m_s.mid(p + 1, len - 2);
                p += len;
            } else {
                if (m_s.at(p) == QLatin1Char('('))
                    return fail(p, tr("The code holds brackets at character %1: its "
                                      "application identifiers were encoded as text.")
                                       .arg(p + 1));
                if (p + 1 >= n || digitAt(m_s, p) < 0 || digitAt(m_s, p + 1) < 0)
                    return fail(p, tr("An application identifier (digits) is expected at "
                                      "character %1.")
                                       .arg(p + 1));
                const int len = aiLength(digitAt(m_s, p) * 10 + digitAt(m_s, p + 1));
                if (len == 0)
                    return fail(p, tr("GS1 has no application identifier beginning with "
                                      "\"%1\" (character %2).")
                                       .arg(m_s.mid(p, 2))
                                       .arg(p + 1));
                for (int i = p + 2; i < p + len; ++i) {
                    if (i >= n || digitAt(m_s, i) < 0)
                        return fail(i, tr("The application identifier at character %1 "
                                          "has %2 digits.")
                                           .arg(p + 1)
                                           .arg(len));
                }
                ai = m_s.mid(p, len);
                p += len;
            }
            const int prefix = prefixOf(ai);
            const int aiLen = aiLength(prefix);
            if (aiLen == 0)
                return fail(start, tr("GS1 has no application identifier (%1) (character "
                                      "%2).")
                                       .arg(ai)
                                       .arg(start + 1));
            if (ai.size() != aiLen)
                return fail(start, tr("The application identifier (%1) at character %2 "
                                      "should have %3 digits.")
                                       .arg(ai)
                                       .arg(start + 1)
                                       .arg(aiLen));
            const AiRule *rule = known(ai);
            const int fixed = predefinedLength(prefix);
            const int dataStart = p;
            int end = p; // one past the data
            if (bracketed) {
                while (end < n && bracketedAiAt(m_s, end) == 0)
                    ++end;
                p = end;
            } else if (fixed > 0) {
                end = qMin(n, p + fixed);
                for (int i = p; i < end; ++i) {
                    if (m_s.at(i) == kGroupSeparator) {
                        end = i;
                        break;
                    }
                }
                p = end;
                if (p < n && m_s.at(p) == kGroupSeparator)
                    ++p; // not needed there, but harmless
            } else {
                while (end < n && m_s.at(end) != kGroupSeparator)
                    ++end;
                p = end < n ? end + 1 : end;
            }
            if (!field(ai, start, dataStart, end, rule, fixed))
                return false;
        }
        return true;
    }

    bool fail(int index, const QString &why)
    {
        m_out->index = index;
        m_out->error = why;
        return false;
    }

private:
    bool field(const QString &ai, int start, int from, int end, const AiRule *rule, int fixed)
    {
        const int minLength = rule ? rule->minLength : (fixed > 0 ? fixed : 1);
        const int maxLength = rule ? rule->maxLength : (fixed > 0 ? fixed : kMaxUnknownData);
        const Charset charset = rule ? rule->charset : Charset::Cset82;
        const int length = end - from;
        if (length == 0)
            return fail(from, tr("The application identifier (%1) at character %2 has no "
                                 "data.")
                                  .arg(ai)
                                  .arg(start + 1));
        if (length > maxLength) {
            if (minLength == maxLength)
                return fail(from + maxLength,
                            tr("(%1) holds %2 characters; character %3 is one too many "
                               "(is a group separator missing?).")
                                .arg(ai)
                                .arg(maxLength)
                                .arg(from + maxLength + 1));
            return fail(from + maxLength, tr("(%1) holds at most %2 characters; it has %3 "
                                             "(is a group separator missing?).")
                                              .arg(ai)
                                              .arg(maxLength)
                                              .arg(length));
        }
        if (length < minLength)
            return fail(
                end, tr("(%1) holds %2 characters; it has %3.").arg(ai).arg(minLength).arg(length));
        for (int i = from; i < end; ++i) {
            if (!inCharset(m_s.at(i), charset)) {
                const QString shown = m_s.at(i) == kGroupSeparator
                                          ? tr("a group separator")
                                          : QStringLiteral("\"%1\"").arg(m_s.at(i));
                return fail(
                    i,
                    charset == Charset::Digits
                        ? tr("(%1) holds digits only; character %2 is %3.")
                              .arg(ai)
                              .arg(i + 1)
                              .arg(shown)
                        : tr("(%1) may not hold character %2, %3.").arg(ai).arg(i + 1).arg(shown));
            }
        }
        const QString data = m_s.mid(from, length);
        QDate date;
        if (rule && rule->meaning == Meaning::CheckDigit) {
            const int expected = Gtin::checkDigit(data.left(length - 1));
            const int given = digitAt(data, length - 1);
            if (expected != given)
                return fail(end - 1, tr("The check digit of (%1) (character %2) is %3; it "
                                        "should be %4.")
                                         .arg(ai)
                                         .arg(end)
                                         .arg(given)
                                         .arg(expected));
        } else if (rule && rule->meaning != Meaning::None) {
            const int month = data.midRef(2, 2).toInt();
            const int day = data.midRef(4, 2).toInt();
            if (month < 1 || month > 12)
                return fail(from + 2, tr("(%1) is a date YYMMDD; its month %2 (character "
                                         "%3) does not exist.")
                                          .arg(ai)
                                          .arg(data.mid(2, 2))
                                          .arg(from + 3));
            const int year = fullYear(data.leftRef(2).toInt(), m_today);
            const QDate first(year, month, 1);
            if (day == 0 && rule->meaning == Meaning::DateDay00) {
                date = first.addDays(first.daysInMonth() - 1);
            } else if (day < 1 || day > first.daysInMonth()) {
                return fail(from + 4, tr("(%1) is a date YYMMDD; day %2 (character %3) "
                                         "does not exist in that month.")
                                          .arg(ai)
                                          .arg(data.mid(4, 2))
                                          .arg(from + 5));
            } else {
                date = QDate(year, month, day);
            }
        }
        const auto seen = m_seen.constFind(ai);
        if (seen != m_seen.constEnd()) {
            if (*seen != data)
                return fail(start, tr("(%1) appears twice with different data (character "
                                      "%2).")
                                       .arg(ai)
                                       .arg(start + 1));
        } else {
            m_seen.insert(ai, data);
        }
        m_out->elements.append({ai, data, start});
        if (ai == QLatin1String("01"))
            m_out->gtin = data;
        else if (ai == QLatin1String("10"))
            m_out->lot = data;
        else if (ai == QLatin1String("21"))
            m_out->serial = data;
        else if (ai == QLatin1String("11"))
            m_out->production = date;
        else if (ai == QLatin1String("15"))
            m_out->bestBefore = date;
        else if (ai == QLatin1String("17"))
            m_out->expiry = date;
        else if (ai == QLatin1String("37"))
            m_out->count = data.toLongLong();
        return true;
    }

    const QString &m_s;
    const QDate m_today;
    Gs1Scan *m_out;
    QHash<QString, QString> m_seen;
};

bool allDigits(const QString &s, int from)
{
    for (int i = from; i < s.size(); ++i) {
        if (digitAt(s, i) < 0)
            return false;
    }
    return true;
}

// A plain EAN/UPC or GTIN-14 from `from` to the end of `digits` characters.
bool plainGtin(const QString &s, int from, int length, Gs1Scan *out)
{
    const Gtin::Result g = Gtin::normalise(s.mid(from, length));
    if (!g.ok()) {
        out->error = g.error;
        out->index = g.position > 0 ? from + g.position - 1 : from;
        return false;
    }
    out->kind = Gs1Scan::Kind::Gtin;
    out->gtin = g.gtin14;
    return true;
}

Gs1Scan parseScan(const QString &scan, const QDate &today);

} // namespace

Gs1Scan Gs1Scan::parse(const QString &scan, const QDate &today)
{
    Gs1Scan out = parseScan(scan, today);
    if (!out.ok()) {
        // A refused scan gives nothing to act on.
        out.elements.clear();
        out.gtin.clear();
        out.lot.clear();
        out.serial.clear();
        out.production = out.bestBefore = out.expiry = QDate();
        out.count = -1;
    }
    return out;
}

namespace {

Gs1Scan parseScan(const QString &scan, const QDate &today)
{
    using Kind = Gs1Scan::Kind;
    Gs1Scan out;
    QString s = scan;
    while (!s.isEmpty() && (s.endsWith(QLatin1Char('\n')) || s.endsWith(QLatin1Char('\r'))))
        s.chop(1);
    if (s.size() > Gs1Scan::kMaxLength) {
        out.index = Gs1Scan::kMaxLength;
        out.error = tr("The scan is longer than %1 characters.").arg(Gs1Scan::kMaxLength);
        return out;
    }
    if (s.isEmpty()) {
        out.index = 0;
        out.error = tr("The scan is empty.");
        return out;
    }
    Parser parser(s, today, &out);
    int from = 0;
    if (s.at(0) == QLatin1Char(']')) {
        const bool letter = s.size() >= 3 && s.at(1).unicode() < 0x80 && s.at(1).isLetter();
        const bool modifier =
            s.size() >= 3 && s.at(2).unicode() < 0x80 && s.at(2).isLetterOrNumber();
        if (!letter || !modifier) {
            parser.fail(0, tr("The scan begins with \"]\" but no symbology identifier "
                              "follows (such as \"]C1\")."));
            return out;
        }
        out.symbology = s.left(3);
        from = 3;
        out.text = s.mid(3);
        if (from >= s.size()) {
            parser.fail(from, tr("The code holds no data."));
            return out;
        }
        static const QStringList gs1 = {QStringLiteral("]C1"), QStringLiteral("]e0"),
                                        QStringLiteral("]d2"), QStringLiteral("]Q3"),
                                        QStringLiteral("]J1")};
        if (gs1.contains(out.symbology)) {
            out.kind = Kind::ElementString;
            parser.elements(from, false);
            return out;
        }
        const int length = s.size() - from;
        if (out.symbology == QLatin1String("]E0") || out.symbology == QLatin1String("]E4")) {
            plainGtin(s, from, length, &out);
            return out;
        }
        // EAN-13 or UPC-A with a two- or five-digit add-on after it.
        if (out.symbology == QLatin1String("]E3")) {
            if ((length != 15 && length != 18) || !allDigits(s, from))
                parser.fail(from, tr("An EAN/UPC with an add-on has 15 or 18 digits."));
            else
                plainGtin(s, from, 13, &out);
            return out;
        }
        // ITF-14 on cases.
        if (s.at(1) == QLatin1Char('I') && length == 14 && allDigits(s, from)) {
            plainGtin(s, from, length, &out);
            return out;
        }
        out.kind = Kind::Text;
        return out;
    }
    out.text = s;
    if (s.at(0) == QLatin1Char('(')) {
        out.kind = Kind::ElementString;
        parser.elements(0, true);
        return out;
    }
    const int n = s.size();
    if ((n == 8 || n == 12 || n == 13 || n == 14) && allDigits(s, 0)) {
        plainGtin(s, 0, n, &out);
        return out;
    }
    if (digitAt(s, 0) >= 0 || s.at(0) == kGroupSeparator) {
        out.kind = Kind::ElementString;
        parser.elements(0, false);
        return out;
    }
    out.kind = Kind::Text;
    return out;
}

} // namespace

QString Gs1Scan::elementString(const QVector<Element> &elements)
{
    QString s;
    for (int i = 0; i < elements.size(); ++i) {
        const Element &e = elements.at(i);
        s += e.ai + e.data;
        if (i + 1 < elements.size() &&
            (prefixOf(e.ai) < 0 || predefinedLength(prefixOf(e.ai)) == 0))
            s += kGroupSeparator;
    }
    return s;
}

QString Gs1Scan::bracketed(const QVector<Element> &elements)
{
    QString s;
    for (const Element &e : elements)
        s += QLatin1Char('(') + e.ai + QLatin1Char(')') + e.data;
    return s;
}
