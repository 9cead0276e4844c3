// SPDX-License-Identifier: GPL-3.0-or-later
#include "coderlistmodel.h"

CoderListModel::CoderListModel(QObject *parent) : QAbstractListModel(parent)
{
    m_refresh.setSingleShot(true);
    m_refresh.setInterval(kMinRefreshMs);
    connect(&m_refresh, &QTimer::timeout, this, &CoderListModel::flush);
}

int CoderListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_entries.size();
}

QVariant CoderListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_entries.size())
        return {};
    const Entry &e = m_entries.at(rowOfEntry(index.row()));
    switch (role) {
    case Qt::DisplayRole:
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
    --m_counts[int(e->state)];
    ++m_counts[int(state)];
    e->state = state;
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

int CoderListModel::rowOf(int descriptor) const
{
    const auto found = m_entryOf.constFind(descriptor);
    return found == m_entryOf.constEnd() ? -1 : rowOfEntry(found.value());
}

int CoderListModel::descriptorAt(int row) const
{
    return row >= 0 && row < m_entries.size() ? m_entries.at(rowOfEntry(row)).descriptor : -1;
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
