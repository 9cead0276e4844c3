// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a data file of 16 MiB into ExternDataManage: its time and the peak
// memory it takes above what the process held before, next to the floor of
// the same run, reading the file's bytes alone.  Two files: one-byte lines
// for one item (8 million values), and lines of four fields as a lot list
// has them.  Each phase runs in a child process of its own, so that its
// peak (VmHWM) is its own.
#include "externdatamanage.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr qint64 kFileBytes = ExternDataManage::kMaxFileBytes;

// A line of /proc/self/status in KiB.
qint64 statusKiB(const char *key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(int(qstrlen(key))).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

bool writeFile(const QString &path, const QByteArray &line)
{
    QByteArray bytes;
    bytes.reserve(int(kFileBytes));
    while (bytes.size() + line.size() <= kFileBytes)
        bytes += line;
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Prints "<ms> <peak KiB above the start> <values>".
int runPhase(const QString &phase, const QString &path, int columns)
{
    const qint64 before = statusKiB("VmRSS:");
    QElapsedTimer timer;
    timer.start();
    qint64 values = 0;
    if (phase == QLatin1String("floor")) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return 1;
        values = file.readAll().size();
    } else {
        ExternDataManage data;
        for (int i = 0; i < columns; ++i)
            data.addColumn(QStringLiteral("Text%1").arg(i));
        if (data.loadDataFile(path) != ExternDataManage::Loaded)
            return 1;
        for (int i = 0; i < columns; ++i)
            values += data.columnAt(i).values.size();
    }
    const double ms = timer.nsecsElapsed() / 1e6;
    std::printf("%.1f %lld %lld\n", ms, statusKiB("VmHWM:") - before, values);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 4)
        return runPhase(args.at(1), args.at(2), args.at(3).toInt());

    QTemporaryDir dir;
    struct File
    {
        const char *name;
        QByteArray line;
        int columns;
    };
    const File files[] = {{"one-byte lines", "a\n", 1},
                          {"four fields", "LOT-0012345,2026-12-08,Line 3,0001\n", 4}};
    std::printf("data file of %lld bytes; peak memory above the process's start\n", kFileBytes);
    for (const File &f : files) {
        const QString path = dir.filePath(QString::fromLatin1(f.name) + QStringLiteral(".csv"));
        if (!writeFile(path, f.line))
            return 1;
        for (const char *phase : {"load", "floor"}) {
            QProcess child;
            child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            child.start(args.at(0), {QLatin1String(phase), path, QString::number(f.columns)});
            child.waitForFinished(-1);
            const QStringList out =
                QString::fromLatin1(child.readAllStandardOutput()).trimmed().split(' ');
            if (child.exitCode() != 0 || out.size() != 3)
                return 1;
            const double peakMiB = out.at(1).toDouble() / 1024;
            std::printf("%-15s %-5s %8s ms  peak %7.1f MiB (%4.1f x the file)  %s values\n", f.name,
                        phase, qPrintable(out.at(0)), peakMiB, peakMiB * 1024 * 1024 / kFileBytes,
                        qPrintable(out.at(2)));
        }
    }
    std::printf("goal: load peak at most 10 x the file\n");
    return 0;
}
