// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The one way the standalone editor's core shows a modal warning.  The
// default builds the editor's warning box (no parent, no close button, one
// confirm button, "simsun" 9 pt); tests install a recorder so that nothing
// ever blocks on a dialog.
class editorMessageBox
{
public:
    virtual ~editorMessageBox();
    virtual void warning(const QString &title, const QString &text, const QString &button) = 0;
    // An information box with only a title bar (the start-up's language
    // box); returns when it is closed.
    virtual void information(const QString &title, const QString &text) = 0;
    // A question with one button per answer, the last one also taken when
    // the box is closed; returns the index of the answer.
    virtual int question(const QString &title, const QString &text, const QStringList &answers) = 0;

    // The box in use.  Never null.
    static editorMessageBox &current();
    // Replaces the box in use; nullptr restores the default.  The caller
    // keeps ownership.
    static void install(editorMessageBox *box);

    // The translated "警告" box with a "确认" button.
    static void warn(const QString &text);
};
