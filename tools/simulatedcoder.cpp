// SPDX-License-Identifier: GPL-3.0-or-later
#include "simulatedcoder.h"

#include "filerecord.h"
#include "protocol.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHostAddress>
#include <QSaveFile>
#include <QtEndian>

#include <cstdio>

namespace {

// What a lying length announces for a three-byte status report body.
constexpr qint32 kFarMoreLength = 1024 * 1024;
constexpr qint32 kLessLength = 2;
// A flood keeps its own outgoing buffer between these, so the simulator
// stays small however slowly the PC reads.
constexpr qint64 kFloodLowWater = 512 * 1024;
constexpr int kFloodBatchBytes = 64 * 1024;

} // namespace

SimulatedCoder::SimulatedCoder(const CoderSettings &settings, QObject *parent)
    : QObject(parent), m_settings(settings)
{
    // All four heads, as the sample messages need: with head 1 alone every
    // sample but the smallest would fail the pre-flight check on its first
    // Apply.
    m_parameters.headRangeMask = 15;
    m_parameters.headEnableMask = 15;
    m_statusTimer.setInterval(qMax(1, m_settings.statusIntervalMs));
    m_reconnectTimer.setInterval(qMax(1, m_settings.reconnectIntervalMs));
    m_reconnectTimer.setSingleShot(true);
    m_lieTimer.setInterval(qMax(0, m_settings.lieAfterMs));
    m_lieTimer.setSingleShot(true);
    connect(&m_lieTimer, &QTimer::timeout, this, &SimulatedCoder::startLying);
    connect(&m_socket, &QTcpSocket::bytesWritten, this, [this] {
        if (m_flooding)
            floodMore();
    });
    connect(&m_statusTimer, &QTimer::timeout, this, [this] {
        const QVector<quint8> &pattern = m_settings.statusPattern;
        sendStatus(pattern.isEmpty() ? 1 : pattern.at(m_patternIndex++ % pattern.size()));
    });
    connect(&m_reconnectTimer, &QTimer::timeout, this, &SimulatedCoder::connectToServer);
    connect(&m_socket, &QTcpSocket::connected, this, &SimulatedCoder::onConnected);
    connect(&m_socket, &QTcpSocket::disconnected, this, &SimulatedCoder::onDisconnected);
    connect(&m_socket, &QTcpSocket::errorOccurred, this, &SimulatedCoder::onError);
    connect(&m_socket, &QTcpSocket::readyRead, this, &SimulatedCoder::onReadyRead);
}

SimulatedCoder::~SimulatedCoder()
{
    // The socket outlives the timers (members go in reverse order) and aborts
    // a live connection when destroyed; its disconnected() must not restart
    // the reconnect timer that is already gone.
    disconnect(&m_socket, nullptr, this, nullptr);
}

void SimulatedCoder::start()
{
    prepareFolder();
    connectToServer();
}

void SimulatedCoder::stop()
{
    m_stopping = true;
    m_reconnectTimer.stop();
    m_statusTimer.stop();
    m_lieTimer.stop();
    m_flooding = false;
    const auto state = m_socket.state();
    if (state == QAbstractSocket::ConnectedState || state == QAbstractSocket::ClosingState) {
        m_socket.disconnectFromHost(); // disconnected() finishes
        return;
    }
    m_socket.abort();
    finish();
}

QString SimulatedCoder::currentFilePath() const
{
    return m_currentFile.isEmpty() ? QString() : QDir(m_settings.folder).filePath(m_currentFile);
}

void SimulatedCoder::finish()
{
    if (m_finished)
        return;
    m_finished = true;
    emit finished();
}

void SimulatedCoder::prepareFolder()
{
    QDir folder(m_settings.folder);
    if (!folder.mkpath(QStringLiteral("."))) {
        say(QStringLiteral("cannot create folder %1").arg(m_settings.folder));
        return;
    }
    if (!m_settings.messageSource.isEmpty()) {
        QFile source(m_settings.messageSource);
        const QString name = QFileInfo(source).fileName();
        QSaveFile copy(folder.filePath(name));
        if (source.open(QIODevice::ReadOnly) && copy.open(QIODevice::WriteOnly) &&
            copy.write(source.readAll()) >= 0 && copy.commit())
            m_currentFile = name;
        else
            say(QStringLiteral("cannot copy message file %1").arg(m_settings.messageSource));
        return;
    }
    const QStringList messages =
        folder.entryList({QStringLiteral("*.spr")}, QDir::Files, QDir::Name);
    if (!messages.isEmpty())
        m_currentFile = messages.first();
}

