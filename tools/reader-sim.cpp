// SPDX-License-Identifier: GPL-3.0-or-later
// reader-sim: simulated coders, as coder-sim runs them, with a code reader
// after the first: at each of its prints the reader draws its current
// message, decodes the codes with zbar and sends them, one line each, to the
// clients of its port.
//
//   reader-sim --reader-port 64100 --host 127.0.0.1 --port 64032 --autostart
//              --message samples/label1.spr
#include "codersimoptions.h"
#include "readersim.h"
#include "simulatedcoder.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QTimer>

#include <cstdio>

namespace {

// Messages are drawn with real fonts, which needs a GUI platform; with no
// display the offscreen one does, unless the caller chose a platform.
void chooseHeadlessPlatform()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

void say(const QString &line)
{
    std::printf("reader 1: %s\n", qUtf8Printable(line));
    std::fflush(stdout);
}

bool readNumber(const QCommandLineParser &parser, const QString &name, int max, int *value,
                QString *message)
{
    bool ok = true;
    *value = parser.isSet(name) ? parser.value(name).toInt(&ok) : 0;
    if (ok && *value >= 0 && *value <= max)
        return true;
    *message = QStringLiteral("--%1 must be a whole number from 0 to %2, not \"%3\"")
                   .arg(name)
                   .arg(max)
                   .arg(parser.value(name));
    return false;
}

bool readOptions(const QCommandLineParser &parser, ReaderSim *reader, quint16 *port,
                 QHostAddress *host, int *corruptEvery, QString *message)
{
    int readerPort = 0, dropEvery = 0;
    if (!readNumber(parser, "reader-port", 65535, &readerPort, message) ||
        !readNumber(parser, "drop-every", 1000000, &dropEvery, message) ||
        !readNumber(parser, "corrupt-every", 1000000, corruptEvery, message))
        return false;
    if (!host->setAddress(parser.value("reader-host"))) {
        *message = QStringLiteral("--reader-host must be an IP address, not \"%1\"")
                       .arg(parser.value("reader-host"));
        return false;
    }
    const QByteArray noRead = parser.value("no-read").toUtf8();
    if (noRead.isEmpty() || noRead.contains('\r') || noRead.contains('\n')) {
        *message = QStringLiteral("--no-read needs a text of one line");
        return false;
    }
    *port = quint16(readerPort);
    reader->setNoReadText(noRead);
    reader->setDropEvery(dropEvery);
    reader->setSilent(parser.isSet("silent"));
    return true;
}

// What a line shows of a read: the group separator of GS1 codes as <GS>.
QString shown(const QList<QByteArray> &lines)
{
    QStringList texts;
    for (const QByteArray &line : lines)
        texts << QString::fromUtf8(line).replace(QChar(0x1D), QStringLiteral("<GS>"));
    return texts.join(QStringLiteral(" | "));
}

} // namespace

int main(int argc, char *argv[])
{
    chooseHeadlessPlatform();
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("reader-sim"));
    app.setApplicationVersion(QStringLiteral(KORVEX_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Runs simulated coders as coder-sim does (the same options) and a code reader after "
        "the first of them, in one program, so that the reader always follows the message "
        "that coder holds. At each print (each progress step) the reader draws that message "
        "as it prints at that moment, decodes its EAN-13, EAN-8, UPC-A, UPC-E, Code 128 "
        "(GS1-128 too), Code 39, Code 93, ITF-14 and QR codes with zbar and sends each code "
        "read, in reading order, as one line ended by CR LF to every client of its port; a "
        "print with no code read sends the no-read text. GS1-128 comes as zbar gives it: no "
        "\"]C1\" in front, the byte 0x1D between fields. Data Matrix and PDF417 are not read: "
        "zbar has no finished decoder for them."));
    parser.addOptions({
        {"reader-port",
         "Port of the reader's server (default 0: one the system chooses, told "
         "on the first line).",
         "port", "0"},
        {"reader-host", "Address the reader listens on (default 127.0.0.1).", "address",
         "127.0.0.1"},
        {"no-read", "Text sent for a print with no code read (default NOREAD).", "text", "NOREAD"},
        {"drop-every", "Every k-th read sends nothing (default 0: none).", "k", "0"},
        {"corrupt-every",
         "Every k-th read sends its first code with one character changed "
         "(default 0: none).",
         "k", "0"},
        {"silent", "Send nothing at all: a reader that has gone quiet."},
        {"silent-while",
         "Send nothing while this file exists (looked at every 200 ms): a reader that goes "
         "quiet for a while.",
         "file"},
    });
    CoderSimOptions options;
    QString message;
    int exitCode = 0;
    if (!CoderSimOptions::parse(app.arguments(), &options, &message, &exitCode, &parser)) {
        std::fprintf(exitCode == 0 ? stdout : stderr, "%s\n", qUtf8Printable(message));
        return exitCode;
    }
    ReaderSim reader;
    quint16 readerPort = 0;
    QHostAddress readerHost;
    int corruptEvery = 0;
    if (!readOptions(parser, &reader, &readerPort, &readerHost, &corruptEvery, &message)) {
        std::fprintf(stderr, "reader-sim: %s\n", qUtf8Printable(message));
        return 2;
    }
    if (!reader.listen(readerHost, readerPort, &message)) {
        std::fprintf(stderr, "reader-sim: %s\n", qUtf8Printable(message));
        return 1;
    }
    QObject::connect(&reader, &ReaderSim::note, &app, &say);
    QObject::connect(
        &reader, &ReaderSim::readDone, &app, [](qint64 read, const QList<QByteArray> &lines) {
            say(QStringLiteral("read %1: %2")
                    .arg(read)
                    .arg(lines.isEmpty() ? QStringLiteral("(nothing sent)") : shown(lines)));
        });
    say(QStringLiteral("listening on %1:%2 after coder 1")
            .arg(readerHost.toString())
            .arg(reader.port()));

    const QVector<SimulatedCoder *> coders = options.createCoders();
    // Connected before the reader follows, so that it runs first at a print.
    QObject::connect(coders.first(), &SimulatedCoder::printed, &reader, [&reader, corruptEvery] {
        if (corruptEvery > 0 && (reader.reads() + 1) % corruptEvery == 0)
            reader.corruptNextRead();
    });
    reader.follow(coders.first());
    for (SimulatedCoder *coder : coders)
        coder->start();
    QTimer quiet;
    const QString quietFile = parser.value("silent-while");
    if (!quietFile.isEmpty()) {
        const bool always = parser.isSet("silent");
        QObject::connect(&quiet, &QTimer::timeout, &reader, [&reader, quietFile, always] {
            const bool silent = always || QFileInfo::exists(quietFile);
            if (silent != reader.isSilent())
                say(silent ? QStringLiteral("reader silent") : QStringLiteral("reader speaks"));
            reader.setSilent(silent);
        });
        quiet.start(200);
    }
    return app.exec();
}
