// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framedecoder.h"
#include "printparameters.h"

#include <QObject>
#include <QTcpSocket>
#include <QTimer>
#include <QVector>

struct CoderSettings
{
    int number = 1; // names the coder in its output lines
    QString host = QStringLiteral("127.0.0.1");
    quint16 port = 64032;
    QString sourceAddress;            // the address it connects from; empty: the system's choice
    QString folder;                   // the coder's own folder: its message files live here
    QString messageSource;            // a message file copied into the folder as the current one
    QVector<quint8> statusPattern{1}; // state bytes reported in turn while printing
    int statusIntervalMs = 500;
    int progressStep = 5; // percent added to the progress per report
    bool autostart = false;
    // Stores the messages it is sent but goes on reporting the one it had: a
    // coder that does not hold what the PC believes it sent.
    bool keepsItsMessage = false;
    int reconnectIntervalMs = 1000;
    // The ways a real coder misbehaves, for soak runs and tests of the PC's
    // defences. Each begins lieAfterMs after every connection; panel-change
    // lieAfterMs after each message it was sent became its current one.
    enum class Lie {
        None,
        WrongLength, // a status report whose length says far more, then one that says less
        Flood,       // status reports back to back, as fast as the socket takes them
        Stall,       // never reads its socket again, keeps the connection open
        PanelChange, // switches to another message, as an operator at its panel would
    };
    Lie lie = Lie::None;
    int lieAfterMs = 5000;
};

// A coder as the control application sees it: connects as a client, answers
// the current-file and parameter requests, stores the message files it is
// sent, takes parameter blocks (it starts with all four heads enabled), and
// while printing reports its status with a moving progress. Reconnects after
// losing the server until stopped.
class SimulatedCoder : public QObject
{
    Q_OBJECT
public:
    explicit SimulatedCoder(const CoderSettings &settings, QObject *parent = nullptr);
    ~SimulatedCoder() override;

    void start();
    // Closes the connection for good; finished() follows once it is closed.
    void stop();

    bool isPrinting() const { return m_printing; }
    QString currentFile() const { return m_currentFile; }
    // The current message file in the coder's folder; empty when it has none.
    QString currentFilePath() const;
    // Prints since start: one per progress step while printing.
    qint64 printCount() const { return m_printCount; }
    PrintParameters parameters() const { return m_parameters; }

signals:
    void finished();
    // One more print of the current message (a progress step), the count
    // since start; what a code reader after the coder follows.
    void printed(qint64 count);
    // It has begun to tell its lie (CoderSettings::lie), once per lie told.
    void lying();

private:
    void prepareFolder();
    void connectToServer();
    void onConnected();
    void onDisconnected();
    void onError(QAbstractSocket::SocketError error);
    void onReadyRead();
    void handleFrame(const QByteArray &body);
    void replyCurrentFile();
    void storeFile(const QByteArray &record);
    void setPrinting(bool printing);
    void sendStatus(quint8 state);
    void send(quint8 command, const QByteArray &payload);
    void say(const QString &line) const;
    void finish();
    void startLying();
    void sendWrongLength();
    void floodMore();
    void changeAtPanel();

    CoderSettings m_settings;
    QTcpSocket m_socket;
    FrameDecoder m_decoder;
    QTimer m_statusTimer;
    QTimer m_reconnectTimer;
    QTimer m_lieTimer;
    PrintParameters m_parameters;
    QString m_currentFile;
    bool m_printing = false;
    bool m_stopping = false;
    bool m_finished = false;
    bool m_toldUnreachable = false; // said once per outage, not per attempt
    int m_progress = 0;
    qint64 m_printCount = 0;
    int m_patternIndex = 0;
    bool m_flooding = false;
    bool m_stalled = false;
    int m_wrongLengths = 0; // lies told: they take turns saying more and less
};
