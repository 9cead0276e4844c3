// SPDX-License-Identifier: GPL-3.0-or-later
#include "productslink.h"

#include "eventlog.h"
#include "jobrunner.h"
#include "jobservice.h"
#include "journal.h"
#include "journaldock.h"
#include "korvexmainwindow.h"
#include "productsdialog.h"
#include "prompts.h"
#include "session.h"
#include "station.h"
#include "templatesigning.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QStatusBar>

ProductsLink::ProductsLink(KorvexMainWindow *window, JobService *jobs)
    : QObject(window), m_window(window), m_jobs(jobs),
      m_link(new QLabel(QStringLiteral("<a href=\"products\">%1</a>").arg(tr("Products")), window))
{
    m_link->setObjectName(QStringLiteral("productsLink"));
    m_link->setToolTip(tr("Products, template approvals and batch records"));
    connect(m_link, &QLabel::linkActivated, this, &ProductsLink::open);
    window->statusBar()->addPermanentWidget(m_link);
    connect(window->journal(), &JournalDock::messageSaved, this, &ProductsLink::designerSaved);
}

ProductsLink::~ProductsLink() = default;

void ProductsLink::open()
{
    Session *session = m_window->station()->session();
    const QString refusal = session->refusal(Permission::EditProducts);
    if (!refusal.isEmpty()) {
        Prompts::warning(m_window, tr("Products"), refusal);
        return;
    }
    if (!m_jobs->catalogue()->isOpen()) {
        Prompts::warning(
            m_window, tr("Products"),
            tr("The catalogue is not open (%1); it is tried again.").arg(m_jobs->where()));
        return;
    }
    ProductsDialog dialog(m_jobs->catalogue(), session, m_window->station()->commands(),
                          QString::fromLatin1(Station::kMessageFolder),
                          QString::fromLatin1(JobRunner::kJobFolder), m_window);
    Prompts::exec(&dialog);
}

void ProductsLink::designerSaved(const QString &path)
{
    // Templates are the messages of the messages folder.
    if (QFileInfo(path).absoluteDir() != QDir(QString::fromLatin1(Station::kMessageFolder)))
        return;
    Session *session = m_window->station()->session();
    const QString user = session->signedIn() ? session->userName() : Journal::systemUserName();
    const QString error = m_jobs->catalogue()->isOpen()
                              ? TemplateSigning::recordSave(*m_jobs->catalogue(), path, user)
                              : tr("the catalogue is not open");
    if (!error.isEmpty())
        m_window->eventLog()->add(
            EventLog::Level::Problem,
            tr("The save of %1 is not in the catalogue (%2): anyone may sign this version.")
                .arg(QFileInfo(path).fileName(), error));
}
