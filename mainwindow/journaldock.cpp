// SPDX-License-Identifier: GPL-3.0-or-later
#include "journaldock.h"

#include "commandjournal.h"
#include "eventlog.h"
#include "journal.h"
#include "journalview.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>
#include <QTemporaryFile>

namespace {

// Empty for a file that is not there or cannot be read.
QString fileSha256(const QString &path)
{
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return QString();
    return QString::fromLatin1(hash.result().toHex());
}

} // namespace

JournalDock::JournalDock(Fleet *fleet, EventLog *log, QMainWindow *window)
    : QDockWidget(tr("Journal"), window), m_journal(new Journal(QStringLiteral("journal"), this)),
      m_commands(new CommandJournal(fleet, m_journal, this)),
      m_view(new JournalView(m_journal->folder(), QDate::currentDate(), this))
{
    setObjectName(QStringLiteral("journalDock"));
    setWidget(m_view);
    // Shown a moment later: the command the line is about goes out first.
    connect(m_journal, &Journal::appended, m_view, &JournalView::addLine, Qt::QueuedConnection);
    connect(m_commands, &CommandJournal::problem, log,
            [log](const QString &text) { log->add(EventLog::Level::Problem, text); });
    m_commands->open();
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
    m_before.insert(path, fileSha256(path));
    if (!m_commands->failsClosed())
        return QString();
    // The line is written after the save, when the new SHA-256 is known:
    // make sure first that it can be.
    QTemporaryFile probe(m_journal->folder() + QStringLiteral("/probe-XXXXXX"));
    if (!QDir().mkpath(m_journal->folder()) || !probe.open() || probe.write("x", 1) != 1 ||
        !probe.flush())
        return tr("%1 is not saved: the journal cannot be written (%2).")
            .arg(QDir::toNativeSeparators(path), probe.errorString());
    return QString();
}

void JournalDock::saved(const QString &path)
{
    const QString refused =
        m_commands->record(QStringLiteral("message saved"),
                           {{QStringLiteral("file"), QFileInfo(path).fileName()},
                            {QStringLiteral("path"), QDir::current().relativeFilePath(path)},
                            {QStringLiteral("sha256Before"), m_before.take(path)},
                            {QStringLiteral("sha256After"), fileSha256(path)}});
    if (!refused.isEmpty())
        emit m_commands->problem(tr("%1 was saved, but: %2").arg(path, refused));
}
