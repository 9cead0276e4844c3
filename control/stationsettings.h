// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

// The settings both control programs need, in "korvex.conf" of the working
// folder (an INI file; the service may be given another):
//   [server]        port           the port coders connect to
//   [remark_names]  <IP text> = <name>   the coders' names, for good
//   [window]        language       the interface language of the window
//   [mqtt]          ...            the plant bus (read by the plant library)
//   [jobs]          enabled        true: messages go out in jobs; sending one
//                                  outside a job is a Supervisor's
// What belongs to one person's desk (window places, compact rows) stays in
// the per-user store.  Values the program changes (the port the operator
// moves the server to, remark names) are written back into the same file
// with its comments and other lines kept; a file that cannot be written
// keeps its old text whole, and the change holds for this run only.
class StationSettings
{
public:
    static constexpr const char *kFileName = "korvex.conf";
    static constexpr qint64 kMaxFileBytes = 1024 * 1024;

    // Nothing read yet: the defaults.  An empty path keeps everything in
    // memory (tests, a Fleet of its own).
    explicit StationSettings(const QString &path = QString());

    QString path() const { return m_path; }

    // Reads the file.  A missing one gives the defaults, unless required.
    // Each bad value is named with its key in *errors (and left at its
    // default); false when there is any.
    bool load(bool required, QStringList *errors);

    std::optional<quint16> port() const { return m_port; }
    // Empty when stored; else why it holds for this run only.
    QString setPort(quint16 port);

    // One of ru, esp, pt, en, kr, ita, turkish, cn, arabic, as written; empty
    // when not set (the desktop's language is used then).
    QString language() const { return m_language; }
    // [jobs] enabled; false without it (and when it is no true or false).
    bool jobsEnabled() const { return m_jobsEnabled; }

    QString remarkName(const QString &ipText) const { return m_remarkNames.value(ipText); }
    QMap<QString, QString> remarkNames() const { return m_remarkNames; }
    // An empty name removes the coder's.  Empty when stored; else why not.
    QString setRemarkName(const QString &ipText, const QString &name);

    // The remark names an operator gave before they lived here, from the
    // per-user store: each one this file does not have is added, once per
    // account; a name here wins.  Empty when nothing had to be done or all
    // went well; else why the names hold for this run only (the per-user
    // store keeps them, so that they come over at the next start).
    QString carryOverRemarkNames();

private:
    // Changes one value in the file, keeping every other line.
    QString store(const QString &section, const QString &key, const std::optional<QString> &value);

    QString m_path;
    std::optional<quint16> m_port;
    QString m_language;
    QMap<QString, QString> m_remarkNames;
    bool m_jobsEnabled = false;
};
