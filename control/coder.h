// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QMetaType>
#include <QString>

// A coder's state as its status report (command 0x20) carries it.
enum class CoderState : quint8 {
    Stopped = 0,
    Printing = 1,
    Ready = 2,
};

// The state a status byte reports; any other byte keeps the current one.
inline CoderState coderStateFor(quint8 status, CoderState current)
{
    return status <= quint8(CoderState::Ready) ? CoderState(status) : current;
}

// Whether a coder holds what was last sent to it, by its own report of its
// current file: each send asks for that report at once (the read-back), and
// every later report is compared with the send too.
enum class ReadBack : quint8 {
    None,     // nothing was sent to it since it connected
    Pending,  // sent; its report has not come yet
    Verified, // it reported the very bytes sent, under the same name
    Mismatch, // it reported another file, or other bytes
    NoAnswer, // it did not report within the read-back time
};

// One connected coder.  A connection is addressed by the descriptor it was
// accepted with: two coders behind one address are two records that share
// an IP text, a remark name and a folder.
struct Coder
{
    int descriptor = -1;
    QString ipText; // names the coder in "devices/" and in the settings
    // Names this connection among those open: the IP text, and for a second
    // coder behind the same address "<IP text>_2", and so on, as the plant
    // bus names its devices.
    QString connectionName;
    QString remarkName; // the operator's name for the address; empty when none
    CoderState state = CoderState::Stopped;
    bool stateReported = false; // a known state arrived since it connected
    int progress = -1;          // percent, 0 to 100; -1 before the first report
    QString currentFile;        // as the coder reported it or as last sent to it
    QString currentFileSha256;  // of its bytes, lower-case hex; empty when unknown
    QByteArray parameterBlock;  // the last print-parameter block it sent; empty: none yet
    // The read-back of the last message sent to it.
    QString sentFile;
    QString sentSha256; // empty: nothing sent since it connected
    ReadBack readBack = ReadBack::None;
    QDateTime readBackTime; // UTC, when its report came (or the wait ended)
    quint32 sendSerial = 0; // counts the sends, so that a late wait knows it is stale

    // The remark name when there is one, else the IP text.
    QString displayName() const { return remarkName.isEmpty() ? ipText : remarkName; }
};

Q_DECLARE_METATYPE(CoderState)
Q_DECLARE_METATYPE(ReadBack)
