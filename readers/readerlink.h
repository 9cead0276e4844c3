// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QObject>
#include <QTimer>

#include <functional>

class QTcpSocket;

// The TCP connection to one code reader, which sends each decoded code as a
// line of text.  It connects, and after a failed attempt or a lost
// connection connects again after 1 s, doubling up to 30 s (back to 1 s once
// a connection stands; an attempt without an answer in kConnectTimeoutMs
// counts as failed).  Whatever the reader sends, memory stays bounded:
//  - a line longer than kMaxLineBytes is cut off: it is one bad line, and
//    the rest of it up to its end is thrown away;
//  - a line that is not text (NUL and other control characters but the
//    group separator of GS1 codes, bytes that are no UTF-8) is one bad line;
//  - more than the flood bound of lines in a second: the rest of that
//    second's lines are dropped and counted, said once a second.
// Line ends are LF, CR LF or CR; empty lines are ignored.
class ReaderLink : public QObject
{
    Q_OBJECT
public:
    static constexpr int kMaxLineBytes = 4096;
    static constexpr int kFirstBackOffMs = 1000;
    static constexpr int kMaxBackOffMs = 30000;
    static constexpr int kDefaultFloodLinesPerSecond = 5000;
    // A reader that does not answer the connection in this time is tried again later.
    static constexpr int kConnectTimeoutMs = 5000;

    enum class Bad { TooLong, NotText };

    explicit ReaderLink(QObject *parent = nullptr);
    ~ReaderLink() override;

    void setTarget(const QString &host, quint16 port);
    void setBackOff(int firstMs, int maxMs);
    void setFloodBound(int linesPerSecond) { m_floodBound = linesPerSecond; }
    // Milliseconds of a steady clock (tests).
    void setClock(std::function<qint64()> msecs) { m_msecs = std::move(msecs); }

    void start();
    void stop();
    bool isConnected() const;
    // The wait before the next attempt.
    int backOffMs() const { return m_backOff; }
    qint64 droppedLines() const { return m_dropped; }

    // Takes bytes as if the reader had sent them (the socket's and tests').
    void take(const QByteArray &bytes);

signals:
    void line(const QString &text);
    void badLine(ReaderLink::Bad why, const QByteArray &start);
    void connectedChanged(bool connected);
    // Lines dropped in the last second because of a flood.
    void flooded(int lines);
    void note(const QString &text);

private:
    void connectNow();
    void lost(const QString &why);
    void endLine();
    void readSocket();

    QTcpSocket *m_socket = nullptr;
    QString m_host;
    quint16 m_port = 0;
    bool m_running = false;
    bool m_wasConnected = false;
    QTimer m_retry;
    QTimer m_connectTimeout;
    int m_firstBackOff = kFirstBackOffMs;
    int m_maxBackOff = kMaxBackOffMs;
    int m_backOff = kFirstBackOffMs;

    QByteArray m_line;
    bool m_discarding = false; // the rest of a line already counted as too long
    bool m_lastWasCr = false;

    int m_floodBound = kDefaultFloodLinesPerSecond;
    qint64 m_secondStart = -1;
    int m_linesThisSecond = 0;
    int m_droppedThisSecond = 0;
    qint64 m_dropped = 0;
    std::function<qint64()> m_msecs;
};

Q_DECLARE_METATYPE(ReaderLink::Bad)
