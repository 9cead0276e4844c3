// SPDX-License-Identifier: GPL-3.0-or-later
// What a code reader sends, as any bytes in any cuts: the link gives the
// same lines and bad lines however the bytes arrive, no line is longer than
// its limit or holds a line end or a control character other than tab and
// the GS1 group separator, there are no more of them than line ends and one,
// and no line grows when it is brought to the form codes are compared in.
#include "readerlink.h"
#include "readerwatch.h"

#include <QCoreApplication>

#include <cstdint>
#include <cstdlib>

namespace {

struct Seen
{
    QStringList lines;
    QList<int> bad;
};

Seen feed(const QByteArray &data, int cut)
{
    ReaderLink link;
    link.setFloodBound(1 << 30);
    link.setClock([] { return qint64(0); });
    Seen seen;
    QObject::connect(&link, &ReaderLink::line, [&](const QString &t) { seen.lines << t; });
    QObject::connect(&link, &ReaderLink::badLine,
                     [&](ReaderLink::Bad why, const QByteArray &) { seen.bad << int(why); });
    for (int at = 0; at < data.size(); at += cut)
        link.take(data.mid(at, cut));
    return seen;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    if (size < 1 || size > (1 << 20))
        return 0;
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    const int cut = 1 + bytes[0] % 64;
    const QByteArray data(reinterpret_cast<const char *>(bytes) + 1, int(size) - 1);
    const Seen whole = feed(data, qMax(1, data.size()));
    const Seen cuts = feed(data, cut);
    if (whole.lines != cuts.lines || whole.bad != cuts.bad)
        abort();
    const int ends = data.count('\n') + data.count('\r');
    if (whole.lines.size() + whole.bad.size() > ends + 1)
        abort();
    for (const QString &line : whole.lines) {
        if (line.toUtf8().size() > ReaderLink::kMaxLineBytes)
            abort();
        for (const QChar c : line)
            if (c.unicode() < 0x20 && c != QLatin1Char('\t') && c.unicode() != 0x1d)
                abort();
        if (ReaderWatch::canonical(line).size() > line.size())
            abort();
    }
    return 0;
}
