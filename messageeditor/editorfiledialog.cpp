// SPDX-License-Identifier: GPL-3.0-or-later
#include "editorfiledialog.h"

#include <QFileDialog>

namespace {

class qtFileDialog : public editorFileDialog
{
public:
    QString chooseFile(QWidget *parent, const QString &title, const QString &folder,
                       const QString &filter) override
    {
        QFileDialog dialog(parent, title, folder);
        dialog.setNameFilter(filter);
        if (dialog.exec() != QDialog::Accepted)
            return QString();
        const QStringList chosen = dialog.selectedFiles();
        return chosen.isEmpty() ? QString() : chosen.first();
    }

    QString chooseSaveName(QWidget *parent, const QString &caption, const QString &folder,
                           const QString &filter) override
    {
        return QFileDialog::getSaveFileName(parent, caption, folder, filter);
    }
};

qtFileDialog defaultDialog;
editorFileDialog *installed = nullptr;

} // namespace

editorFileDialog::~editorFileDialog() = default;

editorFileDialog &editorFileDialog::current()
{
    return installed ? *installed : defaultDialog;
}

void editorFileDialog::install(editorFileDialog *dialog)
{
    installed = dialog;
}
