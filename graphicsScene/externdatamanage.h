// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "boundedread.h"

#include "externvalues.h"

#include <QObject>
#include <QStringList>
#include <QVector>

class QGraphicsItem;

// The external data of one message: which items take their content from a
// data file (one column per item, in order) and the file's settings that the
// message file stores in its "ExternDataInfo" block.
class ExternDataManage : public QObject
{
    Q_OBJECT
public:
    // Results of loadDataFile.  NotAFile, TooLarge and LineTooLong refuse a
    // path that names a device or FIFO, or a file over the limits below,
    // before anything of it is kept.
    enum LoadResult {
        FileNotFound = 0,
        Loaded = 1,
        ColumnMismatch = 2,
        CannotOpen = 3,
        NotAFile = 4,
        TooLarge = 5,
        LineTooLong = 6
    };

    // A data file feeds a few columns of short print texts; a file larger
    // than this is not a data file, and it would all be held in memory.
    static constexpr qint64 kMaxFileBytes = kMaxPlainFileBytes;
    // Longest line, in bytes without its line end.
    static constexpr int kMaxLineBytes = 64 * 1024;

    struct Column
    {
        QString id;
        ExternValues values;
    };

    explicit ExternDataManage(QObject *parent = nullptr);

    void addExternItem(QGraphicsItem *item);
    void removeExternItem(QGraphicsItem *item);
    void addColumn(const QString &id);
    // Puts a column back where it was (an undone removal); index is clamped.
    void insertColumn(int index, const Column &column);
    bool contains(const QString &id) const;
    QStringList externItemIds() const { return m_itemIds; }
    QString idAt(int index) const { return m_itemIds.value(index); }
    bool isEmpty() const { return m_columns.isEmpty(); }
    int columnCount() const { return m_columns.size(); }
    const Column &columnAt(int index) const { return m_columns.at(index); }
    void clear();
    void appendRecord(const QStringList &fields);
    int loadDataFile(const QString &path);
    void dumpToLog() const;

    int jobCompleteType() const { return m_jobComplete; }
    void setJobCompleteType(int type) { m_jobComplete = type; }
    int startLine() const { return m_start; }
    void setStartLine(int line) { m_start = line; }
    int currentLine() const { return m_current; }
    void setCurrentLine(int line) { m_current = line; }
    int endLine() const { return m_end; }
    void setEndLine(int line) { m_end = line; }
    int lineCount() const { return m_lines; }
    QString dataFileName() const { return m_fileName; }
    void setDataFileName(const QString &path) { m_fileName = path; }
    int externMode() const { return m_mode; }
    void setExternMode(int m) { m_mode = m; }

private:
    int m_jobComplete = 0;
    QVector<Column> m_columns;
    QStringList m_itemIds;
    int m_start = 0;
    int m_current = 0;
    int m_end = 10;
    int m_lines = 200;
    QString m_fileName;
    int m_mode = 0;
};