void SimulatedCoder::connectToServer()
{
    if (m_stopping)
        return;
    m_decoder = FrameDecoder();
    // A stall lasts for its connection only.
    m_stalled = false;
    m_socket.setReadBufferSize(0);
    // Any address of 127.0.0.0/8 can be bound on Linux, so that simulated
    // coders on one PC show as coders of their own.
    if (!m_settings.sourceAddress.isEmpty() &&
        !m_socket.bind(QHostAddress(m_settings.sourceAddress))) {
        say(QStringLiteral("cannot connect from %1: %2")
                .arg(m_settings.sourceAddress, m_socket.errorString()));
        m_socket.abort();
    }
    m_socket.connectToHost(m_settings.host, m_settings.port);
}

void SimulatedCoder::onConnected()
{
    m_toldUnreachable = false;
    say(QStringLiteral("connected to %1:%2").arg(m_settings.host).arg(m_settings.port));
    if (m_settings.autostart)
        setPrinting(true);
    if (m_settings.lie != CoderSettings::Lie::None &&
        m_settings.lie != CoderSettings::Lie::PanelChange)
        m_lieTimer.start();
}

void SimulatedCoder::onDisconnected()
{
    m_statusTimer.stop();
    m_printing = false;
    m_flooding = false;
    if (m_settings.lie != CoderSettings::Lie::PanelChange)
        m_lieTimer.stop();
    say(QStringLiteral("disconnected"));
    if (m_stopping)
        finish();
    else
        m_reconnectTimer.start();
}

void SimulatedCoder::onError(QAbstractSocket::SocketError error)
{
    if (error == QAbstractSocket::RemoteHostClosedError)
        return; // disconnected() follows
    if (m_socket.state() != QAbstractSocket::UnconnectedState)
        return;
    // A refused or failed connect never reaches disconnected(): retry from here.
    if (m_stopping) {
        finish();
        return;
    }
    if (!m_toldUnreachable) {
        say(QStringLiteral("cannot reach %1:%2 (%3); retrying every %4 ms")
                .arg(m_settings.host)
                .arg(m_settings.port)
                .arg(m_socket.errorString())
                .arg(m_reconnectTimer.interval()));
        m_toldUnreachable = true;
    }
    if (!m_reconnectTimer.isActive())
        m_reconnectTimer.start();
}

void SimulatedCoder::onReadyRead()
{
    if (m_stalled)
        return;
    m_decoder.feed(m_socket.readAll());
    QByteArray body;
    while (m_decoder.next(&body))
        handleFrame(body);
    if (m_decoder.failed()) {
        say(QStringLiteral("bad frame length %1 from the server; reconnecting")
                .arg(m_decoder.badLength()));
        m_socket.abort();
    }
}

void SimulatedCoder::handleFrame(const QByteArray &body)
{
    if (body.isEmpty())
        return;
    const quint8 command = quint8(body.at(0));
    const QByteArray payload = body.mid(1);
    switch (command) {
    case Command::CurrentFile:
        replyCurrentFile();
        break;
    case Command::Parameters:
        send(Command::Parameters, m_parameters.toBytes());
        say(QStringLiteral("sent parameters"));
        break;
    case Command::FileTransfer:
        storeFile(payload);
        break;
    case Command::PrintParameters:
        if (payload.size() != PrintParameters::kSize)
            say(QStringLiteral("parameter block of %1 bytes, expected %2")
                    .arg(payload.size())
                    .arg(PrintParameters::kSize));
        m_parameters = PrintParameters::fromBytes(payload);
        say(QStringLiteral("parameters set"));
        break;
    case Command::RunControl:
        setPrinting(!payload.isEmpty() && payload.at(0) == 1);
        break;
    default:
        say(QStringLiteral("ignored command 0x%1").arg(command, 2, 16, QLatin1Char('0')));
    }
}

void SimulatedCoder::replyCurrentFile()
{
    if (m_currentFile.isEmpty()) {
        say(QStringLiteral("no current file to report"));
        return;
    }
    QFile file(QDir(m_settings.folder).filePath(m_currentFile));
    const QByteArray content = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    QByteArray record;
    QString error;
    if (!FileRecord::encode(m_currentFile, content, &record, &error)) {
        say(error);
        return;
    }
    send(Command::CurrentFile, record);
    say(QStringLiteral("sent current file %1 (%2 bytes)").arg(m_currentFile).arg(content.size()));
}

void SimulatedCoder::storeFile(const QByteArray &record)
{
    FileRecord file;
    QString error;
    if (!FileRecord::parseFileTransfer(record, &file, &error)) {
        say(QStringLiteral("refused file: %1").arg(error));
        return;
    }
    if (m_settings.keepsItsMessage && file.name == m_currentFile) {
        say(QStringLiteral("kept its own %1").arg(file.name));
        return;
    }
    QSaveFile out(QDir(m_settings.folder).filePath(file.name));
    if (!out.open(QIODevice::WriteOnly) || out.write(file.content) != file.content.size() ||
        !out.commit()) {
        say(QStringLiteral("cannot store %1: %2").arg(file.name, out.errorString()));
        return;
    }
    if (!m_settings.keepsItsMessage || m_currentFile.isEmpty())
        m_currentFile = file.name;
    say(QStringLiteral("stored %1 (%2 bytes)").arg(file.name).arg(file.content.size()));
    if (m_settings.lie == CoderSettings::Lie::PanelChange && m_currentFile == file.name)
        m_lieTimer.start(); // the wait begins anew with every message it holds
}

