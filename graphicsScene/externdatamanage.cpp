// SPDX-License-Identifier: GPL-3.0-or-later
#include "externdatamanage.h"

#include "documentlog.h"
#include "itemtypes.h"

#include <QDebug>
#include <QFile>
#include <QGraphicsItem>

namespace {

// Reads one whole line, however long, without its line end and without
// anything from its first NUL byte on.
QByteArray readWholeLine(QFile &file)
{
    QByteArray line = file.readLine();
    const int nul = line.indexOf('\0');
    if (nul >= 0)
        line.truncate(nul);
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    return line;
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
    if (!QFile::exists(path))
        return FileNotFound;
    for (Column &c : m_columns)
        c.values.clear();

    {
        QFile probe(path);
        if (!probe.open(QIODevice::ReadOnly))
            return CannotOpen;
        // The first line checks the field count; it is also the first record
        // (the file has no header).  Its fields are only counted, so its
        // encoding does not matter here.
        const QStringList fields = splitRecord(QString::fromLatin1(readWholeLine(probe)));
        if (fields.size() != m_columns.size())
            return ColumnMismatch;
    }

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return CannotOpen;
    int count = 0;
    while (!file.atEnd()) {
        const QStringList fields = splitRecord(QString::fromUtf8(readWholeLine(file)));
        qCDebug(lcDocument) << "readed Stringlist:" << fields;
        if (fields.size() >= m_columns.size())
            appendRecord(fields);
        ++count;
    }
    qCDebug(lcDocument) << "size:" << count;
    m_lines = count;
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
