// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class QIODevice;

// Reads a CSV file record by record, as an ERP or a spreadsheet writes it:
// fields separated by commas, a field in double quotes may hold commas,
// line breaks and doubled quotes; lines end with LF, CR LF or CR.  The text
// must be UTF-8, with or without a byte order mark.  Only one record is held
// at a time and each field and record is bounded, so a file of any length
// takes little memory.  Any fault in the file's form (another encoding, a
// quote left open, a field or file over its limit) stops the reading: what
// follows it cannot be told apart reliably.
class CsvReader
{
public:
    static constexpr int kMaxFieldBytes = 64 * 1024;
    static constexpr int kMaxFields = 256;

    enum class Outcome { Record, End, Error };

    CsvReader(QIODevice *device, qint64 maxBytes);
    // The next record; a blank line is a record of one empty field.
    Outcome next(QStringList *fields);
    // Why reading stopped, in the operator's words.
    QString error() const { return m_error; }
    // The line (1-based) on which the last record began.
    int line() const { return m_recordLine; }

private:
    bool fill();
    bool fail(const QString &reason);
    bool endField(QStringList *fields);

    QIODevice *m_device;
    qint64 m_maxBytes;
    qint64 m_consumed = 0;
    QByteArray m_buffer;
    int m_pos = 0;
    bool m_started = false;
    bool m_eof = false;
    int m_line = 1;
    int m_recordLine = 1;
    QByteArray m_field;
    QString m_error;
};
