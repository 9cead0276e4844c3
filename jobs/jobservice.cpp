// SPDX-License-Identifier: GPL-3.0-or-later
#include "jobservice.h"

#include "boundedread.h"
#include "databasesettings.h"
#include "inifile.h"
#include "station.h"
#include "stationsettings.h"

#include <QDir>
#include <QFileInfo>

JobService::JobService(Station *station, QObject *parent)
    : QObject(parent), m_station(station), m_catalogue(std::make_unique<Catalogue>()),
      m_runner(std::make_unique<JobRunner>(station, m_catalogue.get()))
{
    connect(m_runner.get(), &JobRunner::problem, this, &JobService::problem);
    m_retry.setInterval(kRetryMs);
    m_retry.setSingleShot(true);
    connect(&m_retry, &QTimer::timeout, this, &JobService::open);
}

JobService::~JobService()
{
    m_runner.reset();
}

bool JobService::open()
{
    const QString path = m_station->settings()->path();
    const PlainFile conf = PlainFile::read(path, StationSettings::kMaxFileBytes);
    const IniFile ini = IniFile::parse(conf.bytes);
    // How often each job's coders are asked for their message again.
    bool minutesGiven = false;
    const int minutes =
        ini.value(QStringLiteral("jobs"), QStringLiteral("readback_minutes")).toInt(&minutesGiven);
    if (minutesGiven && minutes >= 1 && minutes <= 24 * 60)
        m_runner->setReadBackInterval(minutes * 60 * 1000);
    else if (ini.contains(QStringLiteral("jobs"), QStringLiteral("readback_minutes")))
        emit problem(tr("%1: [jobs] readback_minutes must be a number of minutes from 1 to 1440; "
                        "%2 are used.")
                         .arg(path)
                         .arg(JobRunner::kDefaultReadBackMs / 60000));
    DatabaseSettings settings;
    QString error;
    const QString workDir = QDir::currentPath();
    if (!DatabaseSettings::fromIni(ini, workDir, &settings, &error)) {
        emit problem(tr("The catalogue is not used: %1: %2").arg(path, error));
        return false;
    }
    m_where = settings.describe();
    const CatalogueStatus opened = m_catalogue->open(settings);
    if (!opened.ok()) {
        emit problem(tr("The catalogue (%1) cannot be opened: %2. No job starts; coders keep "
                        "what they run. Trying again in %3 s.")
                         .arg(m_where, opened.reason)
                         .arg(kRetryMs / 1000));
        if (opened.kind == CatalogueStatus::Kind::Unavailable)
            m_retry.start();
        return false;
    }
    emit note(tr("Catalogue: %1").arg(m_where));
    m_runner->settleUnfinishedStarts();
    return true;
}
