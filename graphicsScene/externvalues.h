// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

// The values of one column of a data file, packed: their UTF-8 bytes one
// after another and where each one ends.  A data file of 16 MiB may hold
// eight million one-byte values; as a QStringList they took 57 times the
// file's size, packed they take four bytes a value besides their own.
class ExternValues
{
public:
    int size() const { return m_ends.size(); }
    bool isEmpty() const { return m_ends.isEmpty(); }
    QString at(int index) const;
    QStringList toStringList() const;

    void append(const QString &value);
    // size bytes of UTF-8.
    void append(const char *utf8, int size);
    void reserve(int values, int bytes);
    void clear();

    bool operator==(const ExternValues &other) const
    {
        return m_ends == other.m_ends && m_bytes == other.m_bytes;
    }
    bool operator!=(const ExternValues &other) const { return !(*this == other); }

private:
    QByteArray m_bytes;
    QVector<quint32> m_ends; // offset in m_bytes after each value
};
