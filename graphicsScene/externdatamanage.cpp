// SPDX-License-Identifier: GPL-3.0-or-later
#include "externdatamanage.h"

#include "boundedread.h"
#include "documentlog.h"
#include "itemtypes.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QGraphicsItem>

#include <algorithm>
#include <cstring>

namespace {

// The lines of the file as readLine() would return them, cut after each
// "\n" and a last one without it when the file does not end in one, each
// without its line end and without anything from its first NUL byte on.
class Lines
{
public:
    explicit Lines(const QByteArray &bytes) : m_data(bytes.constData()), m_size(bytes.size()) {}

    // The next line; false after the last.
    bool next(const char **line, int *size)
    {
        if (m_at >= m_size)
            return false;
        const char *begin = m_data + m_at;
        const void *newline = std::memchr(begin, '\n', size_t(m_size - m_at));
        const int length =
            newline ? int(static_cast<const char *>(newline) - begin) : m_size - m_at;
        m_at += length + (newline ? 1 : 0);
        int kept = length;
        if (const void *nul = std::memchr(begin, '\0', size_t(length)))
            kept = int(static_cast<const char *>(nul) - begin);
        while (kept > 0 && (begin[kept - 1] == '\r' || begin[kept - 1] == '\n'))
            --kept;
        *line = begin;
        *size = kept;
        return true;
    }

private:
    const char *m_data;
    int m_size;
    int m_at = 0;
};

bool isAsciiSpace(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// One record: white space simplified (ends trimmed, inner runs made one
// space), split at "," with empty fields kept, so spaces next to a comma stay
// part of the field.
QStringList splitRecord(const QString &line)
{
    return line.simplified().split(QLatin1Char(','));
}

// The same for a line of ASCII, without a string per field: the simplified
// line into out, and the number of its fields.
int simplifyAscii(const char *line, int size, QByteArray &out)
{
    out.resize(size);
    char *to = out.data();
    int length = 0;
    int fields = 1;
    bool space = false;
    for (int i = 0; i < size; ++i) {
        const char c = line[i];
        if (isAsciiSpace(c)) {
            space = length > 0;
            continue;
        }
        if (space)
            to[length++] = ' ';
        space = false;
        to[length++] = c;
        fields += c == ',' ? 1 : 0;
    }
    out.resize(length);
    return fields;
}

bool isAscii(const char *line, int size)
{
    for (int i = 0; i < size; ++i) {
        if (static_cast<unsigned char>(line[i]) >= 0x80)
            return false;
    }
    return true;
}

} // namespace

ExternDataManage::ExternDataManage(QObject *parent) : QObject(parent) {}

void ExternDataManage::addExternItem(QGraphicsItem *item)
{
    item->setData(ItemData::kIsExtern, true);
    addColumn(item->data(ItemData::kId).toString());
}

void ExternDataManage::removeExternItem(QGraphicsItem *item)
{
    item->setData(ItemData::kIsExtern, false);
    if (item->type() != ItemTypeCode::kText && item->type() != ItemTypeCode::kBarcode)
        return;
    const QString id = item->data(ItemData::kId).toString();
    for (int i = 0; i < m_columns.size(); ++i) {
        if (m_columns.at(i).id == id) {
            m_columns.remove(i);
            m_itemIds.removeAt(i);
            return;
        }
    }
}

void ExternDataManage::addColumn(const QString &id)
{
    m_columns.append(Column{id, {}});
    m_itemIds.append(id);
}

void ExternDataManage::insertColumn(int index, const Column &column)
{
    index = qBound(0, index, m_columns.size());
    m_columns.insert(index, column);
    m_itemIds.insert(index, column.id);
}

bool ExternDataManage::contains(const QString &id) const
{
    for (const Column &c : m_columns) {
        if (c.id == id)
            return true;
    }
    return false;
}

void ExternDataManage::clear()
{
    m_itemIds.clear();
    m_columns.clear();
}

void ExternDataManage::appendRecord(const QStringList &fields)
{
    for (int i = 0; i < m_columns.size() && i < fields.size(); ++i)
        m_columns[i].values.append(fields.at(i));
}

int ExternDataManage::loadDataFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return FileNotFound;
    for (Column &c : m_columns)
        c.values.clear();
    // Message files come from other PCs and from coders, so the path may name
    // anything: a FIFO blocks open() until some writer appears, and a device
    // such as /dev/zero never ends.  Only plain files are read.
    if (info.isDir())
        return CannotOpen;
    if (!info.isFile())
        return NotAFile;
    const PlainFile read = PlainFile::read(path, kMaxFileBytes);
    switch (read.problem) {
    case PlainFile::Problem::None:
        break;
    case PlainFile::Problem::NotPlain:
        return NotAFile;
    case PlainFile::Problem::TooLarge:
        return TooLarge;
    case PlainFile::Problem::CannotOpen:
    case PlainFile::Problem::ReadFailed:
        return CannotOpen;
    }
    const QByteArray &bytes = read.bytes;

    // Simplifying white space keeps every comma: a line has one field more
    // than commas.  Only the records that will be kept are made room for, so
    // that a file of empty lines cannot make the columns ask for more than
    // four bytes a byte of the file.
    const int columns = m_columns.size();
    const char *line = nullptr;
    int size = 0;
    int lineCount = 0;
    int records = 0;
    QByteArray first;
    for (Lines lines(bytes); lines.next(&line, &size); ++lineCount) {
        if (size > kMaxLineBytes)
            return LineTooLong;
        if (lineCount == 0)
            first = QByteArray(line, size);
        records += std::count(line, line + size, ',') + 1 >= columns ? 1 : 0;
    }

    // The first line checks the field count; it is also the first record
    // (the file has no header).  Its fields are only counted, so its
    // encoding does not matter here.
    if (splitRecord(QString::fromLatin1(first)).size() != m_columns.size())
        return ColumnMismatch;

    for (Column &c : m_columns)
        c.values.reserve(records, bytes.size() / qMax(1, columns));
    QByteArray simplified;
    for (Lines lines(bytes); lines.next(&line, &size);) {
        if (!isAscii(line, size)) {
            const QStringList fields = splitRecord(QString::fromUtf8(line, size));
            qCDebug(lcDocument) << "readed Stringlist:" << fields;
            if (fields.size() >= columns)
                appendRecord(fields);
            continue;
        }
        const int fields = simplifyAscii(line, size, simplified);
        if (lcDocument().isDebugEnabled())
            qCDebug(lcDocument) << "readed Stringlist:"
                                << QString::fromLatin1(simplified).split(QLatin1Char(','));
        if (fields < columns)
            continue;
        const char *field = simplified.constData();
        const char *end = field + simplified.size();
        for (Column &c : m_columns) {
            const char *comma =
                static_cast<const char *>(std::memchr(field, ',', size_t(end - field)));
            const char *fieldEnd = comma ? comma : end;
            c.values.append(field, int(fieldEnd - field));
            field = comma ? comma + 1 : end;
        }
    }
    qCDebug(lcDocument) << "size:" << lineCount;
    m_lines = lineCount;
    m_fileName = path;
    return Loaded;
}

void ExternDataManage::dumpToLog() const
{
    if (m_columns.isEmpty())
        qCDebug(lcDocument) << "datamanage is empty!";
    else
        qCDebug(lcDocument) << "contain data:" << m_itemIds;
}
