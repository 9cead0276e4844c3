// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QUrl;
class QWidget;
struct qrDynamicContent;

// The one way the standalone editor asks anything of the person at it:
// its boxes, its file dialogs and its own dialogs (the time format and the
// dynamic QR content).  The default shows them modally; tests install their
// own answers, so that nothing ever blocks on a dialog.
class editorPrompts
{
public:
    virtual ~editorPrompts();

    // The editor's warning box: no parent, no close button, one confirm
    // button, "simsun" 9 pt.
    virtual void warning(const QString &title, const QString &text, const QString &button);
    // An information box with only a title bar (the start-up's language
    // box); returns when it is closed.
    virtual void information(const QString &title, const QString &text);
    // A question with one button per answer, the last one also taken when
    // the box is closed; returns the index of the answer.
    virtual int question(const QString &title, const QString &text, const QStringList &answers);

    // A file dialog with this title, folder and name filter; the first
    // chosen file, or an empty string when the dialog was not accepted.
    virtual QString chooseFile(QWidget *parent, const QString &title, const QString &folder,
                               const QString &filter);
    // A name to save under (the file need not exist); empty when cancelled.
    // Nothing is added to the name.
    virtual QString chooseSaveName(QWidget *parent, const QString &caption, const QString &folder,
                                   const QString &filter);

    // The date-time format dialog, starting from initial unless it is
    // empty: the format chosen, nothing when cancelled.
    virtual std::optional<QString> chooseTimeFormat(QWidget *parent, const QString &initial);
    // The dynamic QR content dialog: the composition when accepted,
    // nothing when cancelled.
    virtual std::optional<qrDynamicContent> composeDynamicQr(QWidget *parent);
    // Opens the page in the desktop's browser (the manual); false when it
    // could not be handed on.
    virtual bool openUrl(const QUrl &url);

    // The prompts in use.  Never null.
    static editorPrompts &current();
    // Replaces the prompts in use; nullptr restores the modal ones.  Returns
    // those it replaced (nullptr for the modal ones), so that a replacement
    // can be undone.  The caller keeps ownership.
    static editorPrompts *install(editorPrompts *prompts);

    // The translated "警告" box with a "确认" button.
    static void warn(const QString &text);
};
