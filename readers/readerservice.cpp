// SPDX-License-Identifier: GPL-3.0-or-later
#include "readerservice.h"

#include "readersettings.h"
#include "readerwatch.h"
#include "station.h"
#include "stationsettings.h"

ReaderService::ReaderService(Station *station, JobRunner *jobs, Catalogue *catalogue,
                             PrintedCodesOf codesOf, QObject *parent)
    : QObject(parent), m_station(station), m_jobs(jobs), m_catalogue(catalogue),
      m_codesOf(std::move(codesOf))
{
    m_reads.setInterval(kReadsSignalMs);
    connect(&m_reads, &QTimer::timeout, this, [this] {
        const QSet<ReaderWatch *> counted = m_counted;
        m_counted.clear();
        for (ReaderWatch *watch : counted) {
            if (watch->coder() >= 0)
                emit readsChanged(watch->coder());
        }
    });
}

ReaderService::~ReaderService() = default;

QStringList ReaderService::start()
{
    m_counted.clear();
    m_watches.clear();
    m_reads.start();
    QStringList errors;
    const QString path = m_station->settings()->path();
    const QList<ReaderSettings> readers = ReaderSettings::load(path, &errors);
    for (QString &error : errors)
        error = path + QStringLiteral(": ") + error;
    for (const ReaderSettings &settings : readers) {
        auto watch =
            std::make_unique<ReaderWatch>(m_station, m_jobs, m_catalogue, settings, m_codesOf);
        ReaderWatch *w = watch.get();
        connect(w, &ReaderWatch::alarmChanged, this, [this, w] {
            emit alarmsChanged();
            if (w->coder() >= 0)
                emit readsChanged(w->coder());
        });
        connect(w, &ReaderWatch::countsChanged, this, [this, w] { m_counted.insert(w); });
        connect(watch.get(), &ReaderWatch::challengeChanged, this, &ReaderService::alarmsChanged);
        connect(watch.get(), &ReaderWatch::note, this, &ReaderService::note);
        connect(watch.get(), &ReaderWatch::problem, this, &ReaderService::problem);
        watch->start();
        emit note(tr("Reader %1 at %2:%3 watches %4.")
                      .arg(settings.name, settings.host)
                      .arg(settings.port)
                      .arg(settings.coder));
        m_watches.push_back(std::move(watch));
    }
    for (const QString &error : qAsConst(errors))
        emit problem(error);
    return errors;
}

ReaderWatch *ReaderService::watchOf(int descriptor) const
{
    for (const auto &watch : m_watches) {
        if (descriptor >= 0 && watch->coder() == descriptor)
            return watch.get();
    }
    return nullptr;
}
