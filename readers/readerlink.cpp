// SPDX-License-Identifier: GPL-3.0-or-later
#include "readerlink.h"

#include <QElapsedTimer>
#include <QTcpSocket>
#include <QTextCodec>

namespace {

constexpr qint64 kReadBufferBytes = 256 * 1024;
constexpr char kGroupSeparator = 0x1d;

bool isText(const QByteArray &bytes)
{
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if ((u < 0x20 && c != '\t' && c != kGroupSeparator) || u == 0x7f)
            return false;
    }
    QTextCodec::ConverterState state;
    QTextCodec::codecForMib(106)->toUnicode(bytes.constData(), bytes.size(), &state);
    return state.invalidChars == 0 && state.remainingChars == 0;
}

} // namespace

ReaderLink::ReaderLink(QObject *parent) : QObject(parent)
{
    qRegisterMetaType<ReaderLink::Bad>();
    static QElapsedTimer steady;
    if (!steady.isValid())
        steady.start();
    m_msecs = [] { return steady.elapsed(); };
    m_retry.setSingleShot(true);
    connect(&m_retry, &QTimer::timeout, this, &ReaderLink::connectNow);
    m_connectTimeout.setSingleShot(true);
    m_connectTimeout.setInterval(kConnectTimeoutMs);
    connect(&m_connectTimeout, &QTimer::timeout, this, [this] {
        if (!m_socket || m_socket->state() == QAbstractSocket::ConnectedState)
            return;
        m_socket->disconnect(this);
        m_socket->abort();
        lost(tr("no answer in %1 s").arg(kConnectTimeoutMs / 1000));
    });
}

ReaderLink::~ReaderLink()
{
    stop();
}

void ReaderLink::setTarget(const QString &host, quint16 port)
{
    m_host = host;
    m_port = port;
}

void ReaderLink::setBackOff(int firstMs, int maxMs)
{
    m_firstBackOff = firstMs;
    m_maxBackOff = maxMs;
    m_backOff = firstMs;
}

void ReaderLink::start()
{
    m_running = true;
    m_backOff = m_firstBackOff;
    connectNow();
}

void ReaderLink::stop()
{
    m_running = false;
    m_retry.stop();
    m_connectTimeout.stop();
    if (m_socket) {
        m_socket->disconnect(this);
        m_socket->abort();
        m_socket->deleteLater();
        m_socket = nullptr;
    }
    if (m_wasConnected) {
        m_wasConnected = false;
        emit connectedChanged(false);
    }
}

bool ReaderLink::isConnected() const
{
    return m_socket && m_socket->state() == QAbstractSocket::ConnectedState;
}

void ReaderLink::connectNow()
{
    if (!m_running)
        return;
    if (m_socket) {
        m_socket->disconnect(this);
        m_socket->abort();
        m_socket->deleteLater();
    }
    m_socket = new QTcpSocket(this);
    m_socket->setReadBufferSize(kReadBufferBytes);
    connect(m_socket, &QTcpSocket::connected, this, [this] {
        m_connectTimeout.stop();
        m_backOff = m_firstBackOff;
        m_line.clear();
        m_discarding = false;
        m_lastWasCr = false;
        m_wasConnected = true;
        emit connectedChanged(true);
        emit note(tr("Reader %1:%2 connected.").arg(m_host).arg(m_port));
    });
    connect(m_socket, &QTcpSocket::readyRead, this, &ReaderLink::readSocket);
    connect(m_socket, &QTcpSocket::disconnected, this,
            [this] { lost(tr("the reader closed the connection")); });
    connect(m_socket, &QAbstractSocket::errorOccurred, this, [this] {
        if (m_socket && m_socket->state() != QAbstractSocket::ConnectedState)
            lost(m_socket->errorString());
    });
    m_connectTimeout.start();
    m_socket->connectToHost(m_host, m_port);
}

void ReaderLink::lost(const QString &why)
{
    if (!m_running || m_retry.isActive())
        return;
    m_connectTimeout.stop();
    if (m_wasConnected) {
        m_wasConnected = false;
        emit connectedChanged(false);
    }
    emit note(tr("Reader %1:%2: %3; trying again in %4 s.")
                  .arg(m_host)
                  .arg(m_port)
                  .arg(why)
                  .arg(m_backOff / 1000.0));
    m_retry.start(m_backOff);
    m_backOff = qMin(m_backOff * 2, m_maxBackOff);
}

void ReaderLink::readSocket()
{
    char chunk[16384];
    while (m_socket && m_socket->bytesAvailable() > 0) {
        const qint64 got = m_socket->read(chunk, sizeof chunk);
        if (got <= 0)
            break;
        take(QByteArray::fromRawData(chunk, int(got)));
    }
}

void ReaderLink::take(const QByteArray &bytes)
{
    for (const char c : bytes) {
        if (c == '\n' && m_lastWasCr) {
            m_lastWasCr = false;
            continue;
        }
        m_lastWasCr = c == '\r';
        if (c == '\n' || c == '\r') {
            endLine();
            continue;
        }
        if (m_discarding)
            continue;
        if (m_line.size() >= kMaxLineBytes) {
            emit badLine(Bad::TooLong, m_line.left(64));
            m_line.clear();
            m_discarding = true;
            continue;
        }
        m_line.append(c);
    }
}

void ReaderLink::endLine()
{
    const QByteArray text = m_line;
    m_line.clear();
    if (m_discarding) {
        m_discarding = false;
        return;
    }
    if (text.trimmed().isEmpty())
        return;

    const qint64 now = m_msecs();
    if (m_secondStart < 0 || now - m_secondStart >= 1000) {
        if (m_droppedThisSecond > 0)
            emit flooded(m_droppedThisSecond);
        m_secondStart = now;
        m_linesThisSecond = 0;
        m_droppedThisSecond = 0;
    }
    if (++m_linesThisSecond > m_floodBound) {
        ++m_droppedThisSecond;
        ++m_dropped;
        return;
    }
    if (!isText(text)) {
        emit badLine(Bad::NotText, text.left(64));
        return;
    }
    emit line(QString::fromUtf8(text).trimmed());
}
