// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QDialog;
class QUrl;
class QWidget;

// The one way the control program's windows ask the operator anything:
// message boxes, the save-changes question, file dialogs and the modal
// dialogs of the designer and the window (the document layer asks nothing:
// it returns its reasons).  The default shows Qt's boxes and dialogs; tests
// install their own answers, so that nothing ever blocks on a dialog.
class Prompts
{
public:
    enum class Kind { Information, Warning };
    // Answers to "save the changes?": save them, throw them away, or go back.
    enum class Answer { Save, Discard, Cancel };

    virtual ~Prompts();

    virtual void notify(Kind kind, QWidget *parent, const QString &title, const QString &text);
    // Asks whether unsaved changes are to be saved.
    virtual Answer askSaveChanges(QWidget *parent, const QString &title, const QString &text);
    // An existing file to open, or an empty string when cancelled.
    virtual QString openFileName(QWidget *parent, const QString &caption, const QString &dir,
                                 const QString &filter);
    // A file name to save to, or an empty string when cancelled.  A name
    // typed without a suffix gets defaultSuffix (without the dot).
    virtual QString saveFileName(QWidget *parent, const QString &caption, const QString &dir,
                                 const QString &filter, const QString &defaultSuffix);
    // Runs the dialog modally and gives its result (QDialog::Accepted goes
    // ahead), as QDialog::exec() does.
    virtual int run(QDialog *dialog);
    // Opens the page in the desktop's browser (the manual); false when it
    // could not be handed on.
    virtual bool openUrl(const QUrl &url);

    // The prompts in use.  Never null.
    static Prompts &current();
    // Replaces the prompts in use; nullptr restores Qt's.  Returns those it
    // replaced (nullptr for Qt's), so that a replacement can be undone.  The
    // caller keeps ownership.
    static Prompts *install(Prompts *prompts);

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
    static QString fileToOpen(QWidget *parent, const QString &caption, const QString &dir,
                              const QString &filter)
    {
        return current().openFileName(parent, caption, dir, filter);
    }
    static QString fileToSave(QWidget *parent, const QString &caption, const QString &dir,
                              const QString &filter, const QString &defaultSuffix)
    {
        return current().saveFileName(parent, caption, dir, filter, defaultSuffix);
    }
    static int exec(QDialog *dialog) { return current().run(dialog); }
    static bool open(const QUrl &url) { return current().openUrl(url); }
};
