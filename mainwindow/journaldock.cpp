// SPDX-License-Identifier: GPL-3.0-or-later
#include "journaldock.h"

#include "commandjournal.h"
#include "journal.h"
#include "journalview.h"
#include "station.h"

#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>

JournalDock::JournalDock(Station *station, QMainWindow *window)
    : QDockWidget(tr("Journal"), window), m_journal(station->journal()),
      m_commands(station->commands()),
      m_view(new JournalView(m_journal->folder(), QDate::currentDate(), this))
{
    setObjectName(QStringLiteral("journalDock"));
    setWidget(m_view);
    // Shown a moment later: the command the line is about goes out first.
    connect(m_journal, &Journal::appended, m_view, &JournalView::addLine, Qt::QueuedConnection);
    m_view->reload();

    window->addDockWidget(Qt::BottomDockWidgetArea, this);
    hide();
    // A link, not a button: the status bar keeps the height the window's
    // first size is made for.
    auto *show =
        new QLabel(QStringLiteral("<a href=\"journal\">%1</a>").arg(tr("Journal")), window);
    show->setObjectName(QStringLiteral("journalLink"));
    show->setToolTip(tr("Show or hide the journal of what was done"));
    connect(show, &QLabel::linkActivated, this, [this] { setVisible(!isVisible()); });
    window->statusBar()->addPermanentWidget(show);
}

JournalDock::~JournalDock() = default;

QString JournalDock::aboutToSave(const QString &path)
{
    return m_commands->messageSaving(path);
}

void JournalDock::saved(const QString &path)
{
    m_commands->messageSaved(path);
    emit messageSaved(path);
}
