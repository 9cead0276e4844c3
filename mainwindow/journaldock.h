// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "saveobserver.h"

#include <QDockWidget>
#include <QHash>

class CommandJournal;
class EventLog;
class Fleet;
class Journal;
class JournalView;
class QMainWindow;

// The journal in the control window: writes the Fleet's commands and the
// designer's saves into "journal/" of the working folder, shows its lines
// (JournalView) in a dock at the bottom of the window, hidden at first, with
// a "Journal" link in the status bar to show and hide it, and puts what goes
// wrong with it into the event log.
class JournalDock : public QDockWidget, public SaveObserver
{
    Q_OBJECT
public:
    JournalDock(Fleet *fleet, EventLog *log, QMainWindow *window);
    ~JournalDock() override;

    Journal *journal() const { return m_journal; }
    CommandJournal *commands() const { return m_commands; }
    JournalView *view() const { return m_view; }

    // The designer's saves: "message saved" with the SHA-256 of the file
    // before and after.  While failing closed, a save is refused when the
    // journal cannot be written now.
    QString aboutToSave(const QString &path) override;
    void saved(const QString &path) override;

private:
    Journal *m_journal;
    CommandJournal *m_commands;
    JournalView *m_view;
    // SHA-256 of each file as it was before its save; empty: a new file.
    QHash<QString, QString> m_before;
};
