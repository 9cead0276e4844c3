// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "boundedread.h"
#include "coder.h"
#include "commandrecord.h"
#include "commandresult.h"

#include <QHash>
#include <QList>
#include <QObject>

#include <functional>
#include <memory>
#include <optional>

class DeviceCopyQueue;
class StationSettings;
class TcpServer;

// The coders connected to this PC and the commands sent to them, with no
// window: owns the server coders connect to, keeps one record per
// connection, reads what the coders send into those records and reports
// every change by a signal, so that any number of views (the control
// window, a service) can follow the same coders.  The copies of files sent
// to and reported by a coder live in "devices/<IP text>/" of the working
// folder; message files are read from wherever the caller names.  Every
// command that goes out is first shown to the recorder, which may refuse it,
// and what it did is told in the operator's words by note().
class Fleet : public QObject
{
    Q_OBJECT
public:
    // The TCP port coders connect to.
    static constexpr quint16 kDefaultPort = 64032;
    // Largest message file sent; the same bound as the designer's.
    static constexpr qint64 kMaxMessageBytes = kMaxPlainFileBytes;
    // How long a coder has to report its current file after a send.
    static constexpr int kReadBackTimeoutMs = 10000;
    // A coder reports a few times a second; one that sends more frames than
    // this in a second floods, and its connection is closed.
    static constexpr int kMaxFramesPerSecond = 1000;

    // Not listening yet: connect to the signals, then listen().
    explicit Fleet(QObject *parent = nullptr);
    ~Fleet() override;

    TcpServer *server() const { return m_server; }
    // 0 while not listening.
    quint16 listeningPort() const;

    // In order of arrival.
    QList<int> descriptors() const { return m_order; }
    // Null when no connection has that descriptor.
    const Coder *coder(int descriptor) const;
    int count() const { return m_order.size(); }

    // Listens on port (0: a port the system picks); the result says why not.
    CommandResult listen(quint16 port);
    // Moves the server to port and keeps it there for the next start; when
    // the port cannot be had, goes back to the port it had and says so.
    // Connected coders stay connected either way.
    CommandResult rebind(quint16 port, const CommandOrigin &origin = {});

    // Sends the message file at path to the coders, records it as their
    // current file and keeps a copy of the bytes sent in each coder's
    // folder.  Nothing goes out when the file is not a plain readable file
    // within kMaxMessageBytes or its name cannot be sent.
    // Each command names where it comes from (the default: this PC); the
    // recorder journals it so.
    CommandResult apply(const QString &path, const QList<int> &descriptors,
                        const CommandOrigin &origin = {});
    // Sends an 81-byte print-parameter block.
    CommandResult applyParameters(const QByteArray &block, const QList<int> &descriptors,
                                  const CommandOrigin &origin = {});
    CommandResult start(const QList<int> &descriptors, const CommandOrigin &origin = {});
    CommandResult stop(const QList<int> &descriptors, const CommandOrigin &origin = {});
    // Ask a coder for its current message file and its print parameters;
    // the answers arrive as currentFileChanged and parametersReceived.
    void requestCurrentFile(int descriptor);
    void requestParameters(int descriptor);

    // Asked about each coder a start goes to: why it may not print now (it
    // does not hold the message its job needs, say), or empty.  A start with
    // any such coder sends nothing.  Null: every coder may.
    using StartGate = std::function<QString(const Coder &coder)>;
    void setStartGate(StartGate gate) { m_startGate = std::move(gate); }

    // The read-back wait (tests make it short).
    void setReadBackTimeout(int ms) { m_readBackTimeoutMs = ms; }

    // Names the coders behind the address of this connection, for good.
    CommandResult setRemarkName(int descriptor, const QString &name,
                                const CommandOrigin &origin = {});

    // Asked before every command and told its outcome; null: none.  The
    // caller keeps ownership.
    void setRecorder(CommandRecorder *recorder) { m_recorder = recorder; }
    // Where the port the server moves to and the remark names are kept;
    // null: in memory, for this Fleet's life.  The caller keeps ownership.
    void setSettings(StationSettings *settings);
    StationSettings *settings() const { return m_settings; }

signals:
    void coderAdded(int descriptor);
    // The record is gone by now.
    void coderRemoved(int descriptor, const QString &ipText);
    void stateChanged(int descriptor, CoderState state);
    void progressChanged(int descriptor, int percent);
    void currentFileChanged(int descriptor, const QString &name);
    // The coder's own report of its current file, stored at path.
    void currentFileStored(int descriptor, const QString &path);
    void parametersReceived(int descriptor, const QByteArray &block);
    // The coder's read-back moved on (Coder::readBack says where to).
    void readBackChanged(int descriptor, ReadBack readBack);
    void remarkNameChanged(const QString &ipText, const QString &name);
    void listeningChanged(quint16 port);
    void commandDone(const CommandResult &result);
    // What the operator should know: coders coming and going, what each
    // command did (CommandText::done), and what went wrong without stopping
    // anything (a copy or a folder that cannot be written, a refused reply).
    void note(const QString &text);
    void problem(const QString &text);

private:
    void coderConnected(int descriptor, const QString &ipText);
    void coderDisconnected(const QString &ipText, int descriptor);
    bool isConnectionName(const QString &name) const;
    void handleFrame(int descriptor, const QByteArray &body);
    void currentFileReceived(Coder &coder, const QByteArray &payload);
    void statusReceived(Coder &coder, const QByteArray &payload);
    // Asks a coder that was just sent a message for its report of it.
    void startReadBack(int descriptor);
    // The command to the coders of descriptors that are connected.
    CommandRecord recordFor(CommandResult::Action action, const QList<int> &descriptors,
                            const CommandOrigin &origin) const;
    // Why the command may not go out (no coder, or the recorder refuses),
    // as the result to return; empty when it may.
    std::optional<CommandResult> refusal(const CommandRecord &command);
    // Sends one frame to each of the command's coders that is still connected.
    CommandResult sendToAll(const CommandRecord &command, const QByteArray &frame);
    bool sendTo(int descriptor, const QByteArray &frame);
    CommandResult finish(const CommandRecord &command, const CommandResult &result);
    CommandResult finish(CommandResult result);

    TcpServer *m_server;
    DeviceCopyQueue *m_copies;
    QHash<int, Coder> m_coders;
    QList<int> m_order;
    CommandRecorder *m_recorder = nullptr;
    int m_readBackTimeoutMs = kReadBackTimeoutMs;
    StartGate m_startGate;
    std::unique_ptr<StationSettings> m_ownSettings;
    StationSettings *m_settings;
};
