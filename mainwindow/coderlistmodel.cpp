// SPDX-License-Identifier: GPL-3.0-or-later
#include "coderlistmodel.h"

#include <utility>

CoderListModel::CoderListModel(QObject *parent) : QAbstractListModel(parent)
{
    m_refresh.setSingleShot(true);
    m_refresh.setInterval(kMinRefreshMs);
    connect(&m_refresh, &QTimer::timeout, this, &CoderListModel::flush);
}

int CoderListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_entries.size() + m_remote.size();
}

QVariant CoderListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const Entry &e = entryAtRow(index.row());
    switch (role) {
    case Qt::DisplayRole:
        if (!e.node.isEmpty())
            return QStringLiteral("%1: %2").arg(e.node,
                                                e.remarkName.isEmpty() ? e.ipText : e.remarkName);
        return e.remarkName.isEmpty() ? e.ipText : e.remarkName;
    case Qt::ToolTipRole:
        return toolTip(e);
    case DescriptorRole:
        return e.descriptor;
    case IpTextRole:
        return e.ipText;
    case RemarkNameRole:
        return e.remarkName;
    case StateRole:
        return int(e.state);
    case ProgressRole:
        return e.progress;
    case CurrentFileRole:
        return e.currentFile;
    case JobRole:
        return e.job;
    case LotRole:
        return e.lot;
    case JobStageRole:
        return e.stage;
    case JobMismatchRole:
        return e.mismatch;
    case NodeRole:
        return e.node;
    case StaleRole:
        return e.stale;
    default:
        return {};
    }
}

void CoderListModel::addCoder(const Coder &coder)
{
    if (m_entryOf.contains(coder.descriptor))
        return;
    // The newest row is row 0.
    beginInsertRows(QModelIndex(), 0, 0);
    m_entryOf.insert(coder.descriptor, m_entries.size());
    m_entries.append(Entry{coder.descriptor, coder.ipText, coder.remarkName, coder.currentFile,
                           coder.state, coder.progress, false});
    endInsertRows();
    ++m_counts[int(coder.state)];
    m_countsDirty = true;
    if (!m_refresh.isActive())
        m_refresh.start();
}

bool CoderListModel::removeCoder(int descriptor)
{
    const auto found = m_entryOf.constFind(descriptor);
    if (found == m_entryOf.constEnd())
        return false;
    const int entry = found.value();
    const int row = rowOfEntry(entry);
    beginRemoveRows(QModelIndex(), row, row);
    --m_counts[int(m_entries.at(entry).state)];
    m_entries.remove(entry);
    m_entryOf.remove(descriptor);
    reindexFrom(entry);
    endRemoveRows();
    m_countsDirty = true;
    if (!m_refresh.isActive())
        m_refresh.start();
    return true;
}

void CoderListModel::setState(int descriptor, CoderState state)
{
    Entry *e = entryOf(descriptor);
    if (!e || e->state == state)
        return;
    count(*e, -1);
    e->state = state;
    count(*e, 1);
    m_countsDirty = true;
    markDirty(*e);
}

void CoderListModel::setProgress(int descriptor, int percent)
{
    Entry *e = entryOf(descriptor);
    // A coder's progress is a signed byte; the bar shows 0 to 100.
    const int progress = qBound(0, percent, 100);
    if (!e || e->progress == progress)
        return;
    e->progress = progress;
    markDirty(*e);
}

void CoderListModel::setCurrentFile(int descriptor, const QString &name)
{
    if (Entry *e = entryOf(descriptor)) {
        e->currentFile = name;
        markDirty(*e);
    }
}

void CoderListModel::setJob(int descriptor, const QString &job, const QString &lot,
                            const QString &stage, bool mismatch)
{
    Entry *e = entryOf(descriptor);
    if (!e)
        return;
    e->job = job;
    e->lot = job.isEmpty() ? QString() : lot;
    e->stage = job.isEmpty() ? QString() : stage;
    e->mismatch = !job.isEmpty() && mismatch;
    markDirty(*e);
}

void CoderListModel::setRemarkName(const QString &ipText, const QString &name)
{
    for (Entry &e : m_entries) {
        if (e.ipText == ipText && e.remarkName != name) {
            e.remarkName = name;
            markDirty(e);
        }
    }
}

