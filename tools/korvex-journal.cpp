// SPDX-License-Identifier: GPL-3.0-or-later
// korvex-journal: checks the journal of KorvexControl and korvexd, and
// writes its lines as CSV.
//
//   korvex-journal verify [FOLDER]
//   korvex-journal export [--from DATE] [--to DATE] [--coder IP] [--output FILE] [FOLDER]
#include "commandjournal.h"
#include "journalcheck.h"
#include "journalline.h"
#include "writewhole.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDate>
#include <QJsonArray>
#include <QSaveFile>

#include <cstdio>

namespace {

constexpr int kUsage = 2;

int fail(int code, const QString &text)
{
    std::fprintf(stderr, "korvex-journal: %s\n", qPrintable(text));
    return code;
}

int verify(const QString &folder)
{
    const JournalCheck check = checkJournal(folder);
    for (const QString &warning : check.warnings)
        std::printf("%s: note: %s\n", qPrintable(folder), qPrintable(warning));
    if (!check.ok) {
        std::printf("%s: broken: %s\n", qPrintable(folder), qPrintable(check.text()));
        return 1;
    }
    std::printf("%s: %s\n", qPrintable(folder), qPrintable(check.text()));
    return 0;
}

// A field as a spreadsheet reads it: quoted when it must be, and a text
// that a spreadsheet would take for a formula (=, +, -, @) starts with an
// apostrophe, so that a name written into the journal by anyone can never
// run as one.
QString csvField(const QString &text, bool guard)
{
    QString field = text;
    if (guard && !field.isEmpty() && QStringLiteral("=+-@\t\r").contains(field.at(0)))
        field.prepend(QLatin1Char('\''));
    if (field.contains(QRegularExpression(QStringLiteral("[\",\r\n]"))))
        field = QLatin1Char('"') + field.replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
                QLatin1Char('"');
    return field;
}

bool hasCoder(const QJsonObject &line, const QString &ip)
{
    for (const QJsonValue &coder : line.value(QLatin1String("coders")).toArray()) {
        if (coder.toObject().value(QLatin1String("ip")).toString() == ip)
            return true;
    }
    return false;
}

int exportCsv(const QString &folder, const QDate &from, const QDate &to, const QString &coder,
              const QString &output)
{
    QByteArray csv = "number,time_utc,local_time,user,user_claimed,pc,action,coders,details\r\n";
    int lines = 0;
    // A line is in the file of its UTC month (a day before the local date
    // at most) or, written after the clock was set back, in any later one:
    // every file from the first date's month on is read.
    const QString first = from.isValid() ? from.addDays(-1).toString(QStringLiteral("yyyy-MM")) +
                                               QStringLiteral(".jsonl")
                                         : QString();
    forEachJournalLine(folder, first, QString(), [&](const JournalLine &line, const QString &) {
        const QJsonObject &o = line.object;
        const QDateTime local = journalLocalTime(o);
        if ((from.isValid() && local.date() < from) || (to.isValid() && local.date() > to) ||
            (!coder.isEmpty() && !hasCoder(o, coder)))
            return true;
        const QStringList fields{
            QString::number(line.number),
            csvField(o.value(QLatin1String("time")).toString(), false),
            local.toString(Qt::ISODate),
            csvField(o.value(QLatin1String("user")).toString(), true),
            o.value(QLatin1String("claimed")).toBool() ? QStringLiteral("yes") : QString(),
            csvField(o.value(QLatin1String("pc")).toString(), true),
            csvField(line.action, true),
            csvField(CommandJournal::coderNames(o).join(QLatin1String("; ")), true),
            csvField(CommandJournal::details(o), true)};
        csv += fields.join(QLatin1Char(',')).toUtf8() + "\r\n";
        ++lines;
        return true;
    });
    if (output.isEmpty()) {
        std::fwrite(csv.constData(), 1, size_t(csv.size()), stdout);
        return std::fflush(stdout) == 0 ? 0 : fail(1, QStringLiteral("cannot write the CSV"));
    }
    QSaveFile file(output);
    QString reason;
    if (!file.open(QIODevice::WriteOnly))
        return fail(1, QStringLiteral("cannot write %1: %2").arg(output, file.errorString()));
    if (!writeWhole(file, csv, &reason)) {
        file.cancelWriting();
        return fail(1, QStringLiteral("cannot write %1: %2").arg(output, reason));
    }
    if (!file.commit())
        return fail(1, QStringLiteral("cannot write %1: %2").arg(output, file.errorString()));
    std::fprintf(stderr, "korvex-journal: %d lines written to %s\n", lines, qPrintable(output));
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("korvex-journal"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KORVEX_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Checks the journal that KorvexControl and korvexd keep in \"journal/\" of their "
        "working folder, and writes its lines as CSV.\n\n"
        "verify [FOLDER]: checks every line of every month and the head; names the first "
        "broken line and exits with 1, or says how many lines there are and exits with 0.\n"
        "export [FOLDER]: writes the lines (all, or those of the dates and coder given) as "
        "CSV to standard output or to --output."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption from(QStringLiteral("from"),
                                  QStringLiteral("export: the first day (YYYY-MM-DD, local time "
                                                 "of the PC that wrote the line)."),
                                  QStringLiteral("date"));
    const QCommandLineOption to(QStringLiteral("to"),
                                QStringLiteral("export: the last day (YYYY-MM-DD)."),
                                QStringLiteral("date"));
    const QCommandLineOption coder(QStringLiteral("coder"),
                                   QStringLiteral("export: only the lines that name this coder."),
                                   QStringLiteral("IP"));
    const QCommandLineOption output(QStringLiteral("output"),
                                    QStringLiteral("export: the CSV file to write (replaced "
                                                   "whole); default: standard output."),
                                    QStringLiteral("file"));
    parser.addOptions({from, to, coder, output});
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("verify or export"));
    parser.addPositionalArgument(QStringLiteral("folder"),
                                 QStringLiteral("The journal folder (default: journal)."),
                                 QStringLiteral("[FOLDER]"));
    parser.process(app);

    const QStringList args = parser.positionalArguments();
    if (args.isEmpty() || args.size() > 2)
        return fail(kUsage, QStringLiteral("name a command, verify or export (see --help)"));
    const QString folder = args.value(1, QStringLiteral("journal"));
    if (args.first() == QLatin1String("verify")) {
        for (const QCommandLineOption &option : {from, to, coder, output}) {
            if (parser.isSet(option))
                return fail(
                    kUsage,
                    QStringLiteral("--%1 is an option of export").arg(option.names().first()));
        }
        return verify(folder);
    }
    if (args.first() != QLatin1String("export"))
        return fail(kUsage, QStringLiteral("unknown command %1 (see --help)").arg(args.first()));
    QDate dates[2];
    const QCommandLineOption *options[2] = {&from, &to};
    for (int i = 0; i < 2; ++i) {
        if (!parser.isSet(*options[i]))
            continue;
        dates[i] = QDate::fromString(parser.value(*options[i]), Qt::ISODate);
        if (!dates[i].isValid())
            return fail(kUsage, QStringLiteral("--%1 %2 is not a date YYYY-MM-DD")
                                    .arg(options[i]->names().first(), parser.value(*options[i])));
    }
    if (dates[0].isValid() && dates[1].isValid() && dates[0] > dates[1])
        return fail(kUsage, QStringLiteral("--from is after --to"));
    return exportCsv(folder, dates[0], dates[1], parser.value(coder), parser.value(output));
}
