// SPDX-License-Identifier: GPL-3.0-or-later
#include "externdatamanage.h"

#include "boundedread.h"
#include "documentlog.h"
#include "itemtypes.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QGraphicsItem>

namespace {

// A line without its line end and without anything from its first NUL byte on.
QByteArray cleanLine(QByteArray line)
{
    const int nul = line.indexOf('\0');
    if (nul >= 0)
        line.truncate(nul);
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    return line;
}

// The lines of the file as readLine() would return them: cut after each
// "\n", and a last line without one when the file does not end in one.
QList<QByteArray> splitLines(const QByteArray &bytes)
{
    QList<QByteArray> lines;
    int from = 0;
    while (from < bytes.size()) {
        int to = bytes.indexOf('\n', from);
        to = to < 0 ? bytes.size() : to + 1;
        lines.append(cleanLine(bytes.mid(from, to - from)));
        from = to;
    }
    return lines;
}

// One record: white space simplified (ends trimmed, inner runs made one
// space), split at "," with empty fields kept, so spaces next to a comma stay
// part of the field.
QStringList splitRecord(const QString &line)
{
    return line.simplified().split(QLatin1Char(','));
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
    if (info.size() > kMaxFileBytes)
        return TooLarge;

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return CannotOpen;
    const QByteArray bytes = readAtMost(file, kMaxFileBytes);
    if (bytes.size() > kMaxFileBytes)
        return TooLarge;
    if (bytes.isEmpty() && file.error() != QFileDevice::NoError)
        return CannotOpen;
    const QList<QByteArray> records = splitLines(bytes);
    for (const QByteArray &line : records) {
        if (line.size() > kMaxLineBytes)
            return LineTooLong;
    }

    // The first line checks the field count; it is also the first record
    // (the file has no header).  Its fields are only counted, so its
    // encoding does not matter here.
    const QStringList first = splitRecord(QString::fromLatin1(records.value(0)));
    if (first.size() != m_columns.size())
        return ColumnMismatch;

    for (const QByteArray &line : records) {
        const QStringList fields = splitRecord(QString::fromUtf8(line));
        qCDebug(lcDocument) << "readed Stringlist:" << fields;
        if (fields.size() >= m_columns.size())
            appendRecord(fields);
    }
    qCDebug(lcDocument) << "size:" << records.size();
    m_lines = records.size();
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