void CoderListModel::setRemote(const RemoteRow &row)
{
    const bool inJob = !row.job.isEmpty();
    Entry entry{row.descriptor,
                row.ipText,
                row.remarkName,
                row.currentFile,
                row.state,
                row.progress,
                false,
                row.job,
                inJob ? row.lot : QString(),
                inJob ? row.stage : QString(),
                inJob && row.mismatch,
                row.node,
                row.stale};
    const auto found = m_remoteOf.constFind(row.descriptor);
    if (found != m_remoteOf.constEnd()) {
        Entry &e = m_remote[found.value()];
        count(e, -1);
        e = entry;
        count(e, 1);
        m_remoteRows[found.value()] = row;
        m_countsDirty = true;
        markDirty(e);
        return;
    }
    // Grouped by line, then by device.
    int at = 0;
    while (at < m_remoteRows.size() &&
           std::make_pair(m_remoteRows.at(at).node, m_remoteRows.at(at).device) <
               std::make_pair(row.node, row.device))
        ++at;
    const int viewRow = m_entries.size() + at;
    beginInsertRows(QModelIndex(), viewRow, viewRow);
    m_remote.insert(at, entry);
    m_remoteRows.insert(at, row);
    for (int i = at; i < m_remote.size(); ++i)
        m_remoteOf[m_remote.at(i).descriptor] = i;
    endInsertRows();
    count(entry, 1);
    m_countsDirty = true;
    if (!m_refresh.isActive())
        m_refresh.start();
}

const CoderListModel::RemoteRow *CoderListModel::remote(int descriptor) const
{
    const auto found = m_remoteOf.constFind(descriptor);
    return found == m_remoteOf.constEnd() ? nullptr : &m_remoteRows.at(found.value());
}

const CoderListModel::Entry &CoderListModel::entryAtRow(int row) const
{
    return row < m_entries.size() ? m_entries.at(rowOfEntry(row))
                                  : m_remote.at(row - m_entries.size());
}

int CoderListModel::rowOf(int descriptor) const
{
    const auto remote = m_remoteOf.constFind(descriptor);
    if (remote != m_remoteOf.constEnd())
        return m_entries.size() + remote.value();
    const auto found = m_entryOf.constFind(descriptor);
    return found == m_entryOf.constEnd() ? -1 : rowOfEntry(found.value());
}

int CoderListModel::descriptorAt(int row) const
{
    return row >= 0 && row < rowCount() ? entryAtRow(row).descriptor : -1;
}

QString CoderListModel::stateName(CoderState state)
{
    switch (state) {
    case CoderState::Printing:
        return tr("printing");
    case CoderState::Ready:
        return tr("ready");
    case CoderState::Stopped:
        break;
    }
    return tr("stopped");
}

// One dataChanged over the rows from the first to the last changed one: a
// view repaints what it shows of them at once, and a filter looks again
// only at those rows.
void CoderListModel::flush()
{
    m_refresh.stop();
    int first = -1;
    int last = -1;
    for (int i = 0; i < m_entries.size(); ++i) {
        Entry &e = m_entries[i];
        if (!e.dirty)
            continue;
        e.dirty = false;
        const int row = rowOfEntry(i);
        first = first < 0 ? row : qMin(first, row);
        last = qMax(last, row);
    }
    for (int i = 0; i < m_remote.size(); ++i) {
        Entry &e = m_remote[i];
        if (!e.dirty)
            continue;
        e.dirty = false;
        const int row = m_entries.size() + i;
        first = first < 0 ? row : qMin(first, row);
        last = qMax(last, row);
    }
    if (first >= 0)
        emit dataChanged(index(first), index(last));
    if (m_countsDirty) {
        m_countsDirty = false;
        emit countsChanged();
    }
}

CoderListModel::Entry *CoderListModel::entryOf(int descriptor)
{
    const auto found = m_entryOf.constFind(descriptor);
    return found == m_entryOf.constEnd() ? nullptr : &m_entries[found.value()];
}

void CoderListModel::markDirty(Entry &entry)
{
    entry.dirty = true;
    if (!m_refresh.isActive())
        m_refresh.start();
}

void CoderListModel::reindexFrom(int entry)
{
    for (int i = entry; i < m_entries.size(); ++i)
        m_entryOf[m_entries.at(i).descriptor] = i;
}

QString CoderListModel::toolTip(const Entry &e) const
{
    QStringList lines;
    if (!e.node.isEmpty())
        lines << tr("Line: %1").arg(e.node);
    if (e.stale)
        lines << tr("Not heard of: the last values known");
    lines << tr("IP: %1").arg(e.ipText);
    if (!e.remarkName.isEmpty())
        lines << tr("Remark name: %1").arg(e.remarkName);
    lines << tr("State: %1").arg(stateName(e.state));
    lines << tr("Current file: %1").arg(e.currentFile.isEmpty() ? tr("unknown") : e.currentFile);
    if (!e.job.isEmpty()) {
        lines << tr("Job: %1").arg(e.job);
        lines << tr("Lot: %1").arg(e.lot);
        lines << tr("Job state: %1").arg(e.stage);
    }
    return lines.join(QLatin1Char('\n'));
}
