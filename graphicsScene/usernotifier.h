// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

// The one way the control program's windows show a modal message box (the
// document layer shows none: it returns its reasons).  The default shows a
// QMessageBox; tests install a recorder so that nothing ever blocks on a
// dialog.
class UserNotifier
{
public:
    enum class Kind { Information, Warning };
    // Answers to "save the changes?": save them, throw them away, or go back.
    enum class Answer { Save, Discard, Cancel };

    virtual ~UserNotifier();
    virtual void notify(Kind kind, QWidget *parent, const QString &title, const QString &text) = 0;
    // Asks whether unsaved changes are to be saved.  The base answers Cancel,
    // which loses nothing, so a notifier that does not know the question
    // never throws work away.
    virtual Answer askSaveChanges(QWidget *parent, const QString &title, const QString &text);

    // The notifier in use.  Never null.
    static UserNotifier &current();
    // Replaces the notifier in use; nullptr restores the message-box default.
    // The caller keeps ownership.
    static void install(UserNotifier *notifier);

    static void information(QWidget *parent, const QString &title, const QString &text)
    {
        current().notify(Kind::Information, parent, title, text);
    }
    static void warning(QWidget *parent, const QString &title, const QString &text)
    {
        current().notify(Kind::Warning, parent, title, text);
    }
    static Answer askToSave(QWidget *parent, const QString &title, const QString &text)
    {
        return current().askSaveChanges(parent, title, text);
    }
};
