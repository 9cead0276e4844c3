// SPDX-License-Identifier: GPL-3.0-or-later
#include "korvexmainwindow.h"

#include "accesscontrol.h"
#include "applypreflight.h"
#include "cataloguetemplatefields.h"
#include "controllog.h"
#include "controlstatusbar.h"
#include "devicelistpanel.h"
#include "editwidget.h"
#include "eventlog.h"
#include "fleet.h"
#include "graphicsscene.h"
#include "graphicsview.h"
#include "helpbutton.h"
#include "jobservice.h"
#include "jobspanel.h"
#include "journaldock.h"
#include "messagefile.h"
#include "messagefilelist.h"
#include "messagepreview.h"
#include "printparameterwidget.h"
#include "prompts.h"
#include "readeralarmbar.h"
#include "remotejobs.h"
#include "remotelines.h"
#include "serverport.h"
#include "session.h"
#include "station.h"
#include "stationsettings.h"
#include "tcpserver.h"
#include "ui_korvexmainwindow.h"
#include "windowplaces.h"

#include <QDockWidget>
#include <QLabel>
#include <QStatusBar>

namespace {

const QString kMessageFolder = QString::fromLatin1(Station::kMessageFolder);

} // namespace

KorvexMainWindow::KorvexMainWindow(Station *station, QWidget *parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::KorvexMainWindow>()), m_station(station),
      m_fleet(station->fleet())
{
    ui->setupUi(this);
    m_statusBar = new ControlStatusBar(this);
    setStatusBar(m_statusBar);
    connect(ui->eventLog, &EventLog::eventAdded, m_statusBar, &ControlStatusBar::setLastEvent);

    m_journal = new JournalDock(station, this);
    m_access = new AccessControl(station->session(), ui->eventLog, this);
    connect(m_access, &AccessControl::changed, this, &KorvexMainWindow::updateEditButton);
    if (const std::optional<quint16> stored = station->settings()->port())
        ui->portLineEdit->setText(QString::number(*stored));
    m_devices = ui->deviceList;
    // Kept as soon as it changes, however the program ends.
    m_devices->setCompact(WindowPlaces::compactRows());
    connect(m_devices, &DeviceListPanel::compactChanged, this, &WindowPlaces::saveCompactRows);
    m_files = new MessageFileList(ui->fileListWidget, kMessageFolder, this);
    m_remote = new RemoteLines(m_devices->model(), station->session(), station->commands(),
                               ui->eventLog, this);
    connectFleet();
    connect(m_devices, &DeviceListPanel::coderChecked, this, &KorvexMainWindow::deviceChecked);
    connect(m_devices, &DeviceListPanel::countChanged, m_statusBar,
            &ControlStatusBar::setCoderCount);
    connect(
        m_devices, &DeviceListPanel::remarkNameEdited, m_fleet,
        [this](int descriptor, const QString &name) { m_fleet->setRemarkName(descriptor, name); });
    connect(ui->printParameterWidget, &PrintParameterWidget::parametersRefused, this,
            [this](const QString &reason) {
                problem(tr("Print parameters not loaded: %1").arg(reason));
            });
    connect(m_files, &MessageFileList::selectionChanged, this, &KorvexMainWindow::updatePreview);
    setUpPreview();
    connect(new HelpButton(ui->tabWidget, this), &HelpButton::refused, this,
            &KorvexMainWindow::refused);
    // The row of tool buttons keeps its height; the rest is the message's
    // and the event log's.
    ui->tabWidget->setMaximumHeight(ui->tabWidget->minimumHeight());
    ui->containFileListWidget->hide();

    refreshFileList();
    // Something to look at from the start: the first message of the list.
    if (ui->fileListWidget->count() > 0)
        ui->fileListWidget->setCurrentRow(0);

    m_openEditor = [this](const QString &filePath, int mode) {
        auto *editor = new EditWidget(filePath, mode, this); // deletes itself when closed
        editor->setSaveObserver(m_journal);
        editor->setTemplateFields(m_templateFields.get());
        Prompts::exec(editor);
    };
}

KorvexMainWindow::~KorvexMainWindow()
{
    WindowPlaces::save(this, {ui->mainSplitter, ui->previewSplitter});
}

void KorvexMainWindow::connectFleet()
{
    connect(m_station, &Station::note, this, &KorvexMainWindow::note);
    connect(m_station, &Station::problem, this, &KorvexMainWindow::problem);
    connect(m_fleet, &Fleet::listeningChanged, m_statusBar, &ControlStatusBar::setListeningPort);
    // The port in use shows in the empty box; a stored port stands in it.
    connect(m_fleet, &Fleet::listeningChanged, this, [this](quint16 port) {
        ui->portLineEdit->setPlaceholderText(port ? QString::number(port) : QString());
    });
    m_devices->follow(m_fleet);
    connect(m_fleet, &Fleet::coderRemoved, this, [this](int descriptor) {
        // The system hands the descriptor to the next connection.
        if (descriptor == m_currentDescriptor)
            m_currentDescriptor = -1;
    });
    connect(m_fleet, &Fleet::currentFileStored, this, &KorvexMainWindow::coderFileStored);
    connect(m_fleet, &Fleet::readBackChanged, this, [this](int descriptor) {
        if (const Coder *coder = m_fleet->coder(descriptor))
            m_preview->showReadBack(*coder);
    });
    connect(m_fleet, &Fleet::parametersReceived, this, &KorvexMainWindow::parametersReceived);
}

