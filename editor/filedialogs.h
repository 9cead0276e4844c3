// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

// The one way the editor asks for a file name.  The default shows a
// QFileDialog; tests install a replacement that answers from a script, so
// that nothing ever blocks on a dialog.
class FileDialogs
{
public:
    virtual ~FileDialogs();

    // An existing file to open, or an empty string when cancelled.
    virtual QString getOpenFileName(QWidget *parent, const QString &caption, const QString &dir,
                                    const QString &filter);
    // A file name to save to, or an empty string when cancelled.  A name
    // typed without a suffix gets defaultSuffix (without the dot).
    virtual QString getSaveFileName(QWidget *parent, const QString &caption, const QString &dir,
                                    const QString &filter, const QString &defaultSuffix);

    // The dialogs in use.  Never null.
    static FileDialogs &current();
    // Replaces the dialogs in use; nullptr restores the QFileDialog default.
    // The caller keeps ownership.
    static void install(FileDialogs *dialogs);
};
