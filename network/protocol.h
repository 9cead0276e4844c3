// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QtGlobal>

// Frame on the wire, both directions:
//   offset 0  int32 BE  length  = 1 + payload size (bytes that follow)
//   offset 4  uint8     command
//   offset 5  ...       payload (length - 1 bytes)
namespace Command {
enum : quint8 {
    FileTransfer = 0x10,    // to coder: file-transfer record
    PrintParameters = 0x11, // to coder: 81-byte print-parameter block
    StatusReport = 0x20,    // from coder: state byte, progress byte
    RunControl = 0x30,      // to coder: 0x01 start, 0x00 stop
    CurrentFile = 0x40,     // to coder: request 0x01; from coder: current-file record
    Parameters = 0x41,      // to coder: request 0x01; from coder: print-parameter block
};
}

// Largest frame body (command byte plus payload) a peer may announce. A message
// file with its pictures stays far below this; anything larger is a corrupt or
// hostile header and the connection is closed rather than buffered forever.
constexpr qint32 kMaxFrameBody = 64 * 1024 * 1024;

constexpr int kFrameHeaderSize = 4;

// Longest body of any frame from a coder but its current-file report: a
// status report is 3 bytes and a parameter block 82, so a length past this
// is a header that lies, and waiting for its body would swallow every frame
// after it.
constexpr qint32 kMaxCoderReportBody = 64 * 1024;

// The longest body a coder may announce for a command (a FrameDecoder::BodyLimit).
qint32 maxBodyFromCoder(quint8 command);

// The whole frame for a command and its payload.
QByteArray packFrame(quint8 command, const QByteArray &payload);

// One byte: 0x01 start printing, 0x00 stop printing.
QByteArray runControlPayload(bool start);
// The one-byte payload of the current-file and parameter requests.
QByteArray requestPayload();

struct StatusReport
{
    quint8 state = 0;   // 0 stopped, 1 printing, 2 ready (as the coder reports it)
    qint8 progress = 0; // percent of the current job, shown on a 0-100 bar
};

// Two bytes: state, progress.
QByteArray statusReportPayload(const StatusReport &report);
// A short payload reads as if padded with zero bytes.
StatusReport parseStatusReport(const QByteArray &payload);
