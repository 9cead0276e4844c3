// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>
#include <QStringList>
#include <QTimer>

#include <functional>

class QVBoxLayout;
class ReaderService;
class ReaderWatch;
class Station;

// The code readers' bar at the top of the control window: a red row for
// each reader alarm (naming the coder and the reads) with "Acknowledge",
// an amber row for each printing coder with a reader and no passed
// challenge test today with "Start challenge test", and one while a
// challenge runs.  Both buttons are a Supervisor's or Administrator's
// (anyone's while users are off); a refusal goes to the event log, never
// to a box.  Hidden while there is nothing to show.
class ReaderAlarmBar : public QFrame
{
    Q_OBJECT
public:
    ReaderAlarmBar(Station *station, ReaderService *readers, QWidget *parent = nullptr);

    void refresh();
    // The rows' texts, top to bottom (tests).
    QStringList rows() const;

signals:
    void problem(const QString &text);
    void note(const QString &text);

private:
    void addRow(const QString &text, const QString &button, const QString &name, bool alarm,
                const std::function<QString()> &action);
    // Empty when the signed-in user may acknowledge and challenge, else why not.
    QString refusal() const;

    Station *m_station;
    ReaderService *m_readers;
    QVBoxLayout *m_rows;
    QTimer m_daily; // the reminder comes back at midnight
};
