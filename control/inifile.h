// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The text of an INI file as an administrator writes it: sections, "key =
// value" lines, comments (";" or "#") and blank lines.  Changing a value
// rewrites that one line (or adds one at the end of its section, or a new
// section at the end) and keeps every other line as it stood, comments
// included, so that a settings file the program updates stays the file its
// administrator wrote.  A value that needs it is written in double quotes,
// with \" and \\ inside; reading takes both forms.
class IniFile
{
public:
    static IniFile parse(const QByteArray &text);
    QByteArray toText() const;

    bool contains(const QString &section, const QString &key) const;
    QString value(const QString &section, const QString &key) const;
    // The keys of a section in the order they stand; none for a missing one.
    QStringList keys(const QString &section) const;
    // The sections in the order they first stand.
    QStringList sections() const;
    void setValue(const QString &section, const QString &key, const QString &value);
    void remove(const QString &section, const QString &key);

    // "Line 1" stays as it is; a value with leading or trailing blanks,
    // quotes, a backslash, ";" or "#" is quoted.
    static QString quoted(const QString &value);

private:
    struct Line
    {
        QString text;    // as it stands in the file
        QString section; // the section it belongs to
        QString key;     // empty: no key line
        QString value;
    };
    // Index of the key's line, -1 when none.
    int find(const QString &section, const QString &key) const;

    QList<Line> m_lines;
};