void KorvexMainWindow::setJobService(JobService *service)
{
    if (!m_jobs && service) {
        m_jobs = new JobsPanel(m_station, m_devices, this);
        m_jobs->remoteJobs()->setLines(m_remote);
        connect(m_jobs, &JobsPanel::problem, this, &KorvexMainWindow::problem);
        connect(m_jobs, &JobsPanel::note, this, &KorvexMainWindow::note);
        auto *dock = new QDockWidget(tr("Jobs"), this);
        dock->setObjectName(QStringLiteral("jobsDock"));
        dock->setWidget(m_jobs);
        addDockWidget(Qt::RightDockWidgetArea, dock);
        // Where jobs are the way to send, the view is open from the start;
        // else it gives the coders' panel its room until it is asked for.
        dock->setVisible(m_station->settings()->jobsEnabled());
        auto *link = new QLabel(QStringLiteral("<a href=\"jobs\">%1</a>").arg(tr("Jobs")), this);
        link->setObjectName(QStringLiteral("jobsLink"));
        link->setToolTip(tr("Show or hide the jobs view"));
        connect(link, &QLabel::linkActivated, dock,
                [dock] { dock->setVisible(!dock->isVisible()); });
        statusBar()->addPermanentWidget(link);
    }
    if (m_jobs)
        m_jobs->setJobService(service);
    m_templateFields.reset(service ? new CatalogueTemplateFields(service->catalogue()) : nullptr);
}

void KorvexMainWindow::setReaderService(ReaderService *service)
{
    auto *bar = new ReaderAlarmBar(m_station, service, this);
    ui->centralLayout->insertWidget(0, bar);
    connect(bar, &ReaderAlarmBar::problem, this, &KorvexMainWindow::problem);
    connect(bar, &ReaderAlarmBar::note, this, &KorvexMainWindow::note);
}

TcpServer *KorvexMainWindow::server() const
{
    return m_fleet->server();
}

GraphicsScene *KorvexMainWindow::previewScene() const
{
    return m_preview->scene();
}

GraphicsView *KorvexMainWindow::previewView() const
{
    return ui->graphicsView;
}

PrintParameterWidget *KorvexMainWindow::parameterPanel() const
{
    return ui->printParameterWidget;
}

EventLog *KorvexMainWindow::eventLog() const
{
    return ui->eventLog;
}

void KorvexMainWindow::setUpPreview()
{
    m_preview = new MessagePreview(ui->graphicsView, ui->previewCaption, this);
    connect(m_preview, &MessagePreview::problem, this, &KorvexMainWindow::problem);
    // All four heads in the preview (1200 dots at the preview's scale under
    // the ruler), the whole parameter panel below it.
    ui->previewSplitter->setStretchFactor(0, 0);
    ui->previewSplitter->setStretchFactor(2, 1);
    ui->previewSplitter->setSizes(
        {ui->previewCaption->sizeHint().height() + MessagePreview::kViewHeight, 1,
         ui->printParameterWidget->sizeHint().height()});
    // The event log opens as high as it asks to be; the rest is the top's.
    ui->mainSplitter->setStretchFactor(0, 1);
    ui->mainSplitter->setStretchFactor(1, 0);
    WindowPlaces::restore(this, {ui->mainSplitter, ui->previewSplitter});
}

void KorvexMainWindow::deviceChecked(int descriptor)
{
    m_currentDescriptor = descriptor;
    m_fleet->requestCurrentFile(m_currentDescriptor);
    m_fleet->requestParameters(m_currentDescriptor);
}

// Every coder's copy is kept; the preview shows the checked coder's.
void KorvexMainWindow::coderFileStored(int descriptor, const QString &path)
{
    const Coder *coder = m_fleet->coder(descriptor);
    if (coder && descriptor == m_currentDescriptor)
        m_preview->showCoderFile(path, *coder);
}

// Only the checked coder's reply: a late reply of the coder checked before,
// or a block from any other connection, would show that coder's settings as
// this one's, and "Apply Print Parameter" would send them on.
void KorvexMainWindow::parametersReceived(int descriptor, const QByteArray &block)
{
    if (descriptor != m_currentDescriptor) {
        qCDebug(lcControl) << "parameter reply of" << descriptor
                           << "ignored: not the checked coder";
        return;
    }
    ui->printParameterWidget->loadParameters(block);
}

