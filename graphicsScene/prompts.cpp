// SPDX-License-Identifier: GPL-3.0-or-later
#include "prompts.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>

namespace {

Prompts qtPrompts;
Prompts *installed = nullptr;

} // namespace

Prompts::~Prompts() = default;

void Prompts::notify(Kind kind, QWidget *parent, const QString &title, const QString &text)
{
    if (kind == Kind::Warning)
        QMessageBox::warning(parent, title, text);
    else
        QMessageBox::information(parent, title, text);
}

Prompts::Answer Prompts::askSaveChanges(QWidget *parent, const QString &title, const QString &text)
{
    const QMessageBox::StandardButton button = QMessageBox::question(
        parent, title, text, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
        QMessageBox::Save);
    if (button == QMessageBox::Save)
        return Answer::Save;
    if (button == QMessageBox::Discard)
        return Answer::Discard;
    return Answer::Cancel;
}

QString Prompts::openFileName(QWidget *parent, const QString &caption, const QString &dir,
                              const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

QString Prompts::saveFileName(QWidget *parent, const QString &caption, const QString &dir,
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

int Prompts::run(QDialog *dialog)
{
    return dialog->exec();
}

bool Prompts::openUrl(const QUrl &url)
{
    return QDesktopServices::openUrl(url);
}

Prompts &Prompts::current()
{
    return installed ? *installed : qtPrompts;
}

Prompts *Prompts::install(Prompts *prompts)
{
    Prompts *replaced = installed;
    installed = prompts == &qtPrompts ? nullptr : prompts;
    return replaced;
}
