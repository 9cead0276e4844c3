// SPDX-License-Identifier: GPL-3.0-or-later
// Scans of any bytes, read as Latin-1 and as UTF-8.  A refused scan names a
// character within it and gives nothing else; a GTIN given is 14 digits with
// its check digit; each element begins where it says; and the element
// string of what was taken apart parses to the same elements and fields.
#include "gs1scan.h"
#include "gtin.h"

#include <cstdint>
#include <cstdlib>

namespace {

const QDate kToday(2026, 12, 9);

bool sameFields(const Gs1Scan &a, const Gs1Scan &b)
{
    return a.elements == b.elements && a.gtin == b.gtin && a.lot == b.lot && a.serial == b.serial &&
           a.production == b.production && a.bestBefore == b.bestBefore && a.expiry == b.expiry &&
           a.count == b.count;
}

void check(const QString &scan)
{
    const Gs1Scan s = Gs1Scan::parse(scan, kToday);
    if (!s.ok()) {
        if (s.index < 0 || s.index > scan.size() || !s.elements.isEmpty() || !s.gtin.isEmpty() ||
            !s.lot.isEmpty() || s.count != -1)
            abort();
        return;
    }
    if (s.index != -1)
        abort();
    if (!s.gtin.isEmpty() && (s.gtin.size() != 14 || Gtin::normalise(s.gtin).gtin14 != s.gtin))
        abort();
    if (s.kind == Gs1Scan::Kind::Gtin && s.gtin.isEmpty())
        abort();
    if (s.kind != Gs1Scan::Kind::ElementString)
        return;
    if (s.elements.isEmpty())
        abort();
    bool bracketSafe = true;
    for (const Gs1Scan::Element &e : s.elements) {
        if (e.index < 0 || e.index >= scan.size() || e.data.isEmpty())
            abort();
        const int at = scan.at(e.index) == QLatin1Char('(') ? e.index + 1 : e.index;
        if (scan.mid(at, e.ai.size()) != e.ai)
            abort();
        bracketSafe = bracketSafe && !e.data.contains(QLatin1Char('('));
    }
    const Gs1Scan again =
        Gs1Scan::parse(QStringLiteral("]C1") + Gs1Scan::elementString(s.elements), kToday);
    if (!again.ok() || !sameFields(s, again))
        abort();
    // Brackets in the data may read as an AI; without them the printed
    // form reads back too.
    if (bracketSafe) {
        const Gs1Scan printed = Gs1Scan::parse(Gs1Scan::bracketed(s.elements), kToday);
        if (!printed.ok() || !sameFields(s, printed))
            abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    check(QString::fromLatin1(bytes));
    check(QString::fromUtf8(bytes));
    return 0;
}
