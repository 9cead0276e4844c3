// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "codedecoder.h"
#include "graphicsscene.h"
#include "printpreview.h"

#include <QByteArray>
#include <QDateTime>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTcpServer>

#include <functional>

class QTcpSocket;
class SimulatedCoder;

// A fixed code reader after a simulated coder.  At each print it draws the
// message the coder holds as it prints at that moment (dates, shift codes,
// serial numbers at the print count), reads the picture's codes with zbar
// (CodeDecoder) and sends every code it read, in reading order, as one line
// ended by "\r\n" to each client of its TCP server; a print where it reads
// no code sends the no-read text ("NOREAD") instead.  It can be told to drop
// every k-th read, to change one character of the next read, or to go
// silent, for the tests of what listens to it.
//
// The lines are zbar's bytes as they are: a GS1-128 without "]C1" in front
// and with 0x1D (GS) between its fields.  A CR or LF inside a code (a QR
// Code may hold one) is sent as a space, so that one code stays one line.
class ReaderSim : public QObject
{
    Q_OBJECT
public:
    static constexpr const char *kLineEnd = "\r\n";
    // A client that takes in less than this of what was sent is dropped.
    static constexpr qint64 kMaxBacklog = 1024 * 1024;

    explicit ReaderSim(QObject *parent = nullptr);
    ~ReaderSim() override;

    // Port 0: one the system chooses, then port() tells it.
    bool listen(const QHostAddress &address, quint16 port, QString *error);
    quint16 port() const { return m_server.serverPort(); }
    int clientCount() const { return m_clients.size(); }

    // Reads at every print of the coder the message it holds then; null
    // stops following.
    void follow(SimulatedCoder *coder);

    // The moment of each print; the message clock (Clock::now) by default.
    void setClock(std::function<QDateTime()> now) { m_now = std::move(now); }
    void setNoReadText(const QByteArray &text) { m_noRead = text; }
    QByteArray noReadText() const { return m_noRead; }
    // Every k-th read (counted from the first) sends nothing; 0: none.
    void setDropEvery(int k) { m_dropEvery = qMax(0, k); }
    // The next read that holds a code sends its first code with one
    // character changed (corrupted()).
    void corruptNextRead() { m_corruptNext = true; }
    // While silent no read sends anything: a reader that has gone quiet.
    void setSilent(bool silent) { m_silent = silent; }
    bool isSilent() const { return m_silent; }
    qint64 reads() const { return m_reads; }

    // One read of the message file as printed now (serial numbers at count;
    // negative: at the message's own counters).  Returns the lines sent,
    // without their ends: empty when the read was dropped or silent.
    QList<QByteArray> read(const QString &path, qint64 count = -1);
    // What a read of the message at the moment would send, no option
    // applied: the codes, or the no-read text.  *problem, when given, tells
    // why nothing could be drawn (the file does not load).
    QList<QByteArray> decode(const QString &path, const QDateTime &moment, qint64 count,
                             QString *problem = nullptr);

    // The code with one character changed: the last, a digit to the next
    // digit, a letter to the next letter, anything else to 'X'.
    static QByteArray corrupted(const QByteArray &code);

signals:
    // After every read: its number from 1 and the lines sent (empty when
    // dropped or silent).
    void readDone(qint64 read, const QList<QByteArray> &lines);
    // Something the person running it should know (a message that does not
    // load, a client dropped).
    void note(const QString &text);

private:
    bool loadMessage(const QString &path, QString *problem);
    void onNewConnection();
    void send(const QList<QByteArray> &lines);

    QTcpServer m_server;
    QList<QPointer<QTcpSocket>> m_clients;
    QPointer<SimulatedCoder> m_coder;
    QMetaObject::Connection m_coderConnection;
    std::function<QDateTime()> m_now;
    CodeDecoder m_decoder;
    // The message as loaded, and the copy drawn as it prints.
    GraphicsScene m_message;
    GraphicsScene m_printed;
    PrintPreview m_preview{m_printed};
    QString m_loadedPath;
    QByteArray m_loadedBytes;
    QString m_lastProblem; // said once, not at every print
    QByteArray m_noRead = QByteArrayLiteral("NOREAD");
    int m_dropEvery = 0;
    bool m_corruptNext = false;
    bool m_silent = false;
    qint64 m_reads = 0;
};
