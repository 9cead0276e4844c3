// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue.h"
#include "jobrunner.h"

#include <QObject>
#include <QTimer>

#include <memory>

class Station;

// The catalogue and the jobs of one station, as both programs run them: the
// database named by [database] of the station's settings (SQLite korvex.db
// in the working folder without one) is opened at start and, while it
// cannot be, tried again every kRetryMs; meanwhile coders keep running what
// they have and no job starts, and problem() says why.
class JobService : public QObject
{
    Q_OBJECT
public:
    static constexpr int kRetryMs = 30000;

    explicit JobService(Station *station, QObject *parent = nullptr);
    ~JobService() override;

    // Opens the database (again); false with problem() said when it cannot.
    bool open();
    Catalogue *catalogue() const { return m_catalogue.get(); }
    JobRunner *runner() const { return m_runner.get(); }
    // "SQLite /srv/line1/korvex.db": where the catalogue is.
    QString where() const { return m_where; }

signals:
    void problem(const QString &text);
    void note(const QString &text);

private:
    Station *m_station;
    std::unique_ptr<Catalogue> m_catalogue;
    std::unique_ptr<JobRunner> m_runner;
    QTimer m_retry;
    QString m_where;
};
