// SPDX-License-Identifier: GPL-3.0-or-later
#include "csvreader.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QTextCodec>

namespace {

constexpr int kChunk = 64 * 1024;

QString tr(const char *text)
{
    return QCoreApplication::translate("CsvReader", text);
}

// Offset of the first byte that is not part of well-formed UTF-8 (no
// overlong forms, no surrogates, nothing past U+10FFFF), or -1.
int invalidUtf8(const QByteArray &bytes)
{
    const auto *s = reinterpret_cast<const unsigned char *>(bytes.constData());
    const int n = bytes.size();
    int i = 0;
    while (i < n) {
        const unsigned char c = s[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        int length = 0;
        unsigned low = 0x80, high = 0xbf; // allowed range of the second byte
        if (c >= 0xc2 && c <= 0xdf) {
            length = 2;
        } else if (c >= 0xe0 && c <= 0xef) {
            length = 3;
            if (c == 0xe0)
                low = 0xa0;
            if (c == 0xed)
                high = 0x9f;
        } else if (c >= 0xf0 && c <= 0xf4) {
            length = 4;
            if (c == 0xf0)
                low = 0x90;
            if (c == 0xf4)
                high = 0x8f;
        } else {
            return i;
        }
        if (i + length > n)
            return i;
        if (s[i + 1] < low || s[i + 1] > high)
            return i;
        for (int k = 2; k < length; ++k) {
            if ((s[i + k] & 0xc0) != 0x80)
                return i;
        }
        i += length;
    }
    return -1;
}

} // namespace

CsvReader::CsvReader(QIODevice *device, qint64 maxBytes) : m_device(device), m_maxBytes(maxBytes) {}

bool CsvReader::fail(const QString &reason)
{
    m_error = reason;
    return false;
}

bool CsvReader::fill()
{
    if (m_pos < m_buffer.size())
        return true;
    if (m_eof)
        return false;
    m_buffer = m_device->read(kChunk);
    m_pos = 0;
    if (m_buffer.isEmpty()) {
        m_eof = true;
        return false;
    }
    m_consumed += m_buffer.size();
    if (m_consumed > m_maxBytes)
        return fail(tr("The file is over %1 MiB; split it and import the parts.")
                        .arg(m_maxBytes / (1024 * 1024)));
    if (!m_started) {
        m_started = true;
        if (m_buffer.startsWith("\xef\xbb\xbf"))
            m_pos = 3;
        else if (m_buffer.startsWith("\xff\xfe") || m_buffer.startsWith("\xfe\xff"))
            return fail(tr("The file is UTF-16 text; save it as UTF-8 (\"CSV UTF-8\") and "
                           "import it again."));
    }
    return m_pos < m_buffer.size() || fill();
}

bool CsvReader::endField(QStringList *fields)
{
    if (m_field.contains('\0'))
        return fail(tr("Line %1 holds NUL bytes: the file is not UTF-8 text (UTF-16?); save "
                       "it as UTF-8 and import it again.")
                        .arg(m_line));
    const int bad = invalidUtf8(m_field);
    if (bad >= 0)
        return fail(tr("Line %1 is not UTF-8 text (byte 0x%2): the file is in another "
                       "encoding, such as Windows-1252. Save it as UTF-8 and import it again.")
                        .arg(m_line)
                        .arg(uchar(m_field.at(bad)), 2, 16, QLatin1Char('0')));
    if (fields->size() >= kMaxFields)
        return fail(tr("Line %1 has over %2 fields.").arg(m_recordLine).arg(kMaxFields));
    // Not QString::fromUtf8, which drops a byte order mark at the start of
    // each field: the file's own was skipped, and any other is data.
    static QTextCodec *const kUtf8 = QTextCodec::codecForMib(106);
    QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
    fields->append(kUtf8->toUnicode(m_field.constData(), m_field.size(), &state));
    m_field.clear();
    return true;
}

CsvReader::Outcome CsvReader::next(QStringList *fields)
{
    fields->clear();
    m_field.clear();
    if (!m_error.isEmpty())
        return Outcome::Error;
    enum class State { FieldStart, Unquoted, Quoted, QuoteInQuoted };
    State state = State::FieldStart;
    m_recordLine = m_line;
    bool any = false;
    for (;;) {
        if (!fill()) {
            if (!m_error.isEmpty())
                return Outcome::Error;
            if (state == State::Quoted) {
                fail(tr("The quoted field that starts on line %1 is never closed.")
                         .arg(m_recordLine));
                return Outcome::Error;
            }
            if (!any)
                return Outcome::End;
            return endField(fields) ? Outcome::Record : Outcome::Error;
        }
        const char c = m_buffer.at(m_pos++);
        any = true;
        if (c == '\n' || (c == '\r' && state != State::Quoted)) {
            if (c == '\r' && fill() && m_buffer.at(m_pos) == '\n')
                ++m_pos;
            if (!m_error.isEmpty())
                return Outcome::Error;
            if (state != State::Quoted) {
                ++m_line;
                return endField(fields) ? Outcome::Record : Outcome::Error;
            }
            ++m_line;
        }
        switch (state) {
        case State::FieldStart:
            if (c == '"') {
                state = State::Quoted;
                continue;
            }
            state = State::Unquoted;
            [[fallthrough]];
        case State::Unquoted:
            if (c == ',') {
                if (!endField(fields))
                    return Outcome::Error;
                state = State::FieldStart;
                continue;
            }
            break;
        case State::Quoted:
            if (c == '"') {
                state = State::QuoteInQuoted;
                continue;
            }
            break;
        case State::QuoteInQuoted:
            if (c == '"') {
                state = State::Quoted;
                break;
            }
            if (c == ',') {
                if (!endField(fields))
                    return Outcome::Error;
                state = State::FieldStart;
                continue;
            }
            fail(tr("Line %1: a quoted field goes on after its closing quote (a quote inside "
                    "quotes must be doubled).")
                     .arg(m_line));
            return Outcome::Error;
        }
        if (m_field.size() >= kMaxFieldBytes) {
            fail(tr("Line %1 has a field over %2 KiB.").arg(m_line).arg(kMaxFieldBytes / 1024));
            return Outcome::Error;
        }
        m_field.append(c);
    }
}
