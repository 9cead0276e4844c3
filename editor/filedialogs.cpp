// SPDX-License-Identifier: GPL-3.0-or-later
#include "filedialogs.h"

#include <QFileDialog>

namespace {

FileDialogs defaultDialogs;
FileDialogs *installed = nullptr;

} // namespace

FileDialogs::~FileDialogs() = default;

QString FileDialogs::getOpenFileName(QWidget *parent, const QString &caption, const QString &dir,
                                     const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

QString FileDialogs::getSaveFileName(QWidget *parent, const QString &caption, const QString &dir,
                                     const QString &filter, const QString &defaultSuffix)
{
    // The static QFileDialog::getSaveFileName() has no default suffix.
    QFileDialog dialog(parent, caption, dir, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}

FileDialogs &FileDialogs::current()
{
    return installed ? *installed : defaultDialogs;
}

void FileDialogs::install(FileDialogs *dialogs)
{
    installed = dialogs;
}
