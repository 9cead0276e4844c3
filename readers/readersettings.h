// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One code reader on the line, from a [reader.<name>] section of
// korvex.conf:
//   [reader.1]
//   host = 192.168.10.31     the reader's address
//   port = 2001              the TCP port it sends decoded codes on
//   coder = Line 1           the coder it watches: remark name or IP text
//   no_read = NOREAD         what it sends for a code it cannot read
//   silent_seconds = 60      no read for this long while its coder prints:
//                            an alarm (0: never)
struct ReaderSettings
{
    static constexpr const char *kSectionPrefix = "reader.";
    static constexpr int kDefaultSilentSeconds = 60;

    QString name; // the part of the section after "reader."
    QString host;
    quint16 port = 0;
    QString coder;
    QString noRead = QStringLiteral("NOREAD");
    int silentSeconds = kDefaultSilentSeconds;

    // The readers of the settings file at path, in the order they stand;
    // each bad section is named in *errors and left out.  A missing file
    // has none.
    static QList<ReaderSettings> load(const QString &path, QStringList *errors);
    static QList<ReaderSettings> parse(const QByteArray &text, QStringList *errors);
};
