// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
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

    // The remark name when there is one, else the IP text.
    QString displayName() const { return remarkName.isEmpty() ? ipText : remarkName; }
};

Q_DECLARE_METATYPE(CoderState)
