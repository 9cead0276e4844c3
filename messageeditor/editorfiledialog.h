// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

// The one way the standalone editor asks for a file name.  The default runs
// Qt's file dialogs; tests install their own answers so that nothing ever
// blocks on a dialog.
class editorFileDialog
{
public:
    virtual ~editorFileDialog();

    // A file dialog with this title, folder and name filter; the first
    // chosen file, or an empty string when the dialog was not accepted.
    virtual QString chooseFile(QWidget *parent, const QString &title, const QString &folder,
                               const QString &filter) = 0;
    // A name to save under (the file need not exist); empty when cancelled.
    // Nothing is added to the name.
    virtual QString chooseSaveName(QWidget *parent, const QString &caption, const QString &folder,
                                   const QString &filter) = 0;

    // The dialog in use.  Never null.
    static editorFileDialog &current();
    // Replaces the dialog in use; nullptr restores the default.  The caller
    // keeps ownership.
    static void install(editorFileDialog *dialog);
};
