// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "printedcodes.h"

#include <QObject>
#include <QSet>
#include <QStringList>
#include <QTimer>

#include <memory>
#include <vector>

class Catalogue;
class JobRunner;
class ReaderWatch;
class Station;

// The code readers of one station, as both programs run them: a watch for
// each [reader.<name>] section of the station's korvex.conf, started at
// once.  codesOf works out what a message prints (the document library's
// PrintedCodesOfFile::at in both mains).
class ReaderService : public QObject
{
    Q_OBJECT
public:
    static constexpr int kReadsSignalMs = 1000;

    ReaderService(Station *station, JobRunner *jobs, Catalogue *catalogue, PrintedCodesOf codesOf,
                  QObject *parent = nullptr);
    ~ReaderService() override;

    // Reads the settings and starts a watch for each reader; the settings'
    // errors (each bad section is left out).
    QStringList start();
    const std::vector<std::unique_ptr<ReaderWatch>> &watches() const { return m_watches; }
    // The watch of a coder's connection; null when no reader watches it.
    ReaderWatch *watchOf(int descriptor) const;

signals:
    // Any watch's alarm or challenge changed.
    void alarmsChanged();
    // A coder's counts or alarm changed: alarms at once, counts at most
    // every kReadsSignalMs (a reader may read a thousand codes a second).
    void readsChanged(int descriptor);
    void note(const QString &text);
    void problem(const QString &text);

private:
    Station *m_station;
    JobRunner *m_jobs;
    Catalogue *m_catalogue;
    PrintedCodesOf m_codesOf;
    std::vector<std::unique_ptr<ReaderWatch>> m_watches;
    QSet<ReaderWatch *> m_counted;
    QTimer m_reads;
};
