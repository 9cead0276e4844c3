// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QDialog;

// Runs the editor's own modal dialogs (the dynamic QR content dialog).  The
// default is QDialog::exec(); tests install a runner that fills the dialog
// and answers for the user, so that nothing blocks.
class editorDialogRunner
{
public:
    // Returns whether the dialog was accepted.
    using Runner = std::function<bool(QDialog &)>;

    static bool run(QDialog &dialog);
    // An empty runner restores exec().
    static void install(Runner runner);
};