void SimulatedCoder::setPrinting(bool printing)
{
    m_printing = printing;
    say(printing ? QStringLiteral("start printing") : QStringLiteral("stop printing"));
    if (printing) {
        m_statusTimer.start();
    } else {
        m_statusTimer.stop();
        sendStatus(0);
    }
}

void SimulatedCoder::sendStatus(quint8 state)
{
    if (state != 0)
        m_progress = (m_progress + m_settings.progressStep) % 101;
    send(Command::StatusReport, statusReportPayload({state, qint8(m_progress)}));
    if (state != 0)
        emit printed(++m_printCount);
}

void SimulatedCoder::send(quint8 command, const QByteArray &payload)
{
    if (m_socket.state() == QAbstractSocket::ConnectedState)
        m_socket.write(packFrame(command, payload));
}

void SimulatedCoder::say(const QString &line) const
{
    std::printf("coder %d: %s\n", m_settings.number, qUtf8Printable(line));
    std::fflush(stdout);
}

void SimulatedCoder::startLying()
{
    switch (m_settings.lie) {
    case CoderSettings::Lie::None:
        return;
    case CoderSettings::Lie::WrongLength:
        sendWrongLength();
        break;
    case CoderSettings::Lie::Flood:
        say(QStringLiteral("lying: flooding status reports"));
        m_flooding = true;
        floodMore();
        break;
    case CoderSettings::Lie::Stall:
        say(QStringLiteral("lying: stalled reads"));
        m_stalled = true;
        // Qt would go on draining the kernel into the socket's own buffer;
        // one byte of room stops it, so the PC's writes back up.
        m_socket.setReadBufferSize(1);
        break;
    case CoderSettings::Lie::PanelChange:
        changeAtPanel();
        break;
    }
    emit lying();
}

// A status report whose length field says more than the three bytes sent (the
// PC would take the frames after it as its body), or less (its last byte
// would start the next header); two good reports follow, as a coder that
// carries on would send them.
void SimulatedCoder::sendWrongLength()
{
    if (m_socket.state() != QAbstractSocket::ConnectedState)
        return;
    const quint8 state = m_printing ? m_settings.statusPattern.value(0, 1) : 0;
    const QByteArray report =
        packFrame(Command::StatusReport, statusReportPayload({state, qint8(m_progress)}));
    const qint32 length = m_wrongLengths++ % 2 == 0 ? kFarMoreLength : kLessLength;
    QByteArray lie = report;
    qToBigEndian<qint32>(length, lie.data());
    say(QStringLiteral("lying: a status report whose length says %1 bytes, %2 sent")
            .arg(length)
            .arg(report.size() - kFrameHeaderSize));
    m_socket.write(lie + report + report);
}

void SimulatedCoder::floodMore()
{
    if (m_socket.state() != QAbstractSocket::ConnectedState)
        return;
    const quint8 state = m_printing ? m_settings.statusPattern.value(0, 1) : 0;
    m_progress = (m_progress + m_settings.progressStep) % 101;
    const QByteArray report =
        packFrame(Command::StatusReport, statusReportPayload({state, qint8(m_progress)}));
    if (m_socket.bytesToWrite() >= kFloodLowWater)
        return;
    m_socket.write(report.repeated(kFloodBatchBytes / report.size()));
}

// The operator picks another message: its own first one when it has one of
// another name, else a copy of the one it was sent with a line end added, so
// it loads as before but is no longer the bytes sent.
void SimulatedCoder::changeAtPanel()
{
    const QDir folder(m_settings.folder);
    const QString held = m_currentFile;
    QString other = QFileInfo(m_settings.messageSource).fileName();
    if (other.isEmpty() || other == held || !folder.exists(other)) {
        other = QStringLiteral("panel-") + held;
        QFile source(folder.filePath(held));
        QSaveFile copy(folder.filePath(other));
        if (!source.open(QIODevice::ReadOnly) || !copy.open(QIODevice::WriteOnly) ||
            copy.write(source.readAll() + '\n') < 0 || !copy.commit()) {
            say(QStringLiteral("cannot change its message at the panel: %1")
                    .arg(copy.errorString()));
            return;
        }
    }
    m_currentFile = other;
    say(QStringLiteral("lying: changed its message at the panel from %1 to %2").arg(held, other));
}