void KorvexMainWindow::on_startBtn_clicked()
{
    if (const auto local =
            m_remote->take(RemoteLines::Order::Start, m_devices->checkedDescriptors()))
        m_fleet->start(*local);
}

void KorvexMainWindow::on_StopBtn_clicked()
{
    if (const auto local =
            m_remote->take(RemoteLines::Order::Stop, m_devices->checkedDescriptors()))
        m_fleet->stop(*local);
}

void KorvexMainWindow::on_syncPrintParameterBtn_clicked()
{
    const QByteArray block = ui->printParameterWidget->parameters().toBytes();
    if (const auto local = m_remote->take(RemoteLines::Order::Parameters,
                                          m_devices->checkedDescriptors(), QString(), block))
        m_fleet->applyParameters(block, *local);
}

void KorvexMainWindow::on_syncBtn_clicked()
{
    const QStringList selected = m_files->selectedNames();
    if (selected.isEmpty()) {
        Prompts::warning(this, tr("Warn"), tr("You must select a file! "));
        return;
    }
    const QString path = m_files->pathOf(selected.first());
    // Another line's station checks the message for its own coders.
    const std::optional<QList<int>> local = m_remote->take(
        RemoteLines::Order::Apply, m_devices->checkedDescriptors(), selected.first());
    if (!local)
        return;
    const QList<int> coders = *local;
    const std::optional<Station::Findings> findings =
        ApplyPreflight::confirm(this, path, *m_station, coders, m_preview->sceneOf(path),
                                m_access->session()->refusal(Permission::SendAnyway));
    if (!findings) {
        note(tr("%1 was not sent: the pre-flight check found problems.").arg(path));
        return;
    }
    const CommandResult result = m_station->apply(path, coders, {}, *findings);
    if (!result.ok)
        Prompts::warning(this, tr("Warn"), result.error);
}

void KorvexMainWindow::on_newFileBtn_clicked()
{
    m_openEditor(QString(), 2);
    refreshFileList();
}

void KorvexMainWindow::on_editToolBtn_clicked()
{
    const QStringList selected = m_files->selectedNames();
    if (selected.isEmpty())
        return;
    const QString path = m_files->pathOf(selected.first());
    m_openEditor(path, 0);
    m_preview->showFile(path);
}

void KorvexMainWindow::updatePreview()
{
    const QStringList selected = m_files->selectedNames();
    ui->editToolBtn->setEnabled(!selected.isEmpty() && m_access->permits(Permission::EditMessages));
    for (const QString &name : selected)
        m_preview->showFile(m_files->pathOf(name));
}

void KorvexMainWindow::updateEditButton()
{
    ui->editToolBtn->setEnabled(!m_files->selectedNames().isEmpty() &&
                                m_access->permits(Permission::EditMessages));
}

void KorvexMainWindow::refreshFileList()
{
    m_files->refresh();
}

void KorvexMainWindow::on_tabWidget_currentChanged(int index)
{
    if (index == 1) {
        ui->containFileListWidget->show();
        ui->parameterScrollArea->hide();
        refreshFileList();
        // The checked coders stay; the tab's Multi Select shows the list's mode.
        ui->multiSelectbtn->setChecked(ui->multiSelectbtnForParameter->isChecked());
    } else if (index == 0) {
        // Back to single-select, both Multi Select buttons showing so.
        m_devices->setMultiSelect(false);
        ui->multiSelectbtn->setChecked(false);
        ui->multiSelectbtnForParameter->setChecked(false);
        ui->containFileListWidget->hide();
        ui->parameterScrollArea->show();
    } else {
        ui->containFileListWidget->hide();
    }
}

void KorvexMainWindow::on_multiSelectbtn_clicked()
{
    m_devices->setMultiSelect(ui->multiSelectbtn->isChecked());
}

void KorvexMainWindow::on_multiSelectbtnForParameter_toggled(bool checked)
{
    m_devices->setMultiSelect(checked);
}

void KorvexMainWindow::on_builtBtn_clicked()
{
    const std::optional<quint16> port = ServerPort::parse(ui->portLineEdit->text());
    if (!port) {
        refused(tr("\"%1\" is not a port: enter a number from 1 to 65535. The server keeps "
                   "running as it was.")
                    .arg(ui->portLineEdit->text()));
        return;
    }
    const CommandResult result = m_fleet->rebind(*port);
    if (!result.ok)
        Prompts::warning(this, tr("Warn"), result.error);
}

// A refusal of the window's own: in the log and in a box.
void KorvexMainWindow::refused(const QString &text)
{
    problem(text);
    Prompts::warning(this, tr("Warn"), text);
}

void KorvexMainWindow::problem(const QString &text)
{
    ui->eventLog->add(EventLog::Level::Problem, text);
}

void KorvexMainWindow::note(const QString &text)
{
    ui->eventLog->add(EventLog::Level::Info, text);
}
