// SPDX-License-Identifier: GPL-3.0-or-later
#include "korvexmainwindow.h"

#include "boundedread.h"
#include "controllog.h"
#include "controlstatusbar.h"
#include "devicebuttonlist.h"
#include "devicecopyqueue.h"
#include "devicefolder.h"
#include "deviceframehandler.h"
#include "devicestore.h"
#include "editwidget.h"
#include "eventlog.h"
#include "filerecord.h"
#include "graphicsscene.h"
#include "graphicsview.h"
#include "messagefile.h"
#include "messagefilelist.h"
#include "mydevicetoolbtn.h"
#include "networklog.h"
#include "printparameterwidget.h"
#include "serverport.h"
#include "tcpserver.h"
#include "ui_korvexmainwindow.h"
#include "usernotifier.h"

#include <QFile>
#include <QFileInfo>
#include <QGraphicsItem>
#include <QSet>
#include <QtEndian>

namespace {

const QString kMessageFolder = QStringLiteral("Spray");

} // namespace

KorvexMainWindow::KorvexMainWindow(QWidget *parent, quint16 port)
    : QMainWindow(parent), ui(std::make_unique<Ui::KorvexMainWindow>())
{
    ui->setupUi(this);
    m_statusBar = new ControlStatusBar(this);
    setStatusBar(m_statusBar);
    connect(ui->eventLog, &EventLog::eventAdded, m_statusBar, &ControlStatusBar::setLastEvent);

    m_tcpServer = new TcpServer(this, port);
    if (const std::optional<int> stored = DeviceStore::serverPort())
        ui->portLineEdit->setText(QString::number(*stored));
    m_devices = new DeviceButtonList(ui->scrollAreaWidgetContents, this);
    m_frames = new DeviceFrameHandler(this);
    m_files = new MessageFileList(ui->fileListWidget, kMessageFolder, this);
    m_copies = new DeviceCopyQueue(this);

    connect(this, &KorvexMainWindow::sendMsgToTcpServer, m_tcpServer, &TcpServer::sendMsgToSocket);
    connect(m_tcpServer, &TcpServer::receiveMsgFromSocket, m_frames, &DeviceFrameHandler::handle);
    connect(m_tcpServer, &TcpServer::addNewClientSocketSig, this,
            &KorvexMainWindow::deviceConnected);
    connect(m_tcpServer, &TcpServer::reduceClientSocketSig, this,
            &KorvexMainWindow::deviceDisconnected);
    connect(m_devices, &DeviceButtonList::buttonChecked, this, &KorvexMainWindow::deviceChecked);
    connect(m_devices, &DeviceButtonList::countChanged, m_statusBar,
            &ControlStatusBar::setCoderCount);
    connect(m_frames, &DeviceFrameHandler::currentFileReceived, this,
            &KorvexMainWindow::currentFileReceived);
    connect(m_frames, &DeviceFrameHandler::currentFileRefused, this,
            [this](int descriptor, const QString &reason) {
                const MyDeviceToolBtn *button = m_devices->find(descriptor);
                problem(tr("Current file of coder %1 not stored: %2")
                            .arg(button ? button->ipText() : QString::number(descriptor), reason));
            });
    // Only the checked coder's reply: a late reply of the coder checked before,
    // or a block from any other connection, would show that coder's settings
    // as this one's, and "Apply Print Parameter" would send them on.
    connect(m_frames, &DeviceFrameHandler::parametersReceived, ui->printParameterWidget,
            [this](int descriptor, const QByteArray &block) {
                if (descriptor != m_currentDescriptor) {
                    qCDebug(lcControl)
                        << "parameter reply of" << descriptor << "ignored: not the checked coder";
                    return;
                }
                ui->printParameterWidget->loadParameters(block);
            });
    connect(ui->printParameterWidget, &PrintParameterWidget::parametersRefused, this,
            [this](const QString &reason) {
                problem(tr("Print parameters not loaded: %1").arg(reason));
            });
    connect(m_frames, &DeviceFrameHandler::statusReceived, this, &KorvexMainWindow::statusReceived);
    connect(m_copies, &DeviceCopyQueue::copyFailed, this,
            [this](const QString &ipText, const QString &reason) {
                problem(tr("Copy for coder %1 failed: %2").arg(ipText, reason));
            });
    connect(m_files, &MessageFileList::selectionChanged, this, &KorvexMainWindow::updatePreview);
    setUpPreview();
    ui->containFileListWidget->hide();

    if (m_tcpServer->isListening()) {
        m_statusBar->setListeningPort(m_tcpServer->serverPort());
        note(tr("Listening for coders on port %1").arg(m_tcpServer->serverPort()));
    } else {
        startServer(port); // reports why it fails; the operator may choose another port
    }
    refreshFileList();
    // Something to look at from the start: the first message of the list.
    if (ui->fileListWidget->count() > 0)
        ui->fileListWidget->setCurrentRow(0);

    m_openEditor = [this](const QString &filePath, int mode) {
        auto *editor = new EditWidget(filePath, mode, this); // deletes itself when closed
        editor->exec();
    };
}

