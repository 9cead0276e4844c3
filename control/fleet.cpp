// SPDX-License-Identifier: GPL-3.0-or-later
#include "fleet.h"

#include "boundedread.h"
#include "commandtext.h"
#include "controlcharacter.h"
#include "controllog.h"
#include "devicecopyqueue.h"
#include "devicefolder.h"
#include "filerecord.h"
#include "networklog.h"
#include "printparameters.h"
#include "protocol.h"
#include "serverport.h"
#include "stationsettings.h"
#include "tcpserver.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTimer>

namespace {

QString sha256Hex(const QByteArray &bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

} // namespace

Fleet::Fleet(QObject *parent)
    : QObject(parent), m_server(new TcpServer(this)), m_copies(new DeviceCopyQueue(this)),
      m_ownSettings(std::make_unique<StationSettings>()), m_settings(m_ownSettings.get())
{
    qRegisterMetaType<CoderState>();
    qRegisterMetaType<ReadBack>();
    qRegisterMetaType<CommandResult>();
    connect(m_server, &TcpServer::addNewClientSocketSig, this, &Fleet::coderConnected);
    connect(m_server, &TcpServer::reduceClientSocketSig, this, &Fleet::coderDisconnected);
    m_server->setFrameHandler(
        [this](int descriptor, const QByteArray &body) { handleFrame(descriptor, body); });
    // A coder's header that lies about its length costs its connection at
    // once; it reconnects and is taken back.
    m_server->setBodyLimit(&maxBodyFromCoder);
    m_server->setFrameRateLimit(kMaxFramesPerSecond);
    connect(m_copies, &DeviceCopyQueue::copyFailed, this,
            [this](const QString &ipText, const QString &reason) {
                emit problem(tr("Copy for coder %1 failed: %2").arg(ipText, reason));
            });
}

Fleet::~Fleet() = default;

void Fleet::setSettings(StationSettings *settings)
{
    m_settings = settings ? settings : m_ownSettings.get();
}

quint16 Fleet::listeningPort() const
{
    return m_server->isListening() ? m_server->serverPort() : 0;
}

const Coder *Fleet::coder(int descriptor) const
{
    const auto found = m_coders.constFind(descriptor);
    return found == m_coders.constEnd() ? nullptr : &found.value();
}

CommandResult Fleet::listen(quint16 port)
{
    QString reason;
    if (ServerPort::listen(*m_server, port, &reason)) {
        emit listeningChanged(listeningPort());
        emit note(tr("Listening for coders on port %1").arg(listeningPort()));
        CommandResult result;
        result.action = CommandResult::Action::Listen;
        return result;
    }
    emit listeningChanged(0);
    return finish(CommandResult::failed(
        CommandResult::Action::Listen,
        tr("Cannot listen on port %1: %2. No coder can connect; choose another port and press "
           "\"Built\".")
            .arg(port)
            .arg(reason)));
}

CommandResult Fleet::rebind(quint16 port, const CommandOrigin &origin)
{
    const quint16 previous = listeningPort();
    CommandRecord command;
    command.action = CommandResult::Action::Listen;
    command.previousPort = previous;
    command.port = port;
    command.origin = origin;
    if (const std::optional<CommandResult> refused = refusal(command))
        return *refused;
    m_server->close();
    QString reason;
    if (ServerPort::listen(*m_server, port, &reason)) {
        const QString unkept = m_settings->setPort(port);
        if (!unkept.isEmpty())
            emit problem(unkept);
        emit listeningChanged(listeningPort());
        emit note(tr("Listening for coders on port %1").arg(port));
        CommandResult result;
        result.action = CommandResult::Action::Listen;
        if (m_recorder)
            m_recorder->after(command, result);
        return result;
    }
    QString text = tr("Cannot listen on port %1: %2.").arg(port).arg(reason);
    if (previous) {
        text += QLatin1Char(' ') + tr("Back to port %1.").arg(previous);
        listen(previous);
    } else {
        emit listeningChanged(0);
    }
    const CommandResult failed = CommandResult::failed(CommandResult::Action::Listen, text);
    if (m_recorder)
        m_recorder->after(command, failed);
    return finish(failed);
}

CommandResult Fleet::apply(const QString &path, const QList<int> &descriptors,
                           const CommandOrigin &origin)
{
    const auto Apply = CommandResult::Action::Apply;
    const QString fileName = QFileInfo(path).fileName();
    const auto refuse = [&](const QString &reason) {
        return finish(CommandResult::failed(
            Apply, tr("Cannot read %1: %2. Nothing was sent.").arg(path, reason)));
    };
    // A link in the folder may lead to a FIFO or to a file no message is:
    // neither goes out.  An unreadable file must not go out as an empty one
    // either: the coder would lose the message it holds.
    const PlainFile read = PlainFile::read(path, kMaxMessageBytes);
    switch (read.problem) {
    case PlainFile::Problem::None:
        break;
    case PlainFile::Problem::NotPlain:
        return refuse(tr("Not a plain file"));
    case PlainFile::Problem::TooLarge:
        return refuse(tr("The file is larger than %1 MiB").arg(kMaxMessageBytes / (1024 * 1024)));
    case PlainFile::Problem::CannotOpen:
        return refuse(read.error);
    case PlainFile::Problem::ReadFailed:
        return finish(CommandResult::failed(
            Apply, tr("Cannot send %1: %2. Nothing was sent.").arg(fileName, read.error)));
    }
    const QByteArray &content = read.bytes;
    QByteArray record;
    QString error;
    if (!FileRecord::encode(fileName, content, &record, &error))
        return finish(CommandResult::failed(
            Apply, tr("Cannot send %1: %2. Nothing was sent.").arg(fileName, error)));
    qCDebug(lcControl) << "filename size:" << fileName.toUtf8().size() << "filename :" << fileName
                       << "file size:" << content.size();
    qCDebug(lcControl) << "data ex 20:" << hexPreview(record, 30);

    const QByteArray frame = packFrame(Command::FileTransfer, record);
    const QString sha256 = sha256Hex(content);
    CommandRecord command = recordFor(Apply, descriptors, origin);
    command.fileName = fileName;
    command.sha256 = sha256;
    command.bytes = content.size();
    if (const std::optional<CommandResult> refused = refusal(command))
        return *refused;
    CommandResult result;
    result.action = Apply;
    QSet<QString> copied; // coders behind one address share one folder
    for (const Coder &target : qAsConst(command.coders)) {
        const int descriptor = target.descriptor;
        if (!m_coders.contains(descriptor))
            continue;
        const QString ipText = m_coders.value(descriptor).ipText;
        // A coder that stopped reading is dropped when too much waits for
        // it; it did not get the file, so neither its record nor its folder
        // may say so.
        if (!sendTo(descriptor, frame)) {
            result.problems << tr("Coder %1 was dropped before it took %2.").arg(ipText, fileName);
            continue;
        }
        result.reached << descriptor;
        Coder &sent = m_coders[descriptor];
        sent.currentFile = fileName;
        sent.currentFileSha256 = sha256;
        sent.sentFile = fileName;
        sent.sentSha256 = sha256;
        emit currentFileChanged(descriptor, fileName);
        // The copy holds exactly the bytes sent, replacing an older copy whole.
        if (!copied.contains(ipText)) {
            m_copies->enqueue(ipText, fileName, content);
            copied.insert(ipText);
        }
    }
    const CommandResult done = finish(command, result);
    for (int descriptor : qAsConst(result.reached))
        startReadBack(descriptor);
    return done;
}

void Fleet::startReadBack(int descriptor)
{
    const auto found = m_coders.find(descriptor);
    if (found == m_coders.end())
        return;
    const quint32 serial = ++found->sendSerial;
    found->readBack = ReadBack::Pending;
    found->readBackTime = QDateTime();
    emit readBackChanged(descriptor, ReadBack::Pending);
    requestCurrentFile(descriptor);
    QTimer::singleShot(m_readBackTimeoutMs, this, [this, descriptor, serial] {
        const auto waiting = m_coders.find(descriptor);
        if (waiting == m_coders.end() || waiting->sendSerial != serial ||
            waiting->readBack != ReadBack::Pending)
            return;
        waiting->readBack = ReadBack::NoAnswer;
        waiting->readBackTime = QDateTime::currentDateTimeUtc();
        const QString name = waiting->connectionName, file = waiting->sentFile;
        emit readBackChanged(descriptor, ReadBack::NoAnswer);
        emit problem(tr("Coder %1 did not report its message after %2 was sent: not verified.")
                         .arg(name, file));
    });
}

CommandResult Fleet::applyParameters(const QByteArray &block, const QList<int> &descriptors,
                                     const CommandOrigin &origin)
{
    CommandRecord command = recordFor(CommandResult::Action::Parameters, descriptors, origin);
    command.parameters = PrintParameters::fromBytes(block);
    return sendToAll(command, packFrame(Command::PrintParameters, block));
}

CommandResult Fleet::start(const QList<int> &descriptors, const CommandOrigin &origin)
{
    return sendToAll(recordFor(CommandResult::Action::Start, descriptors, origin),
                     packFrame(Command::RunControl, runControlPayload(true)));
}

CommandResult Fleet::stop(const QList<int> &descriptors, const CommandOrigin &origin)
{
    return sendToAll(recordFor(CommandResult::Action::Stop, descriptors, origin),
                     packFrame(Command::RunControl, runControlPayload(false)));
}

void Fleet::requestCurrentFile(int descriptor)
{
    sendTo(descriptor, packFrame(Command::CurrentFile, requestPayload()));
}

void Fleet::requestParameters(int descriptor)
{
    sendTo(descriptor, packFrame(Command::Parameters, requestPayload()));
}

CommandResult Fleet::setRemarkName(int descriptor, const QString &name, const CommandOrigin &origin)
{
    CommandRecord command = recordFor(CommandResult::Action::RemarkName, {descriptor}, origin);
    CommandResult result;
    result.action = command.action;
    if (command.coders.isEmpty() || command.coders.first().remarkName == name)
        return result;
    command.remarkName = name;
    // Shown in every list and journal line: a new name holds no control
    // character; one stored before stays as it is.
    if (hasControlCharacter(name))
        return finish(CommandResult::failed(
            command.action,
            tr("A remark name cannot hold control characters. The name stays as it was.")));
    if (const std::optional<CommandResult> refused = refusal(command))
        return *refused;
    const QString ipText = command.coders.first().ipText;
    const QString unkept = m_settings->setRemarkName(ipText, name);
    if (!unkept.isEmpty())
        emit problem(unkept);
    for (Coder &coder : m_coders) {
        if (coder.ipText == ipText)
            coder.remarkName = name;
    }
    result.reached << descriptor;
    emit remarkNameChanged(ipText, name);
    return finish(command, result);
}

CommandRecord Fleet::recordFor(CommandResult::Action action, const QList<int> &descriptors,
                               const CommandOrigin &origin) const
{
    CommandRecord command;
    command.action = action;
    command.origin = origin;
    for (const int descriptor : descriptors) {
        if (const Coder *coder = this->coder(descriptor))
            command.coders << *coder;
    }
    return command;
}

std::optional<CommandResult> Fleet::refusal(const CommandRecord &command)
{
    if (command.action != CommandResult::Action::Listen && command.coders.isEmpty()) {
        emit note(tr("%1: no coder chosen; nothing was sent.")
                      .arg(CommandText::actionName(command.action)));
        CommandResult result;
        result.action = command.action;
        emit commandDone(result);
        return result;
    }
    if (command.action == CommandResult::Action::Start && m_startGate) {
        QStringList gated;
        for (const Coder &coder : command.coders) {
            const QString why = m_startGate(coder);
            if (!why.isEmpty())
                gated << why;
        }
        if (!gated.isEmpty()) {
            const CommandResult refused = CommandResult::failed(
                command.action, tr("Not started: %1 Nothing was sent.").arg(gated.join(' ')));
            if (m_recorder)
                m_recorder->after(command, refused);
            return finish(refused);
        }
    }
    QString reason = m_recorder ? m_recorder->before(command) : QString();
    if (reason.isEmpty())
        return std::nullopt;
    if (reason.endsWith(QLatin1Char('.')))
        reason.chop(1);
    const QString outcome = command.action == CommandResult::Action::Listen
                                ? tr("%1. The port stays as it was.").arg(reason)
                            : command.action == CommandResult::Action::RemarkName
                                ? tr("%1. The name stays as it was.").arg(reason)
                                : tr("%1. Nothing was sent.").arg(reason);
    return finish(CommandResult::failed(command.action, outcome));
}

CommandResult Fleet::sendToAll(const CommandRecord &command, const QByteArray &frame)
{
    if (const std::optional<CommandResult> refused = refusal(command))
        return *refused;
    qCDebug(lcControl) << "send MSg size is :" << frame.size() - kFrameHeaderSize;
    qCDebug(lcControl) << "ex 20 bytes:" << frame.left(20).toHex();
    CommandResult result;
    result.action = command.action;
    for (const Coder &target : command.coders) {
        if (sendTo(target.descriptor, frame))
            result.reached << target.descriptor;
        else
            result.problems
                << tr("Coder %1 was dropped before it took the command.").arg(target.ipText);
    }
    return finish(command, result);
}

// False when the connection is gone afterwards: it was dropped for what
// still waits for it.
bool Fleet::sendTo(int descriptor, const QByteArray &frame)
{
    if (!m_coders.contains(descriptor))
        return false;
    m_server->sendMsgToSocket(descriptor, frame);
    return m_coders.contains(descriptor);
}

CommandResult Fleet::finish(const CommandRecord &command, const CommandResult &result)
{
    for (const QString &line : CommandText::done(command, result))
        emit note(line);
    if (m_recorder)
        m_recorder->after(command, result);
    return finish(result);
}

CommandResult Fleet::finish(CommandResult result)
{
    if (!result.ok)
        emit problem(result.error);
    for (const QString &text : qAsConst(result.problems))
        emit problem(text);
    emit commandDone(result);
    return result;
}

void Fleet::coderConnected(int descriptor, const QString &ipText)
{
    QString error;
    if (!DeviceFolder::ensure(ipText, &error))
        emit problem(error);
    Coder coder;
    coder.descriptor = descriptor;
    coder.ipText = ipText;
    coder.remarkName = m_settings->remarkName(ipText);
    coder.connectionName = ipText;
    for (int ordinal = 2; isConnectionName(coder.connectionName); ++ordinal)
        coder.connectionName = QStringLiteral("%1_%2").arg(ipText).arg(ordinal);
    m_coders.insert(descriptor, coder);
    m_order.append(descriptor);
    emit coderAdded(descriptor);
    emit note(tr("Coder %1 connected").arg(coder.connectionName));
}

bool Fleet::isConnectionName(const QString &name) const
{
    for (const Coder &coder : m_coders) {
        if (coder.connectionName == name)
            return true;
    }
    return false;
}

void Fleet::coderDisconnected(const QString &ipText, int descriptor)
{
    // Only the connection that closed: another coder may share its address.
    const QString name = m_coders.value(descriptor).connectionName;
    if (!m_coders.remove(descriptor))
        return;
    m_order.removeOne(descriptor);
    qCDebug(lcControl) << "descryption:" << ipText;
    qCDebug(lcControl) << "some device disconnect!";
    emit coderRemoved(descriptor, ipText);
    emit note(tr("Coder %1 disconnected").arg(name));
}

void Fleet::handleFrame(int descriptor, const QByteArray &body)
{
    const auto found = m_coders.find(descriptor);
    if (body.isEmpty() || found == m_coders.end())
        return;
    const quint8 command = quint8(body.at(0));
    const QByteArray payload = body.mid(1);
    qCDebug(lcControl) << "descryption :" << descriptor;
    qCDebug(lcControl) << "data:" << hexPreview(payload);
    switch (command) {
    case Command::CurrentFile:
        currentFileReceived(*found, payload);
        break;
    case Command::Parameters:
        found->parameterBlock = payload;
        emit parametersReceived(descriptor, payload);
        break;
    case Command::StatusReport:
        statusReceived(*found, payload);
        break;
    default:
        break;
    }
}

void Fleet::currentFileReceived(Coder &coder, const QByteArray &payload)
{
    // Signals may reach a receiver that drops the record: copy what is used after them.
    const int descriptor = coder.descriptor;
    const QString ipText = coder.ipText;
    FileRecord record;
    QString error;
    if (!FileRecord::parseCurrentFile(payload, &record, &error)) {
        emit problem(tr("Current file of coder %1 not stored: %2").arg(ipText, error));
        return;
    }
    coder.currentFile = record.name;
    coder.currentFileSha256 = sha256Hex(record.content);
    // Every report after a send tells whether the coder holds what was sent.
    std::optional<ReadBack> readBack;
    QString mismatch;
    if (!coder.sentSha256.isEmpty()) {
        const bool same =
            record.name == coder.sentFile && coder.currentFileSha256 == coder.sentSha256;
        readBack = same ? ReadBack::Verified : ReadBack::Mismatch;
        if (!same)
            mismatch = tr("Coder %1 holds another message than was sent: sent %2 (SHA-256 %3), "
                          "holds %4 (SHA-256 %5).")
                           .arg(coder.connectionName, coder.sentFile, coder.sentSha256, record.name,
                                coder.currentFileSha256);
        coder.readBack = *readBack;
        coder.readBackTime = QDateTime::currentDateTimeUtc();
    }
    emit currentFileChanged(descriptor, record.name);
    if (readBack && m_coders.contains(descriptor))
        emit readBackChanged(descriptor, *readBack);
    if (!mismatch.isEmpty())
        emit problem(mismatch);
    if (!DeviceFolder::writeFile(ipText, record.name, record.content, &error)) {
        emit problem(tr("Current file of coder %1 not stored: %2").arg(ipText, error));
        return;
    }
    emit currentFileStored(descriptor, DeviceFolder::path(ipText) + QLatin1Char('/') + record.name);
}

void Fleet::statusReceived(Coder &coder, const QByteArray &payload)
{
    const StatusReport report = parseStatusReport(payload);
    // The first known state is always told, so views need not guess a start;
    // a state byte of no meaning tells nothing.
    const bool known = report.state <= quint8(CoderState::Ready);
    const CoderState state = coderStateFor(report.state, coder.state);
    const bool stateMoved = known && (!coder.stateReported || state != coder.state);
    const int progress = qBound(0, int(report.progress), 100);
    const bool progressMoved = progress != coder.progress;
    coder.stateReported = coder.stateReported || known;
    coder.state = state;
    coder.progress = progress;
    const int descriptor = coder.descriptor;
    if (stateMoved)
        emit stateChanged(descriptor, state);
    if (progressMoved && m_coders.contains(descriptor))
        emit progressChanged(descriptor, progress);
}
