// SPDX-License-Identifier: GPL-3.0-or-later
#include "readersim.h"

#include "boundedread.h"
#include "clock.h"
#include "messagefile.h"
#include "pixellimit.h"
#include "simulatedcoder.h"

#include <QTcpSocket>

ReaderSim::ReaderSim(QObject *parent) : QObject(parent), m_now(&Clock::now)
{
    connect(&m_server, &QTcpServer::newConnection, this, &ReaderSim::onNewConnection);
}

ReaderSim::~ReaderSim()
{
    for (const QPointer<QTcpSocket> &client : qAsConst(m_clients)) {
        if (client)
            client->disconnect(this);
    }
}

bool ReaderSim::listen(const QHostAddress &address, quint16 port, QString *error)
{
    if (m_server.listen(address, port))
        return true;
    if (error)
        *error = QStringLiteral("cannot listen on %1:%2: %3")
                     .arg(address.toString())
                     .arg(port)
                     .arg(m_server.errorString());
    return false;
}

void ReaderSim::follow(SimulatedCoder *coder)
{
    disconnect(m_coderConnection);
    m_coder = coder;
    if (!coder)
        return;
    m_coderConnection = connect(coder, &SimulatedCoder::printed, this, [this](qint64 count) {
        if (m_coder)
            read(m_coder->currentFilePath(), count);
    });
}

void ReaderSim::onNewConnection()
{
    while (QTcpSocket *client = m_server.nextPendingConnection()) {
        client->setParent(this);
        m_clients << client;
        // A reader's clients have nothing to say to it: what comes is
        // thrown away, so that it never piles up.
        connect(client, &QTcpSocket::readyRead, client, [client] { client->readAll(); });
        connect(client, &QTcpSocket::disconnected, this, [this, client] {
            m_clients.removeAll(client);
            client->deleteLater();
        });
    }
}

bool ReaderSim::loadMessage(const QString &path, QString *problem)
{
    if (path.isEmpty()) {
        *problem = QStringLiteral("the coder holds no message");
        return false;
    }
    const PlainFile file = PlainFile::read(path, MessageFile::kMaxFileBytes);
    if (!file.ok()) {
        *problem = QStringLiteral("cannot read the message %1%2")
                       .arg(path, file.error.isEmpty() ? QString() : ": " + file.error);
        return false;
    }
    if (path == m_loadedPath && file.bytes == m_loadedBytes)
        return true;
    m_loadedPath.clear();
    const MessageFile::Result loaded = MessageFile::load(m_message, path);
    if (!loaded) {
        *problem = QString(loaded.error).replace(QLatin1Char('\n'), QLatin1Char(' '));
        return false;
    }
    m_preview.copyFrom(m_message);
    m_loadedPath = path;
    m_loadedBytes = file.bytes;
    return true;
}

QList<QByteArray> ReaderSim::decode(const QString &path, const QDateTime &moment, qint64 count,
                                    QString *problem)
{
    QString why;
    QList<QByteArray> lines;
    if (loadMessage(path, &why)) {
        m_preview.showAt(moment, count);
        const QImage picture = CodeDecoder::picture(m_printed);
        if (picture.isNull())
            why = QStringLiteral("%1 draws nothing, or more than %2 pixels")
                      .arg(path)
                      .arg(PixelLimit::kMaxArea);
        for (const CodeDecoder::Code &code : m_decoder.decode(picture)) {
            QByteArray line = code.data;
            lines << line.replace('\r', ' ').replace('\n', ' ');
        }
    }
    if (problem)
        *problem = why;
    if (lines.isEmpty())
        lines << m_noRead;
    return lines;
}

QList<QByteArray> ReaderSim::read(const QString &path, qint64 count)
{
    ++m_reads;
    QString problem;
    QList<QByteArray> lines = decode(path, m_now(), count, &problem);
    if (problem != m_lastProblem && !problem.isEmpty())
        emit note(problem);
    m_lastProblem = problem;
    const bool noRead = lines == QList<QByteArray>{m_noRead};
    if (m_silent || (m_dropEvery > 0 && m_reads % m_dropEvery == 0)) {
        lines.clear();
    } else if (m_corruptNext && !noRead) {
        lines.first() = corrupted(lines.first());
        m_corruptNext = false;
    }
    send(lines);
    emit readDone(m_reads, lines);
    return lines;
}

void ReaderSim::send(const QList<QByteArray> &lines)
{
    if (lines.isEmpty())
        return;
    QByteArray bytes;
    for (const QByteArray &line : lines)
        bytes += line + kLineEnd;
    const QList<QPointer<QTcpSocket>> clients = m_clients;
    for (const QPointer<QTcpSocket> &client : clients) {
        if (!client || client->state() != QAbstractSocket::ConnectedState)
            continue;
        if (client->bytesToWrite() > kMaxBacklog) {
            emit note(QStringLiteral("dropped %1:%2, which read nothing of the last %3 bytes")
                          .arg(client->peerAddress().toString())
                          .arg(client->peerPort())
                          .arg(client->bytesToWrite()));
            client->abort();
            continue;
        }
        client->write(bytes);
    }
}

QByteArray ReaderSim::corrupted(const QByteArray &code)
{
    if (code.isEmpty())
        return QByteArrayLiteral("X");
    QByteArray changed = code;
    char &c = changed.data()[changed.size() - 1];
    if (c >= '0' && c <= '9')
        c = c == '9' ? '0' : char(c + 1);
    else if (c >= 'A' && c <= 'Z')
        c = c == 'Z' ? 'A' : char(c + 1);
    else if (c >= 'a' && c <= 'z')
        c = c == 'z' ? 'a' : char(c + 1);
    else
        c = 'X';
    return changed;
}