KorvexMainWindow::~KorvexMainWindow() = default;

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
    m_previewScene = new GraphicsScene(this);
    m_previewScene->setSceneRect(0, 0, 3000, 1200);
    m_previewScene->autoFitSceneRect = true;
    ui->graphicsView->setScene(m_previewScene);
    // Height 300, top-left, scale 0.22416666666666665, head mask 15,
    // millimetre rulers over the scene only, rubber band.
    ui->graphicsView->setupMessageView();
}

// Listens on port, reporting a failure with the port and the reason.
void KorvexMainWindow::startServer(quint16 port)
{
    QString reason;
    if (ServerPort::listen(*m_tcpServer, port, &reason)) {
        m_statusBar->setListeningPort(m_tcpServer->serverPort());
        note(tr("Listening for coders on port %1").arg(m_tcpServer->serverPort()));
        return;
    }
    m_statusBar->setListeningPort(0);
    problem(tr("Cannot listen on port %1: %2. No coder can connect; choose another port and "
               "press \"Built\".")
                .arg(port)
                .arg(reason));
}

void KorvexMainWindow::deviceConnected(int descriptor, const QString &ipText)
{
    QString error;
    if (!DeviceFolder::ensure(ipText, &error))
        problem(error);
    m_devices->add(descriptor, ipText);
    note(tr("Coder %1 connected").arg(ipText));
}

void KorvexMainWindow::deviceDisconnected(const QString &ipText, int descriptor)
{
    qCDebug(lcControl) << "descryption:" << ipText;
    // Only the connection that closed: another coder may share its address.
    m_devices->remove(descriptor);
    // The system hands the descriptor to the next connection.
    if (descriptor == m_currentDescriptor)
        m_currentDescriptor = -1;
    qCDebug(lcControl) << "some device disconnect!";
    note(tr("Coder %1 disconnected").arg(ipText));
}

void KorvexMainWindow::deviceChecked(MyDeviceToolBtn *button)
{
    m_currentDescriptor = button->descriptor();
    requestCurrentFile(m_currentDescriptor);
    requestParameters(m_currentDescriptor);
}

void KorvexMainWindow::currentFileReceived(int descriptor, const QString &name,
                                           const QByteArray &content)
{
    MyDeviceToolBtn *button = m_devices->find(descriptor);
    if (!button)
        return;
    button->setCurrentFile(name);
    QString error;
    if (!DeviceFolder::writeFile(button->ipText(), name, content, &error)) {
        problem(tr("Current file of coder %1 not stored: %2").arg(button->ipText(), error));
        return;
    }
    // Every coder's copy is kept; the preview shows the checked coder's.
    if (descriptor == m_currentDescriptor)
        showCoderFileInPreview(DeviceFolder::path(button->ipText()) + QLatin1Char('/') + name,
                               button->ipText());
}

namespace {

// Loads the message into the preview, where nothing moves or gets selected.
MessageFile::Result loadIntoPreview(GraphicsView *view, const QString &path)
{
    const MessageFile::Result result = view->loadFile(path);
    for (QGraphicsItem *item : view->scene()->items()) {
        item->setFlag(QGraphicsItem::ItemIsMovable, false);
        item->setFlag(QGraphicsItem::ItemIsSelectable, false);
    }
    return result;
}

} // namespace

