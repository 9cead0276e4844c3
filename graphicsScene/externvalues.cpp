// SPDX-License-Identifier: GPL-3.0-or-later
#include "externvalues.h"

QString ExternValues::at(int index) const
{
    if (index < 0 || index >= m_ends.size())
        return {};
    const quint32 begin = index == 0 ? 0 : m_ends.at(index - 1);
    return QString::fromUtf8(m_bytes.constData() + begin, int(m_ends.at(index) - begin));
}

QStringList ExternValues::toStringList() const
{
    QStringList values;
    values.reserve(size());
    for (int i = 0; i < size(); ++i)
        values << at(i);
    return values;
}

void ExternValues::append(const QString &value)
{
    const QByteArray utf8 = value.toUtf8();
    append(utf8.constData(), utf8.size());
}

void ExternValues::append(const char *utf8, int size)
{
    m_bytes.append(utf8, size);
    m_ends.append(quint32(m_bytes.size()));
}

void ExternValues::reserve(int values, int bytes)
{
    m_ends.reserve(values);
    m_bytes.reserve(bytes);
}

void ExternValues::clear()
{
    m_bytes = QByteArray();
    m_ends = QVector<quint32>();
}
