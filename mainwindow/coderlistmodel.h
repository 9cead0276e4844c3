// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "coder.h"

#include <QAbstractListModel>
#include <QHash>
#include <QTimer>
#include <QVector>

#include <array>

// The connected coders as the device list shows them, newest on top: name,
// state, progress and current file of each.  Below them the coders of the
// plant's other lines (remote rows), grouped by line, kept stale with their
// last values once their line lost them; stale rows are not counted.  Changes are kept at once but
// told to views (dataChanged, countsChanged) at most every refresh interval,
// the latest values last: a thousand coders reporting ten times a second
// cost a few repaints a second, not ten thousand.
class CoderListModel : public QAbstractListModel
{
    Q_OBJECT
public:
    enum Role {
        DescriptorRole = Qt::UserRole + 1,
        IpTextRole,
        RemarkNameRole,
        StateRole,    // int(CoderState)
        ProgressRole, // 0 to 100; -1 before the first report
        CurrentFileRole,
        JobRole,         // "PO-77 (OJ-1L)": the order and product of its job; empty: none
        LotRole,         // the job's lot
        JobStageRole,    // "sending", "verified", "running", "mismatch" ... translated
        JobMismatchRole, // bool: it does not hold its job's message
        NodeRole,        // the line of a remote coder ("Line1/PC1"); empty: this PC's
        StaleRole,       // bool: a remote coder whose line is lost
    };
    // Remote coders have descriptors from this one down.
    static constexpr int kFirstRemote = -2;
    static bool isRemote(int descriptor) { return descriptor <= kFirstRemote; }
    // A coder of another line as its edge node last told.
    struct RemoteRow
    {
        int descriptor = kFirstRemote;
        QString node;
        QString device;
        QString ipText;
        QString remarkName;
        QString currentFile;
        CoderState state = CoderState::Stopped;
        int progress = -1;
        bool stale = false;
        // Its job as its line tells it (as setJob gives them); an empty job: none.
        QString job, lot, stage;
        bool mismatch = false;
    };
    static constexpr int kMinRefreshMs = 250;

    explicit CoderListModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    void addCoder(const Coder &coder);
    // False when no row has that descriptor.
    bool removeCoder(int descriptor);
    void setState(int descriptor, CoderState state);
    void setProgress(int descriptor, int percent);
    void setCurrentFile(int descriptor, const QString &name);
    // The coder's job, lot and stage in it; an empty job: none.
    void setJob(int descriptor, const QString &job, const QString &lot, const QString &stage,
                bool mismatch);
    // Adds the remote coder, or updates its row.
    void setRemote(const RemoteRow &row);
    // The remote row's line and device; null when descriptor is none.
    const RemoteRow *remote(int descriptor) const;
    // Every coder behind that address takes the name.
    void setRemarkName(const QString &ipText, const QString &name);

    // The rows of this PC's coders.
    int localCount() const { return m_entries.size(); }
    // -1 when no row has that descriptor.
    int rowOf(int descriptor) const;
    int descriptorAt(int row) const;
    // Coders in that state.
    int stateCount(CoderState state) const { return m_counts.at(int(state)); }
    // The translated name of a state, as the tool tip and the filter use it.
    static QString stateName(CoderState state);

    void setRefreshInterval(int ms) { m_refresh.setInterval(ms); }
    // Tells views what changed now rather than at the next refresh.
    void flush();

signals:
    // The per-state counts moved; at most every refresh interval.
    void countsChanged();

private:
    struct Entry
    {
        int descriptor;
        QString ipText;
        QString remarkName;
        QString currentFile;
        CoderState state;
        int progress;
        bool dirty;
        QString job = QString();
        QString lot = QString();
        QString stage = QString();
        bool mismatch = false;
        QString node = QString();
        bool stale = false;
    };
    // Rows are shown newest first; m_entries is in order of arrival.
    int rowOfEntry(int entry) const { return m_entries.size() - 1 - entry; }
    Entry *entryOf(int descriptor);
    void markDirty(Entry &entry);
    void reindexFrom(int entry);
    QString toolTip(const Entry &entry) const;

    const Entry &entryAtRow(int row) const;
    void count(const Entry &e, int delta)
    {
        if (!e.stale)
            m_counts[int(e.state)] += delta;
    }

    QVector<Entry> m_entries;
    // Remote rows after the local ones, by line and device.
    QVector<Entry> m_remote;
    QVector<RemoteRow> m_remoteRows; // beside m_remote
    QHash<int, int> m_remoteOf;      // descriptor to index in m_remote
    QHash<int, int> m_entryOf;       // descriptor to index in m_entries
    std::array<int, 3> m_counts{};
    bool m_countsDirty = false;
    QTimer m_refresh;
};