void KorvexMainWindow::showCoderFileInPreview(const QString &path, const QString &ipText)
{
    // A message a coder sent is shown without a box that nobody at the PC
    // asked for: its problems go to the event log, so a coder cannot stack
    // boxes on the operator's screen.
    const MessageFile::Result result = loadIntoPreview(ui->graphicsView, path);
    for (const QString &text : {result.error, result.dataFileProblem}) {
        if (!text.isEmpty())
            problem(tr("Current message of coder %1: %2").arg(ipText, text));
    }
}

void KorvexMainWindow::statusReceived(int descriptor, const StatusReport &report)
{
    if (MyDeviceToolBtn *button = m_devices->find(descriptor)) {
        button->setState(MyDeviceToolBtn::stateForStatus(report.state, button->state()));
        button->setProgress(report.progress);
    }
}

void KorvexMainWindow::packFrame(quint8 command, const QByteArray &payload)
{
    m_sendBuffer.clear();
    m_sendBuffer.reserve(kFrameHeaderSize + 1 + payload.size());
    m_sendBuffer.append(kFrameHeaderSize, '\0');
    m_sendBuffer.append(char(command));
    m_sendBuffer.append(payload);
    qToBigEndian<qint32>(m_sendBuffer.size() - kFrameHeaderSize, m_sendBuffer.data());
    qCDebug(lcControl) << "data size is :" << payload.size();
    qCDebug(lcControl) << "send MSg size is :" << m_sendBuffer.size() - kFrameHeaderSize;
    qCDebug(lcControl) << "ex 20 bytes:" << m_sendBuffer.left(20).toHex();
}

void KorvexMainWindow::sendToChecked()
{
    for (MyDeviceToolBtn *button : m_devices->checkedButtons())
        emit sendMsgToTcpServer(button->descriptor(), m_sendBuffer);
}

void KorvexMainWindow::requestCurrentFile(int descriptor)
{
    packFrame(Command::CurrentFile, requestPayload());
    emit sendMsgToTcpServer(descriptor, m_sendBuffer);
}

void KorvexMainWindow::requestParameters(int descriptor)
{
    packFrame(Command::Parameters, requestPayload());
    emit sendMsgToTcpServer(descriptor, m_sendBuffer);
}

void KorvexMainWindow::on_startBtn_clicked()
{
    packFrame(Command::RunControl, runControlPayload(true));
    sendToChecked();
}

void KorvexMainWindow::on_StopBtn_clicked()
{
    packFrame(Command::RunControl, runControlPayload(false));
    sendToChecked();
}

void KorvexMainWindow::on_syncPrintParameterBtn_clicked()
{
    packFrame(Command::PrintParameters, ui->printParameterWidget->parameters().toBytes());
    sendToChecked();
}

