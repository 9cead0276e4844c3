// SPDX-License-Identifier: GPL-3.0-or-later
#include "editordialogrunner.h"

#include <QDialog>

namespace {
editorDialogRunner::Runner &installed()
{
    static editorDialogRunner::Runner runner;
    return runner;
}
} // namespace

bool editorDialogRunner::run(QDialog &dialog)
{
    if (installed())
        return installed()(dialog);
    return dialog.exec() == QDialog::Accepted;
}

void editorDialogRunner::install(Runner runner)
{
    installed() = std::move(runner);
}
