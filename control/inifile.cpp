// SPDX-License-Identifier: GPL-3.0-or-later
#include "inifile.h"

namespace {

QString unquoted(const QString &raw)
{
    if (raw.size() < 2 || !raw.startsWith(QLatin1Char('"')) || !raw.endsWith(QLatin1Char('"')))
        return raw;
    QString value;
    value.reserve(raw.size());
    for (int i = 1; i < raw.size() - 1; ++i) {
        if (raw.at(i) == QLatin1Char('\\') && i + 1 < raw.size() - 1)
            ++i;
        value += raw.at(i);
    }
    return value;
}

bool isComment(const QString &trimmed)
{
    return trimmed.startsWith(QLatin1Char(';')) || trimmed.startsWith(QLatin1Char('#'));
}

} // namespace

IniFile IniFile::parse(const QByteArray &text)
{
    IniFile file;
    QString section;
    const QString whole = QString::fromUtf8(text);
    QStringList lines = whole.split(QLatin1Char('\n'));
    // The last newline ends a line; it does not start an empty one.
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QString raw : qAsConst(lines)) {
        if (raw.endsWith(QLatin1Char('\r')))
            raw.chop(1);
        Line line{raw, section, QString(), QString()};
        const QString trimmed = raw.trimmed();
        if (trimmed.startsWith(QLatin1Char('[')) && trimmed.endsWith(QLatin1Char(']'))) {
            section = trimmed.mid(1, trimmed.size() - 2).trimmed();
            line.section = section;
        } else if (!trimmed.isEmpty() && !isComment(trimmed)) {
            const int equals = trimmed.indexOf(QLatin1Char('='));
            if (equals > 0) {
                line.key = trimmed.left(equals).trimmed();
                line.value = unquoted(trimmed.mid(equals + 1).trimmed());
            }
        }
        file.m_lines.append(line);
    }
    return file;
}

QByteArray IniFile::toText() const
{
    QString text;
    for (const Line &line : m_lines)
        text += line.text + QLatin1Char('\n');
    return text.toUtf8();
}

int IniFile::find(const QString &section, const QString &key) const
{
    // The last of repeated keys wins, as in QSettings.
    for (int i = m_lines.size() - 1; i >= 0; --i) {
        if (m_lines.at(i).section == section && m_lines.at(i).key == key)
            return i;
    }
    return -1;
}

bool IniFile::contains(const QString &section, const QString &key) const
{
    return find(section, key) >= 0;
}

QString IniFile::value(const QString &section, const QString &key) const
{
    const int at = find(section, key);
    return at < 0 ? QString() : m_lines.at(at).value;
}

QStringList IniFile::keys(const QString &section) const
{
    QStringList keys;
    for (const Line &line : m_lines) {
        if (line.section == section && !line.key.isEmpty() && !keys.contains(line.key))
            keys << line.key;
    }
    return keys;
}

QStringList IniFile::sections() const
{
    QStringList sections;
    for (const Line &line : m_lines) {
        if (!line.section.isEmpty() && !sections.contains(line.section))
            sections << line.section;
    }
    return sections;
}

QString IniFile::quoted(const QString &value)
{
    const bool plain = value == value.trimmed() && !value.contains(QLatin1Char('"')) &&
                       !value.contains(QLatin1Char('\\')) && !value.contains(QLatin1Char(';')) &&
                       !value.contains(QLatin1Char('#'));
    if (plain)
        return value;
    QString text = QStringLiteral("\"");
    for (const QChar c : value) {
        if (c == QLatin1Char('"') || c == QLatin1Char('\\'))
            text += QLatin1Char('\\');
        text += c;
    }
    return text + QLatin1Char('"');
}

void IniFile::setValue(const QString &section, const QString &key, const QString &value)
{
    const QString text = QStringLiteral("%1 = %2").arg(key, quoted(value));
    const int at = find(section, key);
    if (at >= 0) {
        m_lines[at].text = text;
        m_lines[at].value = value;
        return;
    }
    // After the last key line of the section, or a new section at the end.
    int last = -1;
    for (int i = 0; i < m_lines.size(); ++i) {
        if (m_lines.at(i).section == section && (!m_lines.at(i).key.isEmpty() || last < 0))
            last = i;
    }
    if (last < 0) {
        if (!m_lines.isEmpty() && !m_lines.last().text.trimmed().isEmpty())
            m_lines.append(Line{QString(), m_lines.last().section, QString(), QString()});
        m_lines.append(Line{QStringLiteral("[%1]").arg(section), section, QString(), QString()});
        last = m_lines.size() - 1;
    }
    m_lines.insert(last + 1, Line{text, section, key, value});
}

void IniFile::remove(const QString &section, const QString &key)
{
    for (int at = find(section, key); at >= 0; at = find(section, key))
        m_lines.removeAt(at);
}