void KorvexMainWindow::on_syncBtn_clicked()
{
    const QStringList selected = m_files->selectedNames();
    if (selected.isEmpty()) {
        UserNotifier::warning(this, tr("Warn"), tr("You must select a file! "));
        return;
    }
    const QString fileName = selected.first() + QStringLiteral(".spr");
    QFile file(m_files->pathOf(selected.first()));
    const auto refuse = [this, &file](const QString &reason) {
        const QString text =
            tr("Cannot read %1: %2. Nothing was sent.").arg(file.fileName(), reason);
        problem(text);
        UserNotifier::warning(this, tr("Warn"), text);
    };
    // A link in the folder may lead to a FIFO (open() would block the window)
    // or to a file no message is: neither goes out.
    const QFileInfo info(file.fileName());
    if (info.exists() && !info.isFile()) {
        refuse(tr("Not a plain file"));
        return;
    }
    const QString tooLarge =
        tr("The file is larger than %1 MiB").arg(MessageFile::kMaxFileBytes / (1024 * 1024));
    if (info.size() > MessageFile::kMaxFileBytes) {
        refuse(tooLarge);
        return;
    }
    // An unreadable file must not go out as an empty one: the coder would
    // lose the message it holds.
    if (!file.open(QIODevice::ReadOnly)) {
        refuse(file.errorString());
        return;
    }
    const QByteArray content = readAtMost(file, MessageFile::kMaxFileBytes);
    if (content.size() > MessageFile::kMaxFileBytes) {
        refuse(tooLarge);
        return;
    }
    QByteArray record;
    QString error;
    if (file.error() != QFileDevice::NoError ||
        !FileRecord::encode(fileName, content, &record, &error)) {
        const QString text = tr("Cannot send %1: %2. Nothing was sent.")
                                 .arg(fileName, error.isEmpty() ? file.errorString() : error);
        problem(text);
        UserNotifier::warning(this, tr("Warn"), text);
        return;
    }
    qCDebug(lcControl) << "filename size:" << fileName.toUtf8().size() << "filename :" << fileName
                       << "file size:" << content.size();
    qCDebug(lcControl) << "data ex 20:" << hexPreview(record, 30);
    packFrame(Command::FileTransfer, record);
    QSet<QString> copied; // coders behind one address share one folder
    for (MyDeviceToolBtn *button : m_devices->checkedButtons()) {
        const int descriptor = button->descriptor();
        emit sendMsgToTcpServer(descriptor, m_sendBuffer);
        // A coder that stopped reading is dropped when too much waits for it;
        // it did not get the file, so neither its button nor its folder may
        // say so.
        if (m_devices->find(descriptor) != button) {
            problem(tr("Coder %1 was dropped before it took %2.").arg(button->ipText(), fileName));
            continue;
        }
        button->setCurrentFile(fileName);
        // The copy holds exactly the bytes sent, replacing an older copy whole.
        if (!copied.contains(button->ipText())) {
            m_copies->enqueue(button->ipText(), fileName, content);
            copied.insert(button->ipText());
        }
    }
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
    showInPreview(path);
}

void KorvexMainWindow::updatePreview()
{
    const QStringList selected = m_files->selectedNames();
    ui->editToolBtn->setEnabled(!selected.isEmpty());
    for (const QString &name : selected)
        showInPreview(m_files->pathOf(name));
}

void KorvexMainWindow::showInPreview(const QString &path)
{
    const MessageFile::Result result = loadIntoPreview(ui->graphicsView, path);
    if (!result.error.isEmpty())
        UserNotifier::warning(this, MessageFile::boxTitle(), result.error);
    if (!result.dataFileProblem.isEmpty())
        UserNotifier::information(this, MessageFile::dataFileBoxTitle(), result.dataFileProblem);
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
    } else if (index == 0) {
        m_devices->setMultiSelect(false);
        ui->multiSelectbtn->setChecked(false);
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
        const QString text = tr("\"%1\" is not a port: enter a number from 1 to 65535. The "
                                "server keeps running as it was.")
                                 .arg(ui->portLineEdit->text());
        problem(text);
        UserNotifier::warning(this, tr("Warn"), text);
        return;
    }
    const quint16 previous = m_tcpServer->isListening() ? m_tcpServer->serverPort() : 0;
    m_tcpServer->close();
    QString reason;
    if (ServerPort::listen(*m_tcpServer, *port, &reason)) {
        DeviceStore::setServerPort(*port);
        m_statusBar->setListeningPort(m_tcpServer->serverPort());
        note(tr("Listening for coders on port %1").arg(*port));
        return;
    }
    QString text = tr("Cannot listen on port %1: %2.").arg(*port).arg(reason);
    if (previous) {
        text += QLatin1Char(' ') + tr("Back to port %1.").arg(previous);
        startServer(previous);
    } else {
        m_statusBar->setListeningPort(0);
    }
    problem(text);
    UserNotifier::warning(this, tr("Warn"), text);
}

void KorvexMainWindow::problem(const QString &text)
{
    ui->eventLog->add(EventLog::Level::Problem, text);
}

void KorvexMainWindow::note(const QString &text)
{
    ui->eventLog->add(EventLog::Level::Info, text);
}
