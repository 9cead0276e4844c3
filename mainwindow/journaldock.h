// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "saveobserver.h"

#include <QDockWidget>

class CommandJournal;
class Journal;
class JournalView;
class QMainWindow;
class Station;

// The station's journal in the control window: shows its lines
// (JournalView) in a dock at the bottom of the window, hidden at first, with
// a "Journal" link in the status bar to show and hide it, and hands the
// designer's saves to the station's recorder.
class JournalDock : public QDockWidget, public SaveObserver
{
    Q_OBJECT
public:
    JournalDock(Station *station, QMainWindow *window);
    ~JournalDock() override;

    Journal *journal() const { return m_journal; }
    CommandJournal *commands() const { return m_commands; }
    JournalView *view() const { return m_view; }

    // The designer's saves, journaled by the station's recorder.
    QString aboutToSave(const QString &path) override;
    void saved(const QString &path) override;

signals:
    // A save of the designer, after it is journaled.
    void messageSaved(const QString &path);

private:
    Journal *m_journal;
    CommandJournal *m_commands;
    JournalView *m_view;
};
